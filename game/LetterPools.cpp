#include "game/LetterPools.h"

namespace game {

std::string DrawPuzzleLetters(IRandomSource& random)
{
    std::string letters;
    letters.reserve(kLetterButtonCount);
    for (const std::string_view pool : kLetterPools)
        letters += pool[static_cast<std::size_t>(random.Next(static_cast<int>(pool.size())))];
    return letters;
}

} // namespace game
