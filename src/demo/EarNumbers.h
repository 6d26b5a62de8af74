#pragma once

#include <QString>
#include <QtGlobal>

class DemoRandom;

/// Hands out ear numbers, "SK" and twelve digits, unique and rising in the order they are asked
/// for: animals born in the enterprise get the district's prefix 208 and a running number, those
/// from outside numbers of another range.
class EarNumbers {
public:
    explicit EarNumbers(quint64 seed);

    QString next(bool bornInEnterprise, DemoRandom& random);

private:
    qint64 m_own;
    qint64 m_outside;
};
