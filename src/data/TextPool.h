#pragma once

#include <QtGlobal>
#include <string>
#include <string_view>
#include <vector>

/// The texts of one result column, each distinct text kept once, as the server sent it (UTF-8).
/// A column repeats few texts (a herd's code, a cow's number over all her controls), so that a
/// cell costs the four bytes of its text's number.
class TextPool {
public:
    /// The number of the text, adding it when it is new. Throws DatabaseError when the column's
    /// texts outgrow what a number can address.
    quint32 add(std::string_view text);
    std::string_view text(quint32 number) const {
        const quint32 start = number == 0 ? 0 : m_ends[number - 1];
        return {m_bytes.data() + start, m_ends[number] - start};
    }

private:
    std::size_t slotOf(std::string_view text) const;
    void grow();

    std::string m_bytes;
    std::vector<quint32> m_ends;
    /// Open addressing by the text's hash; a slot holds the number + 1, 0 when empty.
    std::vector<quint32> m_slots;
    quint32 m_last = 0;
};
