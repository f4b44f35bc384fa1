#include "generation/number_subsets.h"

#include <bit>

namespace kw {

namespace {

// Binomial coefficients C(n, k) for n 0..42, k 0..5.
const std::array<std::array<std::uint32_t, 6>, 43>& binomials()
{
    static const auto table = [] {
        std::array<std::array<std::uint32_t, 6>, 43> c{};
        for (int n = 0; n <= 42; ++n) {
            c[n][0] = 1;
            for (int k = 1; k <= 5 && k <= n; ++k) c[n][k] = c[n - 1][k - 1] + (k <= n - 1 ? c[n - 1][k] : 0);
        }
        return c;
    }();
    return table;
}

}  // namespace

void SubsetBitmap::reset(int size)
{
    m_size = size;
    m_bits.assign(size >= 1 && size <= 5 ? binomials()[42][size] : 0, false);
}

template <typename Visit>
void SubsetBitmap::forEachSubsetRank(std::uint64_t mask, Visit visit) const
{
    if (m_size < 1 || m_size > 5) return;
    int numbers[42];
    int count = 0;
    for (int n = 1; n <= 42; ++n)
        if (mask >> n & 1) numbers[count++] = n;
    if (count < m_size || count > 5) {
        if (count > 5) count = 5;  // rows hold five numbers at most
        if (count < m_size) return;
    }
    const auto& c = binomials();
    for (unsigned pick = 0; pick < (1u << count); ++pick) {
        if (std::popcount(pick) != m_size) continue;
        std::uint32_t rank = 0;
        int position = 1;
        for (int i = 0; i < count; ++i)
            if (pick >> i & 1) rank += c[numbers[i] - 1][position++];
        if (visit(rank)) return;
    }
}

void SubsetBitmap::addRow(std::uint64_t mask)
{
    forEachSubsetRank(mask, [this](std::uint32_t rank) {
        m_bits[rank] = true;
        return false;
    });
}

bool SubsetBitmap::containsSubsetOf(std::uint64_t mask) const
{
    bool found = false;
    forEachSubsetRank(mask, [this, &found](std::uint32_t rank) {
        found = m_bits[rank];
        return found;
    });
    return found;
}

}  // namespace kw
