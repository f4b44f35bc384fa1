#include <QTest>
#include <algorithm>
#include <functional>
#include <map>

#include "evaluation/sheet_evaluation.h"
#include "generation/random_generator.h"
#include "state/main_state.h"
#include "stats/statistics.h"
#include "support/state_fixture.h"

using namespace kw;
using namespace kw::test;

namespace {

// A state on a draw history of its own, with the window start..end.
struct StatsFixture : StateFixture {
    MainState state;
    Services services{StateFixture::services()};

    explicit StatsFixture(const std::vector<DrawRecord>& draws, QDate start = QDate(2018, 1, 1),
                          QDate end = QDate(2030, 1, 1))
    {
        writeDraws(draws);
        prepare(state);
        setWindow(start, end);
    }
    void setWindow(QDate start, QDate end)
    {
        QVERIFY(state.DateTimePicker2.setDate(dayCountFromDate(start)));
        QVERIFY(state.DateTimePicker1.setDate(dayCountFromDate(end)));
    }
    std::vector<double> values() const
    {
        std::vector<double> ys;
        for (const ChartPoint& p : state.chart.points()) ys.push_back(p.y);
        return ys;
    }
    double bar(double x) const
    {
        for (const ChartPoint& p : state.chart.points())
            if (p.x == x) return p.y;
        return -1;
    }
};

// Consecutive days from a start, one draw each.
std::vector<DrawRecord> daily(QDate first, const std::vector<std::array<int, 5>>& numbers)
{
    std::vector<DrawRecord> draws;
    for (const auto& n : numbers) {
        draws.push_back(makeDraw(first, {n[0], n[1], n[2], n[3], n[4]}));
        first = first.addDays(1);
    }
    return draws;
}

// The run counts as the row-by-row comparison gives them.
std::vector<int> literalRuns(MainState& state, const std::vector<DrawRecord>& draws, int g,
                             int lastStart)
{
    std::vector<int> run(43, 0);
    for (const DrawRecord& r : draws) {
        for (int i = 1; i <= 8; ++i) state.Zahl[i] = r.slot(i);
        for (int k = 1; k <= lastStart; ++k) {
            QString e[5];
            for (int m = 0; m < 5; ++m) e[m] = QString::number(m < g ? k + m : 0);
            Zettelcheck(state, {e[0], e[1], e[2], e[3], e[4], {}, {}});
            if (state.Gewinn == g) ++run[k];
        }
    }
    return run;
}

}  // namespace

class TestStatistics : public QObject {
    Q_OBJECT
private slots:
    void chartRefusesMaximumBelowMinimum()
    {
        ChartData chart;
        chart.setMinimum(5);
        QVERIFY(!chart.setMaximum(4));
        QVERIFY(chart.setMaximum(5));
        chart.setAutomatic(false);
        QCOMPARE(chart.minimum(), 5.0);
        QCOMPARE(chart.maximum(), 5.0);
        chart.setAutomatic(true);
        chart.addPoint(1, 3);
        chart.addPoint(2, 8);
        QCOMPARE(chart.minimum(), 0.0);
        QCOMPARE(chart.maximum(), 8.0);
    }

    // A draw on the start date counts where the start is inclusive only.
    void startDateInclusiveOrExclusive_data()
    {
        QTest::addColumn<int>("chart");  // 0 frequency, 1 overdue, 2 sums, 3 pairs with
        QTest::addColumn<bool>("counted");
        QTest::newRow("frequency") << 0 << true;
        QTest::newRow("overdue") << 1 << false;
        QTest::newRow("sums") << 2 << false;
        QTest::newRow("pairs with") << 3 << true;
    }
    void startDateInclusiveOrExclusive()
    {
        QFETCH(int, chart);
        QFETCH(bool, counted);
        StatsFixture f({makeDraw(QDate(2025, 3, 1), {1, 2, 3, 4, 5}),
                        makeDraw(QDate(2025, 3, 2), {6, 7, 8, 9, 10})},
                       QDate(2025, 3, 1), QDate(2025, 3, 2));
        f.state.UpDown21 = 1;
        switch (chart) {
        case 0:
            frequencyChart(f.state, f.services);
            QCOMPARE(f.bar(1), counted ? 1.0 : 0.0);
            QVERIFY(f.state.chart.title().contains(QStringLiteral("Ziehungen : 2")));
            break;
        case 1:
            overdueChart(f.state, f.services);
            QCOMPARE(f.bar(1), 2.0);  // not drawn in a window of one draw
            QCOMPARE(f.bar(6), 1.0);
            break;
        case 2:
            sumsChart(f.state, f.services);
            QCOMPARE(f.state.chart.count(), 1);
            QCOMPARE(f.state.chart.points().front().x, 40.0);
            break;
        case 3:
            pairsWithChart(f.state, f.services);
            QCOMPARE(f.bar(2), 1.0);
            break;
        }
    }

