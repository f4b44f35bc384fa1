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

bool reaches(RowTestContext& c, HistoryIndex* index, DayCount start, DayCount end, int x,
             const CandidateRow& row)
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

}  // namespace

const SubsetBitmap* matchRefusalIndex(int r, RowTestContext& c)
{
    const MainState& s = c.state;
    if (r < 2 || !c.comparisonIndex || !s.isOn(Param::MatchBoundsOnEveryRow) ||
        s.parameter(Param::MinMatches) > 0 || c.comparisonRows.empty())
        return nullptr;
    const int shared = s.parameter(Param::MaxMatches) + 1;
    if (shared > 5) return nullptr;
    if (c.comparisonIndex->size() != shared) {
        c.comparisonIndex->reset(shared);
        c.comparisonIndexed = 0;
    }
    while (c.comparisonIndexed < c.comparisonRows.size())
        c.comparisonIndex->addRow(c.comparisonRows[c.comparisonIndexed++]);
    return c.comparisonIndex;
}

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
    return !reaches(c, c.neverDrawnIndex, s.DateTimePicker2.date(), s.DateTimePicker1.date(),
                    s.parameter(Param::NeverDrawnHits), row);
}

bool dreierodervierer(const CandidateRow& row, RowTestContext& c)
{
    const MainState& s = c.state;
    const DayCount end = s.DateTimePicker1.date();
    return !reaches(c, c.recentIndex, end - 14.0 * s.parameter(Param::RecentDrawsSpan), end,
                    s.parameter(Param::RecentDrawsHits), row);
}

bool RowAcceptable(const CandidateRow& row, int r, RowTestContext& c)
{
    using enum Param;
    const MainState& s = c.state;
    const auto on = [&s](Param p) { return s.isOn(p); };
    const auto value = [&s](Param p) { return s.parameter(p); };

    // With "every row within the bounds" and no least number of matches, the test
    // refuses exactly when some comparison row shares more than the most: the subset
    // index answers it without walking the rows.
    const std::uint64_t five = distinctMask(row);
    if (const SubsetBitmap* index = five != 0 ? matchRefusalIndex(r, c) : nullptr) {
        if (index->containsSubsetOf(five)) return false;
    } else if (r >= 2) {
        int minHits = 6, maxHits = 0;
        bool violation = false;
        const bool everyRow = on(MatchBoundsOnEveryRow);
        const int most = value(MaxMatches), least = value(MinMatches);
        const bool limitMost = on(UseMaxMatches), limitLeast = on(UseMinMatches);
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
            if (!everyRow && (!limitMost || minHits <= most) && (!limitLeast || maxHits >= least))
                break;
        }
        if ((limitMost && minHits > most) || (limitLeast && maxHits < least) || violation)
            return false;
    }
    if (on(ForcePair)) {
        bool pair = false;
        for (int k = 1; k <= 4; ++k) pair = pair || row[k + 1] == row[k] + 1;
        if (!pair) return false;
    }
    if (on(NoRunsOfThree)) {
        for (int k = 1; k <= 3; ++k)
            if (row[k + 1] == row[k] + 1 && row[k + 2] == row[k] + 2) return false;
    }
    const int sum = row[1] + row[2] + row[3] + row[4] + row[5];
    if (sum < value(MinSum) || sum > value(MaxSum)) return false;
    // A most of 0 has taken the draw's numbers out of the pool already.
    const auto tooManyFrom = [&](Param limit, Param most, const DrawSlots& draw) {
        return on(limit) && value(most) > 0 &&
               hitsWithDraw(row, draw, on(CountStarNumbers)) > value(most);
    };
    if (tooManyFrom(LimitLastDraw, MaxFromLastDraw, c.LastDraw)) return false;
    if (tooManyFrom(LimitSecondLastDraw, MaxFromSecondLastDraw, c.SecondLastDraw)) return false;
    if (tooManyFrom(LimitThirdLastDraw, MaxFromThirdLastDraw, c.ThirdLastDraw)) return false;
    if (on(UseMinEven) && CountEven(row) < value(MinEven)) return false;
    if (on(UseMinOdd) && CountOdd(row) < value(MinOdd)) return false;
    if (on(NeverDrawnBefore) && !Secheroderfuenfer(row, c)) return false;
    if (on(NotInRecentDraws) && !dreierodervierer(row, c)) return false;
    if (on(UseMinPrimes) && primzahlen(row) < value(MinPrimes)) return false;
    return true;
}

}  // namespace kw
