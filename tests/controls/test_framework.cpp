// The component model, the control base (anchors, placement, windowless
// painting, setters, parent fonts), the error dispatcher, the application's
// look and the colour helpers.
#include "FormKit.h"
#include "controls/core/Application.h"
#include "controls/paint/Color.h"
#include "controls/core/ComponentRegistry.h"
#include "controls/core/Control.h"
#include "controls/core/ErrorBox.h"
#include "controls/core/Events.h"
#include "controls/core/Form.h"
#include "platform/Dialogs.h"
#include "tests/support/RecordingDialogs.h"

#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// A plain component that records what it hears.
class Probe : public TNonVisualComponent {
public:
    using TNonVisualComponent::TNonVisualComponent;
    void Notification(TComponent* c, TOperation op) override
    {
        if (op == TOperation::opRemove)
            removed.push_back(c);
    }
    std::vector<TComponent*> removed;
};

// A windowed control that counts repaint requests through its hooks.
class CountingControl : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    int colorChanges = 0;
    int fontChanges = 0;
    int boundsChanges = 0;

protected:
    void ColorChanged() override { ++colorChanges; }
    void FontChanged() override { ++fontChanges; }
    void BoundsChanged() override { ++boundsChanges; }
};

// A windowless control that paints one black bar in its middle only.
class BarLabel : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(QRect(Width() / 2 - 1, 0, 2, Height()), Qt::black);
    }
};

// A form whose face is red, so that what shows through can be told apart.
class RedForm : public TForm {
public:
    RedForm() { SetColor(clRed); }
};

} // namespace

// ---------------------------------------------------------------- components

TEST(ComponentModel, OwnerListsItsComponentsInCreationOrderAndFindsThemByName)
{
    TForm form;
    auto* a = new Probe(&form);
    auto* b = new CountingControl(&form, &form);
    auto* c = new Probe(&form);
    a->SetName(QStringLiteral("First"));
    b->SetName(QStringLiteral("Second"));
    c->SetName(QStringLiteral("Third"));
    ASSERT_EQ(form.ComponentCount(), 3);
    EXPECT_EQ(form.Components()[0], a);
    EXPECT_EQ(form.Components()[1], b);
    EXPECT_EQ(form.Components()[2], c);
    EXPECT_EQ(form.FindComponent(QStringLiteral("second")), b);
    EXPECT_EQ(form.FindComponent(QStringLiteral("Fourth")), nullptr);
    EXPECT_EQ(b->objectName(), QStringLiteral("Second"));
}

TEST(ComponentModel, ControlOnAPanelIsStillOwnedByTheForm)
{
    TForm form;
    auto* panel = new CountingControl(&form, &form);
    auto* button = new CountingControl(&form, panel);
    EXPECT_EQ(button->Owner(), &form);
    EXPECT_EQ(button->parentWidget(), panel);
    EXPECT_EQ(panel->ComponentCount(), 0);
    EXPECT_EQ(form.ComponentCount(), 2);
}

TEST(ComponentModel, FreedComponentLeavesItsOwnerAndTheOthersAreTold)
{
    TForm form;
    auto* watcher = new Probe(&form);
    auto* doomed = new Probe(&form);
    delete doomed;
    EXPECT_EQ(form.ComponentCount(), 1);
    ASSERT_EQ(watcher->removed.size(), 1u);
    EXPECT_EQ(watcher->removed[0], doomed);
}

namespace {

// A plain child widget that counts its paints somewhere that outlives it.
class PaintCounter : public QWidget {
public:
    PaintCounter(QWidget* parent, int& paints)
        : QWidget(parent)
        , m_paints(paints)
    {
    }

protected:
    void paintEvent(QPaintEvent*) override { ++m_paints; }

private:
    int& m_paints;
};

// A component that, when freed, makes a widget repaint at once, as Qt does
// with the control beneath a freed one.
class RepaintsWhenFreed : public TNonVisualComponent {
public:
    RepaintsWhenFreed(TComponent* owner, QWidget* target)
        : TNonVisualComponent(owner)
        , m_target(target)
    {
    }
    ~RepaintsWhenFreed() override
    {
        if (m_target)
            m_target->repaint();
    }

private:
    QPointer<QWidget> m_target;
};

} // namespace

