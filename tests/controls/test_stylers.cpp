// Visual styles: form and application stylers, the style interface, frames,
// loading rules, theme adaptation and Assign.
#include "controls/style/AppStyler.h"
#include "controls/core/Control.h"
#include "controls/core/Form.h"
#include "controls/style/FormStyler.h"
#include "controls/core/Application.h"
#include "controls/core/Frame.h"
#include "controls/panel/PanelStyler.h"
#include "controls/style/ThemeNotifierWindow.h"
#include "platform/DesktopTheme.h"

#include <QEvent>
#include <QCoreApplication>
#include <QPointer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

// A styled control that records every style it is given and keeps a
// "colour" that a style sets (tsCustom is never expected here).
class StyledProbe : public TCustomControl, public IStyledComponent {
public:
    using TCustomControl::TCustomControl;
    void ApplyComponentStyle(TVisualStyle style) override
    {
        applied.push_back(style);
        colour = 0x1000 + int(style);
    }
    std::vector<TVisualStyle> applied;
    int colour = 0;
};

// A non-visual styled component (as the panel styler is).
class StyledNonVisual : public TNonVisualComponent, public IStyledComponent {
public:
    using TNonVisualComponent::TNonVisualComponent;
    void ApplyComponentStyle(TVisualStyle style) override { applied.push_back(style); }
    std::vector<TVisualStyle> applied;
};

// A plain control that does not take part in styling.
class Unstyled : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
};

// A form as the window has it: an application styler, a form styler that
// follows it, and styled controls (one nested in a panel).
struct StyledWindow {
    TForm form;
    TAppStyler* app = new TAppStyler(&form);
    TFormStyler* styler = new TFormStyler(&form);
    Unstyled* panel = new Unstyled(&form, &form);
    StyledProbe* onForm = new StyledProbe(&form, &form);
    StyledProbe* inPanel = new StyledProbe(&form, panel);
    StyledNonVisual* panelStyler = new StyledNonVisual(&form);

    StyledWindow()
    {
        // Both at the design-time style, as the form file leaves them.
        app->SetStyle(tsOffice2007Obsidian);
        styler->SetStyle(tsOffice2007Obsidian);
        styler->SetAppStyle(app);
        Clear();
    }
    void Clear()
    {
        onForm->applied.clear();
        inPanel->applied.clear();
        panelStyler->applied.clear();
    }
    int Calls() const { return int(onForm->applied.size() + inPanel->applied.size() + panelStyler->applied.size()); }
};

} // namespace

TEST(VisualStyle, OrdinalsAreFixed)
{
    EXPECT_EQ(int(tsOffice2003Blue), 0);
    EXPECT_EQ(int(tsWhidbey), 7);
    EXPECT_EQ(int(tsCustom), 8);
    EXPECT_EQ(int(tsOffice2007Silver), 9);
    EXPECT_EQ(int(tsTerminal), 12);
    EXPECT_EQ(sizeof(TVisualStyle), 1u);
}

TEST(AppStyler, SettingTheStyleItAlreadyHasCallsNoControl)
{
    StyledWindow w;
    int changes = 0;
    w.app->OnChange = [&](QObject*) { ++changes; };
    w.app->SetStyle(tsOffice2007Obsidian);
    EXPECT_EQ(w.Calls(), 0);
    EXPECT_EQ(changes, 0);
}

TEST(AppStyler, NewStyleReachesEveryStyledComponentOwnedByTheFormInOrder)
{
    StyledWindow w;
    std::vector<TComponent*> asked;
    w.styler->OnApplyStyle = [&](QObject* sender, TComponent* c, bool& allow) {
        EXPECT_EQ(sender, w.styler);
        EXPECT_TRUE(allow);
        asked.push_back(c);
    };
    w.app->SetStyle(tsOffice2003Blue);
    EXPECT_EQ(w.onForm->applied, std::vector<TVisualStyle>{tsOffice2003Blue});
    // Placed in a panel, owned by the form: styled too.
    EXPECT_EQ(w.inPanel->applied, std::vector<TVisualStyle>{tsOffice2003Blue});
    EXPECT_EQ(w.panelStyler->applied, std::vector<TVisualStyle>{tsOffice2003Blue});
    // Only the styled ones are asked, in component order.
    const std::vector<TComponent*> order{w.onForm, w.inPanel, w.panelStyler};
    EXPECT_EQ(asked, order);
    EXPECT_EQ(w.styler->Style(), tsOffice2003Blue);
}

