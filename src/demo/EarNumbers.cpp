#include "EarNumbers.h"

#include "DemoRandom.h"

using namespace Qt::Literals::StringLiterals;

EarNumbers::EarNumbers(quint64 seed)
    : m_own(208000000000LL + 100000000LL + qint64(seed % 997) * 10000)
    , m_outside(400000000000LL + qint64(seed % 991) * 100000) {}

QString EarNumbers::next(bool bornInEnterprise, DemoRandom& random) {
    // Gaps: numbers of calves that died or were sold before they were registered here.
    qint64& counter = bornInEnterprise ? m_own : m_outside;
    counter += 1 + random.uniformInt(0, 2);
    return u"SK"_s + QString::number(counter);
}
