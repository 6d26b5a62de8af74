#pragma once

#include <QStringList>

class Command;
class PriebehPripravy;

/// Sends a report's preparation statements one at a time through the report data module's
/// command, in their order, telling the progress before each. The first that fails stops the
/// rest; what was built before it stays.
class PrikazyPripravy {
public:
    static void posli(Command& parametre, const QStringList& prikazy, PriebehPripravy* priebeh);
    /// What a statement makes, for the progress: the table it drops or creates.
    static QString popis(const QString& prikaz);
};
