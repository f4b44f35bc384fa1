// Draws from a complete results file when no draw-data server is set: the first
// start fills an empty history, later starts add what is new; differing stored
// draws are kept, bad lines are left out, and a failed fetch stores nothing.
#include <QFile>
#include <QTcpServer>
#include <QTest>

#include "support/download_fixture.h"
#include "support/files.h"

using namespace kw;
using namespace kw::test;

namespace {

// "7,05.01.2018,03,11,19,27,40": a running number, the date, zero-padded numbers.
QByteArray resultLine(int number, const QDate& day, std::initializer_list<int> numbers)
{
    QByteArray line = QByteArray::number(number) + ',' + day.toString("dd.MM.yyyy").toLatin1();
    for (int n : numbers) line += ',' + QByteArray::number(n).rightJustified(2, '0');
    return line + "\n";
}

// One draw a day, numbers made from the day so that each is known.
QByteArray resultDays(const QDate& first, const QDate& last, int firstNumber = 1)
{
    QByteArray file;
    int number = firstNumber;
    for (QDate d = first; d <= last; d = d.addDays(1))
        file += resultLine(number++, d, {d.day(), 33, 34, 35, d.month() % 6 + 36});
    return file;
}

const QByteArray kPath = "/download/mini_lotto.csv";

struct ResultsFixture : DownloadFixture {
    QString address() { return server.address() + QString::fromLatin1(kPath); }
    std::unique_ptr<TForm1> startWith(const QByteArray& file,
                                      const std::function<void(TForm1&)>& before = {})
    {
        server.byPath[kPath] = DrawServer::ok(file);
        return startWithAnswer(before);
    }
    std::unique_ptr<TForm1> startWithAnswer(const std::function<void(TForm1&)>& before = {})
    {
        if (!server.isListening()) server.listen();
        return start(false, 3000, [this, before](TForm1& w) {
            child<QLineEdit>(&w, "ErgebnisdateiEdit")->setText(address());
            if (before) before(w);
        });
    }
    QStringList dates() const
    {
        QStringList list;
        for (const DrawRecord& r : stored())
            list << dateFromDayCount(r.datum).toString(QStringLiteral("dd.MM.yyyy"));
        return list;
    }
    QStringList questions() const
    {
        QStringList texts;
        for (const auto& s : dialogs.shown)
            if (s.kind == QLatin1String("question")) texts << s.text;
        return texts;
    }
};

}  // namespace

class TestResultsFile : public QObject {
    Q_OBJECT
private slots:
    void firstStartFillsAnEmptyHistory()
    {
        ResultsFixture f;
        f.clock.date = QDate(2018, 1, 10);
        // Draws before 2018 are older than any analysis window: they stay out.
        auto w = f.startWith(resultDays(QDate(2017, 12, 30), QDate(2018, 1, 9)));
        QVERIFY(f.waitDone());

        QCOMPARE(f.server.requests.size(), 1);
        QCOMPARE(f.server.requests[0].path, kPath);
        QCOMPARE(f.server.requests[0].headers.value("user-agent"), QByteArray("Kugelwart"));
        QCOMPARE(f.stored().size(), size_t(9));
        QCOMPARE(f.dates().first(), QStringLiteral("01.01.2018"));
        QCOMPARE(f.dates().last(), QStringLiteral("09.01.2018"));
        QCOMPARE(f.storedNumbers(QDate(2018, 1, 9)), Draws{Numbers({9, 33, 34, 35, 37})});
        // The newest draw is shown and ends the analysis window.
        QCOMPARE(w->state().Datum1, dayCountFromDate(QDate(2018, 1, 9)));
        QCOMPARE(w->state().DateTimePicker1.date(), dayCountFromDate(QDate(2018, 1, 9)));
        QVERIFY2(w->tipPage()->Label35->text().contains(QStringLiteral("09.01.18")),
                 qPrintable(w->tipPage()->Label35->text()));
        QCOMPARE(panel(w.get(), 0), QStringLiteral("200 OK"));
        QCOMPARE(panel(w.get(), 1), QStringLiteral("Ergebnisdatei: 9 neue Ziehungen"));
        QVERIFY(f.dialogs.shown.isEmpty());
        QVERIFY(atRest(w.get()));
        // The number distribution charted at start counts the draws that came in.
        const ChartData& chart = w->state().chart;
        QCOMPARE(chart.count(), 42);
        double drawn = 0;
        for (int i = 0; i < chart.count(); ++i) drawn += chart.y(i);
        QCOMPARE(drawn, 9.0 * 5);
        QCOMPARE(chart.y(32), 9.0);  // 33 is in every draw
    }

