#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

/// A group of radio buttons in columns of which the user turns one on: a choice among a few
/// fixed items, read as the index of the item that is on.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& title, const QStringList& items, int columns,
               QWidget* parent = nullptr);

    /// The index of the item that is on, -1 when none is.
    int itemIndex() const;
    void setItemIndex(int index);
    int itemCount() const;

Q_SIGNALS:
    /// The user turned an item on.
    void clicked(int index);

private:
    QButtonGroup* m_buttons;
};
