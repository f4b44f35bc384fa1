// The tip search and the historic analyses through the main window: their
// buttons, what else can be clicked while one runs, the report in Test.txt, and
// the companion's "analyse" printing the same report.
#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "support/companion.h"
#include "support/window_fixture.h"
#include "tips/text_file.h"
#include "ui/tip_page.h"

using namespace kw;
using namespace kw::test;

namespace {

const QString kStop = QStringLiteral("Stoppen");

struct Fixture : WindowFixture {
    std::unique_ptr<TForm1> w;

    explicit Fixture(const std::vector<DrawRecord>& draws)
    {
        writeDraws(draws);
        w = shownWindow();
    }
    QPushButton* button(const char* name) const { return child<QPushButton>(w.get(), name); }
    QString status(int panel) const
    {
        return child<QLabel>(w.get(), qPrintable(QStringLiteral("StatusPanel%1").arg(panel)))
            ->text();
    }
    void setDates(const QDate& start, const QDate& end)
    {
        child<QDateEdit>(w.get(), "DateTimePicker2")->setDate(start);
        child<QDateEdit>(w.get(), "DateTimePicker1")->setDate(end);
    }
    QString reportPath() const { return dataFolder() + QStringLiteral("Test.txt"); }
    QByteArray report() const
    {
        QFile file(reportPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // What the user can reach while an operation runs, and whether it may be clicked.
    QStringList enabledMeanwhile() const
    {
        QStringList enabled;
        for (const char* name : {"SpeedButton4", "BitBtn9", "BitBtn19", "BitBtn4", "BitBtn1",
                                 "BitBtn8", "BitBtn6", "BitBtn10", "auswertung"})
            if (button(name)->isEnabled()) enabled << QLatin1String(name);
        if (w->findChild<QAction*>(QStringLiteral("Berechnen1"))->isEnabled())
            enabled << QStringLiteral("Berechnen1");
        return enabled;
    }
};

std::vector<DrawRecord> longHistory()
{
    return randomHistory(QDate(2025, 1, 1), QDate(2026, 8, 22), 3);
}

}  // namespace

class TestAnalysesWindow : public QObject {
    Q_OBJECT
private slots:
    void buttonsAtRest()
    {
        Fixture f(longHistory());
        QPushButton* search = f.button("SpeedButton4");
        QCOMPARE(search->text(), QStringLiteral("Tipps in DB suchen"));
        QCOMPARE(
            search->toolTip(),
            QStringLiteral("Hier können Sie suchen ob dieser Tipp schon einmal gezogen wurde"));
        QVERIFY(f.button("BitBtn9")->text().startsWith("Historische Analyse der Parameter"));
        QVERIFY(
            f.button("BitBtn19")->text().startsWith("Historische Analyse beginnend mit dem oben"));
        QCOMPARE(child<QLabel>(f.w.get(), "Label86")->text(),
                 QStringLiteral("Anhand der eingestellten Parameter werden Tipps berechnet und "
                                "ausgewertet"));
        QCOMPARE(child<QLabel>(f.w.get(), "Label87")->text(),
                 QStringLiteral("War eine Ziehung schonmal ein 4er oder 5er?"));
        QTRY_VERIFY(f.enabledMeanwhile().contains("SpeedButton4"));
        QCOMPARE(f.enabledMeanwhile().size(), 10);
    }

    // While the search asks, its button stops it, and the other long operations,
    // the download and the changes of the history wait.
    void searchStopsAtNo()
    {
        Fixture f({makeDraw(QDate(2025, 3, 1), {1, 2, 3, 4, 5}),
                   makeDraw(QDate(2025, 3, 2), {1, 2, 3, 7, 8}),
                   makeDraw(QDate(2025, 3, 3), {20, 21, 22, 23, 24})});
        QTRY_VERIFY(f.button("SpeedButton4")->isEnabled());
        f.setDates(QDate(2025, 3, 2), QDate(2025, 3, 3));
        QTest::keyClicks(f.w->tipPage()->edit(1), QStringLiteral("1"));
        f.dialogs.inputAnswers = {QStringLiteral("0")};
        QStringList meanwhile;
        QString caption, shown;
        f.dialogs.whileAsking = [&](const QString&) {
            meanwhile = f.enabledMeanwhile();
            caption = f.button("SpeedButton4")->text();
            shown = f.w->tipPage()->Label35->text();
        };
        f.button("SpeedButton4")->click();
        QCOMPARE(caption, kStop);
        QCOMPARE(meanwhile, QStringList{"SpeedButton4"});
        QVERIFY2(shown.endsWith(QStringLiteral("  1  2  3  7  8   E1: 0 E2: 0")),
                 qPrintable(shown));
        QCOMPARE(f.status(0), QStringLiteral("02.03.2025"));
        QCOMPARE(f.button("SpeedButton4")->text(), QStringLiteral("Tipps in DB suchen"));
        QCOMPARE(f.enabledMeanwhile().size(), 10);
    }

