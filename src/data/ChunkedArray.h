#pragma once

#include <cstddef>
#include <memory>
#include <vector>

/// An append-only array kept in chunks of fixed size: growing it never copies what it holds, so
/// reading a large result needs no more memory than the result itself.
template <typename T> class ChunkedArray {
public:
    void append(T value) {
        if (m_used == chunkSize) {
            m_chunks.push_back(std::make_unique_for_overwrite<T[]>(chunkSize));
            m_used = 0;
        }
        m_chunks.back()[m_used++] = value;
    }

    T operator[](std::size_t index) const { return m_chunks[index / chunkSize][index % chunkSize]; }

    std::size_t size() const {
        return m_chunks.empty() ? 0 : (m_chunks.size() - 1) * chunkSize + m_used;
    }

private:
    static constexpr std::size_t chunkSize = 16384;

    std::vector<std::unique_ptr<T[]>> m_chunks;
    std::size_t m_used = chunkSize;
};
