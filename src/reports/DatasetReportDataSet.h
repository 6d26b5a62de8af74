#pragma once

#include "engine/model/ReportDataSet.h"

#include <QHash>
#include <QMetaObject>

class Dataset;

/// Publishes a dataset of the data layer to the report engine: the engine reads its rows by
/// index, and its own open, close and current-row calls reach the dataset, so a run that opens
/// a closed query leaves it closed again.
class DatasetReportDataSet : public ReportDataSet {
public:
    explicit DatasetReportDataSet(Dataset& dataset);
    ~DatasetReportDataSet() override;
    DatasetReportDataSet(const DatasetReportDataSet&) = delete;
    DatasetReportDataSet& operator=(const DatasetReportDataSet&) = delete;

    bool isOpen() const override;
    void open() override;
    void close() override;
    QList<ReportField> fields() const override;
    int rowCount() const override;
    QVariant value(int row, const QString& field) const override;
    QString displayText(int row, const QString& field) const override;
    int currentRow() const override;
    void setCurrentRow(int row) override;

private:
    /// The column of a field; a layout asks for the same few names for every row.
    int column(const QString& field) const;

    Dataset& m_dataset;
    mutable QHash<QString, int> m_columns; ///< emptied whenever the dataset opens anew
    QMetaObject::Connection m_reopened;
};
