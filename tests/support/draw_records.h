#pragma once
// Draw records for test histories.
#include <QDate>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "draws/draw_record.h"
#include "generation/random_generator.h"

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

// One draw a day from first to last, five different numbers from the program's
// generator with the given seed.
inline std::vector<DrawRecord> randomHistory(QDate first, QDate last, std::uint32_t seed)
{
    RandomGenerator random;
    random.setSeed(seed);
    std::vector<DrawRecord> draws;
    for (QDate day = first; day <= last; day = day.addDays(1)) {
        DrawRecord r = makeDraw(day, {});
        int placed = 0;
        while (placed < 5) {
            const int n = 1 + random.random(42);
            bool taken = false;
            for (int s = 1; s <= placed; ++s) taken = taken || r.slot(s) == n;
            if (!taken) r.setSlot(++placed, n);
        }
        draws.push_back(r);
    }
    return draws;
}

}  // namespace kw::test
