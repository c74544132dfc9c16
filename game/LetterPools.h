#pragma once
// The letter pools of the nine buttons and the draw of a puzzle's letters.
#include "game/GameInterfaces.h"

#include <array>
#include <string>
#include <string_view>

namespace game {

inline constexpr int kLetterButtonCount = 9;

// Pool of CrossButton1 to CrossButton9, in draw order. Each entry is drawn
// with equal chance; doubled entries (the E of the vowel pools) are meant.
inline constexpr std::array<std::string_view, kLetterButtonCount> kLetterPools = {
    "AEIOUESTNRHLD",              // 1, the crossing
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ", // 2, above the crossbar
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ", // 3, first below the crossing
    "AEIOUE",                     // 4, second below the crossing
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ", // 5, foot of the upright
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ", // 6, left end of the crossbar
    "AEIOU",                      // 7, left of the crossing
    "STNRHLD",                    // 8, right of the crossing
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ", // 9, right end of the crossbar
};

// Nine draws, one per button in button order; the result is the puzzle's
// letters with the crossing letter first.
std::string DrawPuzzleLetters(IRandomSource& random);

} // namespace game
