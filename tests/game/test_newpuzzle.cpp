// New Puzzle: the draw loop, the answers and the visible list, the question,
// and giving up on a word list that cannot make a puzzle.
#include "support_game.h"

#include "game/WordRules.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace game;
using namespace gametest;

namespace {

// Everything of a game the player could see or the next step could read.
struct Snapshot {
    std::vector<std::string> answers, list;
    std::vector<std::string> captions;
    std::vector<int> down;
    std::string letters, lettersLabel, label2, possibleWordsLabel, potential, found, score, word;
    std::string pressed;
    int wordsFound, points;
    bool active;
    bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const GameRig& rig)
{
    Snapshot s;
    s.answers = rig.possibleWordsGrid.rows;
    s.list = rig.guessedWordsGrid.rows;
    for (const MemoryButton& b : rig.buttons)
        s.captions.push_back(b.caption);
    s.down = rig.DownButtons();
    s.letters = rig.game.PuzzleLetters();
    s.lettersLabel = rig.lettersLabel.caption;
    s.label2 = rig.label2.caption;
    s.possibleWordsLabel = rig.possibleWordsLabel.caption;
    s.potential = rig.potentialWordsLabel.caption;
    s.found = rig.numWordsLabel.caption;
    s.score = rig.scoreLabel.caption;
    s.word = rig.currentWordLabel.caption;
    s.pressed = rig.game.PressedButtons();
    s.wordsFound = rig.game.WordsFound();
    s.points = rig.game.Score();
    s.active = rig.game.GameActive();
    return s;
}

// The 40 answers of kLetters in FortyWordList, as they must stand.
const std::vector<std::string> kFortyAnswers = {
    "NOTARIES", "SENATOR", "TRAINEE", "TREASON", "ORIENT", "SENIOR", "STEREO", "TENORS",
    "INERT", "IRATE", "NOTES", "ONSET", "RATES", "RENTS", "SNORE", "STARE", "STERN", "STONE",
    "TEARS", "TONES", "EARN", "EAST", "EATS", "NEAR", "NOSE", "NOTE", "ONES", "RATE", "RISE",
    "RITE", "ROSE", "SEAT", "SIRE", "SORE", "TEAR", "TIER", "TIRE", "TOES", "TONE", "TREE",
};

// A puzzle in play with a word found and two letters of the next typed.
void PlayALittle(GameRig& rig)
{
    rig.LoadWords(FortyWordList());
    rig.random.QueueLetters(kLetters);
    ASSERT_EQ(rig.game.NewPuzzle(), TNewPuzzleResult::Made);
    rig.Type("NOTE");
    rig.Type("ST");
    ASSERT_EQ(rig.game.WordsFound(), 1);
    ASSERT_EQ(rig.currentWordLabel.caption, "ST");
}

} // namespace

TEST(NewPuzzle, FirstPuzzleShowsEveryAnswerStarredLongestFirst)
{
    GameRig rig;
    rig.LoadWords(FortyWordList());
    rig.random.QueueLetters(kLetters);
    EXPECT_EQ(rig.game.NewPuzzle(), TNewPuzzleResult::Made);

    EXPECT_TRUE(rig.dialogs.questions.empty());
    EXPECT_EQ(rig.random.draws, 9);
    EXPECT_EQ(rig.game.PuzzleLetters(), kLetters);
    EXPECT_EQ(rig.lettersLabel.caption, kLetters);
    for (std::size_t i = 0; i < 9; ++i)
        EXPECT_EQ(rig.buttons[i].caption, std::string(1, kLetters[i]));

    EXPECT_EQ(rig.possibleWordsGrid.rows, kFortyAnswers);
    ASSERT_EQ(rig.guessedWordsGrid.RowCount(), 40);
    for (std::size_t r = 0; r < kFortyAnswers.size(); ++r)
        EXPECT_EQ(rig.guessedWordsGrid.rows[r], std::string(kFortyAnswers[r].size(), '*'));

    EXPECT_EQ(rig.possibleWordsLabel.caption, "Possible Words: 40");
    EXPECT_EQ(rig.potentialWordsLabel.caption, "40");
    EXPECT_EQ(rig.label2.caption, "Passes: 1");
    EXPECT_EQ(rig.numWordsLabel.caption, "0");
    EXPECT_EQ(rig.scoreLabel.caption, "0");
    EXPECT_GE(rig.numWordsLabel.repaints, 1);
    EXPECT_TRUE(rig.game.GameActive());
}

