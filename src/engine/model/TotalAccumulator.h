#pragma once

#include "TotalComponent.h"

#include <QVariant>

/// Accumulates the values one total has seen since its last reset. Null values are skipped,
/// so a count over a field counts the rows where the field has a value.
class TotalAccumulator {
public:
    explicit TotalAccumulator(TotalComponent::Function function);

    void add(const QVariant& value);
    void reset();
    /// Null when nothing was added, except for sums and counts, which are then 0.
    QVariant result() const;

private:
    TotalComponent::Function m_function;
    int m_count = 0;
    double m_sum = 0;
    double m_min = 0;
    double m_max = 0;
};
