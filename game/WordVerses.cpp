#include "game/WordVerses.h"

#include <algorithm>

namespace game {

TVerseIndex::TVerseIndex(std::string text)
    : m_text(std::move(text))
{
    const std::string_view all(m_text);
    std::size_t start = 0;
    while (start < all.size()) {
        std::size_t end = all.find('\n', start);
        if (end == std::string_view::npos)
            end = all.size();
        std::string_view line = all.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const std::size_t tab1 = line.find('\t');
        const std::size_t tab2 = tab1 == std::string_view::npos ? tab1 : line.find('\t', tab1 + 1);
        if (tab2 == std::string_view::npos)
            continue;
        const Entry entry{line.substr(0, tab1), line.substr(tab1 + 1, tab2 - tab1 - 1), line.substr(tab2 + 1)};
        if (entry.word.empty() || entry.reference.empty() || entry.text.empty())
            continue;
        m_entries.push_back(entry);
    }
    // The shipped text is sorted already; anything else is sorted here,
    // the first of equal words kept.
    const auto byWord = [](const Entry& a, const Entry& b) { return a.word < b.word; };
    if (!std::is_sorted(m_entries.begin(), m_entries.end(), byWord))
        std::stable_sort(m_entries.begin(), m_entries.end(), byWord);
    const auto sameWord = [](const Entry& a, const Entry& b) { return a.word == b.word; };
    m_entries.erase(std::unique(m_entries.begin(), m_entries.end(), sameWord), m_entries.end());
}

std::optional<TWordVerse> TVerseIndex::Find(std::string_view word) const
{
    const auto at = std::lower_bound(m_entries.begin(), m_entries.end(), word,
                                     [](const Entry& e, std::string_view w) { return e.word < w; });
    if (at == m_entries.end() || at->word != word)
        return std::nullopt;
    return TWordVerse{std::string(at->reference), std::string(at->text)};
}

} // namespace game
