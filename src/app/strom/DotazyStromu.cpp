#include "DotazyStromu.h"

#include "data/Query.h"
#include "reports/KodChovatela.h"

using namespace Qt::Literals::StringLiterals;

namespace {

std::unique_ptr<Query> otvorenyDotaz(Connection* spojenie, const QString& sql,
                                     const ParameterValues& parametre = {}) {
    auto dotaz = std::make_unique<Query>(spojenie);
    dotaz->setSql({sql});
    dotaz->reopen(parametre);
    return dotaz;
}

} // namespace

std::unique_ptr<Query> DotazyStromu::chovy(Connection* spojenie, const QString& podnik) {
    return otvorenyDotaz(spojenie, u"SELECT DISTINCT substring(chovatel, 7, 2) AS chov FROM "
                                   u"kravy_view WHERE substring(chovatel, 1, 6) = '"_s +
                                       KodChovatela::overeny(podnik) + u'\'');
}

std::unique_ptr<Query> DotazyStromu::mastale(Connection* spojenie, const QString& chov) {
    return otvorenyDotaz(spojenie, u"SELECT DISTINCT substring(chovatel, 9, 1) AS mastal FROM "
                                   u"kravy_view WHERE substring(chovatel, 1, 8) = '"_s +
                                       KodChovatela::overeny(chov) + u'\'');
}

std::unique_ptr<Query> DotazyStromu::zvierata(Connection* spojenie, const QString& mastal) {
    return otvorenyDotaz(spojenie, u"SELECT krava_id, usnecislo, pohlavie, meno, chovatel "
                                   u"FROM kravy_view WHERE chovatel = '"_s +
                                       KodChovatela::overeny(mastal) + u'\'');
}

int DotazyStromu::pocetZvierat(Connection* spojenie, const QString& kod) {
    return otvorenyDotaz(spojenie,
                         u"SELECT krava_id, usnecislo, pohlavie, meno, chovatel FROM kravy_view "
                         u"WHERE substring(chovatel, 1, :pDlzka) = '"_s +
                             KodChovatela::overeny(kod) + u'\'',
                         {{u"pDlzka"_s, int(kod.size())}})
        ->recordCount();
}
