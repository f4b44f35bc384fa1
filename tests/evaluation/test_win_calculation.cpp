// The win calculation without its dialog: prize classes, recomputation, reading a
// quota answer, and the quota load against a server on 127.0.0.1.
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

#include "evaluation/win_calculation.h"
#include "state/main_state.h"
#include "support/draw_server.h"
#include "support/loopback_http_client.h"

using namespace kw;
using namespace kw::test;

namespace {

const QLocale kGerman(QLocale::German, QLocale::Germany);
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

// Twelve texts from a list; the missing ones empty.
RowTexts rows(const QStringList& texts)
{
    RowTexts result;
    for (int r = 0; r < kPrizeClasses && r < texts.size(); ++r) result[r] = texts[r];
    return result;
}

QStringList list(const RowTexts& texts)
{
    return QStringList(texts.begin(), texts.end());
}

// A quota answer: the program up to the first ",", a field not used (the date),
// the stake, the twelve quotas from the top class down.
QByteArray answer(const QString& stake, const QStringList& topDown)
{
    return ("Sternkugel,20141010;" + stake + ";" + topDown.join(';') + ";\r\n").toUtf8();
}

const QStringList kTopDown{"unbesetzt", "1.234.567,80 EUR",
                           "55.000,00", "5.000,00",
                           "210,50",    "99,90",
                           "48,00",     "20,00",
                           "18,20",     "14,00",
                           "9,50",      "7,10"};
// The same as the dialog's rows show them, top row first.
const QStringList kShown{"7,10",  "9,50",   "14,00",   "18,20",    "20,00",      "48,00",
                         "99,90", "210,50", "5000,00", "55000,00", "1234567,80", "0,00"};

}  // namespace

