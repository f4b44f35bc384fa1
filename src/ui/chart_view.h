#pragma once
// Draws the statistics chart's data as bars: one colour per bar where the data
// gives one, the value axis as set, the caption under the bars, the colours'
// legend, and the hovered bar's own text beside it and as the hint.
#include <QChartView>

class QLabel;

namespace kw {

class ChartData;

class StatisticsChartView : public QChartView {
    Q_OBJECT
public:
    StatisticsChartView(QWidget* parent, const ChartData& chartData);
    // Redraws from the data.
    void refresh();
    // The text of the bar under the mouse; empty when none is.
    QString hoveredText() const { return m_hoveredText; }
    // The chart as a PNG file of the view's size; false with "file: reason" in *error.
    bool savePicture(const QString& path, QString* error);

private:
    // A bar set's hovered(status, index): the text of the bar at index, or none.
    void showBar(bool hovered, int index, double value);

    const ChartData& m_data;
    QString m_hoveredText;
    QLabel* m_valueLabel;  // the hovered bar's text, above the bar
};

}  // namespace kw
