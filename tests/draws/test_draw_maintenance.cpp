#include <QTest>

#include "draws/draw_maintenance.h"
#include "support/draw_records.h"

using namespace kw;

namespace {

using Draws = std::vector<DrawRecord>;

DrawRecord draw(const QDate& date, std::initializer_list<int> numbers)
{
    return test::makeDraw(date, numbers);
}

DrawRecord march(int day, std::initializer_list<int> numbers)
{
    return draw(QDate(2025, 3, day), numbers);
}

// "d:n n n n n" per record, for readable comparisons.
QString describe(const Draws& draws)
{
    QStringList parts;
    for (const DrawRecord& r : draws) {
        QStringList numbers;
        for (int s = 1; s <= 8; ++s) numbers << QString::number(r.slot(s));
        parts << dateFromDayCount(r.datum).toString(QStringLiteral("d.M.")) + QLatin1Char(':') +
                     numbers.join(QLatin1Char(' '));
    }
    return parts.join(QStringLiteral(" | "));
}

// A function, not a global: day counts need the epoch, another file's static.
Draws marchDraws()
{
    return {march(1, {1, 2, 3, 4, 5}), march(3, {6, 7, 8, 9, 10}), march(5, {3, 11, 19, 27, 40})};
}

}  // namespace

Q_DECLARE_METATYPE(Draws)
Q_DECLARE_METATYPE(DrawRecord)

class TestDrawMaintenance : public QObject {
    Q_OBJECT
private slots:
    void entryProposal_data()
    {
        QTest::addColumn<Draws>("records");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty history") << Draws{} << QDate(2025, 3, 3) << "23.3.:1 2 3 4 5 6 1 2";
        QTest::newRow("the draw of the date")
            << marchDraws() << QDate(2025, 3, 3) << "3.3.:6 7 8 9 10 0 0 0";
        QTest::newRow("no draw that day: the last")
            << marchDraws() << QDate(2025, 3, 2) << "5.3.:3 11 19 27 40 0 0 0";
    }
    void entryProposal()
    {
        QFETCH(Draws, records);
        QFETCH(QDate, date);
        QFETCH(QString, expected);
        const DrawRecord proposal = kw::entryProposal(records, dayCountFromDate(date));
        QCOMPARE(describe({proposal}), expected);
        if (records.empty()) QCOMPARE(proposal.datum, 40991.0);
    }

    void proposalKeepsTheWholeRecord()
    {
        DrawRecord stored = march(3, {6, 7, 8, 9, 10, 6, 2, 9});
        stored.ziffern = {1, 2, 3, 4, 5, 6, 7};
        QCOMPARE(kw::entryProposal({march(1, {1, 2, 3, 4, 5}), stored}, stored.datum), stored);
    }

    void storeInDateOrder_data()
    {
        QTest::addColumn<Draws>("records");
        QTest::addColumn<DrawRecord>("entered");
        QTest::addColumn<QString>("expected");
        QTest::newRow("same date replaces, length kept")
            << marchDraws() << march(3, {12, 13, 14, 15, 16})
            << "1.3.:1 2 3 4 5 0 0 0 | 3.3.:12 13 14 15 16 0 0 0 | 5.3.:3 11 19 27 40 0 0 0";
        QTest::newRow("between two dates inserts")
            << marchDraws() << march(4, {20, 21, 22, 23, 24})
            << "1.3.:1 2 3 4 5 0 0 0 | 3.3.:6 7 8 9 10 0 0 0 | 4.3.:20 21 22 23 24 0 0 0 | "
               "5.3.:3 11 19 27 40 0 0 0";
        QTest::newRow("later than all appends")
            << marchDraws() << march(9, {20, 21, 22, 23, 24})
            << "1.3.:1 2 3 4 5 0 0 0 | 3.3.:6 7 8 9 10 0 0 0 | 5.3.:3 11 19 27 40 0 0 0 | "
               "9.3.:20 21 22 23 24 0 0 0";
        QTest::newRow("earlier than all goes first")
            << marchDraws() << draw(QDate(2012, 3, 23), {1, 2, 3, 4, 5, 6, 1, 2})
            << "23.3.:1 2 3 4 5 6 1 2 | 1.3.:1 2 3 4 5 0 0 0 | 3.3.:6 7 8 9 10 0 0 0 | "
               "5.3.:3 11 19 27 40 0 0 0";
        QTest::newRow("a doubled date becomes one record")
            << Draws{march(1, {1, 2, 3, 4, 5}), march(3, {6, 7, 8, 9, 10}),
                     march(3, {7, 8, 9, 10, 11})}
            << march(3, {30, 31, 32, 33, 34}) << "1.3.:1 2 3 4 5 0 0 0 | 3.3.:30 31 32 33 34 0 0 0";
        QTest::newRow("into an empty history")
            << Draws{} << march(3, {1, 2, 3, 4, 5}) << "3.3.:1 2 3 4 5 0 0 0";
    }
    void storeInDateOrder()
    {
        QFETCH(Draws, records);
        QFETCH(DrawRecord, entered);
        QFETCH(QString, expected);
        QCOMPARE(describe(withDrawStored(records, entered)), expected);
    }

