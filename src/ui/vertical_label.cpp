#include "ui/vertical_label.h"

#include <QMouseEvent>
#include <QPainter>

namespace kw {

VerticalLabel::VerticalLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
}

QSize VerticalLabel::sizeHint() const
{
    const QFontMetrics fm(font());
    int width = 0;
    for (const QChar c : text()) width = qMax(width, fm.horizontalAdvance(c));
    return {width + 8, static_cast<int>(text().size()) * fm.height() + 8};
}

QSize VerticalLabel::minimumSizeHint() const
{
    // The banner may be shorter than its text; the letters are then spaced closer.
    return {sizeHint().width(), QFontMetrics(font()).height() * 4};
}

void VerticalLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(font());
    const QString letters = text();
    if (letters.isEmpty()) return;
    const double step = static_cast<double>(height()) / letters.size();
    for (int i = 0; i < letters.size(); ++i) {
        const QRectF cell(0, i * step, width(), step);
        painter.drawText(cell, Qt::AlignCenter, QString(letters.at(i)));
    }
}

void VerticalLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

}  // namespace kw
