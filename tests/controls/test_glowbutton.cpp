// The glow button's state machine as the player meets it: hover fades,
// presses, latched letter buttons, groups, double clicks, the keyboard, and
// the looks these leave on the face.
#include "GlowButtonTestKit.h"
#include "tests/support/ActiveWindow.h"

#include <QLineEdit>
#include <QMetaProperty>
#include <vector>

namespace {

constexpr TColor kNormal = RGB(0, 0, 0);
constexpr TColor kHot = RGB(200, 100, 50);
constexpr TColor kDown = RGB(0, 0, 200);
constexpr TColor kChecked = RGB(0, 200, 0);
constexpr TColor kDisabled = RGB(220, 220, 220);

class GlowStates : public GlowButtonTest {
protected:
    void SetUp() override
    {
        GlowButtonTest::SetUp();
        TGlowButtonAppearance& a = *button->Appearance();
        SetLook(a, TLook::Normal, kNormal, kNormal);
        SetLook(a, TLook::Hot, kHot, kHot);
        SetLook(a, TLook::Down, kDown, kDown);
        SetLook(a, TLook::Checked, kChecked, kChecked);
        SetLook(a, TLook::Disabled, kDisabled, kDisabled);
        button->OnClick = [this](QObject*) { downInClick.push_back(button->Down()); };
    }
    // A pixel in the middle of the upper half, away from border and caption.
    QRgb Middle() { return FacePixel(24, 12); }
    void MakeLetterButton()
    {
        button->SetGroupIndex(3);
        button->SetAllowAllUp(true);
    }
    std::vector<bool> downInClick;
};

TEST_F(GlowStates, NewButtonIsIdleWithTheDocumentedDefaults)
{
    TGlowButton fresh;
    EXPECT_EQ(fresh.Width(), 100);
    EXPECT_EQ(fresh.Height(), 41);
    EXPECT_FALSE(fresh.TabStop());
    EXPECT_TRUE(fresh.ParentFont());
    EXPECT_EQ(fresh.Spacing(), 2);
    EXPECT_EQ(fresh.AntiAlias(), TCustomGlowButton::aaClearType);
    EXPECT_FALSE(fresh.FadeTimerRunning());
    EXPECT_EQ(fresh.HoverLevel(), 0);
    EXPECT_EQ(fresh.PressLevel(), 0);
    EXPECT_EQ(timers.LiveCount(), 0);
}

TEST_F(GlowStates, HoverFadesInOverFiveRepaintsAndEndsOnTheSixthTick)
{
    Enter();
    EXPECT_TRUE(button->Hot());
    ASSERT_EQ(timers.LiveCount(), 1);
    EXPECT_EQ(timers.LastInterval(), 30);
    EXPECT_TRUE(Near(Middle(), qRgb(0, 0, 0))); // level 0 still shows the normal look
    const QRgb expected[] = {qRgb(40, 20, 10), qRgb(80, 40, 20), qRgb(120, 60, 30), qRgb(160, 80, 40),
                             qRgb(200, 100, 50)};
    for (QRgb e : expected) {
        Tick();
        EXPECT_TRUE(Near(Middle(), e));
    }
    EXPECT_EQ(button->HoverLevel(), 100);
    EXPECT_EQ(timers.LiveCount(), 1);
    Tick();
    EXPECT_EQ(timers.LiveCount(), 0) << "the sixth tick ends the fade";
    EXPECT_EQ(button->HoverLevel(), 100);
    EXPECT_TRUE(Near(Middle(), Screen(kHot)));
}

TEST_F(GlowStates, LeavingMidFadeJumpsToFullHotAndFadesOut)
{
    Enter();
    Tick(2);
    EXPECT_TRUE(Near(Middle(), qRgb(80, 40, 20)));
    Leave();
    EXPECT_FALSE(button->Hot());
    EXPECT_TRUE(Near(Middle(), Screen(kHot)));
    const QRgb expected[] = {qRgb(160, 80, 40), qRgb(120, 60, 30), qRgb(80, 40, 20), qRgb(40, 20, 10), qRgb(0, 0, 0)};
    for (QRgb e : expected) {
        Tick();
        EXPECT_TRUE(Near(Middle(), e));
    }
    Tick();
    EXPECT_EQ(timers.LiveCount(), 0);
    EXPECT_EQ(button->HoverLevel(), 0);
    EXPECT_TRUE(Near(Middle(), Screen(kNormal)));
}

TEST_F(GlowStates, ReEnteringDuringFadeOutContinuesFromTheLevelReached)
{
    Enter();
    TickUntilIdle();
    Leave();
    Tick(2); // 80, 60
    Enter();
    EXPECT_EQ(button->HoverLevel(), 60);
    Tick();
    EXPECT_EQ(button->HoverLevel(), 80);
    EXPECT_TRUE(Near(Middle(), qRgb(160, 80, 40)));
    EXPECT_EQ(timers.LiveCount(), 1) << "one timer per button";
}

TEST_F(GlowStates, PushButtonPressShowsDownAndFadesBackToHotAfterTheClick)
{
    Enter();
    TickUntilIdle();
    Press();
    EXPECT_EQ(button->DrawState(), TCustomGlowButton::TDrawState::Pressed);
    Tick(5);
    EXPECT_EQ(button->PressLevel(), 100);
    EXPECT_TRUE(Near(Middle(), Screen(kDown)));
    Release();
    ASSERT_EQ(downInClick.size(), 1u);
    EXPECT_FALSE(downInClick[0]) << "a push button never stays down";
    EXPECT_FALSE(button->Down());
    Tick(); // 80: mostly down, a little hot
    EXPECT_TRUE(Near(Middle(), qRgb(40, 20, 170)));
    TickUntilIdle();
    EXPECT_FALSE(button->PressedFlag());
    EXPECT_TRUE(Near(Middle(), Screen(kHot)));
}

TEST_F(GlowStates, PressMoveOutReleaseOutsideGivesNoClickAndMovingBackShowsPressedAgain)
{
    Enter();
    TickUntilIdle();
    Press();
    Tick(5);
    EXPECT_TRUE(Near(Middle(), Screen(kDown)));

    Move({80, 24}, true); // out, still held
    EXPECT_FALSE(button->Hot());
    EXPECT_EQ(button->DrawState(), TCustomGlowButton::TDrawState::Up);
    EXPECT_TRUE(Near(Middle(), Screen(kHot))) << "the hover fades out from where it was";
    TickUntilIdle();
    EXPECT_TRUE(Near(Middle(), Screen(kNormal)));

    Move({24, 24}, true); // back in, still held
    EXPECT_TRUE(button->Hot());
    EXPECT_EQ(button->DrawState(), TCustomGlowButton::TDrawState::Pressed);
    EXPECT_TRUE(Near(Middle(), Screen(kDown)));

    Move({80, 24}, true);
    Release({80, 24});
    EXPECT_TRUE(downInClick.empty()) << "a release outside raises no click";
    Leave(); // the crossing Qt reports after the release changes nothing more
    TickUntilIdle();
    EXPECT_FALSE(button->PressedFlag());
    EXPECT_TRUE(Near(Middle(), Screen(kNormal)));
}

TEST_F(GlowStates, LetterButtonLatchesAndOnClickSeesTheNewDownState)
{
    MakeLetterButton();
    ClickInside();
    ASSERT_EQ(downInClick.size(), 1u);
    EXPECT_TRUE(downInClick[0]);
    EXPECT_TRUE(button->Down());
    TickUntilIdle();
    EXPECT_TRUE(Near(Middle(), Screen(kChecked))) << "a latched button shows Checked, not Hot";

    Press();
    Release();
    ASSERT_EQ(downInClick.size(), 2u);
    EXPECT_FALSE(downInClick[1]);
    TickUntilIdle();
    EXPECT_TRUE(Near(Middle(), Screen(kHot)));
}

TEST_F(GlowStates, PressingALatchedButtonBeforeAnyMoveMixesCheckedTowardsDown)
{
    // Entered but not yet moved: the pointer flag from the enter is still
    // set, so the checked look is mixed with the down look by the press
    // level while the press fades in.
    MakeLetterButton();
    button->SetDown(true);
    Enter();
    Press();
    ASSERT_TRUE(button->PointerInside());
    Tick(2); // press level 40
    EXPECT_TRUE(Near(Middle(), qRgb(0, 80, 120)));
    Release(); // toggles it up; the pointer check clears the flag
    EXPECT_FALSE(button->Down());
    EXPECT_FALSE(button->PointerInside());
    TickUntilIdle();
    EXPECT_TRUE(Near(Middle(), Screen(kHot)));
}

TEST_F(GlowStates, AfterAMoveALatchedButtonShowsPlainChecked)
{
    MakeLetterButton();
    button->SetDown(true);
    Enter();
    Move({24, 24});
    Press();
    Tick(2);
    EXPECT_TRUE(Near(Middle(), Screen(kChecked)));
}

TEST_F(GlowStates, LetterButtonReleasedOutsideStaysAsItWas)
{
    MakeLetterButton();
    Enter();
    Press();
    Move({-5, 24}, true);
    Release({-5, 24});
    EXPECT_TRUE(downInClick.empty());
    EXPECT_FALSE(button->Down());
    EXPECT_EQ(button->DrawState(), TCustomGlowButton::TDrawState::Up);
}

// The handler of a grouped button hears of every change of Down the user
// makes (the double click's second press and a key toggle it too); a plain
// push button clicks once for a double click and is not toggled by a key.
TEST_F(GlowStates, EveryUserChangeOfDownIsFollowedByAClick)
{
    enum class TInput { Click, DoubleClick, Space };
    struct Case {
        const char* what;
        bool grouped;
        std::vector<TInput> inputs;
        std::vector<bool> downInClick;
        bool downAfter;
    };
    const Case cases[] = {
        {"double click on a letter button", true, {TInput::DoubleClick}, {true, false}, false},
        {"triple click on a letter button", true, {TInput::DoubleClick, TInput::Click}, {true, false, true}, true},
        {"Space on a letter button", true, {TInput::Space, TInput::Space}, {true, false}, false},
        {"double click on a push button", false, {TInput::DoubleClick}, {false}, false},
        {"Space on a push button", false, {TInput::Space}, {false}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TGlowButton* b = new TGlowButton(nullptr, &host);
        b->SetBounds(0, 0, 48, 48);
        b->SetModalResult(3);
        if (c.grouped) {
            b->SetGroupIndex(3);
            b->SetAllowAllUp(true);
        }
        b->SetTabStop(true);
        std::vector<bool> seen;
        b->OnClick = [&seen, b](QObject*) { seen.push_back(b->Down()); };
        host.setProperty("ModalResult", 0);
        const QPoint mid(24, 24);
        auto mouse = [b, mid](QEvent::Type type, Qt::MouseButtons buttons) {
            QMouseEvent e(type, QPointF(mid), b->mapToGlobal(QPointF(mid)), Qt::LeftButton, buttons, Qt::NoModifier);
            QApplication::sendEvent(b, &e);
        };
        auto key = [b](QEvent::Type type) {
            QKeyEvent e(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
            QApplication::sendEvent(b, &e);
        };
        for (const TInput input : c.inputs) {
            switch (input) {
            case TInput::Click:
                mouse(QEvent::MouseButtonPress, Qt::LeftButton);
                mouse(QEvent::MouseButtonRelease, Qt::NoButton);
                break;
            case TInput::DoubleClick:
                mouse(QEvent::MouseButtonPress, Qt::LeftButton);
                mouse(QEvent::MouseButtonRelease, Qt::NoButton);
                mouse(QEvent::MouseButtonDblClick, Qt::LeftButton);
                mouse(QEvent::MouseButtonRelease, Qt::NoButton);
                break;
            case TInput::Space:
                key(QEvent::KeyPress);
                EXPECT_EQ(b->DrawState(), TCustomGlowButton::TDrawState::Pressed);
                key(QEvent::KeyRelease);
                break;
            }
        }
        EXPECT_EQ(seen, c.downInClick);
        EXPECT_EQ(b->Down(), c.downAfter);
        EXPECT_EQ(host.property("ModalResult").toInt(), 3) << "the modal result goes to the form";
        delete b;
    }
}

TEST_F(GlowStates, OtherMouseButtonsRaiseOnlyTheStandardEvents)
{
    int downs = 0, ups = 0;
    button->OnMouseDown = [&](QObject*, TMouseButton b, TShiftState, int, int) { downs += b == TMouseButton::mbRight; };
    button->OnMouseUp = [&](QObject*, TMouseButton b, TShiftState, int, int) { ups += b == TMouseButton::mbRight; };
    Mouse(QEvent::MouseButtonPress, {24, 24}, Qt::RightButton, Qt::RightButton);
    Mouse(QEvent::MouseButtonRelease, {24, 24}, Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(ups, 1);
    EXPECT_TRUE(downInClick.empty());
    EXPECT_FALSE(button->PressedFlag());
    EXPECT_EQ(timers.LiveCount(), 0);
}

TEST_F(GlowStates, EnterAndLeaveEventsAreRaisedOncePerCrossing)
{
    int enters = 0, leaves = 0;
    button->OnMouseEnter = [&](QObject*) { ++enters; };
    button->OnMouseLeave = [&](QObject*) { ++leaves; };
    Enter();
    Move({24, 24});
    Press();
    Move({80, 24}, true); // out while held: reported by the move
    Release({80, 24});
    Leave(); // and once more by Qt after the release
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(leaves, 1);
}

TEST_F(GlowStates, CheckStyleTogglesOnPressWithoutAGroup)
{
    button->SetStyle(TCustomGlowButton::bsCheck);
    ClickInside();
    ASSERT_EQ(downInClick.size(), 1u);
    EXPECT_TRUE(downInClick[0]);
    TickUntilIdle();
    EXPECT_TRUE(Near(Middle(), Screen(kChecked)));
    EXPECT_EQ(button->DrawState(), TCustomGlowButton::TDrawState::Pressed) << "a down toggle draws pressed";
    Press();
    Release();
    EXPECT_FALSE(button->Down());
}

// ---- Down and groups ---------------------------------------------------------

TEST_F(GlowStates, IgnoredDownWrites)
{
    button->SetDown(true);
    EXPECT_FALSE(button->Down()) << "a plain push button never stays down";

    button->SetGroupIndex(2); // AllowAllUp off
    button->SetDown(true);
    EXPECT_TRUE(button->Down());
    button->SetDown(false);
    EXPECT_TRUE(button->Down()) << "only a partner releases it";
    button->SetAllowAllUp(true);
    button->SetDown(false);
    EXPECT_FALSE(button->Down());
}

TEST_F(GlowStates, ProgramWritesShowOnTheFace)
{
    MakeLetterButton();
    button->SetDown(true);
    EXPECT_TRUE(Near(Middle(), Screen(kChecked)));
    button->SetDown(false);
    EXPECT_TRUE(Near(Middle(), Screen(kNormal)));
    EXPECT_EQ(timers.LiveCount(), 0) << "a program write starts no fade";
}

TEST_F(GlowStates, PartnerOfTheSameGroupIsReleasedWithoutAClick)
{
    auto* other = new TGlowButton(nullptr, &host);
    int otherClicks = 0;
    other->OnClick = [&](QObject*) { ++otherClicks; };
    auto* stranger = new TGlowButton(nullptr, &host);
    stranger->SetGroupIndex(4);
    stranger->SetDown(true);

    button->SetGroupIndex(1);
    other->SetGroupIndex(1);
    button->SetDown(true);
    other->SetDown(true);
    EXPECT_TRUE(other->Down());
    EXPECT_FALSE(button->Down()) << "released although AllowAllUp is off";
    EXPECT_TRUE(stranger->Down()) << "another group is untouched";
    EXPECT_TRUE(downInClick.empty());
    EXPECT_EQ(otherClicks, 0);
}

TEST_F(GlowStates, JoiningAGroupReleasesTheDownPartner)
{
    auto* other = new TGlowButton(nullptr, &host);
    button->SetGroupIndex(1);
    button->SetDown(true);
    other->SetGroupIndex(2);
    other->SetDown(true);
    other->SetGroupIndex(1);
    EXPECT_FALSE(button->Down());
    EXPECT_TRUE(other->Down());
}

TEST_F(GlowStates, DownReadFromTheFormIsWrittenAgainAfterLoading)
{
    TGlowButton loaded(nullptr, &host);
    loaded.BeginLoading();
    loaded.SetDown(true); // before GroupIndex is known: ignored for now
    EXPECT_FALSE(loaded.Down());
    loaded.SetGroupIndex(5);
    loaded.SetAllowAllUp(true);
    loaded.Loaded();
    EXPECT_TRUE(loaded.Down());
}

// ---- Disabled, keyboard, default button -------------------------------------

TEST_F(GlowStates, DisabledButtonShowsDisabledColoursAndIgnoresHover)
{
    button->SetEnabled(false);
    EXPECT_TRUE(Near(Middle(), Screen(kDisabled)));
    Enter();
    Move({24, 24});
    EXPECT_FALSE(button->Hot());
    EXPECT_EQ(timers.LiveCount(), 0);
    EXPECT_TRUE(Near(Middle(), Screen(kDisabled)));
    button->SetEnabled(true);
    EXPECT_TRUE(Near(Middle(), Screen(kNormal)));
}

TEST_F(GlowStates, ReEnabledLatchedButtonShowsCheckedAgain)
{
    MakeLetterButton();
    button->SetDown(true);
    button->SetEnabled(false);
    EXPECT_TRUE(Near(Middle(), Screen(kDisabled)));
    button->SetEnabled(true);
    EXPECT_TRUE(Near(Middle(), Screen(kChecked)));
}

TEST_F(GlowStates, DefaultAndCancelButtonsTakeEnterAndEscapeOfTheirWindow)
{
    auto* cancel = new TGlowButton(nullptr, &host);
    int cancels = 0;
    cancel->OnClick = [&](QObject*) { ++cancels; };
    button->SetDefault(true);
    cancel->SetCancel(true);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&host, &enter);
    EXPECT_EQ(downInClick.size(), 1u);
    EXPECT_EQ(cancels, 0);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&host, &escape);
    EXPECT_EQ(downInClick.size(), 1u);
    EXPECT_EQ(cancels, 1);
}

TEST_F(GlowStates, TheFocusLookFollowsTheKeyboardFocusAsFocusTypeAsks)
{
    struct Case {
        TCustomGlowButton::TFocusType type;
        bool hotFace;
        bool ring; // the inner outline inside the border
    };
    const Case cases[] = {
        {TCustomGlowButton::ftBorder, false, true},
        {TCustomGlowButton::ftHot, true, false},
        {TCustomGlowButton::ftHotBorder, true, true},
        {TCustomGlowButton::ftNone, false, false},
    };
    QLineEdit elsewhere(&host);
    elsewhere.setGeometry(100, 100, 60, 20);
    elsewhere.show();
    button->SetTabStop(true);
    ASSERT_TRUE(ShowActive(host));
    const QRgb ring = Screen(0xE4AD89);
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.type));
        button->SetFocusType(c.type);
        button->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(button->hasFocus());
        EXPECT_EQ(Near(Middle(), Screen(kHot)), c.hotFace);
        EXPECT_EQ(Near(FacePixel(1, 24), ring), c.ring);
        elsewhere.setFocus(Qt::TabFocusReason);
        ASSERT_FALSE(button->hasFocus());
        EXPECT_TRUE(Near(Middle(), Screen(kNormal))) << "the focus look leaves with the focus";
        EXPECT_FALSE(Near(FacePixel(1, 24), ring));
    }
}

