// Word entry: the letter buttons, checking and scoring, Back Space, Clear
// Word, Quit and the completion message.
#include "support_game.h"

#include "game/WordRules.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace game;
using namespace gametest;

namespace {

// Buttons of kLetters "ESTARIONE": 1 E, 2 S, 3 T, 4 A, 5 R, 6 I, 7 O, 8 N, 9 E.
constexpr int kNoteRow = 25; // NOTE in the ordered answers of FortyWordList

class WordEntry : public ::testing::Test {
protected:
    void SetUp() override { StartPuzzle(FortyWordList()); }

    void StartPuzzle(const std::vector<std::string>& words)
    {
        rig.LoadWords(words);
        rig.random.QueueLetters(kLetters);
        ASSERT_EQ(rig.game.NewPuzzle(), TNewPuzzleResult::Made);
    }
    std::string NewSound() const { return rig.game.AppFolder() + "newword.wav"; }
    std::string UsedSound() const { return rig.game.AppFolder() + "usedword.wav"; }
    int Row(const std::string& word) const
    {
        const auto& rows = rig.possibleWordsGrid.rows;
        return static_cast<int>(std::find(rows.begin(), rows.end(), word) - rows.begin());
    }

    GameRig rig;
};

} // namespace

TEST_F(WordEntry, LettersBuildTheWordAndAFourLetterWordIsAccepted)
{
    rig.Type("NOT");
    EXPECT_EQ(rig.currentWordLabel.caption, "NOT");
    EXPECT_EQ(rig.game.PressedButtons(), "873");
    EXPECT_EQ(rig.DownButtons(), (std::vector<int> { 3, 7, 8 }));
    EXPECT_GE(rig.currentWordLabel.repaints, 3);
    EXPECT_TRUE(rig.sound.played.empty());

    rig.Type("E");
    ASSERT_EQ(Row("NOTE"), kNoteRow);
    EXPECT_EQ(rig.guessedWordsGrid.rows[kNoteRow], "NOTE");
    EXPECT_EQ(GuessedWordsCellColor(rig.guessedWordsGrid.rows[kNoteRow]), kRevealedWordColor);
    EXPECT_EQ(GuessedWordsCellColor(rig.guessedWordsGrid.rows[kNoteRow + 1]), kStarredWordColor);
    EXPECT_EQ(rig.game.WordsFound(), 1);
    EXPECT_EQ(rig.game.Score(), 4);
    EXPECT_EQ(rig.numWordsLabel.caption, "1");
    EXPECT_EQ(rig.scoreLabel.caption, "4");
    EXPECT_EQ(rig.sound.played, std::vector<std::string> { NewSound() });
    EXPECT_EQ(rig.currentWordLabel.caption, "");
    EXPECT_EQ(rig.game.PressedButtons(), "");
    EXPECT_TRUE(rig.DownButtons().empty());
    EXPECT_TRUE(rig.dialogs.informed.empty());

    // A longer word scores its length.
    rig.Type("NOTARIES");
    EXPECT_EQ(rig.game.Score(), 12);
    EXPECT_EQ(rig.guessedWordsGrid.rows[0], "NOTARIES");
}

TEST_F(WordEntry, AWordFoundBeforePlaysTheSecondSoundAndStands)
{
    rig.Type("NOTE");
    rig.Type("NOTE");
    EXPECT_EQ(rig.sound.played, (std::vector<std::string> { NewSound(), UsedSound() }));
    EXPECT_EQ(rig.game.WordsFound(), 1);
    EXPECT_EQ(rig.game.Score(), 4);
    EXPECT_EQ(rig.currentWordLabel.caption, "NOTE");
    EXPECT_EQ(rig.game.PressedButtons(), "8731");
    EXPECT_EQ(rig.DownButtons(), (std::vector<int> { 1, 3, 7, 8 }));

    // It can grow into a longer word, which then counts.
    rig.Type("S");
    EXPECT_EQ(rig.guessedWordsGrid.rows[static_cast<std::size_t>(Row("NOTES"))], "NOTES");
    EXPECT_EQ(rig.game.Score(), 9);
    EXPECT_EQ(rig.currentWordLabel.caption, "");
}

TEST_F(WordEntry, AShorterWordIsAcceptedBeforeTheLongerOne)
{
    rig.Type("NOTES");
    EXPECT_EQ(rig.guessedWordsGrid.rows[kNoteRow], "NOTE");
    EXPECT_EQ(rig.guessedWordsGrid.rows[static_cast<std::size_t>(Row("NOTES"))], "*****");
    EXPECT_EQ(rig.currentWordLabel.caption, "S");
    EXPECT_EQ(rig.game.PressedButtons(), "2");
}

