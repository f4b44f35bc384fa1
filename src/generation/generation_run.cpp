#include "generation/generation_run.h"

#include <algorithm>
#include <bit>
#include <memory>

#include "draws/current_draw.h"
#include "draws/draw_file.h"
#include "evaluation/sheet_evaluation.h"
#include "generation/number_pool.h"
#include "generation/pool_builder.h"
#include "generation/row_constraints.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "state/main_state.h"
#include "tips/integer_text.h"
#include "tips/shown_tips.h"
#include "tips/tip_operations.h"

namespace kw {

namespace {

// The history indexes outlive a run while the history read stays the same, so
// that repeated runs (those of the list view) do not build them again.
struct HistoryIndexes {
    DrawHistory draws;
    std::unique_ptr<HistoryIndex> neverDrawn, recent;
};

HistoryIndexes& indexesFor(const DrawHistory& draws)
{
    static HistoryIndexes kept;
    if (kept.draws != draws) {
        kept.draws = draws;
        kept.neverDrawn = std::make_unique<HistoryIndex>(*draws);
        kept.recent = std::make_unique<HistoryIndex>(*draws);
    }
    return kept;
}

// The list's lines as the last run read them, with their numbers and the match
// test's index over them, so that the next run reads only the lines added since.
struct ListRows {
    QStringList lines;  // each shares its text with the list's line it was read from
    std::vector<std::uint64_t> masks;
    SubsetBitmap index;
    std::size_t indexed = 0;  // masks[0, indexed) are in index

