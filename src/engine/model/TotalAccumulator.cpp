#include "TotalAccumulator.h"

#include <algorithm>

TotalAccumulator::TotalAccumulator(TotalComponent::Function function)
    : m_function(function) {}

void TotalAccumulator::add(const QVariant& value) {
    if (value.isNull())
        return;
    const double number = value.toDouble();
    m_min = m_count == 0 ? number : std::min(m_min, number);
    m_max = m_count == 0 ? number : std::max(m_max, number);
    m_sum += number;
    ++m_count;
}

void TotalAccumulator::reset() {
    m_count = 0;
    m_sum = m_min = m_max = 0;
}

QVariant TotalAccumulator::result() const {
    switch (m_function) {
    case TotalComponent::Function::Sum:
        return m_sum;
    case TotalComponent::Function::Count:
        return m_count;
    case TotalComponent::Function::Average:
        return m_count ? QVariant(m_sum / m_count) : QVariant();
    case TotalComponent::Function::Min:
        return m_count ? QVariant(m_min) : QVariant();
    case TotalComponent::Function::Max:
        return m_count ? QVariant(m_max) : QVariant();
    }
    return {};
}
