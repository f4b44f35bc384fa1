#include <QTest>

#include "draws/draw_download.h"

using namespace kw;

using Numbers = QList<int>;
Q_DECLARE_METATYPE(Numbers)

class TestDrawDownload : public QObject {
    Q_OBJECT
private slots:
    void lines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<Numbers>("numbers");
        QTest::addColumn<Numbers>("digits");
        QTest::newRow("the usual") << "x,3,11,19,27,40,1234567" << true
                                   << Numbers{3, 11, 19, 27, 40} << Numbers{1, 2, 3, 4, 5, 6, 7};
        QTest::newRow("field 0 any text")
            << "Mini Lotto 5.1.2024,42,1,7,2,13,0000000" << true << Numbers{42, 1, 7, 2, 13}
            << Numbers{0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("blanks around numbers")
            << "x, 3 ,11,  19,27 , 40,9876543" << true << Numbers{3, 11, 19, 27, 40}
            << Numbers{9, 8, 7, 6, 5, 4, 3};
        QTest::newRow("rest after seven digits")
            << "x,3,11,19,27,40,12345678,abc" << true << Numbers{3, 11, 19, 27, 40}
            << Numbers{1, 2, 3, 4, 5, 6, 7};
        QTest::newRow("short digit field")
            << "x,3,11,19,27,40,123" << true << Numbers{3, 11, 19, 27, 40} << Numbers{1, 2, 3};
        QTest::newRow("digits end at a letter")
            << "x,3,11,19,27,40,12a4567" << true << Numbers{3, 11, 19, 27, 40} << Numbers{1, 2};
        QTest::newRow("empty digit field")
            << "x,3,11,19,27,40," << true << Numbers{3, 11, 19, 27, 40} << Numbers{};
        QTest::newRow("blank before the digits")
            << "x,3,11,19,27,40, 1234567" << true << Numbers{3, 11, 19, 27, 40} << Numbers{};
        QTest::newRow("no comma after the fifth")
            << "7,3,11,19,27,40" << false << Numbers{} << Numbers{};
        QTest::newRow("no comma at all") << "3 11 19 27 40" << false << Numbers{} << Numbers{};
        QTest::newRow("empty line") << "" << false << Numbers{} << Numbers{};
        QTest::newRow("four numbers") << "x,3,11,19,27" << false << Numbers{} << Numbers{};
        QTest::newRow("a number that is none")
            << "x,3,elf,19,27,40,1234567" << false << Numbers{} << Numbers{};
        QTest::newRow("an empty number")
            << "x,3,,19,27,40,1234567" << false << Numbers{} << Numbers{};
        QTest::newRow("a fraction")
            << "x,3,11.5,19,27,40,1234567" << false << Numbers{} << Numbers{};
        QTest::newRow("43") << "x,3,11,19,27,43,1234567" << false << Numbers{} << Numbers{};
        QTest::newRow("0") << "x,0,11,19,27,40,1234567" << false << Numbers{} << Numbers{};
        QTest::newRow("259, one byte would keep 3")
            << "x,259,11,19,27,40,1234567" << false << Numbers{} << Numbers{};
        QTest::newRow("negative") << "x,-3,11,19,27,40,1234567" << false << Numbers{} << Numbers{};
        QTest::newRow("one number five times")
            << "x,5,5,5,5,5,1234567" << false << Numbers{} << Numbers{};
        QTest::newRow("first and last the same")
            << "x,40,11,19,27,40,1234567" << false << Numbers{} << Numbers{};
        QTest::newRow("an HTML page")
            << "<html><body>Fehler</body></html>" << false << Numbers{} << Numbers{};
    }
    void lines()
    {
        QFETCH(QString, line);
        QFETCH(bool, readable);
        QFETCH(Numbers, numbers);
        QFETCH(Numbers, digits);
        const auto parsed = parseDrawLine(line);
        QCOMPARE(parsed.has_value(), readable);
        if (!parsed) return;
        QCOMPARE(Numbers(parsed->numbers.begin(), parsed->numbers.end()), numbers);
        QCOMPARE(Numbers(parsed->digits.begin(), parsed->digits.begin() + parsed->digitCount),
                 digits);
    }

    void answerLines_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << "" << QStringList{};
        QTest::newRow("one, no break") << "a" << QStringList{"a"};
        QTest::newRow("one, break at the end") << "a\r\n" << QStringList{"a"};
        QTest::newRow("two, CR LF") << "a\r\nb\r\n" << QStringList{"a", "b"};
        QTest::newRow("two, LF") << "a\nb" << QStringList{"a", "b"};
        QTest::newRow("two, CR") << "a\rb\r" << QStringList{"a", "b"};
        QTest::newRow("empty line between") << "a\r\n\r\nb" << QStringList{"a", "", "b"};
        QTest::newRow("only a break") << "\r\n" << QStringList{""};
    }
    void answerLines()
    {
        QFETCH(QString, body);
        QFETCH(QStringList, lines);
        QCOMPARE(kw::answerLines(body), lines);
    }

    void lineIntoRecord()
    {
        DrawRecord record;
        record.ziffern = {9, 9, 9, 9, 9, 9, 9};
        record.zahlen = {1, 2, 3, 4, 5, 6, 7, 8};
        record.reserved[0] = 0x55;
        applyDrawLine(record, *parseDrawLine(u"x,3,11,19,27,40,12"), 45296.0);
        QCOMPARE(record.datum, 45296.0);
        QCOMPARE(record.zahlen, (std::array<std::uint8_t, 8>{3, 11, 19, 27, 40, 0, 0, 0}));
        QCOMPARE(record.ziffern, (std::array<std::uint8_t, 7>{1, 2, 9, 9, 9, 9, 9}));
        QCOMPARE(record.reserved, (std::array<std::uint8_t, 9>{}));
        // 5 January 2024 with 3, 11, 19, 27, 40 as the file holds it.
        QCOMPARE(record.toBytes().left(16).toHex(' '),
                 QByteArray("00 00 00 00 00 1e e6 40 03 0b 13 1b 28 00 00 00"));
    }

    void requestAddress_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("url");
        const QString query = "/lotto/lottopl.asp?Programm=KleinkugelPL&Datum=20240105";
        QTest::newRow("with scheme") << "http://127.0.0.1:8080"
                                     << "http://127.0.0.1:8080" + query;
        QTest::newRow("https") << "https://ziehungen.example"
                               << "https://ziehungen.example" + query;
        QTest::newRow("trailing slash") << "http://127.0.0.1:8080/"
                                        << "http://127.0.0.1:8080" + query;
        QTest::newRow("no scheme") << " 127.0.0.1:8080 "
                                   << "http://127.0.0.1:8080" + query;
    }
    void requestAddress()
    {
        QFETCH(QString, server);
        QFETCH(QString, url);
        QCOMPARE(drawRequestUrl(server, QDate(2024, 1, 5)), url);
    }
};

QTEST_GUILESS_MAIN(TestDrawDownload)
#include "test_draw_download.moc"
