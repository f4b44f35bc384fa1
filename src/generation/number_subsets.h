#pragma once
// Sets of k of the numbers 1..42 as bits of one bitmap, indexed by their rank
// in the combinatorial number system: "is any k-subset of this row contained in
// one of those rows?" in a handful of lookups, however many rows there are.
#include <array>
#include <cstdint>
#include <vector>

namespace kw {

class SubsetBitmap {
public:
    // Subsets of `size` numbers (1..5); anything else holds nothing.
    void reset(int size);
    int size() const { return m_size; }
    // Marks every size-subset of the numbers 1..42 in mask (bits 1..42).
    void addRow(std::uint64_t mask);
    // Whether any size-subset of the numbers in mask was marked.
    bool containsSubsetOf(std::uint64_t mask) const;
    // The same for five different numbers 1..42 in any order, mask their bits.
    bool containsSubsetOf(const std::array<int, 5>& n, std::uint64_t mask) const
    {
        if (m_size != 3) return containsSubsetOf(mask);
        // Any three of the five hold two of the first two or two of the last three.
        const std::uint64_t* t = m_thirds.data();
        return ((t[n[0] * 43 + n[1]] | t[n[2] * 43 + n[3]] | t[n[2] * 43 + n[4]] |
                 t[n[3] * 43 + n[4]]) &
                mask) != 0;
    }

private:
    template <typename Visit>
    void forEachSubsetRank(std::uint64_t mask, Visit visit) const;

    int m_size = 0;
    std::vector<std::uint64_t> m_words;  // bit rank % 64 of word rank / 64
    // Subsets of three (the size of the usual test) once more, by any two of their
    // numbers: bit c of m_thirds[a * 43 + b] and m_thirds[b * 43 + a] for the set {a, b, c}.
    std::vector<std::uint64_t> m_thirds;
};

}  // namespace kw
