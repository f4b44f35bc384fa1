// The tip search and the two historic analyses on a MainState with scripted
// dialogs: what they ask, what they show, the reports, and what happens when the
// user stops them or acts meanwhile (through the hooks that let input through).
#include <QTest>

#include "draws/current_draw.h"
#include "evaluation/history_analysis.h"
#include "evaluation/tip_search.h"
#include "generation/generation_run.h"
#include "support/state_fixture.h"
#include "tips/shown_tips.h"

using namespace kw;
using namespace kw::test;

namespace {

DayCount day(int year, int month, int dayOfMonth)
{
    return dayCountFromDate(QDate(year, month, dayOfMonth));
}

struct Fixture : StateFixture {
    MainState state;
    RunHooks hooks;

    explicit Fixture(const std::vector<DrawRecord>& draws)
    {
        writeDraws(draws);
        start(state);
    }
    Services s() { return services(); }

    void setRow(int row, std::initializer_list<int> numbers)
    {
        int c = 1;
        for (int n : numbers) state.sheet.setCell(row, c++, QString::number(n));
    }
    int questions() const
    {
        int count = 0;
        for (const auto& shown : dialogs.shown) count += shown.kind == QLatin1String("question");
        return count;
    }
    void search()
    {
        Services services = s();
        searchTips(state, services, hooks);
    }
    std::optional<QStringList> parameters(int randomRuns = 0)
    {
        Services services = s();
        return analyseParameters(state, services, hooks, randomRuns);
    }
    std::optional<QStringList> database()
    {
        Services services = s();
        return analyseDatabase(state, services, hooks);
    }
};

// Five draws whose shared numbers are easy to count: each shares 4, 3, 2, 1 numbers
// with every draw before it.
std::vector<DrawRecord> smallHistory()
{
    return {makeDraw(QDate(2025, 3, 1), {1, 2, 3, 4, 5}),
            makeDraw(QDate(2025, 3, 2), {1, 2, 3, 4, 6}),
            makeDraw(QDate(2025, 3, 3), {1, 2, 3, 7, 8}),
            makeDraw(QDate(2025, 3, 4), {1, 2, 9, 10, 11}),
            makeDraw(QDate(2025, 3, 5), {1, 12, 13, 14, 15})};
}

// The sum of the report's class counts without extra numbers (lines 4 to 9).
long long reportedRows(const QStringList& report)
{
    long long rows = 0;
    for (int line = 3; line <= 8; ++line)
        rows += report[line].split(QStringLiteral("=> ")).at(1).trimmed().toLongLong();
    return rows;
}

QStringList zeroParameterReport(int rowsPerWeek)
{
    QStringList lines{"Aktuelle Einstellung brachten", "",
                      "Anzahl ohne Eurozahlen\t1x Eurozahl\t2x Eurozahl"};
    for (int h = 0; h <= 5; ++h) lines << QStringLiteral("%1x\t=> 0\t\t=> 0\t\t=> 0").arg(h);
    lines << "" << QStringLiteral("Ziehungen : 0      Tipp: %1 => 0Reihen").arg(rowsPerWeek);
    return lines;
}

// The program's generator replayed by hand: seed := seed * 134775813 + 1, a draw
// from 0 to n - 1 is the upper half of seed * n.
struct ReplayedGenerator {
    std::uint32_t seed;
    int next(int n)
    {
        seed = seed * 134775813u + 1u;
        return static_cast<int>((std::uint64_t{seed} * static_cast<std::uint64_t>(n)) >> 32);
    }
};

// Random rows for the weeks, counted by brute force: every row's numbers against
// every drawn number.
HitClassCounts countByHand(const std::vector<PlayedWeek>& weeks, std::uint32_t seed)
{
    ReplayedGenerator generator{seed};
    HitClassCounts counts{};
    for (const PlayedWeek& week : weeks) {
        for (int r = 0; r < week.rows; ++r) {
            QList<int> row;
            while (row.size() < 5) {
                const int n = generator.next(42) + 1;
                if (!row.contains(n)) row << n;
            }
            int hits = 0;
            for (int n : row)
                for (int drawn : week.draw) hits += n == drawn;
            ++counts[static_cast<size_t>(hits)];
        }
    }
    return counts;
}

}  // namespace

