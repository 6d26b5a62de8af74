#include "PrikazyPripravy.h"

#include "PriebehPripravy.h"
#include "RetazecKontrol.h"
#include "data/Command.h"

#include <QHash>
#include <QRegularExpression>
#include <QScopeGuard>

using namespace Qt::Literals::StringLiterals;

namespace {

/// The table a statement drops or creates, in lower case, and whether it drops it; an empty
/// name for any other statement.
std::pair<QString, bool> tabulkaPrikazu(const QString& prikaz) {
    static const QRegularExpression tabulka(
        u"^\\s*(drop\\s+table\\s+if\\s+exists|create\\s+table)\\s+([\\w.]+)"_s,
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch zhoda = tabulka.match(prikaz);
    if (!zhoda.hasMatch())
        return {};
    return {zhoda.captured(2).toLower(),
            zhoda.captured(1).startsWith(u"drop"_s, Qt::CaseInsensitive)};
}

/// What the working tables of the reports hold, as a breeder names it.
const QHash<QString, QString>& obsahTabuliek() {
    static const QHash<QString, QString> obsah = {
        {u"tab40v1"_s, u"vek kráv a poradie ich prebiehajúcej laktácie"_s},
        {u"tab60v1"_s, u"posledné uzavreté normované laktácie kráv"_s},
        {u"tab9b0v1"_s, u"medziobdobia a úžitkovosť za poslednú uzavretú laktáciu"_s},
        {u"tab170v0"_s, u"priemerná denná dojivosť prebiehajúcich laktácií"_s},
        {u"tab7a0v1"_s, u"posledné uzavreté laktácie žijúcich kráv"_s},
        {u"tab80v0"_s, u"úžitkovosť kráv za maximálnu laktáciu"_s},
        {u"tab80v1"_s, u"línie a registre otcov kráv"_s},
        {u"tab100v1"_s, u"kontroly obdobia so somatickými bunkami"_s},
        {u"tab100v2"_s, u"všetky kontroly obdobia"_s},
        {u"uzitkrav"_s, u"užitkovosť kráv pre univerzálnu zostavu"_s},
    };
    return obsah;
}

} // namespace

QStringList PrikazyPripravy::popisy(const QStringList& prikazy) {
    // The chain of test days runs over the first lactations (reports 11.A and 18) or over every
    // lactation in milk (the universal report's data); its first table says which.
    static const QRegularExpression prve(u"\\bpl\\.poradie\\s*=\\s*1\\b"_s);
    const QStringList retazec = RetazecKontrol::tabulky();
    QString laktacie = u"prebiehajúcich laktácií"_s;
    for (const QString& prikaz : prikazy)
        if (tabulkaPrikazu(prikaz) == std::pair(retazec.first(), false) &&
            prve.match(prikaz).hasMatch())
            laktacie = u"prvých laktácií"_s;

    QStringList popisy;
    for (const QString& prikaz : prikazy) {
        const auto [tabulka, zmaz] = tabulkaPrikazu(prikaz);
        QString obsah;
        if (const qsizetype krok = retazec.indexOf(tabulka); krok >= 0)
            obsah = u"%1. kontrola %2"_s.arg(krok + 1).arg(laktacie);
        else if (!tabulka.isEmpty())
            obsah = obsahTabuliek().value(tabulka, u"pracovná tabuľka "_s + tabulka);
        if (obsah.isEmpty())
            popisy << prikaz.simplified().left(60);
        else if (zmaz)
            popisy << u"Odstránenie starých údajov: "_s + obsah;
        else
            popisy << obsah.left(1).toUpper() + obsah.mid(1);
    }
    return popisy;
}

void PrikazyPripravy::posli(Command& parametre, const QStringList& prikazy,
                            PriebehPripravy* priebeh) {
    if (prikazy.isEmpty())
        return;
    const auto koniec = qScopeGuard([priebeh] {
        if (priebeh)
            priebeh->koniec();
    });
    const QStringList popis = priebeh ? popisy(prikazy) : QStringList();
    for (int i = 0; i < prikazy.size(); ++i) {
        if (priebeh)
            priebeh->pred(i + 1, int(prikazy.size()), popis[i]);
        parametre.setCommandText(prikazy[i]);
        parametre.execute();
    }
}
