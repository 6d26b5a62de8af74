#pragma once

#include "ReportDataSet.h"

#include <QVariantList>

/// A data set held in memory, for rows a program makes itself (a table of contents) and for
/// tests; counts how often it was opened.
class MemoryDataSet : public ReportDataSet {
public:
    MemoryDataSet(QList<ReportField> fields, QList<QVariantList> rows, bool open = false);

    bool isOpen() const override { return m_open; }
    void open() override;
    void close() override;
    QList<ReportField> fields() const override { return m_fields; }
    int rowCount() const override { return m_open ? static_cast<int>(m_rows.size()) : 0; }
    QVariant value(int row, const QString& field) const override;
    /// Float fields with two decimals and dates in the short format, as display formats would.
    QString displayText(int row, const QString& field) const override;
    int currentRow() const override { return m_current; }
    void setCurrentRow(int row) override { m_current = row; }

    int openings() const { return m_openings; }

private:
    QList<ReportField> m_fields;
    QList<QVariantList> m_rows;
    bool m_open;
    int m_current = -1;
    int m_openings = 0;
};
