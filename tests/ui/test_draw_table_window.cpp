// The stored draws on the "Datenbank" page: the summary on a fixed day, the table
// sorted by a click on a title, narrowed to one number, a double-click that makes
// a draw the CurrentDraw, and the table following every change of the DrawFile;
// with KUGELWART_SHOTS the page with the real history.
#include <QAction>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "draws/current_draw.h"
#include "support/download_fixture.h"
#include "tips/text_file.h"
#include "ui/controls.h"
#include "ui/dialog_windows.h"
#include "ui/draw_table.h"
#include "ui/side_pages.h"
#include "ui/tip_page.h"

using namespace kw;
using namespace kw::test;

namespace {

using Records = std::vector<DrawRecord>;

const QString kShipped = QStringLiteral(KUGELWART_LAND_DIR);
constexpr int kDatabasePage = 4;

// Five draws in March 2025; 17 in three of them, the sums 15, 85, 85, 100 and 140.
Records marchDraws()
{
    return {makeDraw(QDate(2025, 3, 1), {1, 2, 3, 4, 5}),
            makeDraw(QDate(2025, 3, 3), {6, 17, 18, 19, 25}),
            makeDraw(QDate(2025, 3, 4), {2, 17, 20, 21, 40}),
            makeDraw(QDate(2025, 3, 6), {10, 11, 12, 13, 39}),
            makeDraw(QDate(2025, 3, 8), {17, 22, 30, 35, 36})};
}

struct Fixture : DownloadFixture {
    std::unique_ptr<TForm1> w;
    DatabasePage* page = nullptr;

    // The window on the draws, the page up before the first show (so that a
    // download at start is seen by the table, not found by coming to the page
    // afterwards), and the number filter typed before it.
    void open(const Records& draws, bool withServer = false, const QString& number = {})
    {
        writeDraws(draws);
        w = start(withServer, 3000, [number](TForm1& window) {
            window.pageControl()->setCurrentIndex(kDatabasePage);
            window.findChild<DatabasePage*>()->Edit120->setText(number);
        });
        QVERIFY(waitDone());
        page = w->findChild<DatabasePage*>();
    }
    DrawTableView* view() const { return page->StringGrid3; }
    QAbstractItemModel* model() const { return view()->model(); }
    int rows() const { return model()->rowCount(); }
    QString cell(int row, DrawColumn column) const
    {
        return model()->index(row, static_cast<int>(column)).data().toString();
    }
    // "dd.MM.yyyy" of every row, top down.
    QStringList dates() const
    {
        QStringList list;
        for (int row = 0; row < rows(); ++row) list << cell(row, DrawColumn::Date);
        return list;
    }
    void clickTitle(DrawColumn column)
    {
        QHeaderView* header = view()->horizontalHeader();
        const int section = static_cast<int>(column);
        const QPoint at(header->sectionViewportPosition(section) + header->sectionSize(section) / 2,
                        header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    }
    void filter(const QString& number)
    {
        page->Edit120->selectAll();
        page->Edit120->setFocus();
        if (number.isEmpty())
            QTest::keyClick(page->Edit120, Qt::Key_Backspace);
        else
            QTest::keyClicks(page->Edit120, number);
    }
    void doubleClick(int row)
    {
        view()->scrollTo(model()->index(row, 0));
        const QPoint at = view()->visualRect(model()->index(row, 2)).center();
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view()->viewport(), Qt::LeftButton, {}, at);
    }
};

// The shipped language files, as they lie beside the program.
void installShipped(Fixture& f)
{
    QDir().mkpath(f.program.filePath(QStringLiteral("land")));
    for (const QString& name : QDir(kShipped).entryList(QDir::Files))
        QVERIFY(QFile::copy(kShipped + '/' + name, f.program.filePath("land/" + name)));
}

QString dotted(const QDate& date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

}  // namespace

class TestDrawTableWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void controlsOnTheDatabasePage()
    {
        Fixture f;
        f.open(marchDraws());
        QCOMPARE(f.page->Label120->parentWidget()->objectName(), QStringLiteral("GroupBox12"));
        QCOMPARE(child<QLabel>(f.w.get(), "Label121")->text(), QStringLiteral("&Zahl:"));
        QCOMPARE(child<QLabel>(f.w.get(), "Label121")->buddy(), f.page->Edit120);
        QCOMPARE(f.page->Edit120->toolTip(),
                 QStringLiteral("Nur die Ziehungen mit dieser Zahl zeigen (leer: alle)"));
        QVERIFY(f.view()->isVisible());
        QCOMPARE(f.view()->toolTip(),
                 QStringLiteral("Doppelklick: diese Ziehung als aktuelle Ziehung zeigen"));
        QCOMPARE(f.model()->columnCount(), 8);
        QStringList titles;
        for (int c = 0; c < 8; ++c) titles << f.model()->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(titles.join(QLatin1Char('|')),
                 QStringLiteral("Datum|Tag|1. Zahl|2. Zahl|3. Zahl|4. Zahl|5. Zahl|Quersumme"));
        // The newest draw first, with its weekday, numbers and digit sum.
        QCOMPARE(f.rows(), 5);
        QStringList top;
        for (int c = 0; c < 8; ++c) top << f.model()->index(0, c).data().toString();
        QCOMPARE(top.join(QLatin1Char(' ')), QStringLiteral("08.03.2025 Sa 17 22 30 35 36 140"));
        // Every column shows its widest text and its title whole.
        const QFontMetrics fm(f.view()->font());
        QVERIFY(f.view()->columnWidth(0) > fm.horizontalAdvance(QStringLiteral("00.00.0000")));
        QVERIFY(f.view()->columnWidth(7) >
                f.view()->horizontalHeader()->fontMetrics().horizontalAdvance(
                    QStringLiteral("Quersumme")));
    }

