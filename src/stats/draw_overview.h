#pragma once
// The stored draws at a glance, as the "Datenbank" page lists them: one row per
// draw (date, weekday, the five numbers, their digit sum), narrowed to the draws
// of one number and sorted by any column, and the texts that sum the history up.
#include <QDate>
#include <QLocale>
#include <QString>
#include <array>
#include <vector>

#include "draws/draw_record.h"

namespace kw {

class MessageTable;

// The table's columns, in the order they are shown.
enum class DrawColumn { Date, Weekday, Number1, Number2, Number3, Number4, Number5, DigitSum };
inline constexpr int kDrawColumns = 8;

struct DrawRow {
    DayCount date = 0;
    int weekday = 0;  // 1 Monday .. 7 Sunday; 0 when the date is no calendar day
    std::array<int, 5> numbers{};
    int digitSum = 0;  // the five numbers' sum, as the tip page's "Quersumme" shows it
    bool operator==(const DrawRow&) const = default;
};

// The rows of the records in their order; with number 1..42 only the draws that
// have it among their five numbers (any other value: every draw).
std::vector<DrawRow> drawRows(const std::vector<DrawRecord>& records, int number = 0);
// Sorts by the column's value, equal values by date in the same direction.
// Weekdays sort Monday first.
void sortDrawRows(std::vector<DrawRow>& rows, DrawColumn column, bool descending);

// "3.156 Ziehungen vom 01.01.2018 bis 22.08.2026 (die neueste ist 3 Tage alt)": the
// count (in locale's digits), the first and the newest date, and the newest's age on
// today. Records whose date is no calendar day count, but give no date.
QString drawHistorySummary(const std::vector<DrawRecord>& records, const QDate& today,
                           const MessageTable& messages, const QLocale& locale = QLocale());
// "Ziehungen mit der 17: 380, die letzte am 20.08.2026": how many of the records
// have the number among their five, and the newest date of those.
QString numberSummary(const std::vector<DrawRecord>& records, int number,
                      const MessageTable& messages);

}  // namespace kw
