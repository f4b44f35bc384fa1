#include "ui/chart_view.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QStackedBarSeries>
#include <QToolTip>
#include <QValueAxis>
#include <cmath>
#include <map>

#include "state/atomic_write.h"
#include "state/file_error.h"
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
    chart()->legend()->setAlignment(Qt::AlignTop);
    // A hint is not part of a picture of the window: the value shows on the chart too.
    m_valueLabel = new QLabel(this);
    m_valueLabel->setObjectName(QStringLiteral("ChartBarValue"));
    m_valueLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_valueLabel->setStyleSheet(
        QStringLiteral("QLabel { background: #FFFFE1; color: black; border: 1px solid #767676; "
                       "padding: 2px 4px; }"));
    m_valueLabel->hide();
    connect(&chartData, &ChartData::changed, this, &StatisticsChartView::refresh);
    refresh();
}

void StatisticsChartView::refresh()
{
    showBar(false, -1, 0);
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
    const auto meaning = [this](ChartColour colour) {
        for (const LegendEntry& entry : m_data.legend())
            if (entry.colour == colour) return entry.text;
        return QString();
    };
    bool named = false;
    for (auto& [colour, set] : sets) {
        set = new QBarSet(meaning(colour));
        named = named || !set->label().isEmpty();
        set->setColor(QColor::fromRgb(colour));
        set->setBorderColor(QColor::fromRgb(colour).darker(130));
        set->setLabelColor(palette().color(QPalette::WindowText));
        series->append(set);
        connect(set, &QBarSet::hovered, this,
                [this, set](bool status, int index) { showBar(status, index, set->at(index)); });
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
    c->legend()->setVisible(named);

    auto* x = new QBarCategoryAxis;
    x->append(categories);
    // The title is rich text: keep its blanks as they are.
    x->setTitleText(
        m_data.title().toHtmlEscaped().replace(QLatin1Char(' '), QStringLiteral("&nbsp;")));
    auto* y = new QValueAxis;
    // The set range, with a little room below so that the smallest bar still shows
    // (the data keeps the range exactly as the statistics set it).
    // The view's option starts it at 0 instead.
    double low = m_data.minimum();
    const double high = m_data.maximum();
    if (m_data.axisFromZero())
        low = std::min(0.0, low);
    else if (low > 0)
        low = std::max(0.0, low - std::max(1.0, (high - low) * 0.05));
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
        for (QLegendMarker* marker : c->legend()->markers(carrier)) marker->setVisible(false);
    }
}

void StatisticsChartView::showBar(bool hovered, int index, double value)
{
    m_hoveredText = hovered ? m_data.barText(index) : QString();
    setToolTip(m_hoveredText);
    if (m_hoveredText.isEmpty()) {
        m_valueLabel->hide();
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(QCursor::pos(), m_hoveredText, this);
    m_valueLabel->setText(m_hoveredText);
    m_valueLabel->adjustSize();
    // Above the bar's top, kept inside the view.
    QPointF top = QPointF(index, value);
    if (const QList<QAbstractSeries*> all = chart()->series(); !all.isEmpty())
        top = chart()->mapToPosition(top, all.first());
    const QPoint at = mapFromScene(chart()->mapToScene(top));
    const int x = std::clamp(at.x() - m_valueLabel->width() / 2, 2,
                             std::max(2, width() - m_valueLabel->width() - 2));
    const int y = std::clamp(at.y() - m_valueLabel->height() - 6, 2,
                             std::max(2, height() - m_valueLabel->height() - 2));
    m_valueLabel->move(x, y);
    m_valueLabel->show();
    m_valueLabel->raise();
}

bool StatisticsChartView::savePicture(const QString& path, QString* error)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!grab().save(&buffer, "PNG")) {
        if (error) *error = fileErrorText(path, QStringLiteral("PNG: ") + buffer.errorString());
        return false;
    }
    return writeFileAtomically(path, bytes, error);
}

}  // namespace kw