TEST(NewPuzzle, WithinALengthTheListOrderStands)
{
    // An unsorted replaced list: equal lengths keep the file's order.
    std::vector<std::string> words = FortyWordList();
    std::reverse(words.begin(), words.end());
    GameRig rig;
    rig.LoadWords(words);
    rig.random.QueueLetters(kLetters);
    rig.game.NewPuzzle();

    std::vector<std::string> expected;
    for (std::size_t len = 9; len >= 4; --len) {
        std::vector<std::string> same;
        for (const std::string& w : kFortyAnswers) {
            if (w.size() == len)
                same.push_back(w);
        }
        expected.insert(expected.end(), same.rbegin(), same.rend());
    }
    EXPECT_EQ(rig.possibleWordsGrid.rows, expected);
}

TEST(NewPuzzle, DrawsUntilThirtyFiveAndCountsThePasses)
{
    GameRig rig;
    rig.LoadWords(FortyWordList());
    rig.random.QueueLetters("AZZAZZAHZ"); // fits nothing
    rig.random.QueueLetters("EBBABBOSB"); // fits only a few
    rig.random.QueueLetters(kLetters);
    EXPECT_EQ(rig.game.NewPuzzle(), TNewPuzzleResult::Made);
    EXPECT_EQ(rig.label2.caption, "Passes: 3");
    EXPECT_EQ(rig.random.draws, 27);
    EXPECT_EQ(rig.game.PuzzleLetters(), kLetters);
    EXPECT_EQ(rig.buttons[1].caption, "S");
}

TEST(NewPuzzle, ThirtyFiveWordsAreEnoughThirtyFourAreNot)
{
    std::vector<std::string> answers = kFortyAnswers;
    std::sort(answers.begin(), answers.end());
    answers.resize(35);
    {
        GameRig rig;
        rig.LoadWords(answers);
        rig.random.QueueLetters(kLetters);
        EXPECT_EQ(rig.game.NewPuzzle(), TNewPuzzleResult::Made);
        EXPECT_EQ(rig.possibleWordsGrid.RowCount(), 35);
    }
    answers.resize(34);
    {
        // No draw can ever reach 35 with 34 words: the loop must end.
        GameRig rig;
        rig.LoadWords(answers);
        rig.random.QueueLetters(kLetters);
        EXPECT_EQ(rig.game.NewPuzzle(), TNewPuzzleResult::GaveUp);
        EXPECT_EQ(rig.random.draws, 9 * TWordGame::kMaxPasses);
    }
}

TEST(NewPuzzle, NoToTheQuestionKeepsThePuzzleInPlay)
{
    GameRig rig;
    PlayALittle(rig);
    const Snapshot before = Take(rig);
    const int draws = rig.random.draws;

    rig.dialogs.answers = { false };
    EXPECT_EQ(rig.game.NewPuzzle(), TNewPuzzleResult::Declined);
    EXPECT_EQ(rig.dialogs.questions, std::vector<std::string> { "Do you really want to quit?" });
    EXPECT_TRUE(Take(rig) == before);
    EXPECT_EQ(rig.random.draws, draws);

    // Yes: a new puzzle, with the word, count and score of the old one gone.
    rig.random.QueueLetters(kLetters);
    EXPECT_EQ(rig.game.NewPuzzle(), TNewPuzzleResult::Made);
    EXPECT_EQ(rig.dialogs.questions.size(), 2u);
    EXPECT_EQ(rig.game.WordsFound(), 0);
    EXPECT_EQ(rig.game.Score(), 0);
    EXPECT_EQ(rig.currentWordLabel.caption, "");
    EXPECT_EQ(rig.game.PressedButtons(), "");
    EXPECT_TRUE(rig.DownButtons().empty());
    EXPECT_EQ(rig.guessedWordsGrid.rows[25], "****"); // NOTE starred again
}

