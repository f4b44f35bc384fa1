#pragma once
// Building a run's NumberPool from the statistics and the parameters: weighted
// entries for frequent or rare groups and numbers, overdue numbers and the last
// draw's neighbours, the base set, then the removals and the compaction.
#include "generation/number_pool.h"
#include "generation/row_constraints.h"

namespace kw {

class MainState;
struct Services;

// R(x): x rounded to the nearest integer, halves to even.
int roundHalfEven(double x);

// Steps up to the compaction; the selection dialog is the run's business.
void buildNumberPool(MainState& state, Services& services, NumberPool& pool, const DrawSlots& last,
                     const DrawSlots& secondLast, const DrawSlots& thirdLast);

}  // namespace kw
