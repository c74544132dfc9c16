#include "game/PotentialWordFinder.h"

#include <array>
#include <stdexcept>

namespace game {

// A word fits a pool of nine letters A to Z exactly when it holds the
// crossing letter, uses no letter more often than the pool has it, and
// consists of letters and blanks only, with no blank in front: a blank takes
// a place that an earlier letter of the word has already blanked.

void TPotentialWordFinder::Clear()
{
    m_rows.clear();
    m_doubled.clear();
    m_built = true;
}

void TPotentialWordFinder::Add(std::string_view word)
{
    std::array<std::uint8_t, 26> counts {};
    std::uint32_t mask = 0;
    int letters = 0;
    bool never = !word.empty() && word.front() == ' ';
    for (const char c : word) {
        if (c >= 'A' && c <= 'Z') {
            const int i = c - 'A';
            if (counts[i] < 255)
                ++counts[i];
            mask |= 1u << i;
            ++letters;
        } else if (c != ' ') {
            never = true;
        }
    }
    // Nine places: more letters than that can never fit.
    if (letters > 9)
        never = true;

    Row row { never ? kNever : mask, 0 };
    if (!never) {
        const std::uint32_t offset = static_cast<std::uint32_t>(m_doubled.size());
        std::uint32_t n = 0;
        for (int i = 0; i < 26; ++i) {
            if (counts[i] > 1) {
                m_doubled.push_back(static_cast<std::uint8_t>(i));
                m_doubled.push_back(counts[i]);
                ++n;
            }
        }
        row.doubled = offset << 3 | n; // at most four doubled letters in nine
    }
    m_rows.push_back(row);
}

void TPotentialWordFinder::Rebuild(const IRowStore& store)
{
    Clear();
    const int count = store.RowCount();
    m_rows.reserve(static_cast<std::size_t>(count > 0 ? count : 0));
    for (int r = 0; r < count; ++r)
        Add(store.Cell(r));
}

void TPotentialWordFinder::Rebuild(const std::vector<std::string>& lines)
{
    Clear();
    m_rows.reserve(lines.size());
    for (const std::string& line : lines)
        Add(line);
}

void TPotentialWordFinder::Find(std::string_view letters, std::vector<int>& rows) const
{
    // The pool: which letters it has and how often.
    std::array<std::uint8_t, 26> counts {};
    std::uint32_t pool = 0;
    for (const char c : letters) {
        if (c < 'A' || c > 'Z')
            throw std::invalid_argument("puzzle letters must be A to Z");
        ++counts[c - 'A'];
        pool |= 1u << (c - 'A');
    }
    rows.clear();
    if (letters.empty())
        return;
    const std::uint32_t crossing = 1u << (letters.front() - 'A');
    const std::uint32_t outside = ~pool;

    // The scan: letters outside the pool or no crossing letter rule a row
    // out; doubled letters are then counted against the pool.
    const int n = static_cast<int>(m_rows.size());
    for (int r = 0; r < n; ++r) {
        const Row& row = m_rows[static_cast<std::size_t>(r)];
        if ((row.mask & outside) != 0 || (row.mask & crossing) == 0)
            continue;
        const std::uint32_t doubledCount = row.doubled & 7u;
        bool fits = true;
        for (std::uint32_t k = 0, at = row.doubled >> 3; k < doubledCount; ++k, at += 2) {
            if (m_doubled[at + 1] > counts[m_doubled[at]]) {
                fits = false;
                break;
            }
        }
        if (fits)
            rows.push_back(r);
    }
}

} // namespace game