TEST(ComponentModel, AFormBeingFreedPaintsNothingMore)
{
    // The paint handlers of a form's controls may be methods of the derived
    // form, which is already gone while the components are freed.
    auto* form = new TForm;
    form->resize(100, 100);
    int paints = 0;
    auto* counter = new PaintCounter(form, paints); // a Qt child, freed last
    counter->resize(50, 50);
    new RepaintsWhenFreed(form, counter);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    counter->repaint();
    const int before = paints;
    ASSERT_GT(before, 0) << "the widget paints while the form lives";
    delete form;
    EXPECT_EQ(paints, before);
}

TEST(ComponentModel, OwnerFreesWhatItOwnsEvenWhenItIsNotTheQtParent)
{
    QPointer<QObject> orphan;
    QPointer<QObject> nested;
    {
        TForm form;
        // A control created without a parent widget is only owned.
        auto* loose = new CountingControl(&form, nullptr);
        orphan = loose;
        auto* panel = new CountingControl(&form, &form);
        nested = new CountingControl(&form, panel);
    }
    EXPECT_TRUE(orphan.isNull());
    EXPECT_TRUE(nested.isNull());
}

TEST(ComponentModel, SetOwnerMovesTheComponentToTheEndOfTheNewList)
{
    TForm first;
    TForm second;
    auto* a = new Probe(&second);
    auto* moved = new Probe(&first);
    moved->SetOwner(&second);
    EXPECT_EQ(first.ComponentCount(), 0);
    ASSERT_EQ(second.ComponentCount(), 2);
    EXPECT_EQ(second.Components()[0], a);
    EXPECT_EQ(second.Components()[1], moved);
}

TEST(ComponentModel, LoadingLastsFromBeginLoadingToLoaded)
{
    Probe p;
    EXPECT_FALSE(p.IsLoading());
    p.BeginLoading();
    EXPECT_TRUE(p.IsLoading());
    p.Loaded();
    EXPECT_FALSE(p.IsLoading());
}

// ---------------------------------------------------------------- registry

TEST(ComponentRegistry, CreatesRegisteredClassesAndRefusesUnknownOnes)
{
    TForm form;
    EXPECT_TRUE(IsComponentClassRegistered(u"TFormStyler"));
    EXPECT_TRUE(IsComponentClassRegistered(u"TAppStyler"));
    EXPECT_FALSE(IsComponentClassRegistered(u"tformstyler")); // class names are exact
    EXPECT_EQ(CreateComponent(u"TNoSuchThing", &form, &form), nullptr);

    RegisterComponentClass<CountingControl>(u"TCountingControl");
    TComponent* c = CreateComponent(u"TCountingControl", &form, &form);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->Owner(), &form);
    EXPECT_EQ(static_cast<CountingControl*>(c)->parentWidget(), &form);
    EXPECT_TRUE(RegisteredComponentClasses().contains(QStringLiteral("TCountingControl")));
    EXPECT_TRUE(UnregisterComponentClass(u"TCountingControl"));
    EXPECT_FALSE(IsComponentClassRegistered(u"TCountingControl"));
}

// ---------------------------------------------------------------- controls

TEST(Control, SettersWithTheCurrentValueChangeNothing)
{
    TForm form;
    auto* c = new CountingControl(&form, &form);
    c->SetColor(clRed);
    c->SetColor(clRed);
    EXPECT_EQ(c->colorChanges, 1);
    c->SetBounds(1, 2, 30, 40);
    c->SetBounds(1, 2, 30, 40);
    c->SetLeft(1);
    EXPECT_EQ(c->boundsChanges, 1);
    c->Font()->SetHeight(-13);
    c->Font()->SetHeight(-13);
    EXPECT_EQ(c->fontChanges, 1);
}

TEST(Control, NegativeLeftPlacesTheControlOffTheParent)
{
    TForm form;
    form.SetBounds(0, 0, 300, 200);
    auto* hidden = Place<CountingControl>(form, -1000, 10, 50, 20);
    EXPECT_EQ(hidden->Left(), -1000);
    EXPECT_EQ(hidden->geometry(), QRect(-1000, 10, 50, 20));
    EXPECT_FALSE(QRect(0, 0, 300, 200).intersects(hidden->geometry()));
    // Shown again by moving it back, as the overlay panels are.
    hidden->SetLeft(0);
    EXPECT_EQ(hidden->geometry(), QRect(0, 10, 50, 20));
}

