#include "DBLookupComboBox.h"

#include "data/Dataset.h"

#include <QSignalBlocker>

DBLookupComboBox::DBLookupComboBox(QWidget* parent)
    : QComboBox(parent) {}

void DBLookupComboBox::setListSource(Dataset* list, const QString& keyField,
                                     const QString& listField) {
    if (m_list)
        disconnect(m_list, nullptr, this, nullptr);
    m_list = list;
    m_keyField = keyField;
    m_listField = listField;
    if (list) {
        connect(list, &Dataset::opened, this, &DBLookupComboBox::fillItems);
        connect(list, &Dataset::closed, this, &DBLookupComboBox::fillItems);
    }
    fillItems();
}

void DBLookupComboBox::setDataSource(Dataset* dataset, const QString& dataField) {
    if (m_data)
        disconnect(m_data, nullptr, this, nullptr);
    m_data = dataset;
    m_dataField = dataField;
    if (dataset) {
        connect(dataset, &Dataset::currentRowChanged, this, &DBLookupComboBox::showBoundValue);
        connect(dataset, &Dataset::closed, this, &DBLookupComboBox::showBoundValue);
    }
    showBoundValue();
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
        if (m_list && m_list->isOpen()) {
            const int key = m_list->fieldIndex(m_keyField);
            const int shown = m_list->fieldIndex(m_listField);
            if (key < 0 || shown < 0)
                qWarning("%s: the list lacks the field %s or %s", qPrintable(objectName()),
                         qPrintable(m_keyField), qPrintable(m_listField));
            for (int row = 0; key >= 0 && shown >= 0 && row < m_list->recordCount(); ++row)
                addItem(m_list->displayText(row, shown), m_list->value(row, key));
        }
        setCurrentIndex(-1);
    }
    if (m_data)
        showBoundValue();
    else
        setSelectedKey(m_keptKey);
}

void DBLookupComboBox::showBoundValue() {
    const bool readable = m_data && m_data->isOpen() && m_data->currentRow() >= 0 &&
                          m_data->fieldIndex(m_dataField) >= 0;
    setSelectedKey(readable ? m_data->value(m_dataField) : QVariant());
}
