#pragma once
// The statistics chart as data: the bars (x, y, optional colour, in the order
// added), the value axis range and the caption. The statistics write it, the
// generation reads it back, the chart page draws it.
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace kw {

// 0xRRGGBB.
using ChartColour = std::uint32_t;
inline constexpr ChartColour kPrimeRed = 0xFF0000;
inline constexpr ChartColour kDarkGreen = 0x008000;
inline constexpr ChartColour kPairBlue = 0x0000FF;
inline constexpr ChartColour kDefaultBarColour = 0x00A000;  // the series' own green

struct ChartPoint {
    double x = 0;
    double y = 0;
    std::optional<ChartColour> colour;  // none: the series' default colour
};

// What one colour of the bars stands for in the chart shown.
struct LegendEntry {
    ChartColour colour = kDefaultBarColour;
    QString text;
};

// A bar's own text, from its point (e.g. "Zahl 17: 23-mal gezogen").
using BarText = std::function<QString(const ChartPoint&)>;

class ChartData : public QObject {
    Q_OBJECT
public:
    const std::vector<ChartPoint>& points() const { return m_points; }
    int count() const { return static_cast<int>(m_points.size()); }
    double y(int position) const { return m_points.at(static_cast<size_t>(position)).y; }

    // Makes the bar series the active one and empties it, with its bar texts and
    // legend (every operation starts so).
    void clear();
    void addPoint(double x, double y, std::optional<ChartColour> colour = std::nullopt);

    bool automatic() const { return m_automatic; }
    void setAutomatic(bool automatic);
    // The range shown: the set one, or with the automatic flag on the one derived
    // from the points (0 or the smallest value below it, up to the largest value).
    double minimum() const;
    double maximum() const;
    void setMinimum(double minimum);
    // Refused (false, nothing changed) for a maximum below the current minimum.
    bool setMaximum(double maximum);

    const QString& title() const { return m_title; }
    void setTitle(const QString& title);

    bool valueLabelsVisible() const { return m_valueLabels; }
    void hideValueLabels();

    // The text of the bar at a position (empty where the chart gives none).
    QString barText(int position) const;
    void setBarText(BarText text) { m_barText = std::move(text); }
    // The colours' meanings, in the order the chart names them.
    const std::vector<LegendEntry>& legend() const { return m_legend; }
    void setLegend(std::vector<LegendEntry> legend) { m_legend = std::move(legend); }

    // The view's choice: the value axis starts at 0 instead of just below the
    // smallest value. Tells the view at once.
    bool axisFromZero() const { return m_axisFromZero; }
    void setAxisFromZero(bool fromZero);

    // Tells the view that a whole operation has finished writing.
    void publish() { emit changed(); }

signals:
    void changed();

private:
    std::vector<ChartPoint> m_points;
    bool m_automatic = true;
    double m_minimum = 0;
    double m_maximum = 0;
    QString m_title;
    bool m_valueLabels = true;
    BarText m_barText;
    std::vector<LegendEntry> m_legend;
    bool m_axisFromZero = false;
};

}  // namespace kw
