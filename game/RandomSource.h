#pragma once
// The game's random generator: the standard Mersenne Twister, with a fixed
// seed until Randomize seeds it from the clock (once, at start-up).
#include "game/GameInterfaces.h"

#include <cstdint>
#include <random>

namespace game {

class TRandomSource : public IRandomSource {
public:
    TRandomSource() = default;
    explicit TRandomSource(std::uint32_t seed) : m_engine(seed) {}

    void Randomize();
    void Seed(std::uint32_t seed) { m_engine.seed(seed); }

    // An integer in 0 to n - 1, each equally likely; 0 when n < 1.
    int Next(int n) override;

private:
    std::mt19937 m_engine;
};

} // namespace game
