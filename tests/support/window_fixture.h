#pragma once
// A main window on the scripted services of a state fixture: its draw history is
// laid into the DataFolder before the window starts.
#include <QCoreApplication>
#include <QTest>
#include <QWidget>
#include <memory>

#include "support/state_fixture.h"
#include "ui/main_window.h"

namespace kw::test {

struct WindowFixture : StateFixture {
    std::unique_ptr<TForm1> window() { return std::make_unique<TForm1>(services()); }
    // A window on screen after its first show has run.
    std::unique_ptr<TForm1> shownWindow()
    {
        auto w = window();
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get())) qWarning("window not exposed");
        QCoreApplication::processEvents();
        return w;
    }
};

template <typename T>
T* child(QWidget* window, const char* name)
{
    T* found = window->findChild<T*>(QLatin1String(name));
    if (!found) qWarning("no control %s", name);
    return found;
}

}  // namespace kw::test
