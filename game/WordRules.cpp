#include "game/WordRules.h"

namespace game {

bool WordFitsLetters(std::string_view word, std::string_view letters)
{
    bool fits = !letters.empty() && word.find(letters.front()) != std::string_view::npos;
    std::string pool(letters);
    if (fits) {
        for (const char c : word) {
            const std::size_t at = pool.find(c);
            if (at == std::string::npos)
                fits = false;
            else
                pool[at] = ' ';
        }
    }
    return fits;
}

std::string StarredForm(std::string_view word)
{
    static constexpr std::string_view kStars = "***************";
    return std::string(kStars.substr(0, word.size()));
}

bool IsRevealedWord(std::string_view cellText)
{
    return !cellText.empty() && cellText.front() != '*';
}

std::uint32_t GuessedWordsCellColor(std::string_view cellText)
{
    std::uint32_t color = kStarredWordColor;
    if (cellText.empty() || cellText.front() != '*')
        color = kRevealedWordColor;
    return color;
}

std::string GuessedWordsCellSpokenText(std::string_view cellText)
{
    if (cellText.empty() || cellText.front() != '*')
        return std::string(cellText);
    const std::size_t letters = cellText.size();
    return "hidden word, " + std::to_string(letters) + (letters == 1 ? " letter" : " letters");
}

} // namespace game