// ---- Timers -----------------------------------------------------------------

TEST_F(GlowStates, DestroyingAButtonMidFadeStopsItsTimer)
{
    Enter();
    ASSERT_EQ(timers.LiveCount(), 1);
    delete button;
    button = nullptr;
    EXPECT_EQ(timers.LiveCount(), 0);
    Tick(); // nothing left to tick
}

TEST_F(GlowStates, PaintWhilePaintingIsDropped)
{
    int paints = 0;
    button->OnDrawButton = [&](QObject*, QPainter*, QRect, TCustomGlowButton::TGlowButtonState) {
        ++paints;
        button->repaint(); // would recurse without the guard
    };
    button->grab();
    EXPECT_EQ(paints, 1);
}

TEST_F(GlowStates, OnDrawButtonReportsTheState)
{
    std::vector<TCustomGlowButton::TGlowButtonState> seen;
    button->OnDrawButton = [&](QObject*, QPainter*, QRect r, TCustomGlowButton::TGlowButtonState s) {
        EXPECT_EQ(r, QRect(0, 0, 48, 48));
        seen.push_back(s);
    };
    button->grab();
    Enter();
    button->grab();
    Press();
    button->grab();
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], TCustomGlowButton::gsNormal);
    EXPECT_EQ(seen[1], TCustomGlowButton::gsHot);
    EXPECT_EQ(seen[2], TCustomGlowButton::gsDown);
}

} // namespace

