#pragma once

#include "ObdobieKontrol.h"

#include <optional>

class Command;
class Connection;

/// The control period as the parameter row keeps it between reports and between runs of the
/// program; the database's views and the report statements read it there.
class UlozeneObdobie {
public:
    /// Nothing when the row holds no period yet.
    static std::optional<ObdobieKontrol> citaj(Connection& spojenie);
    /// Writes the period through the report data module's command, its days bound as dates.
    static void zapis(Command& parametre, const ObdobieKontrol& obdobie);
};
