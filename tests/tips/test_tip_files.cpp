#include <QTest>

#include "tips/tip_files.h"
#include "tips/tip_sheet.h"

using namespace kw;

class TestTipFiles : public QObject {
    Q_OBJECT
private slots:
    void proposedName_data()
    {
        QTest::addColumn<QDate>("endDate");
        QTest::addColumn<QString>("name");
        QTest::newRow("a week later") << QDate(2025, 3, 3) << "20250310.qlt";
        QTest::newRow("the year rolls over") << QDate(2024, 12, 28) << "20250104.qlt";
        QTest::newRow("leap day") << QDate(2024, 2, 22) << "20240229.qlt";
    }
    void proposedName()
    {
        QFETCH(QDate, endDate);
        QFETCH(QString, name);
        QCOMPARE(tipFileProposedName(dayCountFromDate(endDate)), name);
        QCOMPARE(tipFileProposedName(dayCountFromDate(endDate) + 0.9), name);  // a whole day
    }

    void standardFormSkipsRowsWithoutFirstNumber()
    {
        TipSheet sheet;
        const QStringList rows[] = {{"3", "12", "17", "25", "40", "", ""},
                                    {"1", "2", "3", "4", "5", "4", "9"},
                                    {"", "8", "9", "10", "11", "", ""},
                                    {"7", "", "", "", "", "", ""}};
        const int at[] = {1, 2, 4, 5};
        for (int i = 0; i < 4; ++i)
            for (int c = 1; c <= 7; ++c) sheet.setCell(at[i], c, rows[i][c - 1]);
        QCOMPARE(sheetFileLines(sheet),
                 QStringList({"3,12,17,25,40,,", "1,2,3,4,5,4,9", "7,,,,,,"}));
    }

    void splitSheetLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("columns");
        QTest::newRow("seven fields")
            << "1,2,3,4,5,6,7" << QStringList{"1", "2", "3", "4", "5", "6", "7"};
        QTest::newRow("no stars") << "3,12,17,25,40,,"
                                  << QStringList{"3", "12", "17", "25", "40", "", ""};
        QTest::newRow("five numbers: the last goes to column 7")
            << "1,2,3,4,5" << QStringList{"1", "2", "3", "4", "", "", "5"};
        QTest::newRow("more commas stay in column 7")
            << "1,2,3,4,5,6,7,8,9" << QStringList{"1", "2", "3", "4", "5", "6", "7,8,9"};
        QTest::newRow("no comma: all in column 7")
            << "1\t2\t3\t4\t5" << QStringList{"", "", "", "", "", "", "1\t2\t3\t4\t5"};
        QTest::newRow("empty line") << "" << QStringList{"", "", "", "", "", "", ""};
    }
    void splitSheetLine()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, columns);
        const auto split = kw::splitSheetLine(line);
        QCOMPARE(QStringList(split.begin(), split.end()), columns);
    }

    void normaliseListLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("normalised");
        QTest::newRow("two, three blanks, a comma, one blank") << "  1  2   3,4 5  "
                                                               << "1\t2\t3\t4\t5";
        QTest::newRow("a comma and a blank make two TABs") << "  1  2   3, 4,5  "
                                                           << "1\t2\t3\t\t4\t5";
        QTest::newRow("sixteen blanks become one") << QStringLiteral("1") + QString(16, ' ') + "2"
                                                   << "1\t2";
        QTest::newRow("seventeen blanks become two") << QStringLiteral("1") + QString(17, ' ') + "2"
                                                     << "1\t\t2";
        QTest::newRow("trailing TABs trimmed") << "3\t12\t17\t25\t40\t\t\t\t\t"
                                               << "3\t12\t17\t25\t40";
        QTest::newRow("star layout stays") << "1\t2\t3\t4\t5\t\t\t3\t7"
                                           << "1\t2\t3\t4\t5\t\t\t3\t7";
        QTest::newRow("standard form keeps its empty fields") << "3,12,17,25,40,,"
                                                              << "3\t12\t17\t25\t40\t\t";
    }
    void normaliseListLines()
    {
        QFETCH(QString, line);
        QFETCH(QString, normalised);
        QCOMPARE(kw::normaliseListLines({line}), QStringList{normalised});
    }
};

QTEST_GUILESS_MAIN(TestTipFiles)
#include "test_tip_files.moc"