class TestHistoryAnalysis : public QObject {
    Q_OBJECT
private slots:
    // Tip search: without a full match nothing is asked, and the last draw of the
    // window (not the file's last) stays shown, star numbers in the header.
    void searchWithoutFullMatch()
    {
        std::vector<DrawRecord> draws = smallHistory();
        draws[3].setSlot(7, 2);
        draws[3].setSlot(8, 9);
        Fixture f(draws);
        f.setRow(1, {1, 2, 3, 4, 7});
        f.setRow(2, {20, 21, 22, 23, 24});
        f.state.DateTimePicker2.setDate(day(2025, 3, 2));
        f.state.DateTimePicker1.setDate(day(2025, 3, 4));
        const int positionBefore = f.state.Position;
        f.search();
        QCOMPARE(f.questions(), 0);
        QCOMPARE(f.dialogs.inputDefaults, QStringList{"5"});
        QCOMPARE(f.state.Datum1, day(2025, 3, 4));
        QCOMPARE(f.state.Position, positionBefore);
        QCOMPARE(f.state.Label29, drawDateText(day(2025, 3, 4)) +
                                      QStringLiteral("    1  2  9  10  11   E1: 2 E2: 9"));
        QCOMPARE(f.state.Label35, f.state.Label29);
        QCOMPARE(f.state.Label13, QStringLiteral("Quersumme:  33"));
        // The rows' hits against the last draw handled.
        QCOMPARE(f.state.sheet.result(1).hits, QStringLiteral("2"));
        QVERIFY(f.state.sheet.result(1).red);
        QCOMPARE(f.state.sheet.result(2).hits, QStringLiteral("0"));
        QVERIFY(!f.state.run.running(Task::Search));
    }

    // T = 0: every row of every window draw is a find (an empty row has 0 hits).
    void searchAsksAtEveryRow_data()
    {
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<int>("questions");
        QTest::addColumn<int>("lastShownDay");
        QTest::newRow("always Yes") << QList<bool>(36, true) << 36 << 4;
        QTest::newRow("No at once") << QList<bool>{false} << 1 << 2;
        QTest::newRow("No at the second draw") << (QList<bool>(12, true) << false) << 13 << 3;
    }
    void searchAsksAtEveryRow()
    {
        QFETCH(QList<bool>, answers);
        QFETCH(int, questions);
        QFETCH(int, lastShownDay);
        Fixture f(smallHistory());
        f.setRow(1, {1, 2, 3, 4, 5});
        f.state.DateTimePicker2.setDate(day(2025, 3, 2));
        f.state.DateTimePicker1.setDate(day(2025, 3, 4));
        f.dialogs.inputAnswers = {QStringLiteral("0")};
        f.dialogs.yesNoAnswers = answers;
        f.search();
        QCOMPARE(f.questions(), questions);
        QCOMPARE(f.state.Datum1, day(2025, 3, lastShownDay));
        const auto& first = f.dialogs.shown.at(1);
        QCOMPARE(first.text, QStringLiteral("Ein Treffer am  02.03.2025 gefunden. Weiter?"));
        QCOMPARE(first.caption, QStringLiteral("Ziehung gefunden"));
    }

    // A full match evaluates the sheet against that draw before it asks.
    void searchFindsAFullMatch()
    {
        Fixture f(smallHistory());
        f.state.setCheckBox(31, true);
        f.setRow(3, {9, 11, 2, 1, 10});
        f.state.DateTimePicker2.setDate(day(2025, 3, 1));
        f.state.DateTimePicker1.setDate(day(2025, 3, 5));
        f.dialogs.inputAnswers = {QStringLiteral("5")};
        f.dialogs.yesNoAnswers = {true};
        bool marked = false;
        f.dialogs.whileAsking = [&](const QString&) {
            marked = f.state.sheet.cell(3, 1) == QLatin1String("1") &&
                     f.state.sheet.isHit(TipSheet::editNumber(3, 5)) && f.sound.played.size() == 1;
        };
        f.search();
        QCOMPARE(f.dialogs.inputDefaults, QStringList{"7"});
        QCOMPARE(f.questions(), 1);
        QCOMPARE(f.dialogs.shown.last().text,
                 QStringLiteral("Ein Treffer am  04.03.2025 gefunden. Weiter?"));
        QVERIFY(marked);
        QCOMPARE(f.state.Datum1, day(2025, 3, 5));
    }

