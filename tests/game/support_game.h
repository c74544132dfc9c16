#pragma once
// In-memory stand-ins for the controls and services the game core uses, and
// a rig that wires them to a TWordGame the way the window does.
#include "game/GameInterfaces.h"
#include "game/WordGame.h"

#include <array>
#include <deque>
#include <map>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace gametest {

class MemoryRowStore : public game::IRowStore {
public:
    explicit MemoryRowStore(int rows = 0) : rows(static_cast<std::size_t>(rows)) {}
    int RowCount() const override { return static_cast<int>(rows.size()); }
    void SetRowCount(int n) override;
    std::string Cell(int row) const override;
    void SetCell(int row, const std::string& text) override;
    int MaxRowCount() const override { return maxRows; }

    std::vector<std::string> rows;
    int rowCountChanges = 0;
    int maxRows = std::numeric_limits<int>::max();
};

// The visible list's view: the rows it was asked to show, in order
// (-1 for "back to the first row").
class RecordingListView : public game::IListView {
public:
    void ScrollRowIntoView(int row) override { shown.push_back(row); }
    void ShowFirstRow() override { shown.push_back(-1); }
    std::vector<int> shown;
};

class MemoryLabel : public game::ILabel {
public:
    explicit MemoryLabel(std::string text = {}) : caption(std::move(text)) {}
    std::string Caption() const override { return caption; }
    void SetCaption(const std::string& text) override { caption = text; }
    void Repaint() override { ++repaints; }

    std::string caption;
    int repaints = 0;
};

class MemoryButton : public game::ILetterButton {
public:
    std::string Caption() const override { return caption; }
    void SetCaption(const std::string& text) override { caption = text; }
    bool Down() const override { return down; }
    void SetDown(bool d) override { down = d; }

    std::string caption;
    bool down = false;
};

class RecordingDialogs : public game::IGameDialogs {
public:
    bool Confirm(const std::string& question) override;
    void Inform(const std::string& text) override { informed.push_back(text); }

    std::vector<std::string> questions;
    std::vector<std::string> informed;
    std::deque<bool> answers; // Yes when empty
};

class RecordingSound : public game::ISoundPlayer {
public:
    void Play(const std::string& path) override { played.push_back(path); }
    std::vector<std::string> played;
};

class MemorySwitch : public game::ISoundSwitch {
public:
    bool Checked() const override { return checked; }
    bool checked = true;
};

// Hands out queued draws first, then draws of a seeded generator.
class ScriptedRandom : public game::IRandomSource {
public:
    int Next(int n) override;
    // Queues the nine draws that put these letters on the buttons.
    void QueueLetters(const std::string& letters);
    int draws = 0;

private:
    std::deque<int> m_queued;
    std::mt19937 m_engine { 12345 };
};

class MemoryResources : public game::IResourceSource {
public:
    std::optional<std::string> Find(const std::string& name) const override;
    std::map<std::string, std::string> byName; // keys in any case
};

// A fresh empty folder under the system's temporary folder, removed again
// with everything in it. Path() ends in "/".
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
// Word list text: each word followed by CR LF.
std::string WordListText(const std::vector<std::string>& words);

// The window, in memory: design-time contents, every control wired up.
struct GameRig {
    // An empty folder means the rig's own temporary folder.
    explicit GameRig(std::string folder = {});

    // Fills the word store as LoadWordList would from a file of these words.
    void LoadWords(const std::vector<std::string>& words);
    // A mouse click on letter button n: the button flips, then its handler runs.
    void Click(int n);
    // Clicks, for each letter, the first button with that letter that is up.
    void Type(const std::string& word);
    // The button numbers that are down, ascending.
    std::vector<int> DownButtons() const;

    TempFolder temp;
    MemoryRowStore wordsGrid { 100 };
    MemoryRowStore possibleWordsGrid { 100 };
    MemoryRowStore guessedWordsGrid { 100 };
    RecordingListView guessedWordsView;
    MemoryLabel label1 { "Words: 0" };
    MemoryLabel lettersLabel { "ABCDEFGHI" };
    MemoryLabel label2 { "000" };
    MemoryLabel possibleWordsLabel { "Words: 0" };
    MemoryLabel potentialWordsLabel { "0" };
    MemoryLabel numWordsLabel { "0" };
    MemoryLabel scoreLabel { "0" };
    MemoryLabel currentWordLabel;
    std::array<MemoryButton, 9> buttons;
    MemorySwitch soundCheckBox;
    RecordingDialogs dialogs;
    RecordingSound sound;
    ScriptedRandom random;
    game::TWordGame game;
};

// Puzzle letters used by most tests (E on the crossing and the right end)
// and a word list that gives them exactly 40 potential words.
inline const std::string kLetters = "ESTARIONE";
std::vector<std::string> FortyWordList();

} // namespace gametest
