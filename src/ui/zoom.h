#pragma once
// Proportional scaling of a widget tree: every font under the root follows one
// zoom factor, down to 7 pt at the smallest. Sizes follow through the layouts,
// which size controls by their fonts.
class QWidget;

namespace kw {

// Sets the fonts under root to their design size times zoom, never below 7 pt
// (nor below a smaller design size); design sizes are remembered on first use.
void applyZoom(QWidget* root, double zoom);
// The zoom currently applied to root (1 when never zoomed).
double zoomOf(const QWidget* root);

}  // namespace kw
