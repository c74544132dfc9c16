// Fuzzing the word list loader: any bytes as the text of "biblewords.txt".
// The first byte picks the puzzle letters; the rest is the file. Checked for
// every input: the lines rebuild the text exactly (line ends aside), and
// the fast potential-word finder agrees with the plain rule on every row.
#include "game/DataFiles.h"
#include "game/PotentialWordFinder.h"
#include "game/WordRules.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

// A few crosses, the crossing letter first: common letters, doubled
// letters, and rare ones.
constexpr const char* kLetters[] = {
    "EARSTLNIO", "AABBCCDDE", "ZQXJKVWYU", "EEEEEEEEE", "SETAROINL", "MOPLIGHTE", "RNEEDSSIT", "AZAZAZAZA",
};

bool IsLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const char* letters = kLetters[data[0] % (sizeof kLetters / sizeof *kLetters)];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    const std::vector<std::string> lines = game::SplitWordListLines(text);

    // At least one line; no line holds a line end; putting them back
    // together with the original ends gives the text again.
    if (lines.empty())
        std::abort();
    std::size_t at = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        for (char c : line)
            if (IsLineEnd(c))
                std::abort();
        if (text.substr(at, line.size()) != line)
            std::abort();
        at += line.size();
        if (at < text.size()) {
            // CR LF, or a lone CR or LF.
            if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n')
                at += 2;
            else if (IsLineEnd(text[at]))
                ++at;
            else
                std::abort();
        } else if (i + 1 != lines.size()) {
            std::abort(); // lines after the end of the text
        }
    }
    if (at != text.size())
        std::abort();

    // The finder's summaries against the plain rule, row by row.
    game::TPotentialWordFinder finder;
    finder.Rebuild(lines);
    if (finder.RowCount() != static_cast<int>(lines.size()))
        std::abort();
    std::vector<int> rows;
    finder.Find(letters, rows);
    std::size_t next = 0;
    for (std::size_t r = 0; r < lines.size(); ++r) {
        const bool fits = game::WordFitsLetters(lines[r], letters);
        const bool found = next < rows.size() && rows[next] == static_cast<int>(r);
        if (fits != found)
            std::abort();
        if (found)
            ++next;
    }
    if (next != rows.size())
        std::abort();
    return 0;
}
