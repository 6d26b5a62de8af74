#include "DemoDatabase.h"

#include "data/Connection.h"
#include "data/SchemaInstaller.h"
#include "demo/DemoHerd.h"

ConnectionSettings installDemoDatabase(const ConnectionSettings& server, const QString& name,
                                       int cows) {
    ConnectionSettings settings = server;
    settings.database = name;
    Connection connection(settings);
    const DemoHerd herd(DemoHerdOptions{cows, 1});
    SchemaInstaller(connection)
        .install(SchemaInstaller::IfExists::Replace,
                 [&herd](const SchemaInstaller::StatementSink& sink) { herd.generate(sink); });
    return settings;
}
