#include "ui/controls.h"

namespace kw {

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& hint)
{
    return named(new QPushButton(caption, parent), name, hint);
}

QToolButton* makeIconButton(QWidget* parent, const char* name, QStyle::StandardPixmap icon,
                            const QString& caption, const QString& hint)
{
    auto* button = named(new QToolButton(parent), name, hint);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setText(caption);
    button->setToolButtonStyle(caption.isEmpty() ? Qt::ToolButtonIconOnly
                                                 : Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(false);
    return button;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, const QString& hint)
{
    return named(new QLabel(caption, parent), name, hint);
}

QLineEdit* upDownEdit(QAbstractSpinBox* upDown, int number, const QString& hint)
{
    return named(upDown->findChild<QLineEdit*>(), ("Edit" + QByteArray::number(number)).constData(),
                 hint);
}

NumberEdit::NumberEdit(QWidget* parent, int digits) : QLineEdit(parent), m_digits(digits)
{
    setAlignment(Qt::AlignCenter);
}

QSize NumberEdit::sizeHint() const
{
    const QFontMetrics fm(font());
    const int text = fm.horizontalAdvance(QString(m_digits + 1, QLatin1Char('0')));
    // The height follows the font too (the line edit's own hint has a floor).
    return {text + qRound(fm.height() * 0.6), qRound(fm.height() * 1.5)};
}

}  // namespace kw
