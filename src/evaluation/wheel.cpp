#include "evaluation/wheel.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>
#include <set>

namespace kw {

namespace {

using Mask = std::uint32_t;  // a set of picked numbers by their places 0..v-1

struct Binomials {
    std::int64_t value[33][33]{};
    constexpr Binomials()
    {
        for (int n = 0; n < 33; ++n) {
            value[n][0] = 1;
            for (int k = 1; k <= n; ++k) value[n][k] = value[n - 1][k - 1] + value[n - 1][k];
        }
    }
};
constexpr Binomials kBinomials;

inline int smallBinomial(int n, int k)
{
    return static_cast<int>(kBinomials.value[n][k]);
}

std::int64_t ceilDiv(std::int64_t a, std::int64_t b)
{
    return (a + b - 1) / b;
}

// splitmix64: small, fast, and the same sequence for a seed on every platform.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    int below(std::size_t n) { return static_cast<int>(next() % n); }
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

private:
    std::uint64_t m_state;
};

inline int nthBit(Mask mask, int k)
{
    while (k-- > 0) mask &= mask - 1;
    return std::countr_zero(mask);
}

inline Mask randomBit(Mask mask, Random& random)
{
    return Mask{1} << nthBit(mask, random.below(static_cast<std::size_t>(std::popcount(mask))));
}

// Calls f for every subset of mask with k elements.
template <typename F>
void forEachSubset(Mask mask, int k, F&& f)
{
    int bits[32];
    int n = 0;
    for (Mask rest = mask; rest; rest &= rest - 1) bits[n++] = std::countr_zero(rest);
    if (k < 0 || k > n) return;
    if (k == 0) {
        f(Mask{0});
        return;
    }
    int index[8];
    for (int i = 0; i < k; ++i) index[i] = i;
    for (;;) {
        Mask subset = 0;
        for (int i = 0; i < k; ++i) subset |= Mask{1} << bits[index[i]];
        f(subset);
        int i = k - 1;
        while (i >= 0 && index[i] == n - k + i) --i;
        if (i < 0) return;
        ++index[i];
        for (int j = i + 1; j < k; ++j) index[j] = index[j - 1] + 1;
    }
}

// The search works on the m-sets of the places 0..v-1 ("targets"), each counted by
// the rows that meet it in t places or more; the targets counted by none are kept in
// a list for drawing one at random.
class CoverSearch {
public:
    CoverSearch(int v, int t, int m, std::uint64_t seed)
        : m_t(t), m_m(m), m_all((Mask{1} << v) - 1), m_random(seed)
    {
        const int targets = smallBinomial(v, m);
        m_count.assign(static_cast<std::size_t>(targets), 0);
        m_where.resize(static_cast<std::size_t>(targets));
        m_uncovered.resize(static_cast<std::size_t>(targets));
        m_masks.reserve(static_cast<std::size_t>(targets));
        // Masks of m bits in increasing order are in the order of their ranks.
        Mask s = (Mask{1} << m) - 1;
        for (int i = 0; i < targets; ++i) {
            m_uncovered[static_cast<std::size_t>(i)] = i;
            m_where[static_cast<std::size_t>(i)] = i;
            m_masks.push_back(s);
            const Mask low = s & (~s + 1);
            const Mask ripple = s + low;
            s = (((ripple ^ s) >> 2) / low) | ripple;
        }
    }

    const std::vector<Mask>& rows() const { return m_rows; }
    bool covered() const { return m_uncovered.empty(); }
    std::size_t uncoveredCount() const { return m_uncovered.size(); }

    void setRows(const std::vector<Mask>& rows)
    {
        while (!m_rows.empty()) removeAt(m_rows.size() - 1);
        for (Mask row : rows) add(row);
    }

