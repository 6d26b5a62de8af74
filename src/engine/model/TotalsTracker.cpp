#include "TotalsTracker.h"

#include "ReportDataSet.h"

void TotalsTracker::track(const TotalComponent& total) {
    m_accumulators.emplace(&total, TotalAccumulator(total.function()));
}

void TotalsTracker::feed(const QString& dataView, const ReportDataSet& dataSet, int row) {
    for (auto& [total, accumulator] : m_accumulators) {
        if (total->dataView() != dataView)
            continue;
        // A count without a field counts rows.
        accumulator.add(total->field().isEmpty() ? QVariant(1)
                                                 : dataSet.value(row, total->field()));
    }
}

void TotalsTracker::resetPageTotals() {
    for (auto& [total, accumulator] : m_accumulators)
        if (total->reset() == TotalComponent::Reset::Page)
            accumulator.reset();
}

void TotalsTracker::reset(const std::vector<const TotalComponent*>& totals) {
    for (const TotalComponent* total : totals)
        m_accumulators.at(total).reset();
}

QVariant TotalsTracker::result(const TotalComponent& total) const {
    const auto it = m_accumulators.find(&total);
    return it == m_accumulators.end() ? QVariant() : it->second.result();
}
