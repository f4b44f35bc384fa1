#include "platform/report/report_painter.h"

#include <QDir>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>

namespace kw {

namespace {

QRectF paperRect(const ReportPage& page)
{
    return QRectF(0, 0, page.paperWidth * kUnitsPerMillimetre,
                  page.paperHeight * kUnitsPerMillimetre);
}

void scaleToUnits(QPainter& painter, const QPaintDevice& device)
{
    painter.scale(device.logicalDpiX() / 96.0, device.logicalDpiY() / 96.0);
}

}  // namespace

void paintPage(QPainter& painter, const ReportPage& page)
{
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!page.background.isNull()) painter.drawImage(paperRect(page), page.background);
    painter.translate(page.margins.left() * kUnitsPerMillimetre,
                      page.margins.top() * kUnitsPerMillimetre);
    for (const ReportText& text : page.texts) {
        if (!text.visible || text.text.isEmpty()) continue;
        QFont font(text.fontName);
        font.setPixelSize(std::max(1, text.fontPixels));
        font.setBold(text.bold);
        font.setItalic(text.italic);
        painter.setFont(font);
        painter.setPen(text.color);
        // Text may reach beyond its object, as a cross larger than its field still shows whole.
        int flags = int(text.alignment) | Qt::TextDontClip;
        if (text.width > 0) flags |= Qt::TextWordWrap;
        painter.drawText(QRectF(text.left, text.top, text.width, text.height), flags, text.text);
    }
    painter.restore();
}

bool renderPage(QPaintDevice& device, const ReportPage& page)
{
    QPainter painter(&device);
    if (!painter.isActive()) return false;
    scaleToUnits(painter, device);
    painter.fillRect(paperRect(page), Qt::white);
    paintPage(painter, page);
    return true;
}

bool printPages(QPagedPaintDevice& device, const std::vector<ReportPage>& pages, QString* error)
{
    if (pages.empty()) {
        if (error) *error = QStringLiteral("Der Bericht hat keine Seite.");
        return false;
    }
    device.setPageLayout(pages.front().pageLayout());
    QPainter painter;
    if (!painter.begin(&device)) {
        if (error) *error = QStringLiteral("Der Drucker kann nicht drucken.");
        return false;
    }
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) {
            // Printers that cannot change paper while printing keep the first page's.
            device.setPageLayout(pages[i].pageLayout());
            device.newPage();
        }
        painter.save();
        scaleToUnits(painter, device);
        paintPage(painter, pages[i]);
        painter.restore();
    }
    return painter.end();
}

bool writePdf(const QString& path, const std::vector<ReportPage>& pages, QString* error)
{
    QSaveFile file(path);
    const auto fail = [&](const QString& reason) {
        if (error) *error = QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason;
        return false;
    };
    if (!file.open(QIODevice::WriteOnly)) return fail(file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Kugelwart"));
        QString reason;
        if (!printPages(writer, pages, &reason)) return fail(reason);
    }
    if (!file.commit()) return fail(file.errorString());
    return true;
}

}  // namespace kw