    void summaryOnTheClocksDay_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("expected");
        QTest::newRow("the day of the newest")
            << QDate(2025, 3, 8)
            << QStringLiteral(
                   "5 Ziehungen vom 01.03.2025 bis 08.03.2025 (die neueste ist von heute)");
        QTest::newRow("the day after")
            << QDate(2025, 3, 9)
            << QStringLiteral(
                   "5 Ziehungen vom 01.03.2025 bis 08.03.2025 (die neueste ist von gestern)");
        QTest::newRow("months later")
            << QDate(2025, 6, 1)
            << QStringLiteral(
                   "5 Ziehungen vom 01.03.2025 bis 08.03.2025 (die neueste ist 85 Tage "
                   "alt)");
    }
    void summaryOnTheClocksDay()
    {
        QFETCH(QDate, today);
        QFETCH(QString, expected);
        Fixture f;
        f.clock.date = today;
        f.open(marchDraws());
        QCOMPARE(f.page->Label120->text(), expected);
        QVERIFY(f.page->Label120->isVisible());
    }

    // The age follows the day when the page comes up again, and the language when
    // it changes.
    void summaryFollowsTheDayAndTheLanguage()
    {
        Fixture f;
        installShipped(f);
        f.clock.date = QDate(2025, 3, 8);
        f.open(marchDraws());
        f.clock.date = QDate(2025, 3, 11);
        f.w->pageControl()->setCurrentIndex(0);
        f.w->pageControl()->setCurrentIndex(kDatabasePage);
        QCOMPARE(f.page->Label120->text(),
                 QStringLiteral(
                     "5 Ziehungen vom 01.03.2025 bis 08.03.2025 (die neueste ist 3 Tage alt)"));
        f.w->findChild<QAction*>(QStringLiteral("Englich1"))->trigger();
        QCOMPARE(
            f.page->Label120->text(),
            QStringLiteral("5 draws from 01.03.2025 to 08.03.2025 (the newest is 3 days old)"));
        QCOMPARE(f.model()->headerData(7, Qt::Horizontal).toString(), QStringLiteral("Sum"));
        QCOMPARE(f.view()->toolTip(),
                 QStringLiteral("Double-click: show this draw as the current draw"));
        QCOMPARE(child<QLabel>(f.w.get(), "Label121")->text(), QStringLiteral("&Number:"));
        f.filter(QStringLiteral("17"));
        QCOMPARE(f.page->Label122->text(),
                 QStringLiteral("Draws with 17: 3, the last on 08.03.2025"));
    }

    void sortByAClickOnATitle_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("once");
        QTest::addColumn<QString>("twice");
        // The table starts with the newest draw on top: a click on "Datum" turns it.
        QTest::newRow("date") << int(DrawColumn::Date) << "01.03 03.03 04.03 06.03 08.03"
                              << "08.03 06.03 04.03 03.03 01.03";
        // 85 twice: the same day order as the sums.
        QTest::newRow("digit sum") << int(DrawColumn::DigitSum) << "01.03 03.03 06.03 04.03 08.03"
                                   << "08.03 04.03 06.03 03.03 01.03";
        QTest::newRow("first number") << int(DrawColumn::Number1) << "01.03 04.03 03.03 06.03 08.03"
                                      << "08.03 06.03 03.03 04.03 01.03";
    }
    void sortByAClickOnATitle()
    {
        QFETCH(int, column);
        QFETCH(QString, once);
        QFETCH(QString, twice);
        Fixture f;
        f.open(marchDraws());
        const auto shortDates = [&] {
            QStringList list;
            for (const QString& d : f.dates()) list << d.left(5);
            return list;
        };
        QCOMPARE(shortDates().join(' '), QStringLiteral("08.03 06.03 04.03 03.03 01.03"));
        f.clickTitle(static_cast<DrawColumn>(column));
        const Qt::SortOrder first = f.view()->horizontalHeader()->sortIndicatorOrder();
        QCOMPARE(f.view()->horizontalHeader()->sortIndicatorSection(), column);
        QCOMPARE(shortDates().join(' '), first == Qt::AscendingOrder ? once : twice);
        f.clickTitle(static_cast<DrawColumn>(column));
        QVERIFY(f.view()->horizontalHeader()->sortIndicatorOrder() != first);
        QCOMPARE(shortDates().join(' '), first == Qt::AscendingOrder ? twice : once);
    }

    // "When was 17 drawn last?": the draws with it, the newest on top.
    void filterByANumber()
    {
        Fixture f;
        f.clock.date = QDate(2026, 8, 23);
        const Records history = randomHistory(QDate(2025, 1, 1), QDate(2026, 8, 22), 3);
        f.open(history);
        QCOMPARE(f.rows(), int(history.size()));
        QStringList with17;
        for (const DrawRecord& r : history) {
            for (int s = 1; s <= 5; ++s)
                if (r.slot(s) == 17) with17.prepend(dotted(dateFromDayCount(r.datum)));
        }
        QVERIFY(with17.size() > 20);
        f.filter(QStringLiteral("17"));
        QCOMPARE(f.dates(), with17);
        for (int row = 0; row < f.rows(); ++row) {
            QStringList numbers;
            for (int c = 2; c <= 6; ++c) numbers << f.cell(row, static_cast<DrawColumn>(c));
            QVERIFY2(numbers.contains(QStringLiteral("17")), qPrintable(numbers.join(' ')));
        }
        QCOMPARE(f.page->Label122->text(),
                 QStringLiteral("Ziehungen mit der %1: %2, die letzte am %3")
                     .arg(17)
                     .arg(with17.size())
                     .arg(with17.first()));
        // The summary speaks of the whole history still.
        QVERIFY2(f.page->Label120->text().startsWith(
                     QStringLiteral("%1 Ziehungen vom 01.01.2025").arg(history.size())),
                 qPrintable(f.page->Label120->text()));
        f.filter({});
        QCOMPARE(f.rows(), int(history.size()));
        QCOMPARE(f.page->Label122->text(), QString());
        // Only 1..42 can be typed: the 3 of 43 is refused, 4 is asked for.
        f.filter(QStringLiteral("43"));
        QCOMPARE(f.page->Edit120->text(), QStringLiteral("4"));
        QVERIFY(f.rows() < int(history.size()));
        QCOMPARE(f.page->Label122->text().left(21), QStringLiteral("Ziehungen mit der 4: "));
    }

    void doubleClickMakesTheDrawCurrent()
    {
        Fixture f;
        f.open(marchDraws());
        QVERIFY(f.w->tipPage()->Label35->text().startsWith(QStringLiteral("Sa 08.03.25")));
        f.filter(QStringLiteral("17"));
        QCOMPARE(f.dates(), (QStringList{"08.03.2025", "04.03.2025", "03.03.2025"}));
        f.doubleClick(2);
        const DrawRecord chosen = marchDraws()[1];
        QCOMPARE(f.w->state().Datum1, chosen.datum);
        QCOMPARE(f.w->tipPage()->Label35->text(), drawDisplayText(chosen) + QStringLiteral("  "));
        QCOMPARE(f.page->Label29->text(), f.w->tipPage()->Label35->text());
        QCOMPARE(f.page->DateTimePicker1->date(), QDate(2025, 3, 3));
        QVERIFY(f.w->tipPage()->Label13->text().endsWith(QStringLiteral(" 85")));
        // The arrows go on from there.
        f.w->SpeedButton7Click();
        QVERIFY2(f.w->tipPage()->Label35->text().startsWith(QStringLiteral("Di 04.03.25")),
                 qPrintable(f.w->tipPage()->Label35->text()));
        // The first draw, whose text has a blank more.
        f.filter({});
        f.doubleClick(f.rows() - 1);
        QCOMPARE(f.w->tipPage()->Label35->text(),
                 drawDisplayText(marchDraws()[0], true) + QStringLiteral("  "));
    }

    void tableFollowsTheDrawFile_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QStringList>("dates");
        const QStringList march{"08.03.2025", "06.03.2025", "04.03.2025", "03.03.2025",
                                "01.03.2025"};
        QTest::newRow("entry") << "entry" << QStringList{"08.03.2025", "07.03.2025", "06.03.2025",
                                                         "04.03.2025", "03.03.2025", "01.03.2025"};
        QTest::newRow("deletion") << "deletion"
                                  << QStringList{"08.03.2025", "06.03.2025", "03.03.2025",
                                                 "01.03.2025"};
        QTest::newRow("import") << "import" << QStringList{"10.03.2025", "08.03.2025", "06.03.2025",
                                                           "04.03.2025", "03.03.2025", "02.03.2025",
                                                           "01.03.2025"};
        QTest::newRow("download") << "download"
                                  << QStringList{"10.03.2025", "09.03.2025", "08.03.2025",
                                                 "06.03.2025", "04.03.2025", "03.03.2025",
                                                 "01.03.2025"};
    }
    void tableFollowsTheDrawFile()
    {
        QFETCH(QString, change);
        QFETCH(QStringList, dates);
        Fixture f;
        f.clock.date = QDate(2025, 3, 10);
        if (change == "download") {
            f.server.byDate["20250309"] = DrawServer::ok("x,3,11,17,27,40,1234567\r\n");
            f.server.byDate["20250310"] = DrawServer::ok("x,4,12,20,28,41,7654321\r\n");
        }
        f.open(marchDraws(), change == "download", QStringLiteral("17"));  // kept through
        if (change == "entry") {
            const auto connection =
                connect(f.w.get(), &TForm1::drawEntryDialogOpened, this, [](TForm3* d) {
                    QTimer::singleShot(0, d, [d] {
                        d->DateTimePicker1->setDate(QDate(2025, 3, 7));
                        const int numbers[] = {17, 23, 24, 31, 32};
                        for (int i = 0; i < 5; ++i) d->upDown(i + 1)->setValue(numbers[i]);
                        QTest::mouseClick(d->BitBtn2, Qt::LeftButton);
                    });
                });
            f.page->BitBtn8->click();
            disconnect(connection);
        } else if (change == "deletion") {
            f.page->DateTimePicker1->setDate(QDate(2025, 3, 4));
            f.w->SpeedButton5Click();
            f.dialogs.yesNoAnswers << true;
            f.page->BitBtn6->click();
        } else if (change == "import") {
            const QString source = f.appData.filePath(QStringLiteral("draws.txt"));
            QVERIFY(writeTextLines(source,
                                   {QStringLiteral("2025-03-02,1,17,33,34,35"),
                                    QStringLiteral("2025-03-10,7,8,9,17,42")},
                                   nullptr));
            f.dialogs.fileAnswers << source;
            f.page->BitBtn10->click();
        }
        QStringList with17;
        for (const QString& d : dates) {
            const QDate day = QDate::fromString(d, QStringLiteral("dd.MM.yyyy"));
            for (const DrawRecord& r : f.stored()) {
                bool has = false;
                for (int s = 1; s <= 5; ++s) has = has || r.slot(s) == 17;
                if (r.datum == dayCountFromDate(day) && has) with17 << d;
            }
        }
        QCOMPARE(f.dates(), with17);
        f.filter({});
        QCOMPARE(f.dates(), dates);
        QCOMPARE(f.page->Label120->text(),
                 QStringLiteral("%1 Ziehungen vom 01.03.2025 bis %2 (die neueste ist %3)")
                     .arg(dates.size())
                     .arg(dates.first())
                     .arg(dates.first() == "10.03.2025" ? "von heute" : "2 Tage alt"));
    }

    // With KUGELWART_SHOTS set to a folder: the page with the real history, for a look.
    void screenshots()
    {
        const QString folder = qEnvironmentVariable("KUGELWART_SHOTS");
        if (folder.isEmpty()) QSKIP("KUGELWART_SHOTS names no folder");
        const QString csv = qEnvironmentVariable("KUGELWART_SHARED_DATA") +
                            QStringLiteral("/minilotto-history.csv");
        const auto lines = readTextLines(csv, nullptr);
        if (!lines) QSKIP("the real draw history is not beside the checkout");
        Records history;
        for (const QString& line : *lines) {
            const QStringList fields = line.split(QLatin1Char(','));
            const QDate day = QDate::fromString(fields.value(0), Qt::ISODate);
            if (fields.size() != 6 || !day.isValid()) continue;
            history.push_back(
                makeDraw(day, {fields[1].toInt(), fields[2].toInt(), fields[3].toInt(),
                               fields[4].toInt(), fields[5].toInt()}));
        }
        Fixture f;
        f.clock.date = dateFromDayCount(history.back().datum).addDays(1);
        f.open(history);
        const auto save = [&](const QString& name) {
            QVERIFY(f.w->grab().save(QDir(folder).filePath(name + ".png")));
        };
        save(QStringLiteral("database_default_size"));
        f.w->resize(1280, 770);  // a 1280 x 800 screen less the title bar
        QCoreApplication::processEvents();
        f.filter(QStringLiteral("17"));
        save(QStringLiteral("database_filter_17"));
        f.w->resize(kDesignWidth, kDesignHeight);
        installShipped(f);
        for (const char* language : {"Englich1", "Polnisch1"}) {
            f.w->findChild<QAction*>(QLatin1String(language))->trigger();
            QCoreApplication::processEvents();
            save(QStringLiteral("database_") + QLatin1String(language));
        }
    }
};

QTEST_MAIN(TestDrawTableWindow)
#include "test_draw_table_window.moc"
