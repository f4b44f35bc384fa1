#include <QAbstractBarSeries>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

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
