#pragma once

#include "data/ConnectionSettings.h"
#include "data/PrivateServer.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <optional>

using namespace Qt::Literals::StringLiterals;

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

    const QCommandLineOption datadir{u"datadir"_s,
                                     u"Dátový priečinok súkromného servera (predvolený: %1)."_s.arg(
                                         PrivateServer::defaultDataFolder()),
                                     u"priečinok"_s};
    const QCommandLineOption socket{u"socket"_s, u"Soket iného servera MariaDB/MySQL."_s,
                                    u"soket"_s};
    const QCommandLineOption host{u"host"_s, u"Počítač s iným serverom MariaDB/MySQL."_s,
                                  u"počítač"_s};
    const QCommandLineOption port{u"port"_s, u"Port iného servera (predvolený: 3306)."_s,
                                  u"port"_s};
    const QCommandLineOption user{u"user"_s, u"Používateľ databázy (predvolený: root)."_s,
                                  u"meno"_s};
    const QCommandLineOption database{u"database"_s, u"Názov databázy (predvolený: wtarvelinhd)."_s,
                                      u"názov"_s};
    const QCommandLineOption password{
        u"password"_s, u"Heslo používateľa databázy (predvolené: heslo programu)."_s, u"heslo"_s};
};
