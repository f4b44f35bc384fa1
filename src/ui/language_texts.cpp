#include "ui/language_texts.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

#include "ui/control_list.h"

namespace kw {

namespace {

// The tab widget that shows page as one of its sheets, or nullptr.
QTabWidget* tabWidgetOf(QObject* page)
{
    auto* widget = qobject_cast<QWidget*>(page);
    QWidget* stack = widget ? widget->parentWidget() : nullptr;
    auto* tabs = qobject_cast<QTabWidget*>(stack ? stack->parentWidget() : nullptr);
    return tabs && tabs->indexOf(widget) >= 0 ? tabs : nullptr;
}

std::optional<ControlKind> kindOf(QObject* control)
{
    if (qobject_cast<QAction*>(control) || qobject_cast<QMenu*>(control))
        return ControlKind::MenuItem;
    if (qobject_cast<QLabel*>(control)) return ControlKind::Label;
    if (qobject_cast<QToolButton*>(control)) return ControlKind::SpeedButton;
    if (qobject_cast<QPushButton*>(control)) return ControlKind::Button;
    if (qobject_cast<QCheckBox*>(control)) return ControlKind::CheckBox;
    if (qobject_cast<QRadioButton*>(control)) return ControlKind::RadioButton;
    if (qobject_cast<QGroupBox*>(control)) {
        return control->objectName().startsWith(QLatin1String("RadioGroup"))
                   ? ControlKind::OptionGroup
                   : ControlKind::Panel;
    }
    if (qobject_cast<QLineEdit*>(control)) return ControlKind::Edit;
    if (tabWidgetOf(control)) return ControlKind::TabSheet;
    return std::nullopt;
}

QString captionOf(QObject* control, ControlKind kind)
{
    if (auto* action = qobject_cast<QAction*>(control)) return action->text();
    if (auto* menu = qobject_cast<QMenu*>(control)) return menu->title();
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(control)) return group->title();
    if (kind == ControlKind::TabSheet) {
        QTabWidget* tabs = tabWidgetOf(control);
        return tabs->tabText(tabs->indexOf(static_cast<QWidget*>(control)));
    }
    if (kind == ControlKind::Window) return static_cast<QWidget*>(control)->windowTitle();
    return {};
}

void setCaption(QObject* control, ControlKind kind, const QString& caption)
{
    if (auto* action = qobject_cast<QAction*>(control)) return action->setText(caption);
    if (auto* menu = qobject_cast<QMenu*>(control)) return menu->setTitle(caption);
    if (auto* label = qobject_cast<QLabel*>(control)) return label->setText(caption);
    if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->setText(caption);
    if (auto* group = qobject_cast<QGroupBox*>(control)) return group->setTitle(caption);
    if (kind == ControlKind::TabSheet) {
        QTabWidget* tabs = tabWidgetOf(control);
        return tabs->setTabText(tabs->indexOf(static_cast<QWidget*>(control)), caption);
    }
    if (kind == ControlKind::Window) static_cast<QWidget*>(control)->setWindowTitle(caption);
}

// A menu item's hint is its status tip; a tab sheet's is its tab's tooltip.
QString hintOf(QObject* control, ControlKind kind)
{
    if (auto* action = qobject_cast<QAction*>(control)) return action->statusTip();
    if (kind == ControlKind::TabSheet) {
        QTabWidget* tabs = tabWidgetOf(control);
        return tabs->tabToolTip(tabs->indexOf(static_cast<QWidget*>(control)));
    }
    return static_cast<QWidget*>(control)->toolTip();
}

void setHint(QObject* control, ControlKind kind, const QString& hint)
{
    if (auto* action = qobject_cast<QAction*>(control)) return action->setStatusTip(hint);
    if (kind == ControlKind::TabSheet) {
        QTabWidget* tabs = tabWidgetOf(control);
        return tabs->setTabToolTip(tabs->indexOf(static_cast<QWidget*>(control)), hint);
    }
    static_cast<QWidget*>(control)->setToolTip(hint);
}

bool isVisible(QObject* control)
{
    if (auto* action = qobject_cast<QAction*>(control)) return action->isVisible();
    if (auto* menu = qobject_cast<QMenu*>(control)) return menu->menuAction()->isVisible();
    return true;
}

int charsetOf(QObject* control)
{
    const QVariant charset = control->property(kCharsetProperty);
    return charset.isValid() ? charset.toInt() : 1;  // the default character set
}

ControlTexts textsOf(const QString& owner, QObject* control, ControlKind kind)
{
    return {owner,
            control->objectName(),
            kind,
            captionOf(control, kind),
            hintOf(control, kind),
            control->property(kTagProperty).toInt(),
            isVisible(control),
            charsetOf(control)};
}

// Calls visit(owner, control, kind) for every window and then its controls.
template <typename Visit>
void visitAll(const QList<QWidget*>& windows, Visit visit)
{
    for (QWidget* window : windows) {
        if (!window) continue;
        const QString owner = window->objectName();
        visit(owner, window, ControlKind::Window);
        const ControlList* list = ControlList::of(window);
        if (!list) continue;
        for (QObject* control : list->controls()) {
            if (control->objectName().isEmpty()) continue;
            if (const auto kind = kindOf(control)) visit(owner, control, *kind);
        }
    }
}

}  // namespace

void setTag(QObject* control, int tag)
{
    control->setProperty(kTagProperty, tag);
}

QList<ControlTexts> collectTexts(const QList<QWidget*>& windows)
{
    QList<ControlTexts> texts;
    visitAll(windows, [&texts](const QString& owner, QObject* control, ControlKind kind) {
        texts << textsOf(owner, control, kind);
    });
    return texts;
}

void applyTexts(const QList<QWidget*>& windows, RecordLookup& lookup)
{
    visitAll(windows, [&lookup](const QString& owner, QObject* control, ControlKind kind) {
        const std::optional<TextChange> change = changeFor(textsOf(owner, control, kind), lookup);
        if (!change) return;
        if (change->caption) setCaption(control, kind, *change->caption);
        setHint(control, kind, change->hint);
        if (change->charset) control->setProperty(kCharsetProperty, *change->charset);
    });
}

}  // namespace kw