    void frequencyChartValues()
    {
        StatsFixture f({makeDraw(QDate(2025, 3, 1), {1, 2, 3, 4, 5}),
                        makeDraw(QDate(2025, 3, 2), {1, 2, 40, 41, 42})});
        frequencyChart(f.state, f.services);
        const ChartData& c = f.state.chart;
        QCOMPARE(c.count(), 42);
        QCOMPARE(c.points()[0].y, 2.0);
        QCOMPARE(c.points()[0].x, 1.0);
        QCOMPARE(c.points()[0].colour, std::optional<ChartColour>(kDarkGreen));
        QCOMPARE(c.points()[1].colour, std::optional<ChartColour>(kPrimeRed));   // 2
        QCOMPARE(c.points()[40].colour, std::optional<ChartColour>(kPrimeRed));  // 41
        QVERIFY(!c.automatic());
        QCOMPARE(c.minimum(), 0.0);
        QCOMPARE(c.maximum(), 2.0);
        QVERIFY(!c.valueLabelsVisible());
        QCOMPARE(f.state.ChartKind, 1);
        QCOMPARE(f.state.statusText(0), QStringLiteral("01.01.2030"));
    }

    void meanSumRoundsHalfToEven_data()
    {
        QTest::addColumn<int>("secondFirst");  // 2: second draw sums to 108, else to 106
        QTest::addColumn<QString>("mean");
        QTest::newRow("107.5 -> 108") << 2 << "108";
        QTest::newRow("106.5 -> 106") << 0 << "106";
    }
    void meanSumRoundsHalfToEven()
    {
        QFETCH(int, secondFirst);
        QFETCH(QString, mean);
        // Sums 107 and 108 (mean 107.5) or 107 and 106 (mean 106.5).
        const DrawRecord first = makeDraw(QDate(2025, 3, 2), {1, 2, 3, 4, 97});
        const DrawRecord second = secondFirst == 2 ? makeDraw(QDate(2025, 3, 3), {2, 3, 4, 5, 94})
                                                   : makeDraw(QDate(2025, 3, 3), {1, 3, 4, 5, 93});
        StatsFixture f({first, second}, QDate(2025, 3, 1));
        frequencyChart(f.state, f.services);
        QCOMPARE(f.state.chart.title(),
                 QStringLiteral("Zahlenverteilung     Ziehungen : 2    Quersumme: ") + mean);
        sumsChart(f.state, f.services);
        QCOMPARE(f.state.chart.title(),
                 QStringLiteral("Quersummenverteilung    Ziehungen : 2     Quersumme: ") + mean);
        QVERIFY(f.state.chart.automatic());
    }

    void emptyWindowKeepsCaption()
    {
        StatsFixture f({makeDraw(QDate(2025, 3, 1), {1, 2, 3, 4, 5})});
        f.state.chart.setTitle(QStringLiteral("vorher"));
        f.state.setStatusText(0, QStringLiteral("vorher"));
        f.setWindow(QDate(2025, 4, 1), QDate(2025, 3, 1));  // start after end
        frequencyChart(f.state, f.services);
        QCOMPARE(f.state.chart.count(), 42);
        QCOMPARE(f.values(), std::vector<double>(42, 0.0));
        QCOMPARE(f.state.chart.minimum(), 0.0);
        QCOMPARE(f.state.chart.maximum(), 0.0);
        QCOMPARE(f.state.chart.title(), QStringLiteral("vorher"));
        QCOMPARE(f.state.statusText(0), QStringLiteral("vorher"));
        sumsChart(f.state, f.services);
        QCOMPARE(f.state.chart.count(), 0);
        QCOMPARE(f.state.chart.title(), QStringLiteral("vorher"));
    }

