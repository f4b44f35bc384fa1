#include <QAbstractBarSeries>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QValueAxis>

#include "support/window_fixture.h"
#include "ui/chart_view.h"
#include "ui/side_pages.h"

using namespace kw;
using namespace kw::test;

namespace {

std::vector<DrawRecord> someDraws()
{
    std::vector<DrawRecord> draws;
    QDate day(2025, 3, 1);
    for (int i = 0; i < 20; ++i, day = day.addDays(1))
        draws.push_back(makeDraw(day, {1 + i % 38, 2 + i % 38, 3 + i % 38, 20, 41}));
    return draws;
}

QAbstractBarSeries* barSeries(StatisticsChartView* view)
{
    for (QAbstractSeries* s : view->chart()->series())
        if (auto* bars = qobject_cast<QAbstractBarSeries*>(s)) return bars;
    return nullptr;
}

// The bar set that draws the bar at index: the one with a value there (the
// others of a stacked series hold 0), else the first.
QBarSet* setOfBar(StatisticsChartView* view, int index)
{
    const QList<QBarSet*> sets = barSeries(view)->barSets();
    for (QBarSet* set : sets)
        if (set->at(index) != 0) return set;
    return sets.first();
}

QValueAxis* valueAxis(StatisticsChartView* view)
{
    return qobject_cast<QValueAxis*>(view->chart()->axes(Qt::Vertical).first());
}

// Every number drawn ten times, 84 draws from 1 January 2025.
std::vector<DrawRecord> evenDraws()
{
    std::vector<DrawRecord> draws;
    QDate day(2025, 1, 1);
    for (int i = 0; i < 84; ++i, day = day.addDays(1)) {
        int n[5];
        for (int k = 0; k < 5; ++k) n[k] = (i * 5 + k) % 42 + 1;
        draws.push_back(makeDraw(day, {n[0], n[1], n[2], n[3], n[4]}));
    }
    return draws;
}

// The real draw history beside the checkout, or none.
std::vector<DrawRecord> publishedDraws()
{
    std::vector<DrawRecord> draws;
    QFile file(qEnvironmentVariable("KUGELWART_SHARED_DATA") +
               QStringLiteral("/minilotto-history.csv"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return draws;
    file.readLine();  // date,n1,...,n5
    while (!file.atEnd()) {
        const QStringList f = QString::fromLatin1(file.readLine()).trimmed().split(',');
        if (f.size() != 6) continue;
        draws.push_back(
            makeDraw(QDate::fromString(f[0], Qt::ISODate),
                     {f[1].toInt(), f[2].toInt(), f[3].toInt(), f[4].toInt(), f[5].toInt()}));
    }
    return draws;
}

}  // namespace

class TestChartPage : public QObject {
    Q_OBJECT
private slots:
    void startShowsTheNumberDistribution()
    {
        WindowFixture f;
        f.clock.date = QDate(2025, 3, 25);
        f.writeDraws(someDraws());
        auto w = f.shownWindow();
        QTRY_COMPARE(w->state().ChartKind, 1);
        StatisticsChartView* view = w->chartPage()->Chart1;
        QAbstractBarSeries* bars = barSeries(view);
        QVERIFY(bars);
        QCOMPARE(bars->barSets().size(), 2);  // red primes, green others
        QCOMPARE(bars->barSets().first()->count(), 42);
        auto* axis = qobject_cast<QBarCategoryAxis*>(view->chart()->axes(Qt::Horizontal).first());
        QVERIFY(axis->titleText().contains(QStringLiteral("Ziehungen&nbsp;:&nbsp;20")));
    }

    void buttonsRunTheirCharts_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("points");
        QTest::addColumn<bool>("showsChartPage");
        QTest::newRow("Ausstehende (Datenbank)") << "Button5" << 42 << true;
        QTest::newRow("Paare suchen") << "Button2" << 41 << true;
        QTest::newRow("Dreier suchen") << "Button3" << 40 << true;
        QTest::newRow("Vierer suchen") << "Button4" << 42 << true;
        QTest::newRow("Sternzahl ausstehende") << "Button8" << 10 << true;
        QTest::newRow("QS") << "SpeedButton9" << 1 << false;
        QTest::newRow("2er") << "Button10" << 41 << true;
        QTest::newRow("Paare mit") << "SpeedButton30" << 42 << false;
    }
    void buttonsRunTheirCharts()
    {
        QFETCH(QString, button);
        QFETCH(int, points);
        QFETCH(bool, showsChartPage);
        WindowFixture f;
        f.clock.date = QDate(2025, 3, 25);
        f.writeDraws({makeDraw(QDate(2025, 3, 5), {7, 8, 9, 20, 30}),
                      makeDraw(QDate(2025, 3, 6), {7, 8, 9, 20, 30})});
        auto w = f.shownWindow();
        w->pageControl()->setCurrentIndex(4);  // "Datenbank"
        auto* target = w->findChild<QAbstractButton*>(button);
        QVERIFY(target);
        target->click();
        QCOMPARE(w->state().chart.count(), points);
        QCOMPARE(w->pageControl()->currentWidget()->objectName(),
                 showsChartPage ? QStringLiteral("TabSheet5") : QStringLiteral("TabSheet4"));
        int bars = 0;
        for (QBarSet* set : barSeries(w->chartPage()->Chart1)->barSets())
            bars = std::max(bars, int(set->count()));
        QCOMPARE(bars, points);
    }

    void tipDistributionFromTheTipPage()
    {
        WindowFixture f;
        auto w = f.shownWindow();
        const QStringList row{"1", "2", "3", "4", "5"};
        for (int c = 0; c < 5; ++c) w->state().sheet.setCell(1, c + 1, row[c]);
        auto* button = w->findChild<QPushButton*>(QStringLiteral("Button6"));
        QVERIFY(button->isEnabled());
        button->click();
        QCOMPARE(w->pageControl()->currentWidget()->objectName(), QStringLiteral("TabSheet5"));
        QCOMPARE(w->state().chart.y(0), 1.0);
        QCOMPARE(w->state().chart.y(5), 0.0);
    }

    void historyRunsOnTheTimer()
    {
        WindowFixture f;
        f.clock.date = QDate(2025, 3, 4);
        f.writeDraws({makeDraw(QDate(2025, 3, 1), {1, 2, 3, 4, 5}),
                      makeDraw(QDate(2025, 3, 2), {1, 6, 7, 8, 9}),
                      makeDraw(QDate(2025, 3, 3), {1, 10, 11, 12, 13})});
        auto w = f.shownWindow();
        ChartPage* page = w->chartPage();
        page->DateTimePicker2->setDate(QDate(2025, 3, 1));
        QTRY_COMPARE(w->state().ChartKind, 1);
        w->Timer1()->setInterval(5);  // the same steps, faster
        QTest::mouseClick(page->BitBtn20, Qt::LeftButton);
        QVERIFY(w->Timer1()->isActive());
        QVERIFY(!page->BitBtn21->isHidden());
        QVERIFY(page->BitBtn20->isHidden());
        QTRY_VERIFY_WITH_TIMEOUT(!w->Timer1()->isActive(), 5000);
        QVERIFY(!page->BitBtn20->isHidden());
        QVERIFY(page->BitBtn21->isHidden());
        QCOMPARE(w->state().chart.y(0), 3.0);
        QCOMPARE(w->findChild<QDateEdit*>(QStringLiteral("DateTimePicker1"))->date(),
                 QDate(2025, 3, 3));
    }

    // Hovering a bar shows its own text as the view's hint and on the chart; leaving
    // it takes both away.
    void hoveredBarSaysItsValue_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::newRow("Häufigkeit") << "SpeedButton2" << 6 << "Zahl 7: 2-mal gezogen";
        QTest::newRow("Häufigkeit, not drawn") << "SpeedButton2" << 0 << "Zahl 1: 0-mal gezogen";
        QTest::newRow("Ausstehende") << "Button9" << 19 << "Zahl 20 \u2013 überfällig: 1";
        QTest::newRow("QS") << "SpeedButton9" << 0 << "Quersumme 74: 2-mal";
        QTest::newRow("2er") << "Button10" << 7 << "Paar 8\u20139: 2-mal";
        QTest::newRow("3er") << "Button11" << 6 << "Dreier 7\u20139: 2-mal";
        QTest::newRow("4er") << "Button12" << 6 << "Vierer 7\u201310: 0-mal";
        QTest::newRow("Paare mit")
            << "SpeedButton30" << 29 << "Zahl 30 mit 7: 2-mal zusammen gezogen";
    }
    void hoveredBarSaysItsValue()
    {
        QFETCH(QString, button);
        QFETCH(int, index);
        QFETCH(QString, text);
        WindowFixture f;
        f.clock.date = QDate(2025, 3, 25);
        f.writeDraws({makeDraw(QDate(2025, 3, 5), {7, 8, 9, 20, 30}),
                      makeDraw(QDate(2025, 3, 6), {7, 8, 9, 20, 30})});
        auto w = f.shownWindow();
        ChartPage* page = w->chartPage();
        page->DateTimePicker2->setDate(QDate(2025, 3, 1));
        page->UpDown21->setValue(7);
        w->pageControl()->setCurrentIndex(3);
        w->findChild<QAbstractButton*>(button)->click();
        StatisticsChartView* view = page->Chart1;
        auto* label = view->findChild<QLabel*>(QStringLiteral("ChartBarValue"));
        QVERIFY(label);
        QVERIFY(!label->isVisible());
        emit setOfBar(view, index)->hovered(true, index);
        QCOMPARE(view->toolTip(), text);
        QCOMPARE(view->hoveredText(), text);
        QVERIFY(label->isVisible());
        QCOMPARE(label->text(), text);
        QVERIFY(view->rect().contains(label->geometry()));
        emit setOfBar(view, index)->hovered(false, index);
        QCOMPARE(view->toolTip(), QString());
        QVERIFY(!label->isVisible());
        // A new chart forgets the hovered bar.
        emit setOfBar(view, index)->hovered(true, index);
        page->SpeedButton2->click();
        QCOMPARE(view->toolTip(), QString());
        QVERIFY(!label->isVisible());
    }

