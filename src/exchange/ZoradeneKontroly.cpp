#include "ZoradeneKontroly.h"

#include <algorithm>

void ZoradeneKontroly::kontrola(const QString& usneCislo, int datum) {
    if (!m_istoBezDuplicit)
        return;
    if (usneCislo != m_krava) {
        // A cow that comes before the last one may have come already.
        if (QString::compare(usneCislo, m_krava) < 0) {
            m_istoBezDuplicit = false;
            return;
        }
        m_krava = usneCislo;
        m_dni.clear();
    }
    if (std::find(m_dni.begin(), m_dni.end(), datum) != m_dni.end())
        m_istoBezDuplicit = false;
    else
        m_dni.push_back(datum);
}