TEST_F(WordEntry, AButtonAlreadyDownAddsNothing)
{
    rig.Type("NO");
    rig.Click(8);
    EXPECT_TRUE(rig.buttons[7].down);
    EXPECT_EQ(rig.currentWordLabel.caption, "NO");
    EXPECT_EQ(rig.game.PressedButtons(), "87");
}

TEST_F(WordEntry, BackSpaceRaisesTheButtonOfTheLastLetter)
{
    rig.game.BackSpace(); // nothing to take back
    EXPECT_EQ(rig.currentWordLabel.caption, "");
    EXPECT_TRUE(rig.sound.played.empty());

    // E stands on buttons 1 and 9; the last E came from 9.
    rig.Click(2);
    rig.Click(1);
    rig.Click(9);
    EXPECT_EQ(rig.currentWordLabel.caption, "SEE");
    rig.game.BackSpace();
    EXPECT_EQ(rig.DownButtons(), (std::vector<int> { 1, 2 }));
    EXPECT_EQ(rig.currentWordLabel.caption, "SE");
    EXPECT_EQ(rig.game.PressedButtons(), "21");
    rig.game.BackSpace();
    EXPECT_EQ(rig.DownButtons(), std::vector<int> { 2 });
    // The freed button can be used again.
    rig.Click(1);
    EXPECT_EQ(rig.currentWordLabel.caption, "SE");
    EXPECT_TRUE(rig.sound.played.empty());
}

TEST_F(WordEntry, BackSpaceOntoAFoundWordPlaysTheSecondSoundAgain)
{
    rig.Type("NOTE");
    rig.Type("NOTE");
    rig.Type("A");
    EXPECT_EQ(rig.currentWordLabel.caption, "NOTEA");
    rig.game.BackSpace();
    EXPECT_EQ(rig.sound.played, (std::vector<std::string> { NewSound(), UsedSound(), UsedSound() }));
    EXPECT_EQ(rig.currentWordLabel.caption, "NOTE");
    EXPECT_EQ(rig.DownButtons(), (std::vector<int> { 1, 3, 7, 8 }));
    EXPECT_EQ(rig.game.Score(), 4);
}

TEST_F(WordEntry, BackSpaceOntoAnythingElseChangesNothingMore)
{
    rig.Type("TEAS");
    rig.game.BackSpace();
    EXPECT_EQ(rig.currentWordLabel.caption, "TEA");
    EXPECT_EQ(rig.DownButtons(), (std::vector<int> { 1, 3, 4 }));
    EXPECT_TRUE(rig.sound.played.empty());
    EXPECT_EQ(rig.game.WordsFound(), 0);
    rig.Type("R");
    EXPECT_EQ(rig.game.WordsFound(), 1);
    EXPECT_EQ(rig.guessedWordsGrid.rows[static_cast<std::size_t>(Row("TEAR"))], "TEAR");
}

TEST_F(WordEntry, ClearWordEmptiesTheWordAndRaisesEveryButton)
{
    rig.Type("STO");
    rig.game.ClearWord();
    EXPECT_EQ(rig.currentWordLabel.caption, "");
    EXPECT_EQ(rig.game.PressedButtons(), "");
    EXPECT_TRUE(rig.DownButtons().empty());
    EXPECT_TRUE(rig.sound.played.empty());
    rig.Type("STONE");
    EXPECT_EQ(rig.game.WordsFound(), 1);
}

TEST_F(WordEntry, SoundsOffPlaysNothingButStillCongratulates)
{
    rig.soundCheckBox.checked = false;
    rig.Type("NOTE");
    rig.Type("NOTE");
    EXPECT_TRUE(rig.sound.played.empty());
    EXPECT_EQ(rig.game.WordsFound(), 1);

    rig.game.ClearWord();
    std::vector<std::string> rest = rig.possibleWordsGrid.rows;
    std::reverse(rest.begin(), rest.end()); // shortest first: no prefix is still hidden
    for (const std::string& w : rest) {
        rig.Type(w);
        rig.game.ClearWord();
    }
    EXPECT_TRUE(rig.sound.played.empty());
    EXPECT_EQ(rig.dialogs.informed, std::vector<std::string> { "You did it!, you created all 40 words!" });
}

