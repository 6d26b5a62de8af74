#pragma once

#include "PriebehVymeny.h"

#include <QString>
#include <functional>
#include <vector>

class Connection;
class QSqlQuery;
class ZapisJson;

/// Writes the animals of a selection (an enterprise, herd or barn by its 6, 8 or 9 digit code)
/// into an exchange file: their events, test days, lactations and breeding values, with the
/// sires, dams and service bulls they refer to and the ancestors of those, and the enterprise,
/// herds and barns the file names. The file is written as a stream, completely or not at all.
///
/// Failures throw ChybaVymeny (a file that cannot be written, a selection the database does not
/// have, or an export the user stopped: ZrusenaVymena) or DatabaseError.
class ExportVymeny {
public:
    struct Vysledok {
        qint64 zvierat = 0;
        qint64 kontrol = 0;
        qint64 laktacii = 0;
        qint64 bajtov = 0;
    };

    explicit ExportVymeny(Connection& connection);

    Vysledok exportuj(const QString& kod, const QString& cesta, const PriebehVymeny& priebeh = {});

private:
    /// Which animals a collection's statement runs over.
    enum class Davky {
        Vsetky, ///< every animal of the file, a batch of ids at a time (:Od, :Po)
        Vyber,  ///< the selection's own animals, whose records go whole, likewise
        Naraz,  ///< once, without batches
    };

    void vyberZvierat(const QString& kod);
    std::vector<std::pair<int, int>> davky(bool lenVyber);
    /// Writes the members of the collection being written: `clen` writes those of each row of
    /// `sql`, and `predDavkou` reads what a batch needs besides. Reports the batches done.
    void clenovia(ZapisJson& zapis, Davky davky, const QString& sql,
                  const std::function<void(const QSqlQuery&)>& clen,
                  const std::function<void(int od, int po)>& predDavkou = {});
    void lokality(ZapisJson& zapis, const QString& kod);
    void zvierata(ZapisJson& zapis);
    void narodenia(ZapisJson& zapis);
    void prichody(ZapisJson& zapis);
    void vyradenia(ZapisJson& zapis, bool uhyny);
    void otelenia(ZapisJson& zapis);
    void zasusenia(ZapisJson& zapis);
    void kontroly(ZapisJson& zapis);
    void laktacie(ZapisJson& zapis);
    void hodnoty(ZapisJson& zapis);

    Connection& m_connection;
    PriebehVymeny m_priebeh;
    QString m_zbierka; ///< what the progress names: the collection being written
    Vysledok m_vysledok;
};