TEST(Control, NewChildOfAVisibleParentIsShown)
{
    TForm form;
    form.SetBounds(0, 0, 100, 100);
    form.show();
    auto* late = new CountingControl(&form, &form);
    EXPECT_TRUE(late->isVisible());
    late->SetVisible(false);
    EXPECT_FALSE(late->isVisible());
    EXPECT_FALSE(late->Visible());
}

TEST(Anchors, AnchoredEdgesKeepTheirDistancesWhenTheParentIsResized)
{
    TForm form;
    form.SetBounds(0, 0, 400, 300);
    auto* fixed = Place<CountingControl>(form, 10, 20, 50, 30);
    auto* right = new CountingControl(&form, &form);
    right->SetAnchors(akTop | akRight);
    right->SetBounds(300, 20, 80, 30); // 20 from the right edge
    auto* stretch = new CountingControl(&form, &form);
    stretch->SetAnchors(akLeft | akTop | akRight | akBottom);
    stretch->SetBounds(10, 60, 380, 200); // 10 right, 40 bottom
    auto* bottom = new CountingControl(&form, &form);
    bottom->SetAnchors(akLeft | akBottom);
    bottom->SetBounds(10, 270, 100, 20); // 10 from the bottom

    form.SetBounds(0, 0, 500, 350); // hidden: Qt would only queue the resize
    EXPECT_EQ(fixed->BoundsRect(), QRect(10, 20, 50, 30));
    EXPECT_EQ(right->BoundsRect(), QRect(400, 20, 80, 30));
    EXPECT_EQ(stretch->BoundsRect(), QRect(10, 60, 480, 250));
    EXPECT_EQ(bottom->BoundsRect(), QRect(10, 320, 100, 20));
    EXPECT_EQ(stretch->geometry(), QRect(10, 60, 480, 250));
}

TEST(Anchors, ShrinkingBelowTheControlAndGrowingBackRestoresItsSize)
{
    TForm form;
    form.SetBounds(0, 0, 200, 100);
    auto* c = new CountingControl(&form, &form);
    c->SetAnchors(akLeft | akTop | akRight);
    c->SetBounds(10, 10, 150, 20); // 40 from the right
    form.SetWidth(30);
    EXPECT_EQ(c->Width(), 0);
    form.SetWidth(200);
    EXPECT_EQ(c->Width(), 150);
}

TEST(Anchors, NestedAnchoredControlsFollowTheirResizedParent)
{
    TForm form;
    form.SetBounds(0, 0, 300, 200);
    auto* panel = new CountingControl(&form, &form);
    panel->SetAnchors(akLeft | akTop | akRight | akBottom);
    panel->SetBounds(0, 0, 300, 200);
    auto* corner = new CountingControl(&form, panel);
    corner->SetAnchors(akRight | akBottom);
    corner->SetBounds(280, 180, 16, 16); // 4 from the right and the bottom
    form.SetBounds(0, 0, 400, 260);
    EXPECT_EQ(panel->BoundsRect(), QRect(0, 0, 400, 260));
    EXPECT_EQ(corner->BoundsRect(), QRect(380, 240, 16, 16));
}

TEST(Anchors, ChildPlacedBeforeItsParentHasASizeTakesItsDistancesAtTheFirstSizing)
{
    TForm form; // still 0 x 0
    auto* c = new CountingControl(&form, &form);
    c->SetAnchors(akTop | akRight);
    c->SetBounds(100, 0, 20, 20);
    form.SetBounds(0, 0, 200, 100); // first sizing: nothing moves
    EXPECT_EQ(c->Left(), 100);
    form.SetWidth(250);
    EXPECT_EQ(c->Left(), 150);
}

