#pragma once
// The CurrentDraw: choosing it for a date, stepping to the previous and next
// draw, and what every change ends with (the evaluation of the shown tips).
#include <QString>

#include "draws/draw_record.h"

namespace kw {

class MainState;
struct Services;

// "Fr": the short name of a weekday (1 Monday .. 7 Sunday) in the locale, without a trailing dot.
QString weekdayText(int dayOfWeek);
// "Fr 05.01.24": the short weekday of the locale (without a trailing dot) and the date.
QString drawDateText(DayCount date);
// "Fr 05.01.24" (short weekday of the locale, without a trailing dot), then two
// blanks (three when firstRecord) and each number after two blanks.
QString drawDisplayText(const DrawRecord& record, bool firstRecord = false);

// Selects the draw on or after the date of DateTimePicker1 (else the last one).
void selectDrawForDate(MainState& state, Services& services);
// The same from the day of date instead of the picker's: the draw of that day
// when one is stored. DateTimePicker1 follows it (as far as its minimum allows).
void selectDrawOn(MainState& state, Services& services, DayCount date);
// The digit-sum text of the shown draw (Label13) in the table's language.
void composeDigitSum(MainState& state);
// Selects the newest stored draw, which ends the analysis window: what follows
// bringing in draws.
void selectNewestDraw(MainState& state, Services& services);
void showPreviousDraw(MainState& state, Services& services);
void showNextDraw(MainState& state, Services& services);
// The list when the list view is shown, else the sheet; returns the best-result code.
int evaluateShownTips(MainState& state, Services& services);

}  // namespace kw
