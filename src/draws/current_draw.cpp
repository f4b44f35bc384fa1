#include "draws/current_draw.h"

#include <QLocale>
#include <cmath>

#include "draws/draw_file.h"
#include "evaluation/sheet_evaluation.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "state/main_state.h"
#include "tips/shown_tips.h"

namespace kw {

namespace {

// Copies the record into the CurrentDraw fields and the header texts; a record
// with no positive date is not shown.
void showRecord(MainState& state, const DrawRecord& record, const QString& text)
{
    if (!(record.datum > 0)) return;
    for (int i = 1; i <= DrawRecord::kSlots; ++i) state.Zahl[i] = record.slot(i);
    state.Datum1 = record.datum;
    state.Label29 = text;
    composeDigitSum(state);
    state.Label35 = state.Label29;
}

}  // namespace

void composeDigitSum(MainState& state)
{
    if (!(state.Datum1 > 0)) return;
    int sum = 0;
    for (int i = 1; i <= 5; ++i) sum += state.Zahl[i];
    state.Label13 = state.messages.text(8) + QLatin1Char(' ') + QString::number(sum);
}

namespace {

DrawHistory readDraws(MainState& state, Services& services)
{
    QString error;
    auto records = DrawFile(state.drawFilePath()).readShared(&error);
    if (!records) services.dialogs.notify(error, QStringLiteral("Fehler / Error"));
    return records;
}

void finish(MainState& state, Services& services)
{
    // A draw before the picker's minimum is still shown; the picker then stays at its minimum.
    if (!state.DateTimePicker1.setDate(state.Datum1))
        state.DateTimePicker1.setDate(state.DateTimePicker1.minimum());
    state.notifyDrawChanged();
    evaluateShownTips(state, services);
}

}  // namespace

QString weekdayText(int dayOfWeek)
{
    QString weekday = QLocale().dayName(dayOfWeek, QLocale::ShortFormat);
    if (weekday.endsWith(QLatin1Char('.'))) weekday.chop(1);
    return weekday;
}

QString drawDateText(DayCount day)
{
    const QDate date = dateFromDayCount(day);
    return weekdayText(date.isValid() ? date.dayOfWeek() : 1) + QLatin1Char(' ') +
           date.toString(QStringLiteral("dd.MM.yy"));
}

QString drawDisplayText(const DrawRecord& record, bool firstRecord)
{
    QString text = drawDateText(record.datum);
    text += firstRecord ? QStringLiteral("   ") : QStringLiteral("  ");
    for (int i = 1; i <= 5; ++i) text += QStringLiteral("  ") + QString::number(record.slot(i));
    return text;
}

namespace {

void selectDrawFrom(MainState& state, Services& services, DayCount from)
{
    const DrawFile file(state.drawFilePath());
    if (!file.exists()) {
        services.dialogs.notify(state.messages.text(17));
        QString error;
        if (!file.createEmpty(&error)) services.dialogs.notify(error);
        return;
    }
    state.aktDatum = from;
    const auto records = readDraws(state, services);
    if (!records) return;
    // The first record on or after the date, else the last one.
    int position = 0;
    const DrawRecord* shown = nullptr;
    if (inDateOrder(records) && !records->empty()) {
        const auto found =
            std::lower_bound(records->begin(), records->end(), state.aktDatum,
                             [](const DrawRecord& r, DayCount day) { return r.datum < day; });
        const size_t index = std::min<size_t>(found - records->begin(), records->size() - 1);
        position = static_cast<int>(index) + 1;
        shown = &(*records)[index];
    } else {
        for (const DrawRecord& record : *records) {
            ++position;
            shown = &record;
            if (record.datum >= state.aktDatum) break;
        }
    }
    if (shown) {
        // The first record gets a blank more after its date; the selection ends with two.
        showRecord(state, *shown, drawDisplayText(*shown, position == 1) + QStringLiteral("  "));
    }
    state.Position = std::max(0, position - 1);
    finish(state, services);
}

}  // namespace

void selectDrawForDate(MainState& state, Services& services)
{
    selectDrawFrom(state, services, std::round(state.DateTimePicker1.date()));
}

void selectDrawOn(MainState& state, Services& services, DayCount date)
{
    // The picker follows the draw as it does for every selection.
    selectDrawFrom(state, services, std::floor(date));
}

void selectNewestDraw(MainState& state, Services& services)
{
    const DrawFile file(state.drawFilePath());
    if (file.exists()) {
        QString error;
        if (const auto records = file.readShared(&error); records && !records->empty()) {
            DayCount newest = records->front().datum;
            for (const DrawRecord& r : *records) newest = std::max(newest, r.datum);
            if (!state.DateTimePicker1.setDate(newest))
                state.DateTimePicker1.setDate(state.DateTimePicker1.minimum());
        }
    }
    selectDrawForDate(state, services);
}

void showPreviousDraw(MainState& state, Services& services)
{
    state.aktDatum = state.DateTimePicker2.date();
    state.Position = std::max(0, state.Position - 1);
    const auto records = readDraws(state, services);
    if (!records) return;
    if (!records->empty()) {
        const size_t index = std::min(records->size() - 1, static_cast<size_t>(state.Position));
        showRecord(state, (*records)[index], drawDisplayText((*records)[index]));
    }
    finish(state, services);
}

void showNextDraw(MainState& state, Services& services)
{
    state.aktDatum = state.DateTimePicker2.date();
    ++state.Position;
    const auto records = readDraws(state, services);
    if (!records) return;
    if (!records->empty()) {
        const size_t index = std::min(records->size() - 1, static_cast<size_t>(state.Position));
        state.Position = static_cast<int>(index);
        showRecord(state, (*records)[index], drawDisplayText((*records)[index]));
        state.Zahl[6] = 0;
    } else {
        state.Position = 0;
    }
    finish(state, services);
}

int evaluateShownTips(MainState& state, Services& services)
{
    return listShown(state) ? Listengewinncheck(state, services.sound)
                            : Komplettcheck(state, services.sound);
}

}  // namespace kw