    // The legend names what each colour stands for, in the colour it stands for.
    void legendNamesTheColours_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("entries");  // "#rrggbb meaning", as the markers show them
        const QStringList primes{"#008000 keine Primzahl", "#ff0000 Primzahl"};
        QTest::newRow("Häufigkeit") << "SpeedButton2" << primes;
        QTest::newRow("Ausstehende") << "Button9" << primes;
        QTest::newRow("QS") << "SpeedButton9"
                            << QStringList{"#00a000 Ziehungen mit dieser Quersumme"};
        QTest::newRow("2er") << "Button10"
                             << QStringList{"#00a000 Ziehungen mit dieser Zahlenfolge"};
        QTest::newRow("Paare mit")
            << "SpeedButton30" << QStringList{"#0000ff mit 7 zusammen gezogen"};
    }
    void legendNamesTheColours()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, entries);
        WindowFixture f;
        f.clock.date = QDate(2025, 3, 25);
        f.writeDraws(someDraws());
        auto w = f.shownWindow();
        ChartPage* page = w->chartPage();
        page->UpDown21->setValue(7);
        w->findChild<QAbstractButton*>(button)->click();
        QLegend* legend = page->Chart1->chart()->legend();
        QVERIFY(legend->isVisible());
        QStringList shown;
        for (QLegendMarker* marker : legend->markers())
            shown << marker->brush().color().name() + ' ' + marker->label();
        QCOMPARE(shown, entries);
    }

    // "Achse ab 0" starts the value axis at 0; off, it starts just below the smallest bar.
    void axisFromZeroOption()
    {
        WindowFixture f;
        f.clock.date = QDate(2025, 3, 31);
        f.writeDraws(evenDraws());
        auto w = f.shownWindow();
        ChartPage* page = w->chartPage();
        page->DateTimePicker2->setDate(QDate(2025, 1, 1));
        page->SpeedButton2->click();
        StatisticsChartView* view = page->Chart1;
        QCOMPARE(w->state().chart.minimum(), 10.0);
        QCOMPARE(valueAxis(view)->min(), 9.0);
        QVERIFY(!page->CheckBox41->isChecked());
        page->CheckBox41->click();
        QVERIFY(w->state().chart.axisFromZero());
        QCOMPARE(valueAxis(view)->min(), 0.0);
        page->Button10->click();  // another chart keeps the choice
        QCOMPARE(valueAxis(view)->min(), 0.0);
        page->SpeedButton2->click();
        QCOMPARE(valueAxis(view)->min(), 0.0);
        page->CheckBox41->click();
        QCOMPARE(valueAxis(view)->min(), 9.0);
    }

    // The choice is a settings value: written at the close, shown at the next start.
    void axisFromZeroIsKept()
    {
        WindowFixture f;
        f.clock.date = QDate(2025, 3, 31);
        f.writeDraws(evenDraws());
        {
            auto w = f.shownWindow();
            w->chartPage()->CheckBox41->click();
            w->close();
        }
        QVERIFY(f.settings.openKey(kSettingsKey, false));
        QCOMPARE(f.settings.readBool(QStringLiteral("CheckBox41")), std::optional<bool>(true));
        f.settings.closeKey();
        auto w = f.shownWindow();
        QVERIFY(w->chartPage()->CheckBox41->isChecked());
        QVERIFY(w->state().chart.axisFromZero());
        QCOMPARE(valueAxis(w->chartPage()->Chart1)->min(), 0.0);
    }

    void saveWritesThePicture()
    {
        WindowFixture f;
        f.clock.date = QDate(2025, 3, 25);
        f.writeDraws(someDraws());
        auto w = f.shownWindow();
        w->resize(1000, 700);
        w->pageControl()->setCurrentIndex(3);
        QCoreApplication::processEvents();
        const QString path = f.appData.filePath(QStringLiteral("bild"));
        f.dialogs.fileAnswers << path;
        w->chartPage()->Button21->click();
        QCOMPARE(f.dialogs.shown.size(), 1);
        QCOMPARE(f.dialogs.shown.first().kind, QStringLiteral("save"));
        QCOMPARE(f.dialogs.shown.first().file.title, QStringLiteral("Diagramm speichern"));
        QCOMPARE(f.dialogs.shown.first().file.defaultExtension, QStringLiteral("png"));
        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("png"));
        const QImage picture = reader.read();
        QVERIFY(!picture.isNull());
        const QSize expected = w->chartPage()->Chart1->size();
        QVERIFY(expected.width() > 300 && expected.height() > 200);
        QCOMPARE(picture.size(), expected);
        // Not a blank picture: the bars' green is in it.
        bool green = false;
        for (int y = 0; y < picture.height() && !green; y += 2)
            for (int x = 0; x < picture.width() && !green; x += 2)
                green = picture.pixelColor(x, y) == QColor(0x008000);
        QVERIFY(green);
        QCOMPARE(child<QLabel>(w.get(), "StatusPanel1")->text(),
                 QStringLiteral("Diagramm gespeichert in ") + QDir::toNativeSeparators(path));
    }

    void saveErrorNamesFileAndReason()
    {
        WindowFixture f;
        f.writeDraws(someDraws());
        auto w = f.shownWindow();
        f.dialogs.shown.clear();
        const QString path = f.appData.filePath(QStringLiteral("fehlt/diagramm.png"));
        f.dialogs.fileAnswers << path;
        w->chartPage()->Button21->click();
        const QStringList notices = f.dialogs.notices();
        QCOMPARE(notices.size(), 1);
        QCOMPARE(f.dialogs.shown.size(), 2);  // the file dialog, then the notice
        const QString start =
            QStringLiteral("Diagramm nicht gespeichert: ") + QDir::toNativeSeparators(path) + ": ";
        QVERIFY2(notices.first().startsWith(start), qPrintable(notices.first()));
        QVERIFY2(notices.first().size() > start.size() + 3, qPrintable(notices.first()));
        QVERIFY(!QFile::exists(path));
        // Cancelled: nothing is asked or written.
        f.dialogs.shown.clear();
        w->chartPage()->Button21->click();
        QCOMPARE(f.dialogs.notices(), QStringList());
    }

    // With KUGELWART_SHOTS set to a folder: the number distribution of the real draw
    // history (when it is beside the checkout) with a hovered bar and the legend.
    void screenshots()
    {
        const QString folder = qEnvironmentVariable("KUGELWART_SHOTS");
        if (folder.isEmpty()) QSKIP("KUGELWART_SHOTS names no folder");
        WindowFixture f;
        std::vector<DrawRecord> draws = publishedDraws();
        if (draws.empty()) draws = someDraws();
        f.clock.date = dateFromDayCount(draws.back().datum).addDays(1);
        f.writeDraws(draws);
        auto w = f.shownWindow();
        w->resize(1280, 770);
        ChartPage* page = w->chartPage();
        page->DateTimePicker2->setDate(dateFromDayCount(draws.front().datum));
        w->pageControl()->setCurrentIndex(3);
        page->SpeedButton2->click();
        QCoreApplication::processEvents();
        StatisticsChartView* view = page->Chart1;
        // The chart drops the items of the axes it replaces later, as the event loop
        // of the running program would.
        const auto settle = [] {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
        };
        settle();
        emit setOfBar(view, 16)->hovered(true, 16);
        settle();
        QVERIFY(w->grab().save(QDir(folder).filePath(QStringLiteral("chart_hovered.png"))));
        page->CheckBox41->click();
        page->Button10->click();
        settle();
        emit setOfBar(view, 20)->hovered(true, 20);
        settle();
        QVERIFY(w->grab().save(QDir(folder).filePath(QStringLiteral("chart_pairs_axis0.png"))));
    }

    void pairsWithSpinBoxFollowsTheSteps()
    {
        WindowFixture f;
        f.writeDraws(someDraws());
        auto w = f.window();
        ChartPage* page = w->chartPage();
        page->UpDown21->setValue(50);
        QCOMPARE(w->state().UpDown21, 50);
        page->SpeedButton29->click();
        QCOMPARE(page->UpDown21->value(), 1);
        QCOMPARE(w->findChild<QLineEdit*>(QStringLiteral("Edit107"))->text(), QStringLiteral("1"));
    }
};

QTEST_MAIN(TestChartPage)
#include "test_chart_page.moc"
