#pragma once

#include <QString>

using namespace Qt::Literals::StringLiterals;

/// Where and as whom the program reaches its database: a Unix socket (the private server) or a
/// host and port (an external server).
struct ConnectionSettings {
    QString socket;
    QString host;
    int port = 3306;
    QString user = u"root"_s;
    QString password = u"lomy"_s;
    QString database = u"wtarvelinhd"_s;
    /// Seconds to wait for a server to greet a new connection: a server that hangs is given up
    /// after it rather than waited for without end.
    int connectTimeout = 10;
    /// Seconds a statement may go without an answer from the server; longer than any statement
    /// of the program takes on the largest herds.
    int readTimeout = 300;

    bool usesSocket() const { return host.isEmpty(); }
};
