#include "ServerErrorText.h"

#include "ReportReaderAccount.h"

#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace {

/// The n-th name the server's text puts in quotes or backquotes ("Unknown column 'vek' in ..."),
/// without the database it may be prefixed with; empty when there is none.
QString quotedName(const QString& serverText, int n = 0) {
    static const QRegularExpression quoted(u"['`]([^'`]+)['`]"_s);
    auto matches = quoted.globalMatch(serverText);
    for (int i = 0; matches.hasNext(); ++i) {
        const QString name = matches.next().captured(1);
        if (i == n)
            return name.section(u'.', -1);
    }
    return {};
}

/// The table a refused right is about: "... for table 'kravy'" or "for table `db`.`kravy`".
QString refusedTable(const QString& serverText) {
    static const QRegularExpression table(u"for table ['`]([^'`]+)['`](?:\\.['`]([^'`]+)['`])?"_s);
    const QRegularExpressionMatch match = table.match(serverText);
    if (!match.hasMatch())
        return {};
    return (match.captured(2).isEmpty() ? match.captured(1) : match.captured(2)).section(u'.', -1);
}

QString refusedRight(const QString& serverText) {
    static const QRegularExpression command(u"^(\\w+) command denied"_s);
    static const QRegularExpression privilege(
        u"need (?:\\(at least one of\\) )?the (.+?) privilege"_s);
    QRegularExpressionMatch match = command.match(serverText);
    if (!match.hasMatch())
        match = privilege.match(serverText);
    return match.hasMatch() ? match.captured(1) : QString();
}

/// The reading account of the universal report may read its sources alone; a statement that
/// reads anything else is the user's, not a fault of the server.
QString readerRefusal(const QString& serverText) {
    QString sentence = u"Zostava smie čítať len tieto zdroje: %1."_s.arg(
        ReportReaderAccount::sources().join(u", "_s));
    const QString table = refusedTable(serverText);
    if (!table.isEmpty())
        sentence += u" Tabuľku %1 čítať nesmie."_s.arg(table);
    return sentence;
}

QString refusal(const QString& serverText) {
    const QString user = quotedName(serverText);
    if (ReportReaderAccount::isAccountName(user))
        return readerRefusal(serverText);
    const QString right = refusedRight(serverText);
    const QString table = refusedTable(serverText);
    if (!table.isEmpty())
        return u"Účet %1 databázy nemá právo %2 na tabuľku %3."_s.arg(user, right, table);
    return u"Účet %1 databázy nemá právo %2 na stĺpec %3."_s.arg(user, right,
                                                                 quotedName(serverText, 2));
}

bool lostConnection(int code) {
    return code == 2006 || code == 2013 || code == 2055 || code == 1927;
}

bool unreachable(int code) {
    return code == 2002 || code == 2003 || code == 2005;
}

/// Whether the server's text reports the system's "no space left on device" (errno 28), which
/// comes with the number of whatever failed to write: a file, a temporary table, an engine.
bool diskFull(const QString& serverText) {
    static const QRegularExpression full(u"\\b(?:Errcode: |errno: |error )28\\b"_s,
                                         QRegularExpression::CaseInsensitiveOption);
    return full.match(serverText).hasMatch();
}

} // namespace

