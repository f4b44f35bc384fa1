// The draw download and the rebuild through the real window, against a draw-data
// server on 127.0.0.1.
#include <QAction>
#include <QDateEdit>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "draws/draw_download.h"
#include "support/download_fixture.h"
#include "support/draw_server.h"
#include "ui/dialog_windows.h"
#include "ui/side_pages.h"
#include "ui/tip_page.h"

using namespace kw;
using namespace kw::test;

namespace {

const QByteArray kDay4 = "x,3,11,19,27,40,1234567\r\n";
const QByteArray kDay5 = "x,4,12,20,28,41,7654321\r\n";

DrawRecord drawWithDigits(const QDate& day, std::initializer_list<int> numbers)
{
    DrawRecord r = makeDraw(day, numbers);
    r.ziffern = {9, 8, 7, 6, 5, 4, 3};
    return r;
}

}  // namespace

class TestDownloadWindow : public QObject {
    Q_OBJECT
private slots:
    void fetchesEachMissingDayAtStart()
    {
        DownloadFixture f;
        f.clock.date = QDate(2024, 1, 5);
        f.writeDraws({drawWithDigits(QDate(2024, 1, 2), {1, 2, 3, 4, 5}),
                      drawWithDigits(QDate(2024, 1, 3), {6, 7, 8, 9, 10})});
        f.server.byDate["20240104"] = DrawServer::ok(kDay4);
        f.server.byDate["20240105"] = DrawServer::ok(kDay5);
        auto w = f.start();
        QVERIFY(f.waitDone());

        QCOMPARE(f.server.requestedDates(), QStringList({"20240104", "20240105"}));
        for (const DrawServer::Request& r : f.server.requests) {
            QCOMPARE(r.target,
                     "/lotto/lottopl.asp?Programm=KleinkugelPL&Datum=" + r.datum.toLatin1());
            QCOMPARE(r.headers.value("user-agent"), QByteArray("Kugelwart"));
            QCOMPARE(r.headers.value("accept"), QByteArray("text/html, */*"));
        }
        const auto draws = f.stored();
        QCOMPARE(draws.size(), size_t(4));
        DrawRecord day4 = makeDraw(QDate(2024, 1, 4), {3, 11, 19, 27, 40});
        day4.ziffern = {1, 2, 3, 4, 5, 6, 7};
        DrawRecord day5 = makeDraw(QDate(2024, 1, 5), {4, 12, 20, 28, 41});
        day5.ziffern = {7, 6, 5, 4, 3, 2, 1};
        QCOMPARE(draws[2], day4);
        QCOMPARE(draws[3], day5);

        // The newest draw is the CurrentDraw again, and the controls are back at rest.
        QCOMPARE(w->state().Datum1, dayCountFromDate(QDate(2024, 1, 5)));
        QVERIFY(w->tipPage()->Label35->text().contains(
            QStringLiteral("05.01.24    4  12  20  28  41")));
        QCOMPARE(w->findChild<DatabasePage*>()->Label29->text(), w->tipPage()->Label35->text());
        QCOMPARE(w->findChild<DatabasePage*>()->DateTimePicker1->date(), QDate(2024, 1, 5));
        QCOMPARE(panel(w.get(), 0), QStringLiteral("200 OK"));
        QCOMPARE(panel(w.get(), 1), QStringLiteral("Keine Gewähr für die Richtigkeit der Zahlen!"));
        QVERIFY(atRest(w.get()));
        QVERIFY(f.dialogs.notices().isEmpty());
    }

    void newestDrawTodayAsksNothingYetSelectsAndEvaluates()
    {
        DownloadFixture f;
        f.clock.date = QDate(2024, 1, 5);
        f.writeDraws({makeDraw(QDate(2024, 1, 4), {1, 2, 3, 4, 5}),
                      makeDraw(QDate(2024, 1, 5), {3, 11, 19, 27, 40})});
        auto w = f.start();
        QVERIFY(f.waitDone());
        QVERIFY(f.server.requests.isEmpty());

        // Step back a draw, type a row, then fetch: the newest draw is chosen and the row evaluated
        // against it.
        w->SpeedButton6Click();
        QCOMPARE(w->state().Datum1, dayCountFromDate(QDate(2024, 1, 4)));
        const QStringList row{"3", "11", "19", "1", "2"};
        for (int c = 0; c < 5; ++c) w->state().sheet.setCell(1, c + 1, row[c]);
        QTest::mouseClick(bitBtn1(w.get()), Qt::LeftButton);
        QVERIFY(f.waitDone(2));
        QVERIFY(f.server.requests.isEmpty());
        QCOMPARE(w->state().Datum1, dayCountFromDate(QDate(2024, 1, 5)));
        QCOMPARE(w->tipPage()->resultLabel(1, false)->text(), QStringLiteral("3"));
        QCOMPARE(w->state().Gewinn, 300);
        QCOMPARE(f.stored().size(), size_t(2));
    }

