// Servers that answer what no draw source should: an answer of 100 MB, one that
// trickles on without end, binary garbage, a redirect to itself, thousands of
// lines for one day, numbers no draw has. Through the real window against a
// server on 127.0.0.1, for the draw-data server and for the results file: the
// window keeps handling events, the answer is abandoned at its limit, nothing
// wrong is stored, and the status bar says what happened.
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

#include "support/download_fixture.h"
#include "support/files.h"

using namespace kw;
using namespace kw::test;

namespace {

const QByteArray kResultsPath = "/download/mini_lotto.csv";
constexpr qint64 k100MB = 100 * 1024 * 1024;

// Bytes of every value but line breaks: a single line that is no text.
QByteArray garbage(qsizetype size)
{
    QRandomGenerator random(17);
    QByteArray bytes(size, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(random.bounded(256));
        if (c == '\n' || c == '\r') c = '\0';
    }
    bytes[0] = '#';  // not a letter: a first line that is a column header is passed over
    return bytes;
}

}  // namespace

class TestHostileServers : public QObject {
    Q_OBJECT
private slots:
    void answers_data()
    {
        QTest::addColumn<bool>("resultsFile");  // else the draw-data server
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("panelShown");  // the status panel that says what happened
        QTest::addColumn<QString>("status");  // its text's start; %1: the address asked
        QTest::addColumn<int>("added");       // draws stored besides those before
        const QString day = QStringLiteral("Antwort für den 04.01.2024 ");
        const QString tooLarge = day + QStringLiteral("größer als 4096 Bytes, nichts gespeichert");
        const QString unreadable = day + QStringLiteral("nicht lesbar (Zeile 1), Einlesen beendet");
        const QString broken =
            QStringLiteral("Verbindung zum Ziehungsdaten-Server abgebrochen %1 (");
        QTest::newRow("day: 100 MB") << false << "100 MB" << 0 << tooLarge << 0;
        QTest::newRow("day: endless trickle")
            << false << "endless" << 0 << broken + QStringLiteral("Operation timed out)") << 0;
        QTest::newRow("day: binary garbage") << false << "garbage" << 0 << unreadable << 0;
        QTest::newRow("day: redirect loop") << false << "loop" << 0 << broken << 0;
        QTest::newRow("day: 10000 lines") << false << "10000 lines" << 0 << tooLarge << 0;
        QTest::newRow("day: 2000 short lines")
            << false << "2000 short lines" << 0
            << day + QStringLiteral("mit 2000 Zeilen, nichts gespeichert") << 0;
        for (const char* n : {"0", "255", "-1", "999999999999"})
            QTest::newRow(qPrintable(QStringLiteral("day: number %1").arg(n)))
                << false << QStringLiteral("number %1").arg(n) << 0 << unreadable << 0;

        const QString notLoaded = QStringLiteral("Ergebnisdatei nicht geladen: %1 (");
        QTest::newRow("results: 100 MB")
            << true << "100 MB" << 0 << notLoaded + QStringLiteral("größer als 4 MB, abgebrochen)")
            << 0;
        QTest::newRow("results: endless trickle")
            << true << "endless" << 0 << notLoaded + QStringLiteral("Operation timed out)") << 0;
        QTest::newRow("results: binary garbage")
            << true << "garbage" << 1
            << QStringLiteral(
                   "Ergebnisdatei: 0 neue Ziehungen, 1 Zeilen abgelehnt, erste: Zeile "
                   "1: \"")
            << 0;
        QTest::newRow("results: redirect loop") << true << "loop" << 0 << notLoaded << 0;
        QTest::newRow("results: 10000 lines for one day")
            << true << "10000 lines" << 1
            << QStringLiteral(
                   "Ergebnisdatei: 1 neue Ziehungen, 9999 Zeilen abgelehnt, erste: "
                   "Zeile 2: \"3,04.01.2018,03,11,19,27,40\" (Datum schon in einer "
                   "früheren Zeile)")
            << 1;
        for (const char* n : {"0", "255", "-1", "999999999999"})
            QTest::newRow(qPrintable(QStringLiteral("results: number %1").arg(n)))
                << true << QStringLiteral("number %1").arg(n) << 1
                << QStringLiteral(
                       "Ergebnisdatei: 0 neue Ziehungen, 1 Zeilen abgelehnt, erste: "
                       "Zeile 1: \"3,04.01.2018,03,11,%1,27,40\"")
                       .arg(n)
                << 0;
    }
    void answers()
    {
        QFETCH(bool, resultsFile);
        QFETCH(QString, kind);
        QFETCH(int, panelShown);
        QFETCH(QString, status);
        QFETCH(int, added);
        DownloadFixture f;
        QVERIFY(f.server.listen());
        const QDate asked = resultsFile ? QDate(2018, 1, 4) : QDate(2024, 1, 4);
        f.clock.date = asked.addDays(2);
        f.writeDraws({makeDraw(asked.addDays(-1), {6, 7, 8, 9, 10})});
        const QByteArray before = fileBytes(f.drawFile());

        const QByteArray good = resultsFile ? QByteArray("3,04.01.2018,03,11,19,27,40\n")
                                            : QByteArray("x,3,11,19,27,40,1234567\r\n");
        DrawServer::Answer answer;
        if (kind == "100 MB") {
            answer = DrawServer::stream(good, k100MB);
        } else if (kind == "endless") {
            answer = DrawServer::endless(good.left(3), 20);
        } else if (kind == "garbage") {
            answer = DrawServer::ok(garbage(resultsFile ? 1000000 : 3000));
        } else if (kind == "loop") {
            answer = DrawServer::redirectLoop();
        } else if (kind == "10000 lines") {
            answer = DrawServer::ok(good.repeated(10000));
        } else if (kind == "2000 short lines") {
            answer = DrawServer::ok(QByteArray("1\n").repeated(2000));
        } else {
            QByteArray line = good;
            line.replace(",19,", ',' + kind.mid(7).toLatin1() + ',');
            answer = DrawServer::ok(line);
        }
        QString address;
        if (resultsFile) {
            f.server.byPath[kResultsPath] = answer;
            address = f.server.address() + QString::fromLatin1(kResultsPath);
        } else {
            f.server.byDate[asked.toString("yyyyMMdd")] = answer;
            f.server.byDate[asked.addDays(1).toString("yyyyMMdd")] = DrawServer::ok(good);
            address = f.server.address();
        }

        // Events are handled all along: a timer keeps firing while the answer comes.
        int ticks = 0;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
        auto w = f.start(!resultsFile, 3000, [&](TForm1& window) {
            // An endless answer ends at its deadline; the others must end before theirs.
            const int deadline = kind == "endless" ? 1000 : 60000;
            window.state().dayAnswerDeadline = deadline;
            window.state().resultsFileDeadline = deadline;
            if (resultsFile) child<QLineEdit>(&window, "ErgebnisdateiEdit")->setText(address);
            timer.start(50);
        });
        QVERIFY(f.waitDone());
        timer.stop();
        if (kind == "endless") QVERIFY2(ticks >= 5, qPrintable(QString::number(ticks)));

        const QString shown = panel(w.get(), panelShown);
        const QString expected = status.contains("%1") ? status.arg(address) : status;
        QVERIFY2(shown.startsWith(expected), qPrintable(shown));
        // Whatever came, the status bar shows a line, not the answer.
        QVERIFY2(shown.size() < 300, qPrintable(QString::number(shown.size())));
        if (added == 0) QCOMPARE(fileBytes(f.drawFile()), before);
        QCOMPARE(f.stored().size(), size_t(1 + added));
        if (added > 0)
            QCOMPARE(f.storedNumbers(QDate(2018, 1, 4)), Draws{Numbers({3, 11, 19, 27, 40})});
        QVERIFY(atRest(w.get()));
        // Only the one day was asked for: a day that cannot be taken ends the download.
        if (!resultsFile && kind != "loop")
            QCOMPARE(f.server.requestedDates(), QStringList{asked.toString("yyyyMMdd")});
        if (kind == "100 MB") {
            // The answer was abandoned at its limit, not read to its end.
            QTest::qWait(200);
            QVERIFY2(f.server.bodyBytesSent < k100MB / 4,
                     qPrintable(QString::number(f.server.bodyBytesSent)));
        }
        if (kind == "loop")
            QVERIFY2(
                f.server.requests.size() > 10,
                qPrintable(shown +
                           QStringLiteral(" after %1 requests").arg(f.server.requests.size())));
    }

