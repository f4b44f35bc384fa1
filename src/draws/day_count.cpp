#include "draws/day_count.h"

#include <cmath>

namespace kw {

namespace {
// 30 December 1899, initialised at compile time so that other files' statics may use it.
constexpr QDate kEpoch = QDate::fromJulianDay(2415019);
}  // namespace

DayCount dayCountFromDate(const QDate& date)
{
    return static_cast<DayCount>(kEpoch.daysTo(date));
}

QDate dateFromDayCount(DayCount days)
{
    // Beyond a few million years QDate cannot represent the day anyway.
    if (!std::isfinite(days) || std::fabs(days) > 1e9) return {};
    return kEpoch.addDays(static_cast<qint64>(std::floor(days)));
}

}  // namespace kw
