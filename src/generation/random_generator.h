#pragma once
// The program's one random generator: a 32-bit linear congruential sequence,
// seed := seed * 134775813 + 1 (mod 2^32). Everything that draws at random
// (generation run, number picking, star numbers, ticket numbers) shares it,
// so the same seed and the same calls give the same results.
#include <cstdint>

namespace kw {

class RandomGenerator {
public:
    void setSeed(std::uint32_t seed) { m_seed = seed; }
    std::uint32_t seed() const { return m_seed; }

    // An integer from 0 to n - 1 (0 when n < 1): the upper 32 bits of new seed * n.
    int random(int n)
    {
        m_seed = m_seed * 134775813u + 1u;
        if (n < 1) return 0;
        const std::uint64_t product =
            static_cast<std::uint64_t>(m_seed) * static_cast<std::uint32_t>(n);
        return static_cast<int>(product >> 32);
    }

private:
    std::uint32_t m_seed = 0;
};

}  // namespace kw
