#include "SchemaInstaller.h"

#include "Connection.h"
#include "DatabaseError.h"
#include "ReportReaderAccount.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QSqlQuery>

using namespace Qt::Literals::StringLiterals;

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

QString quoted(const QString& statement) {
    return statement.size() > quotedStatementLength ? statement.left(quotedStatementLength) + u"…"_s
                                                    : statement;
}

} // namespace

SchemaInstaller::SchemaInstaller(Connection& connection, QString sqlFolder)
    : m_connection(connection)
    , m_sqlFolder(std::move(sqlFolder)) {}

QString SchemaInstaller::defaultSqlFolder() {
    return QCoreApplication::applicationDirPath() + u"/sql"_s;
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

void SchemaInstaller::install(IfExists ifExists, const StatementProducer& contents) {
    const QString name = databaseName();
    const QStringList files = scriptFiles();

    const QString identifier = QLatin1Char('`') + name + QLatin1Char('`');
    {
        Connection server(serverSettings(m_connection));
        if (exists(server, name)) {
            if (ifExists == IfExists::Refuse)
                throw DatabaseError(
                    u"Databáza %1 už existuje. Nahradiť ju, a tým zmazať všetky jej "
                    u"údaje, možno len výslovne (voľba --replace)."_s.arg(name));
            server.executeDirect(u"DROP DATABASE "_s + identifier);
        }
        server.executeDirect(u"CREATE DATABASE "_s + identifier +
                             u" CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci"_s);
    }
    try {
        createRecordTable(m_connection);
        runScripts(files);
        if (contents)
            load(contents);
        ReportReaderAccount::create(m_connection);
    } catch (...) {
        // A half-installed database would pass for a complete one at the next start.
        try {
            Connection server(serverSettings(m_connection));
            server.executeDirect(u"DROP DATABASE IF EXISTS "_s + identifier);
        } catch (const DatabaseError&) {
            // The first failure is the one to report.
        }
        throw;
    }
}

QStringList SchemaInstaller::upgrade() {
    const bool recorded = tableExists(m_connection, recordTable);
    createRecordTable(m_connection);
    if (!recorded)
        for (const QString& script : firstRelease)
            record(m_connection, script);
    QSet<QString> done;
    QSqlQuery had = m_connection.execute(u"SELECT skript FROM "_s + recordTable);
    while (had.next())
        done.insert(had.value(0).toString());
    QStringList missing;
    QStringList names;
    for (const QString& file : scriptFiles()) {
        const QString name = QFileInfo(file).fileName();
        if (!done.contains(name)) {
            missing << file;
            names << name;
        }
    }
    runScripts(missing);
    // Sources added by the scripts, or created by the program since the last start, get their
    // grant; an older database gets the account.
    ReportReaderAccount::create(m_connection);
    return names;
}

qint64 SchemaInstaller::load(const StatementProducer& producer) {
    const QString begin = u"START TRANSACTION"_s;
    const QString commit = u"COMMIT"_s;
    qint64 count = 0;
    m_connection.executeDirect(begin);
    try {
        producer([&](const QString& statement) {
            try {
                m_connection.executeDirect(statement);
            } catch (const DatabaseError& error) {
                throw DatabaseError(u"Príkaz č. %1 (%2): %3"_s.arg(
                    QString::number(count + 1), quoted(statement), error.message()));
            }
            if (++count % batchSize == 0) {
                m_connection.executeDirect(commit);
                m_connection.executeDirect(begin);
            }
        });
        m_connection.executeDirect(commit);
    } catch (...) {
        try {
            m_connection.executeDirect(u"ROLLBACK"_s);
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

void SchemaInstaller::runScripts(const QStringList& files) {
    for (const QString& path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            throw DatabaseError(u"Skript %1 sa nedá čítať: %2"_s.arg(path, file.errorString()));
        const QString script = QString::fromUtf8(file.readAll());
        for (const ScriptStatement& statement : statementsOf(script)) {
            try {
                m_connection.executeDirect(statement.text);
            } catch (const DatabaseError& error) {
                throw DatabaseError(u"%1, riadok %2: %3"_s.arg(
                    QFileInfo(path).fileName(), QString::number(statement.line), error.message()));
            }
        }
        record(m_connection, QFileInfo(path).fileName());
    }
}
