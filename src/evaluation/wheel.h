#pragma once
// Wheels ("Rad / System"): rows of five of the player's picked numbers such that,
// whenever m of the picked numbers are among the five drawn, some row holds at least
// t of them. The builder searches a small wheel, the proof checks every possible set
// of m drawn numbers, and the lower bound says how small a wheel can be at best.
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "evaluation/odds.h"

namespace kw {

inline constexpr int kWheelMinNumbers = 6;
inline constexpr int kWheelMaxNumbers = 24;
inline constexpr int kHighestWheelNumber = 42;

// "t if m": t hits in some row when m of the picked numbers are drawn.
struct WheelGuarantee {
    int hits = 3;   // t
    int drawn = 3;  // m
    bool operator==(const WheelGuarantee&) const = default;
};

// Every pair offered: 2 <= t <= m <= 5, ordered by t, then m.
std::vector<WheelGuarantee> wheelGuarantees();

// Why these numbers and this guarantee make no wheel; empty when they do.
QString wheelInputError(const std::vector<int>& numbers, WheelGuarantee guarantee);

struct WheelLimits {
    double seconds = 5;
    // Search steps (a step tries one change of one row); below 0 only the time counts.
    // With a step limit the result does not depend on the machine's speed.
    std::int64_t maxSteps = -1;
    std::uint64_t seed = 1;
};

struct WheelProgress {
    // Whether to report now; report(best rows so far, seconds used) returns false to
    // cancel, which keeps the best wheel found.
    std::function<bool()> due = [] { return false; };
    std::function<bool(int bestRows, double seconds)> report = [](int, double) { return true; };
};

struct WheelResult {
    std::vector<TipRow> rows;  // each row ascending, the rows in ascending order
    bool cancelled = false;
    bool reachedBound = false;  // as small as the lower bound: nothing smaller exists
    std::int64_t steps = 0;
    double seconds = 0;
};

// The same seed follows the same search; the limits only decide where it stops.
// The numbers must pass wheelInputError.
WheelResult buildWheel(const std::vector<int>& numbers, WheelGuarantee guarantee,
                       const WheelLimits& limits, WheelProgress progress = {});

struct WheelProof {
    bool holds = false;
    std::int64_t cases = 0;        // the sets of m drawn picked numbers checked
    std::vector<int> failingCase;  // the first one no row meets in t numbers
};
// Checks every one of the C(v, m) sets of m picked numbers against every row.
WheelProof proveWheel(const std::vector<int>& numbers, const std::vector<TipRow>& rows,
                      WheelGuarantee guarantee);

std::int64_t binomial(int n, int k);
// Schönheim's bound for coverings of all t-subsets of v points by k-subsets.
std::int64_t schoenheimBound(int v, int k, int t);
// The least number of rows any wheel of v numbers with this guarantee needs.
std::int64_t wheelLowerBound(int v, WheelGuarantee guarantee);

}  // namespace kw
