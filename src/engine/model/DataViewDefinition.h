#pragma once

#include "ReportField.h"

#include <QList>
#include <QString>

/// A project's view of the data set published under a connection name, with the fields the
/// layout was designed against.
class DataViewDefinition {
public:
    DataViewDefinition(const QString& name, const QString& connection);

    const QString& name() const { return m_name; }
    const QString& connection() const { return m_connection; }
    void setConnection(const QString& connection) { m_connection = connection; }

    const QList<ReportField>& fields() const { return m_fields; }
    void addField(const ReportField& field) { m_fields.append(field); }
    void setFields(const QList<ReportField>& fields) { m_fields = fields; }

private:
    QString m_name;
    QString m_connection;
    QList<ReportField> m_fields;
};