    void endlessResultsFileEndsAtTheUsersStop()
    {
        DownloadFixture f;
        QVERIFY(f.server.listen());
        f.clock.date = QDate(2018, 1, 10);
        f.writeDraws({makeDraw(QDate(2018, 1, 1), {6, 7, 8, 9, 10})});
        const QByteArray before = fileBytes(f.drawFile());
        f.server.byPath[kResultsPath] =
            DrawServer::endless(QByteArray("3,04.01.2018,03,11,19,27,40\n").repeated(100), 10);
        // The window shows how much came; once 20 KB are there, the user clicks stop.
        QStringList progress;
        auto w = f.start(false, 3000, [&](TForm1& window) {
            child<QLineEdit>(&window, "ErgebnisdateiEdit")
                ->setText(f.server.address() + QString::fromLatin1(kResultsPath));
            QObject::connect(&window.state(), &MainState::statusChanged, &window,
                             [&progress, &window](int i, const QString& text) {
                                 if (i != 0 || !text.startsWith("Loading ")) return;
                                 progress << text;
                                 if (text.section(' ', 1, 1).toInt() >= 20)
                                     QTimer::singleShot(0, &window, [&window] {
                                         if (window.download()->running())
                                             stopButton(&window)->click();
                                     });
                             });
        });
        QVERIFY(f.waitDone());
        QVERIFY2(progress.size() >= 2, qPrintable(progress.join('|')));
        QVERIFY(atRest(w.get()));
        QCOMPARE(fileBytes(f.drawFile()), before);
        QCOMPARE(f.finished, 1);
    }
};

QTEST_MAIN(TestHostileServers)
#include "test_hostile_servers.moc"
