#include "PrikazyPripravy.h"

#include "PriebehPripravy.h"
#include "data/Command.h"

#include <QRegularExpression>
#include <QScopeGuard>

using namespace Qt::Literals::StringLiterals;

QString PrikazyPripravy::popis(const QString& prikaz) {
    static const QRegularExpression tabulka(
        u"^\\s*(drop\\s+table\\s+if\\s+exists|create\\s+table)\\s+([\\w.]+)"_s,
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch zhoda = tabulka.match(prikaz);
    if (!zhoda.hasMatch())
        return prikaz.simplified().left(60);
    const bool zmaz = zhoda.captured(1).startsWith(u"drop"_s, Qt::CaseInsensitive);
    return (zmaz ? u"Odstránenie tabuľky "_s : u"Vytvorenie tabuľky "_s) + zhoda.captured(2);
}

void PrikazyPripravy::posli(Command& parametre, const QStringList& prikazy,
                            PriebehPripravy* priebeh) {
    if (prikazy.isEmpty())
        return;
    const auto koniec = qScopeGuard([priebeh] {
        if (priebeh)
            priebeh->koniec();
    });
    for (int i = 0; i < prikazy.size(); ++i) {
        if (priebeh)
            priebeh->pred(i + 1, int(prikazy.size()), popis(prikazy[i]));
        parametre.setCommandText(prikazy[i]);
        parametre.execute();
    }
}
