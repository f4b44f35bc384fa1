#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "support/companion.h"
#include "support/files.h"
#include "support/window_fixture.h"
#include "ui/tip_list_view.h"
#include "ui/tip_page.h"

using namespace kw;
using namespace kw::test;

namespace {

struct Fixture : WindowFixture {
    std::unique_ptr<TForm1> w;

    Fixture()
    {
        writeDraws({makeDraw(QDate(2025, 3, 1), {1, 2, 3, 4, 5}),
                    makeDraw(QDate(2025, 3, 3), {6, 7, 8, 9, 10}),
                    makeDraw(QDate(2025, 3, 5), {3, 11, 19, 27, 40})});
        w = shownWindow();
        select(QDate(2025, 3, 3));
    }
    QString tipFolder() const { return dataFolder() + QStringLiteral("Tipps/"); }
    TipPage* page() const { return w->tipPage(); }
    void select(const QDate& date)
    {
        child<QDateEdit>(w.get(), "DateTimePicker1")->setDate(date);
        child<QToolButton>(w.get(), "SpeedButton5")->click();
    }
    void click(const char* button) { child<QToolButton>(w.get(), button)->click(); }
    // Row r's seven cells as the sheet's fields show them, joined by ",".
    QString row(int r) const
    {
        QStringList cells;
        for (int c = 1; c <= 7; ++c) cells << page()->edit(TipSheet::editNumber(r, c))->text();
        return cells.join(QLatin1Char(','));
    }
    void fillRow(int r, const QStringList& cells)
    {
        for (int c = 1; c <= cells.size(); ++c) {
            QLineEdit* edit = page()->edit(TipSheet::editNumber(r, c));
            edit->setText(QString());
            if (c <= 5) {
                QTest::keyClicks(edit, cells[c - 1]);  // typed, as the user does
            } else {
                w->state().sheet.setCell(r, c, cells[c - 1]);  // hidden star fields
            }
        }
    }
    void showList(const QStringList& lines)
    {
        w->ListenansichtClick();  // no answer scripted: nothing taken over
        w->state().Gewinnzahlen = lines;
        w->state().notifyListChanged();
    }
    const ScriptedDialogs::Shown& lastFileDialog() const
    {
        for (qsizetype i = dialogs.shown.size() - 1; i > 0; --i)
            if (dialogs.shown[i].kind == QLatin1String("open") ||
                dialogs.shown[i].kind == QLatin1String("save"))
                return dialogs.shown[i];
        return dialogs.shown.first();
    }
};

const QString kEmptyRow = QStringLiteral(",,,,,,");

}  // namespace

class TestTipFilesWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void buttons()
    {
        Fixture f;
        auto* save = child<QToolButton>(f.w.get(), "SpeedButton15");
        auto* load = child<QToolButton>(f.w.get(), "SpeedButton16");
        QCOMPARE(save->toolTip(), QStringLiteral("Speichern des Tipps"));
        QCOMPARE(load->toolTip(), QStringLiteral("Tipp laden aus Datei"));
        QVERIFY(save->isEnabled() && save->isVisible());
        QVERIFY(load->isEnabled() && load->isVisible());
    }

    void saveAndLoadTheSheet()
    {
        Fixture f;
        QVERIFY(!QFileInfo::exists(f.tipFolder()));
        f.fillRow(1, {"3", "12", "17", "25", "40"});
        f.fillRow(2, {"1", "2", "3", "4", "5", "4", "9"});
        f.fillRow(5, {"7", "8", "9", "10", "11"});
        const QString path = f.tipFolder() + QStringLiteral("mine.qlt");
        f.dialogs.fileAnswers << path;
        f.click("SpeedButton15");
        const FileDialogRequest saved = f.lastFileDialog().file;
        QCOMPARE(f.lastFileDialog().kind, QStringLiteral("save"));
        QCOMPARE(saved.initialFolder, f.tipFolder());
        QVERIFY(QFileInfo(f.tipFolder()).isDir());
        QCOMPARE(saved.filter, QStringLiteral("Tippdatei (*.qlt)"));
        QCOMPARE(saved.defaultExtension, QStringLiteral("qlt"));
        QCOMPARE(saved.proposedName, QStringLiteral("20250310.qlt"));
        QCOMPARE(fileBytes(path),
                 QByteArray("3,12,17,25,40,,\r\n1,2,3,4,5,4,9\r\n7,8,9,10,11,,\r\n"));
        // The shared dialog has its own filter and extension back and keeps the name.
        QCOMPARE(f.w->state().SaveDialog1.filter, QStringLiteral("Textdatei (*.txt)"));
        QCOMPARE(f.w->state().SaveDialog1.defaultExtension, QStringLiteral("txt"));
        QCOMPARE(f.w->state().SaveDialog1.proposedName, path);

        f.fillRow(7, {"20", "21", "22", "23", "24"});
        f.dialogs.fileAnswers << path;
        f.click("SpeedButton16");
        const FileDialogRequest opened = f.lastFileDialog().file;
        QCOMPARE(f.lastFileDialog().kind, QStringLiteral("open"));
        QCOMPARE(opened.proposedName, path);  // seeded with the save dialog's name
        QCOMPARE(opened.initialFolder, f.tipFolder());
        QCOMPARE(opened.filter, QStringLiteral("Tippdatei (*.qlt);;Textdatei (*.txt)"));
        QCOMPARE(opened.defaultExtension, QStringLiteral("qlt"));
        QCOMPARE(f.w->state().OpenDialog1.filter, QStringLiteral("Textdatei (*.txt)"));
        QCOMPARE(f.w->state().OpenDialog1.defaultExtension, QStringLiteral("txt"));
        QCOMPARE(f.row(1), QStringLiteral("3,12,17,25,40,,"));
        QCOMPARE(f.row(2), QStringLiteral("1,2,3,4,5,4,9"));
        QCOMPARE(f.row(3), QStringLiteral("7,8,9,10,11,,"));
        for (int r = 4; r <= 12; ++r) QCOMPARE(f.row(r), kEmptyRow);
        QVERIFY(f.dialogs.notices().isEmpty());
    }

    void cancelledSaveKeepsTheProposedName()
    {
        Fixture f;
        f.select(QDate(2025, 3, 1));
        f.fillRow(1, {"3", "12", "17", "25", "40"});
        f.click("SpeedButton15");
        QCOMPARE(f.w->state().SaveDialog1.proposedName, QStringLiteral("20250308.qlt"));
        QVERIFY(QDir(f.tipFolder()).entryList(QDir::Files).isEmpty());
    }

    void loadIntoTheSheet_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("rows");  // rows 1..n; the rest stay empty
        QTest::newRow("five numbers without commas after them")
            << QByteArray("1,2,3,4,5\r\n") << QStringList{"1,2,3,4,,,5"};
        QTest::newRow("invalid values emptied by the sheet")
            << QByteArray("43,2,3,4,5,11,3\r\n0,07,x,4,5,,10\r\n")
            << QStringList{",2,3,4,5,,3", ",7,,4,5,,10"};
        QTest::newRow("list form gives an empty row")
            << QByteArray("1\t2\t3\t4\t5\r\n6,7,8,9,10,,\r\n")
            << QStringList{kEmptyRow, "6,7,8,9,10,,"};
        QByteArray fifteen;
        QStringList twelve;
        for (int i = 1; i <= 15; ++i) {
            fifteen += QByteArray::number(i) + ",20,30,40,41,,\r\n";
            if (i <= 12) twelve << QString::number(i) + QStringLiteral(",20,30,40,41,,");
        }
        QTest::newRow("fifteen lines fill twelve rows") << fifteen << twelve;
        QTest::newRow("LF line ends") << QByteArray("1,2,3,4,5,,\n6,7,8,9,10,,\n")
                                      << QStringList{"1,2,3,4,5,,", "6,7,8,9,10,,"};
    }
    void loadIntoTheSheet()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, rows);
        Fixture f;
        for (int r = 1; r <= 12; ++r) f.fillRow(r, {"1", "2", "3", "4", "5", "1", "2"});
        const QString path = f.dataFolder() + QStringLiteral("tips.txt");
        writeBytes(path, content);
        f.dialogs.fileAnswers << path;
        f.click("SpeedButton16");
        for (int r = 1; r <= 12; ++r)
            QCOMPARE(f.row(r), r <= rows.size() ? rows[r - 1] : kEmptyRow);
    }

    void loadSelectsTheDrawAnew_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("after a load") << false;
        QTest::newRow("after a cancel") << true;
    }
    void loadSelectsTheDrawAnew()
    {
        QFETCH(bool, cancel);
        Fixture f;
        // The end date moves on without a selection; the load selects for it.
        child<QDateEdit>(f.w.get(), "DateTimePicker1")->setDate(QDate(2025, 3, 4));
        QVERIFY(f.page()->Label35->text().startsWith(QStringLiteral("Mo 03.03.25")));
        const QString path = f.dataFolder() + QStringLiteral("tips.qlt");
        writeBytes(path, "3,11,19,20,21,,\r\n");
        if (!cancel) f.dialogs.fileAnswers << path;
        f.click("SpeedButton16");
        QVERIFY2(f.page()->Label35->text().startsWith(QStringLiteral("Mi 05.03.25")),
                 qPrintable(f.page()->Label35->text()));
        QCOMPARE(f.w->state().OpenDialog1.filter, QStringLiteral("Textdatei (*.txt)"));
        if (!cancel)
            QCOMPARE(f.page()->resultLabel(1, false)->text(), QStringLiteral("3"));  // evaluated
    }

    void listViewSavesAndLoadsTabLines()
    {
        Fixture f;
        const QStringList lines{"3\t12\t17\t25\t40", "1\t2\t3\t4\t5\t\t\t3\t7",
                                "6\t7\t8\t9\t10\t\t\t\t"};
        f.showList(lines);
        const QString path = f.tipFolder() + QStringLiteral("list.qlt");
        f.dialogs.fileAnswers << path;
        f.click("SpeedButton15");
        QCOMPARE(fileBytes(path),
                 QByteArray(
                     "3\t12\t17\t25\t40\r\n1\t2\t3\t4\t5\t\t\t3\t7\r\n6\t7\t8\t9\t10\t\t\t\t\r\n"));
        f.w->state().Gewinnzahlen.clear();
        f.w->state().notifyListChanged();
        f.dialogs.fileAnswers << path;
        f.click("SpeedButton16");
        // Only the TABs at the end of a line (empty star numbers) are gone.
        const QStringList back{"3\t12\t17\t25\t40", "1\t2\t3\t4\t5\t\t\t3\t7", "6\t7\t8\t9\t10"};
        QCOMPARE(f.page()->Gewinnzahlen->lines(), back);
        QCOMPARE(f.page()->Gewinne->lines().size(), 3);               // evaluated
        for (int r = 1; r <= 12; ++r) QCOMPARE(f.row(r), kEmptyRow);  // the sheet untouched
    }

    void listViewLoadNormalisesSeparators()
    {
        Fixture f;
        f.showList({QStringLiteral("old")});
        const QString path = f.dataFolder() + QStringLiteral("free.txt");
        writeBytes(path, "  1  2   3,4 5  \r\n3,12,17,25,40,,\r\n");
        f.dialogs.fileAnswers << path;
        f.click("SpeedButton16");
        QCOMPARE(f.page()->Gewinnzahlen->lines(),
                 QStringList({"1\t2\t3\t4\t5", "3\t12\t17\t25\t40\t\t"}));
    }

    void doubleClickSavesAndOpensTheList()
    {
        Fixture f;
        f.showList({QStringLiteral("1\t2\t3\t4\t5")});
        const QString path = f.tipFolder() + QStringLiteral("edit.qlt");
        f.dialogs.fileAnswers << path;
        TipListView* list = f.page()->Gewinnzahlen;
        QTRY_VERIFY(list->isVisible());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(10, 5));
        QCOMPARE(fileBytes(path), QByteArray("1\t2\t3\t4\t5\r\n"));
        QCOMPARE(f.shell.edited, QStringList{path});
    }

    void doubleClickWithCancelOpensNothing()
    {
        Fixture f;
        f.showList({QStringLiteral("1\t2\t3\t4\t5")});
        f.w->GewinnzahlenDblClick();
        QCOMPARE(f.lastFileDialog().kind, QStringLiteral("save"));
        QVERIFY(f.shell.edited.isEmpty());
    }

    void editorThatCannotStartIsReported()
    {
        Fixture f;
        f.showList({QStringLiteral("1\t2\t3\t4\t5")});
        f.shell.succeed = false;
        const QString path = f.tipFolder() + QStringLiteral("edit.qlt");
        f.dialogs.fileAnswers << path;
        f.w->GewinnzahlenDblClick();
        QCOMPARE(f.dialogs.notices(), QStringList{QStringLiteral("refused: ") + path});
    }

    // The printout of what the window shows: the typed rows, then the list.
    void printButtonWritesAndOpensTheShownTips()
    {
        Fixture f;
        auto* print = child<QPushButton>(f.w.get(), "BitBtn7");
        QCOMPARE(print->toolTip(), QStringLiteral("Drucken SIe hier die berechneten Tipps aus"));
        f.fillRow(4, {"40", "3", "25", "12", "17"});  // printed as the cells hold them
        QTest::mouseClick(print, Qt::LeftButton);
        const QString path = f.dataFolder() + QStringLiteral("Tipp.txt");
        QCOMPARE(f.shell.opened, QStringList{path});
        const QByteArray heading =
            "Quendels Lotto-Tipp f\xfcr 04.03.2025\r\n" + QByteArray(46, '~') + "\r\n\r\n";
        QCOMPARE(fileBytes(path), heading + " 4. Tipp: 40    3   25   12   17\r\n");

        f.showList({"1\t2\t3\t4\t5", "6\t7\t8\t9\t10\t\t\t1\t2"});
        QTest::mouseClick(print, Qt::LeftButton);
        QCOMPARE(fileBytes(path), heading + "  1. Tipp:  1    2    3    4    5\r\n" +
                                      "  2. Tipp:  6    7    8    9   10\r\n");
    }

    // The companion prints what the window writes, for the draw of a date.
    void companionPrintsTheSameLines()
    {
        Fixture f;
        const QStringList list{"1\t2\t3\t4\t5", "6\t7\t8\t9\t10\t\t\t1\t2"};
        f.showList(list);
        f.select(QDate(2025, 3, 5));
        f.w->BitBtn7Click();
        const QByteArray written = fileBytes(f.dataFolder() + QStringLiteral("Tipp.txt"));
        QVERIFY(written.startsWith("Quendels Lotto-Tipp f\xfcr 06.03.2025\r\n"));

        const QString listFile = f.dataFolder() + QStringLiteral("liste.txt");
        writeBytes(listFile, list.join(QStringLiteral("\r\n")).toLatin1());
        const Companion cli =
            runCompanion(f, {"print", "--list", listFile, "--date", "2025-03-04"});
        QCOMPARE(cli.exitCode, 0);
        QCOMPARE(QString::fromUtf8(cli.output).replace(QLatin1Char('\n'), QStringLiteral("\r\n")),
                 QString::fromLatin1(written));

        writeBytes(listFile, "1\t2\t3\t4\r\n");
        const Companion bad = runCompanion(f, {"print", "--list", listFile});
        QCOMPARE(bad.exitCode, 1);
        QVERIFY(bad.output.isEmpty());
        QVERIFY2(bad.errors.contains("'' ist kein g"), bad.errors.constData());
    }

    void fileErrorsNameFileAndReason_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("save") << "SpeedButton15";
        QTest::newRow("load") << "SpeedButton16";
    }
    void fileErrorsNameFileAndReason()
    {
        QFETCH(QString, button);
        Fixture f;
        f.fillRow(1, {"3", "12", "17", "25", "40"});
        const QString folder = f.dataFolder() + QStringLiteral("a folder.qlt");
        QVERIFY(QDir().mkpath(folder));
        f.dialogs.fileAnswers << folder;
        f.click(button.toLatin1().constData());
        QCOMPARE(f.dialogs.notices().size(), 1);
        QVERIFY2(f.dialogs.notices().first().startsWith(QDir::toNativeSeparators(folder) +
                                                        QStringLiteral(": ")),
                 qPrintable(f.dialogs.notices().first()));
        QCOMPARE(f.row(1), QStringLiteral("3,12,17,25,40,,"));  // nothing cleared by a failed load
        QCOMPARE(f.w->state().SaveDialog1.filter, QStringLiteral("Textdatei (*.txt)"));
        QCOMPARE(f.w->state().OpenDialog1.filter, QStringLiteral("Textdatei (*.txt)"));
    }
};

QTEST_MAIN(TestTipFilesWindow)
#include "test_tip_files_window.moc"
