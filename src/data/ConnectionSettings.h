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

    bool usesSocket() const { return host.isEmpty(); }
};
