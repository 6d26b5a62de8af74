#include "DotazyZvierat.h"

#include "data/TDataModuleHlavny.h"

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kravyVKontrole = u"SELECT * FROM kravy_view WHERE chovatel LIKE :Chov"_s;
const QString vyradeneKravy = u"SELECT * FROM vyradene_kravy_view WHERE chovatel LIKE :Chov"_s;

} // namespace

QString DotazyZvierat::filter(const QString& kod) {
    return kod + u'%';
}

void DotazyZvierat::otvorZvierata(TDataModuleHlavny& data, const QString& kod, bool vyradene) {
    Query* zvierata = data.ADOQueryZvierata;
    zvierata->close();
    zvierata->setSql({vyradene ? vyradeneKravy : kravyVKontrole});
    zvierata->reopen({{u"Chov"_s, filter(kod)}});
}

void DotazyZvierat::otvorLaktacie(TDataModuleHlavny& data, const QString& kod) {
    data.ADOQueryLaktacie->reopen({{u"Chov"_s, filter(kod)}});
}

void DotazyZvierat::otvorPrebiehajuceLaktacie(TDataModuleHlavny& data, const QString& kod) {
    data.ADOQueryPrebiehajuceLaktacie->reopen({{u"Chov"_s, filter(kod)}});
}
