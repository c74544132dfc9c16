// A game played with the mouse on the real window: a whole puzzle typed on
// the letter buttons with the answers from the answer grid, Quit, and No to
// the New Puzzle question.
#include "support_window.h"

#include "controls/glowbutton/GlowButton.h"
#include "controls/grid/GridBase.h"
#include "controls/smoothlabel/SmoothLabel.h"
#include "controls/grid/StyledStringGrid.h"
#include "game/WordGame.h"

#include <QStringList>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

// The font colour the list's handler gives a row.
TColor RowColour(TWindowHarness& h, int row)
{
    TStyledStringGrid& grid = h.Get<TStyledStringGrid>("GuessedWordsGrid");
    TFont font;
    TCellBrush brush;
    font.SetColor(clRed);
    grid.OnGetCellColor(&grid, row, 0, TGridDrawState(), &brush, &font);
    return font.Color();
}

} // namespace

TEST(WindowPlay, AWholePuzzleTypedOnTheLetterButtons)
{
    TWindowHarness h;
    TForm1& form = h.Start();
    h.Click("GenerateLettersButton");
    ASSERT_TRUE(form.Game()->GameActive());
    EXPECT_EQ(h.dialogs.Count(QStringLiteral("confirm")), 0) << "the first puzzle asks nothing";

    const QStringList answers = Column(h.Get<TCustomGrid>("PossibleWordsGrid"));
    const TCustomGrid& list = h.Get<TCustomGrid>("GuessedWordsGrid");
    ASSERT_GE(answers.size(), game::TWordGame::kMinPotentialWords);
    ASSERT_EQ(list.RowCount(), answers.size());
    for (int r = 0; r < answers.size(); ++r) {
        EXPECT_EQ(list.Cells(0, r), QString(answers[r].size(), u'*')) << r;
        EXPECT_EQ(RowColour(h, r), clBlack) << "starred rows are black";
    }
    // The cross shows the puzzle's letters.
    QString shown;
    for (int n = 1; n <= 9; ++n)
        shown += Letter(h, n).Caption();
    EXPECT_EQ(shown.toStdString(), form.Game()->PuzzleLetters());

    // Shortest first, so that a word's beginnings are found before it. Equal
    // answers (a doubled list entry) are typed once.
    QStringList order = answers;
    order.removeDuplicates();
    std::stable_sort(order.begin(), order.end(), [](const QString& a, const QString& b) { return a.size() < b.size(); });
    int score = 0;
    for (const QString& word : answers)
        score += int(word.size());
    for (const QString& word : order) {
        TypeWord(h, word);
        EXPECT_EQ(h.CurrentWord(), QString()) << word.toStdString() << " was accepted and the word cleared";
        for (int n = 1; n <= 9; ++n)
            EXPECT_FALSE(Letter(h, n).Down()) << word.toStdString();
    }

    // Every word revealed in dark blue, counted and scored.
    for (int r = 0; r < answers.size(); ++r) {
        EXPECT_EQ(list.Cells(0, r), answers[r]);
        EXPECT_EQ(RowColour(h, r), TColor(0xAA0000)) << r;
    }
    EXPECT_EQ(form.Game()->WordsFound(), answers.size());
    EXPECT_EQ(form.Game()->Score(), score);
    EXPECT_EQ(h.Get<TSmoothLabel>("NumWordsLabel").Caption()->Text(), QString::number(answers.size()));
    EXPECT_EQ(h.Get<TSmoothLabel>("ScoreLabel").Caption()->Text(), QString::number(score));
    EXPECT_EQ(h.sound.played.count(h.PathOf("newword.wav")), order.size());

    // The completion message, once.
    ASSERT_EQ(h.dialogs.Texts(QStringLiteral("inform")),
              QStringList{QStringLiteral("You did it!, you created all %1 words!").arg(answers.size())});
    const int usedBefore = int(h.sound.played.count(h.PathOf("usedword.wav")));
    TypeWord(h, order.first());
    EXPECT_EQ(h.CurrentWord(), order.first()) << "a found word stands";
    EXPECT_EQ(h.sound.played.count(h.PathOf("usedword.wav")), usedBefore + 1);
    EXPECT_EQ(h.dialogs.Count(QStringLiteral("inform")), 1) << "not shown again";
    EXPECT_EQ(form.Game()->Score(), score);
}

TEST(WindowPlay, ClickingADownLetterAddsNothingAndBackSpaceRaisesTheLastOne)
{
    TWindowHarness h;
    TForm1& form = h.Start();
    h.Click("GenerateLettersButton");
    TCustomGlowButton& first = Letter(h, 6);
    TCustomGlowButton& second = Letter(h, 7);
    TWindowHarness::Click(first);
    TWindowHarness::Click(second);
    // Two letters can themselves never be a potential word.
    const QString two = first.Caption() + second.Caption();
    EXPECT_EQ(h.CurrentWord(), two);
    TWindowHarness::Click(first);
    EXPECT_EQ(h.CurrentWord(), two);
    EXPECT_TRUE(first.Down()) << "a used letter stays down";
    EXPECT_EQ(form.Game()->PressedButtons(), "67");

    h.Click("BackSpaceButton");
    EXPECT_EQ(h.CurrentWord(), first.Caption());
    EXPECT_FALSE(second.Down());
    EXPECT_TRUE(first.Down());
    h.Click("ClearButton");
    EXPECT_EQ(h.CurrentWord(), QString());
    EXPECT_FALSE(first.Down());
}

