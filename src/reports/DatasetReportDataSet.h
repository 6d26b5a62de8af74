#pragma once

#include "engine/model/ReportDataSet.h"

class Dataset;

/// Publishes a dataset of the data layer to the report engine: the engine reads its rows by
/// index, and its own open, close and current-row calls reach the dataset, so a run that opens
/// a closed query leaves it closed again.
class DatasetReportDataSet : public ReportDataSet {
public:
    explicit DatasetReportDataSet(Dataset& dataset);

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
    Dataset& m_dataset;
};
