#pragma once

#include "ZaznamyVymeny.h"
#include "ZoradeneKontroly.h"

#include <QStringList>
#include <memory>

class BulkInsert;
class Connection;

/// The records of an exchange file held in the session's own temporary tables (vymena_*), one for
/// each kind, each row with its resource's index and line: the database's own tables are not
/// touched while the file is read, and the checks that need the whole file or the database run
/// over these tables. They vanish with the session, also when the program is killed.
class PrijateUdaje : public PrijemcaZaznamov {
public:
    /// Creates the tables anew on the connection.
    explicit PrijateUdaje(Connection& connection);
    ~PrijateUdaje() override;

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

    /// Sends the rows not sent yet; call once the file is read.
    void dokonci();
    /// Drops the tables; errors are passed over, since a lost session has dropped them already.
    void zahod();
    /// The file's test days came in an order that shows no cow twice on one day: the check over
    /// all of them is not needed.
    bool kontrolyBezDuplicit() const { return m_poradieKontrol.istoBezDuplicit(); }

    /// The temporary tables this class fills and the later steps add to, by name.
    static QStringList tabulky();
    /// Creates a temporary table of the session anew, for rows that need no transaction: the
    /// import's working tables.
    static void vytvorTabulku(Connection& connection, const QString& nazov,
                              const QString& definicia);

private:
    Connection& m_connection;
    std::unique_ptr<BulkInsert> m_lokality, m_zvierata, m_narodenia, m_prichody, m_odchody,
        m_otelenia, m_potomstvo, m_zasusenia, m_kontroly, m_laktacie, m_hodnoty;
    ZoradeneKontroly m_poradieKontrol;
};
