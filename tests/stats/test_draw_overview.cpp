// The rows and texts of the "Datenbank" page's draw table on a few hand-made draws.
#include <QTest>
#include <algorithm>
#include <limits>

#include "i18n/message_table.h"
#include "stats/draw_overview.h"
#include "support/draw_records.h"

using namespace kw;
using namespace kw::test;

namespace {

using Draws = std::vector<DrawRecord>;

// Wed 1 May, Thu 2 May, Mon 6 May 2024 and Sun 12 May 2024; 17 in the first and the last,
// in a star slot of the second.
Draws mayDraws()
{
    DrawRecord star = makeDraw(QDate(2024, 5, 2), {3, 9, 21, 30, 42});
    star.setSlot(7, 17);
    return {makeDraw(QDate(2024, 5, 1), {5, 11, 17, 25, 40}), star,
            makeDraw(QDate(2024, 5, 6), {1, 2, 3, 4, 5}),
            makeDraw(QDate(2024, 5, 12), {17, 18, 19, 20, 21})};
}

QString dates(const std::vector<DrawRow>& rows)
{
    QStringList list;
    for (const DrawRow& r : rows) list << dateFromDayCount(r.date).toString(QStringLiteral("d.M"));
    return list.join(QLatin1Char(' '));
}

const QLocale kGerman(QLocale::German, QLocale::Germany);

}  // namespace

class TestDrawOverview : public QObject {
    Q_OBJECT
private slots:
    void rowsCarryWeekdayNumbersAndSum()
    {
        const auto rows = drawRows(mayDraws());
        QCOMPARE(rows.size(), size_t(4));
        QCOMPARE(rows[0].date, dayCountFromDate(QDate(2024, 5, 1)));
        QCOMPARE(rows[0].weekday, 3);
        QCOMPARE(rows[0].numbers, (std::array<int, 5>{5, 11, 17, 25, 40}));
        QCOMPARE(rows[0].digitSum, 98);
        QCOMPARE(rows[1].digitSum, 105);  // the star number does not count
        QCOMPARE(rows[2].weekday, 1);
        QCOMPARE(rows[3].weekday, 7);
        QCOMPARE(rows[3].digitSum, 95);
    }

    // A record from a damaged file: no calendar day, numbers beyond 42.
    void damagedRecordStillMakesARow()
    {
        DrawRecord broken = makeDraw(QDate(2024, 5, 1), {200, 255, 0, 0, 1});
        broken.datum = std::numeric_limits<double>::quiet_NaN();
        const auto rows = drawRows({broken});
        QCOMPARE(rows.size(), size_t(1));
        QCOMPARE(rows[0].weekday, 0);
        QCOMPARE(rows[0].digitSum, 456);
        QCOMPARE(rows[0].numbers[1], 255);
    }

