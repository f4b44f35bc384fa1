#pragma once
// A label whose text runs from top to bottom, letter by letter (the banners of the tip page).
#include <QLabel>

namespace kw {

class VerticalLabel : public QLabel {
    Q_OBJECT
public:
    explicit VerticalLabel(const QString& text, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace kw
