#pragma once

#include <QHash>
#include <QString>

class ReportDataSet;

/// The data sets published to the report engine, by connection name. Report layouts refer to
/// their data only through these names. The sets are not owned.
class ReportConnections {
public:
    void publish(const QString& connectionName, ReportDataSet* dataSet);
    /// Null when nothing is published under that name.
    ReportDataSet* find(const QString& connectionName) const;

private:
    QHash<QString, ReportDataSet*> m_dataSets;
};
