#include "stats/chart_data.h"

#include <algorithm>

namespace kw {

void ChartData::clear()
{
    m_points.clear();
    m_barText = nullptr;
    m_legend.clear();
}

void ChartData::addPoint(double x, double y, std::optional<ChartColour> colour)
{
    m_points.push_back({x, y, colour});
}

void ChartData::setAutomatic(bool automatic)
{
    m_automatic = automatic;
}

double ChartData::minimum() const
{
    if (!m_automatic) return m_minimum;
    double lowest = 0;
    for (const ChartPoint& p : m_points) lowest = std::min(lowest, p.y);
    return lowest;
}

double ChartData::maximum() const
{
    if (!m_automatic) return m_maximum;
    double highest = m_points.empty() ? 0 : m_points.front().y;
    for (const ChartPoint& p : m_points) highest = std::max(highest, p.y);
    return std::max(highest, minimum());
}

void ChartData::setMinimum(double minimum)
{
    m_minimum = minimum;
}

bool ChartData::setMaximum(double maximum)
{
    if (maximum < m_minimum) return false;
    m_maximum = maximum;
    return true;
}

void ChartData::setTitle(const QString& title)
{
    m_title = title;
}

void ChartData::hideValueLabels()
{
    m_valueLabels = false;
}

QString ChartData::barText(int position) const
{
    if (!m_barText || position < 0 || position >= count()) return {};
    return m_barText(m_points[static_cast<size_t>(position)]);
}

void ChartData::setAxisFromZero(bool fromZero)
{
    if (m_axisFromZero == fromZero) return;
    m_axisFromZero = fromZero;
    emit changed();
}

}  // namespace kw