    // The parameter analysis writes Test.txt and opens it; the companion prints the
    // same report for the same lucky number.
    void parameterReportAndCompanion()
    {
        Fixture f(longHistory());
        QTRY_VERIFY(f.button("BitBtn9")->isEnabled());
        f.w->tipPage()->UpDown8->setValue(5);
        f.setDates(QDate(2026, 2, 1), QDate(2026, 8, 8));
        f.dialogs.yesNoAnswers = {true};
        f.dialogs.inputAnswers = {QStringLiteral("4711")};
        f.button("BitBtn9")->click();
        QCOMPARE(f.dialogs.notices(), QStringList());
        QCOMPARE(f.shell.opened, QStringList{f.reportPath()});
        const QByteArray bytes = f.report();
        QVERIFY(bytes.contains("\r\nZiehungen : 3      Tipp: 5 => 15Reihen\r\n"));
        QVERIFY(bytes.startsWith("Aktuelle Einstellung brachten\r\n\r\n"));
        QVERIFY(!f.w->state().listView);

        QFile::remove(f.reportPath());
        Companion cli = runCompanion(f, {"analyse", "parameters", "--seed", "4711", "--rows", "5",
                                         "--start", "2026-02-01", "--end", "2026-08-08"});
        QCOMPARE(cli.exitCode, 0);
        QCOMPARE(cli.output.replace('\n', "\r\n"), bytes);
        QVERIFY(!QFile::exists(f.reportPath()));
    }

    // "mit Zufallstipps vergleichen" beside the button, off at first: checked, the
    // report goes on with the comparison against as many random runs as the
    // Parameter page says; the companion's --baseline prints the same.
    void parameterReportWithRandomComparison()
    {
        Fixture f(longHistory());
        QTRY_VERIFY(f.button("BitBtn9")->isEnabled());
        auto* compare = child<QCheckBox>(f.w.get(), "Zufallsvergleich");
        auto* runs = child<QSpinBox>(f.w.get(), "Zufallsvergleiche");
        QCOMPARE(compare->text(), QStringLiteral("mit Zufallstipps vergleichen"));
        QVERIFY(!compare->isChecked());
        QCOMPARE(runs->value(), 200);
        compare->click();
        QVERIFY(f.w->state().compareWithRandom);
        runs->setValue(7);
        QCOMPARE(f.w->state().randomRuns, 7);
        f.w->tipPage()->UpDown8->setValue(5);
        f.setDates(QDate(2026, 2, 1), QDate(2026, 8, 8));
        f.dialogs.yesNoAnswers = {true};
        f.dialogs.inputAnswers = {QStringLiteral("4711")};
        f.button("BitBtn9")->click();
        QCOMPARE(f.dialogs.notices(), QStringList());
        const auto lines = readTextLines(f.reportPath(), nullptr);
        QVERIFY(lines);
        QCOMPARE(lines->size(), 11 + 11);
        QCOMPARE(lines->at(12), QStringLiteral("Vergleich mit Zufallstipps: 7 Läufe mit denselben "
                                               "Wochen und gleich vielen Reihen"));
        QVERIFY(lines->last().startsWith(QStringLiteral("Die Einstellungen waren ")));

        QFile::remove(f.reportPath());
        const Companion cli =
            runCompanion(f, {"analyse", "parameters", "--seed", "4711", "--rows", "5", "--start",
                             "2026-02-01", "--end", "2026-08-08", "--baseline", "7"});
        QCOMPARE(cli.exitCode, 0);
        QCOMPARE(QString::fromUtf8(cli.output), lines->join('\n') + '\n');
        const Companion bad = runCompanion(f, {"analyse", "parameters", "--baseline", "0"});
        QCOMPARE(bad.exitCode, 2);
    }