    void searchWithThresholdNoInteger()
    {
        Fixture f(smallHistory());
        f.setRow(1, {1, 2, 3, 4, 5});
        const QString shownBefore = f.state.Label29;
        f.dialogs.inputAnswers = {QStringLiteral("fünf")};
        f.search();
        QCOMPARE(f.dialogs.notices(), QStringList{"'fünf' ist kein gültiger Integerwert"});
        QCOMPARE(f.state.Label29, shownBefore);
        QVERIFY(f.state.sheet.result(1).hits.isEmpty());
        QVERIFY(!f.state.run.running(Task::Search));
    }

    // A second click stops the search; the other operations are refused meanwhile.
    void searchStoppedWhileOthersAreRefused()
    {
        const auto draws = randomHistory(QDate(2025, 1, 1), QDate(2025, 6, 30), 5);
        Fixture f(draws);
        f.state.DateTimePicker2.setDate(draws.front().datum);
        f.state.DateTimePicker1.setDate(draws.back().datum);
        int passes = 0;
        f.hooks.eventsDue = [] { return true; };
        f.hooks.letEventsThrough = [&] {
            if (++passes == 3) {
                QVERIFY(!f.parameters());
                QVERIFY(!f.database());
                QCOMPARE(historyButtonCaption(f.state, HistoryOperation::TipSearch, "x"),
                         QStringLiteral("Stoppen"));
                f.search();  // the second click
                QCOMPARE(historyButtonCaption(f.state, HistoryOperation::TipSearch, "x"),
                         QStringLiteral("x"));
            }
        };
        f.search();
        QCOMPARE(passes, 3);
        QCOMPARE(f.state.Datum1, draws[2].datum);
        QCOMPARE(f.dialogs.shown.size(), 1);  // the threshold only
        QVERIFY(!historyOperationRunning(f.state));
    }

    // The parameter analysis from today's date runs no week.
    void parametersFromToday()
    {
        Fixture f(randomHistory(QDate(2026, 7, 1), QDate(2026, 8, 23), 7));
        f.state.setUpDownPosition(8, 5);
        f.state.DateTimePicker1.setDate(dayCountFromDate(f.clock.date));
        f.dialogs.yesNoAnswers = {true};
        const auto report = f.parameters();
        QVERIFY(report);
        QCOMPARE(*report, zeroParameterReport(5));
        QCOMPARE(f.dialogs.shown.first().text,
                 QStringLiteral("Soll die Analyse der Einstellungen jetzt ab dem  23.08.2026 "
                                "durchgeführt werden??"));
        QCOMPARE(f.dialogs.shown.first().caption,
                 QStringLiteral("aktuellen Tipps werden dabei gelöscht?"));
    }