TEST(Control, ParentFontReachesChildrenUntilTheyTakeAFontOfTheirOwn)
{
    TForm form;
    auto* panel = new CountingControl(&form, &form);
    auto* inner = new CountingControl(&form, panel);
    form.Font()->SetName(QStringLiteral("Tahoma"));
    form.Font()->SetHeight(-13);
    EXPECT_EQ(panel->Font()->Name(), QStringLiteral("Tahoma"));
    EXPECT_EQ(inner->Font()->Height(), -13);
    EXPECT_TRUE(panel->ParentFont());

    inner->Font()->SetStyle(fsBold); // its own font from now on
    EXPECT_FALSE(inner->ParentFont());
    form.Font()->SetHeight(-20);
    EXPECT_EQ(panel->Font()->Height(), -20);
    EXPECT_EQ(inner->Font()->Height(), -13);

    inner->SetParentFont(true);
    EXPECT_EQ(inner->Font()->Height(), -20);
    EXPECT_FALSE(inner->Font()->Style().testFlag(fsBold));
}

TEST(Control, WindowlessControlShowsTheParentsPaintingAroundWhatItDraws)
{
    RedForm form;
    form.SetBounds(0, 0, 60, 30);
    auto* label = Place<BarLabel>(form, 10, 5, 40, 20);
    const QImage shot = form.grab().toImage();
    // Inside the label but away from its bar: the form's red face.
    EXPECT_EQ(shot.pixelColor(12, 10), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(45, 20), QColor(Qt::red));
    // The bar itself.
    EXPECT_EQ(shot.pixelColor(30, 10), QColor(Qt::black));
    EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
}

TEST(Control, MouseEventsBindByNameAndRefuseMismatchedHandlers)
{
    TForm form;
    auto* c = new CountingControl(&form, &form);
    int clicks = 0;
    EXPECT_TRUE(BindEvent(*c, QStringLiteral("OnClick"), QVariant::fromValue(TNotifyEvent([&](QObject*) { ++clicks; }))));
    c->Click();
    EXPECT_EQ(clicks, 1);
    // A mouse handler does not fit a notify event, and unknown names fail;
    // a refused handler leaves the event as it was.
    const QVariant mouse = QVariant::fromValue(TMouseEvent([](QObject*, TMouseButton, TShiftState, int, int) {}));
    EXPECT_FALSE(BindEvent(*c, QStringLiteral("OnClick"), mouse));
    EXPECT_FALSE(BindEvent(*c, QStringLiteral("OnNoSuchEvent"), QVariant::fromValue(TNotifyEvent([](QObject*) {}))));
    EXPECT_TRUE(BindEvent(*c, QStringLiteral("OnMouseDown"), mouse));
    c->Click();
    EXPECT_EQ(clicks, 2);
    // A value is no event, and an event takes no value.
    EXPECT_FALSE(BindEvent(*c, QStringLiteral("Left"), QVariant(5)));
    EXPECT_FALSE(BindEvent(*c, QStringLiteral("OnClick"), QVariant(QStringLiteral("text"))));
    EXPECT_TRUE(c->OnClick);
}

// ---------------------------------------------------------------- errors

TEST(ErrorBox, FullStopIsAppendedOnlyAfterCharactersThatSortAfterIt)
{
    EXPECT_EQ(ErrorBoxText(QStringLiteral("File not found")), QStringLiteral("File not found."));
    EXPECT_EQ(ErrorBoxText(QStringLiteral("Done.")), QStringLiteral("Done."));
    EXPECT_EQ(ErrorBoxText(QStringLiteral("Really?")), QStringLiteral("Really?.")); // '?' sorts after '.'
    EXPECT_EQ(ErrorBoxText(QStringLiteral("Wait!")), QStringLiteral("Wait!"));     // '!' sorts before
    EXPECT_EQ(ErrorBoxText(QStringLiteral("Code 42")), QStringLiteral("Code 42."));
    EXPECT_EQ(ErrorBoxText(QStringLiteral("(x)")), QStringLiteral("(x)"));
    EXPECT_EQ(ErrorBoxText(QString()), QString());
}

TEST(ErrorBox, AFailedAllocationIsToldInPlainWords)
{
    EXPECT_EQ(ExceptionMessage(std::bad_alloc()),
              QStringLiteral("There is not enough memory to go on. Close other programs and try again."));
    EXPECT_EQ(ExceptionMessage(std::runtime_error("Disk full")), QStringLiteral("Disk full"));
}

