#pragma once
// The word game: puzzle generation, word entry, checking and scoring. It
// works on the window's controls through the interfaces of GameInterfaces.h
// and keeps only the program-wide values of a game itself (PuzzleLetters,
// PressedButtons, WordsFound, Score, GameActive). The window's handlers call
// one method each:
//
//     GenerateLettersButtonClick   NewPuzzle()
//     CrossButton1Click .. 9       LetterButtonClick(1) .. (9)
//     BackSpaceButtonClick         BackSpace()
//     ClearButtonClick             ClearWord()
//     QuitButtonClick              Quit()
//     GuessedWordsGridGetCellColor GuessedWordsCellColor(text) (WordRules.h)
//
// and the game face's start-up calls ExtractDataFiles and LoadWordList.
#include "game/GameInterfaces.h"
#include "game/LetterPools.h"
#include "game/PotentialWordFinder.h"

#include <array>
#include <string>
#include <vector>

namespace game {

// The controls the game reads and writes.
struct GameControls {
    IRowStore& wordsGrid;         // the word store (hidden)
    IRowStore& possibleWordsGrid; // the answers of the puzzle (hidden)
    IRowStore& guessedWordsGrid;  // the visible list
    IListView& guessedWordsView;  // the rows it shows
    ILabel& label1;               // "Words: " and the words loaded (hidden)
    ILabel& lettersLabel;         // the nine letters (hidden)
    ILabel& label2;               // "Passes: " and the draws needed (hidden)
    ILabel& possibleWordsLabel;   // "Possible Words: " and the count (hidden)
    ILabel& potentialWordsLabel;  // the number of potential words
    ILabel& numWordsLabel;        // WordsFound
    ILabel& scoreLabel;           // Score
    ILabel& currentWordLabel;     // its caption is the current word
    std::array<ILetterButton*, kLetterButtonCount> crossButtons; // CrossButton1 .. 9
    ISoundSwitch& soundCheckBox;
};

struct GameServices {
    IGameDialogs& dialogs;
    ISoundPlayer& sound;
    IRandomSource& random;
};

enum class TNewPuzzleResult {
    Made,     // a new puzzle is in play
    Declined, // the player kept the puzzle in play
    GaveUp,   // the word list cannot make a puzzle; nothing changed
};

class TWordGame {
public:
    // A puzzle needs at least this many potential words.
    static constexpr int kMinPotentialWords = 35;
    // New Puzzle gives up after this many draws without a puzzle.
    static constexpr int kMaxPasses = 10000;
    static constexpr const char* kQuitQuestion = "Do you really want to quit?";
    static constexpr const char* kNoPuzzleMessage =
        "The word list cannot make a puzzle of at least 35 words, so no new puzzle was made. "
        "Replace the file biblewords.txt beside the program with a longer word list.";

    // appFolder ends in a path separator; data file names are appended to it.
    TWordGame(const GameControls& controls, const GameServices& services, std::string appFolder);

    // Start-up of the game face.
    void ExtractDataFiles(const IResourceSource& resources) const;
    void LoadWordList();
    // The window calls this if it ever changes the word store itself.
    void WordStoreChanged() { m_finder = TPotentialWordFinder(); }

    // Handlers.
    TNewPuzzleResult NewPuzzle();
    void LetterButtonClick(int number); // 1 to 9, after the click flipped Down
    void BackSpace();
    void ClearWord();
    void Quit();

    // Reveals, counts and scores word if it is a potential word not found
    // yet; plays the second sound if it was found before.
    void CheckWord(const std::string& word);

    const std::string& AppFolder() const { return m_appFolder; }
    const std::string& PuzzleLetters() const { return m_puzzleLetters; }
    const std::string& PressedButtons() const { return m_pressedButtons; }
    int WordsFound() const { return m_wordsFound; }
    int Score() const { return m_score; }
    bool GameActive() const { return m_gameActive; }

private:
    ILetterButton& Button(int number) const;
    void PlaySound(const char* fileName) const;
    void SetNumber(ILabel& label, int value) const;
    void ShowPuzzle(const std::string& letters, const std::vector<int>& rows, int passes);

    GameControls m_controls;
    GameServices m_services;
    std::string m_appFolder;
    TPotentialWordFinder m_finder;
    std::vector<int> m_found; // scratch for the search

    std::string m_puzzleLetters;
    std::string m_pressedButtons;
    int m_wordsFound = 0;
    int m_score = 0;
    bool m_gameActive = false;
};

} // namespace game