TEST(AppStyler, CustomIsStoredEverywhereCallsNobodyAndRaisesOnChangeWhereItChanged)
{
    StyledWindow w;
    TFormStyler* already = new TFormStyler(&w.form); // a second follower that is custom already
    already->SetStyle(tsCustom);
    already->SetAppStyle(w.app); // takes tsOffice2007Obsidian at once
    already->SetStyle(tsCustom);
    w.Clear();
    int appChanges = 0, stylerChanges = 0, alreadyChanges = 0;
    w.app->OnChange = [&](QObject*) { ++appChanges; };
    w.styler->OnChange = [&](QObject*) { ++stylerChanges; };
    already->OnChange = [&](QObject*) { ++alreadyChanges; };

    w.app->SetStyle(tsCustom);
    EXPECT_EQ(w.app->Style(), tsCustom);
    EXPECT_EQ(w.styler->Style(), tsCustom);
    EXPECT_EQ(w.Calls(), 0);
    EXPECT_EQ(appChanges, 1);
    EXPECT_EQ(stylerChanges, 1);
    EXPECT_EQ(alreadyChanges, 0);
}

TEST(AppStyler, BackFromCustomAppliesThePreviousStyleAgain)
{
    StyledWindow w;
    w.app->SetStyle(tsCustom);
    w.onForm->colour = 42; // changed since; tsCustom keeps it
    w.app->SetStyle(tsOffice2007Obsidian);
    EXPECT_EQ(w.onForm->applied, std::vector<TVisualStyle>{tsOffice2007Obsidian});
    EXPECT_EQ(w.inPanel->applied, std::vector<TVisualStyle>{tsOffice2007Obsidian});
    EXPECT_EQ(w.onForm->colour, 0x1000 + int(tsOffice2007Obsidian));
}

TEST(FormStyler, ClearingAllowSkipsJustThatComponent)
{
    StyledWindow w;
    w.styler->OnApplyStyle = [&](QObject*, TComponent* c, bool& allow) {
        if (c == w.inPanel)
            allow = false;
    };
    w.inPanel->colour = 7;
    w.app->SetStyle(tsWhidbey);
    EXPECT_TRUE(w.inPanel->applied.empty());
    EXPECT_EQ(w.inPanel->colour, 7);
    EXPECT_EQ(w.onForm->applied, std::vector<TVisualStyle>{tsWhidbey});
    EXPECT_EQ(w.panelStyler->applied, std::vector<TVisualStyle>{tsWhidbey});
}

TEST(FormStyler, ComponentsOwnedByAFrameOnTheFormAreNotStyled)
{
    StyledWindow w;
    auto* frame = new TFrame(&w.form, &w.form);
    auto* inFrame = new StyledProbe(frame, frame);
    w.app->SetStyle(tsOffice2003Silver);
    EXPECT_TRUE(inFrame->applied.empty());
    EXPECT_EQ(w.onForm->applied.size(), 1u);
}

TEST(FormStyler, FrameStylerDescendsIntoNestedFramesDepthFirst)
{
    TForm form;
    auto* outer = new TFrame(&form, &form);
    auto* styler = new TFormStyler(outer);
    auto* first = new StyledProbe(outer, outer);
    auto* inner = new TFrame(outer, outer);
    auto* deep = new StyledProbe(inner, inner);
    auto* innermost = new TFrame(inner, inner);
    auto* deepest = new StyledProbe(innermost, innermost);
    auto* last = new StyledProbe(outer, outer);
    std::vector<TComponent*> order;
    styler->OnApplyStyle = [&](QObject*, TComponent* c, bool&) { order.push_back(c); };
    styler->SetStyle(tsOffice2007Luna);
    const std::vector<TComponent*> expected{first, deep, deepest, last};
    EXPECT_EQ(order, expected);
    EXPECT_EQ(deepest->applied, std::vector<TVisualStyle>{tsOffice2007Luna});
}

TEST(FormStyler, StylerOwnedByNeitherFormNorFrameStylesNothing)
{
    Unstyled owner;
    auto* styler = new TFormStyler(&owner);
    auto* probe = new StyledProbe(&owner, &owner);
    int changes = 0;
    styler->OnChange = [&](QObject*) { ++changes; };
    styler->SetStyle(tsOffice2003Olive);
    EXPECT_TRUE(probe->applied.empty());
    EXPECT_EQ(changes, 1);
}

