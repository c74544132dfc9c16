// Input on a real X server, where windows are activated and focused as on
// the desktop: double and triple clicks on a letter button, the theme
// selector's open list taken by Enter and the wheel, and a quick click on
// "Play Sounds" in a window that is not active yet.
#include "support_xserver.h"

#include "controls/checkbox/OfficeCheckBox.h"
#include "controls/glowbutton/GlowButton.h"
#include "controls/selector/OfficeSelector.h"
#include "game/WordGame.h"
#include "window/support_window.h"

#include <QApplication>
#include <QStyleHints>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class XInput : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!xserver::Reason().empty())
            GTEST_SKIP() << "no X server: " << xserver::Reason();
        // Slow builds (the sanitizers) must not split a quick pair of presses.
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(2000);
        form = &h.Start();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    }

    TWindowHarness h;
    TForm1* form = nullptr;
};

// Counts the double-click presses a widget receives.
class TDoubleClickCounter : public QObject {
public:
    explicit TDoubleClickCounter(QObject& target) { target.installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        count += e->type() == QEvent::MouseButtonDblClick;
        return false;
    }
};

} // namespace

TEST_F(XInput, DoubleAndTripleClicksOnALetterButtonKeepTheDownButtonsThoseOfTheWord)
{
    form->Game()->NewPuzzle();
    ASSERT_TRUE(form->Game()->GameActive());
    TCustomGlowButton& button = h.Get<TCustomGlowButton>("CrossButton6");
    struct Case {
        const char* what;
        int clicks;
    };
    const Case cases[] = {{"double click", 2}, {"triple click", 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        form->Game()->ClearWord();
        TDoubleClickCounter doubles(button);
        ASSERT_TRUE(xserver::MoveTo(button));
        xserver::Settle();
        for (int i = 0; i < c.clicks; ++i) {
            ASSERT_TRUE(xserver::ButtonDown());
            xserver::Settle();
            EXPECT_EQ(h.PressedButtons(), h.DownButtons()) << "after press " << i + 1;
            ASSERT_TRUE(xserver::ButtonUp());
            xserver::Settle();
            EXPECT_EQ(h.PressedButtons(), h.DownButtons()) << "after release " << i + 1;
        }
        EXPECT_GE(doubles.count, 1) << "the server's presses made a double click";
        EXPECT_EQ(h.CurrentWord(), button.Caption()) << "the letter once";
        EXPECT_EQ(form->Game()->PressedButtons(), "6");
        EXPECT_TRUE(button.Down());
    }
}

TEST_F(XInput, TheThemeListTakesEnterAsAChoiceAndOnlyAFocusedSelectorTakesTheWheel)
{
    auto& selector = h.Get<TOfficeSelector>("VisualStyleSelector");
    const int startIndex = selector.ItemIndex();
    const QString startText = selector.Text();

    // The wheel over a selector that has no focus changes nothing.
    form->setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(xserver::MoveTo(selector, QPoint(30, 10)));
    ASSERT_TRUE(xserver::XDo({QStringLiteral("click"), QStringLiteral("5")}));
    xserver::Settle();
    EXPECT_EQ(selector.ItemIndex(), startIndex);
    EXPECT_EQ(selector.Text(), startText);

    // Opened by its button, moved by Down, chosen by Enter.
    const auto chooseFromList = [&selector](int downs) {
        ASSERT_TRUE(xserver::MoveTo(selector, QPoint(109, 10)));
        ASSERT_TRUE(xserver::QuickClick());
        xserver::Settle();
        ASSERT_TRUE(selector.Dropped());
        for (int i = 0; i < downs; ++i)
            ASSERT_TRUE(xserver::Key("Down"));
        ASSERT_TRUE(xserver::Key("Return"));
        xserver::Settle();
        EXPECT_FALSE(selector.Dropped());
    };
    // Two rows on: the theme is the one shown.
    chooseFromList(2);
    EXPECT_EQ(selector.ItemIndex(), startIndex + 2);
    EXPECT_EQ(form->StyleNumber(), startIndex + 3) << "the theme shown is the theme in effect";

    // The wheel on the focused selector moves it.
    selector.setFocus(Qt::TabFocusReason);
    xserver::Settle();
    ASSERT_TRUE(xserver::MoveTo(selector, QPoint(30, 10)));
    ASSERT_TRUE(xserver::XDo({QStringLiteral("click"), QStringLiteral("4")}));
    xserver::Settle();
    EXPECT_EQ(selector.ItemIndex(), startIndex + 1);

    // Chosen again from the list with Enter, then saved by the close button.
    chooseFromList(1);
    EXPECT_EQ(form->StyleNumber(), startIndex + 3);
    ASSERT_TRUE(xserver::MoveTo(h.Get<QWidget>("CloseGlowButton")));
    ASSERT_TRUE(xserver::QuickClick());
    xserver::Settle();
    const std::optional<QByteArray> settings = h.ReadFile(QStringLiteral("lumora.ini"));
    ASSERT_TRUE(settings.has_value());
    EXPECT_TRUE(settings->startsWith("STYLE= " + QByteArray::number(startIndex + 3))) << settings->toStdString();
}

TEST_F(XInput, EveryQuickClickOnPlaySoundsTogglesItAlsoInAWindowNotYetActive)
{
    auto& box = h.Get<TCustomOfficeCheckBox>("SoundCheckBox");
    QWidget other;
    other.setGeometry(700, 500, 200, 100);
    other.show();
    struct Case {
        const char* what;
        bool activeBefore;
    };
    const Case cases[] = {{"inactive window", false}, {"active window", true}, {"inactive again", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QWidget& active = c.activeBefore ? static_cast<QWidget&>(*form) : other;
        active.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&active));
        ASSERT_EQ(form->isActiveWindow(), c.activeBefore);
        const bool before = box.Checked();
        ASSERT_TRUE(xserver::MoveTo(box, QPoint(6, 10)));
        ASSERT_TRUE(xserver::QuickClick());
        xserver::Settle();
        EXPECT_TRUE(form->isActiveWindow()) << "the click activated the window";
        EXPECT_EQ(box.Checked(), !before);
    }
}
