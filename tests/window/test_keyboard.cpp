// The window from the keyboard: the game's keys wherever the focus is (but
// in the theme field), and a focus chain that visits only what the player
// sees, each stop showing that it has the focus.
#include "support_window.h"

#include "controls/grid/GridBase.h"
#include "game/WordGame.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QWidget* FocusTarget(TForm1& form)
{
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus : &form;
}

void Key(TForm1& form, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QTest::keyClick(FocusTarget(form), key, mods);
}

void Type(TForm1& form, const QString& text)
{
    QTest::keyClicks(FocusTarget(form), text);
}

// The name of the control that holds the focus ("" for the window itself).
std::string FocusName(const TForm1& form)
{
    for (QWidget* w = QApplication::focusWidget(); w && w != &form; w = w->parentWidget())
        if (!w->objectName().isEmpty() && form.FindComponent(w->objectName()))
            return w->objectName().toStdString();
    return "";
}

} // namespace

TEST(WindowKeyboard, TheGameIsPlayedWithTypedLettersBackspaceEscapeAndTheCommandKeys)
{
    TWindowHarness h;
    TForm1& form = h.Start();
    Key(form, Qt::Key_F2);
    ASSERT_TRUE(form.Game()->GameActive()) << "F2 makes a puzzle";
    EXPECT_EQ(h.dialogs.Count(QStringLiteral("confirm")), 0);
    const TCustomGrid& answers = h.Get<TCustomGrid>("PossibleWordsGrid");
    const QString word = answers.Cells(0, answers.RowCount() - 1); // a shortest one

    // Typing a word presses, for each letter, the first free button showing
    // it; lower case counts as upper case.
    Type(form, word.left(2).toLower());
    EXPECT_EQ(h.CurrentWord(), word.left(2));
    EXPECT_EQ(h.PressedButtons(), h.DownButtons());
    Key(form, Qt::Key_Backspace);
    EXPECT_EQ(h.CurrentWord(), word.left(1));
    Key(form, Qt::Key_Escape);
    EXPECT_EQ(h.CurrentWord(), QString());
    EXPECT_EQ(h.DownButtons(), "");
    Type(form, QStringLiteral("#7"));
    EXPECT_EQ(h.CurrentWord(), QString()) << "keys that are no letter add nothing";

    // From wherever the focus is: the window, a letter button, the list.
    const char* focusedControls[] = {"", "CrossButton5", "GuessedWordsGrid"};
    int found = 0;
    for (const char* name : focusedControls) {
        SCOPED_TRACE(name);
        if (*name)
            h.Get<QWidget>(name).setFocus(Qt::TabFocusReason);
        Type(form, word);
        EXPECT_EQ(h.CurrentWord(), found == 0 ? QString() : word) << "accepted first, then found again";
        found = 1;
        EXPECT_EQ(form.Game()->WordsFound(), 1);
        EXPECT_EQ(form.Game()->Score(), word.size());
        EXPECT_EQ(h.sound.played.count(h.PathOf("newword.wav")), 1);
        EXPECT_EQ(h.PressedButtons(), h.DownButtons());
        Key(form, Qt::Key_Escape);
    }

    // The commands: New Puzzle asks as its button does; F1 shows the
    // instructions, which take no game keys, and Escape closes them.
    h.dialogs.answers = {false, false};
    Key(form, Qt::Key_N, Qt::ControlModifier);
    Key(form, Qt::Key_F2);
    EXPECT_EQ(h.dialogs.Count(QStringLiteral("confirm")), 2);
    EXPECT_EQ(form.Game()->WordsFound(), 1) << "No keeps the puzzle";
    Key(form, Qt::Key_F1);
    EXPECT_EQ(h.Get<TControl>("InstructionsPanel").Left(), 0);
    Type(form, word);
    EXPECT_EQ(h.CurrentWord(), QString()) << "the covered game takes no letters";
    Key(form, Qt::Key_Escape);
    EXPECT_EQ(h.Get<TControl>("InstructionsPanel").Left(), -1000);

    // The theme field keeps the keys that edit it; a theme chosen ends that.
    QWidget& selector = h.Get<QWidget>("VisualStyleSelector");
    selector.setFocus(Qt::TabFocusReason);
    Type(form, QStringLiteral("ob"));
    EXPECT_EQ(h.CurrentWord(), QString());
    EXPECT_EQ(h.SelectorText(), QStringLiteral("obsidian"));
    Key(form, Qt::Key_Return);
    EXPECT_EQ(form.StyleNumber(), 3);
    EXPECT_EQ(FocusName(form), "") << "the window has the focus again";
    Type(form, word.left(1));
    EXPECT_EQ(h.CurrentWord(), word.left(1));
}

TEST(WindowKeyboard, TabVisitsTheShownControlsInReadingOrderEachWithAFocusMark)
{
    TWindowHarness h;
    TForm1& form = h.Start();
    Key(form, Qt::Key_F2);
    struct Case {
        const char* what;
        bool instructions;
        std::vector<std::string> chain;
    };
    const Case cases[] = {
        {"the game",
         false,
         {"MinimizeGlowButton", "CloseGlowButton", "CrossButton2", "CrossButton6", "CrossButton7", "CrossButton1",
          "CrossButton8", "CrossButton9", "CrossButton3", "CrossButton4", "CrossButton5", "ClearButton",
          "BackSpaceButton", "GenerateLettersButton", "QuitButton", "GuessedWordsGrid", "SoundCheckBox",
          "VisualStyleSelector", "HowToPlayButton", "wwwButton"}},
        {"the instructions shown",
         true,
         {"MinimizeGlowButton", "CloseGlowButton", "InstructionsCloseButton", "SoundCheckBox", "VisualStyleSelector",
          "HowToPlayButton", "wwwButton"}},
    };
    EXPECT_EQ(FocusName(form), "") << "no control has the focus at the start";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        h.Get<TControl>("InstructionsPanel").SetLeft(c.instructions ? 0 : -1000);
        form.setFocus(Qt::OtherFocusReason);
        std::vector<std::string> forward, backward;
        for (std::size_t i = 0; i < c.chain.size() + 1; ++i) {
            Key(form, Qt::Key_Tab);
            forward.push_back(FocusName(form));
            if (forward.back().empty())
                continue;
            // The stop looks different while it holds the focus.
            QWidget& stop = h.Get<QWidget>(forward.back().c_str());
            const QImage focused = stop.grab().toImage();
            form.setFocus(Qt::OtherFocusReason);
            const QImage plain = stop.grab().toImage();
            stop.setFocus(Qt::TabFocusReason);
            EXPECT_NE(focused, plain) << forward.back() << " shows no focus mark";
        }
        for (std::size_t i = 0; i < c.chain.size(); ++i) {
            Key(form, Qt::Key_Backtab, Qt::ShiftModifier);
            backward.insert(backward.begin(), FocusName(form));
        }
        std::vector<std::string> expected = c.chain;
        expected.push_back(c.chain.front()); // and round again
        EXPECT_EQ(forward, expected);
        EXPECT_EQ(backward, c.chain);
    }
}