    void overdueValues()
    {
        // 31 draws from 1 March; the window starts on the first (exclusive): 30 draws.
        std::vector<std::array<int, 5>> numbers;
        for (int i = 0; i < 31; ++i) numbers.push_back({1 + i % 30, 31, 32, 33, 34});
        numbers.back() = {5, 6, 7, 8, 9};
        StatsFixture f(daily(QDate(2025, 3, 1), numbers), QDate(2025, 3, 1), QDate(2025, 3, 31));
        overdueChart(f.state, f.services);
        QCOMPARE(f.bar(5), 1.0);    // in the last draw
        QCOMPARE(f.bar(31), 2.0);   // in the draw before
        QCOMPARE(f.bar(42), 31.0);  // never drawn in 30 draws
        QCOMPARE(f.state.chart.maximum(), 31.0);
        QCOMPARE(f.state.chart.minimum(), 1.0);
        QCOMPARE(
            f.state.chart.title(),
            QStringLiteral(
                "Welche Zahl ist überfällig, wurde als seit wievielen Ziehungen nicht gezogen?"));
        QCOMPARE(f.state.ChartKind, 3);
    }

    void overdueFollowsTheDrawOrder_data()
    {
        QTest::addColumn<bool>("inOrder");
        QTest::newRow("dates ascending") << true;
        QTest::newRow("one draw out of order") << false;
    }
    // For every number: 1 + the window's draws after its last one, counted in the
    // file's order, whatever the windows and whether the dates ascend.
    void overdueFollowsTheDrawOrder()
    {
        QFETCH(bool, inOrder);
        std::vector<DrawRecord> draws = randomHistory(QDate(2024, 1, 1), QDate(2024, 12, 31), 5);
        if (!inOrder) std::swap(draws[100], draws[300]);
        StatsFixture f(draws);
        RandomGenerator random;
        random.setSeed(8);
        for (int round = 0; round < 40; ++round) {
            const QDate start = QDate(2023, 12, 20).addDays(random.random(400));
            const QDate end = start.addDays(random.random(round < 20 ? 30 : 400));
            f.setWindow(start, end);
            overdueChart(f.state, f.services);
            std::array<int, 43> due;
            due.fill(1);
            for (const DrawRecord& r : draws) {
                if (r.datum <= dayCountFromDate(start) || r.datum > dayCountFromDate(end)) continue;
                for (int& d : due) ++d;
                for (int i = 1; i <= 5; ++i) due[r.slot(i)] = 1;
            }
            for (int n = 1; n <= 42; ++n) QCOMPARE(f.bar(n), double(due[n]));
        }
    }

    void runCountsOfOneDraw()
    {
        StatsFixture f({makeDraw(QDate(2025, 3, 2), {7, 8, 9, 20, 30})}, QDate(2025, 3, 1));
        runChart(f.state, f.services, RunLength::Pairs);
        QCOMPARE(f.state.chart.count(), 41);
        QCOMPARE(f.bar(7), 1.0);
        QCOMPARE(f.bar(8), 1.0);
        QCOMPARE(f.bar(9), 0.0);
        QCOMPARE(f.state.chart.title(), QStringLiteral("Ziehungen : 1        Paare gefunden :  2"));
        QCOMPARE(f.state.Zahl[4], 20);  // the last counted draw stays in the slots
        runChart(f.state, f.services, RunLength::Triples);
        QCOMPARE(f.state.chart.count(), 40);
        QCOMPARE(f.bar(7), 1.0);
        QCOMPARE(f.state.chart.title(),
                 QStringLiteral("Ziehungen : 1        Dreier gefunden :  1"));
        runChart(f.state, f.services, RunLength::Quadruples);
        QCOMPARE(f.state.chart.count(), 42);
        QCOMPARE(f.values(), std::vector<double>(42, 0.0));
        QVERIFY(f.state.chart.automatic());
        QCOMPARE(f.state.chart.title(), QStringLiteral("Ziehungen : 1        Vierer gefunden!0"));
        QCOMPARE(f.state.ChartKind, 0);  // the run charts leave the kind alone
    }

