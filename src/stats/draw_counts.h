#pragma once
// The counting behind the statistics, apart from any chart: draws and a window
// of dates in, counts out. The charts, the analyses and the odds use them.
#include <array>
#include <vector>

#include "draws/draw_record.h"

namespace kw {

inline constexpr int kNumberCount = 42;
// Indexed by the number 1..42; index 0 is unused.
using NumberCounts = std::array<int, kNumberCount + 1>;

// The draws dated after start (on start too when startInclusive) up to end.
struct DrawWindow {
    DayCount start;
    DayCount end;
    bool startInclusive = false;
    bool contains(const DrawRecord& r) const
    {
        return r.datum <= end && (startInclusive ? r.datum >= start : r.datum > start);
    }
};

// The five numbers' sum; slots hold 0..255.
int drawSum(const DrawRecord& record);

struct Frequencies {
    NumberCounts drawn{};  // how often each number was drawn
    int draws = 0;
    long long sumTotal = 0;  // of the draws' sums
};
Frequencies countFrequencies(const std::vector<DrawRecord>& draws, const DrawWindow& window);

// For each number, 1 + the draws of the window after its last one there (1 + all
// of them when it was not drawn). inDateOrder: the draws ascend, so the window is
// walked back from its end.
NumberCounts overdueCounts(const std::vector<DrawRecord>& draws, const DrawWindow& window,
                           bool inDateOrder);

struct SumCounts {
    std::array<int, 5 * 255 + 1> draws{};  // draws per sum
    int smallest = 500;
    int largest = 0;
    int count = 0;
    long long total = 0;
};
SumCounts countSums(const std::vector<DrawRecord>& draws, const DrawWindow& window);

// Runs of length consecutive numbers k, ..., k+length-1 drawn together, counted by k
// the way the row comparison counts them: every entry counts each drawn slot equal
// to it, the row padded with 0 entries, so a draw with a 0 or a number twice counts
// as its slots say. Starts 1..41 for pairs, 1..40 for longer runs.
struct RunCounts {
    NumberCounts byStart{};
    int draws = 0;
    int found = 0;
    const DrawRecord* last = nullptr;  // the window's last draw
};
RunCounts countRuns(const std::vector<DrawRecord>& draws, const DrawWindow& window, int length);

// pairs[a][b]: the draws of the window holding both a and b (a != b slots).
using PairCounts = std::array<NumberCounts, kNumberCount + 1>;
PairCounts countPairs(const std::vector<DrawRecord>& draws, const DrawWindow& window);

// For each extra number 1..stars, 1 + the draws after its last one in slot 7 or 8.
std::vector<int> extraNumberOverdue(const std::vector<DrawRecord>& draws, const DrawWindow& window,
                                    int stars);

}  // namespace kw