    // Three weeks of five rows, in the standard view or the list view: every week is
    // generated, evaluated against the draw a week later and counted, the view is
    // the one it was, and the selection dialog never opens.
    void parametersWeekByWeek_data()
    {
        QTest::addColumn<bool>("listView");
        QTest::addColumn<int>("rowsPerWeek");
        QTest::newRow("standard view") << false << 5;
        QTest::newRow("list view") << true << 15;
    }
    void parametersWeekByWeek()
    {
        QFETCH(bool, listView);
        QFETCH(int, rowsPerWeek);
        Fixture f(randomHistory(QDate(2025, 6, 1), QDate(2026, 8, 22), 3));
        f.state.setParameterMaximum(Param::RowCount, kMaxListRows);
        f.state.setUpDownPosition(8, rowsPerWeek);
        f.state.setCheckBox(20, true);
        f.state.listView = listView;
        if (listView) f.state.Gewinnzahlen = QStringList{"1\t2\t3\t4\t5"};
        f.state.DateTimePicker1.setDate(day(2026, 8, 8));
        f.dialogs.yesNoAnswers = {true};
        f.dialogs.inputAnswers = {QStringLiteral("4711")};
        bool selectionShown = false;
        f.hooks.selectNumbers = [&](NumberPool&) { return selectionShown = true; };
        const auto report = f.parameters();
        QVERIFY(report);
        QCOMPARE(f.dialogs.notices(), QStringList());
        QCOMPARE(report->size(), 11);
        QCOMPARE(report->last(), QStringLiteral("Ziehungen : 3      Tipp: %1 => %2Reihen")
                                     .arg(rowsPerWeek)
                                     .arg(3 * rowsPerWeek));
        QCOMPARE(reportedRows(*report), 3 * rowsPerWeek);
        QVERIFY(!selectionShown);
        QVERIFY(f.state.checkBox(20));
        QCOMPARE(f.state.listView, listView);
        QCOMPARE(f.state.statusText(1), QStringLiteral("Tipps wurden neu berechnet"));
        // The last week's step lands on the newest draw again.
        QCOMPARE(f.state.Datum1, day(2026, 8, 22));
        if (listView) QCOMPARE(f.state.Gewinnzahlen.size(), rowsPerWeek);
        QVERIFY(!historyOperationRunning(f.state));
        QVERIFY(!f.state.run.running(Task::Generation));

        // The same lucky number gives the same report.
        Fixture again(randomHistory(QDate(2025, 6, 1), QDate(2026, 8, 22), 3));
        again.state.setParameterMaximum(Param::RowCount, kMaxListRows);
        again.state.setUpDownPosition(8, rowsPerWeek);
        again.state.listView = listView;
        again.state.DateTimePicker1.setDate(day(2026, 8, 8));
        again.dialogs.yesNoAnswers = {true};
        again.dialogs.inputAnswers = {QStringLiteral("4711")};
        // Meanwhile the user moves the end date and steps back through the draws.
        again.hooks.eventsDue = [] { return true; };
        again.hooks.letEventsThrough = [&] {
            again.state.DateTimePicker1.setDate(day(2025, 7, 1));
            Services services = again.s();
            showPreviousDraw(again.state, services);
        };
        const auto disturbed = again.parameters();
        QVERIFY(disturbed);
        QCOMPARE(*disturbed, *report);
    }

    // Random rows for the played weeks: as many as each week had, five different
    // numbers from 1 to 42 each, the same for the same seed; a number drawn twice
    // counts twice.
    void randomTipsReplayTheGenerator()
    {
        const std::vector<PlayedWeek> weeks{
            {{1, 2, 3, 4, 5}, 40}, {{7, 7, 20, 21, 42}, 25}, {{30, 31, 32, 33, 34}, 0}};
        for (std::uint32_t seed : {1u, 2u, 3u, 200u}) {
            const HitClassCounts counts = randomTipCounts(weeks, seed);
            QCOMPARE(counts, countByHand(weeks, seed));
            long long rows = 0;
            for (long long c : counts) rows += c;
            QCOMPARE(rows, 65LL);
        }
        QVERIFY(randomTipCounts(weeks, 1) != randomTipCounts(weeks, 2));
    }

