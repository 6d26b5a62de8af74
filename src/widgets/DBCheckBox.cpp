#include "DBCheckBox.h"

#include "data/Dataset.h"

DBCheckBox::DBCheckBox(const QString& text, QWidget* parent)
    : QCheckBox(text, parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void DBCheckBox::setDataSource(Dataset* dataset, const QString& fieldName) {
    if (m_dataset)
        disconnect(m_dataset, nullptr, this, nullptr);
    m_dataset = dataset;
    m_fieldName = fieldName;
    if (dataset) {
        connect(dataset, &Dataset::currentRowChanged, this, &DBCheckBox::showCurrentValue);
        connect(dataset, &Dataset::closed, this, &DBCheckBox::showCurrentValue);
    }
    showCurrentValue();
}

void DBCheckBox::showCurrentValue() {
    const int field = m_dataset && m_dataset->isOpen() ? m_dataset->fieldIndex(m_fieldName) : -1;
    setChecked(field >= 0 &&
               m_dataset->value(m_dataset->currentRow(), field).toString() == QLatin1String("1"));
}
