#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include "state/startup.h"
#include "support/window_fixture.h"
#include "tips/text_file.h"
#include "ui/tip_list_view.h"
#include "ui/tip_page.h"

using namespace kw;
using namespace kw::test;

namespace {

const QColor kLime(0, 255, 0);

QColor background(QLineEdit* edit)
{
    return edit->palette().color(QPalette::Base);
}

QColor textColour(QLabel* label)
{
    return label->palette().color(QPalette::WindowText);
}

void typeInto(QLineEdit* edit, const QString& keys)
{
    edit->setFocus();
    QTest::keyClicks(edit, keys);
}

// Draws on 1, 3 and 5 March 2025.
std::vector<DrawRecord> marchDraws()
{
    return {makeDraw(QDate(2025, 3, 1), {1, 2, 3, 4, 5}),
            makeDraw(QDate(2025, 3, 3), {6, 7, 8, 9, 10}),
            makeDraw(QDate(2025, 3, 5), {3, 11, 19, 27, 40})};
}

}  // namespace

class TestTipPage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void evaluationExample()
    {
        WindowFixture f;
        f.clock.date = QDate(2024, 1, 10);
        f.writeDraws({makeDraw(QDate(2024, 1, 4), {1, 2, 4, 6, 8}),
                      makeDraw(QDate(2024, 1, 5), {3, 11, 19, 27, 40})});
        auto w = f.shownWindow();
        TipPage* page = w->tipPage();
        QTRY_COMPARE(page->Label35->text(), QStringLiteral("Fr 05.01.24    3  11  19  27  40  "));
        QCOMPARE(page->Label13->text(), QStringLiteral("Quersumme:  100"));
        const QStringList typed{"40", "3", "12", "27", "5"};
        for (int c = 0; c < 5; ++c) typeInto(page->edit(1 + c), typed[c]);
        page->edit(7)->setFocus();  // leaving the row's cell evaluates
        QTRY_COMPARE(page->edit(1)->text(), QStringLiteral("3"));
        const QStringList sorted{"3", "5", "12", "27", "40"};
        const bool lime[] = {true, false, false, true, true};
        for (int c = 0; c < 5; ++c) {
            QCOMPARE(page->edit(1 + c)->text(), sorted[c]);
            QCOMPARE(background(page->edit(1 + c)) == kLime, lime[c]);
        }
        QLabel* hits = page->resultLabel(1, false);
        QCOMPARE(hits->objectName(), QStringLiteral("Label22"));
        QCOMPARE(hits->text(), QStringLiteral("3"));
        QCOMPARE(textColour(hits), QColor(255, 0, 0));
        QCOMPARE(child<QLabel>(w.get(), "Label36")->text(), QStringLiteral("87"));
        QVERIFY(!f.sound.played.isEmpty());
        QCOMPARE(f.sound.played.last(), f.program.path() + QStringLiteral("/yippee.wav"));
        const qsizetype plays = f.sound.played.size();
        QCOMPARE(w->Komplettcheck(), 300);
        QCOMPARE(f.sound.played.size(), plays + 1);  // once per sheet
        QCOMPARE(w->state().Statistik[3][0], 1);
    }

    void oneHitIsBlackAndQuiet()
    {
        WindowFixture f;
        f.clock.date = QDate(2025, 3, 6);
        f.writeDraws(marchDraws());
        auto w = f.shownWindow();
        QTRY_VERIFY(!w->tipPage()->Label35->text().isEmpty());
        f.sound.played.clear();
        MainState& s = w->state();
        const QStringList row{"3", "4", "5", "6", "7"};
        for (int c = 0; c < 5; ++c) s.sheet.setCell(2, c + 1, row[c]);
        QCOMPARE(w->Komplettcheck(), 100);
        QCOMPARE(child<QLabel>(w.get(), "Label23")->text(), QStringLiteral("1"));
        QCOMPARE(textColour(child<QLabel>(w.get(), "Label23")), QColor(0, 0, 0));
        QVERIFY(f.sound.played.isEmpty());
    }

    void selectForDate_data()
    {
        QTest::addColumn<QDate>("picked");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("shown");
        QTest::newRow("3 March") << QDate(2025, 3, 3) << 1 << "Mo 03.03.25    6  7  8  9  10  ";
        QTest::newRow("2 March") << QDate(2025, 3, 2) << 1 << "Mo 03.03.25    6  7  8  9  10  ";
        QTest::newRow("10 March") << QDate(2025, 3, 10) << 2
                                  << "Mi 05.03.25    3  11  19  27  40  ";
        QTest::newRow("before the first")
            << QDate(2025, 2, 1) << 0 << "Sa 01.03.25     1  2  3  4  5  ";
    }
    void selectForDate()
    {
        QFETCH(QDate, picked);
        QFETCH(int, position);
        QFETCH(QString, shown);
        WindowFixture f;
        f.clock.date = QDate(2025, 4, 1);
        f.writeDraws(marchDraws());
        auto w = f.window();
        child<QDateEdit>(w.get(), "DateTimePicker1")->setDate(picked);
        w->SpeedButton5Click();
        QCOMPARE(w->state().Position, position);
        QCOMPARE(child<QLabel>(w.get(), "Label29")->text(), shown);
        QCOMPARE(w->tipPage()->Label35->text(), shown);
        // The picker follows the CurrentDraw, so the next statistics window ends there.
        QCOMPARE(child<QDateEdit>(w.get(), "DateTimePicker1")->date(),
                 dateFromDayCount(w->state().Datum1));
    }

    void steppingStopsAtBothEnds()
    {
        WindowFixture f;
        f.clock.date = QDate(2025, 2, 1);  // selects the first draw
        f.writeDraws(marchDraws());
        auto w = f.window();
        w->SpeedButton5Click();
        MainState& s = w->state();
        QCOMPARE(s.Position, 0);
        s.sheet.setCell(1, 1, "1");
        s.sheet.setCell(1, 2, "2");
        s.sheet.setCell(1, 3, "30");
        s.sheet.setCell(1, 4, "31");
        s.sheet.setCell(1, 5, "32");
        QTest::mouseClick(w->tipPage()->SpeedButton6, Qt::LeftButton);
        QCOMPARE(s.Position, 0);
        QCOMPARE(w->tipPage()->Label35->text(), QStringLiteral("Sa 01.03.25    1  2  3  4  5"));
        QCOMPARE(w->tipPage()->resultLabel(1, false)->text(),
                 QStringLiteral("2"));  // evaluated again
        QTest::mouseClick(w->tipPage()->SpeedButton7, Qt::LeftButton);
        QTest::mouseClick(w->tipPage()->SpeedButton7, Qt::LeftButton);
        QCOMPARE(s.Position, 2);
        QTest::mouseClick(w->tipPage()->SpeedButton7, Qt::LeftButton);
        QCOMPARE(s.Position, 2);
        QCOMPARE(s.Zahl[1], 3);
        QCOMPARE(s.Zahl[6], 0);
        QCOMPARE(w->tipPage()->resultLabel(1, false)->text(), QStringLiteral("0"));
        QTest::mouseClick(w->tipPage()->SpeedButton6, Qt::LeftButton);
        QCOMPARE(s.Position, 1);
        QCOMPARE(child<QDateEdit>(w.get(), "DateTimePicker1")->date(), QDate(2025, 3, 3));
    }

    void missingDrawFileIsReportedAndCreated()
    {
        WindowFixture f;
        auto w = f.window();
        w->SpeedButton5Click();
        QCOMPARE(f.dialogs.notices(), QStringList{"Lesen Sie zuerst die Daten der Ziehungen ein"});
        QVERIFY(QFileInfo(f.drawFile()).isFile());
        QCOMPARE(QFileInfo(f.drawFile()).size(), 0);
        w->SpeedButton5Click();  // an empty history shows nothing and asks nothing
        QCOMPARE(f.dialogs.notices().size(), 1);
        QVERIFY(w->tipPage()->Label35->text().isEmpty());
        QCOMPARE(w->state().Position, 0);
    }

    void drawBeforeTheMinimumIsShown()
    {
        WindowFixture f;
        f.writeDraws({makeDraw(QDate(2017, 12, 30), {4, 8, 15, 16, 23})});
        auto w = f.window();
        w->SpeedButton5Click();
        QCOMPARE(w->tipPage()->Label35->text(),
                 QStringLiteral("Sa 30.12.17     4  8  15  16  23  "));
        QCOMPARE(child<QDateEdit>(w.get(), "DateTimePicker1")->date(), QDate(2018, 1, 1));
    }

    // Each key is validated as it comes; a refused text empties the cell and says
    // why in the status bar, until a kept one takes the reason away.
    void keystrokeValidation_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("status");
        const QString range = QStringLiteral("\u201E%1\u201C ist keine Zahl von 1 bis 42");
        const QString noNumber = QStringLiteral("\u201E%1\u201C ist keine Zahl");
        QTest::newRow("0") << "0"
                           << "" << range.arg("0");
        QTest::newRow("42") << "42"
                            << "42"
                            << "";
        QTest::newRow("43 empties on the second key") << "43"
                                                      << "" << range.arg("43");
        QTest::newRow("4 3 then 1") << "431"
                                    << "1"
                                    << "";
        QTest::newRow("12") << "12"
                            << "12"
                            << "";
        QTest::newRow("leading zero") << "07"
                                      << "7"
                                      << "";
        QTest::newRow("letter") << "x"
                                << "" << noNumber.arg("x");
        QTest::newRow("minus") << "-"
                               << "" << noNumber.arg("-");
        QTest::newRow("blank") << " "
                               << ""
                               << "";
        QTest::newRow("huge") << "99999999999999999999"
                              << "" << range.arg("99");
    }
    void keystrokeValidation()
    {
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(QString, status);
        WindowFixture f;
        auto w = f.shownWindow();
        QLineEdit* edit = w->tipPage()->edit(43);
        typeInto(edit, keys);
        QCOMPARE(edit->text(), text);
        QCOMPARE(w->state().sheet.cell(43), text);
        QCOMPARE(child<QLabel>(w.get(), "StatusPanel1")->text(), status);
    }

    // A whole text as it arrives at a cell (pasted, say): kept or refused, and why.
    void typedTextsSayWhy_data()
    {
        QTest::addColumn<int>("edit");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("status");
        QTest::newRow("7") << 1 << "7"
                           << "7"
                           << "";
        QTest::newRow("+07 ") << 1 << " +07"
                              << "7"
                              << "";
        QTest::newRow("43") << 1 << "43"
                            << ""
                            << "\u201E43\u201C ist keine Zahl von 1 bis 42";
        QTest::newRow("-3") << 2 << "-3"
                            << ""
                            << "\u201E-3\u201C ist keine Zahl von 1 bis 42";
        QTest::newRow("beyond 32 bits") << 2 << "4294967303"
                                        << ""
                                        << "\u201E4294967303\u201C ist keine Zahl von 1 bis 42";
        QTest::newRow("letters") << 79 << "ab"
                                 << ""
                                 << "\u201Eab\u201C ist keine Zahl";
        QTest::newRow("decimal") << 79 << "7,5"
                                 << ""
                                 << "\u201E7,5\u201C ist keine Zahl";
        QTest::newRow("star 10") << 6 << "10"
                                 << "10"
                                 << "";
        QTest::newRow("star 11") << 93 << "11"
                                 << ""
                                 << "\u201E11\u201C ist keine Zahl von 1 bis 10";
        QTest::newRow("emptied") << 1 << ""
                                 << ""
                                 << "";
    }
    void typedTextsSayWhy()
    {
        QFETCH(int, edit);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(QString, status);
        WindowFixture f;
        auto w = f.shownWindow();
        QLabel* panel = child<QLabel>(w.get(), "StatusPanel1");
        emit w->tipPage()->cellTyped(edit, typed);
        QCOMPARE(w->state().sheet.cell(edit), kept);
        QCOMPARE(w->tipPage()->edit(edit)->text(), kept);
        QCOMPARE(panel->text(), status);
        // The next kept text takes the reason away; another text in the panel stays.
        w->state().enterCell(edit, QStringLiteral("3"));
        QCOMPARE(panel->text(), QString());
        w->state().setStatusText(1, QStringLiteral("Hinweis"));
        w->state().enterCell(edit, QStringLiteral("4"));
        QCOMPARE(panel->text(), QStringLiteral("Hinweis"));
    }

    // A list that holds the rows asked for stops the generation and names the
    // controls that let it go on.
    void fullListSaysHowToGoOn()
    {
        WindowFixture f;
        auto w = f.shownWindow();
        TipPage* page = w->tipPage();
        page->Listenansicht->click();  // no questions answered: the list stays as it is
        w->state().Gewinnzahlen = {"1\t2\t3\t4\t5", "6\t7\t8\t9\t10", "11\t12\t13\t14\t15"};
        w->state().notifyListChanged();
        page->UpDown8->setValue(3);
        f.dialogs.shown.clear();
        QTest::mouseClick(page->BitBtn4, Qt::LeftButton);
        const QStringList notices = f.dialogs.notices();
        QCOMPARE(notices.size(), 1);
        QCOMPARE(notices.first(),
                 QStringLiteral("Es sind schon 3 Reihen erreicht \u2013 Liste leeren (Papierkorb "
                                "\u201ELöschen aller Tipps\u201C) oder \u201EAnzahl Tipps\u201C "
                                "erhöhen, um weiterzumachen."));
        // The names are the controls' own.
        QVERIFY(notices.first().contains(page->SpeedButton11->toolTip()));
        QVERIFY(notices.first().contains(
            child<QLabel>(w.get(), "Label73")->text().remove(QLatin1Char(':'))));
        QCOMPARE(w->state().Gewinnzahlen.size(), 3);
        // Raising the count lets the generation go on.
        page->UpDown8->setValue(4);
        f.dialogs.shown.clear();
        QTest::mouseClick(page->BitBtn4, Qt::LeftButton);
        QTRY_VERIFY(!w->state().run.goingOn(Task::Generation));
        QVERIFY(!f.dialogs.notices().join('\n').contains(QStringLiteral("erreicht")));
    }

    void programWritesAreValidated_data()
    {
        QTest::addColumn<int>("edit");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("stored");
        QTest::newRow("007") << 1 << "007"
                             << "7";
        QTest::newRow("43") << 1 << "43"
                            << "";
        QTest::newRow("star 10") << 6 << "10"
                                 << "10";
        QTest::newRow("star 11") << 93 << "11"
                                 << "";
        QTest::newRow("star 0") << 93 << "0"
                                << "";
        QTest::newRow("letters") << 79 << "zehn"
                                 << "";
        QTest::newRow("beyond 32 bits") << 2 << "4294967303"
                                        << "";
        QTest::newRow("plus sign") << 2 << "+7"
                                   << "7";
    }
    void programWritesAreValidated()
    {
        QFETCH(int, edit);
        QFETCH(QString, written);
        QFETCH(QString, stored);
        WindowFixture f;
        auto w = f.window();
        w->state().sheet.setCell(edit, written);
        QCOMPARE(w->state().sheet.cell(edit), stored);
        QCOMPARE(w->tipPage()->edit(edit)->text(), stored);
    }

    void lockAndClear()
    {
        WindowFixture f;
        auto w = f.shownWindow();
        MainState& s = w->state();
        for (int r = 1; r <= 12; ++r)
            for (int c = 1; c <= 5; ++c) s.sheet.setCell(r, c, QString::number(r + c));
        QLabel* row3 = w->tipPage()->rowLabel(3);
        QCOMPARE(row3->text(), QStringLiteral("3. Tipp"));
        const QColor normal = textColour(row3);
        QTest::mouseClick(row3, Qt::LeftButton);
        QTest::mouseClick(row3, Qt::LeftButton);
        QVERIFY(!s.sheet.isLocked(3));
        QCOMPARE(textColour(row3), normal);
        QTest::mouseClick(row3, Qt::LeftButton);
        QVERIFY(s.sheet.isLocked(3));
        QCOMPARE(textColour(row3), QColor(255, 0, 0));
        QTest::mouseClick(w->tipPage()->SpeedButton11, Qt::LeftButton);
        for (int r = 1; r <= 12; ++r)
            QCOMPARE(w->tipPage()->edit(TipSheet::editNumber(r, 1))->text().isEmpty(), r != 3);
        QCOMPARE(w->tipPage()->edit(TipSheet::editNumber(3, 5))->text(), QStringLiteral("8"));
        for (const auto& shown : f.dialogs.shown) QVERIFY(shown.kind != QLatin1String("question"));
    }

    void clearWhileGeneratingAsks()
    {
        WindowFixture f;
        auto w = f.window();
        MainState& s = w->state();
        s.sheet.setCell(1, 1, "5");
        s.run.start(Task::Generation);
        f.dialogs.yesNoAnswers = {false, true};
        w->SpeedButton11Click();
        QCOMPARE(s.sheet.cell(1, 1), QStringLiteral("5"));
        QCOMPARE(f.dialogs.shown.first().text, s.messages.text(71));
        QCOMPARE(f.dialogs.shown.first().caption, s.messages.text(72));
        w->SpeedButton11Click();
        QVERIFY(s.sheet.cell(1, 1).isEmpty());
    }

    void takeRowsOverIntoTheList()
    {
        WindowFixture f;
        f.clock.date = QDate(2025, 3, 6);
        f.writeDraws(marchDraws());
        auto w = f.shownWindow();
        QTRY_VERIFY(!w->tipPage()->Label35->text().isEmpty());
        MainState& s = w->state();
        const QStringList row1{"3", "11", "19", "1", "2"}, row3{"27", "40", "5", "6", "7"};
        for (int c = 0; c < 5; ++c) {
            s.sheet.setCell(1, c + 1, row1[c]);
            s.sheet.setCell(3, c + 1, row3[c]);
        }
        s.sheet.setCell(1, 6, "4");  // star numbers are not taken over
        f.dialogs.yesNoAnswers = {true, false};
        QTest::mouseClick(w->tipPage()->Listenansicht, Qt::LeftButton);
        QCOMPARE(f.dialogs.shown[0].text, QStringLiteral("Sollen die Tipps übertragen werden"));
        QCOMPARE(f.dialogs.shown[0].caption, QStringLiteral("Übertragen?"));
        QCOMPARE(f.dialogs.shown[1].text, QStringLiteral("Soll die Liste vorher gelöscht werden?"));
        QCOMPARE(w->tipPage()->Gewinnzahlen->lines(),
                 QStringList({"3\t11\t19\t1\t2", "27\t40\t5\t6\t7"}));
        QCOMPARE(w->tipPage()->Gewinne->lines(), QStringList({"3", "2"}));
        QVERIFY(w->tipPage()->Gewinnzahlen->isVisible());
        QVERIFY(w->tipPage()->SpeedButton28->isVisible());
        QVERIFY(!w->tipPage()->sheet->isVisible());
        QCOMPARE(child<QLabel>(w.get(), "StatusPanel0")->text(),
                 QStringLiteral("2 Rows  3+0 max win"));
        QCOMPARE(w->tipPage()->UpDown8->maximum(), 6000);

        // No: nothing is appended, the list is shown and evaluated all the same.
        w->StandardansichtClick();
        f.dialogs.yesNoAnswers = {false};
        w->ListenansichtClick();
        QCOMPARE(w->tipPage()->Gewinnzahlen->lines().size(), 2);
        // Yes, and clear first.
        f.dialogs.yesNoAnswers = {true, true};
        w->ListenansichtClick();
        QCOMPARE(w->tipPage()->Gewinnzahlen->lines().size(), 2);
        // Selecting a line selects its result.
        QTest::mouseClick(
            w->tipPage()->Gewinnzahlen->viewport(), Qt::LeftButton, {},
            w->tipPage()
                ->Gewinnzahlen->visualRect(w->tipPage()->Gewinnzahlen->model()->index(1, 0))
                .center());
        QCOMPARE(w->tipPage()->Gewinne->currentIndex().row(), 1);
        // In the list view, clearing empties both lists and keeps the sheet.
        w->SpeedButton11Click();
        QVERIFY(w->tipPage()->Gewinnzahlen->lines().isEmpty());
        QVERIFY(w->tipPage()->Gewinne->lines().isEmpty());
        QCOMPARE(s.sheet.cell(1, 1), QStringLiteral("3"));
    }

    void appendWithoutQuestionKeepsStarNumbers()
    {
        WindowFixture f;
        auto w = f.window();
        MainState& s = w->state();
        const QStringList row{"1", "2", "3", "4", "5", "3", "7"};
        for (int c = 0; c < 7; ++c) s.sheet.setCell(2, c + 1, row[c]);
        w->ListenansichtOhneClick();
        QCOMPARE(s.Gewinnzahlen, QStringList{"1\t2\t3\t4\t5\t\t\t3\t7"});
        QVERIFY(f.dialogs.shown.isEmpty());
        QCOMPARE(s.upDownMaximum(8), 12);  // left alone
    }

    void standardViewCapsRowCount()
    {
        WindowFixture f;
        auto w = f.window();
        f.dialogs.yesNoAnswers = {false};
        w->ListenansichtClick();
        w->tipPage()->UpDown8->setValue(300);
        QCOMPARE(w->state().upDownPosition(8), 300);
        QTest::mouseClick(w->tipPage()->Standardansicht, Qt::LeftButton);
        QCOMPARE(w->tipPage()->UpDown8->value(), 12);
        QCOMPARE(child<QLineEdit>(w.get(), "Edit80")->text(), QStringLiteral("12"));
        QCOMPARE(w->tipPage()->UpDown8->maximum(), 12);
        QVERIFY(!w->state().listView);
        QVERIFY(w->tipPage()->sheet->isVisibleTo(w.get()));
    }

    void externalEditRoundTrip_data()
    {
        QTest::addColumn<bool>("takeOver");
        QTest::newRow("taken over") << true;
        QTest::newRow("kept") << false;
    }
    void externalEditRoundTrip()
    {
        QFETCH(bool, takeOver);
        WindowFixture f;
        auto w = f.window();
        MainState& s = w->state();
        f.dialogs.yesNoAnswers = {false};
        w->ListenansichtClick();
        s.Gewinnzahlen = {"1\t2\t3\t4\t5", "Grüße"};
        s.notifyListChanged();
        QByteArray written;
        f.shell.whileEditing = [&](const QString& path) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            written = file.readAll();
            file.write("6 7 8 9 10\r\n");
        };
        f.dialogs.yesNoAnswers = {takeOver};
        QTest::mouseClick(w->tipPage()->SpeedButton28, Qt::LeftButton);
        QCOMPARE(f.shell.edited, QStringList{f.dataFolder() + "gewinnzahlen.txt"});
        QCOMPARE(written, QByteArray("1\t2\t3\t4\t5\r\nGr\xfc\xdf"
                                     "e\r\n"));
        QCOMPARE(f.dialogs.shown.last().text, s.messages.text(74));
        QCOMPARE(f.dialogs.shown.last().caption, s.messages.text(75));
        const QStringList expected = takeOver ? QStringList{"1\t2\t3\t4\t5", "Grüße", "6 7 8 9 10"}
                                              : QStringList{"1\t2\t3\t4\t5", "Grüße"};
        QCOMPARE(s.Gewinnzahlen, expected);
        QCOMPARE(w->tipPage()->Gewinnzahlen->lines(), expected);
    }

    void listRestoredAtStart()
    {
        WindowFixture f;
        f.settings.openKey(kSettingsKey, true);
        f.settings.writeInteger(QStringLiteral("Ansicht"), 1);
        QDir().mkpath(f.dataFolder());
        QVERIFY(writeTextLines(f.dataFolder() + "gewinnzahlen.txt",
                               {"1\t2\t3\t4\t5", "6\t7\t8\t9\t10"}, nullptr));
        auto w = f.window();
        QVERIFY(w->state().listView);
        QCOMPARE(w->tipPage()->Gewinnzahlen->lines().size(), 2);
        QCOMPARE(w->tipPage()->Gewinne->lines(), QStringList({"0", "0"}));
        QCOMPARE(child<QLabel>(w.get(), "StatusPanel0")->text(),
                 QStringLiteral("2 Rows  0+0 max win"));
    }

    // The list's row count outlives the program: the restored list view does not
    // cut UpDown8 to the sheet's twelve rows.
    void listRowCountComesBack()
    {
        WindowFixture f;
        {
            auto w = f.shownWindow();
            f.dialogs.yesNoAnswers = {false};
            QTest::mouseClick(w->tipPage()->Listenansicht, Qt::LeftButton);
            w->tipPage()->UpDown8->setValue(500);
            w->close();
        }
        QCOMPARE(f.settings.mainValue("UpDown8")->data.toInt(), 500);
        {
            auto w = f.shownWindow();
            QVERIFY(w->tipPage()->Gewinnzahlen->isVisible());
            QCOMPARE(w->tipPage()->UpDown8->value(), 500);
            QCOMPARE(child<QLineEdit>(w.get(), "Edit80")->text(), QStringLiteral("500"));
            QCOMPARE(w->tipPage()->UpDown8->maximum(), 6000);
            w->close();
        }
        QCOMPARE(f.settings.mainValue("UpDown8")->data.toInt(), 500);
    }

    void closeWritesViewAndListFiles()
    {
        WindowFixture f;
        {
            auto w = f.window();
            f.dialogs.yesNoAnswers = {false};
            w->ListenansichtClick();
            w->state().Gewinnzahlen = {"1\t2\t3\t4\t5"};
            w->close();
        }
        QCOMPARE(f.settings.mainValue("Ansicht")->data.toInt(), 1);
        QCOMPARE(*readTextLines(f.dataFolder() + "gewinnzahlen.txt", nullptr),
                 QStringList{"1\t2\t3\t4\t5"});
        QCOMPARE(*readTextLines(f.dataFolder() + "gewinnzahlen.qlt", nullptr),
                 QStringList{"1\t2\t3\t4\t5"});
        {
            // An empty list leaves the files as they were; the next start shows the old list.
            auto w = f.window();
            QCOMPARE(w->state().Gewinnzahlen.size(), 1);
            w->state().Gewinnzahlen.clear();
            w->close();
        }
        QCOMPARE(readTextLines(f.dataFolder() + "gewinnzahlen.txt", nullptr)->size(), 1);
        {
            auto w = f.window();
            w->StandardansichtClick();
            w->close();
        }
        QCOMPARE(f.settings.mainValue("Ansicht")->data.toInt(), 0);
        // The standard view at the next start, the list kept behind it.
        auto last = f.window();
        QVERIFY(!last->state().listView);
        QCOMPARE(last->state().Gewinnzahlen, QStringList{"1\t2\t3\t4\t5"});
        QVERIFY(last->tipPage()->Gewinnzahlen->isHidden());
    }

    // A list built and then left for the standard view outlives the program too;
    // the next start shows the view the program was closed in.
    void listKeptWhateverTheView_data()
    {
        QTest::addColumn<bool>("listViewAtClose");
        QTest::newRow("closed in the standard view") << false;
        QTest::newRow("closed in the list view") << true;
    }
    void listKeptWhateverTheView()
    {
        QFETCH(bool, listViewAtClose);
        WindowFixture f;
        f.clock.date = QDate(2025, 3, 6);
        f.writeDraws(marchDraws());
        const QList<QStringList> rows{{"3", "11", "19", "1", "2"}, {"27", "40", "5", "6", "7"}};
        const QStringList lines{"3\t11\t19\t1\t2", "27\t40\t5\t6\t7"};
        {
            auto w = f.shownWindow();
            for (int r = 1; r <= 2; ++r)
                for (int c = 1; c <= 5; ++c) w->state().sheet.setCell(r, c, rows[r - 1][c - 1]);
            f.dialogs.yesNoAnswers = {true, false};  // take the rows over, keep the list
            QTest::mouseClick(w->tipPage()->Listenansicht, Qt::LeftButton);
            QCOMPARE(w->tipPage()->Gewinnzahlen->lines(), lines);
            if (!listViewAtClose) QTest::mouseClick(w->tipPage()->Standardansicht, Qt::LeftButton);
            w->close();
        }
        QCOMPARE(f.settings.mainValue("Ansicht")->data.toInt(), listViewAtClose ? 1 : 0);
        for (const char* file : {"gewinnzahlen.txt", "gewinnzahlen.qlt"})
            QCOMPARE(readTextLines(f.dataFolder() + file, nullptr).value_or(QStringList{"missing"}),
                     lines);

        auto w = f.shownWindow();
        QCOMPARE(w->state().listView, listViewAtClose);
        QCOMPARE(w->tipPage()->Gewinnzahlen->isVisible(), listViewAtClose);
        QCOMPARE(w->tipPage()->sheet->isVisible(), !listViewAtClose);
        if (!listViewAtClose) {
            f.dialogs.yesNoAnswers = {false};  // nothing taken over this time
            QTest::mouseClick(w->tipPage()->Listenansicht, Qt::LeftButton);
        }
        QVERIFY(w->tipPage()->Gewinnzahlen->isVisible());
        QCOMPARE(w->tipPage()->Gewinnzahlen->lines(), lines);
        QCOMPARE(w->tipPage()->Gewinne->lines(), QStringList({"3", "2"}));
    }
};

QTEST_MAIN(TestTipPage)
#include "test_tip_page.moc"
