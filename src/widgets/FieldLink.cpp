#include "FieldLink.h"

FieldLink::FieldLink(Follows follows, std::function<void()> show)
    : m_follows(follows)
    , m_show(std::move(show)) {}

void FieldLink::bind(Dataset* dataset, const QString& fieldName) {
    if (m_dataset)
        disconnect(m_dataset, nullptr, this, nullptr);
    m_dataset = dataset;
    m_fieldName = fieldName;
    if (dataset) {
        if (m_follows == Follows::CurrentRow)
            connect(dataset, &Dataset::currentRowChanged, this, [this] { m_show(); });
        else
            connect(dataset, &Dataset::opened, this, [this] { m_show(); });
        connect(dataset, &Dataset::closed, this, [this] { m_show(); });
    }
    m_show();
}

int FieldLink::column() const {
    return m_dataset && m_dataset->isOpen() ? m_dataset->fieldIndex(m_fieldName) : -1;
}

QVariant FieldLink::currentValue() const {
    const int field = column();
    return field >= 0 ? m_dataset->value(m_dataset->currentRow(), field) : QVariant();
}

QString FieldLink::currentText() const {
    const int field = column();
    return field >= 0 ? m_dataset->displayText(m_dataset->currentRow(), field) : QString();
}
