#pragma once

#include "data/Command.h"
#include "data/Query.h"
#include "engine/model/ReportConnections.h"
#include "engine/model/ReportProject.h"
#include "engine/model/ReportSystem.h"

#include <QObject>
#include <memory>
#include <vector>

class DatasetReportDataSet;

/// The report data module: the command through which every preparation statement goes, the
/// report header query and one query per report data set, each published to the report engine
/// under a connection name that the report layouts refer to.
class TDataModuleTabulky : public QObject {
    Q_OBJECT
public:
    explicit TDataModuleTabulky(Connection* connection, QObject* parent = nullptr);
    ~TDataModuleTabulky() override;

    struct PublishedDataSet {
        QString connectionName;
        Query* query;
        std::unique_ptr<DatasetReportDataSet> reportDataSet;
    };
    const std::vector<PublishedDataSet>& publishedDataSets() const { return m_published; }
    /// The program's connection, which every query and the command use.
    Connection* connection() const { return m_connection; }

    /// Shared by both projects; the program gives it the setup dialog, the report runner a file.
    ReportSystem RvSystemTabulky;
    ReportProject RvProjectTabulky;
    ReportProject RvProjectTabulky2;

    Command* ADOCommandParametre;
    Query* ADOQueryHlavicka;
    Query* ADOQueryTabulka1A;
    Query* ADOQueryTabulka1B;
    Query* ADOQueryTabulka1Bpriemer;
    Query* ADOQueryTabulka2;
    Query* ADOQueryTabulka4A;
    Query* ADOQueryTabulka5;
    Query* ADOQueryTabulka5kravy;
    Query* ADOQueryTabulka6A;
    Query* ADOQueryTabulka6AS;
    Query* ADOQueryTabulka6ASS;
    Query* ADOQueryTabulka7A;
    Query* ADOQueryTabulka7B;
    Query* ADOQueryTabulka7AA;
    Query* ADOQueryTabulka7BB;
    Query* ADOQueryTabulka8A;
    Query* ADOQuerytabulka8B;
    Query* ADOQueryTabulka9A;
    Query* ADOQueryTabulka9c;
    Query* ADOQueryTabulka9d;
    Query* ADOQueryTabulka10A;
    Query* ADOQueryTabulka10K;
    Query* ADOQueryTabulka10B;
    Query* ADOQueryTabulka11A;
    Query* ADOQueryTabulka12;
    Query* ADOQueryTabulka13;
    Query* ADOQueryTabulka15;
    Query* ADOQueryTabulka16;
    Query* ADOQueryTabulka17;
    Query* ADOQueryTabulka18;
    Query* ADOQueryTabulka18p;
    Query* ADOQueryTabulka19;
    Query* ADOQueryTabulka21;
    Query* ADOQueryTabulka22;
    Query* ADOQueryTabulka23Vemeno;
    Query* ADOQueryTabulka23Ketoza;
    Query* ADOQueryTabulka23Riziko;
    Query* ADOQueryTabulka23Mocovina;
    Query* ADOQueryTabulka23Krivky;

private:
    Query* query(const QString& name, const QString& publishedAs, const QStringList& sql);

    Connection* m_connection;
    std::vector<PublishedDataSet> m_published;
    ReportConnections m_reportConnections;
};
