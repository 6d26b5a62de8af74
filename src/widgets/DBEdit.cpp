#include "DBEdit.h"

#include "data/Dataset.h"

DBEdit::DBEdit(QWidget* parent)
    : QLineEdit(parent) {
    setReadOnly(true);
}

void DBEdit::setDataSource(Dataset* dataset, const QString& fieldName) {
    if (m_dataset)
        disconnect(m_dataset, nullptr, this, nullptr);
    m_dataset = dataset;
    m_fieldName = fieldName;
    if (dataset) {
        connect(dataset, &Dataset::currentRowChanged, this, &DBEdit::showCurrentValue);
        connect(dataset, &Dataset::closed, this, &DBEdit::showCurrentValue);
    }
    showCurrentValue();
}

void DBEdit::showCurrentValue() {
    const int field = m_dataset && m_dataset->isOpen() ? m_dataset->fieldIndex(m_fieldName) : -1;
    setText(field >= 0 ? m_dataset->displayText(m_dataset->currentRow(), field) : QString());
    // A long text is read from its beginning.
    setCursorPosition(0);
}