TEST(NewPuzzle, AfterQuitNothingIsAsked)
{
    GameRig rig;
    PlayALittle(rig);
    rig.game.Quit();
    rig.random.QueueLetters(kLetters);
    EXPECT_EQ(rig.game.NewPuzzle(), TNewPuzzleResult::Made);
    EXPECT_TRUE(rig.dialogs.questions.empty());
    EXPECT_TRUE(rig.game.GameActive());
}

TEST(NewPuzzle, AListThatCannotMakeAPuzzleChangesNothingAndSaysSo)
{
    GameRig rig;
    PlayALittle(rig);
    const Snapshot before = Take(rig);

    // A replaced tiny list, loaded as at a later start.
    rig.LoadWords({ "NOTE", "STONE", "TREE" });
    EXPECT_EQ(rig.game.NewPuzzle(), TNewPuzzleResult::GaveUp);
    EXPECT_EQ(rig.dialogs.questions.size(), 1u);
    ASSERT_EQ(rig.dialogs.informed.size(), 1u);
    EXPECT_EQ(rig.dialogs.informed[0], TWordGame::kNoPuzzleMessage);
    EXPECT_TRUE(Take(rig) == before);

    // Play goes on with the old puzzle.
    rig.Type("E");
    EXPECT_EQ(rig.currentWordLabel.caption, "STE");
}

TEST(NewPuzzle, AStoreLeftEmptyByAFailedLoadGivesUpToo)
{
    // Loading failed: the store keeps its 100 empty design-time rows.
    GameRig rig;
    const Snapshot before = Take(rig);
    EXPECT_EQ(rig.game.NewPuzzle(), TNewPuzzleResult::GaveUp);
    EXPECT_EQ(rig.dialogs.informed.size(), 1u);
    EXPECT_TRUE(Take(rig) == before);
    EXPECT_EQ(rig.possibleWordsGrid.RowCount(), 100);
    EXPECT_FALSE(rig.game.GameActive());

    // No rows at all.
    rig.wordsGrid.rows.clear();
    EXPECT_EQ(rig.game.NewPuzzle(), TNewPuzzleResult::GaveUp);
    EXPECT_TRUE(rig.dialogs.questions.empty());
}

TEST(NewPuzzle, FollowsTheWordStore)
{
    GameRig rig;
    rig.LoadWords(FortyWordList());
    rig.random.QueueLetters(kLetters);
    rig.game.NewPuzzle();
    rig.game.Quit();

    // A replaced file, loaded again: three more answers.
    std::vector<std::string> more = FortyWordList();
    more.insert(more.begin(), { "AEON", "ANISE", "ARISE" });
    rig.LoadWords(more);
    rig.random.QueueLetters(kLetters);
    rig.game.NewPuzzle();
    EXPECT_EQ(rig.possibleWordsGrid.RowCount(), 43);
    EXPECT_EQ(rig.possibleWordsGrid.rows[8], "ANISE");
    EXPECT_EQ(rig.possibleWordsGrid.rows[9], "ARISE");
    EXPECT_EQ(rig.possibleWordsGrid.rows[22], "AEON");
    rig.game.Quit();

    // The store changed behind the game's back, then announced.
    rig.wordsGrid.rows = FortyWordList();
    rig.wordsGrid.rows.push_back("RESIN");
    rig.random.QueueLetters(kLetters);
    rig.game.NewPuzzle();
    EXPECT_EQ(rig.possibleWordsGrid.RowCount(), 41);
    rig.game.Quit();
    rig.wordsGrid.rows.back() = "REINS";
    rig.game.WordStoreChanged();
    rig.random.QueueLetters(kLetters);
    rig.game.NewPuzzle();
    EXPECT_NE(std::find(rig.possibleWordsGrid.rows.begin(), rig.possibleWordsGrid.rows.end(), "REINS"),
        rig.possibleWordsGrid.rows.end());
}
