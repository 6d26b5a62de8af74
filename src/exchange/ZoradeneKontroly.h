#pragma once

#include <QString>
#include <vector>

/// Whether a file's test days certainly hold no cow twice on one day, as far as reading them in
/// their order tells: when each cow's test days come together and in the order of the cows' ear
/// numbers (as exports write them), a cow's test days are all seen before the next cow's, and
/// her days alone need remembering. Test days in another order leave the question open for the
/// check over the whole file. Memory stays that of one cow's test days.
class ZoradeneKontroly {
public:
    void kontrola(const QString& usneCislo, int datum);
    bool istoBezDuplicit() const { return m_istoBezDuplicit; }

private:
    QString m_krava;
    std::vector<int> m_dni;
    bool m_istoBezDuplicit = true;
};
