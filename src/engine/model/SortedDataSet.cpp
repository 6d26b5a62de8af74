#include "SortedDataSet.h"

#include "ReportError.h"

#include <algorithm>
#include <numeric>

using namespace Qt::Literals::StringLiterals;

namespace {

// -1, 0 or 1; null before everything, numbers by value, the rest as text.
int compareValues(const QVariant& a, const QVariant& b) {
    if (a.isNull() || b.isNull())
        return int(b.isNull()) - int(a.isNull());
    bool aNumber = false;
    bool bNumber = false;
    const double x = a.toDouble(&aNumber);
    const double y = b.toDouble(&bNumber);
    if (aNumber && bNumber && a.typeId() != QMetaType::QString)
        return x < y ? -1 : (x > y ? 1 : 0);
    const int text = a.toString().compare(b.toString());
    return text < 0 ? -1 : (text > 0 ? 1 : 0);
}

} // namespace

SortedDataSet::SortedDataSet(ReportDataSet& set, const QString& view,
                             const QList<DataViewDefinition::SortField>& sort)
    : m_set(set)
    , m_order(static_cast<std::size_t>(set.rowCount())) {
    const QList<ReportField> fields = set.fields();
    for (const DataViewDefinition::SortField& key : sort)
        if (std::none_of(fields.begin(), fields.end(),
                         [&](const ReportField& f) { return f.name == key.field; }))
            throw ReportError(
                u"Dátový pohľad „%1“ triedi podľa poľa „%2“, ktoré jeho dáta nemajú."_s.arg(
                    view, key.field));
    std::iota(m_order.begin(), m_order.end(), 0);
    std::stable_sort(m_order.begin(), m_order.end(), [&](int a, int b) {
        for (const DataViewDefinition::SortField& key : sort) {
            const int order = compareValues(set.value(a, key.field), set.value(b, key.field));
            if (order != 0)
                return key.descending ? order > 0 : order < 0;
        }
        return false;
    });
}

QVariant SortedDataSet::value(int row, const QString& field) const {
    return m_set.value(m_order[static_cast<std::size_t>(row)], field);
}

QString SortedDataSet::displayText(int row, const QString& field) const {
    return m_set.displayText(m_order[static_cast<std::size_t>(row)], field);
}

int SortedDataSet::currentRow() const {
    const auto found = std::find(m_order.begin(), m_order.end(), m_set.currentRow());
    return found == m_order.end() ? -1 : static_cast<int>(found - m_order.begin());
}

void SortedDataSet::setCurrentRow(int row) {
    m_set.setCurrentRow(row < 0 ? row : m_order[static_cast<std::size_t>(row)]);
}
