#include "ui/zoom.h"

#include <QVariant>
#include <QWidget>

namespace kw {

namespace {

constexpr auto kDesignPointSize = "kwDesignPointSize";
constexpr auto kZoom = "kwZoom";

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
    font.setPointSizeF(qMax(1.0, designSize * zoom));
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
    for (QWidget* w : children) scaleFont(w, zoom);
    root->setProperty(kZoom, zoom);
}

double zoomOf(const QWidget* root)
{
    const QVariant zoom = root ? root->property(kZoom) : QVariant();
    return zoom.isValid() ? zoom.toDouble() : 1.0;
}

}  // namespace kw
