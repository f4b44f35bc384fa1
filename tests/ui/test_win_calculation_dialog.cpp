// TForm9, the win calculation, in the main window: its controls, the recomputation
// as the user types, the average quotas, and the quota load from a server on
// 127.0.0.1 while the dialog runs modally.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "draws/draw_download.h"
#include "platform/ini_settings_store.h"
#include "support/companion.h"
#include "support/draw_server.h"
#include "support/window_fixture.h"
#include "tips/text_file.h"
#include "ui/dialog_windows.h"
#include "ui/side_pages.h"
#include "ui/zoom.h"

using namespace kw;
using namespace kw::test;

Q_DECLARE_METATYPE(kw::test::DrawServer::Answer)

namespace {

const QByteArray kQuotaPath = "/zahlen/lotto_neu.asp";
// The program, the date, the stake, then the quotas from the top class down.
const QByteArray kAnswer =
    "Sternkugel,20240104;2,50;unbesetzt;1.234.567,80 EUR;55.000,00;5.000,00;210,50;99,90;"
    "48,00;20,00;18,20;14,00;9,50;7,10;\r\n";
const QStringList kLoaded{"7,10",  "9,50",   "14,00",   "18,20",    "20,00",      "48,00",
                          "99,90", "210,50", "5000,00", "55000,00", "1234567,80", "0,00"};

struct Fixture : WindowFixture {
    DrawServer server;
    std::unique_ptr<TForm1> w = window();
    TForm9* d = w->form9();

    Fixture() { w->state().DateTimePicker1.setDate(dayCountFromDate(QDate(2024, 1, 4))); }
    // The quota server on "Internet-Optionen", answering the quota path with answer.
    void serveQuotas(const DrawServer::Answer& answer)
    {
        if (!server.isListening()) QVERIFY(server.listen());
        server.byPath[kQuotaPath] = answer;
        w->findChild<InternetPage*>()->QuotaServerEdit->setText(server.address());
    }
    // auswertungClick; act runs once the dialog is modal and closes it. The dialog
    // never stays open past 15 s, so a failing test cannot hang.
    void open(const std::function<void(TForm9*)>& act)
    {
        auto connection = QObject::connect(
            w.get(), &TForm1::winCalculationOpened, w.get(), [act](TForm9* dialog) {
                QTimer::singleShot(0, dialog, [act, dialog] { act(dialog); });
                QTimer::singleShot(15000, dialog, [dialog] {
                    if (dialog->isVisible()) dialog->reject();
                });
            });
        w->auswertungClick();
        QObject::disconnect(connection);
    }
    QStringList column(QLineEdit* (TForm9::*edit)(int) const) const
    {
        QStringList texts;
        for (int r = 1; r <= 12; ++r) texts << (d->*edit)(r)->text();
        return texts;
    }
    QStringList sums() const
    {
        QStringList texts;
        for (int r = 1; r <= 12; ++r) texts << d->sumLabel(r)->text();
        return texts;
    }
    QString panel(int i) const { return d->statusPanel(i)->text(); }
};

}  // namespace

class TestWinCalculationDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void controls()
    {
        Fixture f;
        QCOMPARE(f.d->windowTitle(), QStringLiteral("Auswertung und Gewinnberechnung"));
        QStringList captions;
        for (const QLabel* label : f.d->findChildren<QLabel*>()) captions << label->text();
        for (const char* head : {"Anzahl", "Richtig + E + E", "Gewinnquoten", "Summe"})
            QVERIFY2(captions.contains(QString::fromUtf8(head)), head);
        const int counts[] = {1, 2, 3, 4, 5, 6, 7, 8, 17, 18, 19, 20};
        const int quotas[] = {9, 10, 11, 12, 13, 14, 15, 16, 21, 22, 23, 24};
        const int sums[] = {12, 13, 14, 15, 16, 17, 18, 19, 25, 26, 27, 28};
        const QStringList odds{"1:35",          "1:80",          "1:399",         "1:418",
                               "1:5992",        "1:17.578",      "1:21.972",      "1 : 263.668",
                               "1 : 3.955.019", "1 : 4.943.773", "1 : 59.325.280"};
        for (int r = 1; r <= 12; ++r) {
            QCOMPARE(f.d->countEdit(r),
                     child<QLineEdit>(f.d, qPrintable(QString("Edit%1").arg(counts[r - 1]))));
            QCOMPARE(f.d->quotaEdit(r),
                     child<QLineEdit>(f.d, qPrintable(QString("Edit%1").arg(quotas[r - 1]))));
            QCOMPARE(f.d->sumLabel(r),
                     child<QLabel>(f.d, qPrintable(QString("Label%1").arg(sums[r - 1]))));
        }
        QStringList hints;
        for (int r = 1; r <= 12; ++r)
            if (r != 5) hints << f.d->quotaEdit(r)->toolTip();
        QCOMPARE(hints, odds);
        QCOMPARE(f.d->quotaEdit(5)->toolTip(), QStringLiteral("1:499"));
        // The texts of the quota load, kept as hints.
        QCOMPARE(f.d->countEdit(1)->toolTip(),
                 QStringLiteral("Keine Gewähr für die Richtigkeit der Zahlen!"));
        QCOMPARE(f.d->countEdit(2)->toolTip(), QStringLiteral("konnte Quote nicht laden"));
        QCOMPARE(f.d->countEdit(5)->toolTip(), QStringLiteral("konnte Quote nicht laden"));
        QCOMPARE(f.d->countEdit(3)->toolTip(),
                 QStringLiteral("Spieleinsatz: noch nicht verfügbar!"));
        QCOMPARE(f.d->countEdit(4)->toolTip(), QStringLiteral("Spieleinsatz: %s  EUR"));
        QCOMPARE(f.d->Panel1->toolTip(), QStringLiteral("Angabe ohne Gewähr"));
        QCOMPARE(f.d->Label2->toolTip(), QStringLiteral("Quote für den %s geladen"));
        QCOMPARE(child<QLabel>(f.d, "Label20"), f.d->Label20);
        QCOMPARE(f.d->SpeedButton1->toolTip(),
                 QStringLiteral("durchschnittlische Quote eintragen"));
        QCOMPARE(child<QWidget>(f.d, "StatusBar1")->findChildren<QLabel*>().size(), 2);
        QVERIFY(f.d->isModal());
        // Scaled at its creation to the height it is laid out for.
        const int height = f.d->sizeHint().height();
        QVERIFY2(height > 380 && height < 520, qPrintable(QString::number(height)));
        QVERIFY(zoomOf(f.d) != 1.0);
    }

    // The quota server is set on "Internet-Optionen" and kept in the settings.
    void quotaServerField()
    {
        WindowFixture f;
        f.settings.openKey(kSettingsKey, true);
        f.settings.writeString(kQuotaServerValue, QStringLiteral(" http://quoten.example:81 "));
        f.settings.closeKey();
        auto w = f.window();
        auto* page = w->findChild<InternetPage*>();
        QCOMPARE(page->QuotaServerEdit->text(), QStringLiteral("http://quoten.example:81"));
        QCOMPARE(qobject_cast<QLabel*>(child<QLabel>(w.get(), "Label110"))->buddy(),
                 page->QuotaServerEdit);
        QCOMPARE(child<QLabel>(w.get(), "Label110")->text(), QStringLiteral("Quoten-Server:"));
        page->QuotaServerEdit->setText(QStringLiteral("127.0.0.1:1"));
        QCOMPARE(w->state().QuotaServer, QStringLiteral("127.0.0.1:1"));
        w->FormClose();
        f.settings.openKey(kSettingsKey, false);
        QCOMPARE(f.settings.readString(kQuotaServerValue), std::optional<QString>("127.0.0.1:1"));
        f.settings.closeKey();
    }

    // The example of a German setting: two rows of class "3" and one of class "4".
    void typedQuotasGiveTheWinnings()
    {
        Fixture f;
        f.w->state().Statistik[3][0] = 2;
        f.w->state().Statistik[4][0] = 1;
        f.w->state().Statistik[0][0] = 9;  // no class of the dialog
        QStringList counts, enabled, sums;
        QString total, stillOpen;
        f.open([&](TForm9* d) {
            counts = f.column(&TForm9::countEdit);
            QTest::keyClicks(d->quotaEdit(3), "15");
            QTest::keyClicks(d->quotaEdit(7), "100");
            for (int r = 1; r <= 12; ++r)
                if (d->quotaEdit(r)->isEnabled()) enabled << d->quotaEdit(r)->objectName();
            sums = f.sums();
            total = d->Label20->text();
            d->BitBtn1->click();
        });
        QCOMPARE(counts, QStringList({"0", "0", "2", "0", "0", "0", "1", "0", "0", "0", "0", "0"}));
        QCOMPARE(enabled, QStringList({"Edit11", "Edit15"}));
        QCOMPARE(sums[2], QStringLiteral("30,00"));
        QCOMPARE(sums[6], QStringLiteral("100,00"));
        QCOMPARE(total, QStringLiteral("130,00"));
        QVERIFY(!f.d->isVisible());
        // No quota server: nothing is asked, and the status says why.
        QCOMPARE(f.panel(0), MessageTable::german().text(Message::NoQuotaServer));
        QCOMPARE(f.panel(1), QStringLiteral("konnte Quote nicht laden"));
        QVERIFY(f.http.refused.isEmpty());
    }

    // A count or quota that is no number gives "-" in its row; the others are computed.
    void unreadableRowStopsNothingElse()
    {
        Fixture f;
        f.d->prepare({}, dayCountFromDate(QDate(2024, 1, 4)));
        f.d->countEdit(3)->setText("2");
        f.d->countEdit(10)->setText("1");
        f.d->quotaEdit(3)->setText("15");
        f.d->quotaEdit(10)->setText("abc");
        f.d->quotaEdit(12)->setText("5");
        QCOMPARE(f.d->sumLabel(3)->text(), QStringLiteral("30,00"));
        QCOMPARE(f.d->sumLabel(10)->text(), QStringLiteral("-"));
        QCOMPARE(f.d->sumLabel(12)->text(), QStringLiteral("0,00"));
        QCOMPARE(f.d->Label20->text(), QStringLiteral("-"));  // the "5" class is unknown
        f.d->quotaEdit(10)->setText("50000");
        QCOMPARE(f.d->Label20->text(), QStringLiteral("50030,00"));
        f.d->countEdit(1)->setText("x");
        QCOMPARE(f.d->sumLabel(1)->text(), QStringLiteral("-"));
        QVERIFY(!f.d->quotaEdit(1)->isEnabled());
        QCOMPARE(f.d->sumLabel(3)->text(), QStringLiteral("30,00"));
        QCOMPARE(f.d->Label20->text(), QStringLiteral("-"));
    }

    void averageQuotas()
    {
        Fixture f;
        ClassCounts counts{};
        counts[3][0] = 2;
        counts[5][0] = 1;
        f.d->prepare(counts, dayCountFromDate(QDate(2024, 1, 4)));
        QTest::mouseClick(f.d->SpeedButton1, Qt::LeftButton);
        QCOMPARE(f.column(&TForm9::quotaEdit),
                 QStringList({"8", "10", "15", "15", "20", "50", "100", "200", "5000", "50000",
                              "250000", "10000000"}));
        QCOMPARE(f.d->sumLabel(3)->text(), QStringLiteral("30,00"));
        QCOMPARE(f.d->sumLabel(10)->text(), QStringLiteral("50000,00"));
        QCOMPARE(f.d->sumLabel(12)->text(), QStringLiteral("0,00"));
        QCOMPARE(f.d->Label20->text(), QStringLiteral("50030,00"));
    }

    void rowsFourAndFiveByTheDate_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QStringList>("counts");
        QTest::newRow("9 October 2014")
            << QDate(2014, 10, 9) << QStringList{"2 + S + S", "3 + S"} << QStringList{"4", "7"};
        QTest::newRow("10 October 2014")
            << QDate(2014, 10, 10) << QStringList{"3 + E", "2 + E + E"} << QStringList{"7", "4"};
    }
    void rowsFourAndFiveByTheDate()
    {
        QFETCH(QDate, date);
        QFETCH(QStringList, labels);
        QFETCH(QStringList, counts);
        Fixture f;
        ClassCounts statistik{};
        statistik[2][2] = 4;
        statistik[3][1] = 7;
        f.d->prepare(statistik, dayCountFromDate(date));
        QCOMPARE(f.d->classLabel(4)->text(), labels[0]);
        QCOMPARE(f.d->classLabel(5)->text(), labels[1]);
        QCOMPARE(f.d->countEdit(4)->text(), counts[0]);
        QCOMPARE(f.d->countEdit(5)->text(), counts[1]);
        QVERIFY(f.d->quotaEdit(4)->isEnabled());
        QVERIFY(f.d->quotaEdit(5)->isEnabled());
    }

    // The quotas come while the dialog runs modally; until then the load button waits.
    void quotasLoadedWhileTheDialogRuns()
    {
        Fixture f;
        DrawServer::Answer answer = DrawServer::ok(kAnswer);
        answer.delay = 200;
        f.serveQuotas(answer);
        f.w->state().Statistik[3][0] = 1;
        bool buttonWhileLoading = true;
        QString panelWhileLoading;
        f.server.onRequest = [&](const DrawServer::Request&) {
            buttonWhileLoading = f.d->SpeedButton2->isEnabled();
            panelWhileLoading = f.panel(0);
        };
        QStringList quotas;
        QString caption, panel0, panel1, sum;
        bool modal = false;
        f.open([&](TForm9* d) {
            const auto take = [&, d] {
                modal = d->isVisible() && QApplication::activeModalWidget() == d;
                quotas = f.column(&TForm9::quotaEdit);
                caption = d->windowTitle();
                panel0 = f.panel(0);
                panel1 = f.panel(1);
                sum = d->sumLabel(3)->text();
                d->reject();
            };
            if (d->quotaLoad()->running())
                QObject::connect(d->quotaLoad(), &QuotaLoad::finished, d, take);
            else
                take();
        });
        QCOMPARE(f.server.requests.size(), 1);
        QCOMPARE(f.server.requests[0].target,
                 QByteArray("/zahlen/lotto_neu.asp?Programm=Sternkugel&Datum=20240104"));
        QVERIFY(!buttonWhileLoading);
        QCOMPARE(panelWhileLoading, QStringLiteral("Loading"));
        QVERIFY(modal);
        QCOMPARE(quotas, kLoaded);
        QCOMPARE(caption, QStringLiteral("Spieleinsatz: 3  EUR"));
        QCOMPARE(panel0, QStringLiteral("Angabe ohne Gewähr"));
        QCOMPARE(panel1, QStringLiteral("Quote für den 04.01.24 geladen"));
        QCOMPARE(sum, QStringLiteral("14,00"));
        QVERIFY(f.d->SpeedButton2->isEnabled());
    }

    void failedLoadKeepsTheQuotas_data()
    {
        QTest::addColumn<DrawServer::Answer>("answer");
        QTest::addColumn<QString>("panel0");  // its start
        QTest::addColumn<bool>("loop");       // the server is asked again and again
        QTest::newRow("not found") << DrawServer::status(404, "Not Found")
                                   << QStringLiteral("Failed : 404 Not Found") << false;
        QTest::newRow("no semicolon") << DrawServer::ok("Quoten folgen, 2,50 EUR")
                                      << QStringLiteral("Received 23 bytes") << false;
        // A server past all bounds: the answer is abandoned at its limit or its deadline.
        QTest::newRow("100 MB") << DrawServer::stream(kAnswer, 100 * 1024 * 1024)
                                << QStringLiteral("Failed : 200 Answer larger than 65536 bytes")
                                << false;
        QTest::newRow("endless trickle")
            << DrawServer::endless(";", 20) << QStringLiteral("Failed : 200 Operation timed out")
            << false;
        QTest::newRow("binary garbage")
            << DrawServer::ok(QByteArrayLiteral("\x01\xFF\xFE\x00\x9C;\x00\x7F").repeated(400))
            << QStringLiteral("Received 3200 bytes") << false;
        QTest::newRow("redirect loop")
            << DrawServer::redirectLoop() << QStringLiteral("Failed : 302 ") << true;
    }
    void failedLoadKeepsTheQuotas()
    {
        QFETCH(DrawServer::Answer, answer);
        QFETCH(QString, panel0);
        QFETCH(bool, loop);
        Fixture f;
        f.w->state().dayAnswerDeadline = 1000;
        f.serveQuotas(answer);
        f.d->prepare({}, dayCountFromDate(QDate(2024, 1, 4)));
        QTRY_VERIFY(f.d->SpeedButton2->isEnabled());
        QTest::mouseClick(f.d->SpeedButton1, Qt::LeftButton);
        const QStringList averages = f.column(&TForm9::quotaEdit);
        QTest::mouseClick(f.d->SpeedButton2, Qt::LeftButton);
        QVERIFY(!f.d->SpeedButton2->isEnabled());
        QTRY_VERIFY(f.d->SpeedButton2->isEnabled());
        if (!loop) QCOMPARE(f.server.requests.size(), 2);
        QVERIFY2(f.panel(0).startsWith(panel0), qPrintable(f.panel(0)));
        QCOMPARE(f.panel(1), QStringLiteral("konnte Quote nicht laden"));
        QCOMPARE(f.column(&TForm9::quotaEdit), averages);
        QCOMPARE(f.d->windowTitle(), QStringLiteral("Auswertung und Gewinnberechnung"));
    }

    void closingTheDialogDuringALoad()
    {
        Fixture f;
        DrawServer::Answer answer = DrawServer::ok(kAnswer);
        answer.delay = 300;
        f.serveQuotas(answer);
        f.server.onRequest = [&](const DrawServer::Request&) { f.d->reject(); };
        f.open([](TForm9*) {});  // closed as the request arrives
        QVERIFY(!f.d->isVisible());
        QVERIFY(f.d->SpeedButton2->isEnabled());
        QVERIFY(!f.d->quotaLoad()->running());
        QTest::qWait(600);  // the answer would have come by now
        QCOMPARE(f.column(&TForm9::quotaEdit), QStringList(12, QString()));
        QCOMPARE(f.d->windowTitle(), QStringLiteral("Auswertung und Gewinnberechnung"));

        // Opened again, it loads afresh.
        f.server.onRequest = nullptr;
        QStringList quotas;
        f.open([&](TForm9* d) {
            QObject::connect(d->quotaLoad(), &QuotaLoad::finished, d, [&, d] {
                quotas = f.column(&TForm9::quotaEdit);
                d->reject();
            });
        });
        QCOMPARE(quotas, kLoaded);
    }

    // The companion's evaluate: the saved sheet against the draw of the date, as the
    // window shows it.
    void companionEvaluatesTheSheet_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QStringList>("lines");
        const QStringList empty(9, "- - - - -\t\t");
        QTest::newRow("the draw after the date")
            << "2024-01-03"
            << QStringList{"3* 5 12 27* 40*\t3\t87", "1 2 3* 4 5\t1\t15", "7 9 - - -\t\t"} + empty +
                   QStringList{"1 0 1", "3 0 1"};
        QTest::newRow("after the last draw: the last")
            << "2024-01-09"
            << QStringList{"3 5 12 27 40\t0\t87", "1 2 3 4 5\t0\t15", "7 9 - - -\t\t"} + empty +
                   QStringList{"0 0 2"};
    }
    void companionEvaluatesTheSheet()
    {
        QFETCH(QString, date);
        QFETCH(QStringList, lines);
        WindowFixture f;
        f.writeDraws({makeDraw(QDate(2024, 1, 2), {1, 2, 30, 31, 32}),
                      makeDraw(QDate(2024, 1, 4), {3, 11, 19, 27, 40}),
                      makeDraw(QDate(2024, 1, 8), {6, 7, 8, 9, 10})});
        const Companion cli =
            runCompanion(f, {"evaluate", "--date", date},
                         {{"40", "3", "12", "27", "5"}, {"1", "2", "3", "4", "5"}, {"7", "9"}});
        QCOMPARE(cli.exitCode, 0);
        QCOMPARE(cli.lines, lines);
    }

    void companionAndWindowAgreeOnAList()
    {
        WindowFixture f;
        f.writeDraws({makeDraw(QDate(2024, 1, 2), {1, 2, 30, 31, 32}),
                      makeDraw(QDate(2024, 1, 4), {3, 11, 19, 27, 40})});
        const QStringList list{"3\t11\t19\t1\t2", "1\t2\t3\t\t\t4\t5", "30\t31\t32\t33\t34",
                               "x\t3\t11\t19\t27", "3\t11\t19\t27\t40\t\t\t1\t2"};
        const QString file = f.appData.filePath(QStringLiteral("liste.txt"));
        QVERIFY(writeTextLines(file, list, nullptr));
        const Companion cli = runCompanion(f, {"evaluate", "--date", "2024-01-04", "--list", file});
        QCOMPARE(cli.exitCode, 0);
        const QStringList& printed = cli.lines;

        auto w = f.window();
        MainState& s = w->state();
        f.dialogs.yesNoAnswers = {false};
        w->ListenansichtClick();
        s.Gewinnzahlen = list;
        s.DateTimePicker1.setDate(dayCountFromDate(QDate(2024, 1, 4)));
        for (auto& row : s.Statistik) row.fill(0);
        w->SpeedButton5Click();
        QStringList shown;
        for (int i = 0; i < list.size(); ++i)
            shown << QStringList(list[i].split('\t', Qt::SkipEmptyParts).mid(0, 5)).join(' ') +
                         '\t' + s.Gewinne.value(i);
        for (int h = 0; h < 7; ++h)
            if (s.Statistik[h][0] != 0) shown << QString("%1 0 %2").arg(h).arg(s.Statistik[h][0]);
        QCOMPARE(printed, shown);
        QCOMPARE(printed, QStringList({"3 11 19 1 2\t3", "1 2 3 4 5\t1", "30 31 32 33 34\t0",
                                       "x 3 11 19 27\t0", "3 11 19 27 40\t5", "0 0 2", "1 0 1",
                                       "3 0 1", "5 0 1"}));
    }

    void closingTheMainWindowDuringALoad()
    {
        Fixture f;
        f.serveQuotas(DrawServer::silent());
        f.w->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.w.get()));
        bool closed = false;
        f.server.onRequest = [&](const DrawServer::Request&) { closed = f.w->close(); };
        QTRY_VERIFY(!f.w->download()->running());
        f.open([](TForm9*) {});
        QVERIFY(closed);
        QVERIFY(!f.d->isVisible());
        QVERIFY(!f.d->quotaLoad()->running());
        f.w.reset();
        QTest::qWait(100);
    }
};

QTEST_MAIN(TestWinCalculationDialog)
#include "test_win_calculation_dialog.moc"
