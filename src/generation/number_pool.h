#pragma once
// The NumberPool of a generation run: up to 501 one-byte entries, each a number
// 1..42 (0 = empty). A number's chance to be drawn is its share of the entries
// 0..PoolEnd. Appends beyond the capacity are dropped.
#include <array>
#include <cstdint>

namespace kw {

class NumberPool {
public:
    static constexpr int kCapacity = 501;

    // All entries 0, length 0, PoolEnd -1.
    void reset();
    // Appends n at index length; false (nothing changed) when the pool is full.
    bool append(int n);
    int length() const { return m_length; }
    int entry(int index) const { return index >= 0 && index < kCapacity ? m_entries[index] : 0; }
    void setEntry(int index, int n);

    // The index of the last entry a pick may hit (-1 when none).
    int PoolEnd = -1;
    // Entries equal to n among 0..PoolEnd.
    int PoolCount(int n) const;
    // How many different numbers 0..PoolEnd hold.
    int distinctNumbers() const;

    // Removes every 0 entry from 0..length-1 by moving the current last entry into
    // each hole (the order that results decides which rows a seed gives), then sets
    // PoolEnd to the last remaining index.
    void compact();

private:
    std::array<std::uint8_t, kCapacity> m_entries{};
    int m_length = 0;
};

}  // namespace kw