    // Rows one by one, each through an uncovered target, filled up with the places
    // that cover the most uncovered targets.
    void greedy()
    {
        while (!m_uncovered.empty()) {
            const Mask target = m_masks[static_cast<std::size_t>(
                m_uncovered[static_cast<std::size_t>(m_random.below(m_uncovered.size()))])];
            Mask row = 0;
            int bestGain = -1;
            forEachSubset(target, m_t, [&](Mask start) {
                const int g = gain(start);
                if (g > bestGain) {
                    bestGain = g;
                    row = start;
                }
            });
            while (std::popcount(row) < 5) {
                Mask chosen = 0;
                int best = -1, ties = 0;
                for (Mask rest = m_all & ~row; rest; rest &= rest - 1) {
                    const Mask place = rest & (~rest + 1);
                    const int g = gain(row | place);
                    if (g > best) {
                        best = g;
                        chosen = place;
                        ties = 1;
                    } else if (g == best && m_random.below(static_cast<std::size_t>(++ties)) == 0) {
                        chosen = place;
                    }
                }
                row |= chosen;
            }
            add(row);
        }
    }

    // Takes out rows whose targets are all covered by others as well.
    void prune()
    {
        for (std::size_t i = m_rows.size(); i-- > 0;)
            if (uniqueTargets(m_rows[i]) == 0) removeAt(i);
    }

    // Takes out the row that leaves the fewest targets uncovered.
    void dropWeakestRow()
    {
        std::size_t weakest = 0;
        int least = -1, ties = 0;
        for (std::size_t i = 0; i < m_rows.size(); ++i) {
            const int unique = uniqueTargets(m_rows[i]);
            if (least < 0 || unique < least) {
                least = unique;
                weakest = i;
                ties = 1;
            } else if (unique == least && m_random.below(static_cast<std::size_t>(++ties)) == 0) {
                weakest = i;
            }
        }
        removeAt(weakest);
    }

    // Simulated annealing on the number of uncovered targets, at the present number
    // of rows, until all are covered; false when keepGoing (asked every 256 steps)
    // says to stop.
    template <typename KeepGoing>
    bool anneal(std::int64_t& steps, KeepGoing&& keepGoing)
    {
        constexpr double kHot = 0.6, kCold = 0.04, kCooling = 0.995;
        const int stepsPerTemperature = std::max<int>(200, static_cast<int>(m_rows.size()) * 4);
        double temperature = kHot;
        int atTemperature = 0;
        while (!m_uncovered.empty()) {
            if ((steps & 255) == 0 && !keepGoing()) return false;
            ++steps;
            step(temperature);
            if (++atTemperature >= stepsPerTemperature) {
                atTemperature = 0;
                temperature *= kCooling;
                if (temperature < kCold) temperature = kHot;
            }
        }
        return true;
    }

private:
    int rank(Mask s) const
    {
        int r = 0;
        for (int i = 1; s; s &= s - 1, ++i) r += smallBinomial(std::countr_zero(s), i);
        return r;
    }

    // Every target meeting the places of row (any number of them) in t or more.
    template <typename F>
    void forEachCovered(Mask row, F&& f) const
    {
        const Mask outside = m_all & ~row;
        const int size = std::popcount(row);
        for (int k = m_t; k <= std::min(size, m_m); ++k)
            forEachSubset(row, k, [&](Mask inside) {
                forEachSubset(outside, m_m - k, [&](Mask rest) { f(inside | rest); });
            });
    }

    int gain(Mask row) const
    {
        int g = 0;
        forEachCovered(row, [&](Mask s) { g += m_count[static_cast<std::size_t>(rank(s))] == 0; });
        return g;
    }

    int uniqueTargets(Mask row) const
    {
        int unique = 0;
        forEachCovered(row,
                       [&](Mask s) { unique += m_count[static_cast<std::size_t>(rank(s))] == 1; });
        return unique;
    }

    void increment(int r)
    {
        if (m_count[static_cast<std::size_t>(r)]++ != 0) return;
        const int place = m_where[static_cast<std::size_t>(r)];
        const int last = m_uncovered.back();
        m_uncovered[static_cast<std::size_t>(place)] = last;
        m_where[static_cast<std::size_t>(last)] = place;
        m_uncovered.pop_back();
        m_where[static_cast<std::size_t>(r)] = -1;
    }