TEST(FormStyler, WithoutAppStyleItAppliesItsStoredStyleOnceAtLoad)
{
    TForm form;
    auto* probe = new StyledProbe(&form, &form);
    auto* styler = new TFormStyler(&form);
    int changes = 0;
    styler->OnChange = [&](QObject*) { ++changes; };
    styler->BeginLoading();
    // The stored style equals the initial one: the setter alone would do nothing.
    styler->SetStyle(tsOffice2003Blue);
    EXPECT_TRUE(probe->applied.empty());
    styler->Loaded();
    EXPECT_EQ(probe->applied, std::vector<TVisualStyle>{tsOffice2003Blue});
    EXPECT_EQ(styler->Style(), tsOffice2003Blue);
    EXPECT_EQ(changes, 2); // to tsCustom and back
}

TEST(FormStyler, WithAppStyleOfTheSameStyleLoadingAppliesNothing)
{
    TForm form;
    auto* app = new TAppStyler(&form);
    auto* styler = new TFormStyler(&form);
    auto* probe = new StyledProbe(&form, &form);
    app->BeginLoading();
    styler->BeginLoading();
    app->SetStyle(tsOffice2007Obsidian);
    styler->SetStyle(tsOffice2007Obsidian);
    probe->applied.clear();
    styler->SetAppStyle(app); // a reference resolved while loading: registers
    EXPECT_EQ(app->FormStylers(), QList<TFormStyler*>{styler});
    app->Loaded();
    styler->Loaded();
    EXPECT_TRUE(probe->applied.empty());
    app->SetStyle(tsOffice2007Luna);
    EXPECT_EQ(probe->applied, std::vector<TVisualStyle>{tsOffice2007Luna});
}

TEST(FormStyler, FollowingAnAppStylerTakesItsStyleAtOnce)
{
    TForm form;
    auto* app = new TAppStyler(&form);
    auto* styler = new TFormStyler(&form);
    auto* probe = new StyledProbe(&form, &form);
    app->SetStyle(tsWindowsXP); // no followers yet
    EXPECT_TRUE(probe->applied.empty());
    styler->SetAppStyle(app);
    EXPECT_EQ(styler->Style(), tsWindowsXP);
    EXPECT_EQ(probe->applied, std::vector<TVisualStyle>{tsWindowsXP});
    styler->SetAppStyle(app); // already registered: once in the list
    EXPECT_EQ(app->FormStylers().size(), 1);
}

TEST(FormStyler, SwitchingToAnotherAppStylerLeavesTheFirstOnesList)
{
    TForm form;
    auto* first = new TAppStyler(&form);
    auto* second = new TAppStyler(&form);
    auto* styler = new TFormStyler(&form);
    styler->SetAppStyle(first);
    styler->SetAppStyle(second);
    EXPECT_TRUE(first->FormStylers().isEmpty());
    EXPECT_EQ(second->FormStylers(), QList<TFormStyler*>{styler});
    first->SetStyle(tsTerminal);
    EXPECT_NE(styler->Style(), tsTerminal);
}

TEST(AppStyler, DestroyingItClearsAppStyleAndTheStylersKeepTheirStyle)
{
    TForm form;
    auto* app = new TAppStyler(&form);
    auto* styler = new TFormStyler(&form);
    styler->SetAppStyle(app);
    app->SetStyle(tsOffice2007Silver);
    delete app;
    EXPECT_EQ(styler->AppStyle(), nullptr);
    EXPECT_EQ(styler->Style(), tsOffice2007Silver);
}

TEST(AppStyler, AppStylerOnAnotherFormIsForgottenWhenFreed)
{
    TForm appForm;
    TForm otherForm;
    auto* app = new TAppStyler(&appForm);
    auto* styler = new TFormStyler(&otherForm);
    styler->SetAppStyle(app);
    delete app;
    EXPECT_EQ(styler->AppStyle(), nullptr);
}

TEST(AppStyler, DestroyedFormStylerLeavesTheList)
{
    TForm form;
    auto* app = new TAppStyler(&form);
    TForm second;
    auto* styler = new TFormStyler(&second);
    styler->SetAppStyle(app);
    delete styler;
    EXPECT_TRUE(app->FormStylers().isEmpty());
    app->SetStyle(tsWhidbey); // must not touch the freed styler
    EXPECT_EQ(app->Style(), tsWhidbey);
}

