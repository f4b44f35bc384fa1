#pragma once
// Draws the statistics chart's data as bars: one colour per bar where the data
// gives one, the value axis as set, the caption under the bars.
#include <QChartView>

namespace kw {

class ChartData;

class StatisticsChartView : public QChartView {
    Q_OBJECT
public:
    StatisticsChartView(QWidget* parent, const ChartData& chartData);
    // Redraws from the data.
    void refresh();

private:
    const ChartData& m_data;
};

}  // namespace kw
