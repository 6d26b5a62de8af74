#include "DatabaseLocation.h"

#include "ConfigFile.h"
#include "Connection.h"
#include "PrivateServer.h"

using namespace Qt::Literals::StringLiterals;

const QString DatabaseLocation::section = u"Databaza"_s;

DatabaseLocation::DatabaseLocation() = default;
DatabaseLocation::~DatabaseLocation() = default;
DatabaseLocation::DatabaseLocation(DatabaseLocation&&) noexcept = default;
DatabaseLocation& DatabaseLocation::operator=(DatabaseLocation&&) noexcept = default;

DatabaseLocation DatabaseLocation::fromConfig() {
    auto key = [](const char* name, const QString& defaultValue = {}) {
        return ConfigFile::read(section, QLatin1String(name), defaultValue);
    };
    DatabaseLocation location;
    location.m_settings.host = key("Server");
    location.m_settings.port = key("Port", u"3306"_s).toInt();
    location.m_settings.socket = key("Socket");
    location.m_settings.user = key("Pouzivatel", location.m_settings.user);
    location.m_settings.password = key("Heslo", location.m_settings.password);
    location.m_settings.database = key("Nazov", location.m_settings.database);
    location.m_private = location.m_settings.host.isEmpty() && location.m_settings.socket.isEmpty();
    location.m_dataFolder = key("Priecinok", PrivateServer::defaultDataFolder());
    return location;
}

ConnectionSettings
DatabaseLocation::prepare(const SchemaInstaller::StatementProducer& firstStartContents,
                          const Progress& progress) {
    if (!m_private) {
        Connection connection(m_settings);
        SchemaInstaller(connection).requireUsable();
        return m_settings;
    }
    const auto report = [&progress](const QString& activity) {
        if (progress)
            progress(activity);
    };

    report(u"Spúšťa sa databáza…"_s);
    m_server = std::make_unique<PrivateServer>(m_dataFolder);
    m_server->start();
    ConnectionSettings settings = m_server->connectionSettings();
    settings.database = m_settings.database;

    Connection connection(settings);
    SchemaInstaller installer(connection);
    if (!installer.databaseExists()) {
        report(u"Prvé spustenie: zakladá sa databáza s ukážkovým stádom…"_s);
        installer.install(SchemaInstaller::IfExists::Refuse, firstStartContents);
    } else {
        installer.requireComplete();
        // A database of an older program gets the report relations added since.
        installer.upgrade();
    }
    return settings;
}

void DatabaseLocation::release() {
    if (m_server && m_server->startedServer())
        m_server->stopUnlessInUse();
    m_server.reset();
}
