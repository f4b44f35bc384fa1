#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "support/companion.h"
#include "support/window_fixture.h"
#include "tips/text_file.h"
#include "ui/number_selection_dialog.h"
#include "ui/parameter_page.h"
#include "ui/tip_list_view.h"
#include "ui/tip_page.h"

using namespace kw;
using namespace kw::test;

namespace {

std::vector<DrawRecord> history()
{
    return randomHistory(QDate(2025, 1, 1), QDate(2026, 8, 22), 3);
}

QStringList sheetRows(TForm1& w)
{
    QStringList rows;
    for (int r = 1; r <= 12; ++r) {
        QStringList cells;
        for (int c = 1; c <= 5; ++c) cells << w.state().sheet.cell(r, c);
        if (!cells.first().isEmpty()) rows << cells.join(QLatin1Char(' '));
    }
    return rows;
}

}  // namespace

class TestGenerationWindow : public QObject {
    Q_OBJECT
private slots:
    // The lucky number in the window and --seed in the companion give the same rows.
    void windowAndCompanionAgree()
    {
        WindowFixture f;
        f.writeDraws(history());
        auto w = f.shownWindow();
        QTRY_VERIFY(!w->tipPage()->Label35->text().isEmpty());
        w->tipPage()->UpDown8->setValue(12);
        f.dialogs.inputAnswers = {QStringLiteral("4711")};
        QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("SpeedButton13")),
                          Qt::LeftButton);
        QCOMPARE(child<QLabel>(w.get(), "StatusPanel1")->text(),
                 QStringLiteral("Glückszahl 4711 gesetzt"));
        QTest::mouseClick(w->tipPage()->BitBtn4, Qt::LeftButton);
        const QStringList rows = sheetRows(*w);
        QCOMPARE(rows.size(), 12);
        QCOMPARE(child<QLabel>(w.get(), "StatusPanel1")->text(),
                 QStringLiteral("Tipps wurden neu berechnet"));
        QVERIFY(!w->state().listView);  // the button hides the list again
        QCOMPARE(w->state().Gewinnzahlen.size(), 12);

        Companion cli = runCompanion(f, {"generate", "--seed", "4711", "--rows", "12"});
        QCOMPARE(cli.exitCode, 0);
        QStringList printed = cli.lines;
        QVERIFY(!printed.isEmpty());
        QCOMPARE(printed.takeLast(), QStringLiteral("Tipps wurden neu berechnet"));
        QCOMPARE(printed, rows);
    }

    // --set changes a parameter as the page does, the tied ones following: a setting
    // that the ties change gives the rows of the setting they make of it.
    void companionTiesParameters_data()
    {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QStringList>("asTied");
        QTest::newRow("least above the most")
            << QStringList{"UpDown3=1", "UpDown9=3"} << QStringList{"UpDown3=1", "UpDown9=1"};
        QTest::newRow("most below the least")
            << QStringList{"UpDown9=2", "UpDown3=1"} << QStringList{"UpDown3=2", "UpDown9=2"};
        QTest::newRow("more even than the odd leave room for")
            << QStringList{"CheckBox25=1", "UpDown15=6"}
            << QStringList{"CheckBox25=1", "UpDown15=4"};
    }
    void companionTiesParameters()
    {
        QFETCH(QStringList, settings);
        QFETCH(QStringList, asTied);
        WindowFixture f;
        f.writeDraws(history());
        const auto generate = [&f](const QStringList& assignments) {
            QStringList arguments{"generate", "--seed", "31", "--rows", "3"};
            for (const QString& assignment : assignments) arguments << "--set" << assignment;
            return runCompanion(f, arguments);
        };
        const Companion tied = generate(asTied);
        QCOMPARE(tied.exitCode, 0);
        QCOMPARE(tied.lines.size(), 3 + 1);
        QCOMPARE(tied.lines.last(), QStringLiteral("Tipps wurden neu berechnet"));
        const Companion cli = generate(settings);
        QCOMPARE(cli.exitCode, 0);
        QCOMPARE(cli.lines, tied.lines);
    }

    void companionReportsBadUse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("says");  // part of the message on standard error
        QTest::newRow("no command") << QStringList{} << 2 << "usage:";
        QTest::newRow("unknown option")
            << QStringList{"generate", "--colour", "red"} << 2 << "unknown option '--colour'";
        QTest::newRow("unknown option last")
            << QStringList{"generate", "--colour"} << 2 << "unknown option '--colour'";
        QTest::newRow("option without value")
            << QStringList{"generate", "--seed"} << 2 << "--seed needs a value";
        QTest::newRow("bad parameter")
            << QStringList{"generate", "--set", "UpDown99=1"} << 2 << "UpDown99";
        QTest::newRow("bad date") << QStringList{"stats", "frequency", "--end", "31.12.2025"} << 2
                                  << "--end needs a date";
        QTest::newRow("pairs with 43")
            << QStringList{"stats", "pairs-with", "43"} << 2 << "pairs-with needs a number 1..42";
        QTest::newRow("pairs with 0")
            << QStringList{"stats", "pairs-with", "0"} << 2 << "pairs-with needs a number 1..42";
        QTest::newRow("13 rows on the sheet")
            << QStringList{"generate", "--rows", "13"} << 2 << "--rows above 12 needs --list";
        QTest::newRow("no row generated")
            << QStringList{"generate",    "--rows", "3",          "--seed", "1",        "--set",
                           "UpDown1=239", "--set",  "UpDown2=21", "--set",  "UpDown7=1"}
            << 1 << "no row was generated";
        QTest::newRow("missing history")
            << QStringList{"stats", "overdue", "--data-folder", "/nonexistent/kw"} << 1
            << "/nonexistent/kw";
        QTest::newRow("bad list file")
            << QStringList{"generate", "--list", "/nonexistent/list.txt"} << 1 << "list.txt";
    }
    void companionReportsBadUse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, says);
        WindowFixture f;
        f.writeDraws(history());
        const Companion cli = runCompanion(f, arguments);
        QCOMPARE(cli.exitCode, exitCode);
        QVERIFY2(QString::fromUtf8(cli.errors).contains(says), cli.errors.constData());
    }

    // The companion reads a list file as the window loads one: numbers apart by
    // blanks, commas or TABs.
    void companionListSeparators()
    {
        WindowFixture f;
        f.writeDraws(history());
        QTemporaryDir dir;
        const QString tabs = dir.filePath(QStringLiteral("tabs.txt"));
        const QString mixed = dir.filePath(QStringLiteral("mixed.txt"));
        QVERIFY(writeTextLines(tabs, {"1\t2\t3\t4\t5", "6\t7\t8\t9\t10", "11\t12\t13\t14\t15"},
                               nullptr));
        QVERIFY(
            writeTextLines(mixed, {"1 2  3 4 5", "6,7,8,9,10", " 11\t12\t13\t14\t15 "}, nullptr));
        const Companion expected = runCompanion(f, {"evaluate", "--list", tabs});
        const Companion read = runCompanion(f, {"evaluate", "--list", mixed});
        QCOMPARE(expected.exitCode, 0);
        QCOMPARE(read.exitCode, 0);
        QVERIFY(expected.lines.size() >= 3);
        QVERIFY2(expected.lines[1].startsWith(QStringLiteral("6")), qPrintable(expected.lines[1]));
        QCOMPARE(read.lines, expected.lines);
    }

    void companionVersion()
    {
        WindowFixture f;
        const Companion cli = runCompanion(f, {"--version"});
        QCOMPARE(cli.exitCode, 0);
        QCOMPARE(cli.lines.size(), 1);
        QVERIFY2(QRegularExpression(QStringLiteral("^kugelwart-cli \\d+(\\.\\d+)+$"))
                     .match(cli.lines.first())
                     .hasMatch(),
                 qPrintable(cli.lines.first()));
    }

    void companionStatistics()
    {
        WindowFixture f;
        f.writeDraws({makeDraw(QDate(2025, 3, 2), {7, 8, 9, 20, 30})});
        const Companion cli = runCompanion(f, {"stats", "triples", "--start", "2025-03-01"});
        QCOMPARE(cli.exitCode, 0);
        const QStringList& lines = cli.lines;
        QCOMPARE(lines.size(), 40 + 2);
        QCOMPARE(lines[6], QStringLiteral("7 1"));
        QCOMPARE(lines[7], QStringLiteral("8 0"));
        QCOMPARE(lines[40], QStringLiteral("0 1"));
        QCOMPARE(lines[41], QStringLiteral("Ziehungen : 1        Dreier gefunden :  1"));
    }

    void secondClickStops()
    {
        WindowFixture f;
        f.writeDraws(history());
        auto w = f.shownWindow();
        ParameterPage* p = w->parameterPage();
        p->upDown(1)->setValue(239);  // no sum fits: the run uses its whole budget unless stopped
        p->upDown(2)->setValue(21);
        w->tipPage()->UpDown8->setValue(12);
        p->upDown(7)->setValue(2000);
        QCOMPARE(w->state().upDownPosition(1), 239);
        QCOMPARE(w->state().upDownPosition(2), 21);
        auto* winCalculation = child<QPushButton>(w.get(), "auswertung");
        bool winCalculationMeanwhile = true;
        QTimer::singleShot(30, w.get(), [&] {
            QCOMPARE(w->tipPage()->BitBtn4->text(), QStringLiteral("Stoppen"));
            // Its dialog would hold the run until closed: it waits for the run's end.
            winCalculationMeanwhile = winCalculation->isEnabled();
            w->tipPage()->BitBtn4->click();
        });
        QTest::mouseClick(w->tipPage()->BitBtn4, Qt::LeftButton);
        QVERIFY(!winCalculationMeanwhile);
        QVERIFY(winCalculation->isEnabled());
        QCOMPARE(w->tipPage()->BitBtn4->text(), QStringLiteral("Tipps berechnen"));
        QCOMPARE(child<QLabel>(w.get(), "StatusPanel1")->text(),
                 QStringLiteral("Tipps wurden neu berechnet"));
        QVERIFY2(sheetRows(*w).isEmpty(), qPrintable(sheetRows(*w).join(QLatin1Char('|'))));
        QVERIFY(!w->state().Berechnunglaeuft);
    }

    // A long list is filled run after run: between them the status bar shows the rows
    // reached, and a click on the start button stops the fill with the list kept.
    void listFillShowsProgressAndStops()
    {
        WindowFixture f;
        f.writeDraws(history());
        auto w = f.shownWindow();
        w->ListenansichtClick();
        QVERIFY(w->state().listView);
        w->tipPage()->UpDown8->setValue(3000);
        auto* status = child<QLabel>(w.get(), "StatusPanel0");
        QStringList progress;
        QTimer poll;
        QElapsedTimer waited;
        waited.start();
        bool stopClicked = false;
        connect(&poll, &QTimer::timeout, w.get(), [&] {
            const QString text = status->text();
            if (text.startsWith(QStringLiteral("Liste: ")) &&
                (progress.isEmpty() || progress.last() != text))
                progress << text;
            // The user stops it on the second count shown (or, failing that, at last).
            if (!stopClicked && (progress.size() == 2 || waited.elapsed() > 20000)) {
                stopClicked = true;
                w->tipPage()->BitBtn4->click();
            }
        });
        poll.start(5);
        QTest::mouseClick(w->tipPage()->BitBtn4, Qt::LeftButton);
        poll.stop();

        QCOMPARE(progress.size(), 2);
        const QRegularExpression shape(QStringLiteral("^Liste: (\\d+) von 3000 Reihen berechnet$"));
        int reached = -1;  // the first run starts from the empty list
        for (const QString& text : progress) {
            const QRegularExpressionMatch match = shape.match(text);
            QVERIFY2(match.hasMatch(), qPrintable(text));
            QVERIFY(match.captured(1).toInt() > reached);
            reached = match.captured(1).toInt();
        }
        const auto lines = w->state().Gewinnzahlen.size();
        QVERIFY2(lines >= reached && lines < 3000, qPrintable(QString::number(lines)));
        QCOMPARE(w->tipPage()->Gewinnzahlen->lines(), w->state().Gewinnzahlen);
        QCOMPARE(w->tipPage()->BitBtn4->text(), QStringLiteral("Tipps berechnen"));
        QCOMPARE(status->text(), QString::number(lines) + QStringLiteral(" Rows"));
        QVERIFY(!w->state().Berechnunglaeuft);
    }

    void parameterControlsAreTheState()
    {
        WindowFixture f;
        auto w = f.window();
        ParameterPage* p = w->parameterPage();
        MainState& s = w->state();
        QCOMPARE(p->pages->tabText(0), QStringLiteral("Statistisch"));
        QVERIFY(!p->pages->isTabVisible(3));
        QVERIFY(p->checkBox(18)->isChecked());
        p->checkBox(18)->setChecked(false);
        QVERIFY(!s.checkBox(18));
        QCOMPARE(p->upDown(6)->findChild<QLineEdit*>()->objectName(), QStringLiteral("Edit42"));
        QCOMPARE(p->upDown(12)->value(), 30);
        // Even plus odd numbers demanded stay within six.
        p->upDown(15)->setValue(4);
        QCOMPARE(p->upDown(16)->maximum(), 2);
        QCOMPARE(p->upDown(15)->maximum(), 4);
        // The least matches stay at or below the most.
        p->upDown(3)->setValue(1);
        QCOMPARE(p->upDown(9)->maximum(), 1);
        p->upDown(9)->setValue(1);
        QCOMPARE(p->upDown(3)->minimum(), 1);
        p->upDown(7)->setValue(3);
        QCOMPARE(s.LaufMax(), 3000);
        // A change of the state (the run's relaxation) shows in the control.
        s.setUpDownPosition(5, 3);
        QCOMPARE(p->upDown(5)->value(), 3);
    }

    // A row edited through the number selection: the checked numbers in order.
    void rowEditThroughTheDialog()
    {
        WindowFixture f;
        auto w = f.shownWindow();
        TForm6* dialog = w->form6();
        QString caption;
        QTimer::singleShot(0, dialog, [&] {
            caption = dialog->windowTitle();
            for (int n : {41, 9, 3}) dialog->numberBox(n)->click();
            dialog->BitBtn1->click();
        });
        w->findChild<QToolButton*>(QStringLiteral("Tipp2Edit"))->click();
        QCOMPARE(caption, QStringLiteral("2. Tipp bearbeiten"));
        QCOMPARE(w->tipPage()->edit(7)->text(), QStringLiteral("3"));
        QCOMPARE(w->tipPage()->edit(8)->text(), QStringLiteral("9"));
        QCOMPARE(w->tipPage()->edit(9)->text(), QStringLiteral("41"));
        QVERIFY(w->tipPage()->edit(10)->text().isEmpty());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Zahlen für Berechnung wählen"));
    }

    // With the selection list on, the run shows the pool's counts; "Rechnen"
    // rebuilds the pool from the boxes: only the numbers left checked are drawn.
    void runWithTheSelectionDialog()
    {
        WindowFixture f;
        f.writeDraws(history());
        auto w = f.shownWindow();
        w->parameterPage()->checkBox(20)->setChecked(true);
        w->tipPage()->UpDown8->setValue(1);
        TForm6* dialog = w->form6();
        bool counted = false;
        QTimer::singleShot(0, dialog, [&] {
            counted = dialog->numberBox(42)->isChecked() &&
                      dialog->numberBox(42)->toolTip() == QStringLiteral("1");
            for (int n = 1; n <= 42; ++n)
                if (dialog->numberBox(n)->isChecked() != (n >= 30 && n <= 36))
                    dialog->numberBox(n)->click();
            dialog->findChild<QPushButton*>(QStringLiteral("BitBtn3"))->click();
        });
        w->tipPage()->BitBtn4->click();
        QVERIFY(counted);
        const QStringList row = sheetRows(*w);
        QCOMPARE(row.size(), 1);
        for (const QString& n : row.first().split(QLatin1Char(' ')))
            QVERIFY2(n.toInt() >= 30 && n.toInt() <= 36, qPrintable(row.first()));
    }

    void chartButtonsBesideTheOptions_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("chartKind");
        QTest::addColumn<int>("points");
        QTest::newRow("frequent numbers") << "SpeedButton26" << 1 << 42;
        QTest::newRow("overdue") << "SpeedButton31" << 3 << 42;
        QTest::newRow("sums label") << "Label88" << 2 << -1;
        QTest::newRow("pairs label") << "Label89" << 0 << 41;
        QTest::newRow("triples label") << "Label91" << 0 << 40;
    }
    void chartButtonsBesideTheOptions()
    {
        QFETCH(QString, control);
        QFETCH(int, chartKind);
        QFETCH(int, points);
        WindowFixture f;
        f.writeDraws(history());
        auto w = f.shownWindow();
        w->pageControl()->setCurrentIndex(2);
        w->state().ChartKind = 0;
        QWidget* target = w->findChild<QWidget*>(control);
        QVERIFY(target);
        if (auto* button = qobject_cast<QAbstractButton*>(target)) {
            button->click();
        } else {
            QTabWidget* pages = w->parameterPage()->pages;
            for (QWidget* up = target; up; up = up->parentWidget())
                if (pages->indexOf(up) >= 0) pages->setCurrentWidget(up);
            QTRY_VERIFY(target->isVisible());
            QTest::mouseClick(target, Qt::LeftButton);
        }
        QCOMPARE(w->pageControl()->currentWidget()->objectName(), QStringLiteral("TabSheet5"));
        QCOMPARE(w->state().ChartKind, chartKind);
        if (points >= 0) QCOMPARE(w->state().chart.count(), points);
    }
};

QTEST_MAIN(TestGenerationWindow)
#include "test_generation_window.moc"
