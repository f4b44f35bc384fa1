#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "draws/draw_maintenance.h"
#include "support/file_size_limit.h"
#include "support/files.h"
#include "support/window_fixture.h"
#include "tips/text_file.h"
#include "ui/dialog_windows.h"

using namespace kw;
using namespace kw::test;

namespace {

using Draws = std::vector<DrawRecord>;

DrawRecord march(int day, std::initializer_list<int> numbers)
{
    return makeDraw(QDate(2025, 3, day), numbers);
}

Draws marchDraws()
{
    return {march(1, {1, 2, 3, 4, 5}), march(3, {6, 7, 8, 9, 10}), march(5, {3, 11, 19, 27, 40})};
}

// "d.M.yyyy:n n n n n n n n" per record.
QString describe(const Draws& draws)
{
    QStringList parts;
    for (const DrawRecord& r : draws) {
        QStringList numbers;
        for (int s = 1; s <= 8; ++s) numbers << QString::number(r.slot(s));
        parts << dateFromDayCount(r.datum).toString(QStringLiteral("d.M.yyyy")) + QLatin1Char(':') +
                     numbers.join(QLatin1Char(' '));
    }
    return parts.join(QStringLiteral(" | "));
}

struct Fixture : WindowFixture {
    std::unique_ptr<TForm1> w;

    void start(const Draws& draws)
    {
        writeDraws(draws);
        w = shownWindow();
        w->pageControl()->setCurrentIndex(4);  // "Datenbank"
    }
    Draws stored() const
    {
        const auto records = DrawFile(drawFile()).readAll(nullptr);
        return records ? *records : Draws{};
    }
    QString shown() const { return child<QLabel>(w.get(), "Label29")->text(); }
    // Picks the date and selects its draw, as the user does on the page.
    void select(const QDate& date)
    {
        child<QDateEdit>(w.get(), "DateTimePicker1")->setDate(date);
        child<QToolButton>(w.get(), "SpeedButton5")->click();
    }
    void click(const char* button) { child<QPushButton>(w.get(), button)->click(); }
    // "Eingeben" with the dialog handed to user() while it runs modally; the
    // dialog is aborted afterwards should user() not have ended it.
    void enter(const std::function<void(TForm3*)>& user)
    {
        const auto connection =
            QObject::connect(w.get(), &TForm1::drawEntryDialogOpened, w.get(), [user](TForm3* d) {
                QTimer::singleShot(0, d, [d, user] {
                    user(d);
                    if (d->isVisible()) d->reject();
                });
            });
        click("BitBtn8");
        QObject::disconnect(connection);
    }
    QStringList questions() const
    {
        QStringList texts;
        for (const auto& s : dialogs.shown)
            if (s.kind == QLatin1String("question")) texts << s.text;
        return texts;
    }
};

void typeNumber(TForm3* d, int field, int value)
{
    auto* edit = d->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(field));
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, QString::number(value));
}

}  // namespace

Q_DECLARE_METATYPE(Draws)

class TestDrawMaintenanceWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void buttonsOnTheDatabasePage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::newRow("entry") << "BitBtn8"
                               << "Eingeben"
                               << "manuelle eingaben der Ziehungsdaten.";
        QTest::newRow("delete") << "BitBtn6"
                                << "Löschen"
                                << "Löschen der aktuell angezeigten Ziehung";
        QTest::newRow("export") << "BitBtn3"
                                << "Export nach Text"
                                << "Alle Ziehungen als Textdatei speichern";
        QTest::newRow("import") << "BitBtn10"
                                << "Import aus Text"
                                << "Ziehungen aus einer Textdatei übernehmen";
    }
    void buttonsOnTheDatabasePage()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        Fixture f;
        f.start(marchDraws());
        auto* button = f.w->findChild<QPushButton*>(name);
        QVERIFY(button);
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->toolTip(), hint);
        QTRY_VERIFY(button->isVisible());
        QVERIFY(button->isEnabled());
    }

    void entryDialogShowsTheProposal()
    {
        Fixture f;
        f.start(marchDraws());
        f.select(QDate(2025, 3, 3));
        QPointer<TForm3> first;
        bool checked = false;
        f.enter([&](TForm3* d) {
            first = d;
            QCOMPARE(d->windowTitle(), QStringLiteral("Zahlen der Ziehung eingeben"));
            QVERIFY(d->isModal());
            QVERIFY((d->geometry().center() - f.w->geometry().center()).manhattanLength() < 40);
            QCOMPARE(d->DateTimePicker1->date(), QDate(2025, 3, 3));
            for (int n = 1; n <= 5; ++n) {
                QCOMPARE(d->upDown(n)->value(), 5 + n);
                QCOMPARE(d->upDown(n)->maximum(), 42);
                QCOMPARE(d->upDown(n)->minimum(), 1);
                QVERIFY(d->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(n))->isVisible());
            }
            QCOMPARE(d->upDown(6)->maximum(), 50);
            QCOMPARE(d->upDown(7)->maximum(), 10);
            QCOMPARE(d->upDown(8)->maximum(), 10);
            for (int n = 6; n <= 8; ++n) QVERIFY(!d->upDown(n)->isVisible());
            for (QLabel* label : d->findChildren<QLabel*>())
                if (label->text() == QStringLiteral("E:")) QVERIFY(!label->isVisible());
            QCOMPARE(d->BitBtn2->text(), QStringLiteral("&OK"));
            QTest::mouseClick(d->BitBtn1, Qt::LeftButton);
            checked = true;
        });
        QVERIFY(checked);
        QTRY_VERIFY(first.isNull());  // discarded after the entry
        TForm3* second = nullptr;
        f.enter([&](TForm3* d) { second = d; });
        QVERIFY(second != nullptr);
        QVERIFY(second != f.w->form3());
    }

    void entry_data()
    {
        QTest::addColumn<Draws>("records");
        QTest::addColumn<QDate>("selected");
        QTest::addColumn<QDate>("date");  // invalid: the proposed date stays
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("shown");  // the start of Label29 afterwards
        const QString m1 = "1.3.2025:1 2 3 4 5 0 0 0";
        const QString m3 = "3.3.2025:6 7 8 9 10 0 0 0";
        const QString m5 = "5.3.2025:3 11 19 27 40 0 0 0";
        // The hidden sixth and star slots keep what the proposal held (a
        // downloaded draw's zeros), although their up-downs cannot show 0.
        QTest::newRow("existing date replaces, length kept")
            << marchDraws() << QDate(2025, 3, 3) << QDate() << QList<int>{12, 13, 14, 15, 16}
            << true << m1 + " | 3.3.2025:12 13 14 15 16 0 0 0 | " + m5 << "Mo 03.03.25    12  13";
        QTest::newRow("between two dates inserts")
            << marchDraws() << QDate(2025, 3, 3) << QDate(2025, 3, 4)
            << QList<int>{20, 21, 22, 23, 24} << true
            << m1 + " | " + m3 + " | 4.3.2025:20 21 22 23 24 0 0 0 | " + m5
            << "Mo 03.03.25    6  7";
        QTest::newRow("later than all, older CurrentDraw: appended")
            << marchDraws() << QDate(2025, 3, 1) << QDate(2025, 3, 9)
            << QList<int>{20, 21, 22, 23, 24} << true
            << m1 + " | " + m3 + " | " + m5 + " | 9.3.2025:20 21 22 23 24 0 0 0"
            << "Sa 01.03.25     1  2";
        QTest::newRow("numbers stored sorted")
            << marchDraws() << QDate(2025, 3, 5) << QDate(2025, 3, 7)
            << QList<int>{40, 3, 27, 11, 19} << true
            << m1 + " | " + m3 + " | " + m5 + " | 7.3.2025:3 11 19 27 40 0 0 0"
            << "Mi 05.03.25    3  11";
        QTest::newRow("empty history: 23.03.2012 and 1 to 5")
            << Draws{} << QDate(2025, 3, 5) << QDate() << QList<int>{} << true
            << "23.3.2012:1 2 3 4 5 6 1 2"
            << "Fr 23.03.12     1  2  3  4  5";
        QTest::newRow("abort changes nothing")
            << marchDraws() << QDate(2025, 3, 3) << QDate(2025, 3, 4)
            << QList<int>{20, 21, 22, 23, 24} << false << m1 + " | " + m3 + " | " + m5
            << "Mo 03.03.25    6  7";
    }
    void entry()
    {
        QFETCH(Draws, records);
        QFETCH(QDate, selected);
        QFETCH(QDate, date);
        QFETCH(QList<int>, numbers);
        QFETCH(bool, ok);
        QFETCH(QString, expected);
        QFETCH(QString, shown);
        Fixture f;
        f.start(records);
        f.select(selected);
        bool ran = false;
        f.enter([&](TForm3* d) {
            if (date.isValid()) d->DateTimePicker1->setDate(date);
            for (int i = 0; i < numbers.size(); ++i) typeNumber(d, i + 1, numbers[i]);
            QTest::mouseClick(ok ? d->BitBtn2 : d->BitBtn1, Qt::LeftButton);
            ran = true;
        });
        QVERIFY(ran);
        QCOMPARE(describe(f.stored()), expected);
        QVERIFY2(f.shown().startsWith(shown), qPrintable(f.shown()));
        QVERIFY(f.dialogs.notices().isEmpty());
    }

    void abortedEntryStillSelectsAnew()
    {
        Fixture f;
        f.start(marchDraws());
        f.select(QDate(2025, 3, 3));
        // The picker moves without a selection; the entry proposes the last draw
        // (none on that day) and selects it afterwards.
        child<QDateEdit>(f.w.get(), "DateTimePicker1")->setDate(QDate(2025, 3, 4));
        QDate proposed;
        f.enter([&](TForm3* d) { proposed = d->DateTimePicker1->date(); });
        QCOMPARE(proposed, QDate(2025, 3, 5));
        QVERIFY2(f.shown().startsWith(QStringLiteral("Mi 05.03.25")), qPrintable(f.shown()));
        QCOMPARE(f.w->state().Position, 2);
    }

    void entryThatCannotBeWrittenLeavesTheHistory()
    {
#ifdef Q_OS_UNIX
        Fixture f;
        f.start(marchDraws());
        f.select(QDate(2025, 3, 3));
        const QByteArray before = fileBytes(f.drawFile());
        {
            const FileSizeLimit limit(40);  // less than the rewritten history
            f.enter([&](TForm3* d) {
                d->DateTimePicker1->setDate(QDate(2025, 3, 4));
                QTest::mouseClick(d->BitBtn2, Qt::LeftButton);
            });
        }
        QCOMPARE(fileBytes(f.drawFile()), before);
        QCOMPARE(f.dialogs.notices().size(), 1);
        QVERIFY2(
            f.dialogs.notices().first().startsWith(QDir::toNativeSeparators(f.drawFile()) + ": "),
            qPrintable(f.dialogs.notices().first()));
#else
        QSKIP("needs a file size limit");
#endif
    }

    void deletion_data()
    {
        QTest::addColumn<Draws>("records");
        QTest::addColumn<QDate>("selected");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a doubled date: both go, the next later is shown")
            << Draws{march(1, {1, 2, 3, 4, 5}), march(3, {6, 7, 8, 9, 10}),
                     march(3, {7, 8, 9, 10, 11}), march(5, {3, 11, 19, 27, 40})}
            << QDate(2025, 3, 3) << "Die Ziehung vom 03.03.2025 (6, 7, 8, 9, 10) löschen?"
            << "1.3.2025:1 2 3 4 5 0 0 0 | 5.3.2025:3 11 19 27 40 0 0 0"
            << "Mi 05.03.25";
        QTest::newRow("the last: the one before is shown")
            << marchDraws() << QDate(2025, 3, 5)
            << "Die Ziehung vom 05.03.2025 (3, 11, 19, 27, 40) löschen?"
            << "1.3.2025:1 2 3 4 5 0 0 0 | 3.3.2025:6 7 8 9 10 0 0 0"
            << "Mo 03.03.25";
        QTest::newRow("the only one: an empty file")
            << Draws{march(3, {6, 7, 8, 9, 10})} << QDate(2025, 3, 3)
            << "Die Ziehung vom 03.03.2025 (6, 7, 8, 9, 10) löschen?"
            << ""
            << "Mo 03.03.25";
    }
    void deletion()
    {
        QFETCH(Draws, records);
        QFETCH(QDate, selected);
        QFETCH(QString, question);
        QFETCH(QString, expected);
        QFETCH(QString, shown);
        Fixture f;
        f.start(records);
        f.select(selected);
        f.dialogs.yesNoAnswers << true;
        f.click("BitBtn6");
        QCOMPARE(f.questions(), QStringList{question});
        QCOMPARE(describe(f.stored()), expected);
        QCOMPARE(QFileInfo(f.drawFile()).size(), qint64(32 * f.stored().size()));
        QVERIFY2(f.shown().startsWith(shown), qPrintable(f.shown()));
        QVERIFY(f.dialogs.busyShown > 0);
        QCOMPARE(f.dialogs.busyDepth, 0);
    }

    void deletionDeclinedOrOfAnotherPickerDate()
    {
        // The header shows 03.03.; the picker has been moved to 05.03. without
        // selecting: the question names the draw shown, and No keeps everything.
        Fixture f;
        f.start(marchDraws());
        f.select(QDate(2025, 3, 3));
        child<QDateEdit>(f.w.get(), "DateTimePicker1")->setDate(QDate(2025, 3, 5));
        const QByteArray before = fileBytes(f.drawFile());
        f.dialogs.yesNoAnswers << false;
        f.click("BitBtn6");
        QCOMPARE(f.questions(),
                 QStringList{"Die Ziehung vom 03.03.2025 (6, 7, 8, 9, 10) löschen?"});
        QCOMPARE(fileBytes(f.drawFile()), before);

        f.dialogs.yesNoAnswers << true;
        f.click("BitBtn6");
        QCOMPARE(describe(f.stored()), "1.3.2025:1 2 3 4 5 0 0 0 | 5.3.2025:3 11 19 27 40 0 0 0");
    }

    void exportWritesOneLinePerRecord()
    {
        Fixture f;
        Draws draws = marchDraws();
        draws.push_back(march(5, {40, 3, 27, 11, 19, 6, 3, 7}));  // a doubled day, star slots set
        draws[0].ziffern = {1, 2, 3, 4, 5, 6, 7};
        f.start(draws);
        const QString target = f.appData.filePath(QStringLiteral("export.txt"));
        f.dialogs.fileAnswers << target;
        f.click("BitBtn3");
        const auto& request = f.dialogs.shown.last().file;
        QCOMPARE(f.dialogs.shown.last().kind, QStringLiteral("save"));
        QCOMPARE(request.proposedName, f.dataFolder() + QStringLiteral("Zahlen.txt"));
        QCOMPARE(request.filter, QStringLiteral("Textdatei (*.txt)"));
        QCOMPARE(request.defaultExtension, QStringLiteral("txt"));
        QCOMPARE(fileBytes(target),
                 QByteArray("20250301,1,2,3,4,5,0,0\r\n20250303,6,7,8,9,10,0,0\r\n"
                            "20250305,3,11,19,27,40,0,0\r\n20250305,40,3,27,11,19,3,7\r\n"));
        QCOMPARE(f.w->state().SaveDialog1.proposedName, target);
        QVERIFY(f.dialogs.notices().isEmpty());
    }

    void exportOfAnEmptyHistoryIsAnEmptyFile()
    {
        Fixture f;
        f.start({});
        const QString target = f.appData.filePath(QStringLiteral("export.txt"));
        f.dialogs.fileAnswers << target;
        f.click("BitBtn3");
        QVERIFY(QFileInfo::exists(target));
        QCOMPARE(QFileInfo(target).size(), qint64(0));
    }

    void cancelledExportWritesNothing()
    {
        Fixture f;
        f.start(marchDraws());
        f.click("BitBtn3");  // no answer scripted: cancelled
        QCOMPARE(f.dialogs.shown.last().kind, QStringLiteral("save"));
        QVERIFY(!QFileInfo::exists(f.dataFolder() + QStringLiteral("Zahlen.txt")));
        QVERIFY(f.dialogs.notices().isEmpty());
    }

    void exportToAFolderNamesFileAndReason()
    {
        Fixture f;
        f.start(marchDraws());
        const QString target = f.appData.filePath(QStringLiteral("taken"));
        QVERIFY(QDir().mkpath(target));
        f.dialogs.fileAnswers << target;
        f.click("BitBtn3");
        QCOMPARE(f.dialogs.notices().size(), 1);
        QVERIFY2(f.dialogs.notices().first().startsWith(QDir::toNativeSeparators(target) + ": "),
                 qPrintable(f.dialogs.notices().first()));
        QVERIFY(QFileInfo(target).isDir());
    }

    void importMerges_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QStringList>("report");
        QTest::newRow("confirmed: the differing draw is replaced")
            << true
            << "1.3.2025:1 2 3 4 5 0 0 0 | 3.3.2025:6 7 8 9 11 0 0 0 | 5.3.2025:3 11 19 27 40 0 0 "
               "0 | "
               "7.3.2025:4 9 17 30 41 0 0 0"
            << QStringList{"1 Ziehungen hinzugefügt", "1 ersetzt", "1 unverändert",
                           "2 Zeilen abgelehnt"};
        QTest::newRow("declined: the stored draw stays, the new date comes in")
            << false
            << "1.3.2025:1 2 3 4 5 0 0 0 | 3.3.2025:6 7 8 9 10 0 0 0 | 5.3.2025:3 11 19 27 40 0 0 "
               "0 | "
               "7.3.2025:4 9 17 30 41 0 0 0"
            << QStringList{"1 Ziehungen hinzugefügt", "0 ersetzt", "1 unverändert",
                           "2 Zeilen abgelehnt", "1 abweichende Ziehungen behalten"};
    }
    void importMerges()
    {
        QFETCH(bool, confirm);
        QFETCH(QString, expected);
        QFETCH(QStringList, report);
        Fixture f;
        f.start(marchDraws());
        f.select(QDate(2025, 3, 1));
        const QString source = f.appData.filePath(QStringLiteral("draws.csv"));
        writeBytes(source,
                   "date,n1,n2,n3,n4,n5\r\n"
                   "2025-03-03,6,7,8,9,11\r\n"
                   "\r\n"
                   "2025-03-05,40,27,19,11,3\r\n"
                   "2025-03-06,1,2,3,4,43\r\n"
                   "2025-03-07,4,9,17,30,41\r\n"
                   "2025-03-07,4,9,17,30,42\r\n");
        f.dialogs.fileAnswers << source;
        f.dialogs.yesNoAnswers << confirm;
        f.click("BitBtn10");
        QCOMPARE(f.dialogs.shown.first().kind, QStringLiteral("open"));
        QCOMPARE(f.dialogs.shown.first().file.initialFolder, f.dataFolder());
        QCOMPARE(f.questions().size(), 1);
        QVERIFY2(f.questions().first().startsWith(QStringLiteral("1 Ziehungen der Datei weichen")),
                 qPrintable(f.questions().first()));
        QCOMPARE(describe(f.stored()), expected);
        QCOMPARE(f.dialogs.notices().size(), 1);
        const QString notice = f.dialogs.notices().first();
        for (const QString& part : report) QVERIFY2(notice.contains(part), qPrintable(notice));
        QVERIFY2(notice.contains(
                     QStringLiteral("Zeile 5: \"2025-03-06,1,2,3,4,43\" (Zahl 43 außerhalb")),
                 qPrintable(notice));
        // The newest draw is shown, and the analysis window ends there.
        QVERIFY2(f.shown().startsWith(QStringLiteral("Fr 07.03.25")), qPrintable(f.shown()));
        QCOMPARE(f.w->state().DateTimePicker1.date(), dayCountFromDate(QDate(2025, 3, 7)));
    }

    void importWithNothingDifferentAsksNothing()
    {
        Fixture f;
        f.start(marchDraws());
        const QString source = f.appData.filePath(QStringLiteral("draws.txt"));
        writeBytes(source, "1,01.03.2025,01,02,03,04,05\r\n2. 09.03.2025 7,8,9,10,11\r\n");
        f.dialogs.fileAnswers << source;
        f.click("BitBtn10");
        QVERIFY(f.questions().isEmpty());
        QCOMPARE(describe(f.stored()).count(QLatin1Char('|')), 3);
        QVERIFY(describe(f.stored()).endsWith(QStringLiteral("9.3.2025:7 8 9 10 11 0 0 0")));
        QVERIFY(f.dialogs.notices().first().contains(QStringLiteral("0 Zeilen abgelehnt")));
    }

    void importOfBadLinesOnlyLeavesTheFileAlone()
    {
        Fixture f;
        f.start(marchDraws());
        const QByteArray before = fileBytes(f.drawFile());
        const QString source = f.appData.filePath(QStringLiteral("bad.txt"));
        writeBytes(source, "20250230,1,2,3,4,5,0,0\r\n2025-03-09,1,1,2,3,4\r\n");
        f.dialogs.fileAnswers << source;
        f.click("BitBtn10");
        QCOMPARE(fileBytes(f.drawFile()), before);
        const QString notice = f.dialogs.notices().first();
        QVERIFY2(notice.contains(QStringLiteral("2 Zeilen abgelehnt")), qPrintable(notice));
        QVERIFY2(notice.contains(
                     QStringLiteral("Zeile 1: \"20250230,1,2,3,4,5,0,0\" (ungültiges Datum)")),
                 qPrintable(notice));
    }

    void importThatCannotBeReadChangesNothing()
    {
        Fixture f;
        f.start(marchDraws());
        const QByteArray before = fileBytes(f.drawFile());
        const QString source = f.appData.filePath(QStringLiteral("missing.txt"));
        f.dialogs.fileAnswers << source;
        f.click("BitBtn10");
        QCOMPARE(fileBytes(f.drawFile()), before);
        QCOMPARE(f.dialogs.notices().size(), 1);
        QVERIFY2(f.dialogs.notices().first().startsWith(QDir::toNativeSeparators(source) + ": "),
                 qPrintable(f.dialogs.notices().first()));
    }

    void exportDeleteImportGivesTheSameRecords()
    {
        Fixture f;
        Draws draws = randomHistory(QDate(2024, 1, 1), QDate(2024, 3, 31), 77);
        for (size_t i = 0; i < draws.size(); ++i) {
            draws[i].setSlot(6, 6);
            draws[i].setSlot(7, int(i % 11));
            draws[i].setSlot(8, int(i % 7));
            draws[i].ziffern = {1, 2, 3, 4, 5, 6, std::uint8_t(i % 10)};
        }
        f.start(draws);
        const QString exported = f.appData.filePath(QStringLiteral("export.txt"));
        f.dialogs.fileAnswers << exported;
        f.click("BitBtn3");
        QVERIFY(QFile::remove(f.drawFile()));
        f.dialogs.fileAnswers << exported;
        f.click("BitBtn10");
        QVERIFY(f.questions().isEmpty());
        QVERIFY2(f.dialogs.notices().first().contains(
                     QStringLiteral("%1 Ziehungen hinzugefügt").arg(draws.size())),
                 qPrintable(f.dialogs.notices().first()));
        const QByteArray after = fileBytes(f.drawFile());
        QByteArray expected;
        for (DrawRecord r : draws) {
            // What the export does not carry: slot 6 and the seven digits.
            r.setSlot(6, 0);
            r.ziffern = {};
            expected += r.toBytes();
        }
        QCOMPARE(after.size(), expected.size());
        QCOMPARE(after, expected);
    }

    void publishedHistoryRoundTrip()
    {
        const QString csv = qEnvironmentVariable("KUGELWART_SHARED_DATA") +
                            QStringLiteral("/minilotto-history.csv");
        if (!QFileInfo::exists(csv)) QSKIP("the real draw history is not beside the checkout");
        const auto source = readTextLines(csv, nullptr);
        QVERIFY(source && source->size() > 1000);
        Fixture f;
        f.start({});
        f.dialogs.fileAnswers << csv;
        f.click("BitBtn10");
        const QString notice = f.dialogs.notices().first();
        QVERIFY2(
            notice.contains(QStringLiteral("\n%1 Ziehungen hinzugefügt").arg(source->size() - 1)),
            qPrintable(notice));
        QVERIFY2(notice.contains(QStringLiteral("\n0 Zeilen abgelehnt")), qPrintable(notice));
        QCOMPARE(f.stored().size(), size_t(source->size() - 1));

        const QString exported = f.appData.filePath(QStringLiteral("export.txt"));
        f.dialogs.fileAnswers << exported;
        f.click("BitBtn3");
        const auto lines = readTextLines(exported, nullptr);
        QVERIFY(lines);
        QCOMPARE(lines->size(), source->size() - 1);
        for (qsizetype i = 1; i < source->size(); ++i) {
            QString line = source->at(i);
            line.remove(4, 1).remove(6, 1);  // 2018-01-01 -> 20180101
            QCOMPARE(lines->at(i - 1), line + QStringLiteral(",0,0"));
        }
        // The newest draw is shown, not the oldest: the charts cover the whole history.
        QVERIFY2(f.shown().startsWith(QStringLiteral("Sa 22.08.26    1  5  20  21  30")),
                 qPrintable(f.shown()));
        QCOMPARE(f.w->state().DateTimePicker1.date(), dayCountFromDate(QDate(2026, 8, 22)));
    }
};

QTEST_MAIN(TestDrawMaintenanceWindow)
#include "test_draw_maintenance_window.moc"
