#include "generation/number_subsets.h"

#include <array>
#include <bit>
#include <vector>

namespace kw {

namespace {

// Binomial coefficients C(n, k) for n 0..42, k 0..5.
const std::array<std::array<std::uint32_t, 6>, 43>& binomials()
{
    static const auto table = [] {
        std::array<std::array<std::uint32_t, 6>, 43> c{};
        for (int n = 0; n <= 42; ++n) {
            c[n][0] = 1;
            for (int k = 1; k <= 5 && k <= n; ++k)
                c[n][k] = c[n - 1][k - 1] + (k <= n - 1 ? c[n - 1][k] : 0);
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

namespace {

// For count 0..5 and size 0..5: the ways to pick size of count positions, each
// as a bit set of the positions, in ascending order.
const std::vector<unsigned>& picks(int count, int size)
{
    static const auto table = [] {
        std::array<std::array<std::vector<unsigned>, 6>, 6> t;
        for (int c = 0; c <= 5; ++c)
            for (unsigned pick = 0; pick < (1u << c); ++pick)
                t[c][std::popcount(pick)].push_back(pick);
        return t;
    }();
    return table[count][size];
}

}  // namespace

template <typename Visit>
void SubsetBitmap::forEachSubsetRank(std::uint64_t mask, Visit visit) const
{
    if (m_size < 1 || m_size > 5) return;
    constexpr std::uint64_t kNumbers = ((std::uint64_t(1) << 43) - 1) & ~std::uint64_t(1);  // 1..42
    mask &= kNumbers;
    int numbers[5];
    int count = 0;
    for (; mask != 0 && count < 5; mask &= mask - 1)
        numbers[count++] = std::countr_zero(mask);  // rows hold five at most
    if (count < m_size) return;
    const auto& c = binomials();
    for (const unsigned pick : picks(count, m_size)) {
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
