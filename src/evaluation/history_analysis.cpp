#include "evaluation/history_analysis.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "draws/current_draw.h"
#include "draws/draw_file.h"
#include "evaluation/sheet_evaluation.h"
#include "generation/generation_run.h"
#include "generation/random_generator.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "state/main_state.h"
#include "tips/integer_text.h"
#include "tips/shown_tips.h"
#include "tips/text_file.h"
#include "tips/tip_operations.h"

namespace kw {

namespace {

constexpr int kReportedHits = 5;  // the report's lines run from 0 to 5 hits
constexpr int kDaysPerWeek = 7;

QString shortDate(DayCount day)
{
    return dateFromDayCount(day).toString(QStringLiteral("dd.MM.yyyy"));
}

Task taskOf(HistoryOperation operation)
{
    return operation == HistoryOperation::TipSearch ? Task::Search : Task::Analysis;
}

// Counts a comparison by its hits; a draw with a number twice lets a row reach
// more hits than there are classes.
template <typename Counts>
void countHits(Counts& counts, int hits)
{
    if (hits >= 0 && hits < static_cast<int>(counts.size())) ++counts[static_cast<size_t>(hits)];
}

// The second click on a running operation's button.
void requestStop(MainState& state, HistoryOperation operation)
{
    state.run.requestStop(taskOf(operation));
    // The week's generation of the parameter analysis ends with it.
    if (operation == HistoryOperation::ParameterAnalysis) state.run.requestStop(Task::Generation);
    state.notifyRunChanged();
}

// The operation's run flag from its start to its end, however it ends.
class RunningOperation {
public:
    RunningOperation(MainState& state, HistoryOperation operation)
        : m_state(state), m_task(taskOf(operation))
    {
        if (m_task == Task::Analysis)
            m_state.databaseAnalysis = operation == HistoryOperation::DatabaseAnalysis;
        m_state.run.start(m_task);
        m_state.notifyRunChanged();
    }
    ~RunningOperation()
    {
        m_state.run.end(m_task);
        m_state.notifyRunChanged();
    }
    RunningOperation(const RunningOperation&) = delete;
    RunningOperation& operator=(const RunningOperation&) = delete;

