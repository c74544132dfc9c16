#include "game/WordGame.h"

#include "game/DataFiles.h"
#include "game/GameErrors.h"
#include "game/WordRules.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace game {

TWordGame::TWordGame(const GameControls& controls, const GameServices& services, std::string appFolder)
    : m_controls(controls)
    , m_services(services)
    , m_appFolder(std::move(appFolder))
{
    for (ILetterButton* button : m_controls.crossButtons) {
        if (!button)
            throw std::invalid_argument("every letter button must be given");
    }
}

// ---- Start-up -------------------------------------------------------------

void TWordGame::ExtractDataFiles(const IResourceSource& resources) const
{
    game::ExtractDataFiles(m_appFolder, resources);
}

void TWordGame::LoadWordList()
{
    // The whole file is read before the store changes, so a read error
    // leaves the store as it was.
    IRowStore& store = m_controls.wordsGrid;
    const int maxRows = std::max(0, store.MaxRowCount());
    const std::vector<std::string> lines =
        ReadWordListLines(m_appFolder + kWordListFileName, static_cast<std::size_t>(maxRows));
    store.SetRows(lines);
    m_controls.label1.SetCaption("Words: " + std::to_string(lines.size()));
    m_finder.Rebuild(lines);
}

// ---- New Puzzle -----------------------------------------------------------

TNewPuzzleResult TWordGame::NewPuzzle()
{
    if (m_gameActive && !m_services.dialogs.Confirm(kQuitQuestion))
        return TNewPuzzleResult::Declined;

    // The summaries follow the store: rebuilt when it was never summarised
    // or has changed its length behind our back.
    if (!m_finder.Built() || m_finder.RowCount() != m_controls.wordsGrid.RowCount())
        m_finder.Rebuild(m_controls.wordsGrid);

    // Draw until the letters give enough potential words. Nothing is shown
    // until a draw qualifies, so giving up leaves the puzzle in play as it is.
    for (int passes = 1; passes <= kMaxPasses; ++passes) {
        const std::string letters = DrawPuzzleLetters(m_services.random);
        m_finder.Find(letters, m_found);
        if (static_cast<int>(m_found.size()) >= kMinPotentialWords) {
            ShowPuzzle(letters, m_found, passes);
            return TNewPuzzleResult::Made;
        }
    }
    m_services.dialogs.Inform(kNoPuzzleMessage);
    return TNewPuzzleResult::GaveUp;
}

void TWordGame::ShowPuzzle(const std::string& letters, const std::vector<int>& rows, int passes)
{
    ClearWord();

    // The letters on their buttons and in the hidden label.
    for (int i = 0; i < kLetterButtonCount; ++i)
        Button(i + 1).SetCaption(std::string(1, letters[static_cast<std::size_t>(i)]));
    m_puzzleLetters = letters;
    m_controls.lettersLabel.SetCaption(letters);

    // The answers, longest first; words of one length keep list order.
    std::vector<std::string> words;
    words.reserve(rows.size());
    for (const int r : rows)
        words.push_back(m_controls.wordsGrid.Cell(r));
    std::stable_sort(words.begin(), words.end(),
        [](const std::string& a, const std::string& b) { return a.size() > b.size(); });

    const int count = static_cast<int>(words.size());
    IRowStore& answers = m_controls.possibleWordsGrid;
    answers.SetRowCount(count);
    for (int r = 0; r < count; ++r)
        answers.SetCell(r, words[static_cast<std::size_t>(r)]);
    m_controls.possibleWordsLabel.SetCaption("Possible Words: " + std::to_string(count));
    SetNumber(m_controls.potentialWordsLabel, count);
    m_controls.label2.SetCaption("Passes: " + std::to_string(passes));

    // The visible list, every word starred.
    IRowStore& list = m_controls.guessedWordsGrid;
    list.SetRowCount(count);
    for (int r = 0; r < count; ++r)
        list.SetCell(r, StarredForm(words[static_cast<std::size_t>(r)]));
    // The longest words at the top are in view, the first of them current.
    m_controls.guessedWordsView.ShowFirstRow();

    m_score = 0;
    m_wordsFound = 0;
    SetNumber(m_controls.numWordsLabel, m_wordsFound);
    SetNumber(m_controls.scoreLabel, m_score);
    m_gameActive = true;
}

