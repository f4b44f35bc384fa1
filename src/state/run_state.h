#pragma once
// What runs now and whether a stop was asked for. The window derives its
// captions, enabled states and visibilities from it; nothing reads a caption or a
// visibility back to learn what runs.
#include <bitset>

namespace kw {

// A download runs in the background of the others; the rest take turns.
enum class Task { Generation, Download, Analysis, Search };

class RunState {
public:
    bool running(Task task) const { return m_running.test(index(task)); }
    bool stopRequested(Task task) const { return m_stop.test(index(task)); }
    // Running, and nobody asked it to stop.
    bool goingOn(Task task) const { return running(task) && !stopRequested(task); }

    void start(Task task)
    {
        m_running.set(index(task));
        m_stop.reset(index(task));
    }
    void requestStop(Task task)
    {
        if (running(task)) m_stop.set(index(task));
    }
    void end(Task task)
    {
        m_running.reset(index(task));
        m_stop.reset(index(task));
    }

private:
    static constexpr size_t index(Task task) { return static_cast<size_t>(task); }
    std::bitset<4> m_running;
    std::bitset<4> m_stop;
};

}  // namespace kw
