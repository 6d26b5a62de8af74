#pragma once

#include "ConnectionSettings.h"
#include "SchemaInstaller.h"

#include <functional>
#include <memory>

class PrivateServer;

/// Where the program's database lives, as the configuration file's section "Databaza" says: an
/// external server named by host and port or by socket, or (the default) the program's private
/// server, which is started when needed and, on its very first start, given the schema and the
/// contents its user hands in (the program and the report runner hand in the demo herd).
class DatabaseLocation {
public:
    DatabaseLocation();
    ~DatabaseLocation();
    DatabaseLocation(DatabaseLocation&&) noexcept;
    DatabaseLocation& operator=(DatabaseLocation&&) noexcept;

    /// Reads the section; throws ConfigError when the file cannot be read.
    static DatabaseLocation fromConfig();

    bool usesPrivateServer() const { return m_private; }
    const QString& dataFolder() const { return m_dataFolder; }

    /// What the preparation is doing, for the user to read while it lasts.
    using Progress = std::function<void(const QString& activity)>;

    /// Makes the database reachable and returns how to connect to it; a private database that
    /// does not exist yet is installed with firstStartContents. Throws DatabaseError (server
    /// missing, cannot start, installation failed) with a message for the user. progress
    /// hears, in Slovak, when the private server starts and when the database is installed.
    ConnectionSettings prepare(const SchemaInstaller::StatementProducer& firstStartContents,
                               const Progress& progress = {});

    /// Stops the private server when this program started it and nobody else uses it.
    void release();

    /// The section of the configuration file that names the database.
    static const QString section;

private:
    bool m_private = true;
    QString m_dataFolder;
    ConnectionSettings m_settings;
    std::unique_ptr<PrivateServer> m_server;
};
