#pragma once
// The program's one random generator: a 32-bit linear congruential sequence,
// seed := seed * 134775813 + 1 (mod 2^32). Everything that draws at random
// (generation run, number picking, star numbers, ticket numbers) shares it,
// so the same seed and the same calls give the same results.
#include <array>
#include <cstdint>

namespace kw {

namespace detail {

// The seed after k + 1 steps: seed * a + c (index k).
struct LcgStep {
    std::uint32_t a, c;
};
constexpr std::array<LcgStep, 5> lcgSteps()
{
    std::array<LcgStep, 5> steps{};
    LcgStep step{1, 0};
    for (LcgStep& s : steps) s = step = {step.a * 134775813u, step.c * 134775813u + 1u};
    return steps;
}

}  // namespace detail

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

    // The next five draws at once, the same as five calls of random(n) for n >= 1:
    // each seed worked out from the one before all five, so that none waits for
    // the one before it.
    std::array<int, 5> random5(int n)
    {
        const auto high = [n](std::uint32_t seed) {
            return static_cast<int>(
                static_cast<std::uint64_t>(seed) * static_cast<std::uint32_t>(n) >> 32);
        };
        const std::uint32_t s = m_seed;
        m_seed = s * kSteps[4].a + kSteps[4].c;
        return {high(s * kSteps[0].a + kSteps[0].c), high(s * kSteps[1].a + kSteps[1].c),
                high(s * kSteps[2].a + kSteps[2].c), high(s * kSteps[3].a + kSteps[3].c),
                high(m_seed)};
    }

private:
    static constexpr auto kSteps = detail::lcgSteps();

    std::uint32_t m_seed = 0;
};

}  // namespace kw
