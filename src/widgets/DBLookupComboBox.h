#pragma once

#include "FieldLink.h"

#include <QComboBox>

/// A combo box listing the rows of a list dataset: each item shows one field and carries the
/// row's key. Bound to a field of another dataset, it shows the item whose key equals that
/// field in the current row (no item when none does); what the user picks there is not written
/// back. Unbound, it is a plain list with a selected key.
class DBLookupComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit DBLookupComboBox(QWidget* parent = nullptr);

    /// The items come from the rows of the list dataset whenever it opens; none while closed.
    void setListSource(Dataset* list, const QString& keyField, const QString& listField);
    /// Binds the box to a field of a dataset's current row; nullptr unbinds it.
    void setDataSource(Dataset* dataset, const QString& dataField);

    /// The key of the selected item; null when nothing is selected.
    QVariant selectedKey() const { return currentData(); }
    /// Selects the item with this key, or nothing when no item has it; the key is selected
    /// again whenever the list is refilled.
    void setSelectedKey(const QVariant& key);

private:
    void fillItems();
    void showBoundValue();

    FieldLink m_list; ///< bound to the key field of the list
    QString m_listField;
    FieldLink m_data;
    QVariant m_keptKey;
};
