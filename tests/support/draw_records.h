#pragma once
// Draw records for test histories.
#include <QDate>
#include <initializer_list>

#include "draws/draw_record.h"

namespace kw::test {

// A draw of the date with the numbers in slots 1, 2, ...
inline DrawRecord makeDraw(const QDate& date, std::initializer_list<int> numbers)
{
    DrawRecord r;
    r.datum = dayCountFromDate(date);
    int slot = 1;
    for (int n : numbers) r.setSlot(slot++, n);
    return r;
}

}  // namespace kw::test
