#pragma once

#include "data/ConnectionSettings.h"
#include "data/PrivateServer.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <optional>

/// The command-line options that name a database server, shared by the command-line tools: the
/// data folder of a private server, or the socket or host and port of another server, the
/// login and the database.
class ConnectionOptions {
public:
    QList<QCommandLineOption> all() const;

    /// Another server is named (socket, host or port).
    bool external(const QCommandLineParser& parser) const;
    /// Any of the options is given.
    bool given(const QCommandLineParser& parser) const;
    /// Throws UsageProblem for a data folder given together with another server.
    void check(const QCommandLineParser& parser) const;

    /// The private server of the data folder (the default folder unless --datadir).
    PrivateServer privateServer(const QCommandLineParser& parser) const;
    /// How to reach the named server. For a private server it is started and left in `server`,
    /// whose startedServer() tells whether the caller should stop it again.
    ConnectionSettings settings(const QCommandLineParser& parser,
                                std::optional<PrivateServer>& server) const;

    /// An integer option within bounds; throws UsageProblem otherwise.
    static qint64 number(const QCommandLineParser& parser, const QCommandLineOption& option,
                         qint64 minimum, qint64 maximum);

    const QCommandLineOption datadir{
        QStringLiteral("datadir"),
        QStringLiteral("Dátový priečinok súkromného servera (predvolený: %1).")
            .arg(PrivateServer::defaultDataFolder()),
        QStringLiteral("priečinok")};
    const QCommandLineOption socket{QStringLiteral("socket"),
                                    QStringLiteral("Soket iného servera MariaDB/MySQL."),
                                    QStringLiteral("soket")};
    const QCommandLineOption host{QStringLiteral("host"),
                                  QStringLiteral("Počítač s iným serverom MariaDB/MySQL."),
                                  QStringLiteral("počítač")};
    const QCommandLineOption port{QStringLiteral("port"),
                                  QStringLiteral("Port iného servera (predvolený: 3306)."),
                                  QStringLiteral("port")};
    const QCommandLineOption user{QStringLiteral("user"),
                                  QStringLiteral("Používateľ databázy (predvolený: root)."),
                                  QStringLiteral("meno")};
    const QCommandLineOption database{QStringLiteral("database"),
                                      QStringLiteral("Názov databázy (predvolený: wtarvelinhd)."),
                                      QStringLiteral("názov")};
    const QCommandLineOption password{
        QStringLiteral("password"),
        QStringLiteral("Heslo používateľa databázy (predvolené: heslo programu)."),
        QStringLiteral("heslo")};
};
