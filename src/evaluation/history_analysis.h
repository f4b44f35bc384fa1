#pragma once
// Looking back over the draw history: how the current generation settings would
// have done week by week (BitBtn9), and how many numbers each draw shares with
// the draws before it and with the next one (BitBtn19). Both end in a text report
// for "Test.txt". One of them, or the tip search, runs at a time; a second click on
// its button stops it, and the window closes only once it has ended.
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace kw {

class MainState;
class MessageTable;
struct RunHooks;
struct Services;

enum class HistoryOperation { TipSearch, ParameterAnalysis, DatabaseAnalysis };

// Whether the operation runs now.
bool historyOperationRunning(const MainState& state, HistoryOperation operation);
// Whether the tip search or one of the analyses runs: while one does, the others,
// the generation started by the user, the download and changes of the DrawFile by
// hand wait or are refused.
bool historyOperationRunning(const MainState& state);
// The operation's button: "Stoppen" (entry 20) while it goes on, else atRest.
QString historyButtonCaption(const MainState& state, HistoryOperation operation,
                             const QString& atRest);
// A button of a history operation can be clicked: to stop its own operation, or
// to start it when nothing else that reads the history runs (no generation, no
// download, no other history operation).
bool historyButtonEnabled(const MainState& state, HistoryOperation operation);

// BitBtn9Click. Asks whether to start from the date of DateTimePicker1 and for the
// lucky number, then generates the tips of every week from that date on with the
// start button's run (CheckBox20 off, the view as it was) and evaluates them
// against the draw a week later. In the list view each week's tips replace the
// list. With randomRuns above 0 the same weeks are then played that many times
// with plain random tips and the comparison follows the report's lines. Returns
// the report; none when the user said No, the lucky number was no whole number
// (entry 46), the history is empty or the analysis was stopped.
std::optional<QStringList> analyseParameters(MainState& state, Services& services, RunHooks& hooks,
                                             int randomRuns = 0);

// The rows of each hit class, 0 to 5 hits.
using HitClassCounts = std::array<long long, 6>;

// A week the parameter analysis played: the draw its rows were compared with and
// how many rows there were.
struct PlayedWeek {
    std::array<int, 5> draw{};
    int rows = 0;
};

// Plain random tips for the played weeks: each week as many rows as the settings
// gave, every row five different numbers drawn uniformly from 1 to 42 with the
// program's generator seeded with seed. Counts the rows by their hits.
HitClassCounts randomTipCounts(const std::vector<PlayedWeek>& weeks, std::uint32_t seed);

// The comparison of the settings' counts with those of random runs (seeded 1, 2,
// ...): per hit class and for all hits together the settings' figure, the runs'
// mean, 5th and 95th percentile and the settings' percentile rank, then whether
// the settings did better than chance.
QStringList randomComparisonReport(const MessageTable& messages, const HitClassCounts& settings,
                                   const std::vector<HitClassCounts>& runs);

// BitBtn19Click. Asks whether to start from the date of DateTimePicker1 and for the
// threshold, then for each draw from that date on until the newest: row 1 holds
// the draw, the draws of the window before it are compared with it (A) and so is
// the next draw (B). A comparison with at least the threshold's hits asks whether
// to go on. Returns the report; none when the user said No, the threshold was no
// whole number, the history is empty or the analysis was stopped.
std::optional<QStringList> analyseDatabase(MainState& state, Services& services, RunHooks& hooks);

// Writes the report to DataFolder + "Test.txt" and opens it with the user's viewer.
void showAnalysisReport(const MainState& state, Services& services, const QStringList& lines);

// The message of a number the user typed that is no whole number.
QString notAnIntegerText(const QString& text);

}  // namespace kw
