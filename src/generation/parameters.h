#pragma once
// The generation parameters' controls as the program designs them: the twenty
// up-downs (with their edit fields, ranges and design positions) and the design
// states of the check boxes. Settings and windows both read this one table.
#include <QString>
#include <array>

namespace kw {

struct UpDownSpec {
    int number;      // UpDown<number>
    int editNumber;  // Edit<editNumber> shows its position
    int minimum;
    int maximum;
    int position;    // design position
};

inline constexpr int kUpDownCount = 20;
inline constexpr int kCheckBoxCount = 31;

const std::array<UpDownSpec, kUpDownCount>& upDownSpecs();
const UpDownSpec& upDownSpec(int number);  // 1..20
bool checkBoxDesignState(int number);      // 1..31

}  // namespace kw
