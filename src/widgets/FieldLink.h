#pragma once

#include "data/Dataset.h"

#include <QObject>
#include <QPointer>
#include <functional>

/// Ties a control to one field of a dataset, so that the control shows the field again whenever
/// it may have changed: a control of the current row (an edit box, a check box) when the row
/// moves or the dataset closes, a control of all rows (a chart, a list) when the dataset opens
/// or closes. The control says only how it shows the field.
class FieldLink : public QObject {
    Q_OBJECT
public:
    enum class Follows { CurrentRow, AllRows };

    FieldLink(Follows follows, std::function<void()> show);

    /// Binds to the field of a dataset (nullptr unbinds) and shows it at once.
    void bind(Dataset* dataset, const QString& fieldName);
    Dataset* dataset() const { return m_dataset; }
    const QString& fieldName() const { return m_fieldName; }

    /// The field's column while the dataset is open and has it, else -1.
    int column() const;
    /// The field in the current row; null when there is no such value.
    QVariant currentValue() const;
    /// The same in the field's display format; empty when there is no value.
    QString currentText() const;

private:
    Follows m_follows;
    std::function<void()> m_show;
    QPointer<Dataset> m_dataset;
    QString m_fieldName;
};
