#include "DBRadioGroup.h"

#include "data/Dataset.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

DBRadioGroup::DBRadioGroup(const QString& title, const QList<Item>& items, int columns,
                           QWidget* parent)
    : QGroupBox(title, parent)
    , m_items(items)
    , m_buttons(new QButtonGroup(this)) {
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
    if (m_dataset)
        disconnect(m_dataset, nullptr, this, nullptr);
    m_dataset = dataset;
    m_fieldName = fieldName;
    if (dataset) {
        connect(dataset, &Dataset::currentRowChanged, this, &DBRadioGroup::showCurrentValue);
        connect(dataset, &Dataset::closed, this, &DBRadioGroup::showCurrentValue);
    }
    showCurrentValue();
}

int DBRadioGroup::itemIndex() const {
    return m_buttons->checkedId();
}

void DBRadioGroup::showCurrentValue() {
    const int field = m_dataset && m_dataset->isOpen() ? m_dataset->fieldIndex(m_fieldName) : -1;
    const QString value =
        field >= 0 ? m_dataset->value(m_dataset->currentRow(), field).toString() : QString();
    int on = -1;
    for (int i = 0; i < m_items.size() && field >= 0; ++i)
        if (m_items[i].value == value)
            on = i;
    // An exclusive group cannot clear its last button, so it is released for the moment.
    m_buttons->setExclusive(false);
    for (QAbstractButton* button : m_buttons->buttons())
        button->setChecked(m_buttons->id(button) == on);
    m_buttons->setExclusive(true);
}
