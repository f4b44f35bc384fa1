#pragma once
// Paints report pages with QPainter: onto the screen or an image, onto a
// printer, or into a PDF file. One unit of the page is 1/96 inch.
#include <QString>
#include <vector>

#include "platform/report/report.h"

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

namespace kw {

// The page in the painter's current coordinates, taken as 1/96 inch with the
// paper's top-left corner at the origin: the background over the whole paper,
// then the visible text objects inside the margins.
void paintPage(QPainter& painter, const ReportPage& page);

// The page on white paper at the top-left corner of an image or widget, scaled
// by the device's resolution (an image of 96 dots per inch shows it unscaled).
// False when the device cannot be painted on.
bool renderPage(QPaintDevice& device, const ReportPage& page);

// One sheet per page onto a printer or PDF writer, each with its own paper and
// no margins of the device's own. False with a reason when printing cannot start.
bool printPages(QPagedPaintDevice& device, const std::vector<ReportPage>& pages, QString* error);

// The pages as a PDF file, written whole or not at all.
bool writePdf(const QString& path, const std::vector<ReportPage>& pages, QString* error);

}  // namespace kw