    void decrement(int r)
    {
        if (--m_count[static_cast<std::size_t>(r)] != 0) return;
        m_where[static_cast<std::size_t>(r)] = static_cast<int>(m_uncovered.size());
        m_uncovered.push_back(r);
    }

    void add(Mask row)
    {
        m_rows.push_back(row);
        forEachCovered(row, [&](Mask s) { increment(rank(s)); });
    }

    void removeAt(std::size_t i)
    {
        forEachCovered(m_rows[i], [&](Mask s) { decrement(rank(s)); });
        m_rows[i] = m_rows.back();
        m_rows.pop_back();
    }

    // One change: an uncovered target is drawn, and a row that lacks one place of
    // covering it (any row if none does) swaps a place outside the target for one
    // inside. The change is kept when it uncovers no more than it covers, else with
    // the probability exp(-difference / temperature).
    void step(double temperature)
    {
        const Mask target = m_masks[static_cast<std::size_t>(
            m_uncovered[static_cast<std::size_t>(m_random.below(m_uncovered.size()))])];
        const std::size_t i = rowLackingOne(target);
        const Mask row = m_rows[i];
        const Mask out = randomBit(row & ~target, m_random);
        const Mask in = randomBit(target & ~row, m_random);

        // Only targets holding exactly one of the two places and t - 1 of the row's
        // other places change: the ones with out lose this row, the ones with in gain it.
        m_lost.clear();
        m_gained.clear();
        int difference = 0;
        const Mask others = row & ~out;
        const Mask outside = m_all & ~row & ~in;
        forEachSubset(others, m_t - 1, [&](Mask inside) {
            forEachSubset(outside, m_m - m_t, [&](Mask rest) {
                const int lost = rank(out | inside | rest);
                const int gained = rank(in | inside | rest);
                m_lost.push_back(lost);
                m_gained.push_back(gained);
                difference += (m_count[static_cast<std::size_t>(lost)] == 1) -
                              (m_count[static_cast<std::size_t>(gained)] == 0);
            });
        });
        if (difference > 0 && m_random.unit() >= std::exp(-difference / temperature)) return;
        for (int r : m_lost) decrement(r);
        for (int r : m_gained) increment(r);
        m_rows[i] = (row & ~out) | in;
    }

    // A row meeting the target in t - 1 places, drawn evenly among them (any row
    // if none does). A few draws at random find one far faster than a look at every
    // row when the wheel is large; only when they miss are all rows looked at.
    std::size_t rowLackingOne(Mask target)
    {
        constexpr int kDraws = 48;
        const std::size_t rows = m_rows.size();
        if (rows > 2 * kDraws) {
            for (int draw = 0; draw < kDraws; ++draw) {
                const auto i = static_cast<std::size_t>(m_random.below(rows));
                if (std::popcount(m_rows[i] & target) == m_t - 1) return i;
            }
        }
        m_candidates.clear();
        for (std::size_t i = 0; i < rows; ++i)
            if (std::popcount(m_rows[i] & target) == m_t - 1)
                m_candidates.push_back(static_cast<int>(i));
        if (m_candidates.empty()) return static_cast<std::size_t>(m_random.below(rows));
        return static_cast<std::size_t>(
            m_candidates[static_cast<std::size_t>(m_random.below(m_candidates.size()))]);
    }

