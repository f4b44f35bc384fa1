#include "generation/number_subsets.h"

#include <array>
#include <bit>
#include <vector>

namespace kw {

namespace {

using Binomials = std::array<std::array<std::uint32_t, 6>, 43>;

// Binomial coefficients C(n, k) for n 0..42, k 0..5.
constexpr Binomials makeBinomials()
{
    Binomials c{};
    for (int n = 0; n <= 42; ++n) {
        c[n][0] = 1;
        for (int k = 1; k <= 5 && k <= n; ++k)
            c[n][k] = c[n - 1][k - 1] + (k <= n - 1 ? c[n - 1][k] : 0);
    }
    return c;
}

constexpr Binomials kBinomials = makeBinomials();

// For count 0..5 and size 0..5: the ways to pick size of count positions, each
// as a bit set of the positions, in ascending order.
struct Picks {
    std::array<std::uint8_t, 10> ways{};  // C(5, 2) = C(5, 3) = 10 at most
    int count = 0;
};

constexpr std::array<std::array<Picks, 6>, 6> makePicks()
{
    std::array<std::array<Picks, 6>, 6> t{};
    for (int c = 0; c <= 5; ++c)
        for (unsigned pick = 0; pick < (1u << c); ++pick) {
            Picks& p = t[c][std::popcount(pick)];
            p.ways[p.count++] = static_cast<std::uint8_t>(pick);
        }
    return t;
}

constexpr auto kPicks = makePicks();

// The numbers 1..42 of mask, the least five of them (rows hold five at most).
std::uint64_t lowestFive(std::uint64_t mask)
{
    constexpr std::uint64_t kNumbers = ((std::uint64_t(1) << 43) - 1) & ~std::uint64_t(1);
    mask &= kNumbers;
    std::uint64_t beyond = mask;
    for (int i = 0; i < 5; ++i) beyond &= beyond - 1;
    if (beyond == 0) return mask;  // five or fewer: the usual row
    std::uint64_t five = 0;
    for (int i = 0; i < 5 && mask != 0; ++i, mask &= mask - 1) five |= mask & (~mask + 1);
    return five;
}

}  // namespace

void SubsetBitmap::reset(int size)
{
    m_size = size;
    const std::size_t bits = size >= 1 && size <= 5 ? kBinomials[42][size] : 0;
    m_words.assign((bits + 63) / 64, 0);
    m_thirds.assign(size == 3 ? 43 * 43 : 0, 0);
}

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
    const Picks& picks = kPicks[count][m_size];
    for (int w = 0; w < picks.count; ++w) {
        std::uint32_t rank = 0;
        int position = 1;
        for (unsigned pick = picks.ways[w]; pick != 0; pick &= pick - 1)
            rank += kBinomials[numbers[std::countr_zero(pick)] - 1][position++];
        if (visit(rank)) return;
    }
}

void SubsetBitmap::addRow(std::uint64_t mask)
{
    if (m_size == 3) {
        int n[5];
        int count = 0;
        for (std::uint64_t rest = lowestFive(mask); rest != 0; rest &= rest - 1)
            n[count++] = std::countr_zero(rest);
        for (int i = 0; i < count; ++i)
            for (int j = i + 1; j < count; ++j)
                for (int k = j + 1; k < count; ++k) {
                    const auto mark = [this](int a, int b, int c) {
                        m_thirds[a * 43 + b] |= std::uint64_t(1) << c;
                        m_thirds[b * 43 + a] |= std::uint64_t(1) << c;
                    };
                    mark(n[i], n[j], n[k]);
                    mark(n[i], n[k], n[j]);
                    mark(n[j], n[k], n[i]);
                }
    }
    forEachSubsetRank(mask, [this](std::uint32_t rank) {
        m_words[rank / 64] |= std::uint64_t(1) << rank % 64;
        return false;
    });
}

bool SubsetBitmap::containsSubsetOf(std::uint64_t mask) const
{
    if (m_size == 3) {
        // A marked set {a, b, c} (a < b < c) within mask: c among the thirds of a and b.
        mask = lowestFive(mask);
        for (std::uint64_t first = mask; first != 0; first &= first - 1) {
            const int a = std::countr_zero(first);
            for (std::uint64_t second = first & (first - 1); second != 0; second &= second - 1)
                if (m_thirds[a * 43 + std::countr_zero(second)] & mask) return true;
        }
        return false;
    }
    bool found = false;
    forEachSubsetRank(mask, [this, &found](std::uint32_t rank) {
        found = m_words[rank / 64] >> rank % 64 & 1;
        return found;
    });
    return found;
}

}  // namespace kw
