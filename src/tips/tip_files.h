#pragma once
// Tip files in DataFolder + "Tipps/": saving and loading the sheet's rows or the
// list view's lines, and opening a saved list in the user's editor.
#include <QString>
#include <QStringList>
#include <array>

#include "draws/day_count.h"

namespace kw {

class MainState;
class TipSheet;
struct Services;

// The proposed name: the end date plus seven days, "yyyymmdd.qlt".
QString tipFileProposedName(DayCount endDate);
// DataFolder + "Tipps/".
QString tipFolder(const MainState& state);

// The standard form: one line per row whose first cell is filled, seven fields
// joined by "," (empty cells stay empty: "3,12,17,25,40,,").
QStringList sheetFileLines(const TipSheet& sheet);
// The five-number form: per sheet row whose first number is filled, its five
// numbers joined by "," (no star numbers, no trailing commas).
QStringList sheetFiveNumberLines(const TipSheet& sheet);
// The slip printing's tip file: the list's lines in the list view, else the sheet
// in the five-number form, written under the proposed name in the tip folder
// without a dialog (an old file of that name is replaced; a failed write is not
// reported). Returns the lines, which are what the file holds.
QStringList writeSlipTipFile(const MainState& state);
// Columns 1..7 of a line read in the standard view: the texts between the first
// six commas; everything after the last of them (or the whole line) is column 7.
std::array<QString, 7> splitSheetLine(const QString& line);
// A file's lines as the list view takes them: trimmed, runs of up to 16 blanks
// made one, blanks and commas made TABs.
QStringList normaliseListLines(const QStringList& lines);

// SpeedButton15Click: the sheet, or the list in the list view, into a file the
// user chooses. True when a file was written.
bool saveTips(MainState& state, Services& services);
// SpeedButton16Click: a file into the sheet or the list, then the CurrentDraw
// is selected anew (which evaluates).
void loadTips(MainState& state, Services& services);
// GewinnzahlenDblClick: saves the list and opens the file in the editor.
void saveTipsAndEdit(MainState& state, Services& services);

}  // namespace kw
