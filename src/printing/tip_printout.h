#pragma once
// "Tipp ausdrucken": the shown tips as a plain-text printout in the DataFolder's
// "Tipp.txt", handed to the user's viewer, from which the user prints.
#include <QStringList>
#include <optional>

namespace kw {

class MainState;
struct Services;

// The printout's lines: the heading for the day after the CurrentDraw, 46 tildes,
// an empty line, then one line per sheet row with a first number (labelled with
// its row) or per list line (numbered from 1). nullopt with *error set when a tip
// holds a field that is no whole number.
std::optional<QStringList> tipPrintoutLines(const MainState& state, QString* error);

// Writes the lines to DataFolder + "Tipp.txt" and opens it (BitBtn7Click). Nothing
// is written or opened when the lines cannot be built.
void printTips(const MainState& state, Services& services);

}  // namespace kw