    void entrySortsTheFiveNumbersOnly()
    {
        DrawRecord r = march(3, {40, 3, 27, 11, 19, 6, 9, 2});
        sortDrawNumbers(r);
        QCOMPARE(describe({r}), QStringLiteral("3.3.:3 11 19 27 40 6 9 2"));
    }

    void deleteRemovesEveryRecordOfTheDate_data()
    {
        QTest::addColumn<Draws>("records");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("expected");
        QTest::newRow("doubled date")
            << Draws{march(1, {1, 2, 3, 4, 5}), march(3, {6, 7, 8, 9, 10}),
                     march(3, {7, 8, 9, 10, 11}), march(5, {1, 2, 3, 4, 6})}
            << QDate(2025, 3, 3) << "1.3.:1 2 3 4 5 0 0 0 | 5.3.:1 2 3 4 6 0 0 0";
        QTest::newRow("the only draw")
            << Draws{march(1, {1, 2, 3, 4, 5})} << QDate(2025, 3, 1) << "";
        QTest::newRow("a date not stored") << marchDraws() << QDate(2025, 3, 2)
                                           << "1.3.:1 2 3 4 5 0 0 0 | 3.3.:6 7 8 9 10 0 0 0 | "
                                              "5.3.:3 11 19 27 40 0 0 0";
    }
    void deleteRemovesEveryRecordOfTheDate()
    {
        QFETCH(Draws, records);
        QFETCH(QDate, date);
        QFETCH(QString, expected);
        QCOMPARE(describe(withoutDate(records, dayCountFromDate(date))), expected);
    }

    void exportLine_data()
    {
        QTest::addColumn<DrawRecord>("record");
        QTest::addColumn<QString>("line");
        QTest::newRow("no stars") << draw(QDate(2024, 1, 5), {3, 11, 19, 27, 40})
                                  << "20240105,3,11,19,27,40,0,0";
        QTest::newRow("slot 6 left out, stars in")
            << draw(QDate(2018, 1, 1), {40, 3, 27, 11, 19, 6, 3, 7})
            << "20180101,40,3,27,11,19,3,7";
    }
    void exportLine()
    {
        QFETCH(DrawRecord, record);
        QFETCH(QString, line);
        QCOMPARE(kw::exportLine(record), line);
    }

