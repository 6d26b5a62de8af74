#pragma once

#include "data/Connection.h"
#include "data/ConnectionSettings.h"

#include <QString>
#include <QStringList>

/// A database of one test binary's own on the test run's private server, so that test binaries
/// can run in parallel: created afresh with the schema of sql/ on construction, dropped on
/// destruction unless the environment variable TARVELIN_KEEP_TEST_DB is set (to look at it
/// after a failure). Failures throw DatabaseError.
class TestDatabase {
public:
    /// The database is named tarvelin_test_<name>.
    explicit TestDatabase(const QString& name);
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    /// Root's login on the run's server, with no database selected; starts the server when the
    /// test runs outside CTest and none runs yet.
    static ConnectionSettings serverSettings();

    /// The login on this database, for the code under test.
    ConnectionSettings settings() const { return m_connection.settings(); }
    /// Fills the database with the demo herd of this size and seed.
    void loadDemo(int cows, quint32 seed = 1);
    /// Runs one statement of a hand-written fixture, and raises the version of the herd's data
    /// (VerziaUdajov) as every writer does.
    void exec(const QString& sql);
    /// Runs the statements of a hand-written fixture file, each ended by a semicolon at the end
    /// of a line; lines starting with "--" are comments. Then raises the version of the data.
    void loadFixture(const QString& path);

    /// What a command-line tool did: its exit code (-1 when it ran out of time) and its output.
    struct ToolRun {
        int exitCode;
        QString err;
        QString out;
    };
    /// Runs a tool of the build, found beside the test binary, on this database with root's
    /// login; it gets two minutes.
    ToolRun runTool(const QString& program, const QStringList& arguments) const;
    /// Runs the tool once for each list of arguments, all at the same time, as several users
    /// would; the results in the order of the lists.
    QList<ToolRun> runToolsAtOnce(const QString& program, const QList<QStringList>& runs) const;

private:
    Connection m_connection;
};
