#include "platform/system_clock.h"

#include <QDateTime>
#include <QThread>
#include <chrono>

namespace kw {

QDate SystemClock::today() const
{
    return QDate::currentDate();
}

std::uint64_t SystemClock::performanceCounter() const
{
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

std::uint32_t SystemClock::tickCount() const
{
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                          std::chrono::steady_clock::now().time_since_epoch())
                                          .count());
}

void SystemClock::sleep(int milliseconds)
{
    if (milliseconds > 0) QThread::msleep(static_cast<unsigned long>(milliseconds));
}

}  // namespace kw
