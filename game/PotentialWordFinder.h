#pragma once
// Finds the potential words of a puzzle quickly. When the word store is
// filled, each row is summarised once (which letters it uses, which of them
// more than once); a search then tests a row with two mask operations and,
// for the few rows with doubled letters, a count or two. The result is the
// same as WordFitsLetters on every row for letters of A to Z.
//
// The summaries are derived from the store and hold no word text: the words
// themselves are always read from the store.
#include "game/GameInterfaces.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace game {

class TPotentialWordFinder {
public:
    // Summarises every row of the store (or of the given lines, which must
    // be what the store holds).
    void Rebuild(const IRowStore& store);
    void Rebuild(const std::vector<std::string>& lines);

    bool Built() const { return m_built; }
    int RowCount() const { return static_cast<int>(m_rows.size()); }

    // The rows whose words fit the letters, in row order. letters must be
    // upper-case A to Z, the first one the crossing letter; throws
    // std::invalid_argument otherwise.
    void Find(std::string_view letters, std::vector<int>& rows) const;

private:
    struct Row {
        std::uint32_t mask;    // bit i: letter 'A' + i occurs; kNever: can never fit
        std::uint32_t doubled; // offset << 3 | number of doubled letters
    };
    static constexpr std::uint32_t kNever = 0x80000000u;

    void Clear();
    void Add(std::string_view word);

    std::vector<Row> m_rows;
    std::vector<std::uint8_t> m_doubled; // pairs: letter index, count
    bool m_built = false;
};

} // namespace game
