#pragma once

#include "ZaznamyVymeny.h"

#include <QMap>
#include <QString>
#include <QStringList>

/// What an exchange file holds, counted as it is read, for the user to see before the import:
/// its enterprises, herds and barns, the numbers of animals, events, test days and lactations,
/// and the period its events cover.
class PrehladSuboru : public PrijemcaZaznamov {
public:
    void lokalita(const ZaznamLokality& z) override;
    void zviera(const ZaznamZvierata& z) override;
    void narodenie(const ZaznamNarodenia& z) override;
    void prichod(const ZaznamPrichodu& z) override;
    void odchod(const ZaznamOdchodu& z) override;
    void otelenie(const ZaznamOtelenia& z) override;
    void zasusenie(const ZaznamZasusenia& z) override;
    void kontrola(const ZaznamKontroly& z) override;
    void laktacia(const ZaznamLaktacie& z) override;
    void hodnoty(const ZaznamHodnot& z) override;

    /// The collections the program does not read, as the reading found them.
    void nastavNepouzite(const QStringList& zbierky) { m_nepouzite = zbierky; }

    /// Codes and names of the file's enterprises (6 digits), herds (8) and barns (9).
    const QMap<QString, QString>& lokality() const { return m_lokality; }
    qint64 zvierat() const { return m_zvierat; }
    qint64 kontrol() const { return m_kontrol; }
    qint64 laktacii() const { return m_laktacii; }
    qint64 pocetOteleni() const { return m_otelenia; }
    /// The first and last day of its events (Julian days); 0 without events.
    int od() const { return m_od; }
    int po() const { return m_po; }

    /// The overview in words, one line for each item.
    QString text() const;

private:
    void udalost(int datum);

    QMap<QString, QString> m_lokality;
    qint64 m_zvierat = 0;
    qint64 m_kravy = 0;
    qint64 m_jalovice = 0;
    qint64 m_byky = 0;
    qint64 m_narodenia = 0;
    qint64 m_prichody = 0;
    qint64 m_vyradenia = 0;
    qint64 m_otelenia = 0;
    qint64 m_zasusenia = 0;
    qint64 m_kontrol = 0;
    qint64 m_laktacii = 0;
    qint64 m_hodnoty = 0;
    int m_od = 0;
    int m_po = 0;
    QStringList m_nepouzite;
};
