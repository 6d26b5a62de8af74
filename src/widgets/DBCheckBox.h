#pragma once

#include "FieldLink.h"

#include <QCheckBox>

/// A check box showing one field of a dataset's current row: ticked when the field reads "1",
/// clear otherwise. It only shows the value; a click does not change it.
class DBCheckBox : public QCheckBox {
    Q_OBJECT
public:
    DBCheckBox(const QString& text, QWidget* parent = nullptr);

    void setDataSource(Dataset* dataset, const QString& fieldName);

private:
    void showCurrentValue();

    FieldLink m_field;
};