    // The section's figures for four runs counted by hand: with four runs the 5th
    // percentile is the smallest, the 95th the largest; the rank counts runs below
    // and half of those equal. The sentence judges all hits together.
    void comparisonSection_data()
    {
        QTest::addColumn<long long>("settingsThrees");
        QTest::addColumn<QString>("allHitsLine");
        QTest::addColumn<QString>("sentence");
        // Runs' all hits: 10+2*3+3*1=19, 11+2*2+3*2=21, 9+2*4=17, 12+2*3+3*1=21.
        QTest::newRow("within") << 1LL
                                << QStringLiteral("Treffer gesamt\t=> 19\t19.5\t17\t21\t38 %")
                                << QStringLiteral(
                                       "Die Einstellungen waren nicht erkennbar besser als der "
                                       "Zufall: ihre 19 Treffer liegen innerhalb der Streuung der "
                                       "Zufallstipps (17 bis 21, Mittel 19.5), der Unterschied "
                                       "kann reiner Zufall sein.");
        QTest::newRow("better")
            << 3LL << QStringLiteral("Treffer gesamt\t=> 25\t19.5\t17\t21\t100 %")
            << QStringLiteral(
                   "Die Einstellungen waren besser als der Zufall: ihre 25 "
                   "Treffer liegen über dem 95. Perzentil der Zufallstipps (21).");
        QTest::newRow("worse")
            << -2LL << QStringLiteral("Treffer gesamt\t=> 10\t19.5\t17\t21\t0 %")
            << QStringLiteral(
                   "Die Einstellungen waren schlechter als der Zufall: ihre 10 "
                   "Treffer liegen unter dem 5. Perzentil der Zufallstipps (17).");
    }
    void comparisonSection()
    {
        QFETCH(long long, settingsThrees);
        QFETCH(QString, allHitsLine);
        QFETCH(QString, sentence);
        // Settings: 20 rows with 0, 10 with 1, 3 with 2, and the threes of the row
        // (negative: the ones are that many fewer).
        HitClassCounts settings{20, 10, 3, std::max(0LL, settingsThrees), 0, 0};
        if (settingsThrees < 0) settings[1] += 3 * settingsThrees;
        const std::vector<HitClassCounts> runs{
            {21, 10, 3, 1, 0, 0}, {20, 11, 2, 2, 0, 0}, {22, 9, 4, 0, 0, 0}, {21, 12, 3, 1, 0, 0}};
        const QStringList lines = randomComparisonReport(MessageTable::german(), settings, runs);
        QCOMPARE(lines.size(), 11);
        QCOMPARE(lines[0], QString());
        QCOMPARE(lines[1], QStringLiteral("Vergleich mit Zufallstipps: 4 Läufe mit denselben "
                                          "Wochen und gleich vielen Reihen"));
        QCOMPARE(lines[2], QStringLiteral("Treffer\tEinstellungen\tZufall Mittel\t5. Perzentil\t"
                                          "95. Perzentil\tRang"));
        // 0 hits: 20 against 21, 20, 22, 21: mean 21, none below, one equal: 12.5 %, shown as 13.
        QCOMPARE(lines[3], QStringLiteral("0x\t=> 20\t21.0\t20\t22\t13 %"));
        // 2 hits: 3 against 3, 2, 4, 3: one below, two equal: 50 %.
        QCOMPARE(lines[5], QStringLiteral("2x\t=> 3\t3.0\t2\t4\t50 %"));
        QCOMPARE(lines[7], QStringLiteral("4x\t=> 0\t0.0\t0\t0\t50 %"));
        QCOMPARE(lines[9], allHitsLine);
        QCOMPARE(lines[10], sentence);
    }

    // With the comparison the report begins as without it; the section's counts
    // are those of random rows for the weeks played, as many as the settings had.
    void parametersWithRandomComparison()
    {
        const auto history = randomHistory(QDate(2025, 6, 1), QDate(2026, 8, 22), 3);
        QStringList reports[2];
        for (int runs : {0, 3}) {
            Fixture f(history);
            f.state.setUpDownPosition(8, 6);
            f.state.DateTimePicker1.setDate(day(2026, 7, 25));
            f.dialogs.yesNoAnswers = {true};
            f.dialogs.inputAnswers = {QStringLiteral("4711")};
            const auto report = f.parameters(runs);
            QVERIFY(report);
            reports[runs ? 1 : 0] = *report;
        }
        const QStringList& plain = reports[0];
        const QStringList& compared = reports[1];
        QCOMPARE(compared.mid(0, plain.size()), plain);
        QCOMPARE(compared.size(), plain.size() + 11);
        // Five weeks of six rows, each against the draw a week later; the last one's
        // step lands on the newest draw again.
        QCOMPARE(plain.last(), QStringLiteral("Ziehungen : 5      Tipp: 6 => 30Reihen"));
        std::vector<PlayedWeek> weeks;
        for (int week = 1; week <= 5; ++week) {
            const DayCount drawDay = std::min(day(2026, 7, 25) + 7 * week, day(2026, 8, 22));
            for (const DrawRecord& r : history)
                if (r.datum == drawDay)
                    weeks.push_back({{r.slot(1), r.slot(2), r.slot(3), r.slot(4), r.slot(5)}, 6});
        }
        QCOMPARE(weeks.size(), size_t{5});
        HitClassCounts settings{};
        for (int h = 0; h <= 5; ++h)
            settings[static_cast<size_t>(h)] =
                plain[3 + h].split(QStringLiteral("=> ")).at(1).trimmed().toLongLong();
        const std::vector<HitClassCounts> runs{countByHand(weeks, 1), countByHand(weeks, 2),
                                               countByHand(weeks, 3)};
        QCOMPARE(compared.mid(plain.size()),
                 randomComparisonReport(MessageTable::german(), settings, runs));
    }

