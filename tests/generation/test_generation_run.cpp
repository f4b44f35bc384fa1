#include <QDateTime>
#include <QFile>
#include <QTest>

#include "generation/generation_run.h"
#include "generation/number_pool.h"
#include "state/main_state.h"
#include "support/state_fixture.h"
#include "tips/tip_operations.h"

using namespace kw;
using namespace kw::test;

namespace {

// A year of draws ending 30 June 2026.
std::vector<DrawRecord> history()
{
    return randomHistory(QDate(2025, 7, 1), QDate(2026, 6, 30), 17);
}

struct RunFixture : StateFixture {
    MainState state;
    Services services{StateFixture::services()};
    RunHooks hooks;
    int attemptsSeen = 0;  // eventsDue is asked once per attempt
    std::function<void(int attempt)> onAttempt;

    RunFixture()
    {
        writeDraws(history());
        prepare(state);
        state.sortieren = true;
        state.DateTimePicker1.setDate(dayCountFromDate(QDate(2026, 7, 1)));
        state.random.setSeed(12345);
        hooks.eventsDue = [this] {
            ++attemptsSeen;
            if (onAttempt) onAttempt(attemptsSeen);
            return false;
        };
    }
    RunResult run() { return generationRun(state, services, hooks); }
    void setRow(int r, const QStringList& cells)
    {
        for (int c = 0; c < cells.size(); ++c) state.sheet.setCell(r, c + 1, cells[c]);
    }
    QString rowText(int r) const
    {
        QStringList cells;
        for (int c = 1; c <= 5; ++c) cells << state.sheet.cell(r, c);
        return cells.join(QLatin1Char(' ')).trimmed();
    }
    int filledRows() const
    {
        int n = 0;
        for (int r = 1; r <= 12; ++r) n += !state.sheet.cell(r, 1).isEmpty();
        return n;
    }
};

}  // namespace

class TestGenerationRun : public QObject {
    Q_OBJECT
private slots:
    void requestedRowsAreGenerated()
    {
        RunFixture f;
        f.state.setUpDownPosition(8, 3);
        const RunResult result = f.run();
        QVERIFY(!result.budgetUsedUp);
        QCOMPARE(f.filledRows(), 3);
        for (int r = 1; r <= 3; ++r) {
            const QStringList cells = f.rowText(r).split(QLatin1Char(' '));
            QCOMPARE(cells.size(), 5);
            for (int c = 1; c < 5; ++c) QVERIFY(cells[c].toInt() > cells[c - 1].toInt());
        }
        QCOMPARE(f.state.statusText(1), QStringLiteral("Tipps wurden neu berechnet"));
        QCOMPARE(f.state.Gewinnzahlen.size(), 3);  // appended to the list
        QVERIFY(f.state.Gewinnzahlen.first().contains(QStringLiteral("\t\t\t")));
        QCOMPARE(f.state.statusText(0), QStringLiteral("3 Rows"));
        QCOMPARE(f.state.upDownMaximum(8), 6500);
        QCOMPARE(f.state.upDownPosition(8), 3);
        QVERIFY(f.state.sortieren);
        QVERIFY(!f.state.Berechnunglaeuft);
        QCOMPARE(startButtonCaption(f.state), QStringLiteral("Tipps berechnen"));
        QCOMPARE(f.state.sheet.result(1).hits.isEmpty(), false);  // evaluated
    }

    void sameSeedSameRows()
    {
        RunFixture a, b;
        a.state.setUpDownPosition(8, 12);
        b.state.setUpDownPosition(8, 12);
        a.run();
        b.run();
        for (int r = 1; r <= 12; ++r) QCOMPARE(a.rowText(r), b.rowText(r));
        QCOMPARE(a.filledRows(), 12);
        RunFixture c;
        c.state.random.setSeed(54321);
        c.state.setUpDownPosition(8, 12);
        c.run();
        QVERIFY(c.rowText(1) != a.rowText(1) || c.rowText(2) != a.rowText(2));
    }

