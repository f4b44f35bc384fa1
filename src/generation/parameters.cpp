#include "generation/parameters.h"

#include <stdexcept>

namespace kw {

const std::array<UpDownSpec, kUpDownCount>& upDownSpecs()
{
    static const std::array<UpDownSpec, kUpDownCount> specs{{
        {1, 37, 21, 279, 50},   {2, 38, 21, 239, 200}, {3, 39, 0, 5, 2},     {4, 40, 0, 5, 0},
        {5, 41, 0, 5, 1},       {6, 42, 3, 5, 5},      {7, 55, 1, 30000, 50}, {8, 80, 1, 12, 5},
        {9, 88, 0, 5, 0},       {10, 83, 0, 6, 2},     {11, 84, 0, 5, 2},    {12, 85, 5, 75, 30},
        {13, 86, 5, 75, 34},    {14, 87, 5, 75, 20},   {15, 89, 0, 6, 2},    {16, 90, 0, 6, 2},
        {17, 91, 2, 6, 4},      {18, 92, 4, 128, 50},  {19, 105, 1, 3, 1},   {20, 106, 1, 3, 1},
    }};
    return specs;
}

const UpDownSpec& upDownSpec(int number)
{
    if (number < 1 || number > kUpDownCount) throw std::out_of_range("UpDown number");
    return upDownSpecs()[number - 1];
}

bool checkBoxDesignState(int number)
{
    // 1 = checked at design time; CheckBox21 does not exist.
    static const char states[kCheckBoxCount + 1] = "0011100011000000010000110011000";
    if (number < 1 || number > kCheckBoxCount) return false;
    return states[number - 1] == '1';
}

}  // namespace kw
