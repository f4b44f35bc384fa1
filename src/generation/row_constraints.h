#pragma once
// Whether a candidate row may go onto the sheet: the twelve tests in their
// order, each reading the parameters afresh from the state on every call.
#include <array>
#include <cstdint>
#include <vector>

#include "draws/draw_record.h"
#include "generation/history_index.h"
#include "generation/number_subsets.h"

namespace kw {

class MainState;

using DrawSlots = std::array<int, 9>;     // slots 1..8 of a draw (index 0 unused)
using CandidateRow = std::array<int, 8>;  // slots 1..5 numbers, 6..7 star numbers (index 0 unused)

struct RowTestContext {
    const MainState& state;
    // The list's rows read at the start of the run, then the run's placed rows,
    // as bit sets of their numbers (an empty row is 0).
    const std::vector<std::uint64_t>& comparisonRows;
    DrawSlots LastDraw{};
    DrawSlots SecondLastDraw{};
    DrawSlots ThirdLastDraw{};
    const std::vector<DrawRecord>& draws;  // the history as read at the start of the run
    // One index per history test (each keeps its own window); none: the plain scan.
    HistoryIndex* neverDrawnIndex = nullptr;
    HistoryIndex* recentIndex = nullptr;
    // The comparison rows' subsets, kept up to date as rows are added; none: the scan.
    SubsetBitmap* comparisonIndex = nullptr;
    std::size_t comparisonIndexed = 0;
};

int CountEven(const CandidateRow& row);
int CountOdd(const CandidateRow& row);
int primzahlen(const CandidateRow& row);
// The history tests; true when the row passes.
bool Secheroderfuenfer(const CandidateRow& row, RowTestContext& context);
bool dreierodervierer(const CandidateRow& row, RowTestContext& context);

inline constexpr std::uint64_t kRowNumbers = ((std::uint64_t(1) << 43) - 1) & ~std::uint64_t(1);

// The index that answers the first test of RowAcceptable for sheet row r, brought up
// to date; none when that test needs more than the index (or refuses nothing).
const SubsetBitmap* matchRefusalIndex(int r, RowTestContext& context);

// The tests for sheet row r (1..12); true when the candidate is accepted.
bool RowAcceptable(const CandidateRow& row, int r, RowTestContext& context);

}  // namespace kw