    // What a run keeps of the history for the next one is the file's: after the
    // file changed (here by another program), a run gives the rows a first run
    // on the changed file gives.
    void nextRunReadsTheChangedHistory()
    {
        RunFixture a;
        const auto settle = [](const QString& path) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                     QFileDevice::FileModificationTime));
        };
        settle(a.drawFile());
        a.state.setUpDownPosition(8, 12);
        a.run();
        a.run();  // the second run on the kept history
        // The rows just generated become draws of last June.
        std::vector<DrawRecord> changed;
        for (int r = 1; r <= 12; ++r) {
            QList<int> numbers;
            for (const QString& cell : a.rowText(r).split(QLatin1Char(' ')))
                numbers << cell.toInt();
            changed.push_back(makeDraw(
                QDate(2025, 6, r), {numbers[0], numbers[1], numbers[2], numbers[3], numbers[4]}));
        }
        const QStringList before = [&a] {
            QStringList rows;
            for (int r = 1; r <= 12; ++r) rows << a.rowText(r);
            return rows;
        }();
        for (const DrawRecord& d : history()) changed.push_back(d);

        QFile file(a.drawFile());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        for (const DrawRecord& d : changed) file.write(d.toBytes());
        file.close();
        settle(a.drawFile());
        a.state.Gewinnzahlen.clear();
        a.state.random.setSeed(12345);
        a.run();

        RunFixture fresh;
        fresh.writeDraws(changed);
        fresh.state.setUpDownPosition(8, 12);
        fresh.run();
        for (int r = 1; r <= 12; ++r) {
            QCOMPARE(a.rowText(r), fresh.rowText(r));
            QVERIFY(!before.contains(a.rowText(r)));  // a drawn row is never proposed
        }
    }

    void lockedRows()
    {
        RunFixture f;
        f.state.setUpDownPosition(8, 4);
        f.setRow(2, {"3", "9", "17", "28", "40"});
        f.state.sheet.toggleLock(2);
        f.setRow(3, {"7", "33"});  // cells 1 and 2: every attempt starts with them
        f.state.sheet.toggleLock(3);
        f.setRow(4, {"", "21"});  // a gap first: generated like an unlocked row
        f.state.sheet.toggleLock(4);
        f.setRow(11, {"1", "2", "4", "8", "16"});  // above the requested count
        f.state.sheet.toggleLock(11);
        f.setRow(12, {"5", "6"});  // partly filled, not generated: kept
        f.state.sheet.toggleLock(12);
        f.run();
        QCOMPARE(f.rowText(2), QStringLiteral("3 9 17 28 40"));
        QCOMPARE(f.rowText(11), QStringLiteral("1 2 4 8 16"));
        const QStringList row3 = f.rowText(3).split(QLatin1Char(' '));
        QCOMPARE(row3.size(), 5);
        QVERIFY(row3.contains(QStringLiteral("7")) && row3.contains(QStringLiteral("33")));
        QCOMPARE(f.rowText(4).split(QLatin1Char(' ')).size(), 5);
        QCOMPARE(f.rowText(12), QStringLiteral("5 6"));
        QVERIFY(f.rowText(5).isEmpty());
    }

    void budgetOfOneThousand()
    {
        RunFixture f;
        f.state.setUpDownPosition(7, 1);
        f.state.setCheckBox(8, true);
        f.state.setUpDownPosition(1, 239);  // no sum can lie in 239..21
        f.state.setUpDownPosition(2, 21);
        bool pairOnAt500 = true, pairOffAt501 = false;
        f.onAttempt = [&](int attempt) {
            if (attempt == 500) pairOnAt500 = f.state.checkBox(8);
            if (attempt == 501) pairOffAt501 = !f.state.checkBox(8);
        };
        const RunResult result = f.run();
        QVERIFY(result.budgetUsedUp);
        QVERIFY(pairOnAt500 && pairOffAt501);
        QCOMPARE(f.attemptsSeen, 1000);
        QVERIFY(f.state.checkBox(8));  // restored
        QCOMPARE(f.filledRows(), 0);
        QCOMPARE(f.state.statusText(1),
                 QStringLiteral("Ändern Sie die Parameter um 12 Tipps zuberechnen"));
    }

    void relaxationMarks()
    {
        RunFixture f;
        f.state.setUpDownPosition(8, 12);
        // Rows 1 and 2 locked and complete; row 3 can never pass the sum test.
        f.setRow(1, {"1", "2", "3", "4", "5"});
        f.setRow(2, {"6", "7", "8", "9", "10"});
        f.state.sheet.toggleLock(1);
        f.state.sheet.toggleLock(2);
        f.state.setUpDownPosition(1, 239);
        f.state.setUpDownPosition(2, 21);
        std::map<int, std::array<int, 3>> seen;  // attempt -> UpDown4, UpDown5, UpDown6
        f.onAttempt = [&](int attempt) {
            if (attempt == 30000 || attempt == 30001 || attempt == 40001 || attempt == 45001)
                seen[attempt] = {f.state.upDownPosition(4), f.state.upDownPosition(5),
                                 f.state.upDownPosition(6)};
        };
        const RunResult result = f.run();
        QVERIFY(result.budgetUsedUp);
        QCOMPARE(f.attemptsSeen, 50000);
        QVERIFY((seen[30000] == std::array<int, 3>{0, 1, 5}));
        QVERIFY((seen[30001] == std::array<int, 3>{0, 1, 6}));
        QVERIFY((seen[40001] == std::array<int, 3>{1, 2, 6}));
        QVERIFY((seen[45001] == std::array<int, 3>{2, 3, 6}));
        QCOMPARE(f.state.upDownPosition(4), 0);
        QCOMPARE(f.state.upDownPosition(5), 1);
        QCOMPARE(f.state.upDownPosition(6), 5);
        QCOMPARE(f.rowText(1), QStringLiteral("1 2 3 4 5"));
        QVERIFY(f.rowText(3).isEmpty());
    }

    void stopDuringRowFour()
    {
        RunFixture f;
        f.state.setUpDownPosition(8, 12);
        f.hooks.eventsDue = [&f] { return f.state.sheet.cell(3, 1).size() > 0; };
        f.hooks.letEventsThrough = [&f] {
            // The second click on the start button, while row 4 is being made.
            BrechnungStart(f.state, f.services, f.hooks);
        };
        const RunResult result = f.run();
        QVERIFY(result.stopped);
        QCOMPARE(f.filledRows(), 3);
        QVERIFY(f.rowText(4).isEmpty());
        QCOMPARE(f.state.statusText(1), QStringLiteral("Tipps wurden neu berechnet"));
        QCOMPARE(startButtonCaption(f.state), QStringLiteral("Tipps berechnen"));
    }

    void listViewTopsUpTheList()
    {
        RunFixture f;
        for (int i = 0; i < 95; ++i)
            f.state.Gewinnzahlen << QStringLiteral("%1\t%2\t%3\t%4\t%5")
                                        .arg(1 + i % 38)
                                        .arg(2 + i % 38)
                                        .arg(3 + i % 38)
                                        .arg(40)
                                        .arg(42);
        f.state.listView = true;
        f.state.setUpDownMaximum(8, 6000);
        f.state.setUpDownPosition(8, 100);
        int runs = 0;
        f.hooks.showTipPage = [&runs] { ++runs; };
        BrechnungStart(f.state, f.services, f.hooks);
        QCOMPARE(f.state.Gewinnzahlen.size(), 100);
        QCOMPARE(runs, 1);  // 100 reached: no repetition
        QCOMPARE(f.state.upDownPosition(8), 100);
        QVERIFY(f.state.listView);
        QCOMPARE(f.filledRows(), 5);

        f.dialogs.shown.clear();
        BrechnungStart(f.state, f.services, f.hooks);
        // The notice tells how to go on: empty the list or ask for more rows.
        QCOMPARE(f.dialogs.notices(),
                 QStringList{QStringLiteral(
                     "Es sind schon 100 Reihen erreicht \u2013 Liste leeren (Papierkorb "
                     "\u201ELöschen aller Tipps\u201C) oder \u201EAnzahl Tipps\u201C erhöhen, "
                     "um weiterzumachen.")});
        QCOMPARE(f.state.Gewinnzahlen.size(), 100);
    }

    void listViewRepeatsUntilReached()
    {
        RunFixture f;
        f.state.Gewinnzahlen = {"1\t2\t3\t4\t5"};
        f.state.listView = true;
        f.state.setUpDownMaximum(8, 6000);
        f.state.setUpDownPosition(8, 30);
        BrechnungStart(f.state, f.services, f.hooks);
        QCOMPARE(f.state.Gewinnzahlen.size(), 30);  // 1 + 12 + 12 + 5
    }

    void badListLineEndsBeforeAnything()
    {
        RunFixture f;
        f.state.Gewinnzahlen = {"1\t2\tdrei\t4\t5"};
        f.state.listView = true;
        f.state.setUpDownMaximum(8, 6000);
        f.state.setUpDownPosition(8, 10);
        f.run();
        QCOMPARE(f.dialogs.notices().size(), 1);
        QVERIFY(f.dialogs.notices().first().contains(QStringLiteral("drei")));
        QCOMPARE(f.state.Gewinnzahlen.size(), 1);
        QVERIFY(f.state.listView);
    }

    void tooFewNumbersInThePool()
    {
        RunFixture f;
        for (int box : {1, 2, 6, 7, 10, 11, 12, 13, 14, 19}) f.state.setCheckBox(box, false);
        f.state.setCheckBox(15, true);  // only preferred numbers, and none is preferred
        const RunResult result = f.run();
        QVERIFY(result.budgetUsedUp);
        QCOMPARE(f.state.statusText(1),
                 QStringLiteral("Ändern Sie die Parameter um 12 Tipps zuberechnen"));
        QCOMPARE(f.filledRows(), 0);
    }

    void unreadableHistoryLeavesTheWindowIdle()
    {
        RunFixture f;
        QFile::remove(f.drawFile());
        QDir().mkpath(f.drawFile());  // a folder where the history should be
        f.state.setUpDownPosition(4, 3);
        const RunResult result = f.run();
        QCOMPARE(result.linesAdded, 0);
        QVERIFY(!f.dialogs.notices().isEmpty());
        QCOMPARE(startButtonCaption(f.state), QStringLiteral("Tipps berechnen"));
        QVERIFY(f.state.sortieren);
        QVERIFY(!f.state.Berechnunglaeuft);
        QCOMPARE(f.state.upDownPosition(4), 3);
        QCOMPARE(f.dialogs.busyDepth, 0);
    }

    void selectionDialogAbandoned()
    {
        RunFixture f;
        f.state.setCheckBox(20, true);
        int counted = 0;
        f.hooks.selectNumbers = [&counted](NumberPool& pool) {
            counted = pool.PoolCount(42);
            return false;
        };
        f.run();
        QVERIFY(counted > 0);
        QCOMPARE(f.filledRows(), 0);
        QVERIFY(f.state.Gewinnzahlen.isEmpty());
        QCOMPARE(startButtonCaption(f.state), QStringLiteral("Tipps berechnen"));
    }
};

QTEST_GUILESS_MAIN(TestGenerationRun)
#include "test_generation_run.moc"
