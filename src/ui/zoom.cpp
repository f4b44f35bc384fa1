#include "ui/zoom.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QLayout>
#include <QVariant>
#include <QWidget>

namespace kw {

namespace {

constexpr auto kDesignPointSize = "kwDesignPointSize";
constexpr auto kZoom = "kwZoom";
constexpr auto kDesignMargins = "kwDesignMargins";
constexpr auto kDesignSpacing = "kwDesignSpacing";
constexpr auto kDesignIconSize = "kwDesignIconSize";
// A smaller window does not shrink a font below this: its page scrolls instead.
constexpr double kSmallestPointSize = 7.0;

int scaled(int value, double zoom)
{
    return value < 0 ? value : qRound(value * zoom);
}

void scaleSpacing(QLayout* layout, double zoom)
{
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        if (!grid->property(kDesignSpacing).isValid())
            grid->setProperty(kDesignSpacing,
                              QSize(grid->horizontalSpacing(), grid->verticalSpacing()));
        const QSize design = grid->property(kDesignSpacing).toSize();
        grid->setHorizontalSpacing(scaled(design.width(), zoom));
        grid->setVerticalSpacing(scaled(design.height(), zoom));
        return;
    }
    if (!layout->property(kDesignSpacing).isValid())
        layout->setProperty(kDesignSpacing, layout->spacing());
    layout->setSpacing(scaled(layout->property(kDesignSpacing).toInt(), zoom));
}

// Margins, spacing and icons are pixels: they follow the zoom as the fonts do.
void scaleGeometry(QWidget* widget, double zoom)
{
    if (QLayout* layout = widget->layout()) {
        if (!layout->property(kDesignMargins).isValid()) {
            const QMargins m = layout->contentsMargins();
            layout->setProperty(kDesignMargins, QRect(m.left(), m.top(), m.right(), m.bottom()));
        }
        const QRect m = layout->property(kDesignMargins).toRect();
        layout->setContentsMargins(scaled(m.x(), zoom), scaled(m.y(), zoom),
                                   scaled(m.width(), zoom), scaled(m.height(), zoom));
        scaleSpacing(layout, zoom);
        for (QLayout* inner : layout->findChildren<QLayout*>()) scaleSpacing(inner, zoom);
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget); button && !button->icon().isNull()) {
        if (!button->property(kDesignIconSize).isValid())
            button->setProperty(kDesignIconSize, button->iconSize());
        const QSize size = button->property(kDesignIconSize).toSize();
        button->setIconSize(
            QSize(qMax(4, scaled(size.width(), zoom)), qMax(4, scaled(size.height(), zoom))));
    }
}

void scaleFont(QWidget* widget, double zoom)
{
    QVariant design = widget->property(kDesignPointSize);
    if (!design.isValid()) {
        design = widget->font().pointSizeF();
        widget->setProperty(kDesignPointSize, design);
    }
    const double designSize = design.toDouble();
    if (designSize <= 0) return;  // pixel-sized fonts stay
    QFont font = widget->font();
    font.setPointSizeF(qMax(qMin(kSmallestPointSize, designSize), designSize * zoom));
    widget->setFont(font);
}

}  // namespace

void applyZoom(QWidget* root, double zoom)
{
    if (!root || !(zoom > 0)) return;
    // Remember the design sizes before any font changes, because children
    // inherit their parent's font until they set their own.
    const QList<QWidget*> children = root->findChildren<QWidget*>();
    for (QWidget* w : children)
        if (!w->property(kDesignPointSize).isValid())
            w->setProperty(kDesignPointSize, w->font().pointSizeF());
    scaleFont(root, zoom);
    scaleGeometry(root, zoom);
    for (QWidget* w : children) {
        scaleFont(w, zoom);
        scaleGeometry(w, zoom);
    }
    root->setProperty(kZoom, zoom);
}

double zoomOf(const QWidget* root)
{
    const QVariant zoom = root ? root->property(kZoom) : QVariant();
    return zoom.isValid() ? zoom.toDouble() : 1.0;
}

}  // namespace kw
