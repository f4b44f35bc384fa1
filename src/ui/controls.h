#pragma once
// Small builders for named controls: every control carries its designer name as
// objectName (settings and language files are keyed by it) and its hint as tooltip,
// and is added to its window's list of controls as it is made.
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QStyle>
#include <QToolButton>

#include "ui/control_list.h"

namespace kw {

template <typename Widget>
Widget* named(Widget* widget, const char* name, const QString& hint = {})
{
    widget->setObjectName(QLatin1String(name));
    if (!hint.isEmpty()) widget->setToolTip(hint);
    ControlList::record(widget, widget->parentWidget());
    return widget;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& hint = {});
// An icon button (the program's speed buttons); the hint says what it does.
QToolButton* makeIconButton(QWidget* parent, const char* name, QStyle::StandardPixmap icon,
                            const QString& caption, const QString& hint);
QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption,
                  const QString& hint = {});
// The edit field inside an up-down: Edit<number>, a control of its own.
QLineEdit* upDownEdit(QAbstractSpinBox* upDown, int number, const QString& hint = {});

// A line edit sized for a few digits, so that its width follows its font.
class NumberEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit NumberEdit(QWidget* parent = nullptr, int digits = 2);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

private:
    int m_digits;
};

}  // namespace kw
