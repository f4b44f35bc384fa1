#pragma once
// The tips the user sees: the list view's lines when the list is shown, else the
// sheet's rows. Every operation that reads tips (evaluation, saving, printing, the
// slip, the web cart, click scripts, the generation) chooses by this one test.
#include <QStringList>

#include "state/main_state.h"

namespace kw {

inline bool listShown(const MainState& state)
{
    return state.listView;
}

// The shown tips as a tip file holds them: the list's lines as they are, or one
// line per filled sheet row ("3,12,17,25,40,,").
QStringList shownTipLines(const MainState& state);

}  // namespace kw
