#include "generation/pool_builder.h"

#include <cmath>

#include "platform/dialogs.h"
#include "platform/services.h"
#include "state/main_state.h"
#include "stats/statistics.h"

namespace kw {

int roundHalfEven(double x)
{
    return static_cast<int>(std::nearbyint(x));
}

namespace {

class Builder {
public:
    Builder(MainState& state, Services& services, NumberPool& pool)
        : m_state(state), m_services(services), m_pool(pool)
    {
    }

    void status(int entry) { m_state.setStatusText(1, m_state.messages.text(entry)); }
    void thresholds(int lo, int hi, bool oneBlank = false)
    {
        m_state.setStatusText(
            1, QStringLiteral("Min: ") + QString::number(lo) +
                   (oneBlank ? QStringLiteral(" Max: ") : QStringLiteral("  Max: ")) +
                   QString::number(hi) + QStringLiteral("  ") + QString::number(m_pool.length()));
    }
    double axisMin() const { return m_state.chart.minimum(); }
    double axisMax() const { return m_state.chart.maximum(); }
    double y(int position) const
    {
        return position < m_state.chart.count() ? m_state.chart.y(position) : 0.0;
    }
    void append(int n, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            if (n >= 1 && n <= 42) m_pool.append(n);
    }

    // Groups of `size` consecutive numbers starting at k = 1..last (point k - 1):
    // frequent ones lo < y <= hi, rare ones 0 < y <= hi.
    void groups(int size, int last, bool rare, bool oneBlank)
    {
        const double range = axisMax() - axisMin();
        const int lo = rare ? 0 : roundHalfEven(axisMax() - range * 0.3);
        const int hi = rare ? roundHalfEven(axisMin() + range * 0.3) : roundHalfEven(axisMax());
        thresholds(lo, hi, oneBlank);
        for (int k = 1; k <= last; ++k) {
            const double value = y(k - 1);
            if (lo < value && value <= hi)
                for (int m = 0; m < size; ++m) append(k + m);
        }
    }

    // Numbers 1..42 (point n - 1) with lo <= y <= hi get `times` entries.
    void numbers(int lo, int hi, int times, bool oneBlank = false)
    {
        thresholds(lo, hi, oneBlank);
        for (int n = 1; n <= 42; ++n) {
            const double value = y(n - 1);
            if (lo <= value && value <= hi) append(n, times);
        }
    }

    MainState& m_state;
    Services& m_services;
    NumberPool& m_pool;
};

}  // namespace

void buildNumberPool(MainState& state, Services& services, NumberPool& pool, const DrawSlots& last,
                     const DrawSlots& secondLast, const DrawSlots& thirdLast)
{
    using enum Param;
    BusyCursor busy(services.dialogs);
    Builder b(state, services, pool);
    const auto on = [&state](Param p) { return state.isOn(p); };
    pool.reset();

    const struct {
        Param frequent, rare;
        int entry, size, last;
        RunLength chart;
    } groups[] = {
        {PreferFrequentPairs, PreferRarePairs, 21, 2, 41, RunLength::Pairs},
        {PreferFrequentTriples, PreferRareTriples, 22, 3, 40, RunLength::Triples},
        {PreferFrequentQuadruples, PreferRareQuadruples, 23, 4, 39, RunLength::Quadruples}};
    for (const auto& g : groups) {
        if (on(g.frequent)) {
            b.status(g.entry);
            runChart(state, services, g.chart);
            b.groups(g.size, g.last, false, false);
        }
        if (on(g.rare)) {
            if (!on(g.frequent)) {
                b.status(g.entry);
                runChart(state, services, g.chart);
            }
            b.groups(g.size, g.last, true, g.size == 4);
        }
    }

    if (on(PreferFrequentNumbers)) {
        const double x = state.parameter(FrequentNumbersPercent);
        b.status(24);
        frequencyChart(state, services);
        const int hi = roundHalfEven(b.axisMax());
        const double range = b.axisMax() - b.axisMin();
        b.numbers(roundHalfEven(b.axisMax() - x / 100 * range), hi, 2);
        b.numbers(roundHalfEven(b.axisMax() - x / 200 * range), hi, 1);
    }
    if (on(PreferRareNumbers)) {
        const double x = state.parameter(RareNumbersPercent);
        if (!on(PreferFrequentNumbers)) {
            b.status(24);
            frequencyChart(state, services);
        }
        const int lo = roundHalfEven(b.axisMin());
        const double range = b.axisMax() - b.axisMin();
        b.numbers(lo, roundHalfEven(b.axisMin() + x / 100 * range), 2);
        b.numbers(lo, roundHalfEven(b.axisMin() + x / 200 * range), 1);
    }
    if (on(PreferOverdueNumbers)) {
        int lo = state.parameter(OverdueDraws);
        b.status(25);
        overdueChart(state, services);
        const int hi = roundHalfEven(b.axisMax());
        b.numbers(lo, hi, 2, true);
        lo = lo + (hi - lo) / 2;
        b.numbers(lo, hi, 1);
    }
    if (on(PreferLastDrawNeighbours)) {
        b.status(26);
        for (int s = 1; s <= 5; ++s) {
            const int m = last[s];
            if (m > 1) b.append(m - 1, 4);
            if (m < 42) b.append(m + 1, 4);
        }
    }
    if (!on(OnlyPreferredNumbers)) {
        for (int n = 1; n <= 42; ++n) b.append(n);
        b.append(1);
    }

    const auto removeDraw = [&pool](const DrawSlots& draw) {
        for (int i = 0; i < pool.length(); ++i)
            for (int s = 1; s <= 5; ++s)
                if (pool.entry(i) == draw[s]) pool.setEntry(i, 0);
    };
    if (state.parameter(MaxFromLastDraw) == 0 && on(LimitLastDraw)) removeDraw(last);
    if (state.parameter(MaxFromSecondLastDraw) == 0 && on(LimitSecondLastDraw))
        removeDraw(secondLast);
    if (state.parameter(MaxFromThirdLastDraw) == 0 && on(LimitThirdLastDraw)) removeDraw(thirdLast);
    if (on(AvoidMonthNumbers))
        for (int i = 0; i < pool.length(); ++i)
            if (pool.entry(i) != 0 && pool.entry(i) < 13) pool.setEntry(i, 0);
    if (on(FewerDayNumbers)) {
        for (int n = 1; n <= 31; ++n) {
            for (int i = 0; i < pool.length(); ++i) {
                if (pool.entry(i) == n) {
                    pool.setEntry(i, 0);
                    break;
                }
            }
        }
    }
    pool.compact();
}

}  // namespace kw