    void importLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("expected");  // the record, or "!" and the start of the reason
        QTest::addColumn<bool>("hasStars");
        QTest::newRow("export") << "20240105,3,11,19,27,40,3,7"
                                << "5.1.:3 11 19 27 40 0 3 7" << true;
        QTest::newRow("export without stars") << "20240105,40,3,27,11,19"
                                              << "5.1.:40 3 27 11 19 0 0 0" << false;
        QTest::newRow("published history") << "2024-01-05,3,11,19,27,40"
                                           << "5.1.:3 11 19 27 40 0 0 0" << false;
        QTest::newRow("running number, comma") << "1234,05.01.2024,3,11,19,27,40"
                                               << "5.1.:3 11 19 27 40 0 0 0" << false;
        QTest::newRow("running number, blanks") << "1234. 5.1.2024 3,11,19,27,40"
                                                << "5.1.:3 11 19 27 40 0 0 0" << false;
        QTest::newRow("blanks around fields") << "  2024-01-05, 3 ,11, 19,27 ,40 "
                                              << "5.1.:3 11 19 27 40 0 0 0" << false;
        QTest::newRow("number above 42") << "20240105,3,11,19,27,43,0,0"
                                         << "!Zahl 43 außerhalb" << false;
        QTest::newRow("number 0") << "2024-01-05,0,11,19,27,40"
                                  << "!Zahl 0 außerhalb" << false;
        QTest::newRow("number twice") << "2024-01-05,3,11,19,11,40"
                                      << "!Zahl 11 doppelt" << false;
        QTest::newRow("no such day") << "20240230,3,11,19,27,40,0,0"
                                     << "!ungültiges Datum" << false;
        QTest::newRow("no such month") << "7,05.13.2024,3,11,19,27,40"
                                       << "!ungültiges Datum" << false;
        QTest::newRow("before 1900") << "18991230,3,11,19,27,40,0,0"
                                     << "!ungültiges Datum" << false;
        QTest::newRow("four numbers") << "1. 05.01.2024 3,11,19,27"
                                      << "!nicht fünf Zahlen" << false;
        QTest::newRow("letters") << "2024-01-05,3,11,x,27,40"
                                 << "!\"x\" ist keine Zahl" << false;
        QTest::newRow("huge number") << "2024-01-05,3,11,99999999999,27,40"
                                     << "!\"99999999999\" ist keine" << false;
        QTest::newRow("star above maximum") << "20240105,3,11,19,27,40,11,0"
                                            << "!Sternzahl \"11\"" << false;
        QTest::newRow("semicolons") << "2024-01-05;3;11;19;27;40"
                                    << "!unbekanntes Zeilenformat" << false;
        QTest::newRow("seven numbers") << "2024-01-05,3,11,19,27,40,41,42"
                                       << "!unbekanntes Zeilenformat" << false;
    }
    void importLine()
    {
        QFETCH(QString, line);
        QFETCH(QString, expected);
        QFETCH(bool, hasStars);
        const ImportedLine parsed = parseImportLine(line, 10);
        if (expected.startsWith(QLatin1Char('!'))) {
            QVERIFY(!parsed.record);
            QVERIFY2(parsed.error.startsWith(expected.mid(1)), qPrintable(parsed.error));
            return;
        }
        QVERIFY2(parsed.record, qPrintable(parsed.error));
        QCOMPARE(describe({*parsed.record}), expected);
        QCOMPARE(parsed.hasStars, hasStars);
        QCOMPARE(parsed.record->ziffern, (std::array<std::uint8_t, 7>{}));
    }

    void importedLineReadsItsExportBack()
    {
        DrawRecord r = draw(QDate(2019, 7, 14), {42, 1, 17, 8, 30, 0, 9, 10});
        const ImportedLine parsed = parseImportLine(kw::exportLine(r), 10);
        QVERIFY(parsed.record);
        QCOMPARE(*parsed.record, r);
    }

    void merge_data()
    {
        QTest::addColumn<Draws>("stored");
        QTest::addColumn<Draws>("imported");
        QTest::addColumn<bool>("withStars");
        QTest::addColumn<bool>("replace");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QList<int>>("counts");  // differing, added, replaced, unchanged, kept
        QTest::newRow("new dates go in order")
            << marchDraws()
            << Draws{march(4, {1, 2, 3, 4, 6}), march(2, {1, 2, 3, 4, 7}),
                     march(9, {1, 2, 3, 4, 8})}
            << false << false
            << "1.3.:1 2 3 4 5 0 0 0 | 2.3.:1 2 3 4 7 0 0 0 | 3.3.:6 7 8 9 10 0 0 0 | 4.3.:1 2 3 4 "
               "6 0 0 0 | "
               "5.3.:3 11 19 27 40 0 0 0 | 9.3.:1 2 3 4 8 0 0 0"
            << QList<int>{0, 3, 0, 0, 0};
        QTest::newRow("same numbers in another order are unchanged")
            << marchDraws() << Draws{march(3, {10, 9, 8, 7, 6})} << false << true
            << "1.3.:1 2 3 4 5 0 0 0 | 3.3.:6 7 8 9 10 0 0 0 | 5.3.:3 11 19 27 40 0 0 0"
            << QList<int>{0, 0, 0, 1, 0};
        QTest::newRow("differing replaced when confirmed")
            << marchDraws() << Draws{march(3, {6, 7, 8, 9, 11}), march(6, {1, 2, 3, 4, 5})} << false
            << true
            << "1.3.:1 2 3 4 5 0 0 0 | 3.3.:6 7 8 9 11 0 0 0 | 5.3.:3 11 19 27 40 0 0 0 | 6.3.:1 2 "
               "3 4 5 0 0 0"
            << QList<int>{1, 1, 1, 0, 0};
        QTest::newRow("differing kept when declined, new still added")
            << marchDraws() << Draws{march(3, {6, 7, 8, 9, 11}), march(6, {1, 2, 3, 4, 5})} << false
            << false
            << "1.3.:1 2 3 4 5 0 0 0 | 3.3.:6 7 8 9 10 0 0 0 | 5.3.:3 11 19 27 40 0 0 0 | 6.3.:1 2 "
               "3 4 5 0 0 0"
            << QList<int>{1, 1, 0, 0, 1};
        QTest::newRow("stars count only where the file has them")
            << Draws{march(3, {6, 7, 8, 9, 10, 6, 2, 9})} << Draws{march(3, {6, 7, 8, 9, 10})}
            << false << true << "3.3.:6 7 8 9 10 6 2 9" << QList<int>{0, 0, 0, 1, 0};
        QTest::newRow("differing stars from the export")
            << Draws{march(3, {6, 7, 8, 9, 10, 6, 2, 9})}
            << Draws{march(3, {6, 7, 8, 9, 10, 0, 0, 0})} << true << true << "3.3.:6 7 8 9 10 6 0 0"
            << QList<int>{1, 0, 1, 0, 0};
        QTest::newRow("a doubled stored date becomes one")
            << Draws{march(3, {6, 7, 8, 9, 10}), march(3, {1, 7, 8, 9, 10})}
            << Draws{march(3, {6, 7, 8, 9, 10})} << false << true << "3.3.:6 7 8 9 10 0 0 0"
            << QList<int>{1, 0, 1, 0, 0};
    }
    void merge()
    {
        QFETCH(Draws, stored);
        QFETCH(Draws, imported);
        QFETCH(bool, withStars);
        QFETCH(bool, replace);
        QFETCH(QString, expected);
        QFETCH(QList<int>, counts);
        std::vector<ImportedDraw> draws;
        for (const DrawRecord& r : imported) draws.push_back({r, withStars});
        QCOMPARE(countDiffering(stored, draws), counts[0]);
        const ImportMerge merged = mergeImported(stored, draws, replace);
        QCOMPARE(describe(merged.records), expected);
        QCOMPARE((QList<int>{merged.added, merged.replaced, merged.unchanged, merged.kept}),
                 counts.mid(1));
    }

    void replacedRecordKeepsWhatTheFileDoesNotCarry()
    {
        DrawRecord stored = march(3, {6, 7, 8, 9, 10, 6, 2, 9});
        stored.ziffern = {1, 2, 3, 4, 5, 6, 7};
        const ImportMerge merged =
            mergeImported({stored}, {{march(3, {6, 7, 8, 9, 11}), false}}, true);
        QCOMPARE(merged.records.size(), size_t(1));
        DrawRecord expected = stored;
        expected.setSlot(5, 11);
        QCOMPARE(merged.records[0], expected);
    }

    void storedRecordWithoutUsableDateStaysInPlace()
    {
        DrawRecord broken = march(1, {1, 2, 3, 4, 5});
        broken.datum = std::nan("");
        const ImportMerge merged =
            mergeImported({march(1, {1, 2, 3, 4, 5}), broken, march(5, {1, 2, 3, 4, 5})},
                          {{march(3, {9, 2, 3, 4, 5}), false}}, true);
        QCOMPARE(merged.records.size(), size_t(4));
        QVERIFY(std::isnan(merged.records[1].datum));
        QCOMPARE(dateFromDayCount(merged.records[2].datum), QDate(2025, 3, 3));
    }
};

QTEST_GUILESS_MAIN(TestDrawMaintenance)
#include "test_draw_maintenance.moc"
