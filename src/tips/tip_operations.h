#pragma once
// What the user does with the tips as a whole: clearing them, switching between
// the sheet and the list view, taking rows over, editing the list outside.
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace kw {

class MainState;
class Sound;
struct Services;

inline constexpr int kListViewRowMaximum = 6000;

// SpeedButton11Click: asks first while a generation run is active; clears the list
// in the list view, else every unlocked row of the sheet.
void clearTips(MainState& state, Services& services);
// Empties every unlocked row of the sheet (cells, marks, results).
void clearUnlockedRows(MainState& state);
// ListenansichtClick: shows the list, offers to take the sheet's rows over, evaluates.
void showListView(MainState& state, Services& services);
// ListenansichtOhneClick: shows the list, appends the sheet's rows with their star numbers.
void showListViewAppendingSheet(MainState& state, Services& services);
// StandardansichtClick.
void showStandardView(MainState& state);
// SpeedButton28Click: writes the list, opens it in the editor, reads it back when
// the user says so.
void editListExternally(MainState& state, Services& services);

// Where takeRows put the rows.
enum class RowsTaken { Sheet, List, TooMany };
// Rows of five numbers from elsewhere (a wheel): up to as many as the sheet has
// unlocked rows replace the sheet's unlocked rows, more are appended to the list,
// which is shown; either is evaluated. Rows that would make the list longer than
// listMaximum lines change nothing (TooMany).
RowsTaken takeRows(MainState& state, Sound& sound, const std::vector<std::array<int, 5>>& rows,
                   int listMaximum);

// The list files in the DataFolder.
QString listTextFile(const MainState& state);  // gewinnzahlen.txt
QString listCopyFile(const MainState& state);  // gewinnzahlen.qlt
// At start: loads gewinnzahlen.txt when it is there, whatever the view; evaluates
// the list when the list view is restored.
void loadListAtStart(MainState& state, Services& services);
// At close with lines in the list, whatever the view: writes both list files.
// An empty list leaves them as they are.
bool saveListFiles(const MainState& state, QString* error);

}  // namespace kw
