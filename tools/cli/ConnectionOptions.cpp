#include "ConnectionOptions.h"

#include "UsageProblem.h"

using namespace Qt::Literals::StringLiterals;

QList<QCommandLineOption> ConnectionOptions::all() const {
    return {datadir, socket, host, port, user, password, database};
}

bool ConnectionOptions::external(const QCommandLineParser& parser) const {
    return parser.isSet(socket) || parser.isSet(host) || parser.isSet(port);
}

bool ConnectionOptions::given(const QCommandLineParser& parser) const {
    for (const QCommandLineOption& option : all())
        if (parser.isSet(option))
            return true;
    return false;
}

void ConnectionOptions::check(const QCommandLineParser& parser) const {
    if (external(parser) && parser.isSet(datadir))
        throw UsageProblem(u"Voľba --datadir patrí k súkromnému serveru, nie k "
                           u"pripojeniu k inému serveru."_s);
}

PrivateServer ConnectionOptions::privateServer(const QCommandLineParser& parser) const {
    return PrivateServer(parser.isSet(datadir) ? parser.value(datadir)
                                               : PrivateServer::defaultDataFolder());
}

ConnectionSettings ConnectionOptions::settings(const QCommandLineParser& parser,
                                               std::optional<PrivateServer>& server) const {
    ConnectionSettings settings;
    if (external(parser)) {
        settings.socket = parser.value(socket);
        settings.host = parser.value(host);
        if (settings.usesSocket() && settings.socket.isEmpty())
            settings.host = u"localhost"_s;
        if (parser.isSet(port))
            settings.port = int(number(parser, port, 1, 65535));
    } else {
        server.emplace(privateServer(parser));
        server->start();
        settings.socket = server->socketPath();
    }
    if (parser.isSet(user))
        settings.user = parser.value(user);
    if (parser.isSet(password))
        settings.password = parser.value(password);
    if (parser.isSet(database))
        settings.database = parser.value(database);
    return settings;
}

qint64 ConnectionOptions::number(const QCommandLineParser& parser, const QCommandLineOption& option,
                                 qint64 minimum, qint64 maximum) {
    bool ok = false;
    const qint64 value = parser.value(option).toLongLong(&ok);
    if (!ok || value < minimum || value > maximum)
        throw UsageProblem(u"Voľba --%1 čaká celé číslo od %2 do %3."_s.arg(
            option.names().constFirst(), QString::number(minimum), QString::number(maximum)));
    return value;
}
