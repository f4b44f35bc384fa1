// The user goes on working while draws come in: whatever is clicked meanwhile,
// every draw is stored once, under its own date, in date order; and no change of
// the history by hand overlaps a download.
#include <QDateEdit>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "support/download_fixture.h"
#include "support/files.h"
#include "ui/dialog_windows.h"

using namespace kw;
using namespace kw::test;

namespace {

// Three stored draws (1 to 3 January 2024) and five days due (4 to 8 January).
struct BusyFixture : DownloadFixture {
    BusyFixture()
    {
        clock.date = QDate(2024, 1, 8);
        writeDraws({makeDraw(QDate(2024, 1, 1), {1, 2, 3, 4, 5}),
                    makeDraw(QDate(2024, 1, 2), {6, 7, 8, 9, 10}),
                    makeDraw(QDate(2024, 1, 3), {11, 12, 13, 14, 15})});
        for (int day = 4; day <= 8; ++day) {
            const QByteArray numbers = QByteArray::number(day) + ",20,30,35," +
                                       QByteArray::number(36 + day - 4) + ",1234567\r\n";
            auto& answer =
                server.byDate[QStringLiteral("202401%1").arg(day, 2, 10, QLatin1Char('0'))];
            answer = DrawServer::ok("x," + numbers);
            answer.delay = 120;
        }
    }
    // The history as "day:numbers", one entry per record in file order.
    QStringList history() const
    {
        QStringList lines;
        for (const DrawRecord& r : stored()) {
            QString line = dateFromDayCount(r.datum).toString(QStringLiteral("d:"));
            for (int s = 1; s <= 5; ++s) line += QString::number(r.slot(s)) + QLatin1Char(' ');
            lines << line.trimmed();
        }
        return lines;
    }
    static QStringList expectedHistory()
    {
        QStringList lines{"1:1 2 3 4 5", "2:6 7 8 9 10", "3:11 12 13 14 15"};
        for (int day = 4; day <= 8; ++day)
            lines << QStringLiteral("%1:%1 20 30 35 %2").arg(day).arg(36 + day - 4);
        return lines;
    }
};

}  // namespace

class TestDownloadWhileInUse : public QObject {
    Q_OBJECT
private slots:
    void userActsDuringTheDownload_data()
    {
        QTest::addColumn<QString>("action");
        for (const char* action : {"step back", "step forward", "choose a date", "delete",
                                   "generation run", "entry", "import", "rebuild", "download"})
            QTest::newRow(action) << QString::fromLatin1(action);
    }
    void userActsDuringTheDownload()
    {
        QFETCH(QString, action);
        BusyFixture f;
        f.dialogs.yesNoAnswers = {true, true, true};  // whatever would be asked, the answer is Yes
        const QString importFile = f.appData.filePath(QStringLiteral("import.txt"));
        writeBytes(importFile, "20240106,1,2,3,4,5,0,0\r\n20240120,1,2,3,4,5,0,0\r\n");
        f.dialogs.fileAnswers << importFile;
        bool entryOpened = false;
        bool acted = false;
        TForm1* window = nullptr;
        const auto act = [&] {
            TForm1& w = *window;
            if (action == "step back") {
                for (int i = 0; i < 3; ++i) child<QToolButton>(&w, "SpeedButton6")->click();
            } else if (action == "step forward") {
                child<QToolButton>(&w, "SpeedButton6")->click();
                child<QToolButton>(&w, "SpeedButton7")->click();
            } else if (action == "choose a date") {
                child<QDateEdit>(&w, "DateTimePicker1")->setDate(QDate(2024, 1, 2));
                child<QToolButton>(&w, "SpeedButton5")->click();
            } else if (action == "delete") {
                child<QPushButton>(&w, "BitBtn6")->click();
                w.BitBtn4Click();
            } else if (action == "generation run") {
                w.tipPage()->BitBtn4->click();
            } else if (action == "entry") {
                child<QPushButton>(&w, "BitBtn8")->click();
                w.BitBtn8Click();
            } else if (action == "import") {
                child<QPushButton>(&w, "BitBtn10")->click();
                w.BitBtn10Click();
            } else if (action == "rebuild") {
                w.BitBtn2Click();
            } else if (action == "download") {
                w.KugelwartClick();
            }
        };
        f.server.onRequest = [&](const DrawServer::Request& request) {
            // Once the second day is under way, from the event loop as a click would come.
            if (request.datum == QLatin1String("20240105") && !acted) {
                acted = true;
                QTimer::singleShot(0, window, act);
            }
        };
        auto w = f.start(true, 3000, [&](TForm1& created) {
            window = &created;
            QObject::connect(&created, &TForm1::drawEntryDialogOpened, &created,
                             [&entryOpened](TForm3* d) {
                                 entryOpened = true;
                                 QTimer::singleShot(0, d, [d] { d->accept(); });
                             });
        });
        QVERIFY(f.waitDone());
        QVERIFY(acted);
        QTRY_VERIFY(atRest(w.get()));
        QCOMPARE(f.history(), BusyFixture::expectedHistory());
        QCOMPARE(f.server.requestedDates(),
                 QStringList({"20240104", "20240105", "20240106", "20240107", "20240108"}));
        QVERIFY(!entryOpened);
        for (const auto& shown : f.dialogs.shown)
            QVERIFY2(shown.kind != QLatin1String("open") && shown.kind != QLatin1String("question"),
                     qPrintable(shown.kind + ": " + shown.text));
        // The newest draw is shown and ends the analysis window.
        QCOMPARE(w->state().Datum1, dayCountFromDate(QDate(2024, 1, 8)));
        QCOMPARE(w->state().DateTimePicker1.date(), dayCountFromDate(QDate(2024, 1, 8)));
        QVERIFY2(w->tipPage()->Label35->text().contains(QStringLiteral("08.01.24")),
                 qPrintable(w->tipPage()->Label35->text()));
    }