    bool goingOn() const { return m_state.run.goingOn(m_task); }

private:
    MainState& m_state;
    Task m_task;
};

// Whether to begin: a click while the operation runs asks it to stop; a click
// while something else reads the history does nothing.
bool mayStart(MainState& state, HistoryOperation operation)
{
    if (historyOperationRunning(state, operation)) {
        requestStop(state, operation);
        return false;
    }
    return historyButtonEnabled(state, operation);
}

DrawHistory readHistory(const MainState& state, Services& services)
{
    QString error;
    DrawHistory records = DrawFile(state.drawFilePath()).readShared(&error);
    if (!records) services.dialogs.notify(error);
    return records;
}

// CheckBox20 off for the analysis' duration, as it was afterwards.
class NumberSelectionOff {
public:
    explicit NumberSelectionOff(MainState& state)
        : m_state(state), m_was(state.parameter(Param::ShowNumberSelection))
    {
        m_state.setParameter(Param::ShowNumberSelection, 0);
    }
    ~NumberSelectionOff() { m_state.setParameter(Param::ShowNumberSelection, m_was); }
    NumberSelectionOff(const NumberSelectionOff&) = delete;
    NumberSelectionOff& operator=(const NumberSelectionOff&) = delete;

private:
    MainState& m_state;
    int m_was;
};

using ClassSums = std::array<std::array<long long, 3>, kReportedHits + 1>;

QStringList parameterReport(const MainState& state, const ClassSums& sums, int weeks)
{
    const MessageTable& m = state.messages;
    QStringList lines{
        m.text(43), QString(),
        m.text(44) + QStringLiteral("\t1x ") + m.text(33) + QStringLiteral("\t2x ") + m.text(33)};
    for (int h = 0; h <= kReportedHits; ++h) {
        lines << QString::number(h) + QStringLiteral("x\t=> ") + QString::number(sums[h][0]) +
                     QStringLiteral("\t\t=> ") + QString::number(sums[h][1]) +
                     QStringLiteral("\t\t=> ") + QString::number(sums[h][2]);
    }
    const long long rows = state.parameter(Param::RowCount);
    lines << QString()
          << m.text(7) + QString::number(weeks) + QStringLiteral("      ") + m.text(28) +
                 QStringLiteral(": ") + QString::number(rows) + QStringLiteral(" => ") +
                 QString::number(rows * weeks) + m.text(45);
    return lines;
}

// The 5th or 95th percentile of sorted values: the smallest value that at least
// that share of the runs does not exceed.
long long percentile(const std::vector<long long>& sorted, int percent)
{
    const auto n = static_cast<long long>(sorted.size());
    const long long rank = std::max(1LL, (n * percent + 99) / 100);
    return sorted[static_cast<size_t>(rank - 1)];
}

// One line of the comparison: the settings' figure, the runs' mean, 5th and 95th
// percentile, and the share of runs below the settings (ties count half).
struct Spread {
    long long settings = 0;
    double mean = 0;
    long long low = 0;
    long long high = 0;
    double rank = 0;
};

Spread spreadOf(long long settings, std::vector<long long> runs)
{
    std::sort(runs.begin(), runs.end());
    Spread spread;
    spread.settings = settings;
    long long sum = 0;
    double below = 0;
    for (long long value : runs) {
        sum += value;
        if (value < settings)
            below += 1;
        else if (value == settings)
            below += 0.5;
    }
    const auto n = static_cast<double>(runs.size());
    spread.mean = static_cast<double>(sum) / n;
    spread.low = percentile(runs, 5);
    spread.high = percentile(runs, 95);
    spread.rank = 100.0 * below / n;
    return spread;
}

QString spreadLine(const QString& name, const Spread& s)
{
    return name + QStringLiteral("\t=> ") + QString::number(s.settings) + QLatin1Char('\t') +
           QString::number(s.mean, 'f', 1) + QLatin1Char('\t') + QString::number(s.low) +
           QLatin1Char('\t') + QString::number(s.high) + QLatin1Char('\t') +
           QString::number(std::lround(s.rank)) + QStringLiteral(" %");
}

long long allHits(const HitClassCounts& counts)
{
    long long hits = 0;
    for (int h = 0; h <= kReportedHits; ++h) hits += h * counts[static_cast<size_t>(h)];
    return hits;
}

using HitCounts = std::array<long long, 7>;

QStringList databaseReport(const MainState& state, const HitCounts& earlier, const HitCounts& next)
{
    const MessageTable& m = state.messages;
    QStringList lines{m.text(63)};
    const auto addCounts = [&lines](const HitCounts& counts) {
        for (int h = 0; h <= kReportedHits; ++h)
            lines << QString::number(h) + QStringLiteral("x    =>") + QString::number(counts[h]);
    };
    addCounts(earlier);
    lines << QStringLiteral(" ") << m.text(64);
    addCounts(next);
    return lines;
}

}  // namespace

bool historyOperationRunning(const MainState& state, HistoryOperation operation)
{
    switch (operation) {
    case HistoryOperation::TipSearch: return state.run.running(Task::Search);
    case HistoryOperation::ParameterAnalysis:
        return state.run.running(Task::Analysis) && !state.databaseAnalysis;
    case HistoryOperation::DatabaseAnalysis:
        return state.run.running(Task::Analysis) && state.databaseAnalysis;
    }
    return false;
}

bool historyOperationRunning(const MainState& state)
{
    return state.run.running(Task::Search) || state.run.running(Task::Analysis);
}

QString historyButtonCaption(const MainState& state, HistoryOperation operation,
                             const QString& atRest)
{
    const bool stoppable =
        historyOperationRunning(state, operation) && !state.run.stopRequested(taskOf(operation));
    return stoppable ? state.messages.text(20) : atRest;
}

bool historyButtonEnabled(const MainState& state, HistoryOperation operation)
{
    if (historyOperationRunning(state, operation)) return true;
    return !historyOperationRunning(state) && !state.run.running(Task::Generation) &&
           !state.run.running(Task::Download) && !state.drawMaintenanceOpen;
}

QString notAnIntegerText(const QString& text)
{
    return QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text);
}

