#include "SchemaInstaller.h"

#include "Connection.h"
#include "DatabaseError.h"
#include "ProgramFiles.h"
#include "ReportReaderAccount.h"
#include "ServerCompatibility.h"
#include "ServerLock.h"
#include "StrictWrites.h"
#include "VerziaUdajov.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QSqlQuery>

using namespace Qt::Literals::StringLiterals;
using namespace std::chrono_literals;

namespace {

// A commit per statement would flush the log for every row; one transaction for a whole herd
// would grow the undo log without bound.
constexpr qint64 batchSize = 500;
constexpr qsizetype quotedStatementLength = 200;

ConnectionSettings serverSettings(const Connection& connection) {
    ConnectionSettings settings = connection.settings();
    settings.database.clear();
    return settings;
}

bool exists(Connection& server, const QString& name) {
    QSqlQuery found = server.execute(u"SELECT SCHEMA_NAME FROM information_schema.SCHEMATA "
                                     u"WHERE SCHEMA_NAME = :Nazov"_s,
                                     {{u"Nazov"_s, name}});
    return found.next();
}

const QString recordTable = u"skripty_schemy"_s;

// The server's numbers of the errors that tell a missing database or table from a missing right.
constexpr int databaseAccessDenied = 1044;
constexpr int unknownDatabase = 1049;
constexpr int tableAccessDenied = 1142;
constexpr int noSuchTable = 1146;

// The scripts every database had before they were recorded.
const QStringList firstRelease = {u"010_tables.sql"_s, u"011_codes.sql"_s, u"020_views.sql"_s,
                                  u"090_param.sql"_s};

void createRecordTable(Connection& connection) {
    connection.executeDirect(u"CREATE TABLE IF NOT EXISTS "_s + recordTable +
                             u" (skript VARCHAR(100) NOT NULL, nainstalovany "
                             u"DATETIME NOT NULL, PRIMARY KEY (skript)) "
                             u"ENGINE=InnoDB DEFAULT CHARSET=utf8mb4"_s);
}

void record(Connection& connection, const QString& script) {
    connection.execute(u"INSERT INTO "_s + recordTable +
                           u" (skript, nainstalovany) VALUES (:Skript, now())"_s,
                       {{u"Skript"_s, script}});
}

bool tableExists(Connection& connection, const QString& table) {
    QSqlQuery found =
        connection.execute(u"SELECT TABLE_NAME FROM information_schema.TABLES WHERE TABLE_SCHEMA = "
                           u"database() AND TABLE_NAME = :Tabulka"_s,
                           {{u"Tabulka"_s, table}});
    return found.next();
}

QString identifier(QString name) {
    return u'`' + name.replace(u'`', u"``"_s) + u'`';
}

QString qualified(const QString& database, const QString& table) {
    return identifier(database) + u'.' + identifier(table);
}

// A database beside the real one, for an installation under way or the data it replaces. Names
// stay within the server's 64 characters.
QString besideName(const QString& name, const QString& role) {
    if (name.size() + role.size() + 2 <= 64)
        return name + u"__"_s + role;
    return u"tarvelin__"_s + role + u"__"_s +
           QString::fromLatin1(
               QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex().left(20));
}

QStringList tablesOf(Connection& server, const QString& database, const QString& type) {
    QSqlQuery found = server.execute(u"SELECT TABLE_NAME FROM information_schema.TABLES WHERE "
                                     "TABLE_SCHEMA = :Databaza AND TABLE_TYPE = :Druh ORDER BY "
                                     "TABLE_NAME"_s,
                                     {{u"Databaza"_s, database}, {u"Druh"_s, type}});
    QStringList tables;
    while (found.next())
        tables << found.value(0).toString();
    return tables;
}

// Views cannot move to another database; the statements that made them are run again there.
// So are those that make a table only when it is missing: a view may read a table that the
// program drops and makes anew (a report's working table), and that may be missing when the
// views are made again.
bool remadeWithViews(const QString& statement) {
    static const QRegularExpression view(u"^\\s*(CREATE\\s+(OR\\s+REPLACE\\s+)?(ALGORITHM\\s*=\\s*"
                                         u"\\w+\\s+)?(DEFINER\\s*=\\s*\\S+\\s+)?"
                                         "(SQL\\s+SECURITY\\s+\\w+\\s+)?|DROP\\s+)VIEW\\b"_s,
                                         QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression missingTable(
        u"^\\s*CREATE\\s+TABLE\\s+IF\\s+NOT\\s+EXISTS\\b"_s,
        QRegularExpression::CaseInsensitiveOption);
    return view.match(statement).hasMatch() || missingTable.match(statement).hasMatch();
}

QString readScript(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DatabaseError(u"Skript %1 sa nedá čítať: %2"_s.arg(path, file.errorString()));
    return QString::fromUtf8(file.readAll());
}

void dropQuietly(Connection& server, const QString& database) {
    try {
        server.executeDirect(u"DROP DATABASE IF EXISTS "_s + identifier(database));
    } catch (const DatabaseError&) {
        // The first failure is the one to report.
    }
}

QString quoted(const QString& statement) {
    return statement.size() > quotedStatementLength ? statement.left(quotedStatementLength) + u"…"_s
                                                    : statement;
}

} // namespace

SchemaInstaller::SchemaInstaller(Connection& connection, QString sqlFolder)
    : m_connection(connection)
    , m_sqlFolder(std::move(sqlFolder)) {}

QString SchemaInstaller::defaultSqlFolder() {
    return ProgramFiles::ofProgram().path(u"sql"_s);
}

std::vector<SchemaInstaller::ScriptStatement> SchemaInstaller::statementsOf(const QString& script) {
    std::vector<ScriptStatement> statements;
    QStringList pending;
    int firstLine = 0;
    const auto finish = [&] {
        QString text = pending.join(QLatin1Char('\n')).trimmed();
        if (text.endsWith(QLatin1Char(';')))
            text = text.chopped(1).trimmed();
        if (!text.isEmpty())
            statements.push_back({firstLine, text});
        pending.clear();
    };
    const QStringList lines = script.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(u"--"_s) || (pending.isEmpty() && trimmed.isEmpty()))
            continue;
        if (pending.isEmpty())
            firstLine = int(i + 1);
        pending << line;
        if (trimmed.endsWith(QLatin1Char(';')))
            finish();
    }
    finish();
    return statements;
}