    // A stop during the random runs ends the analysis without a report.
    void parametersStoppedDuringRandomRuns()
    {
        Fixture f(randomHistory(QDate(2025, 6, 1), QDate(2026, 8, 22), 3));
        f.state.setUpDownPosition(8, 4);
        f.state.DateTimePicker1.setDate(day(2026, 8, 8));
        f.dialogs.yesNoAnswers = {true};
        int passes = 0;
        f.hooks.eventsDue = [] { return true; };
        f.hooks.letEventsThrough = [&] {
            if (f.state.statusText(0) == QStringLiteral("2 / 50")) {
                ++passes;
                f.parameters();  // the second click
            }
        };
        QVERIFY(!f.parameters(50));
        QCOMPARE(passes, 1);
        QVERIFY(!historyOperationRunning(f.state));
    }

    void parametersWithLuckyNumberNoInteger()
    {
        Fixture f(randomHistory(QDate(2026, 7, 1), QDate(2026, 8, 22), 7));
        f.state.setCheckBox(20, true);
        f.state.random.setSeed(3000000000u);
        f.state.DateTimePicker1.setDate(day(2026, 8, 1));
        f.dialogs.yesNoAnswers = {true};
        f.dialogs.inputAnswers = {QStringLiteral("12a")};
        QVERIFY(!f.parameters());
        // The seed is offered as the number it is read back as.
        QCOMPARE(f.dialogs.inputDefaults, QStringList{"-1294967296"});
        QCOMPARE(f.dialogs.notices(), QStringList{"Fehler bei Eingabe der Zufallszahl"});
        QVERIFY(f.state.checkBox(20));
        QVERIFY(!historyOperationRunning(f.state));
    }

    void parametersAnsweredNo()
    {
        Fixture f(randomHistory(QDate(2026, 7, 1), QDate(2026, 8, 22), 7));
        f.state.setCheckBox(20, true);
        QVERIFY(!f.parameters());
        QCOMPARE(f.dialogs.shown.size(), 1);
        QVERIFY(f.state.checkBox(20));
    }

    // Stopped in the middle of a week's run: no report, the run and the analysis end.
    void parametersStopped()
    {
        Fixture f(randomHistory(QDate(2025, 6, 1), QDate(2026, 8, 22), 3));
        f.state.setUpDownPosition(8, 12);
        f.state.setCheckBox(20, true);
        f.state.DateTimePicker1.setDate(day(2026, 7, 1));
        f.dialogs.yesNoAnswers = {true};
        int passes = 0;
        f.hooks.eventsDue = [] { return true; };
        f.hooks.letEventsThrough = [&] {
            if (++passes != 2) return;
            QVERIFY(f.state.run.running(Task::Generation));
            QCOMPARE(historyButtonCaption(f.state, HistoryOperation::ParameterAnalysis, "x"),
                     QStringLiteral("Stoppen"));
            QVERIFY(!historyButtonEnabled(f.state, HistoryOperation::DatabaseAnalysis));
            f.search();  // refused: nothing asked
            f.parameters();
        };
        QVERIFY(!f.parameters());
        QCOMPARE(f.dialogs.shown.size(), 2);  // the question and the lucky number
        QVERIFY(!historyOperationRunning(f.state));
        QVERIFY(!f.state.run.running(Task::Generation));
        QVERIFY(f.state.checkBox(20));
    }

