#include "platform/report/report.h"

#include <QDir>
#include <QImageReader>
#include <QPageSize>
#include <cmath>
#include <utility>

namespace kw {

namespace {

// Rounds as the templates' designer converts between pixels and points.
int scaledRounded(int value, int numerator, int denominator)
{
    return static_cast<int>(std::lround(static_cast<double>(value) * numerator / denominator));
}

template <typename Item>
Item* findByName(std::vector<Item>& items, const QString& name)
{
    for (Item& item : items) {
        if (item.name.compare(name, Qt::CaseInsensitive) == 0) return &item;
    }
    return nullptr;
}

}  // namespace

int ReportText::fontSize() const
{
    return scaledRounded(fontPixels, 72, 96);
}

void ReportText::setFontSize(int points)
{
    fontPixels = scaledRounded(points, 96, 72);
}

void ReportPage::setPaperSize(int code)
{
    paperSize = code;
    const QPageSize::PageSizeId id = QPageSize::id(code);
    if (code == 256 || id == QPageSize::Custom) return;
    const QSizeF size = QPageSize::size(id, QPageSize::Millimeter);
    const bool landscape = orientation == QPageLayout::Landscape;
    paperWidth = landscape ? size.height() : size.width();
    paperHeight = landscape ? size.width() : size.height();
}

void ReportPage::setOrientation(QPageLayout::Orientation newOrientation)
{
    if (newOrientation == orientation) return;
    orientation = newOrientation;
    std::swap(paperWidth, paperHeight);
}

bool ReportPage::setBackground(const QString& path, QString* error)
{
    QImageReader reader(path);
    QImage picture = reader.read();
    if (picture.isNull()) {
        if (error)
            *error = QDir::toNativeSeparators(path) + QStringLiteral(": ") + reader.errorString();
        return false;
    }
    background = std::move(picture);
    return true;
}

QPageLayout ReportPage::pageLayout() const
{
    // QPageLayout wants the upright paper and turns it itself.
    const bool landscape = orientation == QPageLayout::Landscape;
    const QSizeF upright =
        landscape ? QSizeF(paperHeight, paperWidth) : QSizeF(paperWidth, paperHeight);
    const QPageSize size(upright, QPageSize::Millimeter, name, QPageSize::ExactMatch);
    QPageLayout layout(size, orientation, QMarginsF(), QPageLayout::Millimeter, QMarginsF());
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

ReportText* ReportPage::text(const QString& objectName)
{
    return findByName(texts, objectName);
}

ReportPage* Report::page(const QString& name)
{
    return findByName(m_pages, name);
}

ReportText* Report::text(const QString& name)
{
    for (ReportPage& page : m_pages) {
        if (ReportText* found = page.text(name)) return found;
    }
    return nullptr;
}

Report builtInReport()
{
    // The slip holds ten tip blocks, two side by side and five below each other,
    // each a grid of 10 x 5 fields (numbers 1 to 42 row by row). The objects sit
    // where the calibration reads them: Zahl1 on the block's first field, Zahl2
    // on the last field of its first row, Zahl4 on the first field of its last
    // row; Zahl3 takes the last field of the last row and Zahl5 the middle
    // (number 25). Stern1 and Stern2 sit in a row below the block. Each object
    // is one field large with its text centred, in 10 pt Arial, and empty.
    constexpr double firstLeft = 12;  // field of number 1 of the first block
    constexpr double firstTop = 40;
    constexpr double fieldWidth = 17;
    constexpr double fieldHeight = 22;
    constexpr double blockLeft = 190;  // distance from one block to the next across
    constexpr double blockTop = 140;   // and down
    constexpr int blockColumns = 2;
    struct Field {
        QString prefix;
        int column;
        int row;
    };
    const Field fields[] = {{QStringLiteral("Zahl1_"), 0, 0}, {QStringLiteral("Zahl2_"), 9, 0},
                            {QStringLiteral("Zahl3_"), 9, 4}, {QStringLiteral("Zahl4_"), 0, 4},
                            {QStringLiteral("Zahl5_"), 4, 2}, {QStringLiteral("Stern1_"), 0, 5},
                            {QStringLiteral("Stern2_"), 1, 5}};

    ReportPage page;
    page.name = QStringLiteral("Page1");
    page.paperSize = 256;
    page.paperWidth = 105;
    page.paperHeight = 198;
    for (int tip = 1; tip <= 10; ++tip) {
        for (const Field& field : fields) {
            ReportText text;
            text.name = field.prefix + QString::number(tip);
            text.left =
                firstLeft + (tip - 1) % blockColumns * blockLeft + field.column * fieldWidth;
            text.top = firstTop + (tip - 1) / blockColumns * blockTop + field.row * fieldHeight;
            text.width = fieldWidth;
            text.height = fieldHeight;
            text.alignment = Qt::AlignCenter;
            page.texts.push_back(text);
        }
    }
    Report report;
    report.pages().push_back(std::move(page));
    return report;
}

}  // namespace kw
