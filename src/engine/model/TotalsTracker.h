#pragma once

#include "TotalAccumulator.h"

#include <map>
#include <vector>

class ReportDataSet;

/// The accumulators of a report run's totals: fed with every printed row of their data view,
/// reset by scope.
class TotalsTracker {
public:
    void track(const TotalComponent& total);
    void feed(const QString& dataView, const ReportDataSet& dataSet, int row);
    void resetPageTotals();
    void reset(const std::vector<const TotalComponent*>& totals);
    QVariant result(const TotalComponent& total) const;

private:
    std::map<const TotalComponent*, TotalAccumulator> m_accumulators;
};