class ErrorDispatch : public ::testing::Test {
protected:
    platform::RecordingDialogs dialogs;
    platform::ScopedService<platform::IDialogs> use{dialogs};
};

TEST_F(ErrorDispatch, GuardedHandlerShowsTheErrorAndSkipsTheRestOfTheHandler)
{
    struct Handlers : TForm {
        int before = 0;
        int after = 0;
        void Fails(QObject*)
        {
            ++before;
            throw std::runtime_error("Cannot open file \"lumora.ini\"");
            ++after; // never reached
        }
    } form;
    SetApplicationTitle(QStringLiteral("Lumora"));
    const QVariant handler = GuardedHandler(&form, &Handlers::Fails);
    auto* button = new CountingControl(&form, &form);
    ASSERT_TRUE(BindEvent(*button, QStringLiteral("OnClick"), handler));
    button->Click(); // does not throw
    button->Click();
    EXPECT_EQ(form.before, 2);
    EXPECT_EQ(form.after, 0);
    ASSERT_EQ(dialogs.Count(QStringLiteral("error")), 2);
    EXPECT_EQ(dialogs.shown[0].caption, QStringLiteral("Lumora"));
    // '"' sorts before '.', so no full stop is added.
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("Cannot open file \"lumora.ini\""));
}

TEST_F(ErrorDispatch, NothingThrownShowsNothing)
{
    int calls = 0;
    GuardedCall([&] { ++calls; });
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(ErrorDispatch, EventDeliveryCatchesWhatAHandlerLetThrough)
{
    SetApplicationTitle(QStringLiteral("Lumora"));
    const bool delivered = TApplication::DeliverGuarded([]() -> bool { throw std::runtime_error("Boom"); });
    EXPECT_FALSE(delivered);
    const bool other = TApplication::DeliverGuarded([]() -> bool { throw 42; });
    EXPECT_FALSE(other);
    EXPECT_TRUE(TApplication::DeliverGuarded([] { return true; }));
    EXPECT_EQ(dialogs.Texts(QStringLiteral("error")),
              QStringList({QStringLiteral("Boom."), QStringLiteral("Unknown error.")}));
}

// ---------------------------------------------------------------- colours

TEST(Colors, SystemColoursResolveToTheFixedLightPalette)
{
    EXPECT_EQ(ColorToRGB(clBtnFace), 0xF0F0F0);
    EXPECT_EQ(ColorToRGB(clWindow), 0xFFFFFF);
    EXPECT_EQ(ColorToRGB(clWindowText), 0x000000);
    EXPECT_EQ(ColorToRGB(clHighlight), 0xFF9933);
    EXPECT_EQ(ColorToRGB(clHighlightText), 0xFFFFFF);
    EXPECT_EQ(ColorToRGB(clBtnShadow), 0xA0A0A0);
    EXPECT_EQ(ColorToRGB(clBtnHighlight), 0xFFFFFF);
    EXPECT_EQ(ColorToRGB(clGrayText), 0x6D6D6D);
    EXPECT_EQ(ColorToRGB(clInfoBk), 0xE1FFFF);
    EXPECT_EQ(ColorToRGB(clMenuBar), 0xF0F0F0);
    // Plain colours keep their value; the high byte is dropped.
    EXPECT_EQ(ColorToRGB(0x123456), 0x123456);
    EXPECT_EQ(ColorToRGB(clNone), 0xFFFFFF);
    // The Qt colour has red in red: 0x00BBGGRR.
    EXPECT_EQ(ToQColor(0x3366CC), QColor(0xCC, 0x66, 0x33));
    EXPECT_EQ(ToQColor(clHighlight), QColor(0x33, 0x99, 0xFF));
    EXPECT_EQ(FromQColor(QColor(0xCC, 0x66, 0x33)), 0x3366CC);
}

TEST(Colors, EveryNamedColourRoundTripsThroughItsName)
{
    for (const char* name : {"clBlack", "clWhite", "clNavy", "clGray", "clGreen", "clSilver", "clNone", "clBtnFace",
                             "clWindow", "clWindowText", "clHighlight", "clHighlightText", "cl3DDkShadow",
                             "clGradientInactiveCaption"}) {
        const auto c = ColorFromIdent(QString::fromLatin1(name));
        ASSERT_TRUE(c.has_value()) << name;
        EXPECT_EQ(ColorToIdent(*c), QLatin1String(name));
    }
    EXPECT_EQ(ColorFromIdent(u"CLNAVY"), clNavy);
    EXPECT_FALSE(ColorFromIdent(u"clNavyBlue").has_value());
    EXPECT_EQ(clNavy, 0x800000);
    EXPECT_EQ(clNone, 0x1FFFFFFF);
    EXPECT_EQ(std::uint32_t(clHighlight), 0xFF00000Du);
}

TEST(Colors, BlendColorMixesAndRoundsHalvesToEven)
{
    EXPECT_EQ(BlendColor(0x000000, 0xFFFFFF, 50), 0x808080);
    EXPECT_EQ(BlendColor(0x123456, 0xABCDEF, 100), 0x123456);
    EXPECT_EQ(BlendColor(0x123456, 0xABCDEF, 150), 0x123456);
    EXPECT_EQ(BlendColor(0x123456, 0xABCDEF, 0), 0xABCDEF);
    EXPECT_EQ(BlendColor(0x123456, 0xABCDEF, -5), 0xABCDEF);
    // 50 % of 1 and 0 is 0.5: to the even neighbour 0; of 3 and 0, 1.5 -> 2.
    EXPECT_EQ(BlendColor(0x000001, 0x000000, 50), 0x000000);
    EXPECT_EQ(BlendColor(0x000003, 0x000000, 50), 0x000002);
    // System colours are resolved before mixing.
    EXPECT_EQ(BlendColor(clBtnFace, clBlack, 50), 0x787878);
    // Each channel on its own: 20 % of red 0xFF over black is 51.
    EXPECT_EQ(BlendColor(0x0000FF, 0x000000, 20), 0x000033);
}

TEST(Colors, DarkenColorDarkensEachChannelByItsOwnPercentage)
{
    EXPECT_EQ(DarkenColor(0xF5F0E1, -10, -10, 0), 0xF5D8CA);
    // The derived glow-button colours: hot darkened gives down/checked.
    EXPECT_EQ(DarkenColor(0xF9D2B2, -10, -10, 0), 0xF9BDA0);
    EXPECT_EQ(DarkenColor(0xF5C8AD, -10, -10, 0), 0xF5B49C);
    EXPECT_EQ(DarkenColor(0xFFF8F4, -10, -10, 0), 0xFFDFDC);
    // A positive percentage leaves a non-zero channel as it is.
    EXPECT_EQ(DarkenColor(0x808080, 20, 0, 0), 0x808080);
    // A zero channel becomes max(0, percent).
    EXPECT_EQ(DarkenColor(0x000000, 20, -10, 0), 0x000014);
    // -5 %: 0xFF * 0.95 = 242.25 -> 242; 0xC0 * 0.95 = 182.4 -> 182.
    EXPECT_EQ(DarkenColor(0xFFFFFF, -5, -5, -5), 0xF2F2F2);
    EXPECT_EQ(DarkenColor(0xC0C0C0, -5, -5, -5), 0xB6B6B6);
}

TEST(ApplicationLook, FixedPaletteComesFromTheSystemColours)
{
    const QPalette p = TApplication::FixedPalette();
    EXPECT_EQ(p.color(QPalette::Window), QColor(0xF0, 0xF0, 0xF0));
    EXPECT_EQ(p.color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(p.color(QPalette::Text), QColor(Qt::black));
    EXPECT_EQ(p.color(QPalette::Highlight), QColor(0x33, 0x99, 0xFF));
    EXPECT_EQ(p.color(QPalette::HighlightedText), QColor(Qt::white));
    EXPECT_EQ(p.color(QPalette::Disabled, QPalette::Text), QColor(0x6D, 0x6D, 0x6D));
}

TEST(ApplicationLook, FirstCreatedFormBecomesTheMainForm)
{
    TApplication::SetMainForm(nullptr);
    auto* first = TApplication::CreateForm<TForm>();
    auto* second = TApplication::CreateForm<TForm>();
    EXPECT_EQ(TApplication::MainForm(), first);
    delete first;
    EXPECT_EQ(TApplication::MainForm(), nullptr); // the main form's slot does not dangle
    delete second;
}
