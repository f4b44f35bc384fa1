#include "ui/chart_view.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QLineSeries>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <cmath>
#include <map>

#include "stats/chart_data.h"

namespace kw {

StatisticsChartView::StatisticsChartView(QWidget* parent, const ChartData& chartData)
    : QChartView(parent), m_data(chartData)
{
    setObjectName(QStringLiteral("Chart1"));
    setRenderHint(QPainter::Antialiasing);
    chart()->legend()->hide();
    chart()->setAnimationOptions(QChart::NoAnimation);
    chart()->setMargins(QMargins(4, 4, 4, 4));
    connect(&chartData, &ChartData::changed, this, &StatisticsChartView::refresh);
    refresh();
}

void StatisticsChartView::refresh()
{
    QChart* c = chart();
    c->removeAllSeries();
    for (QAbstractAxis* axis : c->axes()) {
        c->removeAxis(axis);
        delete axis;
    }
    const auto& points = m_data.points();
    // One bar set per colour, stacked: a bar of another colour is 0 in this set.
    std::map<ChartColour, QBarSet*> sets;
    QStringList categories;
    for (const ChartPoint& p : points) sets.emplace(p.colour.value_or(kDefaultBarColour), nullptr);
    QAbstractBarSeries* series = sets.size() > 1
                                     ? static_cast<QAbstractBarSeries*>(new QStackedBarSeries)
                                     : static_cast<QAbstractBarSeries*>(new QBarSeries);
    for (auto& [colour, set] : sets) {
        set = new QBarSet(QString());
        set->setColor(QColor::fromRgb(colour));
        set->setBorderColor(QColor::fromRgb(colour).darker(130));
        set->setLabelColor(palette().color(QPalette::WindowText));
        series->append(set);
    }
    for (const ChartPoint& p : points) {
        const ChartColour own = p.colour.value_or(kDefaultBarColour);
        for (auto& [colour, set] : sets) set->append(colour == own ? p.y : 0.0);
        categories << QString::number(p.x);
    }
    series->setBarWidth(0.8);
    series->setLabelsVisible(m_data.valueLabelsVisible() && sets.size() == 1);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    c->addSeries(series);

    auto* x = new QBarCategoryAxis;
    x->append(categories);
    // The title is rich text: keep its blanks as they are.
    x->setTitleText(
        m_data.title().toHtmlEscaped().replace(QLatin1Char(' '), QStringLiteral("&nbsp;")));
    auto* y = new QValueAxis;
    // The set range, with a little room below so that the smallest bar still shows
    // (the data keeps the range exactly as the statistics set it).
    double low = m_data.minimum();
    const double high = m_data.maximum();
    if (low > 0) low = std::max(0.0, low - std::max(1.0, (high - low) * 0.05));
    const double top =
        high > low ? high + (high - low) * 0.03 : low + 1;  // a flat 0..0 chart still gets an axis
    y->setRange(low, top);
    // Whole-number ticks at a step of 1, 2 or 5 times a power of ten, about eight of them.
    const double span = std::max(1.0, top - low);
    double step = std::pow(10.0, std::floor(std::log10(span / 8)));
    for (double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (span / (step * factor) <= 10) {
            step *= factor;
            break;
        }
    }
    y->setTickType(QValueAxis::TicksDynamic);
    y->setTickAnchor(std::floor(low / step) * step);
    y->setTickInterval(std::max(1.0, step));
    y->setLabelFormat(QStringLiteral("%.0f"));
    c->addAxis(x, Qt::AlignBottom);
    c->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);

    // Too many bars for a label each (the sums): a value scale under the bars
    // instead, carried by an empty line series.
    if (points.size() > 60) {
        x->setLabelsVisible(false);
        x->setGridLineVisible(false);
        x->setTitleText(QString());
        auto* scale = new QValueAxis;
        scale->setRange(points.front().x - 0.5, points.back().x + 0.5);
        scale->setTickType(QValueAxis::TicksDynamic);
        scale->setTickAnchor(0);
        scale->setTickInterval(10);
        scale->setLabelFormat(QStringLiteral("%.0f"));
        scale->setGridLineVisible(false);
        scale->setTitleText(
            m_data.title().toHtmlEscaped().replace(QLatin1Char(' '), QStringLiteral("&nbsp;")));
        auto* carrier = new QLineSeries;
        c->addSeries(carrier);
        c->addAxis(scale, Qt::AlignBottom);
        carrier->attachAxis(scale);
        carrier->attachAxis(y);
    }
}

}  // namespace kw
