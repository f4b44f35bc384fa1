#include <QTest>

#include "evaluation/sheet_evaluation.h"
#include "state/main_state.h"
#include "support/fakes.h"

using namespace kw;
using namespace kw::test;

namespace {

void setDraw(MainState& s, std::initializer_list<int> numbers)
{
    int i = 1;
    for (int n : numbers) s.Zahl[i++] = n;
}

void setRow(MainState& s, int row, const QStringList& cells)
{
    for (int c = 0; c < cells.size(); ++c) s.sheet.setCell(row, c + 1, cells[c]);
}

int compare(MainState& s, const QStringList& entries)
{
    QStringList padded = entries;
    while (padded.size() < 7) padded << QString();
    Zettelcheck(s, {padded[0], padded[1], padded[2], padded[3], padded[4], padded[5], padded[6]});
    return s.Gewinn;
}

}  // namespace

class TestEvaluation : public QObject {
    Q_OBJECT
private slots:
    void zettelcheck_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("hits");
        QTest::addColumn<QString>("flags");  // Treffer 1..5
        QTest::newRow("three") << QStringList{"7", "30", "12", "20", "5"} << 3 << "11010";
        QTest::newRow("a drawn number twice")
            << QStringList{"7", "7", "10", "11", "12"} << 2 << "11000";
        QTest::newRow("pair probe with zeros")
            << QStringList{"7", "20", "0", "0", "0"} << 2 << "11000";
        QTest::newRow("pair probe, one missing")
            << QStringList{"7", "21", "0", "0", "0"} << 1 << "10000";
        // The first entry that is no integer ends the comparison at once: with the
        // bad third entry only the first drawn number is compared with entries 1, 2.
        QTest::newRow("bad third entry") << QStringList{"30", "7", "x", "20", "9"} << 1 << "01000";
        QTest::newRow("letter first") << QStringList{"a", "7", "8", "9", "20"} << 0 << "00000";
        QTest::newRow("extra values ignored")
            << QStringList{"1", "2", "3", "4", "5", "7", "20"} << 0 << "00000";
    }
    void zettelcheck()
    {
        QFETCH(QStringList, entries);
        QFETCH(int, hits);
        QFETCH(QString, flags);
        MainState s;
        setDraw(s, {7, 8, 9, 20, 30});
        s.Zusatz = s.Super = true;
        QCOMPARE(compare(s, entries), hits);
        for (int j = 1; j <= 5; ++j) QCOMPARE(s.Treffer[j], flags[j - 1] == QLatin1Char('1'));
        QVERIFY(!s.Zusatz && !s.Super);
    }

    void incompleteRowIsNotEvaluated()
    {
        MainState s;
        s.sortieren = true;
        RecordingSound sound;
        setDraw(s, {3, 11, 19, 27, 40});
        setRow(s, 1, {"40", "3", "12", "27", "5"});
        QCOMPARE(Komplettcheck(s, sound), 300);
        QCOMPARE(s.sheet.result(1).sum, QStringLiteral("87"));
        s.sheet.setCell(1, 3, QString());  // the third cell emptied
        setRow(s, 2, {"1", "2", "3", "4", "5"});
        QCOMPARE(Komplettcheck(s, sound), 100);
        QVERIFY(s.sheet.result(1).hits.isEmpty());
        QCOMPARE(s.sheet.result(1).sum, QStringLiteral("87"));  // kept
        for (int c = 1; c <= 7; ++c) QVERIFY(!s.sheet.isHit(TipSheet::editNumber(1, c)));
        QCOMPARE(s.Statistik[1][0], 1);
        QCOMPARE(s.Statistik[0][0], 0);    // the empty rows are not counted either
        QCOMPARE(sound.played.size(), 1);  // only the first run had a row with two hits
    }

    void evaluationOffWhileSortierenIsFalse()
    {
        MainState s;
        RecordingSound sound;
        setDraw(s, {3, 11, 19, 27, 40});
        setRow(s, 1, {"40", "3", "12", "27", "5"});
        s.Statistik[2][1] = 9;
        QCOMPARE(Komplettcheck(s, sound), 0);
        QCOMPARE(s.Statistik[2][1], 0);
        QCOMPARE(s.sheet.cell(1, 1), QStringLiteral("40"));  // not sorted
        QVERIFY(sound.played.isEmpty());
    }

    void moreHitsThanClassesStayInBounds()
    {
        // A draw stored with one number five times lets a row reach 25 hits.
        MainState s;
        s.sortieren = true;
        RecordingSound sound;
        setDraw(s, {7, 7, 7, 7, 7});
        setRow(s, 1, {"7", "7", "7", "7", "7"});
        QCOMPARE(Komplettcheck(s, sound), 2500);
        QCOMPARE(s.sheet.result(1).hits, QStringLiteral("25"));
        int counted = 0;
        for (const auto& row : s.Statistik)
            for (int n : row) counted += n;
        QCOMPARE(counted, 0);
        s.Gewinnzahlen = {"7\t7\t7\t7\t7"};
        QCOMPARE(Listengewinncheck(s, sound), 2500);
    }

    void splitListLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("five numbers")
            << "1\t2\t3\t4\t5" << QStringList{"1", "2", "3", "4", "5", "", ""};
        QTest::newRow("three TABs collapse")
            << "1\t2\t3\t\t\t5\t6" << QStringList{"1", "2", "3", "5", "6", "", ""};
        QTest::newRow("nine-field layout")
            << "1\t2\t3\t4\t5\t\t\t3\t7" << QStringList{"1", "2", "3", "4", "5", "3", "7"};
        QTest::newRow("rest in field seven")
            << "1\t2\t3\t4\t5\t6\t7\t8\t9" << QStringList{"1", "2", "3", "4", "5", "6", "7\t8\t9"};
        QTest::newRow("six TABs become two")
            << "1\t\t\t\t\t\t2" << QStringList{"1", "", "2", "", "", "", ""};
        QTest::newRow("four TABs: one collapse, one left")
            << "1\t\t\t\t2" << QStringList{"1", "", "2", "", "", "", ""};
        QTest::newRow("empty") << "" << QStringList{"", "", "", "", "", "", ""};
        QTest::newRow("spaces are no separators")
            << "1 2 3 4 5" << QStringList{"1 2 3 4 5", "", "", "", "", "", ""};
    }
    void splitListLine()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, fields);
        QString buffer;
        const RowEntries entries = kw::splitListLine(line, buffer);
        for (int f = 0; f < 7; ++f) QCOMPARE(entries[f].toString(), fields[f]);
    }

    void listEvaluation()
    {
        MainState s;
        RecordingSound sound;
        setDraw(s, {3, 11, 19, 27, 40});
        s.Gewinnzahlen = {"3\t11\t19\t1\t2", "40\t2\t4\t5\t6", "x\t3\t11\t19\t27", "",
                          "3\t11\t\t\t19\t27\t40"};
        s.Statistik[0][0] = 5;  // the list evaluation adds to the count for no hit
        QCOMPARE(Listengewinncheck(s, sound), 500);
        QCOMPARE(s.Gewinne, QStringList({"3", "1", "0", "0", "5"}));
        QCOMPARE(s.Statistik[0][0], 7);
        QCOMPARE(s.Statistik[1][0], 1);
        QCOMPARE(s.Statistik[3][0], 1);
        QCOMPARE(s.Statistik[5][0], 1);
        QCOMPARE(s.statusText(0), QStringLiteral("5 Rows  5+0 max win"));
        QCOMPARE(sound.played.size(), 1);
    }

    void emptyList()
    {
        MainState s;
        RecordingSound sound;
        s.Gewinne = {"stale"};
        QCOMPARE(Listengewinncheck(s, sound), 0);
        QVERIFY(s.Gewinne.isEmpty());
        QCOMPARE(s.statusText(0), QStringLiteral("0 Rows  0+0 max win"));
        QVERIFY(sound.played.isEmpty());
    }

    // Nothing a list line holds may crash or hang the evaluation.
    void hostileLines()
    {
        MainState s;
        RecordingSound sound;
        setDraw(s, {3, 11, 19, 27, 40});
        s.Gewinnzahlen = {
            QString(100000, QLatin1Char('\t')),       QString(200000, QLatin1Char('7')),
            "99999999999999999999\t3\t11\t19\t27",    "-3\t+11\t 19\t27 \t40",
            QString(5000, QLatin1Char('3')) + "\t11", "3\t+11\t 19\t1\t2"};
        QCOMPARE(Listengewinncheck(s, sound), 300);
        // A trailing blank makes "27 " no integer; leading blanks and signs are fine.
        QCOMPARE(s.Gewinne, QStringList({"0", "0", "0", "0", "0", "3"}));
    }
};

QTEST_GUILESS_MAIN(TestEvaluation)
#include "test_evaluation.moc"