TEST(AppStyler, AStylerThatChangesOwnerKeepsTheListAndTheLinkInStep)
{
    // Whichever of the two leaves their common owner (for another form or
    // for none), the form styler follows the application styler exactly
    // when it is in its list; freeing the form styler afterwards leaves
    // nothing behind that the next style would reach.
    struct { const char* name; bool formStylerMoves; bool toOtherForm; } cases[] = {
        {"form styler to another form", true, true},
        {"form styler to no owner", true, false},
        {"application styler to another form", false, true},
        {"application styler to no owner", false, false},
    };
    for (const auto& t : cases) {
        TForm form;
        TForm other;
        auto* app = new TAppStyler(&form);
        auto* styler = new TFormStyler(&form);
        styler->SetAppStyle(app);
        TComponent* mover = t.formStylerMoves ? static_cast<TComponent*>(styler) : app;
        mover->SetOwner(t.toOtherForm ? &other : nullptr);
        EXPECT_EQ(styler->AppStyle() == app, app->FormStylers().contains(styler)) << t.name;

        delete styler;
        EXPECT_TRUE(app->FormStylers().isEmpty()) << t.name;
        app->SetStyle(tsWhidbey); // must not reach the freed styler
        EXPECT_EQ(app->Style(), tsWhidbey) << t.name;
    }
}

TEST(AppStyler, StyleSetWhileLoadingIsNotPassedOn)
{
    StyledWindow w;
    w.app->BeginLoading();
    w.app->SetStyle(tsOffice2003Classic);
    EXPECT_EQ(w.Calls(), 0);
    EXPECT_EQ(w.styler->Style(), tsOffice2007Obsidian);
    w.app->Loaded();
    EXPECT_EQ(w.Calls(), 0); // AutoThemeAdapt off: loading does nothing more
}

TEST(AppStyler, FollowersAreVisitedInRegistrationOrder)
{
    TForm first;
    TForm second;
    auto* app = new TAppStyler(&first);
    auto* s2 = new TFormStyler(&second);
    auto* s1 = new TFormStyler(&first);
    s2->SetAppStyle(app);
    s1->SetAppStyle(app);
    std::vector<QObject*> order;
    s1->OnChange = [&](QObject* s) { order.push_back(s); };
    s2->OnChange = [&](QObject* s) { order.push_back(s); };
    app->OnChange = [&](QObject* s) { order.push_back(s); };
    app->SetStyle(tsOffice2007Luna);
    const std::vector<QObject*> expected{s2, s1, app};
    EXPECT_EQ(order, expected);
}

// ---------------------------------------------------------------- themes

class Themes : public ::testing::Test {
protected:
    void Use(bool active, const QString& scheme)
    {
        m_use.reset(); // the old stand-in goes before its theme
        m_theme = std::make_unique<platform::FixedDesktopTheme>(active, scheme);
        m_use = std::make_unique<platform::ScopedService<platform::IDesktopTheme>>(*m_theme);
    }
    void TearDown() override
    {
        m_use.reset();
        m_theme.reset();
    }

private:
    std::unique_ptr<platform::FixedDesktopTheme> m_theme;
    std::unique_ptr<platform::ScopedService<platform::IDesktopTheme>> m_use;
};

TEST_F(Themes, ThemeVariantFollowsTheColourSchemeNameExactly)
{
    EXPECT_EQ(GetThemeVariant(), 0); // this desktop has no schemes
    Use(true, QStringLiteral("NormalColor"));
    EXPECT_EQ(GetThemeVariant(), 1);
    Use(true, QStringLiteral("HomeStead"));
    EXPECT_EQ(GetThemeVariant(), 2);
    Use(true, QStringLiteral("Metallic"));
    EXPECT_EQ(GetThemeVariant(), 3);
    Use(true, QStringLiteral("homestead"));
    EXPECT_EQ(GetThemeVariant(), 0);
    Use(false, QStringLiteral("HomeStead"));
    EXPECT_EQ(GetThemeVariant(), 0);
}

TEST_F(Themes, AutoThemeAdaptWithHomeSteadGivesOlive)
{
    Use(true, QStringLiteral("HomeStead"));
    StyledWindow w;
    w.styler->SetAppStyle(nullptr);
    w.styler->SetAutoThemeAdapt(true);
    EXPECT_EQ(w.styler->Style(), tsOffice2003Olive);
    EXPECT_EQ(w.onForm->applied, std::vector<TVisualStyle>{tsOffice2003Olive});
}