    // The counting by drawn numbers gives exactly what the row-by-row comparison
    // gives, also for draws with a number twice and with empty (0) slots.
    void runCountsMatchTheComparison()
    {
        RandomGenerator random;
        random.setSeed(4711);
        std::vector<DrawRecord> draws;
        QDate day(2019, 1, 1);
        for (int i = 0; i < 400; ++i, day = day.addDays(1)) {
            DrawRecord r = makeDraw(day, {});
            for (int s = 1; s <= 5; ++s)
                r.setSlot(s,
                          random.random(10) == 0 ? random.random(3) * 21 : 1 + random.random(42));
            draws.push_back(r);
        }
        StatsFixture f(draws, QDate(2018, 12, 31));
        for (const auto& [length, g, lastStart] :
             {std::tuple{RunLength::Pairs, 2, 41}, std::tuple{RunLength::Triples, 3, 40},
              std::tuple{RunLength::Quadruples, 4, 40}}) {
            runChart(f.state, f.services, length);
            const std::array<bool, 6> treffer = f.state.Treffer;
            const int gewinn = f.state.Gewinn;
            MainState oracle;
            const std::vector<int> expected = literalRuns(oracle, draws, g, lastStart);
            for (int k = 1; k <= lastStart; ++k) QCOMPARE(f.bar(k), double(expected[k]));
            QVERIFY(treffer == oracle.Treffer);
            QCOMPARE(gewinn, oracle.Gewinn);
        }
    }

    void pairsWithTotals()
    {
        StatsFixture f({makeDraw(QDate(2025, 3, 1), {1, 2, 3, 4, 5}),
                        makeDraw(QDate(2025, 3, 2), {1, 2, 6, 7, 8}),
                        makeDraw(QDate(2025, 3, 3), {9, 10, 11, 12, 13})});
        f.state.UpDown21 = 1;
        pairsWithChart(f.state, f.services);
        QCOMPARE(f.state.chart.count(), 42);
        QCOMPARE(f.bar(2), 2.0);
        QCOMPARE(f.bar(1), 0.0);
        QCOMPARE(f.state.chart.points()[1].colour, std::optional<ChartColour>(kPairBlue));
        QCOMPARE(f.state.chart.minimum(), 0.0);
        QCOMPARE(f.state.chart.maximum(), 2.0);
        // 20 ordered pairs per draw; 4 per draw holding the number.
        QCOMPARE(f.state.chart.title(),
                 QStringLiteral("Max (2,1): 2   Min (9,1): 0   Paare gesamt:60  Max (1,2): 2  Min "
                                "(1,9): 0  Paare mit 1: 8"));
        QCOMPARE(f.state.ChartKind, 6);
    }

    void pairsWithBeyond42KeepsCaption()
    {
        StatsFixture f({makeDraw(QDate(2025, 3, 1), {1, 2, 3, 4, 5})});
        f.state.UpDown21 = 42;  // not drawn: the maximum for it is 0, below 1
        f.state.chart.setTitle(QStringLiteral("vorher"));
        pairsWithChart(f.state, f.services);
        QCOMPARE(f.state.chart.count(), 42);
        QCOMPARE(f.state.chart.title(), QStringLiteral("vorher"));
        nextPairsWithChart(f.state, f.services);
        QCOMPARE(f.state.UpDown21, 43);
        QCOMPARE(f.state.chart.count(), 0);
        QCOMPARE(f.state.chart.title(), QStringLiteral("vorher"));
        f.state.UpDown21 = 50;
        nextPairsWithChart(f.state, f.services);
        QCOMPARE(f.state.UpDown21, 1);
        QVERIFY(f.state.chart.title().endsWith(QStringLiteral("Paare mit 1: 4")));
    }

    void extraNumbers()
    {
        std::vector<std::array<int, 5>> numbers(31, {1, 2, 3, 4, 5});
        auto draws = daily(QDate(2025, 3, 1), numbers);
        StatsFixture plain(draws, QDate(2025, 3, 1), QDate(2025, 3, 31));
        extraNumberChart(plain.state, plain.services);
        QCOMPARE(plain.values(), std::vector<double>(10, 30.0));
        QCOMPARE(plain.state.chart.minimum(), 30.0);
        QCOMPARE(plain.state.chart.title(),
                 QStringLiteral("Welche Eurozahl wurde am längsten nicht gezogen?"));
        QCOMPARE(plain.state.ChartKind, 5);

        draws.back().setSlot(7, 3);
        draws.back().setSlot(8, 7);
        draws[20].setSlot(7, 200);  // no extra number: ignored
        StatsFixture entered(draws, QDate(2025, 3, 1), QDate(2025, 3, 31));
        extraNumberChart(entered.state, entered.services);
        QCOMPARE(entered.bar(3), 1.0);
        QCOMPARE(entered.bar(7), 1.0);
        QCOMPARE(entered.bar(1), 30.0);
        QCOMPARE(entered.state.chart.minimum(), 1.0);
        QCOMPARE(entered.state.chart.maximum(), 30.0);
    }

