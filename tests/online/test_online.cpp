// The online transfer's logic without windows: the cart links filled from a template,
// the service's answers, the transfer against a web-cart service on 127.0.0.1, the
// ticket numbers, and the click scripts with the robot's command line.
#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QTest>
#include <QtEndian>
#include <cstring>

#include "generation/random_generator.h"
#include "online/click_export.h"
#include "online/click_script.h"
#include "online/ticket_number.h"
#include "online/web_cart.h"
#include "platform/http_client.h"
#include "support/draw_server.h"
#include "support/state_fixture.h"

using namespace kw;
using namespace kw::test;

namespace {

const QByteArray kCartPath = "/lotto/lotto.asp";

// A cart template with "Tipps=[Anzahl]" and the twelve boxes, each once.
QString cartTemplate()
{
    QString link = QStringLiteral("https://portal.test/add?game=mini&Tipps=[Anzahl]");
    for (int j = 1; j <= 12; ++j) link += QStringLiteral("&k%1=[KASTEN%1]").arg(j);
    return link;
}

// The template with the count and the boxes' texts put in by hand.
QString cartLink(int count, const QStringList& boxes)
{
    QString link = QStringLiteral("https://portal.test/add?game=mini&Tipps=%1").arg(count);
    for (int j = 1; j <= 12; ++j) link += QStringLiteral("&k%1=").arg(j) + boxes.value(j - 1);
    return link;
}

// Line i of a long list: five numbers separated by TABs.
QString listLine(int i)
{
    QStringList numbers;
    for (int k = 0; k < 5; ++k) numbers << QString::number((i + 7 * k) % 42 + 1);
    return numbers.join(QLatin1Char('\t'));
}

QStringList listLines(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i) lines << listLine(i);
    return lines;
}

QString commas(const QString& line)
{
    return QString(line).replace(QLatin1Char('\t'), QLatin1Char(','));
}

// A template line per tip position, one with the keywords, one that names tip 1 twice.
QStringList scriptTemplate()
{
    QStringList lines{QStringLiteral("[DAUER] [DI] [FR] [DIFR] [MELDUNGFERTIG] [TIPPDATEI]"),
                      QStringLiteral("again [Z1_1] [Z1_1]")};
    for (int b = 1; b <= 12; ++b)
        lines << QStringLiteral("T%1: [Z1_%1] [Z2_%1] [Z3_%1] [Z4_%1] [Z5_%1] | [S1_%1] [S2_%1]")
                     .arg(b);
    return lines;
}

QString tipLine(int b, const QStringList& fields)
{
    QStringList numbers;
    for (int k = 0; k < 5; ++k) numbers << fields.value(k);
    return QStringLiteral("T%1: ").arg(b) + numbers.join(QLatin1Char(' ')) + QStringLiteral(" | ") +
           fields.value(5) + QLatin1Char(' ') + fields.value(6);
}

// A ticket history record laid out byte by byte: date, Spiel 77 digits at 16, Super 6 at 23.
QByteArray ticketRecord(const QDate& date, const TicketDigits& spiel77,
                        const std::array<int, 6>& super6)
{
    QByteArray record(32, '\0');
    const double days = QDate(1899, 12, 30).daysTo(date);
    quint64 bits;
    std::memcpy(&bits, &days, sizeof bits);
    qToLittleEndian(bits, record.data());
    for (int i = 0; i < 7; ++i) record[16 + i] = char(spiel77[i]);
    for (int i = 0; i < 6; ++i) record[23 + i] = char(super6[i]);
    return record;
}

TicketDraw ticketDraw(const TicketDigits& spiel77, const std::array<int, 6>& super6)
{
    TicketDraw draw;
    for (int i = 0; i < 7; ++i) draw.spiel77[i] = std::uint8_t(spiel77[i]);
    for (int i = 0; i < 6; ++i) draw.super6[i] = std::uint8_t(super6[i]);
    return draw;
}

TicketDigits digitsOf(const char* text)
{
    TicketDigits digits{};
    for (int i = 0; i < 7; ++i) digits[i] = text[i] - '0';
    return digits;
}

// A transfer on a started state, the web-cart service on 127.0.0.1.
struct CartFixture : StateFixture {
    MainState state;
    Services s = services();
    DrawServer server;
    CartTransfer transfer{state, s};

