#include "TextPool.h"

#include "DatabaseError.h"

#include <functional>
#include <limits>

using namespace Qt::Literals::StringLiterals;

quint32 TextPool::add(std::string_view text) {
    // Rows often come ordered, so that a text repeats the previous row's.
    if (!m_ends.empty() && this->text(m_last) == text)
        return m_last;
    if ((m_ends.size() + 1) * 2 > m_slots.size())
        grow();
    const std::size_t slot = slotOf(text);
    if (m_slots[slot] != 0)
        return m_last = m_slots[slot] - 1;
    if (m_bytes.size() + text.size() > std::numeric_limits<quint32>::max())
        throw DatabaseError(
            u"Výsledok dotazu je príliš veľký: texty jedného stĺpca presahujú 4 GB."_s);
    m_bytes.append(text);
    m_ends.push_back(quint32(m_bytes.size()));
    m_last = quint32(m_ends.size() - 1);
    m_slots[slot] = m_last + 1;
    return m_last;
}

std::size_t TextPool::slotOf(std::string_view text) const {
    const std::size_t mask = m_slots.size() - 1;
    std::size_t slot = std::hash<std::string_view>{}(text)&mask;
    while (m_slots[slot] != 0 && this->text(m_slots[slot] - 1) != text)
        slot = (slot + 1) & mask;
    return slot;
}

void TextPool::grow() {
    m_slots.assign(std::max<std::size_t>(64, m_slots.size() * 2), 0);
    for (quint32 number = 0; number < m_ends.size(); ++number)
        m_slots[slotOf(text(number))] = number + 1;
}
