#pragma once

#include <QSet>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

using namespace Qt::Literals::StringLiterals;

class Connection;
class DatabaseError;

/// Creates the program's database on a server, loads the schema scripts of the sql folder into
/// it and fills it with statements from a producer such as the demo herd. An installation is all
/// or nothing: it is built in a staging database beside the real one and swapped in only when
/// complete, so a failed or killed installation leaves the previous database as it was, and an
/// existing database is replaced only when that is asked for. The last step writes a completion
/// mark (table instalacia); a database without it is refused (requireComplete). The database
/// records the scripts it was given (table skripty_schemy), so that a newer program brings an
/// older database up to date with the scripts added since.
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

    /// The program's schema folder "sql" (see ProgramFiles).
    static QString defaultSqlFolder();

    /// Splits a script into statements: a statement ends on a line whose last non-blank
    /// character is a semicolon; lines starting with "--" are comments.
    static std::vector<ScriptStatement> statementsOf(const QString& script);

    bool databaseExists() const;
    /// Whether the database carries the mark of a finished installation.
    bool isComplete() const;
    /// Throws DatabaseError, saying how to install it again, for a database whose installation
    /// did not finish, or naming the right the account lacks to tell. A database whose data
    /// were loaded to the end but that lacks the mark (one made before the mark existed, or one
    /// stopped after its tables were swapped in) gets its views made anew and the mark:
    /// refusing it would send its user to replace the herd. Then makes the missing working
    /// tables again (restoreWorkingTables).
    void requireComplete();

    /// Makes again, empty, the working tables that views read and that are missing, as the
    /// scripts the database has had make them. A report or a refresh interrupted between
    /// dropping such a table and making it anew leaves the views over it failing, and with
    /// them a backup of the database. Returns the tables made.
    QStringList restoreWorkingTables();
    /// The views of the database that cannot be read, since a table or column they name is
    /// missing.
    QStringList invalidViews();
    /// Throws DatabaseError when the server cannot run the program (ServerCompatibility) or the
    /// database is not complete.
    void requireUsable();

    /// Creates the database, runs the sql folder's *.sql files in name order, then runs what
    /// the producer emits, if one is given, and prepares the universal report's reading account
    /// (ReportReaderAccount). Checks the server first (ServerCompatibility).
    void install(IfExists ifExists, const StatementProducer& contents = {});

    /// Runs the scripts of the sql folder that the existing database has not had yet, in name
    /// order, raises the version of the herd's data when it ran any (VerziaUdajov), prepares the
    /// reading account again, and returns the scripts' names. A database from
    /// before the scripts were recorded counts as having had those of the first release.
    QStringList upgrade();

    /// Runs every statement the producer emits, committed in batches, and raises the version of
    /// the herd's data with the last batch (VerziaUdajov). Returns their number.
    qint64 load(const StatementProducer& producer);

    /// The table whose presence marks a finished installation.
    static inline const QString completionMark = u"instalacia"_s;

private:
    /// The count a read of one table gives, nothing when the table is missing; throws
    /// missingRight() when the account may not read it.
    std::optional<int> countOrMissing(const QString& sql) const;
    DatabaseError missingRight(const DatabaseError& error) const;
    bool loadedToTheEnd() const;
    QSet<QString> recordedScripts() const;
    void makeViews(Connection& connection, const QStringList& files);
    void writeCompletionMark();

    QString databaseName() const;
    /// Drops the staging and previous databases an interrupted installation left.
    void removeLeftovers(Connection& server);
    QStringList scriptFiles() const;
    void swapIn(Connection& server, const QString& staging, const QStringList& files);
    static void runScripts(Connection& connection, const QStringList& files);
    static qint64 loadInto(Connection& connection, const StatementProducer& producer);

    Connection& m_connection;
    QString m_sqlFolder;
};
