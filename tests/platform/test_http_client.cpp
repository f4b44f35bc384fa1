#include <QTcpServer>
#include <QTest>
#include <optional>

#include "platform/qt_http_client.h"
#include "support/draw_server.h"

using namespace kw;
using namespace kw::test;

namespace {

using Outcome = HttpResponse::Outcome;

HttpRequest requestTo(const QString& url, int timeout = 2000)
{
    HttpRequest r;
    r.url = url;
    r.connectTimeout = timeout;
    r.readTimeout = timeout;
    r.userAgent = "Kugelwart";
    r.accept = "text/html, */*";
    return r;
}

// Sends the request and waits for its answer.
std::optional<HttpResponse> fetch(HttpClient& client, const HttpRequest& request)
{
    std::optional<HttpResponse> response;
    auto call = client.get(request, [&](const HttpResponse& r) { response = r; });
    if (!QTest::qWaitFor([&] { return response.has_value(); }, 15000)) qWarning("no answer");
    return response;
}

}  // namespace

class TestHttpClient : public QObject {
    Q_OBJECT
private slots:
    void answerWithStatusBodyAndHeaders()
    {
        DrawServer server;
        QVERIFY(server.listen());
        DrawServer::Answer a = DrawServer::ok("x,3,11,19,27,40,1234567\r\n");
        a.headers << std::pair{QByteArrayLiteral("Last-Modified"),
                               QByteArrayLiteral("Fri, 05 Jan 2024 20:15:00 GMT")};
        server.byPath["/a/b.asp"] = a;
        QtHttpClient client;
        const auto r = fetch(
            client, requestTo(server.address() + "/a/b.asp?Programm=KleinkugelPL&Datum=20240105"));
        QVERIFY(r);
        QCOMPARE(r->outcome, Outcome::Answered);
        QCOMPARE(r->statusCode, 200);
        QCOMPARE(r->statusLine, QStringLiteral("200 OK"));
        QCOMPARE(r->body, QByteArray("x,3,11,19,27,40,1234567\r\n"));
        QCOMPARE(r->lastModified, QDateTime(QDate(2024, 1, 5), QTime(20, 15), Qt::UTC));
        QCOMPARE(server.requests.size(), 1);
        const DrawServer::Request& sent = server.requests[0];
        QCOMPARE(sent.target, QByteArray("/a/b.asp?Programm=KleinkugelPL&Datum=20240105"));
        QCOMPARE(sent.headers.value("user-agent"), QByteArray("Kugelwart"));
        QCOMPARE(sent.headers.value("accept"), QByteArray("text/html, */*"));
    }