HitClassCounts randomTipCounts(const std::vector<PlayedWeek>& weeks, std::uint32_t seed)
{
    constexpr int kHighest = 42;
    RandomGenerator random;
    random.setSeed(seed);
    HitClassCounts counts{};
    for (const PlayedWeek& week : weeks) {
        // How often each number was drawn (a number drawn twice counts twice).
        std::array<int, kHighest + 1> drawn{};
        for (int n : week.draw)
            if (n >= 1 && n <= kHighest) ++drawn[static_cast<size_t>(n)];
        for (int r = 0; r < week.rows; ++r) {
            std::uint64_t taken = 0;
            int hits = 0;
            for (int picked = 0; picked < 5;) {
                const int n = random.random(kHighest) + 1;
                if (taken & (std::uint64_t{1} << n)) continue;
                taken |= std::uint64_t{1} << n;
                hits += drawn[static_cast<size_t>(n)];
                ++picked;
            }
            countHits(counts, hits);
        }
    }
    return counts;
}

QStringList randomComparisonReport(const MessageTable& m, const HitClassCounts& settings,
                                   const std::vector<HitClassCounts>& runs)
{
    QStringList lines{QString(), m.text(Message::RandomComparisonHeading).arg(runs.size()),
                      m.text(Message::RandomComparisonColumns)};
    if (runs.empty()) return lines;
    std::vector<long long> values(runs.size());
    for (int h = 0; h <= kReportedHits; ++h) {
        for (size_t k = 0; k < runs.size(); ++k) values[k] = runs[k][static_cast<size_t>(h)];
        lines << spreadLine(QString::number(h) + QLatin1Char('x'),
                            spreadOf(settings[static_cast<size_t>(h)], values));
    }
    for (size_t k = 0; k < runs.size(); ++k) values[k] = allHits(runs[k]);
    const Spread hits = spreadOf(allHits(settings), values);
    lines << spreadLine(m.text(Message::RandomComparisonAllHits), hits);
    if (hits.settings > hits.high)
        lines << m.text(Message::RandomComparisonBetter).arg(hits.settings).arg(hits.high);
    else if (hits.settings < hits.low)
        lines << m.text(Message::RandomComparisonWorse).arg(hits.settings).arg(hits.low);
    else
        lines << m.text(Message::RandomComparisonWithin)
                     .arg(hits.settings)
                     .arg(hits.low)
                     .arg(hits.high)
                     .arg(QString::number(hits.mean, 'f', 1));
    return lines;
}

