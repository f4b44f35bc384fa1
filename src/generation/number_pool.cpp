#include "generation/number_pool.h"

#include <cstddef>

namespace kw {

void NumberPool::reset()
{
    m_entries.fill(0);
    m_length = 0;
    PoolEnd = -1;
}

bool NumberPool::append(int n)
{
    if (m_length >= kCapacity) return false;
    m_entries[static_cast<std::size_t>(m_length++)] = static_cast<std::uint8_t>(n);
    return true;
}

void NumberPool::setEntry(int index, int n)
{
    if (index >= 0 && index < kCapacity)
        m_entries[static_cast<std::size_t>(index)] = static_cast<std::uint8_t>(n);
}

int NumberPool::PoolCount(int n) const
{
    int count = 0;
    for (int i = 0; i <= PoolEnd && i < kCapacity; ++i)
        count += m_entries[static_cast<std::size_t>(i)] == n;
    return count;
}

int NumberPool::distinctNumbers() const
{
    std::array<bool, 256> seen{};
    int count = 0;
    for (int i = 0; i <= PoolEnd && i < kCapacity; ++i) {
        const int n = m_entries[static_cast<std::size_t>(i)];
        if (n != 0 && !seen[n]) seen[n] = true, ++count;
    }
    return count;
}

void NumberPool::compact()
{
    int end = m_length - 1;
    for (int i = 0; i <= end; ++i) {
        while (i <= end && m_entries[static_cast<std::size_t>(i)] == 0) {
            m_entries[static_cast<std::size_t>(i)] = m_entries[static_cast<std::size_t>(end)];
            m_entries[static_cast<std::size_t>(end)] = 0;
            --end;
        }
    }
    m_length = end + 1;
    PoolEnd = end;
}

}  // namespace kw