TEST_F(Themes, AutoThemeAdaptWithoutAThemeGivesClassicThroughTheAppStyler)
{
    StyledWindow w;
    w.app->SetAutoThemeAdapt(true);
    EXPECT_EQ(w.app->Style(), tsOffice2003Classic);
    EXPECT_EQ(w.styler->Style(), tsOffice2003Classic);
    EXPECT_EQ(w.inPanel->applied, std::vector<TVisualStyle>{tsOffice2003Classic});
}

TEST_F(Themes, ThemeChangeMessageMakesTheStylerAdapt)
{
    StyledWindow w;
    w.styler->SetAppStyle(nullptr);
    w.styler->SetAutoThemeAdapt(true); // no theme: classic
    ASSERT_NE(w.styler->Notifier(), nullptr);
    EXPECT_EQ(w.styler->Notifier()->parentWidget(), &w.form);
    EXPECT_EQ(w.styler->Notifier()->size(), QSize(0, 0));
    Use(true, QStringLiteral("Metallic"));
    QEvent change(QEvent::ThemeChange);
    QCoreApplication::sendEvent(w.styler->Notifier(), &change);
    EXPECT_EQ(w.styler->Style(), tsOffice2003Silver);
}

TEST_F(Themes, ThemeChangeIsIgnoredWithAutoThemeAdaptOff)
{
    StyledWindow w;
    Use(true, QStringLiteral("Metallic"));
    QEvent change(QEvent::ThemeChange);
    QCoreApplication::sendEvent(w.styler->Notifier(), &change);
    EXPECT_EQ(w.styler->Style(), tsOffice2007Obsidian);
    EXPECT_EQ(w.Calls(), 0);
}

// Every styler keeps one notifier window on its host (the main form, or
// the nearest window of its owners). It goes with the styler; a host freed
// first takes it along, and the styler must not free it again.
TEST_F(Themes, EachStylersNotifierWindowGoesWithTheStylerOrWithItsHost)
{
    struct Case {
        const char* what;
        std::function<TComponent*(TForm& host)> make;
    };
    const Case cases[] = {
        {"application styler", [](TForm&) -> TComponent* { return new TAppStyler(nullptr); }},
        {"form styler", [](TForm& host) -> TComponent* { return new TFormStyler(&host); }},
        {"panel styler", [](TForm& host) -> TComponent* { return new TPanelStyler(&host); }},
    };
    const QPointer<QWidget> mainForm = TApplication::MainForm();
    auto notifiers = [](const QWidget& host) { return host.findChildren<TThemeNotifierWindow*>().size(); };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto host = std::make_unique<TForm>();
        TApplication::SetMainForm(host.get());
        delete c.make(*host);
        EXPECT_EQ(notifiers(*host), 0) << "freed with its styler";

        TComponent* styler = c.make(*host);
        EXPECT_EQ(notifiers(*host), 1);
        const QPointer<QObject> survivor = styler->AsQObject();
        host.reset();
        delete survivor.data(); // an unowned styler outlives the host
    }
    TApplication::SetMainForm(mainForm);
}

// ---------------------------------------------------------------- assign

TEST(StylerAssign, CopiesFromTheSameClassOnlyThroughTheSetters)
{
    StyledWindow w;
    TForm other;
    auto* source = new TFormStyler(&other);
    source->SetStyle(tsWindowsXP);
    w.styler->SetAppStyle(nullptr);
    int changes = 0;
    w.styler->OnChange = [&](QObject*) { ++changes; };
    w.styler->Assign(source);
    EXPECT_EQ(w.styler->Style(), tsWindowsXP);
    EXPECT_EQ(w.onForm->applied, std::vector<TVisualStyle>{tsWindowsXP});
    EXPECT_EQ(changes, 1);

    w.styler->Assign(w.app); // another class: ignored
    EXPECT_EQ(w.styler->Style(), tsWindowsXP);

    auto* otherApp = new TAppStyler(&other);
    otherApp->SetStyle(tsOffice2003Blue);
    w.app->Assign(otherApp);
    EXPECT_EQ(w.app->Style(), tsOffice2003Blue);
    w.app->Assign(source); // ignored
    EXPECT_EQ(w.app->Style(), tsOffice2003Blue);
}
