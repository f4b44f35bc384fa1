#pragma once
// One draw as stored in the draw file: exactly 32 bytes, little-endian.
//   0..7   date (IEEE 754 double day count)
//   8..15  number slots 1..8 (1-5 the draw, 6 unused, 7-8 star numbers)
//  16..22  seven single digits from the download line (never read back)
//  23..31  reserved, written as 0
#include <QByteArray>
#include <array>
#include <cstdint>

#include "draws/day_count.h"

namespace kw {

struct DrawRecord {
    static constexpr int kSize = 32;
    static constexpr int kSlots = 8;

    DayCount datum = 0;
    std::array<std::uint8_t, kSlots> zahlen{};  // slot i is zahlen[i - 1]
    std::array<std::uint8_t, 7> ziffern{};
    std::array<std::uint8_t, 9> reserved{};

    // Slot 1..8; 0 for a slot number outside that range.
    int slot(int i) const { return i >= 1 && i <= kSlots ? zahlen[i - 1] : 0; }
    void setSlot(int i, int value);

    void writeTo(char* out) const;               // exactly kSize bytes
    static DrawRecord readFrom(const char* in);  // exactly kSize bytes
    QByteArray toBytes() const;

    bool operator==(const DrawRecord&) const = default;
};

}  // namespace kw