TEST_F(WordEntry, FindingEveryWordCongratulatesOnce)
{
    std::vector<std::string> answers = rig.possibleWordsGrid.rows;
    std::reverse(answers.begin(), answers.end());
    int letters = 0;
    for (std::size_t i = 0; i < answers.size(); ++i) {
        ASSERT_TRUE(rig.dialogs.informed.empty()) << "congratulated after " << i << " words";
        rig.Type(answers[i]);
        rig.game.ClearWord();
        letters += static_cast<int>(answers[i].size());
    }
    EXPECT_EQ(rig.game.WordsFound(), 40);
    EXPECT_EQ(rig.game.Score(), letters);
    EXPECT_EQ(rig.guessedWordsGrid.rows, rig.possibleWordsGrid.rows);
    EXPECT_EQ(rig.dialogs.informed, std::vector<std::string> { "You did it!, you created all 40 words!" });

    // Play goes on; entering a word again only plays the second sound.
    EXPECT_TRUE(rig.game.GameActive());
    rig.sound.played.clear();
    rig.Type("TREE");
    EXPECT_EQ(rig.sound.played, std::vector<std::string> { UsedSound() });
    EXPECT_EQ(rig.dialogs.informed.size(), 1u);
    EXPECT_EQ(rig.game.Score(), letters);
}

TEST_F(WordEntry, ADuplicatedListWordRevealsAndScoresBothRows)
{
    std::vector<std::string> words = FortyWordList();
    words.insert(std::find(words.begin(), words.end(), "NOTE"), "NOTE");
    rig.guessedWordsView.shown.clear();
    StartPuzzle(words);
    ASSERT_EQ(rig.possibleWordsGrid.RowCount(), 41);
    EXPECT_EQ(rig.guessedWordsView.shown, std::vector<int> { -1 }) << "a new puzzle shows its first row";
    rig.Type("NOTE");
    EXPECT_EQ(rig.guessedWordsGrid.rows[kNoteRow], "NOTE");
    EXPECT_EQ(rig.guessedWordsGrid.rows[kNoteRow + 1], "NOTE");
    EXPECT_EQ(rig.guessedWordsView.shown, (std::vector<int> { -1, kNoteRow })) << "the list shows the first of them";
    EXPECT_EQ(rig.game.WordsFound(), 2);
    EXPECT_EQ(rig.game.Score(), 8);
    EXPECT_EQ(rig.currentWordLabel.caption, "");
}

TEST_F(WordEntry, QuitRevealsEverythingAndKeepsCountsAndTheWord)
{
    rig.Type("NOTE");
    rig.Type("ST");
    rig.sound.played.clear();
    rig.game.Quit();

    EXPECT_FALSE(rig.game.GameActive());
    EXPECT_EQ(rig.guessedWordsGrid.rows, rig.possibleWordsGrid.rows);
    for (const std::string& row : rig.guessedWordsGrid.rows)
        EXPECT_EQ(GuessedWordsCellColor(row), kRevealedWordColor);
    EXPECT_EQ(rig.game.WordsFound(), 1);
    EXPECT_EQ(rig.game.Score(), 4);
    EXPECT_EQ(rig.numWordsLabel.caption, "1");
    EXPECT_TRUE(rig.sound.played.empty());
    EXPECT_TRUE(rig.dialogs.informed.empty());
    EXPECT_EQ(rig.currentWordLabel.caption, "ST");
    EXPECT_EQ(rig.DownButtons(), (std::vector<int> { 2, 3 }));

    // Letter clicks only flip their button now.
    rig.Click(7);
    EXPECT_TRUE(rig.buttons[6].down);
    EXPECT_EQ(rig.currentWordLabel.caption, "ST");
    EXPECT_EQ(rig.game.PressedButtons(), "23");

    // Back Space and Clear Word still work.
    rig.game.BackSpace();
    EXPECT_EQ(rig.currentWordLabel.caption, "S");
    rig.game.ClearWord();
    EXPECT_TRUE(rig.DownButtons().empty());
}

TEST(WordEntryBeforeTheFirstPuzzle, ClicksOnlyFlipTheButtons)
{
    GameRig rig;
    rig.Click(1);
    EXPECT_TRUE(rig.buttons[0].down);
    rig.Click(1);
    EXPECT_FALSE(rig.buttons[0].down);
    EXPECT_EQ(rig.currentWordLabel.caption, "");
    EXPECT_EQ(rig.game.PressedButtons(), "");
    rig.game.BackSpace();
    rig.game.ClearWord();
    rig.game.Quit();
    EXPECT_TRUE(rig.sound.played.empty());
    EXPECT_EQ(rig.guessedWordsGrid.RowCount(), 100);
    EXPECT_THROW(rig.game.LetterButtonClick(10), std::out_of_range);
}
