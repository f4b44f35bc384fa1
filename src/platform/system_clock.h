#pragma once
#include "platform/clock.h"

namespace kw {

class SystemClock : public Clock {
public:
    QDate today() const override;
    std::uint64_t performanceCounter() const override;
    std::uint32_t tickCount() const override;
    void sleep(int milliseconds) override;
};

}  // namespace kw