    void wholePublishedHistory()
    {
        // The real history, written as the published results file is.
        QFile csv(qEnvironmentVariable("KUGELWART_SHARED_DATA") +
                  QStringLiteral("/minilotto-history.csv"));
        if (!csv.open(QIODevice::ReadOnly))
            QSKIP("the real draw history is not beside the checkout");
        QByteArray file;
        int number = 4263;
        csv.readLine();  // its header
        while (!csv.atEnd()) {
            const QList<QByteArray> fields = csv.readLine().trimmed().split(',');
            if (fields.size() != 6) continue;
            const QDate day = QDate::fromString(QString::fromLatin1(fields[0]), Qt::ISODate);
            file += resultLine(number++, day,
                               {fields[1].toInt(), fields[2].toInt(), fields[3].toInt(),
                                fields[4].toInt(), fields[5].toInt()});
        }
        ResultsFixture f;
        f.clock.date = QDate(2026, 8, 23);
        auto w = f.startWith(file);
        QVERIFY(f.waitDone());
        QCOMPARE(f.stored().size(), size_t(3156));
        QCOMPARE(f.dates().first(), QStringLiteral("01.01.2018"));
        QCOMPARE(f.dates().last(), QStringLiteral("22.08.2026"));
        QVERIFY2(w->tipPage()->Label35->text().contains(QStringLiteral("22.08.26")),
                 qPrintable(w->tipPage()->Label35->text()));
        QCOMPARE(panel(w.get(), 1), QStringLiteral("Ergebnisdatei: 3156 neue Ziehungen"));
    }

    void laterStartsAddOnlyWhatIsNew()
    {
        ResultsFixture f;
        f.clock.date = QDate(2018, 1, 10);
        // Stored: 1 to 5 January; the 3rd was corrected by hand and differs from the file.
        f.writeDraws({makeDraw(QDate(2018, 1, 1), {1, 33, 34, 35, 37}),
                      makeDraw(QDate(2018, 1, 2), {2, 33, 34, 35, 37}),
                      makeDraw(QDate(2018, 1, 3), {3, 13, 23, 32, 41}),
                      makeDraw(QDate(2018, 1, 4), {4, 33, 34, 35, 37}),
                      makeDraw(QDate(2018, 1, 5), {5, 33, 34, 35, 37})});
        const QByteArray file = resultDays(QDate(2018, 1, 1), QDate(2018, 1, 9));
        {
            auto w = f.startWith(file);
            QVERIFY(f.waitDone());
            QCOMPARE(panel(w.get(), 1),
                     QStringLiteral("Ergebnisdatei: 4 neue Ziehungen, 1 abweichende gespeicherte "
                                    "behalten"));
        }
        QVERIFY(f.questions().isEmpty());  // an automatic download asks nothing
        QCOMPARE(f.stored().size(), size_t(9));
        QCOMPARE(f.storedNumbers(QDate(2018, 1, 3)), Draws{Numbers({3, 13, 23, 32, 41})});
        QCOMPARE(f.storedNumbers(QDate(2018, 1, 8)), Draws{Numbers({8, 33, 34, 35, 37})});
        const QByteArray after = fileBytes(f.drawFile());

        // Nothing new: the history stays byte for byte.
        f.finished = 0;
        {
            auto w = f.startWith(file);
            QVERIFY(f.waitDone());
            QCOMPARE(panel(w.get(), 1),
                     QStringLiteral("Ergebnisdatei: 0 neue Ziehungen, 1 abweichende gespeicherte "
                                    "behalten"));
        }
        QCOMPARE(fileBytes(f.drawFile()), after);

        // The newest stored draw is today's: nothing is asked for.
        f.finished = 0;
        f.server.requests.clear();
        f.clock.date = QDate(2018, 1, 9);
        auto w = f.startWith(file);
        QVERIFY(f.waitDone());
        QVERIFY(f.server.requests.isEmpty());
        QCOMPARE(fileBytes(f.drawFile()), after);
    }

    void badLinesAreLeftOutAndCounted()
    {
        ResultsFixture f;
        f.clock.date = QDate(2018, 1, 10);
        QByteArray file = resultLine(1, QDate(2018, 1, 1), {1, 2, 3, 4, 5});
        file += "2,02.01.2018,01,02,03,04,43\n";
        file += "<html>not a results file</html>\n";
        file += "4,04.01.2018,05,05,06,07,08\n";
        file += resultLine(5, QDate(2018, 1, 5), {9, 10, 11, 12, 13});
        auto w = f.startWith(file);
        QVERIFY(f.waitDone());
        QCOMPARE(f.dates(), QStringList({"01.01.2018", "05.01.2018"}));
        QCOMPARE(panel(w.get(), 1),
                 QStringLiteral("Ergebnisdatei: 2 neue Ziehungen, 3 Zeilen abgelehnt, erste: "
                                "Zeile 2: \"2,02.01.2018,01,02,03,04,43\" (Zahl 43 außerhalb "
                                "von 1 bis 42)"));
        QVERIFY(f.dialogs.shown.isEmpty());
    }