    void bodyLimit_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("limit");
        QTest::addColumn<bool>("kept");
        QTest::newRow("at the limit") << 4096 << 4096 << true;
        QTest::newRow("one byte over") << 4097 << 4096 << false;
        QTest::newRow("megabytes against kilobytes") << 8 << 1024 * 1024 << true;
        QTest::newRow("an answer far past its limit") << 8 * 1024 * 1024 << 4096 << false;
    }
    void bodyLimit()
    {
        QFETCH(int, size);
        QFETCH(int, limit);
        QFETCH(bool, kept);
        DrawServer server;
        QVERIFY(server.listen());
        server.otherwise = DrawServer::ok(QByteArray(size, 'x'));
        QtHttpClient client;
        HttpRequest request = requestTo(server.address() + "/big");
        request.maxBodyBytes = limit;
        qint64 largestProgress = 0;
        request.progress = [&](qint64 received) {
            QVERIFY(received >= largestProgress);
            largestProgress = received;
        };
        const auto r = fetch(client, request);
        QVERIFY(r);
        if (kept) {
            QCOMPARE(r->outcome, Outcome::Answered);
            QCOMPARE(r->body.size(), size);
            QCOMPARE(largestProgress, qint64(size));
        } else {
            QCOMPARE(r->outcome, Outcome::TooLarge);
            QVERIFY(r->body.isEmpty());
            QCOMPARE(r->errorText, QStringLiteral("Answer larger than %1 bytes").arg(limit));
            QVERIFY(largestProgress <= limit);
        }
    }

    void trickleEndsAtTheDeadline()
    {
        // Each piece comes before the read time-out would fire; the whole answer
        // would take 1.6 s, the deadline is 500 ms.
        DrawServer server;
        QVERIFY(server.listen());
        server.otherwise = DrawServer::ok("x,3,11,19,27,40,1234567\r\n");
        server.otherwise.mode = DrawServer::Answer::Mode::Trickle;
        server.otherwise.delay = 400;
        QtHttpClient client;
        HttpRequest request = requestTo(server.address() + "/slow", 1000);
        request.totalTimeout = 500;
        const auto r = fetch(client, request);
        QVERIFY(r);
        QCOMPARE(r->outcome, Outcome::BrokenOff);
        QCOMPARE(r->errorText, QStringLiteral("Operation timed out"));

        // Without a deadline the same answer comes whole.
        request.totalTimeout = 0;
        const auto whole = fetch(client, request);
        QVERIFY(whole);
        QCOMPARE(whole->outcome, Outcome::Answered);
        QCOMPARE(whole->body, QByteArray("x,3,11,19,27,40,1234567\r\n"));
    }

    void errorStatusIsAnAnswer_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("reason");
        QTest::newRow("400") << 400 << QByteArray("Bad Request");
        QTest::newRow("404") << 404 << QByteArray("Not Found");
        QTest::newRow("407") << 407 << QByteArray("Proxy Authentication Required");
        QTest::newRow("500") << 500 << QByteArray("Internal Server Error");
        QTest::newRow("503") << 503 << QByteArray("Service Unavailable");
    }
    void errorStatusIsAnAnswer()
    {
        QFETCH(int, code);
        QFETCH(QByteArray, reason);
        DrawServer server;
        QVERIFY(server.listen());
        server.otherwise = DrawServer::status(code, reason);
        QtHttpClient client;
        const auto r = fetch(client, requestTo(server.address() + "/x"));
        QVERIFY(r);
        QCOMPARE(r->outcome, Outcome::Answered);
        QCOMPARE(r->statusCode, code);
        QCOMPARE(r->statusLine, QString::number(code) + ' ' + QString::fromLatin1(reason));
        QCOMPARE(r->body, reason);
    }

    void redirectsFollowedUpToTheLimit_data()
    {
        QTest::addColumn<int>("hops");
        QTest::addColumn<int>("limit");
        QTest::addColumn<bool>("arrives");
        QTest::newRow("one of 15") << 1 << 15 << true;
        QTest::newRow("15 of 15") << 15 << 15 << true;
        QTest::newRow("16 of 15") << 16 << 15 << false;
    }
    void redirectsFollowedUpToTheLimit()
    {
        QFETCH(int, hops);
        QFETCH(int, limit);
        QFETCH(bool, arrives);
        DrawServer server;
        QVERIFY(server.listen());
        for (int i = 0; i < hops; ++i)
            server.byPath["/hop" + QByteArray::number(i)] =
                DrawServer::redirect("/hop" + QByteArray::number(i + 1));
        server.byPath["/hop" + QByteArray::number(hops)] = DrawServer::ok("da");
        HttpRequest request = requestTo(server.address() + "/hop0");
        request.maxRedirects = limit;
        QtHttpClient client;
        const auto r = fetch(client, request);
        QVERIFY(r);
        QCOMPARE(r->outcome, arrives ? Outcome::Answered : Outcome::BrokenOff);
        if (arrives) {
            QCOMPARE(r->body, QByteArray("da"));
            QCOMPARE(server.requests.size(), hops + 1);
            QCOMPARE(server.requests.last().headers.value("user-agent"), QByteArray("Kugelwart"));
        } else {
            QCOMPARE(r->statusCode, 302);
            QCOMPARE(server.requests.size(), limit + 1);
        }
    }

    void cookiesGoBackToTheServer()
    {
        DrawServer server;
        QVERIFY(server.listen());
        DrawServer::Answer first = DrawServer::ok("eins");
        first.headers << std::pair{QByteArrayLiteral("Set-Cookie"),
                                   QByteArrayLiteral("sitzung=42; Path=/")};
        server.byPath["/eins"] = first;
        QtHttpClient client;
        QVERIFY(fetch(client, requestTo(server.address() + "/eins")));
        QVERIFY(fetch(client, requestTo(server.address() + "/zwei")));
        QCOMPARE(server.requests.size(), 2);
        QCOMPARE(server.requests[1].headers.value("cookie"), QByteArray("sitzung=42"));

        HttpRequest without = requestTo(server.address() + "/drei");
        without.cookies = false;
        QVERIFY(fetch(client, without));
        QVERIFY(!server.requests[2].headers.contains("cookie"));
    }

    void proxyGetsTheWholeAddress()
    {
        // The test server plays the proxy: it is asked for the whole URL and answers itself.
        DrawServer proxy;
        QVERIFY(proxy.listen());
        proxy.otherwise = DrawServer::ok("über den Proxy");
        HttpRequest request =
            requestTo("http://ziehungen.invalid/lotto/lottopl.asp?Datum=20240105");
        request.proxyHost = "127.0.0.1";
        request.proxyPort = proxy.port();
        QtHttpClient client;
        const auto r = fetch(client, request);
        QVERIFY(r);
        QCOMPARE(r->outcome, Outcome::Answered);
        QCOMPARE(r->body, QByteArray("über den Proxy"));
        QCOMPARE(proxy.requests.size(), 1);
        QCOMPARE(proxy.requests[0].target,
                 QByteArray("http://ziehungen.invalid/lotto/lottopl.asp?Datum=20240105"));
        QCOMPARE(proxy.requests[0].datum, QStringLiteral("20240105"));
    }

    void noConnection_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("refused") << "refused";
        QTest::newRow("never answers") << "silent";
        QTest::newRow("closes at once") << "close";
        QTest::newRow("bad address") << "address";
        QTest::newRow("bad proxy port") << "proxy port";
    }
    void noConnection()
    {
        QFETCH(QString, kind);
        DrawServer server;
        QVERIFY(server.listen());
        HttpRequest request = requestTo(server.address() + "/x", 300);
        if (kind == "refused") {
            QTcpServer closed;
            QVERIFY(closed.listen(QHostAddress::LocalHost));
            request.url = QStringLiteral("http://127.0.0.1:%1/x").arg(closed.serverPort());
            closed.close();
        } else if (kind == "silent") {
            server.otherwise = DrawServer::silent();
        } else if (kind == "close") {
            server.otherwise.mode = DrawServer::Answer::Mode::HangUp;
        } else if (kind == "address") {
            request.url = "kein Server";
        } else {
            request.proxyHost = "127.0.0.1";
            request.proxyPort = 70000;
        }
        QElapsedTimer clock;
        clock.start();
        QtHttpClient client;
        const auto r = fetch(client, request);
        QVERIFY(r);
        QCOMPARE(r->outcome, Outcome::ConnectionFailed);
        QCOMPARE(r->statusCode, 0);
        QVERIFY(!r->errorText.isEmpty());
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    }

    void answerThatBreaksOff()
    {
        DrawServer server;
        QVERIFY(server.listen());
        server.otherwise =
            DrawServer::brokenOff("x,3,11,19,27,40,1234567\r\nx,4,12,20,28,41,7654321\r\n");
        QtHttpClient client;
        const auto r = fetch(client, requestTo(server.address() + "/x"));
        QVERIFY(r);
        QCOMPARE(r->outcome, HttpResponse::Outcome::BrokenOff);
        QCOMPARE(r->statusCode, 200);
        QVERIFY(!r->errorText.isEmpty());
    }

    void readTimeoutCountsSilenceOnly()
    {
        // Four pieces 150 ms apart: 600 ms in all, never 300 ms without a word.
        DrawServer server;
        QVERIFY(server.listen());
        server.otherwise = DrawServer::ok("x,3,11,19,27,40,1234567\r\n");
        server.otherwise.mode = DrawServer::Answer::Mode::Trickle;
        server.otherwise.delay = 150;
        QtHttpClient client;
        const auto r = fetch(client, requestTo(server.address() + "/x", 300));
        QVERIFY(r);
        QCOMPARE(r->outcome, Outcome::Answered);
        QCOMPARE(r->body, QByteArray("x,3,11,19,27,40,1234567\r\n"));

        // Silence after the status line: the answer broke off.
        server.otherwise.delay = 500;
        const auto late = fetch(client, requestTo(server.address() + "/x", 300));
        QVERIFY(late);
        QCOMPARE(late->outcome, Outcome::BrokenOff);
    }

    void destroyedCallNeverAnswers()
    {
        DrawServer server;
        QVERIFY(server.listen());
        server.otherwise = DrawServer::ok("spät");
        server.otherwise.delay = 200;
        QtHttpClient client;
        bool called = false;
        auto call = client.get(requestTo(server.address() + "/x"),
                               [&](const HttpResponse&) { called = true; });
        QTRY_COMPARE(server.requests.size(), 1);
        call.reset();
        QTest::qWait(500);
        QVERIFY(!called);

        // The callback may drop its own call.
        std::unique_ptr<HttpCall> own;
        std::optional<HttpResponse> response;
        own = client.get(requestTo(server.address() + "/y"), [&](const HttpResponse& r) {
            own.reset();
            response = r;
        });
        QTRY_VERIFY(response.has_value());
        QCOMPARE(response->body, QByteArray("spät"));
    }
};

QTEST_MAIN(TestHttpClient)
#include "test_http_client.moc"
