#include <QTest>
#include <algorithm>
#include <bit>
#include <set>

#include "generation/generation_run.h"
#include "generation/history_index.h"
#include "generation/lucky_number.h"
#include "generation/pool_builder.h"
#include "generation/row_constraints.h"
#include "state/main_state.h"
#include "support/state_fixture.h"

using namespace kw;
using namespace kw::test;

namespace {

struct GenFixture : StateFixture {
    MainState state;
    Services services{StateFixture::services()};
    RunHooks hooks;

    explicit GenFixture(const std::vector<DrawRecord>& draws = {})
    {
        writeDraws(draws);
        prepare(state);
        state.sortieren = true;
    }
    void window(QDate start, QDate end)
    {
        QVERIFY(state.DateTimePicker2.setDate(dayCountFromDate(start)));
        QVERIFY(state.DateTimePicker1.setDate(dayCountFromDate(end)));
    }
    // Every statistics option and removal off: the pool is the base set.
    void plainPool()
    {
        for (int box : {1, 2, 4, 5, 6, 7, 10, 11, 12, 13, 14, 15, 19, 23, 29, 30})
            state.setCheckBox(box, false);
    }
    NumberPool pool(const DrawSlots& last = {}, const DrawSlots& second = {},
                    const DrawSlots& third = {})
    {
        NumberPool p;
        buildNumberPool(state, services, p, last, second, third);
        return p;
    }
    QStringList rows() const
    {
        QStringList lines;
        for (int r = 1; r <= 12; ++r) {
            QStringList cells;
            for (int c = 1; c <= 5; ++c) cells << state.sheet.cell(r, c);
            lines << cells.join(QLatin1Char(' ')).trimmed();
        }
        return lines;
    }
};

DrawSlots slotsOf(std::initializer_list<int> numbers)
{
    DrawSlots d{};
    int i = 1;
    for (int n : numbers) d[i++] = n;
    return d;
}

CandidateRow row(std::initializer_list<int> numbers)
{
    CandidateRow c{};
    int i = 1;
    for (int n : numbers) c[i++] = n;
    return c;
}

// A change of a parameter: through the state, or as the settings store a position.
struct Change {
    Param param;
    int value;
};

// The parameters tied to others, "position (minimum..maximum)", and the budget.
QString describeTied(const MainState& s)
{
    QStringList parts;
    const std::pair<const char*, Param> tied[] = {{"MaxMatches", Param::MaxMatches},
                                                  {"MinMatches", Param::MinMatches},
                                                  {"MinEven", Param::MinEven},
                                                  {"MinOdd", Param::MinOdd}};
    for (const auto& [name, param] : tied)
        parts << QStringLiteral("%1 %2 (%3..%4)")
                     .arg(QLatin1String(name))
                     .arg(s.parameter(param))
                     .arg(s.parameterMinimum(param))
                     .arg(s.parameterMaximum(param));
    parts << QStringLiteral("LaufMax %1").arg(s.LaufMax());
    return parts.join(QStringLiteral(", "));
}

std::uint64_t mask(std::initializer_list<int> numbers)
{
    std::uint64_t m = 0;
    for (int n : numbers) m |= std::uint64_t(1) << n;
    return m;
}

// Draws whose numbers have the given counts (highest remaining first), one a day.
std::vector<DrawRecord> drawsWithCounts(std::array<int, 43> counts, QDate day)
{
    std::vector<DrawRecord> draws;
    while (true) {
        std::vector<int> order;
        for (int n = 1; n <= 42; ++n)
            if (counts[n] > 0) order.push_back(n);
        if (order.size() < 5) break;
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return counts[a] > counts[b]; });
        DrawRecord r = makeDraw(day, {});
        for (int i = 0; i < 5; ++i) {
            r.setSlot(i + 1, order[i]);
            --counts[order[i]];
        }
        draws.push_back(r);
        day = day.addDays(1);
    }
    return draws;
}

}  // namespace

Q_DECLARE_METATYPE(Change)

