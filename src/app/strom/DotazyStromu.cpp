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
    // Herds and barns stand in the order of their codes, as a breeder numbers them.
    return otvorenyDotaz(spojenie, u"SELECT DISTINCT substring(chovatel, 7, 2) AS chov FROM "
                                   u"kravy_view WHERE substring(chovatel, 1, 6) = '"_s +
                                       KodChovatela::overeny(podnik) + u"' ORDER BY chov"_s);
}

std::unique_ptr<Query> DotazyStromu::mastale(Connection* spojenie, const QString& chov) {
    return otvorenyDotaz(spojenie, u"SELECT DISTINCT substring(chovatel, 9, 1) AS mastal FROM "
                                   u"kravy_view WHERE substring(chovatel, 1, 8) = '"_s +
                                       KodChovatela::overeny(chov) + u"' ORDER BY mastal"_s);
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

DotazyStromu::ZvieraMimoStromu DotazyStromu::zvieraMimoStromu(Connection* spojenie,
                                                              const QString& usneCislo) {
    const auto zviera = otvorenyDotaz(
        spojenie,
        u"SELECT z.usnecislo, z.pohlavie, b.byk_id, k.krava_id FROM zvierata z "
        u"LEFT JOIN byky b ON b.byk_id = z.zviera_id LEFT JOIN kravy k ON k.krava_id = "
        u"z.zviera_id WHERE z.usnecislo = :UsneCislo"_s,
        {{u"UsneCislo"_s, usneCislo}});
    if (zviera->eof())
        return {};
    const QString najdene = zviera->text(u"usnecislo"_s);
    if (!zviera->value(u"byk_id"_s).isNull() || zviera->text(u"pohlavie"_s) == u"1"_s)
        return {Druh::Byk, najdene};
    if (!zviera->value(u"krava_id"_s).isNull())
        return {Druh::Krava, najdene};
    return {};
}