    // The counts of the database analysis on five draws from the second on: the first
    // analysed draw compares with nothing before it, and each pair of neighbours from
    // it to the newest is counted once in B.
    void databaseCounts_data()
    {
        QTest::addColumn<QString>("threshold");
        QTest::addColumn<QStringList>("finds");
        QTest::newRow("none reaches 5") << "5" << QStringList{};
        QTest::newRow("3 and more")
            << "3"
            << QStringList{"Ein Treffer gefunden am :  01.03.2025. Weiter?",
                           "Ein Treffer gefunden am :  02.03.2025. Weiter?"};
    }
    void databaseCounts()
    {
        QFETCH(QString, threshold);
        QFETCH(QStringList, finds);
        Fixture f(smallHistory());
        f.setRow(5, {30, 31, 32, 33, 34});
        f.state.sheet.toggleLock(5);
        f.state.DateTimePicker2.setDate(day(2025, 3, 1));
        f.state.DateTimePicker1.setDate(day(2025, 3, 2));
        f.dialogs.yesNoAnswers = QList<bool>(1 + finds.size(), true);
        f.dialogs.inputAnswers = {threshold};
        int tipPageShown = 0;
        f.hooks.showTipPage = [&] { ++tipPageShown; };
        const auto report = f.database();
        QVERIFY(report);
        // d3 shares 3 with d1 and d2, d4 2 with d1..d3; B: d2-d3 3, d3-d4 2, d4-d5 1.
        const QStringList expected{"Treffer von Ziehungen in der Datenbank",
                                   "0x    =>0",
                                   "1x    =>0",
                                   "2x    =>3",
                                   "3x    =>2",
                                   "4x    =>0",
                                   "5x    =>0",
                                   " ",
                                   "Wie oft gab es bei der nächsten Ziehung ähnliche Zahlen",
                                   "0x    =>0",
                                   "1x    =>1",
                                   "2x    =>1",
                                   "3x    =>1",
                                   "4x    =>0",
                                   "5x    =>0"};
        QCOMPARE(*report, expected);
        QCOMPARE(tipPageShown, 1);
        QCOMPARE(f.dialogs.shown.first().text,
                 QStringLiteral("Soll die Analyse der Datenbank jetzt ab dem 02.03.2025 "
                                "durchgeführt werden??"));
        QStringList asked;
        for (const auto& shown : f.dialogs.shown.mid(2)) asked << shown.text;
        QCOMPARE(asked, finds);
        // Row 1 holds the second-newest draw, the newest is selected; a locked row stays.
        QStringList row;
        for (int c = 1; c <= 5; ++c) row << f.state.sheet.cell(1, c);
        QCOMPARE(row.join(' '), QStringLiteral("1 2 9 10 11"));
        QCOMPARE(f.state.sheet.cell(5, 1), QStringLiteral("30"));
        QCOMPARE(f.state.Datum1, day(2025, 3, 5));
        QCOMPARE(f.dialogs.busyDepth, 0);
        QVERIFY(!historyOperationRunning(f.state));
    }

    // In the list view B counts row 1 against the next draw all the same, and the
    // list stays as it was.
    void databaseInTheListView()
    {
        Fixture f(smallHistory());
        f.state.listView = true;
        f.state.Gewinnzahlen = QStringList{"20\t21\t22\t23\t24"};
        f.state.DateTimePicker2.setDate(day(2025, 3, 1));
        f.state.DateTimePicker1.setDate(day(2025, 3, 2));
        f.dialogs.yesNoAnswers = {true};
        const auto report = f.database();
        QVERIFY(report);
        QCOMPARE(report->mid(9, 4),
                 (QStringList{"0x    =>0", "1x    =>1", "2x    =>1", "3x    =>1"}));
        QCOMPARE(f.state.Gewinnzahlen, QStringList{"20\t21\t22\t23\t24"});
    }

