#pragma once
// The rules of one word against one puzzle, and how a row of the visible
// list is shown.
#include <cstdint>
#include <string>
#include <string_view>

namespace game {

// True when word is a potential word of the nine letters: it contains the
// first (crossing) letter somewhere, and each of its characters takes an
// unused place of the letters, first match first. A taken place becomes a
// blank. The word's length is not checked; an empty word never fits.
bool WordFitsLetters(std::string_view word, std::string_view letters);

// One asterisk per character of the word, at most 15.
std::string StarredForm(std::string_view word);

// Font colours of the visible list (0x00BBGGRR).
inline constexpr std::uint32_t kStarredWordColor = 0x000000;  // black
inline constexpr std::uint32_t kRevealedWordColor = 0xAA0000; // dark blue

// True when a cell of the visible list shows its word: the cell is not
// empty and does not start with an asterisk.
bool IsRevealedWord(std::string_view cellText);

// The font colour of a cell of the visible list: black while its text
// starts with an asterisk, dark blue otherwise (an empty cell included).
std::uint32_t GuessedWordsCellColor(std::string_view cellText);

// What a screen reader says for a cell of the visible list: a starred word
// by its length only ("hidden word, 6 letters"), never by its letters; any
// other text (a found word) as it stands.
std::string GuessedWordsCellSpokenText(std::string_view cellText);

} // namespace game