class TestGeneration : public QObject {
    Q_OBJECT
private slots:
    void roundingHalfToEven()
    {
        QCOMPARE(roundHalfEven(15.5), 16);
        QCOMPARE(roundHalfEven(16.5), 16);
        QCOMPARE(roundHalfEven(17.75), 18);
        QCOMPARE(roundHalfEven(-0.5), 0);
    }

    void poolWorkedExample()
    {
        GenFixture f;
        f.plainPool();
        f.state.setCheckBox(4, true);
        f.state.setUpDownPosition(4, 0);
        f.state.setCheckBox(29, true);
        const NumberPool pool = f.pool(slotsOf({3, 11, 19, 27, 40}));
        QCOMPARE(pool.PoolEnd, 26);
        std::multiset<int> entries;
        for (int i = 0; i <= pool.PoolEnd; ++i) entries.insert(pool.entry(i));
        std::multiset<int> expected;
        for (int n = 13; n <= 42; ++n)
            if (n != 19 && n != 27 && n != 40) expected.insert(n);
        QVERIFY(entries == expected);
        // Compaction moves the last entry into each hole: the first hole (1 at 0)
        // takes 1 (the extra one at the end), which is zeroed too, then 42.
        QCOMPARE(pool.entry(0), 42);
    }

    void emptyPool()
    {
        GenFixture f;
        f.plainPool();
        f.state.setCheckBox(15, true);
        QCOMPARE(f.pool().PoolEnd, -1);
    }

    void baseSetGivesOneMoreEntryToOne()
    {
        GenFixture f;
        f.plainPool();
        const NumberPool pool = f.pool();
        QCOMPARE(pool.PoolEnd, 42);
        QCOMPARE(pool.PoolCount(1), 2);
        QCOMPARE(pool.PoolCount(42), 1);
    }

    // axisMax 20, axisMin 5, X 30: lo 16 in the first pass, 18 in the second.
    void frequentNumberThresholds()
    {
        std::array<int, 43> counts{};
        counts.fill(5);
        counts[0] = 0;
        counts[1] = 20, counts[2] = 18, counts[3] = 17, counts[4] = 16, counts[5] = 15;
        counts[6] = counts[7] = counts[8] = counts[9] = 6;
        GenFixture f(drawsWithCounts(counts, QDate(2020, 1, 1)));
        f.window(QDate(2018, 1, 1), QDate(2030, 1, 1));
        f.plainPool();
        f.state.setCheckBox(2, true);
        f.state.setUpDownPosition(12, 30);
        const NumberPool pool = f.pool();
        QCOMPARE(f.state.chart.maximum(), 20.0);
        QCOMPARE(f.state.chart.minimum(), 5.0);
        QCOMPARE(pool.PoolCount(1), 3 + 2);  // top: three entries, plus the base set's two
        QCOMPARE(pool.PoolCount(2), 3 + 1);
        QCOMPARE(pool.PoolCount(3), 2 + 1);
        QCOMPARE(pool.PoolCount(4), 2 + 1);
        QCOMPARE(pool.PoolCount(5), 1);
        // The second pass starts with the first pass's eight entries.
        QCOMPARE(f.state.statusText(1), QStringLiteral("Min: 18  Max: 20  8"));
    }

    // Every pair of consecutive numbers drawn exactly once: no pair is frequent
    // (lo = hi = 1), every pair is rare.
    void equalPairCounts()
    {
        std::vector<DrawRecord> draws;
        QDate day(2022, 1, 1);
        for (int k = 1; k <= 41; ++k, day = day.addDays(1)) {
            DrawRecord r = makeDraw(day, {k, k + 1});
            int placed = 2;
            for (int n = 1; n <= 42 && placed < 5; ++n) {
                bool apart = n < k - 1 || n > k + 2;
                for (int s = 3; s <= placed; ++s) apart = apart && std::abs(r.slot(s) - n) > 1;
                if (apart) r.setSlot(++placed, n);
            }
            draws.push_back(r);
        }
        GenFixture f(draws);
        f.window(QDate(2021, 12, 31), QDate(2030, 1, 1));
        f.plainPool();
        f.state.setCheckBox(1, true);
        f.state.setCheckBox(11, true);
        const NumberPool pool = f.pool();
        QCOMPARE(f.state.chart.minimum(), 1.0);
        QCOMPARE(f.state.chart.maximum(), 1.0);
        QCOMPARE(pool.PoolEnd, 43 + 82 - 1);
        QCOMPARE(pool.PoolCount(1), 3);
        QCOMPARE(pool.PoolCount(20), 3);
        QCOMPARE(pool.PoolCount(42), 2);
    }

