#pragma once
// The named controls of one window in the order they were made, as its language
// file visits them. Layouts move widgets to other parents, so the order is kept
// here as each control is made, not taken from the widget tree.
#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

namespace kw {

class ControlList : public QObject {
    Q_OBJECT
public:
    // A list for window, which owns it; made before the window's first control.
    explicit ControlList(QWidget* window);

    // The list of window, or nullptr when it keeps none.
    static ControlList* of(const QWidget* window);
    // Adds control to the list of the window that parent belongs to; nothing
    // without a parent or when that window keeps no list.
    static void record(QObject* control, const QWidget* parent);

    void add(QObject* control);
    // The controls that still exist, in the order they were made.
    QObjectList controls() const;

private:
    QList<QPointer<QObject>> m_controls;
};

}  // namespace kw
