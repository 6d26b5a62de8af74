#pragma once

#include "ReportField.h"

#include <QList>
#include <QString>

/// A project's view of the data set published under a connection name, with the fields the
/// layout was designed against and, where the layout wants it, the order it reads the rows in.
class DataViewDefinition {
public:
    struct SortField {
        QString field;
        bool descending = false;
    };

    DataViewDefinition(const QString& name, const QString& connection);

    const QString& name() const { return m_name; }
    const QString& connection() const { return m_connection; }
    void setConnection(const QString& connection) { m_connection = connection; }

    const QList<ReportField>& fields() const { return m_fields; }
    void addField(const ReportField& field) { m_fields.append(field); }
    void setFields(const QList<ReportField>& fields) { m_fields = fields; }

    /// Empty: the rows in the data set's own order. Rows equal in every sort field keep it.
    const QList<SortField>& sort() const { return m_sort; }
    void setSort(const QList<SortField>& sort) { m_sort = sort; }
    /// "field [desc], ..." as the project file writes it.
    QString sortText() const;
    /// False for a text that is not a list of field names, each optionally followed by asc or
    /// desc.
    static bool parseSort(const QString& text, QList<SortField>& sort);

private:
    QString m_name;
    QString m_connection;
    QList<ReportField> m_fields;
    QList<SortField> m_sort;
};
