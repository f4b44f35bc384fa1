#pragma once
// "Tipps berechnen": fills the sheet's rows with generated tips from the
// NumberPool within one shared attempt budget, and in the list view repeats
// until the list holds the requested number of rows.
#include <QString>
#include <functional>

namespace kw {

class MainState;
class NumberPool;
struct Services;

// What the run needs of the window around it.
struct RunHooks {
    // Whether it is time to let the window handle pending input, and doing so
    // (a stop click, control changes take effect then).
    std::function<bool()> eventsDue = [] { return false; };
    std::function<void()> letEventsThrough = [] {};
    // The selection dialog with the pool's counts: true to go on (the pool may
    // have been rebuilt from the dialog), false to abandon the run. None: go on.
    std::function<bool(NumberPool& pool)> selectNumbers;
    // Shows the tip page.
    std::function<void()> showTipPage = [] {};
};

struct RunResult {
    int linesAdded = 0;
    bool stopped = false;       // by a second click
    bool budgetUsedUp = false;  // status entry 29
};

// The start button's caption: "Stoppen" (entry 20) while a run goes on, else its
// caption at rest.
QString startButtonCaption(const MainState& state);
// The run (Label28Click).
RunResult generationRun(MainState& state, Services& services, RunHooks& hooks);
// BrechnungStart: one run, the list view restored as it was, and in the list
// view further runs until the list holds the requested count (or a run adds nothing).
void BrechnungStart(MainState& state, Services& services, RunHooks& hooks);

inline constexpr int kMaxListRows = 6500;

}  // namespace kw