    void filterByNumber_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("expected");
        QTest::newRow("17") << 17 << QStringLiteral("1.5 12.5");  // not the star slot's 17
        QTest::newRow("3") << 3 << QStringLiteral("2.5 6.5");
        QTest::newRow("42") << 42 << QStringLiteral("2.5");
        QTest::newRow("never") << 41 << QString();
        QTest::newRow("none") << 0 << QStringLiteral("1.5 2.5 6.5 12.5");
        QTest::newRow("out of range") << 43 << QStringLiteral("1.5 2.5 6.5 12.5");
    }
    void filterByNumber()
    {
        QFETCH(int, number);
        QFETCH(QString, expected);
        QCOMPARE(dates(drawRows(mayDraws(), number)), expected);
    }

    void sortByColumn_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("descending");
        QTest::addColumn<QString>("expected");
        const char* names[kDrawColumns] = {"date",     "weekday",  "number 1", "number 2",
                                           "number 3", "number 4", "number 5", "digit sum"};
        const auto row = [&](DrawColumn c, bool down, const char* dates) {
            QTest::addRow("%s %s", names[int(c)], down ? "down" : "up")
                << int(c) << down << QString::fromLatin1(dates);
        };
        row(DrawColumn::Date, false, "1.5 2.5 6.5 12.5 13.5");
        row(DrawColumn::Date, true, "13.5 12.5 6.5 2.5 1.5");
        // Mon 6th and Mon 13th share a weekday: by date, in the same direction.
        row(DrawColumn::Weekday, false, "6.5 13.5 1.5 2.5 12.5");
        row(DrawColumn::Weekday, true, "12.5 2.5 1.5 13.5 6.5");
        // 95 twice (12th and 13th).
        row(DrawColumn::DigitSum, false, "6.5 12.5 13.5 1.5 2.5");
        row(DrawColumn::DigitSum, true, "2.5 1.5 13.5 12.5 6.5");
        row(DrawColumn::Number1, false, "6.5 2.5 13.5 1.5 12.5");
        row(DrawColumn::Number3, true, "2.5 13.5 12.5 1.5 6.5");
        row(DrawColumn::Number5, false, "6.5 12.5 1.5 13.5 2.5");
    }
    void sortByColumn()
    {
        QFETCH(int, column);
        QFETCH(bool, descending);
        QFETCH(QString, expected);
        Draws draws = mayDraws();
        // Out of date order, as a file may hold it.
        draws.insert(draws.begin() + 1, makeDraw(QDate(2024, 5, 13), {4, 10, 19, 22, 40}));
        auto rows = drawRows(draws);
        sortDrawRows(rows, static_cast<DrawColumn>(column), descending);
        QCOMPARE(dates(rows), expected);
    }

    void summary_data()
    {
        QTest::addColumn<int>("draws");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("expected");
        const QDate first(2018, 1, 1);
        QTest::newRow("none") << 0 << first << QStringLiteral("Keine Ziehungen gespeichert");
        QTest::newRow("one, today")
            << 1 << first << QStringLiteral("1 Ziehung vom 01.01.2018 (die neueste ist von heute)");
        QTest::newRow("two, yesterday")
            << 2 << QDate(2018, 1, 3)
            << QStringLiteral(
                   "2 Ziehungen vom 01.01.2018 bis 02.01.2018 (die neueste ist von gestern)");
        QTest::newRow("many, days")
            << 1234 << QDate(2021, 5, 27)
            << QStringLiteral(
                   "1.234 Ziehungen vom 01.01.2018 bis 18.05.2021 (die neueste ist 9 Tage alt)");
        QTest::newRow("years")
            << 3 << QDate(2024, 1, 1)
            << QStringLiteral(
                   "3 Ziehungen vom 01.01.2018 bis 03.01.2018 (die neueste ist 2.189 Tage alt)");
        QTest::newRow("clock behind")
            << 3 << QDate(2017, 12, 31)
            << QStringLiteral(
                   "3 Ziehungen vom 01.01.2018 bis 03.01.2018 (die neueste liegt in der Zukunft)");
    }
    void summary()
    {
        QFETCH(int, draws);
        QFETCH(QDate, today);
        QFETCH(QString, expected);
        Draws history;
        if (draws > 0)
            history = randomHistory(QDate(2018, 1, 1), QDate(2018, 1, 1).addDays(draws - 1), 7);
        std::reverse(history.begin(), history.end());  // the dates, not the order, count
        QCOMPARE(drawHistorySummary(history, today, MessageTable::german(), kGerman), expected);
    }

    void summaryPassesOverBrokenDates()
    {
        Draws draws = mayDraws();
        draws[1].datum = std::numeric_limits<double>::quiet_NaN();
        QCOMPARE(drawHistorySummary(draws, QDate(2024, 5, 14), MessageTable::german(), kGerman),
                 QStringLiteral("4 Ziehungen vom 01.05.2024 bis 12.05.2024 (die neueste ist 2 "
                                "Tage alt)"));
    }

    void numberSummaryNamesTheLastDraw_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("expected");
        QTest::newRow("17") << 17
                            << QStringLiteral("Ziehungen mit der 17: 2, die letzte am 12.05.2024");
        QTest::newRow("42") << 42
                            << QStringLiteral("Ziehungen mit der 42: 1, die letzte am 02.05.2024");
        QTest::newRow("never") << 41 << QStringLiteral("Keine Ziehung mit der 41");
    }
    void numberSummaryNamesTheLastDraw()
    {
        QFETCH(int, number);
        QFETCH(QString, expected);
        Draws draws = mayDraws();
        std::swap(draws.front(), draws.back());  // the last in the file is not the newest
        QCOMPARE(numberSummary(draws, number, MessageTable::german()), expected);
    }
};

QTEST_MAIN(TestDrawOverview)
#include "test_draw_overview.moc"