bool SchemaInstaller::databaseExists() const {
    Connection server(serverSettings(m_connection));
    return exists(server, databaseName());
}

std::optional<int> SchemaInstaller::countOrMissing(const QString& sql) const {
    // The catalogue of tables shows an account only the tables it has a right to, so a table
    // it may not read would pass for a missing one; reading it tells the two apart.
    try {
        QSqlQuery count = m_connection.execute(sql);
        return count.next() ? count.value(0).toInt() : 0;
    } catch (const DatabaseError& error) {
        if (error.code() == noSuchTable)
            return std::nullopt;
        if (error.code() == tableAccessDenied || error.code() == databaseAccessDenied)
            throw missingRight(error);
        throw;
    }
}

DatabaseError SchemaInstaller::missingRight(const DatabaseError& error) const {
    // The server's words stand below the program's sentence, not at the message's start.
    static const QRegularExpression command(u"\\b(\\w+) command denied"_s,
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch denied = command.match(error.message());
    const QString right = denied.hasMatch() ? denied.captured(1).toUpper() : u"SELECT"_s;
    return DatabaseError(u"Účtu %1 chýba právo %2 k databáze %3, a tak program nezistí, či je "
                         "databáza úplná. Správca databázového servera mu ho môže dať (GRANT %2 "
                         "ON `%3`.* TO …).\n%4"_s.arg(m_connection.settings().user, right,
                                                      m_connection.settings().database,
                                                      error.message()),
                         error.code());
}

bool SchemaInstaller::isComplete() const {
    return countOrMissing(u"SELECT count(*) FROM "_s + completionMark).has_value();
}

bool SchemaInstaller::loadedToTheEnd() const {
    // Every load ends with the parameter row naming the enterprise, in the transaction that
    // commits its last rows; an interrupted load leaves the row of zeros the schema put there.
    return countOrMissing(u"SELECT count(*) FROM param WHERE chovatel <> '000000000'"_s)
               .value_or(0) > 0;
}

void SchemaInstaller::writeCompletionMark() {
    m_connection.executeDirect(u"CREATE TABLE "_s + completionMark +
                               u" (dokoncena DATETIME NOT NULL) ENGINE=InnoDB SELECT now() AS "
                               "dokoncena"_s);
}

QSet<QString> SchemaInstaller::recordedScripts() const {
    // A database from before the scripts were recorded had those of the first release.
    if (!tableExists(m_connection, recordTable))
        return QSet<QString>(firstRelease.cbegin(), firstRelease.cend());
    QSet<QString> done;
    QSqlQuery had = m_connection.execute(u"SELECT skript FROM "_s + recordTable);
    while (had.next())
        done.insert(had.value(0).toString());
    return done;
}

void SchemaInstaller::makeViews(Connection& connection, const QStringList& files) {
    for (const QString& path : files)
        for (const ScriptStatement& statement : statementsOf(readScript(path)))
            if (remadeWithViews(statement.text))
                connection.executeDirect(statement.text);
}

void SchemaInstaller::requireComplete() {
    if (!isComplete() && loadedToTheEnd()) {
        // Its views are made anew from the scripts it has had, as an installation would.
        Connection server(serverSettings(m_connection));
        const QStringList views = tablesOf(server, databaseName(), u"VIEW"_s);
        if (!views.isEmpty())
            m_connection.executeDirect(u"DROP VIEW "_s + views.join(u", "_s));
        const QSet<QString> recorded = recordedScripts();
        QStringList had;
        for (const QString& file : scriptFiles())
            if (recorded.contains(QFileInfo(file).fileName()))
                had << file;
        makeViews(m_connection, had);
        writeCompletionMark();
    }
    if (!isComplete())
        throw DatabaseError(
            u"Databáza %1 nie je úplná: jej inštalácia sa nedokončila. Nainštalujte ju znova, "
            "napríklad príkazom tarvelin-db install --replace (s voľbou --demo N aj s demo "
            "stádom); jej doterajší obsah sa tým nahradí."_s.arg(m_connection.settings().database));
    restoreWorkingTables();
}

QStringList SchemaInstaller::restoreWorkingTables() {
    static const QRegularExpression madeWhenMissing(
        u"^\\s*CREATE\\s+TABLE\\s+IF\\s+NOT\\s+EXISTS\\s+`?(\\w+)`?"_s,
        QRegularExpression::CaseInsensitiveOption);
    QSet<QString> present;
    QSqlQuery found = m_connection.execute(
        u"SELECT TABLE_NAME FROM information_schema.TABLES WHERE TABLE_SCHEMA = database()"_s);
    while (found.next())
        present.insert(found.value(0).toString().toLower());
    const QSet<QString> recorded = recordedScripts();
    QStringList made;
    for (const QString& file : scriptFiles()) {
        if (!recorded.contains(QFileInfo(file).fileName()))
            continue;
        for (const ScriptStatement& statement : statementsOf(readScript(file))) {
            const QRegularExpressionMatch table = madeWhenMissing.match(statement.text);
            if (!table.hasMatch() || present.contains(table.captured(1).toLower()))
                continue;
            m_connection.executeDirect(statement.text);
            present.insert(table.captured(1).toLower());
            made << table.captured(1);
        }
    }
    return made;
}

QStringList SchemaInstaller::invalidViews() {
    constexpr int viewInvalid = 1356;
    QStringList views;
    QSqlQuery found = m_connection.execute(
        u"SELECT TABLE_NAME FROM information_schema.TABLES WHERE TABLE_SCHEMA = database() AND "
        u"TABLE_TYPE = 'VIEW' ORDER BY TABLE_NAME"_s);
    while (found.next())
        views << found.value(0).toString();
    QStringList invalid;
    for (const QString& view : views) {
        try {
            // What the dump program asks of every view.
            m_connection.execute(u"SHOW COLUMNS FROM "_s + identifier(view));
        } catch (const DatabaseError& error) {
            if (error.code() != viewInvalid)
                throw;
            invalid << view;
        }
    }
    return invalid;
}

void SchemaInstaller::requireUsable() {
    Connection server(serverSettings(m_connection));
    ServerCompatibility::require(server);
    // The server lists an account only the databases it has a right to: whether one it does
    // not list is missing, only logging in to it tells.
    if (!exists(server, databaseName())) {
        try {
            m_connection.open();
        } catch (const DatabaseError& error) {
            if (error.code() == databaseAccessDenied)
                throw DatabaseError(u"Účet %1 nemá k databáze %2 žiadne právo. Správca "
                                    "databázového servera mu ich môže dať (GRANT … ON `%2`.* TO "
                                    "…).\n%3"_s.arg(m_connection.settings().user,
                                                    m_connection.settings().database,
                                                    error.message()),
                                    error.code());
            if (error.code() == unknownDatabase)
                throw DatabaseError(
                    u"Databáza %1 na serveri nie je. Nainštalujte ju, napríklad príkazom "
                    "tarvelin-db install (s voľbou --demo N aj s demo stádom)."_s.arg(
                        m_connection.settings().database),
                    error.code());
            throw;
        }
    }
    requireComplete();
}

void SchemaInstaller::install(IfExists ifExists, const StatementProducer& contents) {
    const QString name = databaseName();
    const QStringList files = scriptFiles();
    const QString staging = besideName(name, u"instalacia"_s);

    Connection server(serverSettings(m_connection));
    ServerCompatibility::require(server);
    // The staging database is one per database, so two installations of it cannot run at once.
    ServerLock lock(server, ServerLock::nameFor(u"tarvelin-instalacia"_s, name), 0s,
                    u"Databázu %1 práve inštaluje iný program."_s.arg(name));
    const auto refuseExisting = [&] {
        if (ifExists == IfExists::Refuse && exists(server, name))
            throw DatabaseError(u"Databáza %1 už existuje. Nahradiť ju, a tým zmazať všetky jej "
                                u"údaje, možno len výslovne (voľba --replace)."_s.arg(name));
    };
    refuseExisting();
    removeLeftovers(server);
    try {
        server.executeDirect(u"CREATE DATABASE "_s + identifier(staging) +
                             u" CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci"_s);
    } catch (const DatabaseError& error) {
        throw DatabaseError(u"%1\nInštalácia stavia databázu najprv pod menom %2 a potrebuje "
                            "na to právo CREATE aj k nemu."_s.arg(error.message(), staging));
    }
    try {
        {
            ConnectionSettings settings = m_connection.settings();
            settings.database = staging;
            Connection target(settings);
            createRecordTable(target);
            runScripts(target, files);
            if (contents)
                loadInto(target, contents);
            // While the old database is still in place, a lack of rights for the reading
            // account stops the installation: tried on the new database's sources and taken
            // back, the grants then go to the database under its own name.
            ReportReaderAccount::create(target, name);
            ReportReaderAccount::revoke(target, name);
        }
        refuseExisting();
        swapIn(server, staging, files);
    } catch (...) {
        dropQuietly(server, staging);
        throw;
    }
    try {
        ReportReaderAccount::create(m_connection);
    } catch (const DatabaseError& error) {
        throw DatabaseError(u"Databáza %1 je nainštalovaná, ale univerzálna zostava ju nebude "
                            u"môcť čítať.\n%2"_s.arg(name, error.message()),
                            error.code());
    }
}

void SchemaInstaller::removeLeftovers(Connection& server) {
    // An installation killed before its end leaves its staging database, or the old data it
    // was replacing; the caller holds the installation's lock, so neither is in use.
    const QString name = databaseName();
    for (const QString& role : {u"instalacia"_s, u"povodna"_s})
        server.executeDirect(u"DROP DATABASE IF EXISTS "_s + identifier(besideName(name, role)));
}

void SchemaInstaller::swapIn(Connection& server, const QString& staging, const QStringList& files) {
    const QString name = databaseName();
    const QString previous = besideName(name, u"povodna"_s);
    QStringList renames;
    QStringList oldViews;
    if (exists(server, name)) {
        server.executeDirect(u"DROP DATABASE IF EXISTS "_s + identifier(previous));
        server.executeDirect(u"CREATE DATABASE "_s + identifier(previous));
        for (const QString& table : tablesOf(server, name, u"BASE TABLE"_s))
            renames << qualified(name, table) + u" TO "_s + qualified(previous, table);
        for (const QString& view : tablesOf(server, name, u"VIEW"_s))
            oldViews << qualified(name, view);
        server.executeDirect(u"ALTER DATABASE "_s + identifier(name) +
                             u" CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci"_s);
    } else {
        server.executeDirect(u"CREATE DATABASE "_s + identifier(name) +
                             u" CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci"_s);
    }
    for (const QString& table : tablesOf(server, staging, u"BASE TABLE"_s))
        renames << qualified(staging, table) + u" TO "_s + qualified(name, table);
    // One statement, which the server carries out whole or not at all: the old tables leave and
    // the new ones arrive together.
    server.executeDirect(u"RENAME TABLE "_s + renames.join(u", "_s));

    // Only now, with the old completion mark gone along with the old tables: a database whose
    // views were dropped must not pass for a complete one.
    if (!oldViews.isEmpty())
        server.executeDirect(u"DROP VIEW "_s + oldViews.join(u", "_s));
    makeViews(m_connection, files);
    // Written last: a database without it was interrupted in the few statements above.
    writeCompletionMark();
    dropQuietly(server, previous);
    dropQuietly(server, staging);
}

QStringList SchemaInstaller::upgrade() {
    {
        Connection server(serverSettings(m_connection));
        try {
            ServerLock lock(server, ServerLock::nameFor(u"tarvelin-instalacia"_s, databaseName()),
                            0s, QString());
            removeLeftovers(server);
        } catch (const DatabaseError&) {
            // An installation of the database runs now and uses them; or the account may not
            // drop them, which only costs their room.
        }
    }
    const bool recorded = tableExists(m_connection, recordTable);
    createRecordTable(m_connection);
    if (!recorded)
        for (const QString& script : firstRelease)
            record(m_connection, script);
    const QSet<QString> done = recordedScripts();
    QStringList missing;
    QStringList names;
    for (const QString& file : scriptFiles()) {
        const QString name = QFileInfo(file).fileName();
        if (!done.contains(name)) {
            missing << file;
            names << name;
        }
    }
    runScripts(m_connection, missing);
    // A script may change a view that working tables are made from.
    if (!missing.isEmpty())
        VerziaUdajov::zvys(m_connection);
    // Sources added by the scripts, or created by the program since the last start, get their
    // grant; an older database gets the account.
    ReportReaderAccount::create(m_connection);
    return names;
}

qint64 SchemaInstaller::load(const StatementProducer& producer) {
    return loadInto(m_connection, producer);
}

qint64 SchemaInstaller::loadInto(Connection& connection, const StatementProducer& producer) {
    const QString begin = u"START TRANSACTION"_s;
    const QString commit = u"COMMIT"_s;
    qint64 count = 0;
    // The contents are values the program writes; one that does not fit its column is a fault
    // to report, not a value to cut.
    const StrictWrites strict(connection);
    connection.executeDirect(begin);
    try {
        producer([&](const QString& statement) {
            try {
                connection.executeDirect(statement);
            } catch (const DatabaseError& error) {
                throw DatabaseError(u"Príkaz č. %1 (%2): %3"_s.arg(
                    QString::number(count + 1), quoted(statement), error.message()));
            }
            if (++count % batchSize == 0) {
                connection.executeDirect(commit);
                connection.executeDirect(begin);
            }
        });
        // With the last rows, so that working tables made from the old data are not taken for
        // current after a load.
        VerziaUdajov::zvys(connection);
        connection.executeDirect(commit);
    } catch (...) {
        try {
            connection.executeDirect(u"ROLLBACK"_s);
        } catch (const DatabaseError&) {
            // The first failure is the one to report.
        }
        throw;
    }
    return count;
}

QString SchemaInstaller::databaseName() const {
    // The name goes into statements as an identifier; it cannot be bound as a parameter.
    static const QRegularExpression valid(u"^[A-Za-z0-9_]+$"_s);
    const QString name = m_connection.settings().database;
    if (!valid.match(name).hasMatch())
        throw DatabaseError(u"Názov databázy „%1“ nie je platný."_s.arg(name));
    return name;
}

QStringList SchemaInstaller::scriptFiles() const {
    const QDir folder(m_sqlFolder);
    QStringList files;
    for (const QString& file :
         folder.entryList({u"*.sql"_s}, QDir::Files | QDir::Readable, QDir::Name))
        files << folder.filePath(file);
    if (files.isEmpty())
        throw DatabaseError(u"V priečinku %1 nie sú skripty databázy (*.sql)."_s.arg(m_sqlFolder));
    return files;
}

void SchemaInstaller::runScripts(Connection& connection, const QStringList& files) {
    for (const QString& path : files) {
        const QString script = readScript(path);
        for (const ScriptStatement& statement : statementsOf(script)) {
            try {
                connection.executeDirect(statement.text);
            } catch (const DatabaseError& error) {
                throw DatabaseError(u"%1, riadok %2: %3"_s.arg(
                    QFileInfo(path).fileName(), QString::number(statement.line), error.message()));
            }
        }
        record(connection, QFileInfo(path).fileName());
    }
}
