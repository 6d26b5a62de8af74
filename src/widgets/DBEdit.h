#pragma once

#include "FieldLink.h"

#include <QLineEdit>

/// A read-only edit box showing one field of a dataset's current row in the field's display
/// format; empty while the dataset is closed, empty or lacks the field.
class DBEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit DBEdit(QWidget* parent = nullptr);

    void setDataSource(Dataset* dataset, const QString& fieldName);
    Dataset* dataset() const { return m_field.dataset(); }
    const QString& fieldName() const { return m_field.fieldName(); }

private:
    void showCurrentValue();

    FieldLink m_field;
};
