#include "DBRadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

DBRadioGroup::DBRadioGroup(const QString& title, const QList<Item>& items, int columns,
                           QWidget* parent)
    : QGroupBox(title, parent)
    , m_items(items)
    , m_buttons(new QButtonGroup(this))
    , m_field(FieldLink::Follows::CurrentRow, [this] { showCurrentValue(); }) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 2, 6, 2);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i].caption, this);
        button->setAttribute(Qt::WA_TransparentForMouseEvents);
        button->setFocusPolicy(Qt::NoFocus);
        m_buttons->addButton(button, i);
        grid->addWidget(button, i / columns, i % columns);
    }
}

void DBRadioGroup::setDataSource(Dataset* dataset, const QString& fieldName) {
    m_field.bind(dataset, fieldName);
}

int DBRadioGroup::itemIndex() const {
    return m_buttons->checkedId();
}

void DBRadioGroup::showCurrentValue() {
    const bool readable = m_field.column() >= 0;
    const QString value = m_field.currentValue().toString();
    int on = -1;
    for (int i = 0; i < m_items.size() && readable; ++i)
        if (m_items[i].value == value)
            on = i;
    // An exclusive group cannot clear its last button, so it is released for the moment.
    m_buttons->setExclusive(false);
    for (QAbstractButton* button : m_buttons->buttons())
        button->setChecked(m_buttons->id(button) == on);
    m_buttons->setExclusive(true);
}
