#pragma once

#include <QString>
#include <functional>
#include <vector>

class Connection;

/// Creates the program's database on a server, loads the schema scripts of the sql folder into
/// it and fills it with statements from a producer such as the demo herd. It never drops an
/// existing database unless told to replace it, and a failed installation leaves no database
/// behind. The database records the scripts it was given (table skripty_schemy), so that a
/// newer program brings an older database up to date with the scripts added since.
///
/// The database is the one the connection's settings name. Failures throw DatabaseError.
class SchemaInstaller {
public:
    enum class IfExists { Refuse, Replace };

    using StatementSink = std::function<void(const QString& statement)>;
    using StatementProducer = std::function<void(const StatementSink& sink)>;

    /// One statement of a script and the line it starts on.
    struct ScriptStatement {
        int line;
        QString text;
    };

    explicit SchemaInstaller(Connection& connection, QString sqlFolder = defaultSqlFolder());

    /// The sql folder beside the executable, where the build and the installation put it.
    static QString defaultSqlFolder();

    /// Splits a script into statements: a statement ends on a line whose last non-blank
    /// character is a semicolon; lines starting with "--" are comments.
    static std::vector<ScriptStatement> statementsOf(const QString& script);

    bool databaseExists() const;

    /// Creates the database, runs the sql folder's *.sql files in name order, then runs what
    /// the producer emits, if one is given, and prepares the universal report's reading account
    /// (ReportReaderAccount).
    void install(IfExists ifExists, const StatementProducer& contents = {});

    /// Runs the scripts of the sql folder that the existing database has not had yet, in name
    /// order, prepares the reading account again, and returns the scripts' names. A database from
    /// before the scripts were recorded counts as having had those of the first release.
    QStringList upgrade();

    /// Runs every statement the producer emits, committed in batches. Returns their number.
    qint64 load(const StatementProducer& producer);

private:
    QString databaseName() const;
    QStringList scriptFiles() const;
    void runScripts(const QStringList& files);

    Connection& m_connection;
    QString m_sqlFolder;
};
