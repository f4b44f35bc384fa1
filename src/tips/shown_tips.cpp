#include "tips/shown_tips.h"

#include "tips/tip_files.h"

namespace kw {

QStringList shownTipLines(const MainState& state)
{
    return listShown(state) ? state.Gewinnzahlen : sheetFileLines(state.sheet);
}

}  // namespace kw
