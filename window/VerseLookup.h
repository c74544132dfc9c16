#pragma once
// The verses of the shipped words (game/WordVerses.h), read from the
// program's resource "bibleverses" the first time a verse is asked for, so
// that start-up does not pay for them.
#include "game/WordVerses.h"

#include <QString>
#include <optional>

class TVerseLookup {
public:
    static constexpr const char* kResourceName = "bibleverses";

    // The verse of the word, or nothing: a word of a replaced word list, or
    // a program whose verses are missing, has none.
    std::optional<game::TWordVerse> Find(const QString& word) const;
    // True once the verses have been read.
    bool Loaded() const { return m_index.has_value(); }

private:
    mutable std::optional<game::TVerseIndex> m_index;
};
