#include "generation/history_index.h"

#include <bit>

namespace kw {

namespace {

bool inWindow(const DrawRecord& r, DayCount start, DayCount end)
{
    return r.datum > start && r.datum <= end;
}

// The draw's numbers as a bit set, or 0 when they are not five different 1..42.
std::uint64_t regularMask(const DrawRecord& r)
{
    std::uint64_t mask = 0;
    for (int i = 1; i <= 5; ++i) {
        const int n = r.slot(i);
        if (n < 1 || n > 42 || (mask >> n & 1)) return 0;
        mask |= std::uint64_t(1) << n;
    }
    return mask;
}

// Binomial coefficients C(n, k) for n 0..42, k 0..5.
const auto& binomials()
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

// Visits the rank of every size-subset of the five ascending numbers 1..42
// (combinatorial number system: the sum of C(a_i - 1, i)) until visit returns true.
template <typename Visit>
void forEachSubsetRank(const std::array<int, 5>& numbers, int size, Visit visit)
{
    const auto& c = binomials();
    for (int pick = 0; pick < 32; ++pick) {
        if (std::popcount(static_cast<unsigned>(pick)) != size) continue;
        std::uint32_t rank = 0;
        int position = 1;
        for (int i = 0; i < 5; ++i)
            if (pick >> i & 1) rank += c[numbers[i] - 1][position++];
        if (visit(rank)) return;
    }
}

std::array<int, 5> ascending(std::uint64_t mask)
{
    std::array<int, 5> numbers{};
    int count = 0;
    for (int n = 1; n <= 42 && count < 5; ++n)
        if (mask >> n & 1) numbers[count++] = n;
    return numbers;
}

}  // namespace

int drawHits(const Candidate& row, const DrawRecord& draw)
{
    int hits = 0;
    for (int i = 1; i <= 5; ++i)
        for (int entry : row) hits += entry == draw.slot(i);
    return hits;
}

bool scanReaches(const std::vector<DrawRecord>& draws, DayCount start, DayCount end, int x,
                 const Candidate& row)
{
    for (const DrawRecord& r : draws)
        if (inWindow(r, start, end) && drawHits(row, r) >= x) return true;
    return false;
}

void HistoryIndex::rebuild(DayCount start, DayCount end, int x)
{
    m_built = true;
    m_start = start;
    m_end = end;
    m_x = x;
    m_windowEmpty = true;
    m_subsets.assign(x >= 1 && x <= 5 ? binomials()[42][x] : 0, false);
    m_irregular.clear();
    for (const DrawRecord& r : m_draws) {
        if (!inWindow(r, start, end)) continue;
        m_windowEmpty = false;
        const std::uint64_t mask = regularMask(r);
        if (mask == 0) {
            m_irregular.push_back(&r);
        } else if (x >= 1 && x <= 5) {
            forEachSubsetRank(ascending(mask), x, [this](std::uint32_t rank) {
                m_subsets[rank] = true;
                return false;
            });
        }
    }
}

bool HistoryIndex::reaches(DayCount start, DayCount end, int x, const Candidate& row)
{
    if (!m_built || start != m_start || end != m_end || x != m_x) rebuild(start, end, x);
    if (x <= 0) return !m_windowEmpty;  // every draw has at least 0 hits
    for (const DrawRecord* r : m_irregular)
        if (drawHits(row, *r) >= x) return true;
    std::uint64_t mask = 0;
    for (int n : row) {
        if (n < 1 || n > 42 || (mask >> n & 1)) {
            // A row with a number twice (a locked row's own cells) is counted plainly.
            for (const DrawRecord& r : m_draws)
                if (inWindow(r, start, end) && regularMask(r) && drawHits(row, r) >= x) return true;
            return false;
        }
        mask |= std::uint64_t(1) << n;
    }
    if (x > 5) return false;
    bool found = false;
    forEachSubsetRank(ascending(mask), x, [this, &found](std::uint32_t rank) {
        found = m_subsets[rank];
        return found;
    });
    return found;
}

}  // namespace kw
