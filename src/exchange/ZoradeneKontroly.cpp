#include "ZoradeneKontroly.h"

#include <QHash>
#include <algorithm>

void ZoradeneKontroly::kontrola(const QString& usneCislo, int datum) {
    if (!m_istoBezDuplicit)
        return;
    if (usneCislo != m_krava) {
        if (!m_predosle.insert(qHash(usneCislo, 0)).second) {
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
