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

std::unique_ptr<Query> DotazyStromu::mastale(Connection* spojenie, const QString& podnik) {
    // One grouped statement for the whole enterprise: a statement per herd and per barn, and
    // every animal read at the start, made a large enterprise open many times slower than a
    // small one. The animals are read when their barn is opened. Herds and barns stand in the
    // order of their codes, as a breeder numbers them.
    return otvorenyDotaz(spojenie, u"SELECT substring(chovatel, 7, 2) AS chov, "
                                   u"substring(chovatel, 9, 1) AS mastal, count(*) AS pocet FROM "
                                   u"kravy_view WHERE substring(chovatel, 1, 6) = '"_s +
                                       KodChovatela::overeny(podnik) +
                                       u"' GROUP BY chov, mastal ORDER BY chov, mastal"_s);
}

std::unique_ptr<Query> DotazyStromu::zvierata(Connection* spojenie, const QString& mastal) {
    return otvorenyDotaz(spojenie, u"SELECT krava_id, usnecislo, pohlavie, meno, chovatel "
                                   u"FROM kravy_view WHERE chovatel = '"_s +
                                       KodChovatela::overeny(mastal) + u'\'');
}

QString DotazyStromu::mastalZvierata(Connection* spojenie, const QString& usneCislo) {
    const auto zviera =
        otvorenyDotaz(spojenie, u"SELECT chovatel FROM kravy_view WHERE usnecislo = :UsneCislo"_s,
                      {{u"UsneCislo"_s, usneCislo}});
    return zviera->eof() ? QString() : zviera->text(u"chovatel"_s);
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