    int m_t, m_m;
    Mask m_all;
    Random m_random;
    std::vector<Mask> m_masks;     // target by rank
    std::vector<int> m_count;      // rows covering the target
    std::vector<int> m_uncovered;  // ranks of the targets no row covers
    std::vector<int> m_where;      // a target's place in m_uncovered, or -1
    std::vector<Mask> m_rows;
    std::vector<int> m_candidates, m_lost, m_gained;
};

std::vector<TipRow> rowsOfNumbers(const std::vector<Mask>& masks, const std::vector<int>& numbers)
{
    std::vector<TipRow> rows;
    rows.reserve(masks.size());
    for (Mask mask : masks) {
        TipRow row{};
        int i = 0;
        for (Mask rest = mask; rest; rest &= rest - 1)
            row[static_cast<std::size_t>(i++)] =
                numbers[static_cast<std::size_t>(std::countr_zero(rest))];
        std::sort(row.begin(), row.end());
        rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

// Edges of the complete r-partite graph on n vertices with parts as equal as
// possible: by Turán's theorem the most a graph without r + 1 mutually joined
// vertices can have.
std::int64_t turanEdges(int n, int r)
{
    std::int64_t squares = 0;
    for (int part = 0; part < r; ++part) {
        const std::int64_t size = n / r + (part < n % r ? 1 : 0);
        squares += size * size;
    }
    return (std::int64_t{n} * n - squares) / 2;
}

// m-sets of v places taken greedily so that no row of five can meet two of them in
// t places each (they share fewer than 2t - 5 places): every one needs a row of its own.
std::int64_t separatedTargets(int v, int m, int t)
{
    const int shareBelow = 2 * t - 5;
    if (shareBelow <= 0) return 1;
    std::vector<Mask> chosen;
    forEachSubset((Mask{1} << v) - 1, m, [&](Mask s) {
        for (Mask c : chosen)
            if (std::popcount(c & s) >= shareBelow) return;
        chosen.push_back(s);
    });
    return static_cast<std::int64_t>(chosen.size());
}

}  // namespace

std::vector<WheelGuarantee> wheelGuarantees()
{
    std::vector<WheelGuarantee> pairs;
    for (int t = 2; t <= 5; ++t)
        for (int m = t; m <= 5; ++m) pairs.push_back({t, m});
    return pairs;
}

QString wheelInputError(const std::vector<int>& numbers, WheelGuarantee guarantee)
{
    const int v = static_cast<int>(numbers.size());
    if (v < kWheelMinNumbers || v > kWheelMaxNumbers)
        return QStringLiteral("a wheel needs %1 to %2 numbers, not %3")
            .arg(kWheelMinNumbers)
            .arg(kWheelMaxNumbers)
            .arg(v);
    std::set<int> seen;
    for (int n : numbers) {
        if (n < 1 || n > kHighestWheelNumber)
            return QStringLiteral("number %1 is outside 1..%2").arg(n).arg(kHighestWheelNumber);
        if (!seen.insert(n).second) return QStringLiteral("number %1 is given twice").arg(n);
    }
    const auto [t, m] = guarantee;
    if (t < 2 || t > m || m > 5)
        return QStringLiteral("the guarantee needs 2 <= T <= M <= 5 (T = %1, M = %2)")
            .arg(t)
            .arg(m);
    return {};
}

std::int64_t binomial(int n, int k)
{
    if (k < 0 || n < 0 || k > n) return 0;
    if (n < 33) return kBinomials.value[n][k];
    std::int64_t result = 1;
    for (int i = 1; i <= k; ++i) result = result * (n - k + i) / i;
    return result;
}

std::int64_t schoenheimBound(int v, int k, int t)
{
    if (t <= 0) return 1;
    return ceilDiv(std::int64_t{v} * schoenheimBound(v - 1, k - 1, t - 1), k);
}

std::int64_t wheelLowerBound(int v, WheelGuarantee guarantee)
{
    const auto [t, m] = guarantee;
    if (t == m) return schoenheimBound(v, 5, t);
    // t < m. A wheel for "t if m" is one for "t if m'" with m' >= m as well, so each
    // bound below for any such m' holds; the largest is taken:
    //  - counting: the t-sets lying in no row contain no whole m'-set's t-sets, so
    //    averaged over the m'-sets at least C(v,t) / C(m',t) t-sets lie in rows, and a
    //    row holds C(5,t) of them;
    //  - for t = 2, Turán: the pairs lying in no row form a graph without m' mutually
    //    joined numbers, so at least C(v,2) - T(v, m'-1) pairs lie in rows, ten per row;
    //  - separated m'-sets: no row meets two of them in t numbers each.
    std::int64_t bound = 1;
    for (int drawn = m; drawn <= 5; ++drawn) {
        bound = std::max(bound, ceilDiv(binomial(v, t), binomial(drawn, t) * binomial(5, t)));
        if (t == 2) bound = std::max(bound, ceilDiv(binomial(v, 2) - turanEdges(v, drawn - 1), 10));
        bound = std::max(bound, separatedTargets(v, drawn, t));
    }
    return bound;
}

WheelResult buildWheel(const std::vector<int>& numbers, WheelGuarantee guarantee,
                       const WheelLimits& limits, WheelProgress progress)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    const auto elapsed = [start] {
        return std::chrono::duration<double>(Clock::now() - start).count();
    };
    std::vector<int> sorted = numbers;
    std::sort(sorted.begin(), sorted.end());
    const int v = static_cast<int>(sorted.size());
    const auto [t, m] = guarantee;
    const std::int64_t bound = wheelLowerBound(v, guarantee);

    CoverSearch search(v, t, m, limits.seed);
    search.greedy();
    search.prune();
    std::vector<Mask> best = search.rows();

    WheelResult result;
    const auto keepGoing = [&] {
        if (limits.maxSteps >= 0 && result.steps >= limits.maxSteps) return false;
        if (elapsed() >= limits.seconds) return false;
        if (progress.due() && !progress.report(static_cast<int>(best.size()), elapsed())) {
            result.cancelled = true;
            return false;
        }
        return true;
    };
    // One row fewer at a time, each from the smallest wheel so far.
    while (static_cast<std::int64_t>(best.size()) > bound && keepGoing()) {
        search.dropWeakestRow();
        if (!search.anneal(result.steps, keepGoing)) break;
        search.prune();
        best = search.rows();
    }
    result.rows = rowsOfNumbers(best, sorted);
    result.reachedBound = static_cast<std::int64_t>(best.size()) <= bound;
    result.seconds = elapsed();
    return result;
}

WheelProof proveWheel(const std::vector<int>& numbers, const std::vector<TipRow>& rows,
                      WheelGuarantee guarantee)
{
    std::vector<std::uint64_t> rowSets;
    rowSets.reserve(rows.size());
    for (const TipRow& row : rows) {
        std::uint64_t set = 0;
        for (int n : row) set |= std::uint64_t{1} << n;
        rowSets.push_back(set);
    }
    std::vector<int> sorted = numbers;
    std::sort(sorted.begin(), sorted.end());
    const int v = static_cast<int>(sorted.size());
    const int m = guarantee.drawn;
    WheelProof proof;
    if (m < 1 || m > v) return proof;
    std::vector<int> index(static_cast<std::size_t>(m));
    for (int i = 0; i < m; ++i) index[static_cast<std::size_t>(i)] = i;
    for (;;) {
        std::uint64_t drawn = 0;
        for (int i : index) drawn |= std::uint64_t{1} << sorted[static_cast<std::size_t>(i)];
        ++proof.cases;
        const bool met = std::any_of(rowSets.begin(), rowSets.end(), [&](std::uint64_t row) {
            return std::popcount(row & drawn) >= guarantee.hits;
        });
        if (!met) {
            for (int i : index) proof.failingCase.push_back(sorted[static_cast<std::size_t>(i)]);
            return proof;
        }
        int i = m - 1;
        while (i >= 0 && index[static_cast<std::size_t>(i)] == v - m + i) --i;
        if (i < 0) break;
        ++index[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < m; ++j)
            index[static_cast<std::size_t>(j)] = index[static_cast<std::size_t>(j - 1)] + 1;
    }
    proof.holds = true;
    return proof;
}

}  // namespace kw
