#pragma once

#include <QString>

/// Where and as whom the program reaches its database: a Unix socket (the private server) or a
/// host and port (an external server).
struct ConnectionSettings {
    QString socket;
    QString host;
    int port = 3306;
    QString user = QStringLiteral("root");
    QString password = QStringLiteral("lomy");
    QString database = QStringLiteral("wtarvelinhd");

    bool usesSocket() const { return host.isEmpty(); }
};
