#pragma once
// A slip template in which every object exists, for the harnesses that place tips.
#include "printing/slip_layout.h"

namespace kw::fuzz {

class AnySlip : public SlipCanvas {
public:
    int placed = 0;
    bool hasObject(const QString&) const override { return true; }
    void clearText(const QString&) override {}
    void hide(const QString&) override {}
    void place(const QString&, double, double, const QString&, int) override { ++placed; }
    void refresh() override {}
    void print() override {}
};

}  // namespace kw::fuzz
