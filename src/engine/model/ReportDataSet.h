#pragma once

#include "ReportField.h"

#include <QList>
#include <QVariant>

/// A data set published to the report engine under a connection name. The data layer adapts
/// its datasets to this; the engine reads rows by index and never moves the cursor itself, but
/// saves and restores the current row around a run for sets whose readers share that cursor.
class ReportDataSet {
public:
    virtual ~ReportDataSet() = default;

    virtual bool isOpen() const = 0;
    /// Throws an exception carrying a message text when the set cannot be opened.
    virtual void open() = 0;
    virtual void close() = 0;

    /// The fields of the open set, in their order.
    virtual QList<ReportField> fields() const = 0;
    virtual int rowCount() const = 0;
    /// The raw value; null for an unknown field.
    virtual QVariant value(int row, const QString& field) const = 0;
    /// The value as the field's display format shows it.
    virtual QString displayText(int row, const QString& field) const = 0;

    /// The current record, -1 when there is none.
    virtual int currentRow() const = 0;
    virtual void setCurrentRow(int row) = 0;
};