class TestWinCalculation : public QObject {
    Q_OBJECT
private slots:
    void rowsFourAndFiveByDrawDate_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<double>("timeOfDay");
        QTest::addColumn<QStringList>("labels");  // rows 4 and 5
        QTest::addColumn<QStringList>("counts");  // rows 4 and 5
        QTest::newRow("9 October 2014")
            << QDate(2014, 10, 9) << 0.9 << QStringList{"2 + S + S", "3 + S"}
            << QStringList{"22", "31"};
        QTest::newRow("10 October 2014")
            << QDate(2014, 10, 10) << 0.0 << QStringList{"3 + E", "2 + E + E"}
            << QStringList{"31", "22"};
        QTest::newRow("a later draw")
            << QDate(2024, 1, 4) << 0.5 << QStringList{"3 + E", "2 + E + E"}
            << QStringList{"31", "22"};
    }
    void rowsFourAndFiveByDrawDate()
    {
        QFETCH(QDate, date);
        QFETCH(double, timeOfDay);
        QFETCH(QStringList, labels);
        QFETCH(QStringList, counts);
        const DayCount day = dayCountFromDate(date) + timeOfDay;
        ClassCounts statistik{};
        for (int h = 0; h < 7; ++h)
            for (int c = 0; c < 3; ++c) statistik[h][c] = 10 * h + c;
        const auto classes = prizeClasses(day);
        QStringList shownLabels;
        for (const PrizeClass& c : classes) shownLabels << c.label;
        QCOMPARE(shownLabels,
                 QStringList({"2 + E", "1 + E + E", "3", labels[0], labels[1], "3 + E + E", "4",
                              "4 + E", "4 + E + E", "5", "5 + E", "5 + E + E"}));
        QCOMPARE(list(classCountTexts(statistik, day)),
                 QStringList({"21", "12", "30", counts[0], counts[1], "32", "40", "41", "42", "50",
                              "51", "52"}));
        // Hints and averages stay with their rows.
        QCOMPARE(classes[3].odds, QStringLiteral("1:418"));
        QCOMPARE(classes[4].average, QStringLiteral("20"));
        QCOMPARE(classes[11].odds, QStringLiteral("1 : 59.325.280"));
        QCOMPARE(classes[11].average, QStringLiteral("10000000"));
    }

    void recomputation_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("counts");
        QTest::addColumn<QStringList>("quotas");
        QTest::addColumn<QStringList>("sums");
        QTest::addColumn<QString>("total");
        const QStringList zeros(12, "0");
        QStringList counts = zeros;
        counts[2] = "2";  // "3"
        counts[6] = "1";  // "4"
        QStringList quotas = zeros;
        quotas[2] = "15";
        quotas[6] = "100";
        QStringList sums(12, "0,00");
        sums[2] = "30,00";
        sums[6] = "100,00";
        QTest::newRow("the two classes of this game, decimal comma")
            << kGerman << counts << quotas << sums << "130,00";
        QStringList pointSums(12, "0.00");
        pointSums[2] = "30.00";
        pointSums[6] = "100.00";
        QTest::newRow("decimal point") << kEnglish << counts << quotas << pointSums << "130.00";

        // Quotas not filled in yet are no numbers: their rows show "-", the rest goes on,
        // and the total knows the classes without winners hold nothing.
        QStringList empty(12, QString());
        empty[2] = "15";
        empty[6] = "100";
        QStringList dashes(12, "-");
        dashes[2] = "30,00";
        dashes[6] = "100,00";
        QTest::newRow("quotas missing where nobody won")
            << kGerman << counts << empty << dashes << "130,00";
        QStringList missing = quotas;
        missing[6] = "-";
        QStringList partial = sums;
        partial[6] = "-";
        QTest::newRow("a quota missing where somebody won")
            << kGerman << counts << missing << partial << "-";
        QStringList badCount = counts;
        badCount[0] = "x";
        QStringList badCountSums = sums;
        badCountSums[0] = "-";
        QTest::newRow("a count that is no number")
            << kGerman << badCount << quotas << badCountSums << "-";

        // Seven significant digits for a sum, nine for the total.
        QStringList big = zeros;
        big[9] = "1234567,80";
        QStringList one = zeros;
        one[9] = "1";
        QStringList bigSums(12, "0,00");
        bigSums[9] = "1234568,00";
        QTest::newRow("seven digits") << kGerman << one << big << bigSums << "1234568,00";
        QStringList small = zeros;
        small[2] = "33,333";
        QStringList three = zeros;
        three[2] = "3";
        QStringList smallSums(12, "0,00");
        smallSums[2] = "100,00";
        QTest::newRow("two decimals") << kGerman << three << small << smallSums << "100,00";
        // From 10 million on a sum is written in scientific notation; the total reads it back.
        QStringList top = zeros;
        top[11] = "10000000";
        top[9] = "50000";
        QStringList topCounts = zeros;
        topCounts[11] = "2";
        topCounts[9] = "1";
        QStringList topSums(12, "0,00");
        topSums[11] = "2,000000E+07";
        topSums[9] = "50000,00";
        QTest::newRow("ten million and more")
            << kGerman << topCounts << top << topSums << "20050000,00";
    }
    void recomputation()
    {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, counts);
        QFETCH(QStringList, quotas);
        QFETCH(QStringList, sums);
        QFETCH(QString, total);
        const Winnings w = computeWinnings(rows(counts), rows(quotas), locale);
        QCOMPARE(list(w.sums), sums);
        QCOMPARE(w.total, total);
        for (int r = 0; r < kPrizeClasses; ++r) QCOMPARE(w.quotaEnabled[r], counts[r].toInt() > 0);
    }

    void readingDecimals()
    {
        QCOMPARE(readDecimal("12,5", kGerman), std::optional<double>(12.5));
        QCOMPARE(readDecimal(" 7 ", kGerman), std::optional<double>(7));
        QCOMPARE(readDecimal("12.5", kEnglish), std::optional<double>(12.5));
        for (const char* text : {"", "-", "1.234,50", "12.5", "abc", "inf", "nan", "1e400"})
            QVERIFY2(!readDecimal(QString::fromLatin1(text), kGerman), text);
        QCOMPARE(decimalText(1234.5, 9, 2, kGerman), QStringLiteral("1234,50"));
        QCOMPARE(decimalText(1e9, 9, 2, kGerman), QStringLiteral("1,00000000E+09"));
        QCOMPARE(decimalText(2.4, 9, 0, kGerman), QStringLiteral("2"));
    }

    void quotaAnswer_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("quotas");  // top row first
        QTest::newRow("an answer of the server")
            << QString::fromUtf8(answer("2,50", kTopDown)) << "Spieleinsatz: 3  EUR" << kShown;
        // Without a "," the fields are read from the beginning: the first one is skipped.
        QStringList noComma = kTopDown;
        for (QString& q : noComma) q.remove(',');
        QTest::newRow("no comma") << "Ziehung;1250;" + noComma.join(';') + ";"
                                  << "Spieleinsatz: 1250  EUR"
                                  << QStringList{"710,00",     "950,00",       "1400,00",
                                                 "1820,00",    "2000,00",      "4800,00",
                                                 "9990,00",    "21050,00",     "500000,00",
                                                 "5500000,00", "123456780,00", "0,00"};
        QStringList unreadable = kTopDown;
        unreadable[1] = "n.v.";
        unreadable[5] = "";
        QStringList unreadableShown = kShown;
        unreadableShown[10] = "-";
        unreadableShown[6] = "-";
        QTest::newRow("quotas that cannot be read")
            << QString::fromUtf8(answer("-", unreadable)) << "Spieleinsatz: noch nicht verfügbar!"
            << unreadableShown;
        // The last quota without its ";" is read all the same; fields that are not
        // there are no numbers.
        QTest::newRow("short answer")
            << "1,x;2;unbesetzt;100,5"
            << "Spieleinsatz: 2  EUR"
            << QStringList{"-", "-", "-", "-", "-", "-", "-", "-", "-", "-", "100,50", "0,00"};
    }
    void quotaAnswer()
    {
        QFETCH(QString, body);
        QFETCH(QString, caption);
        QFETCH(QStringList, quotas);
        const auto table = parseQuotaBody(body, QuotaTexts(), kGerman);
        QVERIFY(table);
        QCOMPARE(table->caption, caption);
        QCOMPARE(list(table->quotas), quotas);
    }

    void answerWithoutSemicolonIsNotRead()
    {
        QVERIFY(!parseQuotaBody("20141010,Sternkugel,2,50", QuotaTexts(), kGerman));
        QVERIFY(!parseQuotaBody(QString(), QuotaTexts(), kGerman));
        // Fields, but not one quota among them.
        QVERIFY(
            !parseQuotaBody("<html>;Fehler;</html>;\x01\x7F;;;;;;;;;;;", QuotaTexts(), kGerman));
    }

    void quotaWithADecimalPointSetting()
    {
        // The server writes German numbers: a decimal point setting reads the thousands
        // separators away and is left with a comma it cannot read.
        const auto table =
            parseQuotaBody(QString::fromUtf8(answer("2", kTopDown)), QuotaTexts(), kEnglish);
        QVERIFY(table);
        QCOMPARE(table->quotas[11], QStringLiteral("0.00"));
        QCOMPARE(table->quotas[10], QStringLiteral("-"));
        QCOMPARE(table->caption, QStringLiteral("Spieleinsatz: 2  EUR"));
    }

    void requestAddress_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("url");
        QTest::newRow("host and port")
            << "quoten.example:8080"
            << "http://quoten.example:8080/zahlen/lotto_neu.asp?Programm=Sternkugel&Datum=20141010";
        QTest::newRow("scheme and slash")
            << " https://quoten.example/ "
            << "https://quoten.example/zahlen/lotto_neu.asp?Programm=Sternkugel&Datum=20141010";
    }
    void requestAddress()
    {
        QFETCH(QString, server);
        QFETCH(QString, url);
        QCOMPARE(quotaRequestUrl(server, dayCountFromDate(QDate(2014, 10, 10)) + 0.5), url);
    }

    void loadingFromTheServer_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QStringList>("statuses");  // "panel:text" in order
        QTest::addColumn<bool>("loaded");
        const QByteArray good = answer("2,50", kTopDown);
        QTest::newRow("success")
            << 200 << good
            << QStringList{"0:Loading", QStringLiteral("0:Received %1 bytes").arg(good.size()),
                           "1:Keine Gewähr für die Richtigkeit der Zahlen!", "0:Angabe ohne Gewähr",
                           "1:Quote für den 04.01.24 geladen"}
            << true;
        QTest::newRow("not found")
            << 404 << QByteArray("Not Found")
            << QStringList{"0:Loading", "0:Failed : 404 Not Found", "1:konnte Quote nicht laden"}
            << false;
        QTest::newRow("no semicolon")
            << 200 << QByteArray("Keine Quoten, noch nicht ausgewertet")
            << QStringList{"0:Loading", "0:Received 36 bytes",
                           "1:Keine Gewähr für die Richtigkeit der Zahlen!",
                           "1:konnte Quote nicht laden"}
            << false;
    }
    void loadingFromTheServer()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(QStringList, statuses);
        QFETCH(bool, loaded);
        DrawServer server;
        QVERIFY(server.listen());
        DrawServer::Answer reply = DrawServer::ok(body);
        reply.status = status;
        reply.reason = status == 200 ? "OK" : "Not Found";
        server.byPath["/zahlen/lotto_neu.asp"] = reply;
        MainState state;
        state.QuotaServer = server.address();
        LoopbackHttpClient http;
        QuotaLoad load;
        QStringList shown;
        connect(&load, &QuotaLoad::statusChanged, this, [&](int panel, const QString& text) {
            shown << QString("%1:%2").arg(panel).arg(text);
        });
        QSignalSpy quotas(&load, &QuotaLoad::quotasLoaded);
        QSignalSpy caption(&load, &QuotaLoad::captionChanged);
        QSignalSpy finished(&load, &QuotaLoad::finished);
        load.start(&http, state, dayCountFromDate(QDate(2024, 1, 4)), QuotaTexts(), kGerman);
        QVERIFY(load.running());
        QVERIFY(finished.wait(10000));
        QVERIFY(!load.running());
        QCOMPARE(finished.size(), 1);
        QCOMPARE(shown, statuses);
        QCOMPARE(server.requests.size(), 1);
        QCOMPARE(server.requests[0].target,
                 QByteArray("/zahlen/lotto_neu.asp?Programm=Sternkugel&Datum=20240104"));
        QCOMPARE(quotas.size(), loaded ? 1 : 0);
        QCOMPARE(caption.size(), loaded ? 1 : 0);
        if (loaded) {
            QCOMPARE(list(quotas[0][0].value<RowTexts>()), kShown);
            QCOMPARE(caption[0][0].toString(), QStringLiteral("Spieleinsatz: 3  EUR"));
        }
    }

    void unreachableServer()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const quint16 port = closed.serverPort();
        closed.close();
        MainState state;
        state.QuotaServer = QStringLiteral("127.0.0.1:%1").arg(port);
        LoopbackHttpClient http;
        QuotaLoad load;
        QStringList shown;
        connect(&load, &QuotaLoad::statusChanged, this, [&](int panel, const QString& text) {
            shown << QString("%1:%2").arg(panel).arg(text);
        });
        QSignalSpy quotas(&load, &QuotaLoad::quotasLoaded);
        QSignalSpy finished(&load, &QuotaLoad::finished);
        load.start(&http, state, dayCountFromDate(QDate(2024, 1, 4)), QuotaTexts(), kGerman);
        QVERIFY(finished.wait(10000));
        QCOMPARE(shown.size(), 3);
        QVERIFY2(shown[1].startsWith("0:Failed : 0 "), qPrintable(shown[1]));
        QVERIFY2(shown[1].size() > QString("0:Failed : 0 ").size(), "the reason is given");
        QCOMPARE(shown[2], QStringLiteral("1:konnte Quote nicht laden"));
        QCOMPARE(quotas.size(), 0);
    }

    void nothingToAsk_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("proxyHost");
        QTest::addColumn<QString>("status");
        QTest::newRow("no quota server")
            << "  "
            << "" << MessageTable::german().text(Message::NoQuotaServer);
        QTest::newRow("proxy port no number") << "127.0.0.1:1"
                                              << "127.0.0.1"
                                              << "Proxy-Port: 'abc' ist kein gültiger Integerwert";
    }
    void nothingToAsk()
    {
        QFETCH(QString, server);
        QFETCH(QString, proxyHost);
        QFETCH(QString, status);
        MainState state;
        state.QuotaServer = server;
        state.ProxyHostEdit = proxyHost;
        state.ProxyPortEdit = QStringLiteral("abc");
        LoopbackHttpClient http;
        QuotaLoad load;
        QStringList shown;
        connect(&load, &QuotaLoad::statusChanged, this, [&](int panel, const QString& text) {
            shown << QString("%1:%2").arg(panel).arg(text);
        });
        QSignalSpy finished(&load, &QuotaLoad::finished);
        load.start(&http, state, dayCountFromDate(QDate(2024, 1, 4)), QuotaTexts(), kGerman);
        QCOMPARE(finished.size(), 1);  // at once
        QVERIFY(!load.running());
        QCOMPARE(shown, QStringList({"0:" + status, "1:konnte Quote nicht laden"}));
        QVERIFY(http.refused.isEmpty());
    }

    void cancelledLoadSaysNothingMore()
    {
        DrawServer server;
        QVERIFY(server.listen());
        server.byPath["/zahlen/lotto_neu.asp"] = DrawServer::ok(answer("2", kTopDown));
        server.byPath["/zahlen/lotto_neu.asp"].delay = 300;
        MainState state;
        state.QuotaServer = server.address();
        LoopbackHttpClient http;
        QuotaLoad load;
        QSignalSpy quotas(&load, &QuotaLoad::quotasLoaded);
        QSignalSpy finished(&load, &QuotaLoad::finished);
        load.start(&http, state, dayCountFromDate(QDate(2024, 1, 4)), QuotaTexts(), kGerman);
        QTRY_COMPARE(server.requests.size(), 1);
        load.cancel();
        QCOMPARE(finished.size(), 1);
        QTest::qWait(600);  // the answer would have come by now
        QCOMPARE(quotas.size(), 0);
        QCOMPARE(finished.size(), 1);

        // A load destroyed under way says nothing either.
        auto* gone = new QuotaLoad;
        gone->start(&http, state, dayCountFromDate(QDate(2024, 1, 4)), QuotaTexts(), kGerman);
        QTRY_COMPARE(server.requests.size(), 2);
        delete gone;
        QTest::qWait(600);
    }
};

QTEST_MAIN(TestWinCalculation)
#include "test_win_calculation.moc"
