#include "generation/row_constraints.h"

#include "state/main_state.h"

namespace kw {

namespace {

bool isPrime(int n)
{
    static constexpr int primes[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41};
    for (int p : primes)
        if (p == n) return true;
    return false;
}

// How many of the row's five numbers occur among the other row's numbers.
int hitsWith(const CandidateRow& row, std::uint64_t other)
{
    int hits = 0;
    for (int s = 1; s <= 5; ++s)
        if (row[s] >= 0 && row[s] < 64 && (other >> row[s] & 1)) ++hits;
    return hits;
}

std::uint64_t numbersOf(const DrawSlots& draw)
{
    std::uint64_t mask = 0;
    for (int s = 1; s <= 5; ++s)
        if (draw[s] > 0 && draw[s] < 64) mask |= std::uint64_t(1) << draw[s];
    return mask;
}

// Hits with one of the last draws, the row's star numbers counted against the
// draw's extra numbers when asked to.
int hitsWithDraw(const CandidateRow& row, const DrawSlots& draw, bool withStars)
{
    int hits = hitsWith(row, numbersOf(draw));
    if (withStars)
        for (int s : {6, 7})
            if (row[s] != 0 && (row[s] == draw[7] || row[s] == draw[8])) ++hits;
    return hits;
}

Candidate fiveOf(const CandidateRow& row)
{
    return {row[1], row[2], row[3], row[4], row[5]};
}

bool reaches(RowTestContext& c, HistoryIndex* index, DayCount start, DayCount end, int x, const CandidateRow& row)
{
    const Candidate five = fiveOf(row);
    return index ? index->reaches(start, end, x, five) : scanReaches(c.draws, start, end, x, five);
}

std::uint64_t distinctMask(const CandidateRow& row)
{
    std::uint64_t mask = 0;
    for (int s = 1; s <= 5; ++s) {
        if (row[s] < 1 || row[s] > 42 || (mask >> row[s] & 1)) return 0;
        mask |= std::uint64_t(1) << row[s];
    }
    return mask;
}

// With "every row within the bounds" and no least number of matches, the match
// test refuses exactly when some comparison row shares more than the most:
// then a subset index answers it without walking the rows.
bool everyRowFast(const CandidateRow& row, const RowTestContext& c)
{
    const MainState& s = c.state;
    return c.comparisonIndex && s.checkBox(27) && s.upDownPosition(9) <= 0 && !c.comparisonRows.empty() &&
           distinctMask(row) != 0;
}

bool refusedByEveryRowIndex(const CandidateRow& row, RowTestContext& c)
{
    const int shared = c.state.upDownPosition(3) + 1;
    if (c.comparisonIndex->size() != shared) {
        c.comparisonIndex->reset(shared);
        c.comparisonIndexed = 0;
    }
    while (c.comparisonIndexed < c.comparisonRows.size()) c.comparisonIndex->addRow(c.comparisonRows[c.comparisonIndexed++]);
    return shared <= 5 && c.comparisonIndex->containsSubsetOf(distinctMask(row));
}

}  // namespace

int CountEven(const CandidateRow& row)
{
    int count = 0;
    for (int s = 1; s <= 5; ++s) count += row[s] % 2 == 0;
    return count;
}

int CountOdd(const CandidateRow& row)
{
    return 5 - CountEven(row);
}

int primzahlen(const CandidateRow& row)
{
    int count = 0;
    for (int s = 1; s <= 6; ++s) count += isPrime(row[s]);
    return count;
}

bool Secheroderfuenfer(const CandidateRow& row, RowTestContext& c)
{
    const MainState& s = c.state;
    return !reaches(c, c.neverDrawnIndex, s.DateTimePicker2.date(), s.DateTimePicker1.date(), s.upDownPosition(6), row);
}

bool dreierodervierer(const CandidateRow& row, RowTestContext& c)
{
    const MainState& s = c.state;
    const DayCount end = s.DateTimePicker1.date();
    return !reaches(c, c.recentIndex, end - 14.0 * s.upDownPosition(18), end, s.upDownPosition(17), row);
}

bool RowAcceptable(const CandidateRow& row, int r, RowTestContext& c)
{
    const MainState& s = c.state;
    const auto on = [&s](int box) { return s.checkBox(box); };
    const auto pos = [&s](int upDown) { return s.upDownPosition(upDown); };

    if (r >= 2 && everyRowFast(row, c)) {
        if (refusedByEveryRowIndex(row, c)) return false;
    } else if (r >= 2) {
        int minHits = 6, maxHits = 0;
        bool violation = false;
        const bool everyRow = on(27);
        const int most = pos(3), least = pos(9);
        const bool limitMost = on(3), limitLeast = on(24);
        for (std::uint64_t other : c.comparisonRows) {
            const int h = hitsWith(row, other);
            minHits = std::min(minHits, h);
            maxHits = std::max(maxHits, h);
            if (everyRow && (h > most || h < least)) {
                violation = true;
                break;  // refused whatever the other rows hold
            }
            // Without the every-row rule the answer is settled once one row is
            // within the most and one within the least.
            if (!everyRow && (!limitMost || minHits <= most) && (!limitLeast || maxHits >= least)) break;
        }
        if ((limitMost && minHits > most) || (limitLeast && maxHits < least) || violation) return false;
    }
    if (on(8)) {
        bool pair = false;
        for (int k = 1; k <= 4; ++k) pair = pair || row[k + 1] == row[k] + 1;
        if (!pair) return false;
    }
    if (on(18)) {
        for (int k = 1; k <= 3; ++k)
            if (row[k + 1] == row[k] + 1 && row[k + 2] == row[k] + 2) return false;
    }
    const int sum = row[1] + row[2] + row[3] + row[4] + row[5];
    if (sum < pos(1) || sum > pos(2)) return false;
    const bool stars = on(31);
    if (on(4) && pos(4) > 0 && hitsWithDraw(row, c.LastDraw, stars) > pos(4)) return false;
    if (on(5) && pos(5) > 0 && hitsWithDraw(row, c.SecondLastDraw, stars) > pos(5)) return false;
    if (on(23) && pos(11) > 0 && hitsWithDraw(row, c.ThirdLastDraw, stars) > pos(11)) return false;
    if (on(25) && CountEven(row) < pos(15)) return false;
    if (on(26) && CountOdd(row) < pos(16)) return false;
    if (on(9) && !Secheroderfuenfer(row, c)) return false;
    if (on(28) && !dreierodervierer(row, c)) return false;
    if (on(22) && primzahlen(row) < pos(10)) return false;
    return true;
}

}  // namespace kw