std::optional<QStringList> analyseParameters(MainState& state, Services& services, RunHooks& hooks,
                                             int randomRuns)
{
    if (!mayStart(state, HistoryOperation::ParameterAnalysis)) return std::nullopt;
    const MessageTable& m = state.messages;
    if (!services.dialogs.askYesNo(m.text(40) + QLatin1Char(' ') +
                                       shortDate(state.DateTimePicker1.date()) + QLatin1Char(' ') +
                                       m.text(41),
                                   m.text(42)))
        return std::nullopt;
    RunningOperation operation(state, HistoryOperation::ParameterAnalysis);
    NumberSelectionOff selectionOff(state);
    selectDrawForDate(state, services);
    const DrawHistory records = readHistory(state, services);
    if (!records || records->empty()) return std::nullopt;
    DayCount newest = records->front().datum;
    for (const DrawRecord& r : *records) newest = std::max(newest, r.datum);

    // The seed shows as the signed number it is read back as.
    const QString proposal = QString::number(static_cast<qint32>(state.random.seed()));
    const QString answer =
        services.dialogs.inputText(m.text(35), m.text(36), proposal).value_or(proposal);
    const auto lucky = parseInteger(answer);
    if (!lucky) {
        services.dialogs.notify(m.text(46));
        return std::nullopt;
    }
    const auto seed = static_cast<std::uint32_t>(*lucky);
    state.random.setSeed(seed);
    state.setStatusText(
        1, m.text(37) + QLatin1Char(' ') + QString::number(*lucky) + QLatin1Char(' ') + m.text(38));

    ClassSums sums{};
    int weeks = 0;
    std::vector<PlayedWeek> played;
    DayCount previous = dayCountFromDate(services.clock.today());
    // The analysis keeps its own date: what the user does with the picker meanwhile
    // does not move it, not even for the further runs of a week in the list view. A
    // date past the newest draw means the history went away.
    DayCount current = state.DateTimePicker1.date();
    RunHooks weekHooks = hooks;
    weekHooks.letEventsThrough = [&] {
        hooks.letEventsThrough();
        if (state.DateTimePicker1.date() != current) {
            state.DateTimePicker1.setDate(current);
            state.notifyDrawChanged();
        }
    };
    // The weeks' runs never open the selection dialog, whatever CheckBox20 says meanwhile.
    weekHooks.selectNumbers = nullptr;
    while (current != previous && current <= newest) {
        previous = current;
        state.random.setSeed(seed);
        state.DateTimePicker1.setDate(current);
        if (listShown(state)) {
            // The week's tips are the list: the start button fills it anew.
            state.Gewinnzahlen.clear();
            state.Gewinne.clear();
            state.notifyListChanged();
        }
        BrechnungStart(state, services, weekHooks);
        if (!operation.goingOn()) return std::nullopt;

        state.DateTimePicker1.setDate(current + kDaysPerWeek);
        // Only this week's tips count (the list evaluation keeps the count for no hit).
        for (auto& row : state.Statistik) row.fill(0);
        selectDrawForDate(state, services);
        ++weeks;
        for (int h = 0; h <= kReportedHits; ++h)
            for (int c = 0; c < 3; ++c) sums[h][c] += state.Statistik[h][c];
        if (randomRuns > 0) {
            PlayedWeek week;
            for (int i = 0; i < 5; ++i) week.draw[static_cast<size_t>(i)] = state.Zahl[i + 1];
            for (const auto& row : state.Statistik) week.rows += row[0];
            played.push_back(week);
        }
        current = state.DateTimePicker1.date();
        state.setStatusText(0, shortDate(current));
        if (hooks.eventsDue()) hooks.letEventsThrough();
        if (!operation.goingOn()) return std::nullopt;
    }
    QStringList report = parameterReport(state, sums, weeks);
    if (randomRuns <= 0) return report;

    HitClassCounts settings{};
    for (int h = 0; h <= kReportedHits; ++h) settings[static_cast<size_t>(h)] = sums[h][0];
    std::vector<HitClassCounts> runs;
    runs.reserve(static_cast<size_t>(randomRuns));
    for (int k = 1; k <= randomRuns; ++k) {
        runs.push_back(randomTipCounts(played, static_cast<std::uint32_t>(k)));
        state.setStatusText(
            0, QString::number(k) + QStringLiteral(" / ") + QString::number(randomRuns));
        if (hooks.eventsDue()) hooks.letEventsThrough();
        if (!operation.goingOn()) return std::nullopt;
    }
    return report + randomComparisonReport(m, settings, runs);
}

