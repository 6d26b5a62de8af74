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
    /// What each statement does, for the progress, in a breeder's words: what its working table
    /// holds ("6. kontrola prvých laktácií"), and for a drop that the old data go.
    static QStringList popisy(const QStringList& prikazy);
};