    void overdueThresholds_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<QList<int>>("extra");  // entries beyond the base set for 40, 41, 42
        QTest::newRow("34 of 50") << 34 << QList<int>{2, 3, 3};
        QTest::newRow("above the maximum") << 75 << QList<int>{0, 0, 0};
    }
    void overdueThresholds()
    {
        QFETCH(int, x);
        QFETCH(QList<int>, extra);
        // 49 window draws; 1..39 come round every eight draws; 40 drawn 37 draws
        // before the last (due 38), 41 44 before (due 45), 42 never (due 50).
        std::vector<DrawRecord> draws;
        QDate day(2021, 1, 2);
        for (int i = 0; i < 49; ++i, day = day.addDays(1)) {
            DrawRecord r = makeDraw(day, {});
            for (int s = 0; s < 5; ++s) r.setSlot(s + 1, 1 + (i * 5 + s) % 39);
            if (i == 48 - 37) r.setSlot(1, 40);
            if (i == 48 - 44) r.setSlot(1, 41);
            draws.push_back(r);
        }
        GenFixture f(draws);
        f.window(QDate(2021, 1, 1), QDate(2030, 1, 1));
        f.plainPool();
        f.state.setCheckBox(10, true);
        f.state.setUpDownPosition(13, x);
        const NumberPool pool = f.pool();
        QCOMPARE(f.state.chart.maximum(), 50.0);
        QCOMPARE(pool.PoolCount(40), 1 + extra[0]);
        QCOMPARE(pool.PoolCount(41), 1 + extra[1]);
        QCOMPARE(pool.PoolCount(42), 1 + extra[2]);
        QCOMPARE(pool.PoolCount(20), 1);
    }

    void neighboursOfTheLastDraw()
    {
        GenFixture f;
        f.plainPool();
        f.state.setCheckBox(19, true);
        const NumberPool pool = f.pool(slotsOf({1, 10, 20, 30, 42}));
        for (int n : {2, 9, 11, 19, 21, 29, 31, 41}) QCOMPARE(pool.PoolCount(n), 5);
        QCOMPARE(pool.PoolCount(1), 2);
        QCOMPARE(pool.PoolCount(42), 1);
        QCOMPARE(pool.PoolEnd, 42 + 32);
    }

    void dayNumbersLoseOneEntry()
    {
        GenFixture f;
        f.plainPool();
        f.state.setCheckBox(29, true);  // 1..12 are gone already
        f.state.setCheckBox(30, true);
        const NumberPool pool = f.pool();
        QCOMPARE(pool.PoolEnd, 10);
        for (int n = 1; n <= 31; ++n) QCOMPARE(pool.PoolCount(n), 0);
        for (int n = 32; n <= 42; ++n) QCOMPARE(pool.PoolCount(n), 1);
    }

    void fullPoolDropsFurtherEntries()
    {
        NumberPool pool;
        pool.reset();
        for (int i = 0; i < 600; ++i) pool.append(1 + i % 42);
        QCOMPARE(pool.length(), NumberPool::kCapacity);
        pool.compact();
        QCOMPARE(pool.PoolEnd, 500);
    }

    // The defaults, row 3, rows 1 and 2 given.
    void rowAcceptable_data()
    {
        QTest::addColumn<QList<int>>("candidate");
        QTest::addColumn<QList<int>>("row1");
        QTest::addColumn<bool>("accepted");
        const QList<int> row1{1, 2, 30, 35, 41};
        QTest::newRow("run of three") << QList<int>{4, 5, 6, 20, 33} << row1 << false;
        QTest::newRow("passes") << QList<int>{4, 5, 17, 21, 33} << row1 << true;
        QTest::newRow("second-last draw twice") << QList<int>{4, 5, 17, 20, 33} << row1 << false;
        QTest::newRow("three with row 1")
            << QList<int>{4, 5, 17, 21, 33} << QList<int>{4, 5, 17, 30, 41} << false;
        QTest::newRow("sum 50") << QList<int>{1, 2, 4, 6, 37} << row1 << true;
        QTest::newRow("sum 49") << QList<int>{1, 2, 4, 6, 36} << row1 << false;
    }
    void rowAcceptable()
    {
        QFETCH(QList<int>, candidate);
        QFETCH(QList<int>, row1);
        QFETCH(bool, accepted);
        MainState state;
        std::vector<DrawRecord> none;
        std::vector<std::uint64_t> others{mask({row1[0], row1[1], row1[2], row1[3], row1[4]}),
                                          mask({7, 8, 25, 26, 40})};
        RowTestContext c{state,
                         others,
                         slotsOf({9, 10, 11, 12, 13}),
                         slotsOf({5, 20, 36, 37, 38}),
                         slotsOf({14, 15, 16, 18, 19}),
                         none,
                         nullptr};
        const CandidateRow r =
            row({candidate[0], candidate[1], candidate[2], candidate[3], candidate[4]});
        QCOMPARE(RowAcceptable(r, 3, c), accepted);
    }

    void matchesWithOtherRows()
    {
        MainState state;
        std::vector<DrawRecord> none;
        std::vector<std::uint64_t> others{mask({4, 5, 17, 30, 41}), mask({4, 8, 25, 26, 40})};
        RowTestContext c{state, others, {}, {}, {}, none, nullptr};
        const CandidateRow candidate = row({4, 5, 17, 21, 33});  // 3 hits with row 1, 1 with row 2
        QVERIFY(!RowAcceptable(candidate, 3, c));
        state.setCheckBox(27, false);  // one row within the bounds is enough
        QVERIFY(RowAcceptable(candidate, 3, c));
        QVERIFY(RowAcceptable(row({4, 5, 17, 30, 41}), 1, c));  // row 1 is never compared
        state.setCheckBox(27, true);
        state.setCheckBox(3, false);
        state.setCheckBox(24, false);
        QVERIFY(!RowAcceptable(candidate, 3, c));  // every pair still bound
        state.setUpDownPosition(9, 1);
        QVERIFY(
            !RowAcceptable(row({6, 9, 18, 21, 33}), 3, c));  // 0 hits with both: below the minimum
    }

    // Changing a parameter keeps the ones tied to it in line: at most six even plus
    // odd numbers can be demanded, and the least matches never exceed the most.
    // Positions as the settings store them are taken as they are.
    void tiedParameters_data()
    {
        QTest::addColumn<QList<Change>>("changes");
        QTest::addColumn<bool>("asStored");
        QTest::addColumn<QString>("expected");
        const QString matches = QStringLiteral("MaxMatches 2 (0..5), MinMatches 0 (0..5), ");
        const QString parity = QStringLiteral("MinEven 2 (0..6), MinOdd 2 (0..6), ");
        const QString budget = QStringLiteral("LaufMax 50000");
        QTest::newRow("defaults") << QList<Change>{} << false << matches + parity + budget;
        QTest::newRow("more even than the odd leave room for")
            << QList<Change>{{Param::MinEven, 6}} << false
            << matches + "MinEven 4 (0..4), MinOdd 2 (0..2), " + budget;
        QTest::newRow("odd first, then even")
            << QList<Change>{{Param::MinOdd, 5}, {Param::MinEven, 3}} << false
            << matches + "MinEven 1 (0..1), MinOdd 5 (0..5), " + budget;
        QTest::newRow("fewer even free the odd")
            << QList<Change>{{Param::MinEven, 6}, {Param::MinEven, 0}} << false
            << matches + "MinEven 0 (0..4), MinOdd 2 (0..6), " + budget;
        QTest::newRow("least above the most")
            << QList<Change>{{Param::MinMatches, 3}} << false
            << "MaxMatches 2 (2..5), MinMatches 2 (0..2), " + parity + budget;
        QTest::newRow("most below the least")
            << QList<Change>{{Param::MinMatches, 1}, {Param::MaxMatches, 0}} << false
            << "MaxMatches 1 (1..5), MinMatches 1 (0..1), " + parity + budget;
        QTest::newRow("a higher most lets the least rise")
            << QList<Change>{{Param::MaxMatches, 4}} << false
            << "MaxMatches 4 (0..5), MinMatches 0 (0..4), " + parity + budget;
        QTest::newRow("budget in thousands") << QList<Change>{{Param::RunsThousands, 3}} << false
                                             << matches + parity + "LaufMax 3000";
        QTest::newRow("stored positions as they are")
            << QList<Change>{{Param::MinMatches, 4}, {Param::MinOdd, 6}, {Param::RunsThousands, 12}}
            << true
            << "MaxMatches 2 (0..5), MinMatches 4 (0..5), MinEven 2 (0..6), MinOdd 6 (0..6), "
               "LaufMax 12000";
    }
    void tiedParameters()
    {
        QFETCH(QList<Change>, changes);
        QFETCH(bool, asStored);
        QFETCH(QString, expected);
        MainState state;
        for (const Change& change : changes) {
            if (asStored)
                state.setUpDownPosition(paramSpec(change.param).number(), change.value);
            else
                state.setParameter(change.param, change.value);
        }
        QCOMPARE(describeTied(state), expected);
    }

    void pairAndRunTests_data()
    {
        QTest::addColumn<QList<int>>("candidate");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("pair, no run") << QList<int>{7, 8, 15, 30, 31} << true;
        QTest::newRow("run of three") << QList<int>{7, 8, 9, 30, 40} << false;
        QTest::newRow("no pair") << QList<int>{7, 15, 22, 30, 40} << false;
    }
    void pairAndRunTests()
    {
        QFETCH(QList<int>, candidate);
        QFETCH(bool, accepted);
        MainState state;
        state.setCheckBox(8, true);
        std::vector<DrawRecord> none;
        std::vector<std::uint64_t> others;
        RowTestContext c{state, others, {}, {}, {}, none, nullptr};
        QCOMPARE(
            RowAcceptable(
                row({candidate[0], candidate[1], candidate[2], candidate[3], candidate[4]}), 1, c),
            accepted);
    }

    void lastDrawLimit()
    {
        MainState state;
        state.setUpDownPosition(4, 1);
        std::vector<DrawRecord> none;
        std::vector<std::uint64_t> others;
        RowTestContext c{state, others, slotsOf({3, 11, 19, 27, 40}), {}, {}, none, nullptr};
        QVERIFY(!RowAcceptable(row({3, 14, 22, 33, 40}), 1, c));
        QVERIFY(RowAcceptable(row({3, 14, 22, 33, 39}), 1, c));
        // With extra numbers counted, a star number equal to an extra number is one more.
        state.setCheckBox(31, true);
        c.LastDraw[7] = 5;
        CandidateRow starred = row({3, 14, 22, 33, 39});
        starred[6] = 5;
        QVERIFY(!RowAcceptable(starred, 1, c));
    }

    void parityAndPrimes()
    {
        MainState state;
        std::vector<DrawRecord> none;
        std::vector<std::uint64_t> others;
        RowTestContext c{state, others, {}, {}, {}, none, nullptr};
        const CandidateRow r = row({2, 3, 5, 20, 31});  // 2 even, 3 odd, 4 primes
        QCOMPARE(CountEven(r), 2);
        QCOMPARE(CountOdd(r), 3);
        QCOMPARE(primzahlen(r), 4);
        state.setCheckBox(25, true);
        state.setUpDownPosition(15, 3);
        QVERIFY(!RowAcceptable(r, 1, c));
        state.setUpDownPosition(15, 2);
        state.setCheckBox(22, true);
        state.setUpDownPosition(10, 5);
        QVERIFY(!RowAcceptable(r, 1, c));
        state.setUpDownPosition(10, 4);
        QVERIFY(RowAcceptable(r, 1, c));
    }

    void historyTests()
    {
        MainState state;
        const std::vector<DrawRecord> draws{makeDraw(QDate(2025, 1, 10), {1, 2, 3, 4, 5}),
                                            makeDraw(QDate(2026, 6, 1), {10, 11, 12, 13, 14})};
        QVERIFY(state.DateTimePicker2.setDate(dayCountFromDate(QDate(2025, 1, 10))));
        QVERIFY(state.DateTimePicker1.setDate(dayCountFromDate(QDate(2026, 7, 1))));
        std::vector<std::uint64_t> others;
        RowTestContext c{state, others, {}, {}, {}, draws, nullptr};
        // The draw on the start date is outside the window of the first test.
        QVERIFY(Secheroderfuenfer(row({1, 2, 3, 4, 5}), c));
        QVERIFY(!Secheroderfuenfer(row({10, 11, 12, 13, 14}), c));
        state.setUpDownPosition(6, 3);
        QVERIFY(!Secheroderfuenfer(row({10, 11, 12, 30, 31}), c));
        // Recent draws: 4 hits within N x 14 days.
        QVERIFY(!dreierodervierer(row({10, 11, 12, 13, 30}), c));
        state.setUpDownPosition(18, 4);  // 56 days back: 1 June is still inside
        QVERIFY(!dreierodervierer(row({10, 11, 12, 13, 30}), c));
        QVERIFY(state.DateTimePicker1.setDate(dayCountFromDate(QDate(2026, 8, 1))));  // now 61 days
        QVERIFY(dreierodervierer(row({10, 11, 12, 13, 30}), c));
    }

    // The index of draw subsets answers exactly as the plain scan, also for
    // draws with a number twice or outside 1..42 and rows with a number twice.
    void historyIndexMatchesTheScan()
    {
        RandomGenerator random;
        random.setSeed(99);
        std::vector<DrawRecord> draws;
        QDate day(2018, 1, 1);
        for (int i = 0; i < 1500; ++i, day = day.addDays(1)) {
            DrawRecord r = makeDraw(day, {});
            for (int s = 1; s <= 5; ++s)
                r.setSlot(s, random.random(40) == 0 ? random.random(60) : 1 + random.random(12));
            draws.push_back(r);
        }
        HistoryIndex index(draws);
        const DayCount start = dayCountFromDate(QDate(2018, 3, 1)),
                       end = dayCountFromDate(QDate(2021, 6, 1));
        int refused = 0;
        for (int t = 0; t < 3000; ++t) {
            Candidate c;
            for (int& n : c) n = 1 + random.random(t % 7 == 0 ? 6 : 14);
            const int x = t % 8;
            const DayCount from = t % 2 ? start : start + 200;
            const bool expected = scanReaches(draws, from, end, x, c);
            QCOMPARE(index.reaches(from, end, x, c), expected);
            refused += expected;
        }
        QVERIFY(refused > 100 && refused < 2900);  // both answers occur
    }

    // The subset index of the comparison rows refuses exactly the rows the
    // row-by-row match test refuses.
    void comparisonIndexMatchesTheScan()
    {
        MainState state;
        RandomGenerator random;
        random.setSeed(5);
        std::vector<DrawRecord> none;
        std::vector<std::uint64_t> rows;
        for (int i = 0; i < 300; ++i) {
            std::uint64_t m = 0;
            const int count = i % 17 == 0 ? 3 : 5;  // some short list lines
            while (std::popcount(m) < count)
                m |= std::uint64_t(1) << (1 + random.random(i % 5 == 0 ? 50 : 42));
            rows.push_back(i % 23 == 0 ? 0 : m);
        }
        SubsetBitmap index;
        RowTestContext fast{state, rows, {}, {}, {}, none, nullptr, nullptr, &index};
        RowTestContext plain{state, rows, {}, {}, {}, none, nullptr, nullptr, nullptr};
        state.setCheckBox(18, false);
        state.setUpDownPosition(1, 21);
        state.setUpDownPosition(2, 239);
        int refused = 0;
        for (int t = 0; t < 4000; ++t) {
            state.setUpDownPosition(3, t % 4);  // the most changes: the index follows
            CandidateRow c{};
            std::uint64_t used = 0;
            for (int s = 1; s <= 5; ++s) {
                do c[s] = 1 + random.random(42);
                while (used >> c[s] & 1);
                used |= std::uint64_t(1) << c[s];
            }
            std::sort(c.begin() + 1, c.begin() + 6);
            const bool expected = RowAcceptable(c, 5, plain);
            QCOMPARE(RowAcceptable(c, 5, fast), expected);
            refused += !expected;
        }
        QVERIFY(refused > 200 && refused < 3800);
    }

    // Five numbers in the order drawn get the answer of their bit set, for every
    // size of the marked subsets.
    void fiveNumbersAsTheirBitSet_data()
    {
        QTest::addColumn<int>("size");
        for (int size = 1; size <= 5; ++size)
            QTest::newRow(qPrintable(QStringLiteral("subsets of %1").arg(size))) << size;
    }
    void fiveNumbersAsTheirBitSet()
    {
        QFETCH(int, size);
        RandomGenerator random;
        random.setSeed(static_cast<quint32>(size));
        const auto drawFive = [&random] {
            std::array<int, 5> five{};
            std::uint64_t mask = 0;
            for (int& n : five) {
                do n = 1 + random.random(42);
                while (mask >> n & 1);
                mask |= std::uint64_t(1) << n;
            }
            return std::pair{five, mask};
        };
        SubsetBitmap index;
        index.reset(size);
        // Enough rows that both answers are frequent; every tenth row tested is a
        // marked one, its numbers in reverse.
        const int rowCount[] = {0, 4, 20, 150, 400, 400};
        std::vector<std::pair<std::array<int, 5>, std::uint64_t>> marked;
        for (int i = 0; i < rowCount[size]; ++i) {
            marked.push_back(drawFive());
            index.addRow(marked.back().second);
        }
        int found = 0;
        for (int t = 0; t < 5000; ++t) {
            auto [five, mask] = t % 10 == 0 ? marked[t / 10 % marked.size()] : drawFive();
            if (t % 10 == 0) std::reverse(five.begin(), five.end());
            const bool expected = index.containsSubsetOf(mask);
            QCOMPARE(index.containsSubsetOf(five, mask), expected);
            found += expected;
        }
        QVERIFY2(found > 400 && found < 4900, qPrintable(QString::number(found)));
    }

    void luckyNumber_data()
    {
        QTest::addColumn<QVariant>("answer");  // a string, or nothing for Cancel
        QTest::addColumn<bool>("announced");
        QTest::newRow("a number") << QVariant(QStringLiteral("4711")) << true;
        QTest::newRow("negative") << QVariant(QStringLiteral("-5")) << true;
        QTest::newRow("cancel keeps the proposal") << QVariant() << true;
        QTest::newRow("letters seed from the clock") << QVariant(QStringLiteral("12ab")) << false;
    }
    void luckyNumber()
    {
        QFETCH(QVariant, answer);
        QFETCH(bool, announced);
        GenFixture f;
        f.state.random.setSeed(0);
        const int proposal = RandomGenerator(f.state.random).random(99999);
        f.dialogs.inputAnswers = {answer.isValid() ? std::optional<QString>(answer.toString())
                                                   : std::nullopt};
        askLuckyNumber(f.state, f.services);
        QCOMPARE(f.dialogs.shown.last().caption, QStringLiteral("Ihre Glückszahl (1-99999999)?"));
        QCOMPARE(f.dialogs.shown.last().text,
                 QStringLiteral("Geben Sie Ihre Glückszahl für den Zufallsgenerator ein!"));
        const int seed = answer.isValid() ? answer.toString().toInt() : proposal;
        if (announced) {
            QCOMPARE(f.state.random.seed(), static_cast<quint32>(seed));
            QCOMPARE(f.state.statusText(1), QStringLiteral("Glückszahl %1 gesetzt").arg(seed));
        } else {
            QCOMPARE(f.state.random.seed(), 0x34567890u);
            QVERIFY(f.state.statusText(1).isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TestGeneration)
#include "test_generation.moc"
