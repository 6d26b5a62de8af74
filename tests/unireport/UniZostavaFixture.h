#pragma once

#include "common/TestDatabase.h"

#include <QString>

using namespace Qt::Literals::StringLiterals;

/// The universal report's sources as small fixtures: a table uz_vzorka of four cows with a
/// column of every kind the builder tells apart, seen as "uzkravy" as it stands and, under the
/// ten other source names, with the column "zdroj" naming the source first. The reading
/// account is then granted them, as the installer does for real sources.
class UniZostavaFixture {
public:
    static void vytvor(TestDatabase& db);

    /// Stores a definition of the universal report as the builder does; returns its id.
    static int ulozZostavu(TestDatabase& db, const QString& nazov, const QString& popis,
                           const QString& prikaz, const QString& cas = u"2024-03-05 14:30:00"_s);
};