std::optional<QStringList> analyseDatabase(MainState& state, Services& services, RunHooks& hooks)
{
    if (!mayStart(state, HistoryOperation::DatabaseAnalysis)) return std::nullopt;
    const MessageTable& m = state.messages;
    if (!services.dialogs.askYesNo(m.text(55) + QLatin1Char(' ') +
                                       shortDate(state.DateTimePicker1.date()) + QLatin1Char(' ') +
                                       m.text(56),
                                   m.text(57)))
        return std::nullopt;
    RunningOperation operation(state, HistoryOperation::DatabaseAnalysis);
    selectDrawForDate(state, services);
    hooks.showTipPage();
    // The whole history once; the walk ends at its newest draw, so an empty one ends it at once.
    const DrawHistory records = readHistory(state, services);
    if (!records || records->empty()) return std::nullopt;
    const int last = static_cast<int>(records->size()) - 1;

    const QString proposal = QStringLiteral("5");
    const QString answer =
        services.dialogs.inputText(m.text(58), m.text(59), proposal).value_or(proposal);
    const auto threshold = parseInteger(answer);
    if (!threshold) {
        services.dialogs.notify(notAnIntegerText(answer));
        return std::nullopt;
    }
    BusyCursor busy(services.dialogs);
    HitCounts earlier{}, next{};

    // The analysis keeps its own place: stepping through the draws meanwhile does not move it.
    int position = std::clamp(state.Position, 0, last);
    DayCount limit = state.DateTimePicker1.date() + 10;
    const DayCount newest = records->back().datum;
    // Up to the newest draw, which has no next draw to compare with.
    while (newest > (*records)[position].datum) {
        const DrawRecord& shown = (*records)[position];
        TipSheet& sheet = state.sheet;
        clearUnlockedRows(state);
        for (int c = 1; c <= 5; ++c) sheet.setCell(1, c, QString::number(shown.slot(c)));
        sheet.setCell(1, 6, QString::number(shown.slot(7)));
        sheet.setCell(1, 7, QString::number(shown.slot(8)));
        // Row 1 as written (the cells keep only valid numbers), fixed for this draw.
        std::array<QString, 7> cells;
        for (int c = 1; c <= 7; ++c) cells[c - 1] = sheet.cell(1, c);
        const RowEntries row{cells[0], cells[1], cells[2], cells[3], cells[4], cells[5], cells[6]};
        // The draws compared with it: from aktDatum as the last selection or step left
        // it up to the draw itself; taken before the user can act.
        state.Gewinn = 0;
        state.dfb = state.DateTimePicker1.date();
        const DayCount from = state.aktDatum;
        const DayCount before = state.dfb;

        state.setStatusText(0, shortDate(limit));
        state.setStatusText(1, shortDate(shown.datum));
        if (hooks.eventsDue()) hooks.letEventsThrough();
        if (!operation.goingOn()) return std::nullopt;
        for (const DrawRecord& record : *records) {
            if (!(record.datum >= from && record.datum < before)) continue;
            state.Datum1 = record.datum;
            for (int i = 1; i <= DrawRecord::kSlots; ++i) state.Zahl[i] = record.slot(i);
            Zettelcheck(state, row);
            countHits(earlier, state.Gewinn);
            if (state.Gewinn >= *threshold &&
                !services.dialogs.askYesNo(m.text(60) + QStringLiteral(" :  ") +
                                               shortDate(record.datum) + QStringLiteral(". ") +
                                               m.text(61),
                                           m.text(62)))
                return std::nullopt;
            if (hooks.eventsDue()) hooks.letEventsThrough();
            if (!operation.goingOn()) return std::nullopt;
        }

        state.Position = position;
        showNextDraw(state, services);
        // A history that changed under the analysis ends it.
        if (state.Position != position + 1 || state.Datum1 != (*records)[position + 1].datum)
            return std::nullopt;
        position = state.Position;
        Zettelcheck(state, row);
        countHits(next, state.Gewinn);
        limit = newest;
    }
    return databaseReport(state, earlier, next);
}

void showAnalysisReport(const MainState& state, Services& services, const QStringList& lines)
{
    const QString path = state.Home + QStringLiteral("Test.txt");
    QString error;
    if (!writeTextLines(path, lines, &error) || !services.shell.openUrl(path, &error))
        services.dialogs.notify(error);
}

}  // namespace kw
