#include <QTest>

#include "printing/tip_printout.h"
#include "support/files.h"
#include "support/state_fixture.h"

using namespace kw;
using namespace kw::test;

namespace {

const QString kHeading = QStringLiteral("Quendels Lotto-Tipp für ");
const QString kTildes = QString(46, QLatin1Char('~'));

struct Fixture : StateFixture {
    MainState state;
    Fixture()
    {
        prepare(state);
        state.Datum1 = dayCountFromDate(QDate(2024, 12, 31));
    }
    void fillRow(int row, const QStringList& cells)
    {
        for (int c = 1; c <= cells.size(); ++c) state.sheet.setCell(row, c, cells[c - 1]);
    }
    void showList(const QStringList& lines)
    {
        state.listView = true;
        state.Gewinnzahlen = lines;
    }
    QStringList lines()
    {
        QString error;
        const auto lines = tipPrintoutLines(state, &error);
        if (!lines) qWarning("no printout: %s", qPrintable(error));
        return lines.value_or(QStringList{QStringLiteral("<failed>")});
    }
};

}  // namespace

class TestTipPrintout : public QObject {
    Q_OBJECT
private slots:
    void sheetRowsKeepTheirNumbers()
    {
        Fixture f;
        f.fillRow(2, {"3", "12", "17", "25", "40", "4", "9"});
        f.fillRow(5, {"1", "2", "33", "41", "42"});
        // Row 12 is the last label that fills both places.
        f.fillRow(12, {"7", "8", "9", "10", "11"});
        QCOMPARE(f.lines(), QStringList({kHeading + "01.01.2025", kTildes, QString(),
                                         " 2. Tipp:  3   12   17   25   40",
                                         " 5. Tipp:  1    2   33   41   42",
                                         "12. Tipp:  7    8    9   10   11"}));
    }

    void emptyTipsStillGiveTheHeading_data()
    {
        QTest::addColumn<bool>("list");
        QTest::newRow("sheet") << false;
        QTest::newRow("list") << true;
    }
    void emptyTipsStillGiveTheHeading()
    {
        QFETCH(bool, list);
        Fixture f;
        if (list) f.showList({});
        f.state.Datum1 = dayCountFromDate(QDate(2025, 3, 14));
        QCOMPARE(f.lines(), QStringList({kHeading + "15.03.2025", kTildes, QString()}));
    }

    void listLinesAreNumberedRightAligned()
    {
        Fixture f;
        QStringList list;
        for (int i = 1; i <= 120; ++i)
            list << QStringLiteral("%1\t%2\t%3\t%4\t%5")
                        .arg(i % 38 + 1)
                        .arg(2)
                        .arg(3)
                        .arg(4)
                        .arg(42);
        f.showList(list);
        const QStringList lines = f.lines();
        QCOMPARE(lines.size(), 3 + 120);
        QCOMPARE(lines[3], QStringLiteral("  1. Tipp:  2    2    3    4   42"));
        QCOMPARE(lines[11], QStringLiteral("  9. Tipp: 10    2    3    4   42"));
        QCOMPARE(lines[12], QStringLiteral(" 10. Tipp: 11    2    3    4   42"));
        QCOMPARE(lines[102], QStringLiteral("100. Tipp: 25    2    3    4   42"));
        QCOMPARE(lines.last(), QStringLiteral("120. Tipp:  7    2    3    4   42"));
    }

    // Star numbers after three TABs, or a hit count after the numbers: only the
    // five numbers are printed.
    void onlyTheFiveNumbersOfAListLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("five numbers") << "3\t12\t17\t25\t40";
        QTest::newRow("nine fields") << "3\t12\t17\t25\t40\t\t\t4\t9";
        QTest::newRow("zero-padded") << "03\t12\t17\t25\t40\t\t\t04\t09";
    }
    void onlyTheFiveNumbersOfAListLine()
    {
        QFETCH(QString, line);
        Fixture f;
        f.showList({line});
        QCOMPARE(f.lines().last(), QStringLiteral("  1. Tipp:  3   12   17   25   40"));
    }

    // A field that is no whole number stops the printout: nothing written, nothing
    // opened, the reason shown.
    void fieldThatIsNoNumberStopsIt_data()
    {
        QTest::addColumn<QStringList>("list");  // empty: the sheet
        QTest::addColumn<QString>("message");
        QTest::newRow("sheet row without its third number")
            << QStringList() << QStringLiteral("'' ist kein gültiger Integerwert");
        QTest::newRow("list line of four numbers")
            << QStringList{"1\t2\t3\t4\t5", "1\t2\t3\t4"}
            << QStringLiteral("'' ist kein gültiger Integerwert");
        QTest::newRow("list line with text")
            << QStringList{"1\t2\tx\t4\t5"} << QStringLiteral("'x' ist kein gültiger Integerwert");
    }
    void fieldThatIsNoNumberStopsIt()
    {
        QFETCH(QStringList, list);
        QFETCH(QString, message);
        Fixture f;
        const QString path = f.dataFolder() + QStringLiteral("Tipp.txt");
        writeBytes(path, "earlier printout\r\n");
        if (list.isEmpty()) {
            f.fillRow(1, {"1", "2", "3", "4", "5"});
            f.fillRow(3, {"1", "2", "", "4", "5"});
        } else {
            f.showList(list);
        }
        Services services = f.services();
        printTips(f.state, services);
        QCOMPARE(f.dialogs.notices(), QStringList{message});
        QVERIFY(f.shell.opened.isEmpty());
        QCOMPARE(fileBytes(path), QByteArray("earlier printout\r\n"));
    }

    void writtenAsTextFileAndOpened()
    {
        Fixture f;
        const QString path = f.dataFolder() + QStringLiteral("Tipp.txt");
        writeBytes(path, QByteArray(5000, 'x'));  // a longer earlier printout is replaced
        f.fillRow(1, {"3", "12", "17", "25", "40"});
        Services services = f.services();
        printTips(f.state, services);
        QCOMPARE(f.shell.opened, QStringList{path});
        QCOMPARE(fileBytes(path), QByteArray("Quendels Lotto-Tipp f\xfcr 01.01.2025\r\n") +
                                      kTildes.toLatin1() +
                                      "\r\n\r\n 1. Tipp:  3   12   17   25   40\r\n");
        QVERIFY(f.dialogs.notices().isEmpty());
    }

    void viewerThatCannotStartIsReported()
    {
        Fixture f;
        f.shell.succeed = false;
        Services services = f.services();
        printTips(f.state, services);
        QCOMPARE(f.dialogs.notices().size(), 1);
        QVERIFY(QFile::exists(f.dataFolder() + QStringLiteral("Tipp.txt")));
    }
};

QTEST_MAIN(TestTipPrintout)
#include "test_tip_printout.moc"
