#include "ui/control_list.h"

#include <QWidget>

namespace kw {

ControlList::ControlList(QWidget* window) : QObject(window) {}

ControlList* ControlList::of(const QWidget* window)
{
    return window ? window->findChild<ControlList*>(QString(), Qt::FindDirectChildrenOnly)
                  : nullptr;
}

void ControlList::record(QObject* control, const QWidget* parent)
{
    if (ControlList* list = of(parent ? parent->window() : nullptr)) list->add(control);
}

void ControlList::add(QObject* control)
{
    m_controls << control;
}

QObjectList ControlList::controls() const
{
    QObjectList living;
    for (const QPointer<QObject>& control : m_controls)
        if (control) living << control.data();
    return living;
}

}  // namespace kw
