#pragma once

#include "DataViewDefinition.h"
#include "ReportDataSet.h"

#include <vector>

/// The rows of an open data set in the order of a data view's sort fields: a stable sort, so
/// that rows equal in every sort field keep the set's own order. Empty values come first, as
/// databases sort them. Everything else is the set's; the order is taken when constructed.
class SortedDataSet : public ReportDataSet {
public:
    /// Throws ReportError when the set lacks a sort field.
    SortedDataSet(ReportDataSet& set, const QString& view,
                  const QList<DataViewDefinition::SortField>& sort);

    bool isOpen() const override { return m_set.isOpen(); }
    void open() override { m_set.open(); }
    void close() override { m_set.close(); }
    QList<ReportField> fields() const override { return m_set.fields(); }
    int rowCount() const override { return static_cast<int>(m_order.size()); }
    QVariant value(int row, const QString& field) const override;
    QString displayText(int row, const QString& field) const override;
    int currentRow() const override;
    void setCurrentRow(int row) override;

private:
    ReportDataSet& m_set;
    std::vector<int> m_order; ///< the set's row at each sorted position
};
