#pragma once

#include "CitacZbierok.h"

#include <QStringList>

class PoleVymeny;
namespace KodyVymeny {
struct PopisZbierky;
}
class PrijemcaZaznamov;
struct ZaznamZvierata;

/// Reads an exchange file into records for the receiver, checking each resource on its own:
/// its resourceType, the fields the program needs, their types, enumeration values, units and
/// dates that cannot be (in the future, negative amounts). What needs other resources or the
/// database to be checked (duplicates, references, a test before the birth) is the
/// receiver's to check once the whole file is read.
class CitanieVymeny {
public:
    /// `dnes` (a Julian day) is the latest day an event may fall on.
    CitanieVymeny(PrijemcaZaznamov& prijemca, int dnes);

    /// Throws OdmietnutySubor for a refused file, ChybaVymeny for one that cannot be read, and
    /// whatever the receiver or the progress throws.
    void citaj(const QString& cesta, const CitacZbierok::Priebeh& priebeh = {});

    /// Collections of the file the program does not read.
    const QStringList& nepouziteZbierky() const { return m_nepouzite; }

private:
    void clen(const CitacZbierok::Clen& clen);

    void lokalita(const PoleVymeny& clen);
    void zviera(const PoleVymeny& clen);
    void narodenie(const PoleVymeny& clen);
    void prichod(const PoleVymeny& clen);
    void odchod(const PoleVymeny& clen, bool uhyn);
    void otelenie(const PoleVymeny& clen);
    void zasusenie(const PoleVymeny& clen);
    void kontrola(const PoleVymeny& clen);
    void laktacia(const PoleVymeny& clen);
    void hodnoty(const PoleVymeny& clen);

    void rozsirenieZvierata(const PoleVymeny& rozsirenie, ZaznamZvierata& z) const;
    int datumUdalosti(const PoleVymeny& pole) const;
    int datumNie(const PoleVymeny& pole) const;

    PrijemcaZaznamov& m_prijemca;
    int m_dnes;
    QString m_zbierka;
    const KodyVymeny::PopisZbierky* m_popis = nullptr;
    QStringList m_nepouzite;
};