    void keep(qsizetype count)
    {
        lines.resize(count);
        masks.resize(static_cast<std::size_t>(count));
        if (indexed > masks.size()) reindex(index.size());
    }
    void reindex(int size)
    {
        index.reset(size);
        indexed = 0;
    }
};

ListRows& listRowsRead()
{
    static ListRows kept;
    return kept;
}

// A line kept in ListRows is the list's line still when both share their text:
// a line that was changed since holds text of its own.
bool sameText(const QString& kept, const QString& line)
{
    return kept.constData() == line.constData() && kept.size() == line.size();
}

std::uint64_t maskOf(const int* numbers, int count)
{
    std::uint64_t mask = 0;
    for (int i = 0; i < count; ++i)
        if (numbers[i] > 0 && numbers[i] < 64) mask |= std::uint64_t(1) << numbers[i];
    return mask;
}

DrawSlots currentSlots(const MainState& state)
{
    DrawSlots draw{};
    for (int i = 1; i <= 8; ++i) draw[i] = state.Zahl[i];
    return draw;
}

QString statusLine(const MainState& state, int row, const CandidateRow& c, int sum)
{
    const QString blanks = row == 3                 ? QStringLiteral("    ")
                           : (row == 2 || row == 4) ? QStringLiteral("   ")
                                                    : QStringLiteral("  ");
    return QString::number(row) + QLatin1Char('.') + state.messages.text(28) +
           QStringLiteral(":  ") + QString::number(c[1]) + QLatin1Char(' ') +
           QString::number(c[2]) + QStringLiteral("  ") + QString::number(c[3]) +
           QStringLiteral("  ") + QString::number(c[4]) + QStringLiteral("  ") +
           QString::number(c[5]) + blanks + QStringLiteral("QS: ") + QString::number(sum);
}

// How a sheet row's attempts begin: empty, or a locked row's first numbers.
struct RowStart {
    CandidateRow row{};
    int fill = 1;              // the next slot to draw
    std::uint64_t placed = 0;  // the numbers 1..63 among the first
    bool poolSuffices = true;  // whether the pool holds enough other numbers to complete it
};

RowStart rowStart(const TipSheet& sheet, int r, std::uint64_t poolNumbers)
{
    RowStart start;
    if (sheet.isLocked(r) && !sheet.cell(r, 1).isEmpty()) {
        for (int col = 1; col <= 3; ++col) {
            const auto value = parseInteger(sheet.cell(r, col));
            if (!value) break;
            start.row[start.fill++] = *value;
        }
    }
    for (int s = 1; s < start.fill; ++s)
        if (start.row[s] > 0 && start.row[s] < 64) start.placed |= std::uint64_t(1) << start.row[s];
    start.poolSuffices = std::popcount(poolNumbers & ~start.placed) >= 6 - start.fill;
    return start;
}

// Slots 1..5 in ascending order.
void sortFive(CandidateRow& c)
{
    for (int i = 2; i <= 5; ++i) {
        const int value = c[i];
        int j = i - 1;
        for (; j >= 1 && c[j] > value; --j) c[j + 1] = c[j];
        c[j + 1] = value;
    }
}

// Everything the run changes for its own duration, put back however it ends.
class TemporaryChanges {
public:
    TemporaryChanges(MainState& state, Services& services)
        : m_state(state),
          m_services(services),
          m_forcePair(state.parameter(Param::ForcePair)),
          m_maxFromLast(state.parameter(Param::MaxFromLastDraw)),
          m_maxFromSecondLast(state.parameter(Param::MaxFromSecondLastDraw)),
          m_neverDrawnHits(state.parameter(Param::NeverDrawnHits)),
          m_neverDrawnHitsMaximum(state.parameterMaximum(Param::NeverDrawnHits))
    {
        m_services.dialogs.setBusy(true);
    }
    ~TemporaryChanges()
    {
        m_state.setParameter(Param::ForcePair, m_forcePair);
        m_state.setParameter(Param::MaxFromLastDraw, m_maxFromLast);
        m_state.setParameter(Param::MaxFromSecondLastDraw, m_maxFromSecondLast);
        m_state.setParameterMaximum(Param::NeverDrawnHits, m_neverDrawnHitsMaximum);
        m_state.setParameter(Param::NeverDrawnHits, m_neverDrawnHits);
        m_state.Berechnunglaeuft = false;
        m_state.sortieren = true;
        m_state.run.end(Task::Generation);
        m_state.notifyRunChanged();
        m_services.dialogs.setBusy(false);
    }

private:
    MainState& m_state;
    Services& m_services;
    int m_forcePair, m_maxFromLast, m_maxFromSecondLast, m_neverDrawnHits, m_neverDrawnHitsMaximum;
};

}  // namespace

QString startButtonCaption(const MainState& state)
{
    return state.run.goingOn(Task::Generation) ? state.messages.text(20) : state.Tippsberechnen;
}

RunResult generationRun(MainState& state, Services& services, RunHooks& hooks)
{
    RunResult outcome;
    const MessageTable& m = state.messages;
    const int requested = state.parameter(Param::RowCount);
    std::vector<std::uint64_t> comparison;
    int listCount = 0;
    const bool fillsList = listShown(state);
    if (fillsList) {
        if (state.Gewinnzahlen.size() >= requested) {
            services.dialogs.notify(m.text(Message::ListAlreadyReached).arg(requested));
            return outcome;
        }
        if (state.Gewinnzahlen.size() > kMaxListRows) {
            services.dialogs.notify(
                QStringLiteral("Es können nicht mehr als 6500 Reihen berechnet werden!!"));
            return outcome;
        }
        // Only the lines added since the last run are read: a long list's fill
        // runs once for every few lines it adds.
        ListRows& known = listRowsRead();
        const QStringList& lines = state.Gewinnzahlen;
        qsizetype same = 0;
        while (same < known.lines.size() && same < lines.size() &&
               sameText(known.lines[same], lines[same]))
            ++same;
        known.keep(same);
        QString collapsed;
        for (qsizetype i = same; i < lines.size(); ++i) {
            const RowEntries fields = splitListLine(lines[i], collapsed);
            int numbers[5] = {};
            for (int f = 0; f < 5; ++f) {
                if (fields[f].isEmpty()) continue;
                const auto value = parseInteger(fields[f]);
                if (!value) {
                    services.dialogs.notify(QStringLiteral("'") + fields[f].toString() +
                                            QStringLiteral("' ist keine gültige Zahl."));
                    return outcome;
                }
                numbers[f] = *value;
            }
            known.lines.append(lines[i]);
            known.masks.push_back(maskOf(numbers, 5));
        }
        comparison = known.masks;
        listCount = static_cast<int>(comparison.size());
        showStandardView(state);
        state.setParameter(Param::RowCount,
                           listCount + 12 < requested ? 12 : requested - listCount);
    }
    if (state.run.running(Task::Generation)) {
        state.run.requestStop(Task::Generation);  // the second click: stop the active run
        state.notifyRunChanged();
        return outcome;
    }

    state.run.start(Task::Generation);
    state.sortieren = false;
    const int laufMax = state.LaufMax();
    const int linesBefore = static_cast<int>(state.Gewinnzahlen.size());
    state.notifyRunChanged();
    bool budgetUsedUp = false;
    {
        TemporaryChanges restore(state, services);

        const DayCount endDate = state.DateTimePicker1.date();
        selectDrawForDate(state, services);
        const DrawSlots last = currentSlots(state);
        showPreviousDraw(state, services);
        const DrawSlots secondLast = currentSlots(state);
        showPreviousDraw(state, services);
        const DrawSlots thirdLast = currentSlots(state);
        state.DateTimePicker1.setDate(endDate);
        selectDrawForDate(state, services);

        // The run's own clearing asks nothing (the question is for the user's clear).
        clearUnlockedRows(state);

        NumberPool pool;
        buildNumberPool(state, services, pool, last, secondLast, thirdLast);
        if (state.isOn(Param::ShowNumberSelection) && hooks.selectNumbers) {
            hooks.showTipPage();
            if (!hooks.selectNumbers(pool)) return outcome;
        }

        QString error;
        const auto draws = DrawFile(state.drawFilePath()).readShared(&error);
        if (!draws) {
            services.dialogs.notify(error);
            return outcome;
        }
        HistoryIndexes& indexes = indexesFor(draws);
        SubsetBitmap shared;
        std::size_t indexed = 0;
        if (listCount > 0) {
            // The list's part of the match test's index, kept from run to run.
            ListRows& known = listRowsRead();
            const int matchesRefused = state.parameter(Param::MaxMatches) + 1;
            if (known.index.size() != matchesRefused) known.reindex(matchesRefused);
            while (known.indexed < known.masks.size())
                known.index.addRow(known.masks[known.indexed++]);
            shared = known.index;
            indexed = known.indexed;
        }
        RowTestContext context{state,
                               comparison,
                               last,
                               secondLast,
                               thirdLast,
                               *draws,
                               indexes.neverDrawn.get(),
                               indexes.recent.get(),
                               &shared,
                               indexed};

        // A list being filled shows the rows it holds while the run goes on (the
        // statistics for the pool have shown their date there).
        if (fillsList)
            state.setStatusText(0, m.text(Message::ListFillProgress).arg(listCount).arg(requested));
        state.setStatusText(1, m.text(27));
        state.Berechnunglaeuft = true;
        hooks.showTipPage();
        int attempts = 0;
        std::uint64_t poolNumbers = 0;
        bool rowNumbersOnly = true;  // every entry a pick may hit is 0..42
        for (int i = 0; i <= pool.PoolEnd; ++i) {
            if (pool.entry(i) < 64) poolNumbers |= std::uint64_t(1) << pool.entry(i);
            rowNumbersOnly = rowNumbersOnly && pool.entry(i) <= 42;
        }
        poolNumbers &= ~std::uint64_t(1);
        const auto running = [&state] { return state.run.goingOn(Task::Generation); };
        RandomGenerator& random = state.random;

        for (int r = 1; r <= kTipRowCount; ++r) {
            TipSheet& sheet = state.sheet;
            CandidateRow c{};
            bool generated = false;
            const bool locked = sheet.isLocked(r);
            if (locked && !sheet.cell(r, 5).isEmpty()) {
                for (int col = 1; col <= 7; ++col)
                    c[col] = parseInteger(sheet.cell(r, col)).value_or(0);
            } else if (r == 1 || (attempts < laufMax && r - 1 < state.parameter(Param::RowCount))) {
                generated = true;
                bool complete = false;
                RowStart start = rowStart(sheet, r, poolNumbers);
                // Answers the first test alone for most candidates (the parameters it
                // reads change only while events are let through).
                const SubsetBitmap* refusalIndex = matchRefusalIndex(r, context);
                while (!complete && attempts < laufMax && running()) {
                    if (hooks.eventsDue()) {
                        sortFive(c);  // a candidate refused early is not sorted yet
                        if (c[5] != 0)
                            state.setStatusText(
                                1, statusLine(state, r, c, c[1] + c[2] + c[3] + c[4] + c[5]));
                        hooks.letEventsThrough();
                        if (!running()) break;
                        start = rowStart(sheet, r, poolNumbers);  // the user may have edited it
                        refusalIndex = matchRefusalIndex(r, context);
                    }
                    c = start.row;
                    int fill = start.fill;
                    ++attempts;
                    if (attempts == laufMax / 2) state.setParameter(Param::ForcePair, 0);
                    if (r >= 3) {
                        if (attempts == laufMax - 20000) {
                            // 6 lies above the control's usual maximum; it turns the
                            // never-drawn test off in effect.
                            state.setParameterMaximum(
                                Param::NeverDrawnHits,
                                std::max(6, state.parameterMaximum(Param::NeverDrawnHits)));
                            state.setParameter(Param::NeverDrawnHits, 6);
                        }
                        if (attempts == laufMax - 10000) {
                            state.setParameter(Param::MaxFromSecondLastDraw, 2);
                            state.setParameter(Param::MaxFromLastDraw, 1);
                        }
                        if (attempts == laufMax - 5000) {
                            state.setParameter(Param::MaxFromSecondLastDraw, 3);
                            state.setParameter(Param::MaxFromLastDraw, 2);
                        }
                    }
                    if (!start.poolSuffices) {
                        attempts = laufMax;
                        break;
                    }
                    // Draw until the row holds five numbers, a number already in it
                    // (or an empty entry) drawn again.
                    std::uint64_t taken = start.placed;
                    bool allBits = start.fill == 1;  // whether taken holds all five numbers
                    std::array<int, 5> five{};       // the numbers in the order drawn
                    bool fiveAtOnce = false;
                    if (fill == 1 && rowNumbersOnly) {
                        // Five draws at once: mostly five different numbers, whose bits
                        // then add up to their union (bit 0: an empty entry).
                        const std::array<int, 5> picks = random.random5(pool.PoolEnd + 1);
                        std::uint64_t sum = 0;
                        for (int i = 0; i < 5; ++i) {
                            c[i + 1] = five[i] = pool.entry(picks[i]);
                            const std::uint64_t bit = std::uint64_t(1) << five[i];
                            taken |= bit;
                            sum += bit;
                        }
                        fiveAtOnce = sum == taken && (taken & 1) == 0;
                        if (fiveAtOnce) {
                            fill = 6;
                        } else {  // the same five draws one by one
                            taken = 0;
                            for (const int value : five) {
                                if (value == 0 || (taken >> value & 1)) continue;
                                taken |= std::uint64_t(1) << value;
                                c[fill++] = value;
                            }
                        }
                    }
                    while (fill <= 5) {
                        const int value = pool.entry(random.random(pool.PoolEnd + 1));
                        if (value == 0) continue;
                        if (value < 64) {
                            if (taken >> value & 1) continue;
                            taken |= std::uint64_t(1) << value;
                        } else {
                            if (std::find(c.begin() + 1, c.begin() + fill, value) !=
                                c.begin() + fill)
                                continue;
                            allBits = false;
                        }
                        c[fill++] = value;
                    }
                    // Most candidates of a long list fail the first test: those
                    // are refused without their sorting and the other tests.
                    if (allBits && refusalIndex) {
                        if (rowNumbersOnly && !fiveAtOnce) five = {c[1], c[2], c[3], c[4], c[5]};
                        if (rowNumbersOnly ? refusalIndex->containsSubsetOf(five, taken)
                                           : (taken & ~kRowNumbers) == 0 &&
                                                 refusalIndex->containsSubsetOf(taken))
                            continue;
                    }
                    const int sum = c[1] + c[2] + c[3] + c[4] + c[5];
                    sortFive(c);
                    // The status line of the candidate is written when the window can
                    // show it (before letting events through) and for an accepted row.
                    complete = RowAcceptable(c, r, context);
                    if (complete) state.setStatusText(1, statusLine(state, r, c, sum));
                }
                if (!running()) outcome.stopped = true;
                // A stopped or exhausted row stays empty, even when its last attempt
                // was accepted just as the budget ran out.
                if (!complete || attempts >= laufMax) c = {};
            }
            if (!generated && locked && sheet.cell(r, 5).isEmpty()) {
                // A locked row that is not generated keeps what the user entered.
                comparison.push_back(0);
                continue;
            }
            std::sort(c.begin() + 1, c.begin() + 6);
            TipSheet::RowResult result = sheet.result(r);
            result.sum = QString::number(c[1] + c[2] + c[3] + c[4] + c[5]);
            sheet.setResult(r, result);
            for (int col = 1; col <= 7; ++col) sheet.setCell(r, col, QString::number(c[col]));
            comparison.push_back(maskOf(c.data() + 1, 5));
        }
        budgetUsedUp = attempts >= laufMax;

        state.sortieren = true;
        Komplettcheck(state, services.sound);
        state.setStatusText(1, m.text(budgetUsedUp ? 29 : 30));
    }
    showListViewAppendingSheet(state, services);
    state.setParameterMaximum(Param::RowCount, kMaxListRows);
    state.setParameter(Param::RowCount, requested);
    state.setStatusText(0, QString::number(state.Gewinnzahlen.size()) + QStringLiteral(" Rows"));
    outcome.budgetUsedUp = budgetUsedUp;
    outcome.linesAdded = static_cast<int>(state.Gewinnzahlen.size()) - linesBefore;
    return outcome;
}

void BrechnungStart(MainState& state, Services& services, RunHooks& hooks)
{
    const bool listWasShown = listShown(state);
    const auto restoreView = [&] {
        state.listView = listWasShown;
        state.notifyViewChanged();
    };
    if (state.run.running(Task::Generation)) {
        generationRun(state, services, hooks);  // the stop request of an active run
        return;
    }
    RunResult result = generationRun(state, services, hooks);
    restoreView();
    // Repeat until the list holds the requested count; a run that added nothing or
    // was stopped ends the repetition, which would otherwise never end.
    while (listWasShown && result.linesAdded > 0 && !result.stopped &&
           !state.Gewinnzahlen.isEmpty() &&
           state.Gewinnzahlen.size() < state.parameter(Param::RowCount)) {
        result = generationRun(state, services, hooks);
        restoreView();
    }
}

}  // namespace kw