    void answersOfADay_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<Draws>("stored");
        QTest::addColumn<Numbers>("digits");  // Ziffern of the first record stored for the day
        QTest::addColumn<QString>("statusLine");
        QTest::newRow("empty body") << 200 << QByteArray() << Draws{} << Numbers{} << "200 OK";
        QTest::newRow("two lines")
            << 200 << kDay4 + kDay5 << Draws{{3, 11, 19, 27, 40}, {4, 12, 20, 28, 41}}
            << Numbers{1, 2, 3, 4, 5, 6, 7} << "200 OK";
        QTest::newRow("no break at the end")
            << 200 << QByteArray("x,3,11,19,27,40,1234567") << Draws{{3, 11, 19, 27, 40}}
            << Numbers{1, 2, 3, 4, 5, 6, 7} << "200 OK";
        QTest::newRow("short digit field keeps earlier digits")
            << 200 << QByteArray("x,3,11,19,27,40,12\r\n") << Draws{{3, 11, 19, 27, 40}}
            << Numbers{1, 2, 7, 6, 5, 4, 3} << "200 OK";
        QTest::newRow("not found")
            << 404 << QByteArray("Not Found") << Draws{} << Numbers{} << "404 Not Found";
        QTest::newRow("server error") << 500 << QByteArray("Internal Server Error") << Draws{}
                                      << Numbers{} << "500 Internal Server Error";
    }
    void answersOfADay()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(Draws, stored);
        QFETCH(Numbers, digits);
        QFETCH(QString, statusLine);
        DownloadFixture f;
        f.clock.date = QDate(2024, 1, 5);
        f.writeDraws({drawWithDigits(QDate(2024, 1, 3), {6, 7, 8, 9, 10})});
        DrawServer::Answer day4 = DrawServer::ok(body);
        day4.status = status;
        day4.reason = statusLine.section(' ', 1).toLatin1();
        f.server.byDate["20240104"] = day4;
        f.server.byDate["20240105"] = DrawServer::ok("x,1,2,3,4,5,0000000\r\n");
        QStringList shown;  // what status panel 0 said, in order
        auto w = f.start(true, 3000, [&](TForm1& created) {
            QObject::connect(&created.state(), &MainState::statusChanged, &created,
                             [&](int i, const QString& text) {
                                 if (i == 0) shown << text;
                             });
        });
        QVERIFY(f.waitDone());

        QCOMPARE(f.server.requestedDates(), QStringList({"20240104", "20240105"}));
        // The chart of the first show writes its end date first; the draws that came
        // in are charted with the new end date, and the last status line is said last.
        QCOMPARE(shown, QStringList({"03.01.2024", "Loading", statusLine, "Loading", "200 OK",
                                     "05.01.2024", "200 OK"}));
        QCOMPARE(f.storedNumbers(QDate(2024, 1, 4)), stored);
        QCOMPARE(f.storedNumbers(QDate(2024, 1, 5)), Draws{Numbers({1, 2, 3, 4, 5})});
        const auto draws = f.stored();
        QCOMPARE(draws.size(), size_t(2 + stored.size()));
        if (!digits.isEmpty())
            QCOMPARE(Numbers(draws[1].ziffern.begin(), draws[1].ziffern.end()), digits);
        QVERIFY(f.dialogs.notices().isEmpty());
        QCOMPARE(w->state().Datum1, dayCountFromDate(QDate(2024, 1, 5)));
    }

    void unreadableLineEndsTheDownload_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<Draws>("stored");
        QTest::newRow("no comma after the fifth number")
            << QByteArray("7,3,11,19,27,40") << Draws{};
        QTest::newRow("number 43") << QByteArray("x,3,11,19,27,43,1234567\r\n") << Draws{};
        QTest::newRow("number 0") << QByteArray("x,0,11,19,27,40,1234567\r\n") << Draws{};
        QTest::newRow("number that is none")
            << QByteArray("x,3,elf,19,27,40,1234567\r\n") << Draws{};
        QTest::newRow("empty line after a good one")
            << QByteArray("x,3,11,19,27,40,1234567\r\n\r\nx,4,12,20,28,41,7654321\r\n")
            << Draws{{3, 11, 19, 27, 40}};
        QTest::newRow("one number five times") << QByteArray("x,5,5,5,5,5\r\n") << Draws{};
        QTest::newRow("a page of 3000 characters: the message shows 200")
            << QByteArray("<p>" + QByteArray(2997, 'a')) << Draws{};
    }
    void unreadableLineEndsTheDownload()
    {
        QFETCH(QByteArray, body);
        QFETCH(Draws, stored);
        DownloadFixture f;
        f.clock.date = QDate(2024, 1, 6);
        f.writeDraws({makeDraw(QDate(2024, 1, 3), {6, 7, 8, 9, 10})});
        f.server.byDate["20240104"] = DrawServer::ok(body);
        auto w = f.start();
        QVERIFY(f.waitDone());

        const QString shown = QString::fromLatin1(body.left(200)) +
                              (body.size() > 200 ? QStringLiteral("\u2026") : QString());
        QCOMPARE(f.dialogs.notices(), QStringList{"Fehler:" + shown});
        QCOMPARE(f.server.requestedDates(), QStringList{"20240104"});
        QCOMPARE(f.storedNumbers(QDate(2024, 1, 3)), Draws{Numbers({6, 7, 8, 9, 10})});
        QCOMPARE(f.storedNumbers(QDate(2024, 1, 4)), stored);
        QCOMPARE(f.stored().size(), size_t(1 + stored.size()));
        QVERIFY(atRest(w.get()));
        QCOMPARE(w->state().Datum1,
                 dayCountFromDate(stored.isEmpty() ? QDate(2024, 1, 3) : QDate(2024, 1, 4)));
    }

    void stopAbandonsTheRequestUnderWay()
    {
        DownloadFixture f;
        f.clock.date = QDate(2024, 1, 7);
        f.writeDraws({makeDraw(QDate(2024, 1, 3), {6, 7, 8, 9, 10})});
        // An answer that would take seconds: the stop must not wait for it.
        f.server.byDate["20240104"] = DrawServer::ok(kDay4);
        f.server.byDate["20240104"].mode = DrawServer::Answer::Mode::Trickle;
        f.server.byDate["20240104"].delay = 1500;
        // What the window shows while the request runs, and the click on stop.
        struct {
            QString status;
            bool startsEnabled = true;
            bool maintenanceEnabled = true;
            bool stopShown = false;
            bool endedByClick = false;
        } during;
        TForm1* window = nullptr;
        f.server.onRequest = [&](const DrawServer::Request&) {
            during.status = panel(window, 0);
            auto* db = window->findChild<DatabasePage*>();
            during.startsEnabled =
                bitBtn1(window)->isEnabled() || window->tipPage()->SpeedButton10->isEnabled() ||
                window->findChild<QAction*>(QStringLiteral("Aktualisieren1"))->isEnabled() ||
                db->BitBtn2->isEnabled();
            during.maintenanceEnabled =
                db->BitBtn8->isEnabled() || db->BitBtn6->isEnabled() || db->BitBtn10->isEnabled();
            during.stopShown = !stopButton(window)->isHidden();
            window->KugelwartClick();  // a second start while one runs does nothing
            stopButton(window)->click();
            during.endedByClick = f.finished == 1 && atRest(window);
        };
        auto w = f.start(true, 3000, [&](TForm1& created) { window = &created; });
        QVERIFY(f.waitDone());
        QCOMPARE(during.status, QStringLiteral("Loading"));
        QVERIFY(!during.startsEnabled);
        QVERIFY(!during.maintenanceEnabled);
        QVERIFY(during.stopShown);
        QVERIFY(during.endedByClick);
        QCOMPARE(stopButton(w.get())->toolTip(), QStringLiteral("Stoppt das Einlesen"));
        QTest::qWait(2500);  // the abandoned answer would have come by now
        QCOMPARE(f.server.requestedDates(), QStringList{"20240104"});
        QCOMPARE(f.stored().size(), size_t(1));
        QVERIFY(atRest(w.get()));
        QCOMPARE(f.finished, 1);
        QCOMPARE(w->state().Datum1, dayCountFromDate(QDate(2024, 1, 3)));
    }

    void stopBetweenTwoDays()
    {
        DownloadFixture f;
        f.clock.date = QDate(2024, 1, 7);
        f.writeDraws({makeDraw(QDate(2024, 1, 3), {6, 7, 8, 9, 10})});
        f.server.byDate["20240104"] = DrawServer::ok(kDay4);
        bool clicked = false;
        auto w = f.start(true, 3000, [&](TForm1& window) {
            // The moment the first day is stored, before the next one is asked for.
            QObject::connect(&window.state(), &MainState::drawChanged, &window,
                             [&f, &clicked, &window] {
                                 if (!clicked && f.stored().size() == 2) {
                                     clicked = true;
                                     stopButton(&window)->click();
                                 }
                             });
        });
        QVERIFY(f.waitDone());
        QVERIFY(clicked);
        QCOMPARE(f.server.requestedDates(), QStringList{"20240104"});
        QCOMPARE(f.stored().size(), size_t(2));
        QVERIFY(atRest(w.get()));
    }

    void answerPastItsLimitsStoresNothing_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("status");
        QTest::newRow("more than 4 KB")
            << kDay4.repeated(200)
            << QStringLiteral(
                   "Antwort für den 04.01.2024 größer als 4096 Bytes, nichts gespeichert");
        QTest::newRow("eleven lines")
            << kDay4.repeated(11)
            << QStringLiteral("Antwort für den 04.01.2024 mit 11 Zeilen, nichts gespeichert");
    }
    void answerPastItsLimitsStoresNothing()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, status);
        DownloadFixture f;
        f.clock.date = QDate(2024, 1, 6);
        f.writeDraws({makeDraw(QDate(2024, 1, 3), {6, 7, 8, 9, 10})});
        f.server.byDate["20240104"] = DrawServer::ok(body);
        f.server.byDate["20240105"] = DrawServer::ok(kDay5);
        auto w = f.start();
        QVERIFY(f.waitDone());
        QCOMPARE(f.server.requestedDates(), QStringList{"20240104"});
        QCOMPARE(f.stored().size(), size_t(1));
        QCOMPARE(panel(w.get(), 0), status);
        QVERIFY(atRest(w.get()));
    }

    void slowAnswerEndsAtItsDeadline()
    {
        // A server that keeps sending a little at a time never falls silent long
        // enough for the read time-out; the whole request still has its deadline.
        DownloadFixture f;
        f.clock.date = QDate(2024, 1, 5);
        f.writeDraws({makeDraw(QDate(2024, 1, 3), {6, 7, 8, 9, 10})});
        f.server.byDate["20240104"] = DrawServer::ok(kDay4);
        f.server.byDate["20240104"].mode = DrawServer::Answer::Mode::Trickle;
        f.server.byDate["20240104"].delay = 400;
        auto w =
            f.start(true, 3000, [](TForm1& window) { window.state().dayAnswerDeadline = 600; });
        QVERIFY(f.waitDone());
        QCOMPARE(f.server.requestedDates(), QStringList{"20240104"});
        QCOMPARE(f.stored().size(), size_t(1));
        QVERIFY2(
            panel(w.get(), 0)
                .startsWith(QStringLiteral("Verbindung zum Ziehungsdaten-Server abgebrochen ") +
                            f.server.address() + QStringLiteral(" (Operation timed out)")),
            qPrintable(panel(w.get(), 0)));
        QVERIFY(atRest(w.get()));
    }

    void startControls_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("BitBtn1") << "BitBtn1";
        QTest::newRow("SpeedButton10") << "SpeedButton10";
        QTest::newRow("menu") << "Aktualisieren1";
    }
    void startControls()
    {
        QFETCH(QString, control);
        DownloadFixture f;
        f.clock.date = QDate(2024, 1, 3);
        f.writeDraws({makeDraw(QDate(2024, 1, 3), {6, 7, 8, 9, 10})});
        f.server.byDate["20240104"] = DrawServer::ok(kDay4);
        auto w = f.start();
        QVERIFY(f.waitDone());
        QVERIFY(f.server.requests.isEmpty());
        f.clock.date = QDate(2024, 1, 4);
        if (control == "BitBtn1")
            QTest::mouseClick(bitBtn1(w.get()), Qt::LeftButton);
        else if (control == "SpeedButton10")
            QTest::mouseClick(w->tipPage()->SpeedButton10, Qt::LeftButton);
        else
            w->findChild<QAction*>(control)->trigger();
        QVERIFY(f.waitDone(2));
        QCOMPARE(f.server.requestedDates(), QStringList{"20240104"});
        QCOMPARE(f.storedNumbers(QDate(2024, 1, 4)), Draws{Numbers({3, 11, 19, 27, 40})});
    }

    void redirectIsFollowed()
    {
        DownloadFixture f;
        f.clock.date = QDate(2024, 1, 4);
        f.writeDraws({makeDraw(QDate(2024, 1, 3), {6, 7, 8, 9, 10})});
        f.server.byDate["20240104"] = DrawServer::redirect("/neu/ziehung.txt");
        f.server.byPath["/neu/ziehung.txt"] = DrawServer::ok(kDay4);
        auto w = f.start();
        QVERIFY(f.waitDone());
        QCOMPARE(f.server.requests.size(), 2);
        QCOMPARE(f.server.requests[1].path, QByteArray("/neu/ziehung.txt"));
        QCOMPARE(f.storedNumbers(QDate(2024, 1, 4)), Draws{Numbers({3, 11, 19, 27, 40})});
        QCOMPARE(panel(w.get(), 0), QStringLiteral("200 OK"));
    }

    void noConnectionEndsTheDownload_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("asked");
        QTest::newRow("nothing listens") << "refused" << QStringList{};
        QTest::newRow("never answers") << "silent" << QStringList{"20240104"};
        QTest::newRow("hangs up") << "hang up" << QStringList{"20240104"};
    }
    void noConnectionEndsTheDownload()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, asked);
        DownloadFixture f;
        f.clock.date = QDate(2024, 1, 8);  // five days due
        f.writeDraws({makeDraw(QDate(2024, 1, 3), {6, 7, 8, 9, 10})});
        QVERIFY(f.server.listen());
        QString address = f.server.address();
        if (kind == "refused") {
            QTcpServer closed;
            QVERIFY(closed.listen(QHostAddress::LocalHost));
            address = QStringLiteral("http://127.0.0.1:%1").arg(closed.serverPort());
        } else {
            f.server.otherwise = kind == "silent" ? DrawServer::silent() : DrawServer::ok({});
            if (kind == "hang up") f.server.otherwise.mode = DrawServer::Answer::Mode::HangUp;
        }
        int requestsSent = 0;
        auto w = f.start(false, 300, [&](TForm1& window) {
            child<QLineEdit>(&window, "DrawServerEdit")->setText(address);
            QObject::connect(&window.state(), &MainState::statusChanged, &window,
                             [&](int i, const QString& text) {
                                 if (i == 0 && text == QStringLiteral("Loading")) ++requestsSent;
                             });
        });
        QVERIFY(f.waitDone());
        // The network layer sends a request again once when the server hung up at once.
        QStringList dates = f.server.requestedDates();
        dates.removeDuplicates();
        QCOMPARE(dates, asked);
        QCOMPARE(requestsSent, 1);  // not one for each of the five days
        QVERIFY2(panel(w.get(), 0)
                     .startsWith(QStringLiteral("Keine Verbindung zum Ziehungsdaten-Server")),
                 qPrintable(panel(w.get(), 0)));
        QVERIFY(atRest(w.get()));
        QCOMPARE(f.stored().size(), size_t(1));
        QCOMPARE(w->state().Datum1, dayCountFromDate(QDate(2024, 1, 3)));
        QVERIFY(f.dialogs.notices().isEmpty());
    }

    void answerBrokenOffKeepsEarlierDaysAndIsAskedAgain()
    {
        DownloadFixture f;
        f.clock.date = QDate(2024, 1, 6);
        f.writeDraws({makeDraw(QDate(2024, 1, 3), {6, 7, 8, 9, 10})});
        f.server.byDate["20240104"] = DrawServer::ok(kDay4);
        f.server.byDate["20240105"] = DrawServer::brokenOff(kDay5 + kDay4);
        {
            auto w = f.start();
            QVERIFY(f.waitDone());
            QCOMPARE(f.server.requestedDates(), QStringList({"20240104", "20240105"}));
            QVERIFY2(
                panel(w.get(), 0)
                    .startsWith(QStringLiteral("Verbindung zum Ziehungsdaten-Server abgebrochen")),
                qPrintable(panel(w.get(), 0)));
            QVERIFY(atRest(w.get()));
        }
        QCOMPARE(f.stored().size(), size_t(2));
        QCOMPARE(f.storedNumbers(QDate(2024, 1, 4)), Draws{Numbers({3, 11, 19, 27, 40})});

        // The next start goes on with the day that broke off.
        f.server.requests.clear();
        f.server.byDate["20240105"] = DrawServer::ok(kDay5);
        auto w = f.start();
        QVERIFY(f.waitDone(2));
        QCOMPARE(f.server.requestedDates(), QStringList({"20240105", "20240106"}));
        QCOMPARE(f.storedNumbers(QDate(2024, 1, 5)), Draws{Numbers({4, 12, 20, 28, 41})});
    }

    void trailingPartialRecordIsCutBeforeAppending()
    {
        // What a kill in the middle of an append leaves behind.
        DownloadFixture f;
        f.clock.date = QDate(2024, 1, 5);
        f.writeDraws({makeDraw(QDate(2024, 1, 2), {1, 2, 3, 4, 5}),
                      makeDraw(QDate(2024, 1, 3), {6, 7, 8, 9, 10})});
        {
            QFile file(f.drawFile());
            QVERIFY(file.open(QIODevice::Append));
            QCOMPARE(
                file.write(makeDraw(QDate(2024, 1, 4), {3, 11, 19, 27, 40}).toBytes().left(10)),
                10);
        }
        f.server.byDate["20240104"] = DrawServer::ok(kDay4);
        f.server.byDate["20240105"] = DrawServer::ok(kDay5);
        auto w = f.start();
        QVERIFY(f.waitDone());
        QCOMPARE(f.server.requestedDates(), QStringList({"20240104", "20240105"}));
        QCOMPARE(QFileInfo(f.drawFile()).size(), qint64(4 * DrawRecord::kSize));
        const auto draws = f.stored();
        QCOMPARE(draws[1].datum, dayCountFromDate(QDate(2024, 1, 3)));
        QCOMPARE(draws[2].datum, dayCountFromDate(QDate(2024, 1, 4)));
        QCOMPARE(draws[3].datum, dayCountFromDate(QDate(2024, 1, 5)));
    }

    void closingTheWindowDuringARequest()
    {
        DownloadFixture f;
        f.clock.date = QDate(2024, 1, 6);
        f.writeDraws({makeDraw(QDate(2024, 1, 3), {6, 7, 8, 9, 10})});
        f.server.byDate["20240104"] = DrawServer::ok(kDay4);
        f.server.byDate["20240105"] = DrawServer::ok(kDay5);
        f.server.byDate["20240105"].delay = 800;
        auto w = f.start();
        QTRY_COMPARE(f.server.requests.size(), 2);
        w->close();
        w.reset();
        QTest::qWait(1200);
        QCOMPARE(f.server.requestedDates(), QStringList({"20240104", "20240105"}));
        QCOMPARE(f.stored().size(), size_t(2));
        QCOMPARE(f.finished, 0);
    }

    void proxyPortThatIsNoNumber()
    {
        DownloadFixture f;
        f.clock.date = QDate(2024, 1, 5);
        f.writeDraws({makeDraw(QDate(2024, 1, 3), {6, 7, 8, 9, 10})});
        auto w = f.start(true, 3000, [](TForm1& window) {
            child<QLineEdit>(&window, "ProxyHostEdit")->setText("127.0.0.1");
            child<QLineEdit>(&window, "ProxyPortEdit")->setText("abc");
        });
        QVERIFY(f.waitDone());
        QCOMPARE(f.dialogs.notices(),
                 QStringList{"Proxy-Port: 'abc' ist kein gültiger Integerwert"});
        QVERIFY(f.server.requests.isEmpty());
        QVERIFY(atRest(w.get()));
        QCOMPARE(w->state().Datum1, dayCountFromDate(QDate(2024, 1, 3)));

        // Once the port is a number again, the proxy (the test server here) is asked.
        child<QLineEdit>(w.get(), "ProxyPortEdit")->setText(QString::number(f.server.port()));
        child<QLineEdit>(w.get(), "DrawServerEdit")->setText("http://ziehungen.invalid");
        w->KugelwartClick();
        QVERIFY(f.waitDone(2));
        QCOMPARE(f.server.requests.size(), 2);
        QCOMPARE(
            f.server.requests[0].target,
            QByteArray(
                "http://ziehungen.invalid/lotto/lottopl.asp?Programm=KleinkugelPL&Datum=20240104"));
    }

    void proxyPortIsNotReadWithoutAHost()
    {
        DownloadFixture f;
        f.clock.date = QDate(2024, 1, 4);
        f.writeDraws({makeDraw(QDate(2024, 1, 3), {6, 7, 8, 9, 10})});
        f.server.byDate["20240104"] = DrawServer::ok(kDay4);
        auto w = f.start(true, 3000, [](TForm1& window) {
            child<QLineEdit>(&window, "ProxyPortEdit")->setText("abc");
        });
        QVERIFY(f.waitDone());
        QVERIFY(f.dialogs.notices().isEmpty());
        QCOMPARE(f.server.requestedDates(), QStringList{"20240104"});
        QCOMPARE(f.stored().size(), size_t(2));
        auto* page = w->findChild<InternetPage*>();
        auto* label = qobject_cast<QLabel*>(
            static_cast<QFormLayout*>(page->ProxyPortEdit->parentWidget()->layout())
                ->labelForField(page->ProxyPortEdit));
        QVERIFY(label);
        QCOMPARE(label->text(), QStringLiteral("Proxy-Port:"));
    }

    void noServerSet()
    {
        DownloadFixture f;
        f.clock.date = QDate(2024, 1, 5);
        f.writeDraws({makeDraw(QDate(2024, 1, 2), {1, 2, 3, 4, 5}),
                      makeDraw(QDate(2024, 1, 3), {6, 7, 8, 9, 10})});
        auto w = f.start(false);
        QVERIFY(f.waitDone());
        QVERIFY(f.server.requests.isEmpty());
        QCOMPARE(panel(w.get(), 0),
                 QStringLiteral("Keine Ziehungsquelle eingestellt (Ziehungsdaten-Server oder "
                                "Ergebnisdatei auf \u201EInternet-Optionen\u201C)"));
        QVERIFY(f.dialogs.notices().isEmpty());
        QCOMPARE(w->state().Datum1, dayCountFromDate(QDate(2024, 1, 3)));
        QVERIFY(w->tipPage()->Label35->text().contains(QStringLiteral("03.01.24")));
        QVERIFY(atRest(w.get()));

        // The field on "Internet-Optionen" is what the download reads.
        auto* page = w->findChild<InternetPage*>();
        bool labelled = false;
        for (QLabel* label : page->findChildren<QLabel*>())
            labelled = labelled || (label->text() == QStringLiteral("Ziehungsdaten-Server:") &&
                                    label->buddy() == page->DrawServerEdit);
        QVERIFY(labelled);
        page->DrawServerEdit->setText(f.server.address());
        QCOMPARE(w->state().DrawServer, f.server.address());
    }

    void noDrawFileStartsOnTheSecondOf2018()
    {
        DownloadFixture f;
        f.clock.date = QDate(2018, 1, 3);
        f.server.byDate["20180102"] = DrawServer::ok(kDay4);
        auto w = f.start();
        QVERIFY(f.waitDone());
        QCOMPARE(f.server.requestedDates(), QStringList({"20180102", "20180103"}));
        QCOMPARE(f.storedNumbers(QDate(2018, 1, 2)), Draws{Numbers({3, 11, 19, 27, 40})});
        QCOMPARE(f.stored().size(), size_t(1));
    }

    void rebuild_data()
    {
        QTest::addColumn<bool>("confirmed");
        QTest::newRow("confirmed") << true;
        QTest::newRow("declined") << false;
    }
    void rebuild()
    {
        QFETCH(bool, confirmed);
        DownloadFixture f;
        f.clock.date = QDate(2018, 1, 3);
        const std::vector<DrawRecord> before{makeDraw(QDate(2018, 1, 2), {1, 2, 3, 4, 5}),
                                             makeDraw(QDate(2018, 1, 3), {6, 7, 8, 9, 10})};
        f.writeDraws(before);
        f.server.byDate["20180102"] = DrawServer::ok(kDay4);
        f.server.byDate["20180103"] = DrawServer::ok(kDay5 + kDay4);
        auto w = f.start();
        QVERIFY(f.waitDone());
        QVERIFY(f.server.requests.isEmpty());
        QVERIFY(w->findChild<DatabasePage*>()->BitBtn2->isHidden());

        f.dialogs.yesNoAnswers = {confirmed};
        QVERIFY(QMetaObject::invokeMethod(w.get(), "BitBtn2Click"));
        QCOMPARE(f.dialogs.shown.size(), 1);
        QCOMPARE(f.dialogs.shown[0].kind, QStringLiteral("question"));
        QCOMPARE(
            f.dialogs.shown[0].text,
            QStringLiteral(
                "Wollen Sie wirklich alle Ziehungsdaten löschen und dies ab dem 03.01.2018 aus dem "
                "Internet neu aufbauen??"));
        QCOMPARE(f.dialogs.shown[0].caption, QStringLiteral("Ziehungsdaten löschen?"));
        if (!confirmed) {
            QTest::qWait(100);
            QVERIFY(f.server.requests.isEmpty());
            QCOMPARE(f.stored(), before);
            return;
        }
        QVERIFY(f.waitDone(2));
        QCOMPARE(f.server.requestedDates(), QStringList({"20180102", "20180103"}));
        QCOMPARE(f.storedNumbers(QDate(2018, 1, 2)), Draws{Numbers({3, 11, 19, 27, 40})});
        QCOMPARE(f.storedNumbers(QDate(2018, 1, 3)),
                 Draws({{4, 12, 20, 28, 41}, {3, 11, 19, 27, 40}}));
        QCOMPARE(f.stored().size(), size_t(3));
    }

    void winCalculationAfterNewDraws_data()
    {
        QTest::addColumn<bool>("list");
        QTest::addColumn<bool>("newDraw");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<int>("gewinn");
        QTest::addColumn<int>("calls");
        QTest::addColumn<QStringList>("counts");  // the dialog's count edits, top row first
        const QStringList none(12, "0");
        QStringList three = none;
        three[2] = "1";  // class "3"
        QTest::newRow("list, new draw, two hits")
            << true << true << "3\t11\t1\t2\t5" << 200 << 1 << none;
        QTest::newRow("list, new draw, three hits")
            << true << true << "3\t11\t20\t2\t5" << 300 << 1 << three;
        QTest::newRow("list, new draw, one hit")
            << true << true << "3\t1\t2\t5\t6" << 100 << 0 << QStringList();
        QTest::newRow("list, no new draw")
            << true << false << "3\t11\t1\t2\t5" << 200 << 0 << QStringList();
        QTest::newRow("sheet, new draw")
            << false << true << "3\t11\t1\t2\t5" << 200 << 0 << QStringList();
    }
    void winCalculationAfterNewDraws()
    {
        QFETCH(bool, list);
        QFETCH(bool, newDraw);
        QFETCH(QString, tip);
        QFETCH(int, gewinn);
        QFETCH(int, calls);
        QFETCH(QStringList, counts);
        DownloadFixture f;
        f.clock.date = QDate(2024, 1, 3);
        f.writeDraws({makeDraw(QDate(2024, 1, 3), {3, 11, 20, 27, 40})});
        f.server.byDate["20240104"] = DrawServer::ok("x,3,11,20,21,22,1234567\r\n");
        auto w = f.start();
        QVERIFY(f.waitDone());
        QSignalSpy winCalculation(&w->state(), &MainState::winCalculationRequested);
        // The dialog that opens: what it shows, then it is closed.
        QList<QStringList> opened;
        QObject::connect(w.get(), &TForm1::winCalculationOpened, w.get(), [&opened](TForm9* d) {
            QTimer::singleShot(0, d, [&opened, d] {
                QStringList shown;
                for (int r = 1; r <= 12; ++r) shown << d->countEdit(r)->text();
                opened << shown;
                d->reject();
            });
        });
        MainState& s = w->state();
        if (list) {
            f.dialogs.yesNoAnswers = {false};
            w->ListenansichtClick();
            s.Gewinnzahlen = {"30\t31\t32\t33\t34", tip};
            s.notifyListChanged();
        } else {
            const QStringList cells = tip.split('\t');
            for (int c = 0; c < 5; ++c) s.sheet.setCell(1, c + 1, cells[c]);
        }
        if (newDraw) f.clock.date = QDate(2024, 1, 4);
        w->KugelwartClick();
        QVERIFY(f.waitDone(2));
        QCOMPARE(f.server.requests.size(), newDraw ? 1 : 0);
        QCOMPARE(s.Gewinn, gewinn);
        QCOMPARE(winCalculation.size(), calls);
        // The dialog opens from the event loop, once the download has ended.
        if (calls > 0) QTRY_COMPARE(opened.size(), calls);
        QTest::qWait(50);
        QCOMPARE(opened.size(), calls);
        if (calls > 0) {
            QCOMPARE(opened[0], counts);
            QCOMPARE(w->form9()->classLabel(4)->text(), QStringLiteral("3 + E"));
            QVERIFY(!w->form9()->isVisible());
        }
    }

    void answerDuringAGenerationRunWaitsForItsEnd()
    {
        DownloadFixture f;
        f.clock.date = QDate(2024, 1, 4);
        f.writeDraws({makeDraw(QDate(2024, 1, 3), {6, 7, 8, 9, 10})});
        f.server.byDate["20240104"] = DrawServer::ok(kDay4);
        TForm1* window = nullptr;
        f.server.onRequest = [&](const DrawServer::Request&) {
            window->state().run.start(Task::Generation);
        };
        auto w = f.start(true, 3000, [&](TForm1& created) { window = &created; });
        QTest::qWait(300);
        QCOMPARE(f.finished, 0);
        QCOMPARE(f.stored().size(), size_t(1));

        w->state().run.end(Task::Generation);
        w->state().notifyRunChanged();
        QVERIFY(f.waitDone());
        QCOMPARE(f.storedNumbers(QDate(2024, 1, 4)), Draws{Numbers({3, 11, 19, 27, 40})});
    }
};

QTEST_MAIN(TestDownloadWindow)
#include "test_download_window.moc"
