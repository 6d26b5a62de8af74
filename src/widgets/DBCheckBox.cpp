#include "DBCheckBox.h"

DBCheckBox::DBCheckBox(const QString& text, QWidget* parent)
    : QCheckBox(text, parent)
    , m_field(FieldLink::Follows::CurrentRow, [this] { showCurrentValue(); }) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void DBCheckBox::setDataSource(Dataset* dataset, const QString& fieldName) {
    m_field.bind(dataset, fieldName);
}

void DBCheckBox::showCurrentValue() {
    setChecked(m_field.currentValue().toString() == QLatin1String("1"));
}
