#include "evaluation/tip_search.h"

#include <array>

#include "draws/current_draw.h"
#include "draws/draw_file.h"
#include "evaluation/history_analysis.h"
#include "evaluation/sheet_evaluation.h"
#include "generation/generation_run.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "state/main_state.h"
#include "stats/draw_counts.h"
#include "tips/integer_text.h"

namespace kw {

namespace {

// The draw as the CurrentDraw's content, with its star numbers in the header;
// Position stays where the last selection put it.
void showSearchedDraw(MainState& state, const DrawRecord& record)
{
    state.Datum1 = record.datum;
    int sum = 0;
    for (int i = 1; i <= DrawRecord::kSlots; ++i) state.Zahl[i] = record.slot(i);
    for (int i = 1; i <= 6; ++i) sum += state.Zahl[i];
    QString text = drawDateText(record.datum) + QStringLiteral("  ");
    for (int i = 1; i <= 5; ++i) text += QStringLiteral("  ") + QString::number(record.slot(i));
    text += QStringLiteral("   E1: ") + QString::number(record.slot(7)) + QStringLiteral(" E2: ") +
            QString::number(record.slot(8));
    state.Label29 = text;
    state.Label35 = text;
    state.Label13 = state.messages.text(8) + QLatin1Char(' ') + QString::number(sum);
}

}  // namespace

void searchTips(MainState& state, Services& services, RunHooks& hooks)
{
    if (historyOperationRunning(state, HistoryOperation::TipSearch)) {
        state.run.requestStop(Task::Search);
        state.notifyRunChanged();
        return;
    }
    if (!historyButtonEnabled(state, HistoryOperation::TipSearch)) return;
    const MessageTable& m = state.messages;
    const QString proposal =
        state.isOn(Param::CountStarNumbers) ? QStringLiteral("7") : QStringLiteral("5");
    const QString answer =
        services.dialogs.inputText(m.text(10), m.text(11), proposal).value_or(proposal);
    const auto threshold = parseInteger(answer);
    if (!threshold) {
        services.dialogs.notify(notAnIntegerText(answer));
        return;
    }
    QString error;
    const DrawHistory records = DrawFile(state.drawFilePath()).readShared(&error);
    if (!records) {
        services.dialogs.notify(error);
        return;
    }

    state.run.start(Task::Search);
    state.notifyRunChanged();
    const DrawWindow window{state.DateTimePicker2.date(), state.DateTimePicker1.date(), true};
    state.Gewinn = 0;
    TipSheet& sheet = state.sheet;
    const auto goingOn = [&state] { return state.run.goingOn(Task::Search); };
    for (const DrawRecord& record : *records) {
        if (!window.contains(record)) continue;
        showSearchedDraw(state, record);
        state.setStatusText(0,
                            dateFromDayCount(record.datum).toString(QStringLiteral("dd.MM.yyyy")));
        for (int r = 1; r <= kTipRowCount && goingOn(); ++r) {
            std::array<QString, 7> cells;
            for (int c = 1; c <= 7; ++c) cells[c - 1] = sheet.cell(r, c);
            Zettelcheck(state,
                        {cells[0], cells[1], cells[2], cells[3], cells[4], cells[5], cells[6]});
            TipSheet::RowResult result = sheet.result(r);
            result.hits = QString::number(state.Gewinn);
            result.red = state.Gewinn >= 2;
            sheet.setResult(r, result);
            if (state.Gewinn < *threshold) continue;
            state.notifyDrawChanged();
            Komplettcheck(state, services.sound);
            const QString date =
                dateFromDayCount(record.datum).toString(QStringLiteral("dd.MM.yyyy"));
            if (!services.dialogs.askYesNo(m.text(12) + date + m.text(13), m.text(14)))
                state.run.requestStop(Task::Search);
        }
        if (goingOn() && hooks.eventsDue()) {
            state.notifyDrawChanged();
            hooks.letEventsThrough();
        }
        if (!goingOn()) break;
    }
    state.run.end(Task::Search);
    state.notifyRunChanged();
    state.notifyDrawChanged();
}

}  // namespace kw