    void databaseFromTheNewestDraw()
    {
        Fixture f(smallHistory());
        f.state.DateTimePicker1.setDate(day(2025, 3, 9));
        f.dialogs.yesNoAnswers = {true};
        const auto report = f.database();
        QVERIFY(report);
        for (const QString& line : *report)
            if (line.contains(QLatin1String("=>")))
                QVERIFY2(line.endsWith("=>0"), qPrintable(line));
    }

    void databaseEndsWithoutReport_data()
    {
        QTest::addColumn<bool>("empty");
        QTest::addColumn<QString>("threshold");
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<QStringList>("notices");
        QTest::addColumn<int>("shown");
        QTest::newRow("said No") << false << "5" << QList<bool>{false} << QStringList{} << 1;
        QTest::newRow("No at a find")
            << false << "3" << QList<bool>{true, false} << QStringList{} << 3;
        QTest::newRow("threshold no integer")
            << false << "3,5" << QList<bool>{true}
            << QStringList{"'3,5' ist kein gültiger Integerwert"} << 3;
        QTest::newRow("empty history") << true << "5" << QList<bool>{true} << QStringList{} << 1;
    }
    void databaseEndsWithoutReport()
    {
        QFETCH(bool, empty);
        QFETCH(QString, threshold);
        QFETCH(QList<bool>, answers);
        QFETCH(QStringList, notices);
        QFETCH(int, shown);
        Fixture f(empty ? std::vector<DrawRecord>{} : smallHistory());
        f.state.DateTimePicker2.setDate(day(2025, 3, 1));
        f.state.DateTimePicker1.setDate(day(2025, 3, 2));
        f.dialogs.yesNoAnswers = answers;
        f.dialogs.inputAnswers = {threshold};
        QVERIFY(!f.database());
        QCOMPARE(f.dialogs.notices(), notices);
        QCOMPARE(f.dialogs.shown.size(), shown);
        QVERIFY(!historyOperationRunning(f.state));
        QCOMPARE(f.dialogs.busyDepth, 0);
    }

    // Stepping through the draws meanwhile changes nothing of the counts; a second
    // click stops the analysis without a report.
    void databaseWhileTheUserActs()
    {
        const auto draws = randomHistory(QDate(2025, 1, 1), QDate(2025, 4, 30), 9);
        Fixture quiet(draws);
        quiet.state.DateTimePicker2.setDate(draws.front().datum);
        quiet.state.DateTimePicker1.setDate(day(2025, 3, 1));
        quiet.dialogs.yesNoAnswers = {true};
        quiet.dialogs.inputAnswers = {QStringLiteral("9")};
        const auto report = quiet.database();
        QVERIFY(report);

        Fixture busy(draws);
        busy.state.DateTimePicker2.setDate(draws.front().datum);
        busy.state.DateTimePicker1.setDate(day(2025, 3, 1));
        busy.dialogs.yesNoAnswers = {true};
        busy.dialogs.inputAnswers = {QStringLiteral("9")};
        busy.hooks.eventsDue = [] { return true; };
        busy.hooks.letEventsThrough = [&] {
            Services services = busy.s();
            showPreviousDraw(busy.state, services);
            busy.state.DateTimePicker1.setDate(day(2025, 1, 10));
            busy.search();  // refused
        };
        const auto disturbed = busy.database();
        QVERIFY(disturbed);
        QCOMPARE(*disturbed, *report);
        QCOMPARE(busy.dialogs.shown.size(), 2);

        Fixture stopped(draws);
        stopped.state.DateTimePicker1.setDate(day(2025, 3, 1));
        stopped.dialogs.yesNoAnswers = {true};
        int passes = 0;
        stopped.hooks.eventsDue = [] { return true; };
        stopped.hooks.letEventsThrough = [&] {
            if (++passes == 40) stopped.database();
        };
        QVERIFY(!stopped.database());
        QCOMPARE(passes, 40);
        QVERIFY(!historyOperationRunning(stopped.state));
    }
};

QTEST_GUILESS_MAIN(TestHistoryAnalysis)
#include "test_history_analysis.moc"