    CartFixture()
    {
        start(state);
        transfer.pause = 20;
    }
    void serve(const DrawServer::Answer& answer)
    {
        QVERIFY(server.listen());
        server.byPath[kCartPath] = answer;
        state.CartServer = server.address();
    }
    void run()
    {
        transfer.start();
        QTRY_VERIFY_WITH_TIMEOUT(!transfer.running(), 10000);
    }
};

}  // namespace

class TestOnline : public QObject {
    Q_OBJECT
private slots:
    void boxText_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("box");
        QTest::newRow("five numbers") << "3\t12\t17\t25\t40"
                                      << "3,12,17,25,40";
        QTest::newRow("nine fields, no stars") << "3\t12\t17\t25\t40\t\t\t\t"
                                               << "3,12,17,25,40,";
        // The star number keeps a separator: 40 and 3 never become 403.
        QTest::newRow("nine fields, stars") << "3\t12\t17\t25\t40\t\t\t3\t7"
                                            << "3,12,17,25,40,3,7";
        QTest::newRow("only the first run") << "1\t\t\t2\t\t\t3"
                                            << "1,2,,,3";
    }
    void boxText()
    {
        QFETCH(QString, line);
        QFETCH(QString, box);
        QCOMPARE(cartBoxText(line), box);
    }

    // Row count 5 with rows 1 to 3 filled: the template carries 5, boxes 4 to 12 ",,,,".
    void standardViewLink()
    {
        CartTips tips;
        tips.rowCount = 5;
        tips.rows[0] = QStringLiteral("1,2,3,4,5");
        tips.rows[1] = QStringLiteral("6,7,8,9,10");
        tips.rows[2] = QStringLiteral("11,12,13,14,15");
        QStringList boxes{"1,2,3,4,5", "6,7,8,9,10", "11,12,13,14,15"};
        while (boxes.size() < 12) boxes << QStringLiteral(",,,,");
        QCOMPARE(cartTipCount(tips), 5);
        QCOMPARE(fillCartLinks(cartTemplate(), tips), QStringList{cartLink(5, boxes)});
    }

    void listViewBatches_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<QList<int>>("batches");
        QTest::newRow("30") << 30 << QList<int>{12, 12, 6};
        QTest::newRow("12") << 12 << QList<int>{12};
        QTest::newRow("13") << 13 << QList<int>{12, 1};
        QTest::newRow("none") << 0 << QList<int>{};
    }
    void listViewBatches()
    {
        QFETCH(int, lines);
        QFETCH(QList<int>, batches);
        CartTips tips;
        tips.list = true;
        tips.lines = listLines(lines);
        QStringList expected;
        int i = 0;
        for (int batch : batches) {
            QStringList boxes;
            for (int j = 0; j < 12; ++j, ++i)
                boxes << (i < lines ? commas(listLine(i)) : QStringLiteral(",,,,,"));
            expected << cartLink(batch, boxes);
        }
        QCOMPARE(fillCartLinks(cartTemplate(), tips), expected);
        QCOMPARE(cartTipCount(tips), lines);
    }

    // Each placeholder is filled at its first occurrence only.
    void firstOccurrenceOnly()
    {
        CartTips tips;
        tips.rowCount = 1;
        tips.rows[0] = QStringLiteral("1,2,3,4,5");
        const QStringList links = fillCartLinks(
            QStringLiteral("https://p.test/?Tipps=[Anzahl]&a=[KASTEN1]&b=[KASTEN1]&c=[Anzahl]"),
            tips);
        QCOMPARE(links, QStringList{"https://p.test/?Tipps=1&a=1,2,3,4,5&b=[KASTEN1]&c=[Anzahl]"});
        QCOMPARE(replaceFirst("[A][A]", "[A]", "x"), QStringLiteral("x[A]"));
    }

    void requestUrl()
    {
        QCOMPARE(cartRequestUrl("127.0.0.1:8080/", "Lottoland", 30),
                 QStringLiteral(
                     "http://127.0.0.1:8080/lotto/lotto.asp?Spiel=KleinPL&Wo=Lottoland&Tipps=30"));
        QCOMPARE(cartRequestUrl("https://h.test", "A&B", 5),
                 QStringLiteral("https://h.test/lotto/lotto.asp?Spiel=KleinPL&Wo=A%26B&Tipps=5"));
    }

    void answers_data()
    {
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("kind");
        using K = CartAnswer::Kind;
        const int answered = int(HttpResponse::Outcome::Answered);
        QTest::newRow("template") << answered << 200
                                  << QByteArray("  https://p.test/?a=[KASTEN1]\r\n")
                                  << int(K::Template);
        QTest::newRow("message") << answered << 500 << QByteArray("<b>Mitteilung</b>: later")
                                 << int(K::Message);
        QTest::newRow("error") << answered << 404 << QByteArray("Not Found") << int(K::Fallback);
        QTest::newRow("no link") << answered << 200 << QByteArray("file:///etc/passwd")
                                 << int(K::Fallback);
        QTest::newRow("a program")
            << answered << 200 << QByteArray("C:\\Windows\\calc.exe") << int(K::Fallback);
        QTest::newRow("two lines")
            << answered << 200 << QByteArray("https://a.test/\nhttps://b.test/")
            << int(K::Fallback);
        QTest::newRow("no answer") << int(HttpResponse::Outcome::ConnectionFailed) << 0
                                   << QByteArray() << int(K::Fallback);
        QTest::newRow("message with 200")
            << answered << 200 << QByteArray("Mitteilung") << int(K::Fallback);
    }
    void answers()
    {
        QFETCH(int, outcome);
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(int, kind);
        HttpResponse response;
        response.outcome = HttpResponse::Outcome(outcome);
        response.statusCode = status;
        response.body = body;
        const CartAnswer answer = readCartAnswer(response);
        QCOMPARE(int(answer.kind), kind);
        if (answer.kind == CartAnswer::Kind::Template)
            QCOMPARE(answer.linkTemplate, QStringLiteral("https://p.test/?a=[KASTEN1]"));
    }

    // The page saved from the service's message shows its text and carries nothing
    // that runs.
    void messagePageRunsNothing()
    {
        const QByteArray page = messagePage(
            "<html><head><script>alert('x')</script><style>b{}</style></head><body "
            "onload=\"steal()\"><b>Mitteilung:</b> Der Warenkorb ist gesperrt &amp; "
            "kommt<br>bald <a href=\"javascript:x()\">wieder</a> &#8364;<img src=x "
            "onerror=y()><iframe src=\"file:///etc/passwd\"></iframe></body></html>");
        const QString text = QString::fromUtf8(page);
        QVERIFY(text.contains("Mitteilung: Der Warenkorb ist gesperrt &amp; kommt\nbald wieder €"));
        for (const char* bad : {"<script", "alert", "onload", "steal", "javascript", "<img",
                                "onerror", "<iframe", "file:", "<a ", "<b>"})
            QVERIFY2(!text.contains(QLatin1String(bad)), bad);
        QVERIFY(text.contains("Content-Security-Policy"));
    }

    // The transfer against the service: the request as given, the links opened.
    void transferStandardView()
    {
        CartFixture f;
        f.serve(DrawServer::ok(cartTemplate().toUtf8()));
        f.state.setUpDownPosition(8, 5);
        for (int c = 1; c <= 5; ++c) f.state.sheet.setCell(1, c, QString::number(c));
        f.run();
        QCOMPARE(f.server.requests.size(), 1);
        QCOMPARE(f.server.requests[0].target,
                 QByteArray("/lotto/lotto.asp?Spiel=KleinPL&Wo=Lottoland&Tipps=5"));
        QCOMPARE(f.server.requests[0].headers.value("user-agent"), QByteArray("Kugelwart"));
        QStringList boxes{"1,2,3,4,5"};
        while (boxes.size() < 12) boxes << QStringLiteral(",,,,");
        QCOMPARE(f.shell.opened, QStringList{cartLink(5, boxes)});
        QCOMPARE(f.state.statusText(1),
                 QStringLiteral("Die Tipps wurden an den Warenkorb übergeben."));
    }

    void transferListView()
    {
        CartFixture f;
        f.serve(DrawServer::ok(cartTemplate().toUtf8()));
        f.state.listView = true;
        f.state.Gewinnzahlen = listLines(30);
        int tickets = 0;
        f.transfer.afterListLink = [&] { ++tickets; };
        f.run();
        QCOMPARE(f.server.requests[0].target,
                 QByteArray("/lotto/lotto.asp?Spiel=KleinPL&Wo=Lottoland&Tipps=30"));
        QCOMPARE(f.shell.opened, fillCartLinks(cartTemplate(), cartTips(f.state)));
        QCOMPARE(f.shell.opened.size(), 3);
        QCOMPARE(tickets, 3);
        QCOMPARE(f.state.statusText(1), kCartCheckStatus);
    }

    void transferMessage()
    {
        CartFixture f;
        DrawServer::Answer answer = DrawServer::status(503, "Service Unavailable");
        answer.body = "<p>Mitteilung: Wartung bis 12 Uhr</p><script>x()</script>";
        f.serve(answer);
        f.run();
        const QString page = f.state.Home + QStringLiteral("Meldung.htm");
        QCOMPARE(f.shell.opened, QStringList{page});
        QFile file(page);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray saved = file.readAll();
        QVERIFY(saved.contains("Mitteilung: Wartung bis 12 Uhr"));
        QVERIFY(!saved.contains("x()"));
    }

    void transferFallback_data()
    {
        QTest::addColumn<int>("how");  // 0 no server set, 1 unreachable, 2 error status, 3 no link
        QTest::newRow("no server") << 0;
        QTest::newRow("unreachable") << 1;
        QTest::newRow("error status") << 2;
        QTest::newRow("no link") << 3;
    }
    void transferFallback()
    {
        QFETCH(int, how);
        CartFixture f;
        f.state.listView = true;
        f.state.Gewinnzahlen = listLines(30);
        f.state.CartLink = QStringLiteral("https://portal.test/mini-lotto");
        if (how == 1) {
            // A port nobody listens on.
            QTcpServer closed;
            QVERIFY(closed.listen(QHostAddress::LocalHost));
            f.state.CartServer = QStringLiteral("http://127.0.0.1:%1").arg(closed.serverPort());
        } else if (how == 2) {
            f.serve(DrawServer::status(404, "Not Found"));
        } else if (how == 3) {
            f.serve(DrawServer::ok("javascript:alert(1)"));
        }
        f.run();
        // The fallback carries no tips: it is opened once.
        QCOMPARE(f.shell.opened, QStringList{"https://portal.test/mini-lotto"});
        if (how != 0) QVERIFY(f.state.statusText(0).startsWith(QStringLiteral("Warenkorb-Server")));
        if (how == 0) QVERIFY(f.server.requests.isEmpty());
    }

    // A proxy port that is no number ends the transfer before any request.
    void transferBadProxyPort()
    {
        CartFixture f;
        f.serve(DrawServer::ok(cartTemplate().toUtf8()));
        f.state.ProxyHostEdit = QStringLiteral("127.0.0.1");
        f.state.ProxyPortEdit = QStringLiteral("8o");
        f.run();
        QVERIFY(f.shell.opened.isEmpty());
        QVERIFY(f.server.requests.isEmpty());
        QCOMPARE(f.dialogs.notices().size(), 1);
        QVERIFY(f.dialogs.notices()[0].contains(QStringLiteral("8o")));
    }

    // ---- ticket numbers ----

    void costs()
    {
        QCOMPARE(ticketCosts(4, false, true, true), 14.25);
        QCOMPARE(ticketCosts(3, true, false, false), 7.5);
        QCOMPARE(ticketCosts(0, false, false, false), 0.0);
    }

    void ticketDrawnByLevel_data()
    {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QList<bool>>("drawn");  // levels 1..4
        // The record: Spiel 77 9876543, Super 6 123456.
        QTest::newRow("Spiel 77") << "9876543" << QList<bool>{true, true, true, true};
        QTest::newRow("Super 6") << "0123456" << QList<bool>{true, true, true, true};
        QTest::newRow("last six of Spiel 77") << "0876543" << QList<bool>{false, true, true, true};
        QTest::newRow("last five of Spiel 77")
            << "1176543" << QList<bool>{false, false, true, true};
        QTest::newRow("Super 6 from its second")
            << "0023456" << QList<bool>{false, false, true, true};
        QTest::newRow("last four of Spiel 77")
            << "0006543" << QList<bool>{false, false, false, true};
        QTest::newRow("never") << "0000000" << QList<bool>{false, false, false, false};
    }
    void ticketDrawnByLevel()
    {
        QFETCH(QString, digits);
        QFETCH(QList<bool>, drawn);
        const TicketDraw draw = ticketDraw(digitsOf("9876543"), {1, 2, 3, 4, 5, 6});
        const TicketDigits ticket = digitsOf(qPrintable(digits));
        QVERIFY(!ticketDrawn(ticket, draw, 0));
        for (int level = 1; level <= 4; ++level)
            QVERIFY2(ticketDrawn(ticket, draw, level) == drawn[level - 1],
                     qPrintable(QString::number(level)));
    }

    // The numbers the generator gives from the seed, seven digits each.
    static std::vector<TicketDigits> numbersFrom(std::uint32_t seed, int count)
    {
        RandomGenerator random;
        random.setSeed(seed);
        std::vector<TicketDigits> numbers(static_cast<std::size_t>(count));
        for (auto& number : numbers)
            for (int& digit : number) digit = random.random(10);
        return numbers;
    }

    // Every number drawn at level 1 stands in the history: after 1000 attempts the
    // level stays 1 and the number drawn last is kept.
    void levelOneKeepsTheLastNumber()
    {
        const auto numbers = numbersFrom(77, 1001);
        std::vector<TicketDraw> history;
        for (const auto& number : numbers)
            history.push_back(ticketDraw(number, {9, 9, 9, 9, 9, 9}));
        RandomGenerator random;
        random.setSeed(77);
        const DrawnTicket ticket = drawTicketNumber(random, history, 1);
        QCOMPARE(ticket.level, 1);
        QCOMPARE(ticket.digits, numbers[1000]);
        QCOMPARE(ticket.attempts, 1001);
    }

    // Level 2 hit a thousand times drops to level 1, where the next number holds.
    void levelDrops()
    {
        const auto numbers = numbersFrom(5, 1001);
        std::vector<TicketDraw> history;
        for (int i = 0; i < 1001; ++i) {
            TicketDigits other = numbers[std::size_t(i)];
            other[0] = (other[0] + 1) % 10;  // the same last six digits, never the whole number
            history.push_back(ticketDraw(other, {0, 0, 0, 0, 0, 0}));
        }
        RandomGenerator random;
        random.setSeed(5);
        const DrawnTicket ticket = drawTicketNumber(random, history, 2);
        QCOMPARE(ticket.level, 1);
        QCOMPARE(ticket.digits, numbers[1000]);
        QCOMPARE(ticket.attempts, 1);

        random.setSeed(5);
        const DrawnTicket plain = drawTicketNumber(random, history, 0);
        QCOMPARE(plain.digits, numbers[0]);  // level 0: purely at random
    }

    void ticketHistoryAndSearch()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Zahlen08.dat");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ticketRecord({2024, 1, 3}, digitsOf("1111111"), {2, 2, 2, 2, 2, 2}));
        file.write(ticketRecord({2024, 1, 6}, digitsOf("9876543"), {1, 2, 3, 4, 5, 6}));
        file.write("partial");  // a record cut short is not read
        file.close();
        QString error;
        const auto history = readTicketHistory(path, &error);
        QVERIFY2(history, qPrintable(error));
        QCOMPARE(history->size(), std::size_t(2));
        QCOMPARE(dateFromDayCount(history->at(1).date), QDate(2024, 1, 6));
        QCOMPARE(ticketSearchText(digitsOf("9876543"), *history),
                 QStringLiteral("LosNr. wurde am 06.01.2024 im Spiel 77 gezogen"));
        QCOMPARE(ticketSearchText(digitsOf("5222222"), *history),
                 QStringLiteral("LosNr. wurde am 03.01.2024 bei der Super 6 gezogen"));
        QCOMPARE(ticketSearchText(digitsOf("1234567"), *history),
                 QStringLiteral("Losnummer noch nie als Super6 oder Spiel 77 Gewinnzahl gezogen"));
        QVERIFY(!readTicketHistory(dir.filePath("missing.dat"), &error));
        QVERIFY(error.contains("missing.dat"));
    }

    // ---- click scripts ----

    void scriptLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("fields");
        QTest::newRow("commas") << "3,12,17,25,40"
                                << "3,12,17,25,40";
        QTest::newRow("blanks") << "3  12 17    25 40"
                                << "3,12,17,25,40";
        QTest::newRow("list line with stars") << "3\t12\t17\t25\t40\t\t\t3\t7"
                                              << "3,12,17,25,40,3,7";
    }
    void scriptLine()
    {
        QFETCH(QString, line);
        QFETCH(QString, fields);
        QCOMPARE(normaliseScriptLine(line), fields);
    }

    void drawDays_data()
    {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<bool>("tuesday");
        QTest::addColumn<bool>("friday");
        QTest::newRow("Monday") << QDate(2026, 8, 24) << true << false;
        QTest::newRow("Tuesday") << QDate(2026, 8, 25) << false << true;
        QTest::newRow("Wednesday") << QDate(2026, 8, 26) << false << true;
        QTest::newRow("Friday") << QDate(2026, 8, 28) << false << true;
        QTest::newRow("Saturday") << QDate(2026, 8, 29) << true << false;
        QTest::newRow("Sunday") << QDate(2026, 8, 30) << true << false;
    }
    void drawDays()
    {
        QFETCH(QDate, day);
        QFETCH(bool, tuesday);
        QFETCH(bool, friday);
        const ScriptKeywords keywords = drawDaysFor(day);
        QCOMPARE(keywords.tuesday, tuesday);
        QCOMPARE(keywords.friday, friday);
        QVERIFY(!keywords.longTerm);
        ScriptKeywords withFile = keywords;
        withFile.tipFile = QStringLiteral("/d/Tipps/x.qlt");
        const QString first = fillClickScripts(scriptTemplate(), {}, withFile)[0][0];
        QCOMPARE(first,
                 QStringLiteral("NEIN %1 %2 NEIN Please check the numbers, then you are ready "
                                "to play. /d/Tipps/x.qlt")
                     .arg(tuesday ? "JA" : "NEIN", friday ? "JA" : "NEIN"));
    }

    // Three tips: one script, positions 4 to 12 and the star numbers empty.
    void threeTipsOneScript()
    {
        const QStringList tips{"1,2,3,4,5", "6,7,8,9,10", "3,12,17,25,40"};
        const auto scripts = fillClickScripts(scriptTemplate(), tips, drawDaysFor({2026, 8, 24}));
        QCOMPARE(scripts.size(), 1);
        QStringList expected{
            QStringLiteral("NEIN JA NEIN NEIN Please check the numbers, then you are "
                           "ready to play. "),
            QStringLiteral("again 1 1")};
        for (int b = 1; b <= 12; ++b)
            expected << tipLine(b, b <= 3 ? tips[b - 1].split(',') : QStringList());
        QCOMPARE(scripts[0], expected);
    }

    // What a tip brings into the script is never read as a placeholder again: a tip
    // holding the next tip's placeholder stays as written. Read again, twelve tips
    // that each name the next one eight times would make the line 8^12 times longer.
    void placeholdersInTipsStayText_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("tips");
        QTest::addColumn<QString>("filled");
        QTest::newRow("the next tip's placeholder")
            << "[Z1_1]" << QStringList{"[Z1_2]", "x"} << "[Z1_2]";
        QTest::newRow("a keyword") << "[Z1_1] [DI]" << QStringList{"[DAUER]"} << "[DAUER] JA";
        QStringList chain;
        for (int b = 1; b <= 12; ++b) chain << QStringLiteral("[Z1_%1]").arg(b + 1).repeated(8);
        QTest::newRow("twelve tips naming the next") << "[Z1_1]" << chain << chain[0];
        QTest::newRow("brackets around a placeholder")
            << "[[Z1_1]] [Z1_1" << QStringList{"7"} << "[7] [Z1_1";
    }
    void placeholdersInTipsStayText()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, tips);
        QFETCH(QString, filled);
        const auto scripts = fillClickScripts({line}, tips, drawDaysFor({2026, 8, 24}));
        QCOMPARE(scripts, QList<QStringList>{{filled}});
    }

    // Thirty tips: three scripts, the third with tips 25 to 30 and empty positions 7 to 12.
    void thirtyTipsThreeScripts()
    {
        QStringList tips;
        for (int i = 0; i < 30; ++i) tips << listLine(i);
        const auto scripts = fillClickScripts(scriptTemplate(), tips, drawDaysFor({2026, 8, 26}));
        QCOMPARE(scripts.size(), 3);
        for (int s = 0; s < 3; ++s) {
            QCOMPARE(scripts[s][0].left(17), QStringLiteral("NEIN NEIN JA NEIN"));
            for (int b = 1; b <= 12; ++b) {
                const int tip = s * 12 + b - 1;
                const QStringList fields =
                    tip < 30 ? commas(listLine(tip)).split(',') : QStringList();
                QCOMPARE(scripts[s][b + 1], tipLine(b, fields));
            }
        }
    }

    void robotBesideTheProgram_data()
    {
        QTest::addColumn<QString>("programFolder");
        QTest::addColumn<QString>("robot");
        QTest::newRow("without the maker") << "/opt/kugelwart/"
                                           << "/opt/kugelwart/Klicklauf/klicklauf.exe";
        QTest::newRow("maker's folder") << "/opt/Quendel/Kugelwart/"
                                        << "/opt/Quendel/Klicklauf/klicklauf.exe";
        QTest::newRow("upper case") << "C:/Programme/QUENDEL/Kleinkugel/"
                                    << "C:/Programme/QUENDEL/Klicklauf/klicklauf.exe";
        QTest::newRow("within a name") << "/home/u/quendel-tools/kw/"
                                       << "/home/u/quendel-tools/Klicklauf/klicklauf.exe";
    }
    void robotBesideTheProgram()
    {
        QFETCH(QString, programFolder);
        QFETCH(QString, robot);
        QCOMPARE(robotBesideProgram(programFolder), robot);
    }

    void robotFromTheSettings()
    {
        QTemporaryDir dir;
        MemorySettingsStore settings;
        QVERIFY(!findRobot(settings, dir.path() + "/"));
        QDir().mkpath(dir.filePath("robot"));
        QFile exe(dir.filePath("robot/Klicklauf.exe"));
        QVERIFY(exe.open(QIODevice::WriteOnly));
        exe.close();
        settings.openKey(kRobotSettingsKey, true);
        settings.writeString(QStringLiteral("Path"), dir.filePath("robot"));
        QCOMPARE(findRobot(settings, dir.path() + "/"), std::optional<QString>(exe.fileName()));
    }

    void robotCommand()
    {
        RobotParameters parameters;
        parameters.zahl2 = QStringLiteral("7");
        parameters.text2 = QStringLiteral("geheim wort");
        QString error;
        QCOMPARE(robotCommandLine("/data/Tipps/20260824.qks", parameters, &error),
                 std::optional<QString>(
                     "START \"/data/Tipps/20260824.qks\" \"0\" \"Login\" \"7\" \"geheim wort\""));
        parameters.text1 = QStringLiteral("a\" \"injected");
        QVERIFY(!robotCommandLine("/x.qks", parameters, &error));
        QVERIFY(error.startsWith(QStringLiteral("TEXT1")));
    }

    void robotParametersKept()
    {
        MemorySettingsStore settings;
        RobotParameters parameters = readRobotParameters(settings, "/prog/");
        QCOMPARE(parameters.script, QStringLiteral("/prog/Script/DE_Lotto_de_Sternkugelpot.qks"));
        QCOMPARE(parameters.zahl1, QStringLiteral("0"));
        QCOMPARE(parameters.text1, QStringLiteral("Login"));
        parameters.script = QStringLiteral("/s.qks");
        parameters.zahl1 = QStringLiteral("12");
        parameters.text2 = QStringLiteral("pw");
        writeRobotParameters(settings, parameters);
        QCOMPARE(settings.keys[kRobotKey.toLower()].value("sternkugelzahl1").data.toString(),
                 QStringLiteral("12"));
        const RobotParameters back = readRobotParameters(settings, "/prog/");
        QCOMPARE(back.script, parameters.script);
        QCOMPARE(back.zahl1, parameters.zahl1);
        QCOMPARE(back.text2, parameters.text2);
    }

    void templateUrl()
    {
        QCOMPARE(scriptTemplateUrl("127.0.0.1:99", "/p/Script/PL Mini#1.qks"),
                 QStringLiteral("http://127.0.0.1:99/scripts/PL%20Mini%231.qks.txt"));
    }
};

QTEST_GUILESS_MAIN(TestOnline)
#include "test_online.moc"
