#include "DBEdit.h"

DBEdit::DBEdit(QWidget* parent)
    : QLineEdit(parent)
    , m_field(FieldLink::Follows::CurrentRow, [this] { showCurrentValue(); }) {
    setReadOnly(true);
}

void DBEdit::setDataSource(Dataset* dataset, const QString& fieldName) {
    m_field.bind(dataset, fieldName);
}

void DBEdit::showCurrentValue() {
    setText(m_field.currentText());
    // A long text is read from its beginning.
    setCursorPosition(0);
}
