#include "support_game.h"

#include "game/LetterPools.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace gametest {

void MemoryRowStore::SetRowCount(int n)
{
    rows.resize(static_cast<std::size_t>(std::max(n, 0)));
    ++rowCountChanges;
}

std::string MemoryRowStore::Cell(int row) const
{
    return rows.at(static_cast<std::size_t>(row));
}

void MemoryRowStore::SetCell(int row, const std::string& text)
{
    rows.at(static_cast<std::size_t>(row)) = text;
}

bool RecordingDialogs::Confirm(const std::string& question)
{
    questions.push_back(question);
    if (answers.empty())
        return true;
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
}

int ScriptedRandom::Next(int n)
{
    ++draws;
    if (!m_queued.empty()) {
        const int v = m_queued.front();
        m_queued.pop_front();
        if (v >= n)
            throw std::logic_error("queued draw out of range");
        return v;
    }
    return std::uniform_int_distribution<int>(0, n - 1)(m_engine);
}

void ScriptedRandom::QueueLetters(const std::string& letters)
{
    if (letters.size() != game::kLetterPools.size())
        throw std::logic_error("nine letters expected");
    for (std::size_t i = 0; i < letters.size(); ++i) {
        const std::size_t at = game::kLetterPools[i].find(letters[i]);
        if (at == std::string_view::npos)
            throw std::logic_error("letter not in its button's pool");
        m_queued.push_back(static_cast<int>(at));
    }
}

std::optional<std::string> MemoryResources::Find(const std::string& name) const
{
    auto lower = [](std::string s) {
        for (char& c : s)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return s;
    };
    for (const auto& [key, bytes] : byName) {
        if (lower(key) == lower(name))
            return bytes;
    }
    return std::nullopt;
}

TempFolder::TempFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "lumora-game-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    m_path = pattern + "/";
}

TempFolder::~TempFolder()
{
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

std::string WordListText(const std::vector<std::string>& words)
{
    std::string text;
    for (const std::string& w : words)
        text += w + "\r\n";
    return text;
}

static std::array<game::ILetterButton*, 9> Pointers(std::array<MemoryButton, 9>& buttons)
{
    std::array<game::ILetterButton*, 9> result {};
    for (std::size_t i = 0; i < buttons.size(); ++i)
        result[i] = &buttons[i];
    return result;
}

GameRig::GameRig(std::string folder)
    : game(
          game::GameControls {
              .wordsGrid = wordsGrid,
              .possibleWordsGrid = possibleWordsGrid,
              .guessedWordsGrid = guessedWordsGrid,
              .guessedWordsView = guessedWordsView,
              .label1 = label1,
              .lettersLabel = lettersLabel,
              .label2 = label2,
              .possibleWordsLabel = possibleWordsLabel,
              .potentialWordsLabel = potentialWordsLabel,
              .numWordsLabel = numWordsLabel,
              .scoreLabel = scoreLabel,
              .currentWordLabel = currentWordLabel,
              .crossButtons = Pointers(buttons),
              .soundCheckBox = soundCheckBox,
          },
          game::GameServices { .dialogs = dialogs, .sound = sound, .random = random },
          folder.empty() ? temp.Path() : folder)
{
}

void GameRig::LoadWords(const std::vector<std::string>& words)
{
    WriteFile(game.AppFolder() + "biblewords.txt", WordListText(words));
    game.LoadWordList();
}

void GameRig::Click(int n)
{
    MemoryButton& b = buttons.at(static_cast<std::size_t>(n - 1));
    b.down = !b.down;
    game.LetterButtonClick(n);
}

void GameRig::Type(const std::string& word)
{
    for (const char c : word) {
        auto it = std::find_if(buttons.begin(), buttons.end(),
            [c](const MemoryButton& b) { return !b.down && b.caption == std::string(1, c); });
        if (it == buttons.end())
            throw std::logic_error(std::string("no free button for ") + c);
        Click(static_cast<int>(it - buttons.begin()) + 1);
    }
}

std::vector<int> GameRig::DownButtons() const
{
    std::vector<int> down;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (buttons[i].down)
            down.push_back(static_cast<int>(i) + 1);
    }
    return down;
}

std::vector<std::string> FortyWordList()
{
    std::vector<std::string> words = {
        // 40 potential words of ESTARIONE
        "EARN", "EAST", "EATS", "NEAR", "NOSE", "NOTE", "ONES", "RATE", "RISE", "RITE",
        "ROSE", "SEAT", "SIRE", "SORE", "TEAR", "TIER", "TIRE", "TOES", "TONE", "TREE",
        "INERT", "IRATE", "NOTES", "ONSET", "RATES", "RENTS", "SNORE", "STARE", "STERN",
        "STONE", "TEARS", "TONES", "ORIENT", "SENIOR", "STEREO", "TENORS", "SENATOR",
        "TREASON", "TRAINEE", "NOTARIES",
        // and words that do not fit it
        "TRIO", "EEEE", "SEES", "RARE", "ZONE", "ABBOTS", "QUEEN",
    };
    std::sort(words.begin(), words.end());
    return words;
}

} // namespace gametest