    // Each chart names its bars with their own category and value, and says what
    // its colours stand for (one draw 7 8 9 20 30, counted in every window).
    void barTextsAndLegend_data()
    {
        QTest::addColumn<QString>("chart");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("legend");  // "RRGGBB meaning"
        const QStringList primes{"ff0000 Primzahl", "008000 keine Primzahl"};
        QTest::newRow("frequency") << "frequency" << 6 << "Zahl 7: 1-mal gezogen" << primes;
        QTest::newRow("frequency, not drawn")
            << "frequency" << 0 << "Zahl 1: 0-mal gezogen" << primes;
        QTest::newRow("overdue, in the last draw")
            << "overdue" << 6 << "Zahl 7 \u2013 überfällig: 1" << primes;
        QTest::newRow("overdue, never drawn")
            << "overdue" << 41 << "Zahl 42 \u2013 überfällig: 2" << primes;
        QTest::newRow("sums") << "sums" << 0 << "Quersumme 74: 1-mal"
                              << QStringList{"00a000 Ziehungen mit dieser Quersumme"};
        const QStringList runs{"00a000 Ziehungen mit dieser Zahlenfolge"};
        QTest::newRow("pairs") << "pairs" << 6 << "Paar 7\u20138: 1-mal" << runs;
        QTest::newRow("pairs, none") << "pairs" << 9 << "Paar 10\u201311: 0-mal" << runs;
        QTest::newRow("triples") << "triples" << 6 << "Dreier 7\u20139: 1-mal" << runs;
        QTest::newRow("quadruples") << "quadruples" << 5 << "Vierer 6\u20139: 0-mal" << runs;
        QTest::newRow("pairs with 7") << "pairs with" << 7 << "Zahl 8 mit 7: 1-mal zusammen gezogen"
                                      << QStringList{"0000ff mit 7 zusammen gezogen"};
        QTest::newRow("extra numbers") << "extra numbers" << 2 << "Sternzahl 3 \u2013 überfällig: 1"
                                       << QStringList{"00a000 Überfälligkeit der Sternzahl"};
        QTest::newRow("tips") << "tips" << 2 << "Zahl 3: 1-mal in den Tipps" << primes;
    }
    void barTextsAndLegend()
    {
        QFETCH(QString, chart);
        QFETCH(int, position);
        QFETCH(QString, text);
        QFETCH(QStringList, legend);
        StatsFixture f({makeDraw(QDate(2025, 3, 2), {7, 8, 9, 20, 30})}, QDate(2025, 3, 1));
        f.state.UpDown21 = 7;
        for (int c = 1; c <= 5; ++c) f.state.sheet.setCell(1, c, QString::number(c));
        const std::map<QString, std::function<void()>> charts{
            {"frequency", [&] { frequencyChart(f.state, f.services); }},
            {"overdue", [&] { overdueChart(f.state, f.services); }},
            {"sums", [&] { sumsChart(f.state, f.services); }},
            {"pairs", [&] { runChart(f.state, f.services, RunLength::Pairs); }},
            {"triples", [&] { runChart(f.state, f.services, RunLength::Triples); }},
            {"quadruples", [&] { runChart(f.state, f.services, RunLength::Quadruples); }},
            {"pairs with", [&] { pairsWithChart(f.state, f.services); }},
            {"extra numbers", [&] { extraNumberChart(f.state, f.services); }},
            {"tips", [&] { tipDistributionChart(f.state, f.services); }},
        };
        // The texts of the chart before never carry over.
        sumsChart(f.state, f.services);
        charts.at(chart)();
        QCOMPARE(f.state.chart.barText(position), text);
        QCOMPARE(f.state.chart.barText(f.state.chart.count()), QString());
        QStringList shown;
        for (const LegendEntry& entry : f.state.chart.legend())
            shown << QStringLiteral("%1 %2")
                         .arg(entry.colour, 6, 16, QLatin1Char('0'))
                         .arg(entry.text);
        QCOMPARE(shown, legend);
        // Every bar colour the chart uses has its meaning.
        for (const ChartPoint& p : f.state.chart.points()) {
            const ChartColour colour = p.colour.value_or(kDefaultBarColour);
            QVERIFY(std::any_of(f.state.chart.legend().begin(), f.state.chart.legend().end(),
                                [colour](const LegendEntry& e) { return e.colour == colour; }));
        }
    }

