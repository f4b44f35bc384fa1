#include "generation/random_generator.h"

namespace kw {

int RandomGenerator::random(int n)
{
    m_seed = m_seed * 134775813u + 1u;
    if (n < 1) return 0;
    const std::uint64_t product =
        static_cast<std::uint64_t>(m_seed) * static_cast<std::uint32_t>(n);
    return static_cast<int>(product >> 32);
}

}  // namespace kw
