#pragma once
// Dates as the program stores them: days since 30 December 1899 as a double
// (the fraction is the time of day). The one place that converts to QDate.
#include <QDate>

namespace kw {

using DayCount = double;

// The day count of a calendar date (whole day, fraction 0).
DayCount dayCountFromDate(const QDate& date);
// The calendar day a day count falls on; invalid for NaN or out-of-range values.
QDate dateFromDayCount(DayCount days);

}  // namespace kw