    void entryRereadsTheHistoryAfterItsDialog()
    {
        // While the dialog is open, a download cannot start, and a draw that reached
        // the file meanwhile is not lost by the entry's rewrite.
        BusyFixture f;
        auto w = f.start(false);
        QVERIFY(f.waitDone());
        child<QLineEdit>(w.get(), "DrawServerEdit")->setText(f.server.address());
        QObject::connect(w.get(), &TForm1::drawEntryDialogOpened, w.get(), [&](TForm3* d) {
            QTimer::singleShot(0, d, [&, d] {
                w->KugelwartClick();
                QVERIFY(DrawFile(f.drawFile())
                            .append({makeDraw(QDate(2024, 1, 9), {9, 19, 29, 39, 41})}, nullptr));
                d->findChild<QDateEdit*>(QStringLiteral("DateTimePicker1"))
                    ->setDate(QDate(2024, 1, 5));
                d->accept();
            });
        });
        child<QPushButton>(w.get(), "BitBtn8")->click();
        QVERIFY(f.server.requests.isEmpty());
        QStringList expected{"1:1 2 3 4 5", "2:6 7 8 9 10", "3:11 12 13 14 15", "5:11 12 13 14 15",
                             "9:9 19 29 39 41"};
        QCOMPARE(f.history(), expected);
    }

    void importQuestionAnsweredLate()
    {
        BusyFixture f;
        auto w = f.start(false);
        QVERIFY(f.waitDone());
        child<QLineEdit>(w.get(), "DrawServerEdit")->setText(f.server.address());
        const QString source = f.appData.filePath(QStringLiteral("import.txt"));
        writeBytes(source, "20240102,6,7,8,9,11,0,0\r\n20240110,10,20,30,40,42,0,0\r\n");
        f.dialogs.fileAnswers << source;
        f.dialogs.yesNoAnswers << true;
        f.dialogs.whileAsking = [&](const QString&) {
            w->KugelwartClick();
            QVERIFY(DrawFile(f.drawFile())
                        .append({makeDraw(QDate(2024, 1, 9), {9, 19, 29, 39, 41})}, nullptr));
        };
        child<QPushButton>(w.get(), "BitBtn10")->click();
        QVERIFY(f.server.requests.isEmpty());
        QStringList expected{"1:1 2 3 4 5", "2:6 7 8 9 11", "3:11 12 13 14 15", "9:9 19 29 39 41",
                             "10:10 20 30 40 42"};
        QCOMPARE(f.history(), expected);
    }
};

QTEST_MAIN(TestDownloadWhileInUse)
#include "test_download_while_in_use.moc"