// ---- Word entry -----------------------------------------------------------

void TWordGame::LetterButtonClick(int number)
{
    ILetterButton& button = Button(number);
    if (!m_gameActive)
        return;
    if (!button.Down()) {
        // Already in the word: a used letter cannot be added twice.
        button.SetDown(true);
        return;
    }
    m_pressedButtons += static_cast<char>('0' + number);
    ILabel& current = m_controls.currentWordLabel;
    const std::string word = current.Caption() + button.Caption();
    current.SetCaption(word);
    current.Repaint();
    CheckWord(word);
}

void TWordGame::BackSpace()
{
    const std::size_t n = m_pressedButtons.size();
    if (n == 0)
        return;
    Button(m_pressedButtons.back() - '0').SetDown(false);
    m_pressedButtons.pop_back();

    ILabel& current = m_controls.currentWordLabel;
    const std::string word = current.Caption().substr(0, n - 1);
    current.SetCaption(word);
    current.Repaint();
    CheckWord(word);
}

void TWordGame::ClearWord()
{
    m_pressedButtons.clear();
    m_controls.currentWordLabel.SetCaption(std::string());
    for (int i = 1; i <= kLetterButtonCount; ++i)
        Button(i).SetDown(false);
}

void TWordGame::Quit()
{
    m_gameActive = false;
    IRowStore& answers = m_controls.possibleWordsGrid;
    IRowStore& list = m_controls.guessedWordsGrid;
    const int rows = std::min(answers.RowCount(), list.RowCount());
    for (int r = 0; r < rows; ++r)
        list.SetCell(r, answers.Cell(r));
}

void TWordGame::CheckWord(const std::string& word)
{
    IRowStore& answers = m_controls.possibleWordsGrid;
    IRowStore& list = m_controls.guessedWordsGrid;
    // Every row is compared, so a word listed twice is revealed twice; the
    // list scrolls to the first of them.
    bool shown = false;
    for (int r = 0; r < answers.RowCount(); ++r) {
        const std::string answer = answers.Cell(r);
        if (answer != word || r >= list.RowCount())
            continue;
        if (list.Cell(r) == answer) {
            PlaySound(kUsedWordSoundFileName);
            continue;
        }
        list.SetCell(r, answer);
        if (!shown) {
            m_controls.guessedWordsView.ScrollRowIntoView(r);
            shown = true;
        }
        m_wordsFound += 1;
        m_score += static_cast<int>(answer.size());
        SetNumber(m_controls.numWordsLabel, m_wordsFound);
        SetNumber(m_controls.scoreLabel, m_score);
        PlaySound(kNewWordSoundFileName);
        ClearWord();
        if (answers.RowCount() == m_wordsFound) {
            m_services.dialogs.Inform("You did it!, you created all " + std::to_string(m_wordsFound)
                + " words!");
        }
    }
}

// ---- Helpers --------------------------------------------------------------

ILetterButton& TWordGame::Button(int number) const
{
    if (number < 1 || number > kLetterButtonCount)
        throw std::out_of_range("letter buttons are numbered 1 to 9");
    return *m_controls.crossButtons[static_cast<std::size_t>(number - 1)];
}

void TWordGame::PlaySound(const char* fileName) const
{
    if (m_controls.soundCheckBox.Checked())
        m_services.sound.Play(m_appFolder + fileName);
}

void TWordGame::SetNumber(ILabel& label, int value) const
{
    label.SetCaption(std::to_string(value));
    label.Repaint();
}

} // namespace game
