#pragma once
// The history tests of a candidate row: is there a draw in a window of the
// history with at least X hits? Two ways with the same answers: the plain scan
// over the draws, and an index of the X-number subsets of the window's draws,
// whose cost per row does not grow with the history.
#include <array>
#include <cstdint>
#include <vector>

#include "draws/draw_record.h"
#include "generation/number_subsets.h"

namespace kw {

using Candidate = std::array<int, 5>;  // the row's five numbers

// Hits as the sheet evaluation counts them: each of the row's entries counts
// every slot 1..5 of the draw that equals it.
int drawHits(const Candidate& row, const DrawRecord& draw);

// The plain scan: a draw dated after start and not after end with hits >= x.
bool scanReaches(const std::vector<DrawRecord>& draws, DayCount start, DayCount end, int x,
                 const Candidate& row);

class HistoryIndex {
public:
    explicit HistoryIndex(const std::vector<DrawRecord>& draws) : m_draws(draws) {}
    // The same answer as scanReaches; the index for (start, end, x) is built on
    // first use and kept until one of them changes.
    bool reaches(DayCount start, DayCount end, int x, const Candidate& row);

private:
    void rebuild(DayCount start, DayCount end, int x);

    const std::vector<DrawRecord>& m_draws;
    bool m_built = false;
    DayCount m_start = 0, m_end = 0;
    int m_x = 0;
    bool m_windowEmpty = true;
    // One bit per x-number subset of 1..42 (by its rank): set when a regular
    // draw of the window contains it.
    SubsetBitmap m_subsets;
    std::vector<const DrawRecord*> m_irregular;  // draws with a number twice or outside 1..42
};

}  // namespace kw
