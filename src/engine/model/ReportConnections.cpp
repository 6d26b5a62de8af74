#include "ReportConnections.h"

void ReportConnections::publish(const QString& connectionName, ReportDataSet* dataSet) {
    if (dataSet)
        m_dataSets.insert(connectionName, dataSet);
    else
        m_dataSets.remove(connectionName);
}

ReportDataSet* ReportConnections::find(const QString& connectionName) const {
    return m_dataSets.value(connectionName);
}
