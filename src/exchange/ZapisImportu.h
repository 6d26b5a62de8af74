#pragma once

#include "SuhrnImportu.h"

#include <QString>
#include <QStringList>
#include <functional>

class Connection;

/// Every write of an import, in one place: from the checked records of the file in the session's
/// temporary tables into the herd's tables, then the lactations and cow summaries derived anew
/// (LaktacieImportu), the selection of a database that had none, and the count of what changed.
/// What the file does not state keeps its value in the database: a file adds and updates, it
/// does not clear.
///
/// Runs inside the caller's transaction, which makes it all or nothing; the temporary tables it
/// needs are created beforehand (priprav), since creating tables ends a transaction on some
/// servers.
class ZapisImportu {
public:
    using Krok = std::function<void(const QString& popis)>;

    explicit ZapisImportu(Connection& connection);

    /// Before the transaction.
    void priprav();
    /// `krok` hears of each step before it runs and may throw to stop the import.
    SuhrnImportu zapis(const Krok& krok);

private:
    QString odtlacokTabulky(const QString& tabulka, const QString& alias,
                            const QStringList& vynechane = {});
    void snimka();
    SuhrnImportu pocty();
    void lokality();
    void zvierata();
    void roly();
    void hodnoty();
    void kontroly();
    void laktacie();
    void parametre();

    Connection& m_connection;
    /// Test days of the file's animals in the database before the import.
    qint64 m_kontrolyPred = 0;
    qint64 m_pridaneKontroly = 0;
    qint64 m_zmeneneKontroly = 0;
};
