#include "RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

RadioGroup::RadioGroup(const QString& title, const QStringList& items, int columns, QWidget* parent)
    : QGroupBox(title, parent)
    , m_buttons(new QButtonGroup(this)) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 4, 8, 4);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        m_buttons->addButton(button, i);
        grid->addWidget(button, i / columns, i % columns);
    }
    connect(m_buttons, &QButtonGroup::idClicked, this, &RadioGroup::clicked);
}

int RadioGroup::itemIndex() const {
    return m_buttons->checkedId();
}

void RadioGroup::setItemIndex(int index) {
    if (QAbstractButton* button = m_buttons->button(index))
        button->setChecked(true);
}

int RadioGroup::itemCount() const {
    return int(m_buttons->buttons().size());
}