    // The database report in the system's code page; the companion answers every
    // find with Yes and prints the same report without writing the file.
    void databaseReportAndCompanion()
    {
        const std::vector<DrawRecord> draws = {makeDraw(QDate(2025, 3, 1), {1, 2, 3, 4, 5}),
                                               makeDraw(QDate(2025, 3, 2), {1, 2, 3, 4, 6}),
                                               makeDraw(QDate(2025, 3, 3), {1, 2, 3, 7, 8}),
                                               makeDraw(QDate(2025, 3, 4), {1, 2, 9, 10, 11})};
        Fixture f(draws);
        QTRY_VERIFY(f.button("BitBtn19")->isEnabled());
        f.setDates(QDate(2025, 3, 1), QDate(2025, 3, 2));
        f.dialogs.yesNoAnswers = {true, true, true};
        f.dialogs.inputAnswers = {QStringLiteral("3")};
        f.w->pageControl()->setCurrentIndex(4);
        f.button("BitBtn19")->click();
        QCOMPARE(f.w->pageControl()->currentIndex(), 0);
        QCOMPARE(f.shell.opened, QStringList{f.reportPath()});
        const QByteArray bytes = f.report();
        QVERIFY(
            bytes.contains("\r\nWie oft gab es bei der n\xe4"
                           "chsten Ziehung"));
        QVERIFY(bytes.contains("\r\n \r\n"));
        const auto lines = readTextLines(f.reportPath(), nullptr);
        QVERIFY(lines);
        QCOMPARE(lines->at(4), QStringLiteral("3x    =>2"));

        QFile::remove(f.reportPath());
        const Companion cli = runCompanion(f, {"analyse", "database", "--threshold", "3", "--start",
                                               "2025-03-01", "--end", "2025-03-02"});
        QCOMPARE(cli.exitCode, 0);
        QCOMPARE(QString::fromUtf8(cli.output).split('\n', Qt::SkipEmptyParts).size(), 15);
        QCOMPARE(QString::fromUtf8(cli.output), lines->join('\n') + '\n');
        QVERIFY(!QFile::exists(f.reportPath()));
        QVERIFY(cli.errors.contains("Ein Treffer gefunden am :  01.03.2025. Weiter? (Ja)"));

        const Companion bad = runCompanion(f, {"analyse", "database", "--threshold", "drei"});
        QCOMPARE(bad.exitCode, 2);
        const Companion unknown = runCompanion(f, {"analyse", "everything"});
        QCOMPARE(unknown.exitCode, 2);
    }

    // A second click on its button stops the analysis: no report. The date reached
    // shows in the status bar meanwhile.
    void databaseStoppedByItsButton()
    {
        Fixture f(longHistory());
        QTRY_VERIFY(f.button("BitBtn19")->isEnabled());
        f.setDates(QDate(2025, 1, 1), QDate(2025, 1, 2));
        f.dialogs.yesNoAnswers = {true};
        f.dialogs.inputAnswers = {QStringLiteral("9")};
        QStringList meanwhile;
        QString caption, reached;
        QTimer::singleShot(0, f.w.get(), [&] {
            meanwhile = f.enabledMeanwhile();
            caption = f.button("BitBtn19")->text();
            reached = f.status(1);
            f.button("BitBtn19")->click();
        });
        f.button("BitBtn19")->click();
        QCOMPARE(caption, kStop);
        QCOMPARE(meanwhile, QStringList{"BitBtn19"});
        QVERIFY2(QDate::fromString(reached, QStringLiteral("dd.MM.yyyy")).isValid(),
                 qPrintable(reached));
        QVERIFY(f.shell.opened.isEmpty());
        QVERIFY(!QFile::exists(f.reportPath()));
        QVERIFY(f.button("BitBtn19")->text().startsWith(QStringLiteral("Historische Analyse")));
        QCOMPARE(f.enabledMeanwhile().size(), 10);
    }

    // Closing the window stops the analysis under way; the window closes once it has ended.
    void closingStopsTheAnalysis()
    {
        Fixture f(longHistory());
        QTRY_VERIFY(f.button("BitBtn9")->isEnabled());
        f.setDates(QDate(2025, 1, 1), QDate(2025, 2, 1));
        f.dialogs.yesNoAnswers = {true};
        bool stillRunning = false;
        QTimer::singleShot(0, f.w.get(), [&] {
            f.w->close();
            stillRunning = f.w->isVisible();
        });
        f.button("BitBtn9")->click();
        QVERIFY(stillRunning);
        QVERIFY(f.shell.opened.isEmpty());
        QTRY_VERIFY(!f.w->isVisible());
    }
};

QTEST_MAIN(TestAnalysesWindow)
#include "test_analyses_window.moc"
