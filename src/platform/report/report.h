#pragma once
// Report templates (".fr3"): pages of named text objects that the slip printing
// places and fills, loaded from and saved to the templates' XML form.
#include <QColor>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QString>
#include <vector>

namespace kw {

// A text object. Positions and sizes are in 1/96 inch from the top-left corner
// of the page's printable area (inside the margins).
struct ReportText {
    QString name;
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    QString text;  // lines separated by '\n'
    QString fontName = QStringLiteral("Arial");
    int fontPixels = 13;  // font height in 1/96 inch; 13 is 10 pt
    bool bold = false;
    bool italic = false;
    QColor color = Qt::black;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    bool visible = true;

    // In whole points, rounded as the templates' designer shows them (13 pixels = 10 pt).
    int fontSize() const;
    void setFontSize(int points);
};

struct ReportPage {
    QString name;
    double paperWidth = 210;  // millimetres, as oriented: landscape has the long side here
    double paperHeight = 297;
    int paperSize = 9;  // Windows paper code: 9 = A4, 256 = a custom size
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF margins;  // millimetres
    QImage background;  // stretched over the whole paper, margins included
    std::vector<ReportText> texts;

    // A known code also sets width and height (in the current orientation);
    // 256 and unknown codes keep them.
    void setPaperSize(int code);
    // Turning the page swaps width and height.
    void setOrientation(QPageLayout::Orientation newOrientation);
    // A PNG or JPEG picture (anything Qt reads); false with the reason, the old one kept.
    bool setBackground(const QString& path, QString* error);
    // The paper with no margins: painting starts at the paper's corner.
    QPageLayout pageLayout() const;
    ReportText* text(const QString& objectName);  // case-insensitive
};

class Report {
public:
    // Replaces the pages by the template's; on failure the report stays as it was
    // and error names the file and what is wrong in it. Unknown elements (with
    // everything inside them) and unknown attributes are ignored.
    bool load(const QString& path, QString* error);
    bool save(const QString& path, QString* error) const;

    // By name, case-insensitive; null when missing. Valid until pages or objects
    // are added or removed.
    ReportPage* page(const QString& name);
    ReportText* text(const QString& name);

    std::vector<ReportPage>& pages() { return m_pages; }
    const std::vector<ReportPage>& pages() const { return m_pages; }

    // Takes the pages as they are now for preview and printing; later changes
    // show only after the next prepare().
    void prepare() { m_prepared = m_pages; }
    const std::vector<ReportPage>& preparedPages() const { return m_prepared; }

private:
    std::vector<ReportPage> m_pages;
    std::vector<ReportPage> m_prepared;
};

// The report used when no template file is found: "Page1" for a slip of
// 105 x 198 mm with the objects Zahl1_1..Zahl5_10 and Stern1_1..Stern2_10.
Report builtInReport();

// 1/96-inch units per millimetre.
inline constexpr double kUnitsPerMillimetre = 96.0 / 25.4;

}  // namespace kw
