#include "generation/history_index.h"

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
    m_subsets.reset(x);
    m_irregular.clear();
    for (const DrawRecord& r : m_draws) {
        if (!inWindow(r, start, end)) continue;
        m_windowEmpty = false;
        const std::uint64_t mask = regularMask(r);
        if (mask == 0) {
            m_irregular.push_back(&r);
        } else {
            m_subsets.addRow(mask);
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
    return m_subsets.containsSubsetOf(mask);
}

}  // namespace kw
