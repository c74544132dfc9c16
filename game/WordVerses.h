#pragma once
// The verse of each word: where a word of the shipped list stands in the
// Bible. The verse text is the program's resource "bibleverses", written by
// tools/make-wordlist.py from the same Bible text as the word list: one line
// per word, ended by LF, of three fields separated by tabs:
//
//     WORD <tab> reference <tab> verse text
//     WEPT	John 11:35	Jesus wept.
//
// The words are upper-case and sorted by byte value; the reference and the
// verse are UTF-8. A word that the text does not hold (a word list replaced
// by the player may have any words) simply has no verse.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace game {

struct TWordVerse {
    std::string reference; // "John 11:35"
    std::string text;      // "Jesus wept."
    friend bool operator==(const TWordVerse&, const TWordVerse&) = default;
};

class TVerseIndex {
public:
    TVerseIndex() = default;
    // Indexes the verse text. Lines without two tabs, or with an empty
    // field, are skipped; of a word given twice the first line counts.
    explicit TVerseIndex(std::string text);

    // The verse of the word (compared exactly), or nothing.
    std::optional<TWordVerse> Find(std::string_view word) const;
    std::size_t Size() const { return m_entries.size(); }

private:
    struct Entry {
        std::string_view word;
        std::string_view reference;
        std::string_view text;
    };
    std::string m_text; // the entries point into it
    std::vector<Entry> m_entries; // sorted by word
};

} // namespace game
