#pragma once

#include "PrehladSuboru.h"
#include "PriebehVymeny.h"
#include "SuhrnImportu.h"

#include "data/ConnectionSettings.h"

#include <QString>

/// Brings an exchange file into the program's database, all or nothing: the file is read into
/// the session's temporary tables and checked whole, against itself and the database; only then
/// are the herd's tables written, in one transaction, which a failure, a stop by the user or a
/// killed program or server leaves undone. Importing the same file again changes nothing; a later
/// file of the same herd adds what is new and updates what changed.
///
/// Failures throw OdmietnutySubor (a file the import refuses, with the place in it),
/// ZrusenaVymena (stopped by the user), ChybaVymeny (a file that cannot be read) or DatabaseError.
class ImportVymeny {
public:
    /// May throw ZrusenaVymena to stop the import before the data are committed.
    using Priebeh = PriebehVymeny;

    explicit ImportVymeny(ConnectionSettings settings);

    SuhrnImportu importuj(const QString& cesta, const Priebeh& priebeh = {});

    /// Reads the file without a database: what it holds, or the first place that the checks of
    /// each resource on its own refuse.
    static PrehladSuboru prehlad(const QString& cesta, const Priebeh& priebeh = {});

private:
    ConnectionSettings m_settings;
};
