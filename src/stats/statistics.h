#pragma once
// The statistics over the analysis window (DateTimePicker2 .. DateTimePicker1),
// each one pass over the draw history, each written into the state's chart.
namespace kw {

class MainState;
struct Services;

enum class RunLength { Pairs = 2, Triples = 3, Quadruples = 4 };

// SpeedButton2Click: how often each number was drawn (start inclusive).
void frequencyChart(MainState& state, Services& services);
// After draws came in: the number distribution, when it is the chart shown (as
// from the start on), counts them; another chart or a running history stays.
void recountFrequencyChart(MainState& state, Services& services);
// Button5Click: for how many draws each number has been overdue (start exclusive).
void overdueChart(MainState& state, Services& services);
// SpeedButton9Click: how often each sum of five numbers occurred (start exclusive).
void sumsChart(MainState& state, Services& services);
// Button2Click, Button3Click, Button4Click: runs of consecutive numbers drawn
// together (start exclusive). Leaves the last counted draw in Zahl[1..8].
void runChart(MainState& state, Services& services, RunLength length);
// SpeedButton30Click: how often each number was drawn with UpDown21 (start inclusive).
void pairsWithChart(MainState& state, Services& services);
// SpeedButton29Click: the next number (50 wraps to 1), then its pairs-with chart.
void nextPairsWithChart(MainState& state, Services& services);
// Button8Click: for how many draws each extra number has been overdue.
void extraNumberChart(MainState& state, Services& services);
// Button6Click: how often each number occurs in the sheet's rows or the list's lines.
void tipDistributionChart(MainState& state, Services& services);

// The frequency history: BitBtn20Click, one Timer1Timer tick (false once it has
// reached the end date), BitBtn21Click.
void startFrequencyHistory(MainState& state);
bool frequencyHistoryTick(MainState& state, Services& services);
void stopFrequencyHistory(MainState& state);

}  // namespace kw