TEST(WindowPlay, QuitRevealsEveryWordAndLettersStopBuildingWords)
{
    TWindowHarness h;
    TForm1& form = h.Start();
    h.Click("GenerateLettersButton");
    const QStringList answers = Column(h.Get<TCustomGrid>("PossibleWordsGrid"));
    h.Click("QuitButton");
    EXPECT_FALSE(form.Game()->GameActive());
    EXPECT_EQ(Column(h.Get<TCustomGrid>("GuessedWordsGrid")), answers);
    for (int r = 0; r < answers.size(); ++r)
        EXPECT_EQ(RowColour(h, r), TColor(0xAA0000)) << r;
    EXPECT_EQ(form.Game()->WordsFound(), 0);
    EXPECT_EQ(h.Get<TSmoothLabel>("ScoreLabel").Caption()->Text(), QStringLiteral("0"));
    EXPECT_TRUE(h.sound.played.isEmpty());
    EXPECT_TRUE(h.dialogs.shown.isEmpty());

    TWindowHarness::Click(Letter(h, 1));
    EXPECT_EQ(h.CurrentWord(), QString());

    // The next puzzle asks nothing.
    h.Click("GenerateLettersButton");
    EXPECT_EQ(h.dialogs.Count(QStringLiteral("confirm")), 0);
    EXPECT_TRUE(form.Game()->GameActive());
}

TEST(WindowPlay, NoToTheNewPuzzleQuestionKeepsThePuzzleInPlay)
{
    TWindowHarness h;
    TForm1& form = h.Start();
    h.Click("GenerateLettersButton");
    TWindowHarness::Click(Letter(h, 1));
    const std::string letters = form.Game()->PuzzleLetters();
    const QStringList list = Column(h.Get<TCustomGrid>("GuessedWordsGrid"));
    const QString word = h.CurrentWord();

    h.dialogs.answers = {false};
    h.Click("GenerateLettersButton");
    EXPECT_EQ(h.dialogs.Texts(QStringLiteral("confirm")), QStringList{QStringLiteral("Do you really want to quit?")});
    EXPECT_EQ(form.Game()->PuzzleLetters(), letters);
    EXPECT_EQ(Column(h.Get<TCustomGrid>("GuessedWordsGrid")), list);
    EXPECT_EQ(h.CurrentWord(), word);
    EXPECT_TRUE(Letter(h, 1).Down());

    h.dialogs.answers = {true};
    h.Click("GenerateLettersButton");
    EXPECT_EQ(h.dialogs.Count(QStringLiteral("confirm")), 2);
    EXPECT_EQ(h.CurrentWord(), QString()) << "Yes makes a new puzzle";
    EXPECT_FALSE(Letter(h, 1).Down());
}

TEST(WindowPlay, SoundsFollowTheCheckBox)
{
    TWindowHarness h;
    h.WriteFile("lumora.ini", "STYLE= 5\r\nSOUND OFF\r\n");
    h.Start();
    h.Click("GenerateLettersButton");
    const QStringList answers = Column(h.Get<TCustomGrid>("PossibleWordsGrid"));
    QString shortest = answers.last();
    TypeWord(h, shortest);
    EXPECT_TRUE(h.sound.played.isEmpty()) << "sounds are off";
    h.Click("SoundCheckBox");
    TypeWord(h, shortest);
    EXPECT_EQ(h.sound.played, QStringList{h.PathOf("usedword.wav")});
}

TEST(WindowPlay, TheListFollowsThePlay)
{
    TWindowHarness h;
    h.Start();
    h.Click("GenerateLettersButton");
    TCustomGrid& list = h.Get<TCustomGrid>("GuessedWordsGrid");
    const QStringList answers = Column(h.Get<TCustomGrid>("PossibleWordsGrid"));
    const int visible = list.VisibleRowCount();
    ASSERT_GT(answers.size(), visible + 1) << "the last rows start below the view";
    ASSERT_EQ(list.TopRow(), 0);

    // The last row, one of the shortest words, is found below the view: the
    // list moves just far enough to show it at the bottom; the current row
    // stays where it was.
    const int last = int(answers.size()) - 1;
    TypeWord(h, answers[last]);
    ASSERT_EQ(list.Cells(0, last), answers[last]);
    EXPECT_EQ(list.TopRow(), last - visible + 1);
    EXPECT_EQ(list.Row(), 0);
    // A word found in view leaves the view alone.
    const int top = list.TopRow();
    TypeWord(h, answers[last - 1]);
    ASSERT_EQ(list.Cells(0, last - 1), answers[last - 1]);
    EXPECT_EQ(list.TopRow(), top);

    // The player clicks a row; Quit leaves the list where it is.
    const int clicked = top + 2;
    QTest::mouseClick(&list, Qt::LeftButton, Qt::NoModifier, list.CellRect(0, clicked).center());
    ASSERT_EQ(list.Row(), clicked);
    h.Click("QuitButton");
    EXPECT_EQ(list.TopRow(), top);
    EXPECT_EQ(list.Row(), clicked);

    // New Puzzle shows the first row and makes it current, as the first
    // puzzle did.
    h.Click("GenerateLettersButton");
    EXPECT_EQ(list.TopRow(), 0);
    EXPECT_EQ(list.Row(), 0);
    EXPECT_EQ(list.Selection(), (TGridRect{0, 0, 0, 0}));
}