    void failureStoresNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not found") << "404"
                                   << "(404 Not Found)";
        QTest::newRow("broken off") << "broken"
                                    << "(";
        QTest::newRow("larger than any results file") << "large"
                                                      << "(größer als 4 MB, abgebrochen)";
        QTest::newRow("past its deadline") << "slow"
                                           << "(Operation timed out)";
        QTest::newRow("nothing listens") << "refused"
                                         << "(";
    }
    void failureStoresNothing()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        ResultsFixture f;
        f.clock.date = QDate(2018, 1, 10);
        f.writeDraws({makeDraw(QDate(2018, 1, 1), {1, 33, 34, 35, 37}),
                      makeDraw(QDate(2018, 1, 2), {2, 33, 34, 35, 37})});
        const QByteArray before = fileBytes(f.drawFile());
        const QByteArray good = resultDays(QDate(2018, 1, 1), QDate(2018, 1, 9));
        DrawServer::Answer& answer = f.server.byPath[kPath];
        QTcpServer closed;
        if (kind == "404") {
            answer = DrawServer::status(404, "Not Found");
        } else if (kind == "broken") {
            answer = DrawServer::brokenOff(good);
        } else if (kind == "large") {
            answer = DrawServer::ok(good.repeated(kResultsFileMaxBytes / good.size() + 2));
        } else if (kind == "slow") {
            answer = DrawServer::ok(good);
            answer.mode = DrawServer::Answer::Mode::Trickle;
            answer.delay = 400;
        }
        if (kind == "refused") QVERIFY(closed.listen(QHostAddress::LocalHost));
        auto w = f.startWithAnswer([&](TForm1& window) {
            window.state().resultsFileDeadline = 600;
            if (kind == "refused")
                child<QLineEdit>(&window, "ErgebnisdateiEdit")
                    ->setText(QStringLiteral("http://127.0.0.1:%1/x.csv").arg(closed.serverPort()));
        });
        QVERIFY(f.waitDone());
        QCOMPARE(fileBytes(f.drawFile()), before);
        const QString address =
            kind == "refused" ? QStringLiteral("http://127.0.0.1:%1/x.csv").arg(closed.serverPort())
                              : f.address();
        QVERIFY2(panel(w.get(), 0)
                     .startsWith(QStringLiteral("Ergebnisdatei nicht geladen: ") + address +
                                 QLatin1Char(' ') + reason),
                 qPrintable(panel(w.get(), 0)));
        QVERIFY(f.dialogs.notices().isEmpty());  // the history is not empty
        QVERIFY(atRest(w.get()));
        QCOMPARE(w->state().Datum1, dayCountFromDate(QDate(2018, 1, 2)));
    }

    void unreachableAtFirstStartSaysWhereDrawsComeFrom()
    {
        ResultsFixture f;
        f.clock.date = QDate(2018, 1, 10);
        f.server.byPath[kPath] = DrawServer::status(404, "Not Found");
        auto w = f.startWithAnswer();
        QVERIFY(f.waitDone());
        QVERIFY(f.stored().empty());
        QCOMPARE(f.dialogs.notices().size(), 1);
        const QString notice = f.dialogs.notices().first();
        for (const QString& part : {f.address(), QStringLiteral("404 Not Found"),
                                    QStringLiteral("\u201EInternet-Optionen\u201C"),
                                    QStringLiteral("\u201EImport aus Text\u201C")})
            QVERIFY2(notice.contains(part), qPrintable(notice));
    }

    void stopAbandonsTheFile()
    {
        ResultsFixture f;
        f.clock.date = QDate(2018, 1, 10);
        f.server.byPath[kPath] = DrawServer::ok(resultDays(QDate(2018, 1, 1), QDate(2018, 1, 9)));
        f.server.byPath[kPath].mode = DrawServer::Answer::Mode::Trickle;
        f.server.byPath[kPath].delay = 300;
        TForm1* window = nullptr;
        f.server.onRequest = [&](const DrawServer::Request&) { stopButton(window)->click(); };
        auto w = f.startWithAnswer([&](TForm1& created) { window = &created; });
        QVERIFY(f.waitDone());
        QTest::qWait(1500);  // the rest of the answer would have come by now
        QVERIFY(f.stored().empty());
        QVERIFY(atRest(w.get()));
        QCOMPARE(f.finished, 1);
    }

    void theDrawServerComesFirst()
    {
        ResultsFixture f;
        f.clock.date = QDate(2018, 1, 3);
        f.writeDraws({makeDraw(QDate(2018, 1, 1), {1, 33, 34, 35, 37})});
        f.server.byPath[kPath] = DrawServer::ok(resultDays(QDate(2018, 1, 1), QDate(2018, 1, 9)));
        auto w = f.startWithAnswer([&](TForm1& window) {
            child<QLineEdit>(&window, "DrawServerEdit")->setText(f.server.address());
        });
        QVERIFY(f.waitDone());
        QCOMPARE(f.server.requestedDates(), QStringList({"20180102", "20180103"}));
        QCOMPARE(f.stored().size(), size_t(1));  // the server answered empty days
    }
};

QTEST_MAIN(TestResultsFile)
#include "test_results_file.moc"
