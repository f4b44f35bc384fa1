#pragma once
// A date picker's value as the program sees it: a day count that never goes
// below the picker's minimum. Setting an earlier date is refused.
#include "draws/day_count.h"

namespace kw {

class DatePickerValue {
public:
    explicit DatePickerValue(DayCount minimum) : m_minimum(minimum), m_date(minimum) {}

    DayCount date() const { return m_date; }
    DayCount minimum() const { return m_minimum; }
    // False (and the date unchanged) for a date before the minimum or not a number.
    bool setDate(DayCount date)
    {
        if (!(date >= m_minimum)) return false;
        m_date = date;
        return true;
    }

private:
    DayCount m_minimum;
    DayCount m_date;
};

}  // namespace kw
