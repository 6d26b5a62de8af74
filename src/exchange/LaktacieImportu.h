#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <vector>

class Connection;
struct KravaImportu;

/// The lactations of the cows an import touches (table vymena_kravy), derived by VypocetLaktacii
/// from what the database holds of each cow and what the file brings: her calvings (parturitions
/// and the lactations the file names), dry-offs, culling and test days, and the yields the file
/// states. A lactation already in the database keeps its yields unless a test day of it or its
/// end changed. Cows are read in batches, so that memory holds a batch whatever the herd's size.
///
/// Works inside the import's transaction, over its temporary tables; writes only temporary
/// tables (vymena_rozsahy, vymena_laktacie_vysledok, vymena_kravy_vysledok), which the import
/// then merges into the herd's tables.
class LaktacieImportu {
public:
    using Priebeh = std::function<void(qint64 hotovo, qint64 celkom)>;

    explicit LaktacieImportu(Connection& connection);
    ~LaktacieImportu();

    /// The columns of vymena_laktacie_vysledok that the herd's lactation tables have too, in the
    /// order of its rows after the cow and whether the lactation is current.
    static const QStringList& stlpceLaktacie();

    /// Creates the temporary tables the steps write; before the transaction.
    static void vytvorTabulky(Connection& connection);

    /// vymena_rozsahy: for each cow the days each lactation's test days fall on (from its calving
    /// to the next one) and the lactation's order. Calvings the file gives without an order
    /// follow the one before.
    void urciPoradia();
    /// vymena_laktacie_vysledok and vymena_kravy_vysledok: every lactation of each cow and her
    /// summary, once the test days and the culling are in the herd's tables.
    void vypocitaj(const Priebeh& priebeh = {});

private:
    /// Cows in batches of their ear numbers, first and last of each.
    std::vector<std::pair<QString, QString>> davky() const;
    /// Everything but the test days of a batch of cows, by their ids.
    std::map<int, KravaImportu> nacitaj(const QString& od, const QString& po);
    /// The test days of those cows of a batch.
    void nacitajKontroly(const std::vector<int>& idKrav, std::map<int, KravaImportu>& kravy);

    Connection& m_connection;
    std::map<QString, QString> m_ustajnenie;
};
