#include "stats/draw_counts.h"

#include <algorithm>

namespace kw {

int drawSum(const DrawRecord& record)
{
    int sum = 0;
    for (int i = 1; i <= 5; ++i) sum += record.slot(i);
    return sum;
}

Frequencies countFrequencies(const std::vector<DrawRecord>& draws, const DrawWindow& window)
{
    Frequencies result;
    for (const DrawRecord& r : draws) {
        if (!window.contains(r)) continue;
        for (int i = 1; i <= 5; ++i)
            if (r.slot(i) <= kNumberCount) ++result.drawn[r.slot(i)];
        ++result.draws;
        result.sumTotal += drawSum(r);
    }
    return result;
}

NumberCounts overdueCounts(const std::vector<DrawRecord>& draws, const DrawWindow& window,
                           bool inDateOrder)
{
    NumberCounts due;
    if (!inDateOrder) {
        due.fill(1);
        for (const DrawRecord& r : draws) {
            if (!window.contains(r)) continue;
            for (int& d : due) ++d;
            for (int i = 1; i <= 5; ++i)
                if (r.slot(i) <= kNumberCount) due[r.slot(i)] = 1;
        }
        return due;
    }
    // In date order the window is one stretch: walk it back from its end until
    // every number has been met.
    const auto after = [](DayCount day, const DrawRecord& r) { return day < r.datum; };
    const auto first =
        window.startInclusive
            ? std::lower_bound(draws.begin(), draws.end(), window.start,
                               [](const DrawRecord& r, DayCount day) { return r.datum < day; })
            : std::upper_bound(draws.begin(), draws.end(), window.start, after);
    const auto last = std::upper_bound(first, draws.end(), window.end, after);
    const int inWindow = static_cast<int>(last - first);
    due.fill(0);
    int met = 0, later = 0;
    for (auto r = last; r != first && met < kNumberCount; ++later) {
        --r;
        for (int i = 1; i <= 5; ++i) {
            const int n = r->slot(i);
            if (n >= 1 && n <= kNumberCount && due[n] == 0) {
                due[n] = 1 + later;
                ++met;
            }
        }
    }
    for (int n = 1; n <= kNumberCount; ++n)
        if (due[n] == 0) due[n] = 1 + inWindow;
    return due;
}

SumCounts countSums(const std::vector<DrawRecord>& draws, const DrawWindow& window)
{
    SumCounts result;
    for (const DrawRecord& r : draws) {
        if (!window.contains(r)) continue;
        const int s = drawSum(r);
        ++result.draws[s];
        result.smallest = std::min(result.smallest, s);
        result.largest = std::max(result.largest, s);
        ++result.count;
        result.total += s;
    }
    return result;
}

RunCounts countRuns(const std::vector<DrawRecord>& draws, const DrawWindow& window, int length)
{
    RunCounts result;
    // Pairs start at 1..41; triples and quadruples at 1..40 both, as the charts count them.
    const int lastStart = length == 2 ? 41 : 40;
    for (const DrawRecord& r : draws) {
        if (!window.contains(r)) continue;
        ++result.draws;
        result.last = &r;
        std::array<int, 256> drawn{};
        for (int i = 1; i <= 5; ++i) ++drawn[r.slot(i)];
        for (int k = 1; k <= lastStart; ++k) {
            int hits = (5 - length) * drawn[0];
            for (int m = 0; m < length; ++m) hits += drawn[k + m];
            if (hits == length) {
                ++result.byStart[k];
                ++result.found;
            }
        }
    }
    return result;
}

PairCounts countPairs(const std::vector<DrawRecord>& draws, const DrawWindow& window)
{
    PairCounts pairs{};
    for (const DrawRecord& r : draws) {
        if (!window.contains(r)) continue;
        for (int p = 1; p <= 5; ++p)
            for (int q = 1; q <= 5; ++q)
                if (p != q && r.slot(p) <= kNumberCount && r.slot(q) <= kNumberCount)
                    ++pairs[r.slot(p)][r.slot(q)];
    }
    return pairs;
}

std::vector<int> extraNumberOverdue(const std::vector<DrawRecord>& draws, const DrawWindow& window,
                                    int stars)
{
    std::vector<int> due(static_cast<size_t>(std::max(stars, 0)) + 1, 0);
    for (const DrawRecord& r : draws) {
        if (!window.contains(r)) continue;
        for (int& d : due) ++d;
        // A slot beyond the extra numbers' range has no count and marks nothing.
        for (int slot : {7, 8})
            if (r.slot(slot) >= 1 && r.slot(slot) <= stars)
                due[static_cast<size_t>(r.slot(slot))] = 1;
    }
    return due;
}

}  // namespace kw
