#pragma once
// Tips against the CurrentDraw: the one row comparison everything uses, the
// evaluation of the sheet and of the list view's lines.
#include <QString>
#include <QStringView>
#include <array>

namespace kw {

class MainState;
class Sound;

using RowEntries = std::array<QStringView, 7>;  // five numbers, two extra values

// Compares the entries with the first five number slots of the CurrentDraw into
// Treffer, Gewinn, Zusatz and Super. The first entry that is no integer ends it.
void Zettelcheck(MainState& state, const RowEntries& entries);

// Evaluates the twelve sheet rows (only while sortieren is true): sorts and
// rewrites complete rows, marks hits, shows hit counts and sums, counts the hit
// classes. Returns the best-result code (100 x the most hits).
int Komplettcheck(MainState& state, Sound& sound);

// Evaluates every line of the list into Gewinne and the status panel 0.
int Listengewinncheck(MainState& state, Sound& sound);

// A list line as the readers see it: every "\t\t\t" collapsed to "\t", then the
// texts before the first six TABs and the rest of the line. The views point into
// collapsed, which must outlive them.
RowEntries splitListLine(const QString& line, QString& collapsed);

}  // namespace kw