    void tipDistributionOfTheSheet()
    {
        StatsFixture f({});
        const QStringList a{"1", "2", "3", "4", "5"}, b{"1", "7", "8", "9", "10"};
        for (int c = 0; c < 5; ++c) {
            f.state.sheet.setCell(1, c + 1, a[c]);
            f.state.sheet.setCell(2, c + 1, b[c]);
            f.state.sheet.setCell(4, c + 1, a[c]);  // after the empty row 3: not counted
        }
        tipDistributionChart(f.state, f.services);
        QCOMPARE(f.bar(1), 2.0);
        QCOMPARE(f.bar(2), 1.0);
        QCOMPARE(f.bar(6), 0.0);
        QCOMPARE(f.bar(10), 1.0);
        QCOMPARE(f.state.chart.minimum(), 0.0);
        QCOMPARE(f.state.chart.maximum(), 2.0);
        QCOMPARE(f.state.chart.title(), QStringLiteral("Zahlenverteilung des Tippes"));
    }

    void tipDistributionOfTheList()
    {
        StatsFixture f({});
        f.state.listView = true;
        f.state.Gewinnzahlen = {"1\t2\t3\t\t\t4\t5", "1\t43\t9\t9\t9", "1\t1\t1\t1\t1"};
        f.state.Gewinne = {"0", "0", "0"};
        tipDistributionChart(f.state, f.services);
        QVERIFY(f.state.Gewinne.isEmpty());
        QCOMPARE(f.bar(1), 2.0);  // 43 ends the counting
        QCOMPARE(f.bar(4), 1.0);
        QCOMPARE(f.bar(9), 0.0);
    }

    void frequencyHistory()
    {
        StatsFixture f(
            daily(QDate(2025, 3, 1), {{1, 2, 3, 4, 5}, {1, 6, 7, 8, 9}, {1, 10, 11, 12, 13}}),
            QDate(2025, 3, 1), QDate(2025, 3, 3));
        frequencyChart(f.state, f.services);
        startFrequencyHistory(f.state);
        QVERIFY(f.state.historyRunning);
        QCOMPARE(dateFromDayCount(f.state.DateTimePicker1.date()), QDate(2025, 3, 1));
        QVERIFY(frequencyHistoryTick(f.state, f.services));
        QCOMPARE(dateFromDayCount(f.state.DateTimePicker1.date()), QDate(2025, 3, 2));
        QCOMPARE(f.bar(1), 2.0);
        QVERIFY(frequencyHistoryTick(f.state, f.services));
        QCOMPARE(f.bar(1), 3.0);
        QVERIFY(!frequencyHistoryTick(f.state, f.services));
        QVERIFY(!f.state.historyRunning);

        // Stopped midway, the end date comes back.
        startFrequencyHistory(f.state);
        QVERIFY(frequencyHistoryTick(f.state, f.services));
        stopFrequencyHistory(f.state);
        QCOMPARE(dateFromDayCount(f.state.DateTimePicker1.date()), QDate(2025, 3, 3));
        QVERIFY(!f.state.historyRunning);

        // The pairs-with chart steps through the numbers instead.
        pairsWithChart(f.state, f.services);
        startFrequencyHistory(f.state);
        QCOMPARE(dateFromDayCount(f.state.DateTimePicker1.date()), QDate(2025, 3, 3));
        QVERIFY(frequencyHistoryTick(f.state, f.services));
        QCOMPARE(f.state.UpDown21, 2);
    }

    void historyFromAStartAfterTheEndRunsOn()
    {
        StatsFixture f({makeDraw(QDate(2025, 3, 1), {1, 2, 3, 4, 5})}, QDate(2025, 3, 10),
                       QDate(2025, 3, 5));
        frequencyChart(f.state, f.services);
        startFrequencyHistory(f.state);
        for (int i = 0; i < 50; ++i) QVERIFY(frequencyHistoryTick(f.state, f.services));
        QCOMPARE(dateFromDayCount(f.state.DateTimePicker1.date()), QDate(2025, 3, 10).addDays(50));
    }
};

QTEST_GUILESS_MAIN(TestStatistics)
#include "test_statistics.moc"