QString ServerErrorText::sentence(int code, const QString& serverText) {
    if (diskFull(serverText))
        return u"Na disku databázového servera nie je miesto."_s;
    switch (code) {
    case 1064:
    case 1149:
        return u"Príkaz nie je správne zapísaný: server mu nerozumie. Skontrolujte podmienku "
               u"(úvodzovky, zátvorky, spojky AND a OR a hodnoty za operátormi)."_s;
    case 1065:
        return u"Príkaz je prázdny."_s;
    case 1054:
        return u"Príkaz uvádza stĺpec %1, ktorý v čítanej tabuľke nie je."_s.arg(
            quotedName(serverText));
    case 1052:
        return u"Stĺpec %1 je vo viacerých tabuľkách príkazu; nie je jasné, ktorý je mienený."_s
            .arg(quotedName(serverText));
    case 1146:
        return u"Tabuľka %1 v databáze nie je."_s.arg(quotedName(serverText));
    case 1356:
        return u"Pohľad %1 číta tabuľku alebo stĺpec, ktorý v databáze chýba; databázu treba "
               u"aktualizovať (tarvelin-db upgrade)."_s.arg(quotedName(serverText));
    case 1305:
        return u"Funkcia, ktorú príkaz volá, v databáze nie je."_s;
    case 1142:
    case 1143:
        return refusal(serverText);
    case 1227:
        return u"Účet databázy nemá právo %1, ktoré táto činnosť potrebuje."_s.arg(
            refusedRight(serverText));
    case 1044:
        return u"Účet %1 nemá prístup k databáze %2."_s.arg(quotedName(serverText),
                                                            quotedName(serverText, 2));
    case 1045:
        return u"Server odmietol prihlásenie účtu %1: meno alebo heslo nie je správne."_s.arg(
            quotedName(serverText));
    case 1049:
        return u"Databáza %1 na serveri nie je."_s.arg(quotedName(serverText));
    case 1062:
        return u"Taký záznam už v databáze je: hodnota, ktorá sa nesmie opakovať, sa opakuje."_s;
    case 1048:
        return u"Stĺpec %1 musí mať hodnotu."_s.arg(quotedName(serverText));
    case 1406:
        return u"Hodnota je pre stĺpec %1 príliš dlhá."_s.arg(quotedName(serverText));
    case 1264:
        return u"Hodnota je pre stĺpec %1 príliš veľká."_s.arg(quotedName(serverText));
    case 1292:
    case 1366:
        return u"Hodnota nemá tvar, aký stĺpec čaká (číslo, dátum alebo text)."_s;
    case 1205:
        return u"Údaje práve drží iná práca a server sa ich nedočkal. Skúste to o chvíľu "
               u"znova."_s;
    case 1213:
        return u"Iná práca zároveň menila tie isté údaje a server túto zastavil. Skúste to "
               u"znova."_s;
    case 1021:
    case 1114:
        return u"Na disku databázového servera nie je miesto."_s;
    case 1040:
    case 1203:
        return u"Databázový server má priveľa spojení naraz. Skúste to o chvíľu znova."_s;
    case 1317:
        return u"Príkaz bol prerušený skôr, ako sa dokončil."_s;
    case 1969:
    case 3024:
        return u"Príkaz trval dlhšie, ako server dovolí, a server ho zastavil."_s;
    case 1053:
        return u"Databázový server sa práve vypína."_s;
    default:
        break;
    }
    if (unreachable(code))
        return u"Server neodpovedá: spojenie s databázovým serverom sa nedá nadviazať."_s;
    if (lostConnection(code))
        return u"Server neodpovedá: spojenie s databázovým serverom sa prerušilo."_s;
    if (code >= 2000 && code < 3000)
        return u"Spojenie s databázovým serverom zlyhalo."_s;
    return u"Databázový server príkaz odmietol."_s;
}

namespace {

QString withServerText(const QString& sentence, int code, const QString& serverText) {
    return sentence + u"\n\nSpráva servera (chyba %1): %2"_s.arg(code).arg(serverText);
}

} // namespace

QString ServerErrorText::message(int code, const QString& serverText) {
    if (code == 0)
        return serverText;
    return withServerText(sentence(code, serverText), code, serverText);
}

DatabaseError ServerErrorText::error(int code, const QString& serverText) {
    return DatabaseError(message(code, serverText), code);
}

DatabaseError ServerErrorText::timedOut(int seconds, int code, const QString& serverText) {
    return DatabaseError(
        withServerText(u"Server neodpovedá: databázový server neodpovedal do %1 s."_s.arg(seconds),
                       code, serverText),
        code);
}
