#include "DBLookupComboBox.h"

#include <QSignalBlocker>

DBLookupComboBox::DBLookupComboBox(QWidget* parent)
    : QComboBox(parent)
    , m_list(FieldLink::Follows::AllRows, [this] { fillItems(); })
    , m_data(FieldLink::Follows::CurrentRow, [this] { showBoundValue(); }) {}

void DBLookupComboBox::setListSource(Dataset* list, const QString& keyField,
                                     const QString& listField) {
    m_listField = listField;
    m_list.bind(list, keyField);
}

void DBLookupComboBox::setDataSource(Dataset* dataset, const QString& dataField) {
    m_data.bind(dataset, dataField);
}

void DBLookupComboBox::setSelectedKey(const QVariant& key) {
    m_keptKey = key;
    setCurrentIndex(key.isNull() ? -1 : findData(key));
}

void DBLookupComboBox::fillItems() {
    // The key survives a list that closes and opens again; while it is closed there is no item
    // that could tell it.
    if (count() > 0)
        m_keptKey = selectedKey();
    {
        // Refilling is no choice of the user's; the selection is restored below.
        const QSignalBlocker quiet(this);
        clear();
        Dataset* list = m_list.dataset();
        if (list && list->isOpen()) {
            const int key = m_list.column();
            const int shown = list->fieldIndex(m_listField);
            if (key < 0 || shown < 0)
                qWarning("%s: the list lacks the field %s or %s", qPrintable(objectName()),
                         qPrintable(m_list.fieldName()), qPrintable(m_listField));
            for (int row = 0; key >= 0 && shown >= 0 && row < list->recordCount(); ++row)
                addItem(list->displayText(row, shown), list->value(row, key));
        }
        setCurrentIndex(-1);
    }
    if (m_data.dataset())
        showBoundValue();
    else
        setSelectedKey(m_keptKey);
}

void DBLookupComboBox::showBoundValue() {
    setSelectedKey(m_data.currentValue());
}
