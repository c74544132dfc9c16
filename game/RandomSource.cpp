#include "game/RandomSource.h"

#include <chrono>

namespace game {

void TRandomSource::Randomize()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    const auto wide = static_cast<std::uint64_t>(ticks);
    std::seed_seq seq { static_cast<std::uint32_t>(wide), static_cast<std::uint32_t>(wide >> 32) };
    m_engine.seed(seq);
}

int TRandomSource::Next(int n)
{
    if (n < 1)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(m_engine);
}

} // namespace game
