#include "stats/draw_overview.h"

#include <algorithm>
#include <optional>

#include "draws/day_count.h"
#include "i18n/message_table.h"
#include "stats/draw_counts.h"

namespace kw {

namespace {

bool hasNumber(const DrawRecord& record, int number)
{
    for (int slot = 1; slot <= 5; ++slot)
        if (record.slot(slot) == number) return true;
    return false;
}

QString dateText(const QDate& date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

// The column's value of a row; dates, which are doubles, are compared apart.
int columnValue(const DrawRow& row, DrawColumn column)
{
    switch (column) {
    case DrawColumn::Date: return 0;
    case DrawColumn::Weekday: return row.weekday;
    case DrawColumn::DigitSum: return row.digitSum;
    default: return row.numbers[static_cast<int>(column) - static_cast<int>(DrawColumn::Number1)];
    }
}

}  // namespace

std::vector<DrawRow> drawRows(const std::vector<DrawRecord>& records, int number)
{
    const bool filtered = number >= 1 && number <= kNumberCount;
    std::vector<DrawRow> rows;
    rows.reserve(records.size());
    for (const DrawRecord& record : records) {
        if (filtered && !hasNumber(record, number)) continue;
        DrawRow row;
        row.date = record.datum;
        const QDate date = dateFromDayCount(record.datum);
        row.weekday = date.isValid() ? date.dayOfWeek() : 0;
        for (int slot = 1; slot <= 5; ++slot) row.numbers[slot - 1] = record.slot(slot);
        row.digitSum = drawSum(record);
        rows.push_back(row);
    }
    return rows;
}

void sortDrawRows(std::vector<DrawRow>& rows, DrawColumn column, bool descending)
{
    // A date that is not a number sorts as the earliest, so that the order stays strict.
    const auto date = [](const DrawRow& row) { return row.date == row.date ? row.date : -1e300; };
    const auto before = [&](const DrawRow& a, const DrawRow& b) {
        const int va = columnValue(a, column);
        const int vb = columnValue(b, column);
        if (va != vb) return va < vb;
        return date(a) < date(b);
    };
    if (descending)
        std::stable_sort(rows.begin(), rows.end(),
                         [&](const DrawRow& a, const DrawRow& b) { return before(b, a); });
    else
        std::stable_sort(rows.begin(), rows.end(), before);
}

QString drawHistorySummary(const std::vector<DrawRecord>& records, const QDate& today,
                           const MessageTable& messages, const QLocale& locale)
{
    if (records.empty()) return messages.text(Message::DrawsNone);
    std::optional<QDate> first;
    std::optional<QDate> newest;
    for (const DrawRecord& record : records) {
        const QDate date = dateFromDayCount(record.datum);
        if (!date.isValid()) continue;
        if (!first || date < *first) first = date;
        if (!newest || date > *newest) newest = date;
    }
    QString age = QStringLiteral("?");
    if (newest) {
        const qint64 days = newest->daysTo(today);
        if (days < 0)
            age = messages.text(Message::DrawAgeFuture);
        else if (days == 0)
            age = messages.text(Message::DrawAgeToday);
        else if (days == 1)
            age = messages.text(Message::DrawAgeYesterday);
        else
            age = messages.text(Message::DrawAgeDays).arg(locale.toString(days));
    }
    const QString firstText = first ? dateText(*first) : QStringLiteral("?");
    const QString newestText = newest ? dateText(*newest) : QStringLiteral("?");
    if (records.size() == 1) return messages.text(Message::DrawsOne).arg(newestText, age);
    return messages.text(Message::DrawsMany)
        .arg(locale.toString(static_cast<qlonglong>(records.size())), firstText, newestText, age);
}

QString numberSummary(const std::vector<DrawRecord>& records, int number,
                      const MessageTable& messages)
{
    int count = 0;
    std::optional<QDate> last;
    for (const DrawRecord& record : records) {
        if (!hasNumber(record, number)) continue;
        ++count;
        const QDate date = dateFromDayCount(record.datum);
        if (date.isValid() && (!last || date > *last)) last = date;
    }
    if (count == 0) return messages.text(Message::DrawsWithNumberNever).arg(number);
    return messages.text(Message::DrawsWithNumber)
        .arg(QString::number(number), QString::number(count),
             last ? dateText(*last) : QStringLiteral("?"));
}

}  // namespace kw
