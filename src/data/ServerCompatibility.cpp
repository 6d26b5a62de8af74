#include "ServerCompatibility.h"

#include "Connection.h"
#include "DatabaseError.h"

#include <QRegularExpression>
#include <QSqlQuery>
#include <QVersionNumber>

using namespace Qt::Literals::StringLiterals;

void ServerCompatibility::require(Connection& connection) {
    QSqlQuery server = connection.execute(u"SELECT VERSION(), @@lower_case_table_names"_s);
    if (!server.next())
        throw DatabaseError(u"Databázový server neoznámil svoju verziu."_s);
    const QString version = server.value(0).toString();
    if (const QString reason = problem(version, server.value(1).toInt()); !reason.isEmpty())
        throw DatabaseError(reason);
}

QString ServerCompatibility::problem(const QString& version, int lowerCaseTableNames) {
    static const QRegularExpression number(u"^(\\d+)\\.(\\d+)(?:\\.(\\d+))?"_s);
    const QRegularExpressionMatch match = number.match(version);
    const bool mariaDb = version.contains(u"MariaDB"_s, Qt::CaseInsensitive);
    const QVersionNumber needed = mariaDb ? QVersionNumber(10, 2) : QVersionNumber(8, 0);
    if (!match.hasMatch() || QVersionNumber(match.captured(1).toInt(), match.captured(2).toInt(),
                                            match.captured(3).toInt()) < needed)
        return u"Databázový server má verziu %1; program potrebuje MariaDB 10.2 alebo MySQL 8.0 "
               "či novší (používa okenné funkcie)."_s.arg(version);
    // 1 stores names in lower case, 2 keeps their case but compares them without it; only 0
    // tells apart names that differ in case alone.
    if (lowerCaseTableNames == 0)
        return u"Databázový server rozlišuje veľké a malé písmená v názvoch tabuliek, ale skripty "
               "programu píšu jednu tabuľku rôzne (paramwOK aj paramwok). Nastavte na serveri "
               "lower_case_table_names=1 (sekcia [mysqld] jeho konfigurácie; MySQL 8 ho prijme "
               "len pri inicializácii dátového priečinka) a databázu nainštalujte znova."_s;
    return {};
}
