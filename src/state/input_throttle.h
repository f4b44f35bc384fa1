#pragma once
// Lets the window handle pending input during a long loop on the user-interface
// thread, at most every 15 ms: a stop click and changed controls get through, and
// the loop is not slowed by handling events on every pass.
#include <QCoreApplication>
#include <QElapsedTimer>

namespace kw {

class InputThrottle {
public:
    explicit InputThrottle(int intervalMs = 15) : m_interval(intervalMs) { m_clock.start(); }
    bool due() const { return m_clock.elapsed() >= m_interval; }
    void letInputThrough()
    {
        QCoreApplication::processEvents();
        m_clock.restart();
    }

private:
    QElapsedTimer m_clock;
    int m_interval;
};

}  // namespace kw
