#pragma once

#include <QString>
#include <unordered_set>
#include <vector>

/// Whether a file's test days certainly hold no cow twice on one day, as far as reading them in
/// their order tells: when each cow's test days come together (as exports write them, in
/// whatever order of the cows), only the current cow's days need remembering, and of the cows
/// before her only that they have been. Test days of a cow that come back after another cow's
/// leave the question open for the check over the whole file.
class ZoradeneKontroly {
public:
    void kontrola(const QString& usneCislo, int datum);
    bool istoBezDuplicit() const { return m_istoBezDuplicit; }

private:
    QString m_krava;
    std::vector<int> m_dni;
    /// Hashes of the ear numbers, a few bytes per cow: two cows sharing one only send the file
    /// to the whole check, they never let a duplicate through.
    std::unordered_set<size_t> m_predosle;
    bool m_istoBezDuplicit = true;
};
