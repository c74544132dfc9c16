#pragma once
// The game core touches the window only through these small interfaces. The
// window implements them on its real controls (the hidden grids and labels,
// the visible list, the letter buttons, the sound switch); tests implement
// them in memory. Each piece of state lives in exactly one of them: the core
// reads and writes the controls, it never keeps a copy of their contents.
//
// Every text is UTF-8 (the word list itself is 8-bit text of the letters A to
// Z, so in practice plain ASCII).
#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace game {

// A one-column string grid: WordsGrid, PossibleWordsGrid, GuessedWordsGrid.
// Rows are counted from 0; Cell and SetCell take a row below RowCount.
class IRowStore {
public:
    virtual ~IRowStore() = default;
    virtual int RowCount() const = 0;
    // Growing adds empty rows at the end, shrinking drops the last rows.
    virtual void SetRowCount(int rows) = 0;
    virtual std::string Cell(int row) const = 0;
    virtual void SetCell(int row, const std::string& text) = 0;
    // Replaces every row in one step: RowCount becomes rows.size().
    virtual void SetRows(const std::vector<std::string>& rows)
    {
        SetRowCount(static_cast<int>(rows.size()));
        for (std::size_t r = 0; r < rows.size(); ++r)
            SetCell(static_cast<int>(r), rows[r]);
    }
    // The most rows the store can hold.
    virtual int MaxRowCount() const { return std::numeric_limits<int>::max(); }
};

// What the visible list shows of its rows: it follows the play.
class IListView {
public:
    virtual ~IListView() = default;
    // Scrolls as little as possible so that the row shows whole; the
    // current row stays.
    virtual void ScrollRowIntoView(int row) = 0;
    // Scrolls back to the first row and makes it the current one (the
    // selection shrinks onto it).
    virtual void ShowFirstRow() = 0;
};

// A label: the hidden ones (LettersLabel, Label1, Label2, PossibleWordsLabel)
// and the visible smooth labels (NumWordsLabel, ScoreLabel,
// PotentialWordsLabel, CurrentWordLabel, whose caption is the current word).
class ILabel {
public:
    virtual ~ILabel() = default;
    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& text) = 0;
    // Paint the label now rather than at the next idle moment.
    virtual void Repaint() {}
};

// One of the nine letter buttons CrossButton1 to CrossButton9: a toggle
// button whose caption is its letter.
class ILetterButton {
public:
    virtual ~ILetterButton() = default;
    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& text) = 0;
    virtual bool Down() const = 0;
    virtual void SetDown(bool down) = 0;
};

// The standard modal dialogs the game uses.
class IGameDialogs {
public:
    virtual ~IGameDialogs() = default;
    // Caption "Confirm", question icon, Yes and No; true only for Yes.
    virtual bool Confirm(const std::string& question) = 0;
    // Caption "Information", information icon, one OK button.
    virtual void Inform(const std::string& text) = 0;
};

// Plays a WAVE file by its path without waiting; a missing or unplayable file
// plays nothing, and a new sound ends the one still playing.
class ISoundPlayer {
public:
    virtual ~ISoundPlayer() = default;
    virtual void Play(const std::string& path) = 0;
};

// The "Play Sounds" check box, read at the moment a sound is due.
class ISoundSwitch {
public:
    virtual ~ISoundSwitch() = default;
    virtual bool Checked() const = 0;
};

// The random generator: each draw is an integer in 0 to n - 1, equally likely.
class IRandomSource {
public:
    virtual ~IRandomSource() = default;
    virtual int Next(int n) = 0;
};

// The data files carried inside the program. Names compare without regard
// to case ("biblewords", "BibleWords" and "BIBLEWORDS" are one resource).
class IResourceSource {
public:
    virtual ~IResourceSource() = default;
    // The resource's bytes, or nothing when there is no such resource.
    virtual std::optional<std::string> Find(const std::string& name) const = 0;
};

} // namespace game
