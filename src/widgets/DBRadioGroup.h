#pragma once

#include "FieldLink.h"

#include <QGroupBox>
#include <QList>

class QButtonGroup;

/// A group of radio buttons in columns showing one field of a dataset's current row: the button
/// whose value equals the field is on, none when no value matches. It only shows the value; a
/// click does not change it.
class DBRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    struct Item {
        QString caption;
        QString value;
    };

    DBRadioGroup(const QString& title, const QList<Item>& items, int columns,
                 QWidget* parent = nullptr);

    void setDataSource(Dataset* dataset, const QString& fieldName);
    /// The index of the button that is on, -1 when none is.
    int itemIndex() const;

private:
    void showCurrentValue();

    QList<Item> m_items;
    QButtonGroup* m_buttons;
    FieldLink m_field;
};