// ---- Read from a form file --------------------------------------------------

#include "controls/core/Form.h"

namespace {

TEST(GlowButtonForm, LetterButtonFromAFormFileKeepsItsLoadedDownAndClicksItsHandler)
{
    TManualFadeTimers timers;
    platform::ScopedService<IFadeTimerFactory> use(timers);
    TForm form;
    int clicks = 0;
    form.RegisterHandler(QStringLiteral("CrossButton3Click"), QVariant::fromValue(TNotifyEvent([&](QObject*) { ++clicks; })));
    const QByteArray text = R"(object Form1: TForm
  ClientWidth = 200
  ClientHeight = 200
  object CrossButton3: TGlowButton
    Left = 10
    Top = 10
    Width = 48
    Height = 48
    Down = True
    GroupIndex = 3
    AllowAllUp = True
    ModalResult = 2
    Caption = 'E'
    Appearance.GradientHot = ggVertical
    Appearance.BorderColorChecked = $0045667B
    Style = bsButton
    BorderStyle = bsSingle
    AntiAlias = aaAntiAlias
    OnClick = CrossButton3Click
  end
end
)";
    const auto error = form.LoadFromForm(text);
    ASSERT_FALSE(error) << error->ToString().toStdString();
    auto* b = dynamic_cast<TGlowButton*>(form.FindComponent(QStringLiteral("CrossButton3")));
    ASSERT_NE(b, nullptr);
    EXPECT_TRUE(b->Down()) << "Down is written again once GroupIndex is known";
    EXPECT_EQ(b->Appearance()->GradientHot(), ggVertical);
    EXPECT_EQ(b->Appearance()->BorderColorChecked(), 0x45667B);
    EXPECT_EQ(b->AntiAlias(), TCustomGlowButton::aaAntiAlias);

    QMouseEvent press(QEvent::MouseButtonPress, QPointF(20, 20), QPointF(20, 20), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(b, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(20, 20), QPointF(20, 20), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(b, &release);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(b->Down());
    EXPECT_EQ(form.ModalResult(), 2);
}

TEST(GlowButtonForm, UnreadablePictureDataInAFormFileIsReportedWithItsLine)
{
    TForm form;
    const QByteArray text = "object Form1: TForm\n"
                            "  object CloseGlowButton: TGlowButton\n"
                            "    Picture.Data = { 00112233 }\n"
                            "  end\n"
                            "end\n";
    const auto error = form.LoadFromForm(text);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Line, 3);
    EXPECT_TRUE(error->Message.contains(u"The picture could not be read")) << error->Message.toStdString();
}

} // namespace
