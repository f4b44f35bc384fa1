#pragma once
// Today's date and the counters the random seed comes from.
#include <QDate>
#include <cstdint>

namespace kw {

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
    // The high-resolution counter; 0 where there is none.
    virtual std::uint64_t performanceCounter() const = 0;
    // Milliseconds since some fixed moment (wraps).
    virtual std::uint32_t tickCount() const = 0;
    virtual void sleep(int milliseconds) = 0;

    // The seed of the random generator: the counter's low 32 bits, else the tick count.
    std::uint32_t randomSeed() const
    {
        const std::uint64_t counter = performanceCounter();
        return counter != 0 ? static_cast<std::uint32_t>(counter) : tickCount();
    }
};

}  // namespace kw
