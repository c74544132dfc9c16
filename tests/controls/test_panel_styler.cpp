// The panel styler: its settings and their change notices, the style
// tables, how settings reach the panels, assignment and the load order.
#include "controls/core/Form.h"
#include "controls/core/FormReader.h"
#include "controls/panel/PanelStyler.h"
#include "controls/panel/StyledPanel.h"
#include "PublishedPropertiesKit.h"
#include "platform/DesktopTheme.h"

#include <QMetaProperty>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A window that owns a styler and panels, as a form does.
struct StyledWindow {
    TControl form;
    TPanelStyler* styler = new TPanelStyler(&form);

    TStyledPanel* AddPanel(bool withStyler = true)
    {
        auto* panel = new TStyledPanel(&form, &form);
        if (withStyler)
            panel->SetStyler(styler);
        return panel;
    }
};

int CountChanges(TPanelSettings& settings, const std::function<void()>& action)
{
    int count = 0;
    settings.OnChange = [&count](QObject*) { ++count; };
    action();
    settings.OnChange = nullptr;
    return count;
}

} // namespace

// ---------------------------------------------------------------- settings

TEST(PanelSettings, InitialValues)
{
    TPanelSettings s;
    EXPECT_EQ(s.Color(), clBtnFace);
    EXPECT_EQ(s.ColorTo(), clNone);
    EXPECT_EQ(s.ColorMirror(), clNone);
    EXPECT_EQ(s.ColorMirrorTo(), clNone);
    EXPECT_EQ(s.HoverColor(), clNone);
    EXPECT_EQ(s.HoverFontColor(), clNone);
    EXPECT_EQ(s.Height(), 120);
    EXPECT_EQ(s.BorderStyle(), PanelTypes::bsSingle);
    EXPECT_EQ(s.BevelWidth(), 1);
    EXPECT_EQ(s.CollapsColor(), clBtnFace);
    EXPECT_EQ(s.URLColor(), 0xFF0000);
    EXPECT_TRUE(s.AutoHideChildren());
    EXPECT_EQ(s.BevelOuter(), bvNone);
    EXPECT_EQ(s.ShadowOffset(), 0);
    EXPECT_FALSE(s.Caption()->Visible());
    EXPECT_EQ(s.Caption()->Height(), 20);
}

TEST(PanelSettings, NoticeRaisedByMostWritesButNotTheQuietOnes)
{
    TPanelSettings s;
    EXPECT_EQ(CountChanges(s, [&] { s.SetColorTo(0x123456); }), 1);
    EXPECT_EQ(CountChanges(s, [&] { s.SetBorderWidth(2); }), 1);
    EXPECT_EQ(CountChanges(s, [&] { s.SetTextVAlign(tvaBottom); }), 1);
    EXPECT_EQ(CountChanges(s, [&] { s.SetColorTo(0x123456); }), 0) << "an unchanged value is no change";

    EXPECT_EQ(CountChanges(s, [&] {
                  s.SetColor(0x111111);
                  s.SetHeight(50);
                  s.SetWidth(60);
                  s.SetHint(QStringLiteral("hint"));
                  s.SetShadowColor(0x222222);
                  s.SetShadowOffset(5);
                  s.SetShowHint(true);
                  s.SetShowMoveCursor(true);
                  s.SetFixedTop(true);
                  s.SetFixedLeft(true);
                  s.SetFixedHeight(true);
                  s.SetFixedWidth(true);
              }),
              0);
    EXPECT_EQ(s.Color(), 0x111111) << "quiet writes are still stored";
    EXPECT_EQ(s.Height(), 50);
}

TEST(PanelSettings, CaptionChangesNotifyButFontAndStatusBarDoNot)
{
    TPanelSettings s;
    EXPECT_EQ(CountChanges(s, [&] { s.Caption()->SetColor(0x0000FF); }), 1);
    EXPECT_EQ(CountChanges(s, [&] { s.Caption()->Font()->SetColor(0x00FF00); }), 1);
    EXPECT_EQ(CountChanges(s, [&] { s.Font()->SetColor(0x00FF00); }), 0);
    EXPECT_EQ(CountChanges(s, [&] { s.StatusBar()->SetColor(0x00FF00); }), 0);
}

// Every writable value of the settings, walked through the meta-object so
// that a value left out of the copying is caught: an assigned copy of the
// settings takes them all, and a panel all but those it keeps for itself.
TEST(PanelSettings, EveryValueReachesACopyAndThePanelTakesAllButItsOwn)
{
    TPanelSettings source;
    const QMetaObject* mo = source.metaObject();
    QStringList written;
    for (int i = mo->propertyOffset(); i < mo->propertyCount(); ++i) {
        const QMetaProperty p = mo->property(i);
        if (!p.isWritable())
            continue;
        const QVariant now = p.read(&source);
        ASSERT_TRUE(p.write(&source, OtherValue(p, now))) << p.name();
        ASSERT_NE(p.read(&source), now) << p.name() << ": the test gave it no new value";
        written << QLatin1String(p.name());
    }
    source.Caption()->SetColor(0x0000A0);
    source.Font()->SetColor(0x00A000);
    source.StatusBar()->SetColorTo(0xA00000);

    TPanelSettings copy;
    copy.Assign(source);
    StyledWindow w;
    TStyledPanel* panel = w.AddPanel(false);
    panel->ApplyPanelSettings(source);
    const QStringList kept = {"Collaps", "Height", "Hint", "Text", "Width"};
    for (const QString& name : written) {
        const QByteArray n = name.toLatin1();
        EXPECT_EQ(copy.property(n), source.property(n)) << "the copy misses " << n.constData();
        if (kept.contains(name))
            EXPECT_NE(panel->property(n), source.property(n)) << "the panel keeps its own " << n.constData();
        else
            EXPECT_EQ(panel->property(n).toInt(), source.property(n).toInt()) << "the panel misses " << n.constData();
    }
    // The caption, the font and the status bar go along to both.
    auto expectParts = [](const auto& to, const char* who) {
        EXPECT_EQ(to.Caption()->Color(), 0x0000A0) << who;
        EXPECT_EQ(to.Font()->Color(), 0x00A000) << who;
        EXPECT_EQ(to.StatusBar()->ColorTo(), 0xA00000) << who;
    };
    expectParts(copy, "the copy");
    expectParts(*panel, "the panel");
}

TEST(PanelSettings, UpdateCounterHoldsNoticesUntilTheOutermostEnd)
{
    TPanelSettings s;
    const int count = CountChanges(s, [&] {
        s.BeginUpdate();
        s.BeginUpdate();
        s.SetColorTo(1);
        s.Caption()->SetIndent(7);
        s.EndUpdate();
        EXPECT_EQ(s.UpdateCount(), 1);
        s.EndUpdate();
    });
    EXPECT_EQ(count, 1) << "one notice when the counter reaches 0";
    EXPECT_EQ(CountChanges(s, [&] {
                  s.BeginUpdate();
                  s.EndUpdate();
              }),
              1)
        << "ending an update notifies even when nothing changed";
    EXPECT_EQ(CountChanges(s, [&] { s.EndUpdate(); }), 0) << "an unbalanced end is ignored";
    EXPECT_EQ(s.UpdateCount(), 0);
}

// ---------------------------------------------------------------- caption and status bar

TEST(PanelCaption, ShadeLightBelow200IsStoredAs200)
{
    TPanelCaption c;
    c.SetShadeLight(150);
    EXPECT_EQ(c.ShadeLight(), 200);
    c.SetShadeLight(255);
    EXPECT_EQ(c.ShadeLight(), 255);
}

TEST(PanelCaption, AssignCopiesTheLookButNotWhatBelongsToOnePanel)
{
    TPanelCaption source;
    source.SetText(QStringLiteral("source"));
    source.SetVisible(true);
    source.SetTopIndent(9);
    source.SetPosition(cpLeft);
    source.SetMinMaxCaption(true);
    source.SetColor(0x010203);
    source.SetColorTo(0x040506);
    source.SetGradientDirection(gdVertical);
    source.SetHeight(30);
    source.SetIndent(4);
    source.SetCloseButton(true);
    source.SetShadeType(stRMetal);
    source.Font()->SetColor(0x0A0B0C);

    TPanelCaption target;
    target.SetText(QStringLiteral("mine"));
    int changes = 0;
    target.OnChange = [&changes] { ++changes; };
    target.Assign(source);

    EXPECT_EQ(changes, 1) << "one change for the whole assignment";
    EXPECT_EQ(target.Color(), 0x010203);
    EXPECT_EQ(target.ColorTo(), 0x040506);
    EXPECT_EQ(target.GradientDirection(), gdVertical);
    EXPECT_EQ(target.Height(), 30);
    EXPECT_EQ(target.Indent(), 4);
    EXPECT_TRUE(target.CloseButton());
    EXPECT_EQ(target.ShadeType(), stRMetal);
    EXPECT_EQ(target.Font()->Color(), 0x0A0B0C);

    EXPECT_EQ(target.Text(), QStringLiteral("mine"));
    EXPECT_FALSE(target.Visible());
    EXPECT_EQ(target.TopIndent(), 0);
    EXPECT_EQ(target.Position(), cpTop);
    EXPECT_FALSE(target.MinMaxCaption());

    changes = 0;
    target.Assign(source);
    EXPECT_EQ(changes, 0) << "assigning an equal look changes nothing";
}

TEST(PanelStatusBar, AssignCopiesOnlyColoursBorderAndFont)
{
    TPanelStatusBar source;
    source.SetColor(0x111111);
    source.SetColorTo(0x222222);
    source.SetGradientDirection(gdVertical);
    source.SetBorderStyle(PanelTypes::bsSingle);
    source.SetBorderColor(0x333333);
    source.Font()->SetColor(0x444444);
    source.SetVisible(true);
    source.SetHeight(40);
    source.SetBevelInner(true);
    source.SetText(QStringLiteral("status"));

    TPanelStatusBar target;
    target.Assign(source);
    EXPECT_EQ(target.Color(), 0x111111);
    EXPECT_EQ(target.ColorTo(), 0x222222);
    EXPECT_EQ(target.GradientDirection(), gdVertical);
    EXPECT_EQ(target.BorderStyle(), PanelTypes::bsSingle);
    EXPECT_EQ(target.BorderColor(), 0x333333);
    EXPECT_EQ(target.Font()->Color(), 0x444444);
    EXPECT_EQ(target.Font()->Name(), QStringLiteral("Tahoma"));
    EXPECT_FALSE(target.Visible());
    EXPECT_EQ(target.Height(), 18);
    EXPECT_FALSE(target.BevelInner());
    EXPECT_TRUE(target.Text().isEmpty());
}

// ---------------------------------------------------------------- style tables

TEST(PanelStyler, ConstructedWithXPApplied)
{
    TPanelStyler styler;
    const TPanelSettings& s = *styler.Settings();
    EXPECT_EQ(styler.Style(), psXP);
    EXPECT_EQ(s.Color(), 0xFFFFFF);
    EXPECT_EQ(s.ColorTo(), 0xE3F0F2);
    EXPECT_EQ(s.BorderColor(), 0x808080);
    EXPECT_TRUE(s.BorderShadow());
    EXPECT_EQ(s.BorderStyle(), PanelTypes::bsNone) << "every tabled style clears the border style";
    EXPECT_EQ(s.Caption()->ColorTo(), 0xFF0000);
    EXPECT_EQ(s.Caption()->Indent(), 2);
    EXPECT_EQ(s.Caption()->Font()->Color(), clHighlightText);
    EXPECT_EQ(s.Caption()->ShadeLight(), 200) << "psXP keeps the shade strength";
    EXPECT_EQ(s.StatusBar()->Color(), 0xE3F0F2);
    EXPECT_EQ(s.StatusBar()->BorderColor(), 0xC0C0C0);
    EXPECT_EQ(s.Font()->Color(), clWindowText) << "psXP leaves the font colour";
}

TEST(PanelStyler, Office2007ObsidianRowsOfAllThreeTables)
{
    TPanelStyler styler;
    styler.Settings()->SetBevelInner(bvLowered);
    styler.Settings()->SetBorderStyle(PanelTypes::bsSingle);
    styler.SetStyle(psOffice2007Obsidian);
    const TPanelSettings& s = *styler.Settings();
    EXPECT_EQ(s.Color(), 0xCFC6C1);
    EXPECT_EQ(s.ColorTo(), 0xC5BBB4);
    EXPECT_EQ(s.ColorMirror(), 0xC5BBB4);
    EXPECT_EQ(s.ColorMirrorTo(), 0xECECE5);
    EXPECT_EQ(s.Font()->Color(), 0x723708);
    EXPECT_EQ(s.BorderColor(), 0xFFD2AF);
    EXPECT_FALSE(s.BorderShadow());
    EXPECT_EQ(s.BevelOuter(), bvNone);
    EXPECT_EQ(s.BevelInner(), bvNone);
    EXPECT_EQ(s.BorderStyle(), PanelTypes::bsNone);
    EXPECT_EQ(s.CollapsColor(), clHighlight);

    const TPanelCaption& c = *s.Caption();
    EXPECT_EQ(c.Color(), 0xB8B8B6);
    EXPECT_EQ(c.ColorTo(), 0xA0A09E);
    EXPECT_EQ(c.GradientDirection(), gdVertical);
    EXPECT_EQ(c.Font()->Color(), 0xFFFFFF);
    EXPECT_EQ(c.ShadeType(), stNormal);
    EXPECT_EQ(c.ShadeGrain(), 32);
    EXPECT_EQ(c.ShadeLight(), 255);

    const TPanelStatusBar& b = *s.StatusBar();
    EXPECT_EQ(b.Color(), 0xA19F9E);
    EXPECT_EQ(b.ColorTo(), 0x534D4B);
    EXPECT_EQ(b.GradientDirection(), gdVertical);
    EXPECT_EQ(b.BorderStyle(), PanelTypes::bsSingle);
    EXPECT_EQ(b.BorderColor(), 0x000000);
    EXPECT_FALSE(b.BevelInner());
    EXPECT_EQ(b.Font()->Color(), 0xFFFFFF);
}

TEST(PanelStyler, DashCellsLeaveTheSettingAsItWas)
{
    TPanelStyler styler;
    styler.SetStyle(psMetal); // caption Indent 4, Visible on, Height 20
    styler.Settings()->Caption()->SetHeight(26);
    styler.SetStyle(psOffice2003Blue); // caption Height, Indent and Visible "-"
    const TPanelCaption& c = *styler.Settings()->Caption();
    EXPECT_EQ(c.Indent(), 4);
    EXPECT_TRUE(c.Visible());
    EXPECT_EQ(c.Height(), 26);
    EXPECT_EQ(c.Color(), 0xD68759);
    EXPECT_EQ(c.ShadeType(), stNormal) << "psMetal's metal shade is replaced";

    styler.Settings()->Font()->SetColor(0x00AA00);
    styler.Settings()->StatusBar()->SetGradientDirection(gdVertical);
    styler.SetStyle(psWhidbey); // font colour and status direction "-"
    EXPECT_EQ(styler.Settings()->Font()->Color(), 0x00AA00);
    EXPECT_EQ(styler.Settings()->StatusBar()->GradientDirection(), gdVertical);
    EXPECT_EQ(c.Indent(), 2);
    EXPECT_EQ(c.ShadeLight(), 255) << "Whidbey keeps the shade strength it found";
}

TEST(PanelStyler, MetalUsesTheMetalShade)
{
    TPanelStyler styler;
    styler.SetStyle(psMetal);
    EXPECT_EQ(styler.Settings()->Caption()->ShadeType(), stRMetal);
    EXPECT_TRUE(styler.Settings()->Caption()->Visible());
}

TEST(PanelStyler, EveryWriteReappliesAndNotifiesOnce)
{
    TPanelStyler styler;
    styler.SetStyle(psOffice2007Luna);
    styler.Settings()->SetColorTo(0x010101);
    const int count = CountChanges(*styler.Settings(), [&] { styler.SetStyle(psOffice2007Luna); });
    EXPECT_EQ(count, 1);
    EXPECT_EQ(styler.Settings()->ColorTo(), 0xEDD8C7) << "the same style is applied again";
}

TEST(PanelStyler, CustomChangesNothingButStillNotifies)
{
    TPanelStyler styler;
    styler.SetStyle(psOffice2003Olive);
    styler.Settings()->SetColorTo(0x010101);
    const int count = CountChanges(*styler.Settings(), [&] { styler.SetStyle(psCustom); });
    EXPECT_EQ(count, 1);
    EXPECT_EQ(styler.Style(), psCustom);
    EXPECT_EQ(styler.Settings()->ColorTo(), 0x010101);
    EXPECT_EQ(styler.Settings()->Color(), 0xCFF0EA);
}

TEST(PanelStyler, ValuesOutsideTheTablesAreIgnored)
{
    TPanelStyler styler;
    styler.SetStyle(psOffice2003Silver);
    const int count = CountChanges(*styler.Settings(), [&] { styler.SetStyle(static_cast<TPanelStyle>(14)); });
    EXPECT_EQ(count, 0);
    EXPECT_EQ(styler.Style(), psOffice2003Silver);
    EXPECT_EQ(styler.Settings()->Color(), 0xECE2E1);
}

TEST(PanelStyler, ApplicationStylesMapToPanelStyles)
{
    const std::pair<TVisualStyle, TPanelStyle> map[] = {
        {tsOffice2003Blue, psOffice2003Blue},       {tsOffice2003Silver, psOffice2003Silver},
        {tsOffice2003Olive, psOffice2003Olive},     {tsOffice2003Classic, psOffice2003Classic},
        {tsOffice2007Luna, psOffice2007Luna},       {tsOffice2007Obsidian, psOffice2007Obsidian},
        {tsWindowsXP, psWindowsXP},                 {tsWhidbey, psWhidbey},
        {tsOffice2007Silver, psOffice2007Silver},
    };
    TPanelStyler styler;
    for (const auto& [visual, panel] : map) {
        styler.SetStyle(psFlat);
        styler.ApplyComponentStyle(visual);
        EXPECT_EQ(styler.Style(), panel) << "application style " << int(visual);
    }
    for (TVisualStyle ignored : {tsCustom, tsWindowsVista, tsWindows7, tsTerminal}) {
        styler.SetStyle(psFlat);
        const int count = CountChanges(*styler.Settings(), [&] { styler.ApplyComponentStyle(ignored); });
        EXPECT_EQ(count, 0) << "application style " << int(ignored);
        EXPECT_EQ(styler.Style(), psFlat);
    }
}

// ---------------------------------------------------------------- reaching the panels

TEST(PanelStyler, NamingAStylerAppliesItsSettingsAtOnce)
{
    StyledWindow w;
    w.styler->SetStyle(psOffice2007Obsidian);
    TStyledPanel* panel = w.AddPanel();
    EXPECT_EQ(panel->Color(), 0xCFC6C1);
    EXPECT_EQ(panel->ColorMirrorTo(), 0xECECE5);
    EXPECT_EQ(panel->Caption()->Color(), 0xB8B8B6);
    EXPECT_EQ(panel->Font()->Color(), 0x723708);
    EXPECT_EQ(panel->StatusBar()->ColorTo(), 0x534D4B);
    EXPECT_EQ(panel->ShadowOffset(), 0);
}

TEST(PanelStyler, PushReachesStyledPanelsOnlyAndKeepsTheirOwnCaption)
{
    StyledWindow w;
    TStyledPanel* styled = w.AddPanel();
    styled->Caption()->SetText(QStringLiteral("<FONT face=\"Arial\">Lumora 1.1</FONT>"));
    styled->Caption()->SetVisible(true);
    styled->Caption()->SetTopIndent(3);
    styled->Caption()->SetCloseButton(true);
    TStyledPanel* plain = w.AddPanel(false);
    plain->SetColor(0x00FF00);
    plain->SetColorTo(0x0000FF);

    w.styler->Settings()->Caption()->SetText(QStringLiteral("from the styler"));
    w.styler->Settings()->Caption()->SetTopIndent(8);
    w.styler->SetStyle(psClassic); // its settings hide the caption
    EXPECT_FALSE(w.styler->Settings()->Caption()->Visible());

    EXPECT_EQ(styled->BevelOuter(), bvRaised) << "the style arrived";
    EXPECT_EQ(styled->Caption()->Color(), 0xFFFFFF);
    EXPECT_EQ(styled->Caption()->Text(), QStringLiteral("<FONT face=\"Arial\">Lumora 1.1</FONT>"));
    EXPECT_TRUE(styled->Caption()->Visible());
    EXPECT_EQ(styled->Caption()->TopIndent(), 3);
    EXPECT_TRUE(styled->Caption()->CloseButton()) << "the panel's own button switch is put back";

    EXPECT_EQ(plain->Color(), 0x00FF00);
    EXPECT_EQ(plain->ColorTo(), 0x0000FF);
    EXPECT_EQ(plain->BevelOuter(), bvRaised) << "untouched: still the panel's initial bevel";
    EXPECT_EQ(plain->Caption()->Color(), clHighlight);
}

TEST(PanelStyler, SettingsTextSizeAndHintAreNotApplied)
{
    StyledWindow w;
    TStyledPanel* panel = w.AddPanel();
    panel->SetBounds(0, 0, 200, 100);
    panel->SetText(QStringLiteral("body"));
    panel->SetHint(QStringLiteral("panel hint"));
    TPanelSettings& s = *w.styler->Settings();
    s.SetText(QStringLiteral("styler text"));
    s.SetHeight(300);
    s.SetWidth(400);
    s.SetHint(QStringLiteral("styler hint"));
    s.SetBorderWidth(3); // notifies, so the settings are pushed
    EXPECT_EQ(panel->BorderWidth(), 3);
    EXPECT_EQ(panel->Text(), QStringLiteral("body"));
    EXPECT_EQ(panel->Width(), 200);
    EXPECT_EQ(panel->Height(), 100);
    EXPECT_EQ(panel->Hint(), QStringLiteral("panel hint"));
}

TEST(PanelStyler, ChangingTheSettingsPushesAtOnce)
{
    StyledWindow w;
    TStyledPanel* a = w.AddPanel();
    TStyledPanel* b = w.AddPanel();
    w.styler->Settings()->Caption()->SetColor(0x00A0A0);
    EXPECT_EQ(a->Caption()->Color(), 0x00A0A0);
    EXPECT_EQ(b->Caption()->Color(), 0x00A0A0);
    w.styler->Settings()->SetColor(0x0000A0); // quiet: reaches the panels with the next push
    EXPECT_EQ(a->Color(), 0xFFFFFF);
    w.styler->Settings()->SetIndent(5);
    EXPECT_EQ(a->Color(), 0x0000A0);
    EXPECT_EQ(b->Indent(), 5);
}

TEST(PanelStyler, CustomStyleKeepsThePanelsColoursThroughTheApplicationStyle)
{
    StyledWindow w;
    w.styler->SetStyle(psOffice2007Luna);
    TStyledPanel* panel = w.AddPanel();
    panel->SetColorTo(0x00FF00);
    w.styler->ApplyComponentStyle(tsCustom);
    EXPECT_EQ(panel->ColorTo(), 0x00FF00);
}

TEST(PanelStyler, DestroyedStylerIsForgotten)
{
    StyledWindow w;
    TStyledPanel* panel = w.AddPanel();
    ASSERT_EQ(panel->Styler(), w.styler);
    delete w.styler;
    EXPECT_EQ(panel->Styler(), nullptr);
    panel->SetColorTo(0x123456); // nothing left to reach
    EXPECT_EQ(panel->ColorTo(), 0x123456);
}

TEST(PanelStyler, AssignCopiesSettingsThenReappliesTheStyle)
{
    TPanelStyler source;
    source.SetAutoThemeAdapt(true);
    source.SetComments(QStringLiteral("shared look"));
    source.SetStyle(psOffice2007Silver);
    source.Settings()->SetBorderWidth(4);      // no column in the tables
    source.Settings()->SetColorTo(0x010101);   // overwritten by the style again

    TPanelStyler target;
    target.Assign(source);
    EXPECT_TRUE(target.AutoThemeAdapt());
    EXPECT_EQ(target.Comments(), QStringLiteral("shared look"));
    EXPECT_EQ(target.Style(), psOffice2007Silver);
    EXPECT_EQ(target.Settings()->BorderWidth(), 4);
    EXPECT_EQ(target.Settings()->ColorTo(), 0xE7DCD5);
}

// ---------------------------------------------------------------- loading

TEST(PanelStyler, LoadOrderAppliesOnlyWhenLoadingEnds)
{
    TControl form;
    form.BeginLoading();
    auto* panel = new TStyledPanel(&form, &form);
    panel->BeginLoading();
    panel->SetColor(0x00FF00); // as the form file has it
    auto* styler = new TPanelStyler(&form);
    styler->BeginLoading();
    panel->SetStyler(styler); // resolved while loading: nothing applied
    EXPECT_EQ(panel->Color(), 0x00FF00);
    styler->Settings()->SetBorderWidth(2);
    styler->SetStyle(psOffice2007Obsidian); // no push while loading
    EXPECT_EQ(panel->Color(), 0x00FF00);
    EXPECT_EQ(panel->BorderWidth(), 0);

    panel->Loaded();
    EXPECT_EQ(panel->Color(), 0xCFC6C1) << "the panel applies the settings at its end of load";
    EXPECT_EQ(panel->BorderWidth(), 2);

    panel->SetColorTo(0x0000FF);
    styler->Loaded(); // pushes once
    EXPECT_EQ(panel->ColorTo(), 0xC5BBB4);
    form.Loaded();
}

TEST(PanelStyler, ThemeAdaptationFollowsTheDesktopScheme)
{
    TPanelStyler styler;
    styler.SetStyle(psOffice2007Obsidian);
    styler.AdaptToTheme();
    EXPECT_EQ(styler.Style(), psOffice2007Obsidian) << "off: nothing happens";

    styler.SetAutoThemeAdapt(true);
    {
        platform::FixedDesktopTheme theme{true, QStringLiteral("HomeStead")};
        platform::ScopedService<platform::IDesktopTheme> use(theme);
        styler.AdaptToTheme();
        EXPECT_EQ(styler.Style(), psOffice2003Olive);
        theme.scheme = QStringLiteral("Metallic");
        styler.AdaptToTheme();
        EXPECT_EQ(styler.Style(), psOffice2003Silver);
    }
    {
        platform::FixedDesktopTheme theme{false, QString()};
        platform::ScopedService<platform::IDesktopTheme> use(theme);
        styler.Loaded();
        EXPECT_EQ(styler.Style(), psXP) << "no active theme gives psXP at load";
    }
}

TEST(PanelStyler, FormFileLoadsPanelsBeforeTheirStylerAndAppliesAtTheEnd)
{
    const QByteArray text = R"(object Form1: TForm
  object CaptionPanel: TStyledPanel
    Left = -1
    Width = 451
    Height = 404
    BevelOuter = bvNone
    Color = $00112233
    ColorTo = clNone
    Caption.Visible = True
    Caption.Text = '<FONT face="Arial">Lumora 1.1</FONT>'
    Caption.Indent = 2
    Caption.Font.Color = clWhite
    FullHeight = 404
    Styler = PanelStyler1
  end
  object StatusPanel: TStyledPanel
    Color = $00FFFFFF
    ColorTo = $00D5D1C9
  end
  object PanelStyler1: TPanelStyler
    Settings.BorderWidth = 0
    Settings.Caption.Visible = False
    Style = psOffice2007Obsidian
  end
end
)";
    TForm form;
    const std::optional<TFormError> error = ReadForm(form, text);
    ASSERT_FALSE(error.has_value()) << error->ToString().toStdString();
    auto* panel = dynamic_cast<TStyledPanel*>(form.FindComponent(QStringLiteral("CaptionPanel")));
    auto* status = dynamic_cast<TStyledPanel*>(form.FindComponent(QStringLiteral("StatusPanel")));
    auto* styler = dynamic_cast<TPanelStyler*>(form.FindComponent(QStringLiteral("PanelStyler1")));
    ASSERT_TRUE(panel && status && styler);

    EXPECT_EQ(panel->Styler(), styler);
    EXPECT_EQ(styler->Style(), psOffice2007Obsidian);
    EXPECT_EQ(panel->Color(), 0xCFC6C1);
    EXPECT_EQ(panel->ColorTo(), 0xC5BBB4);
    EXPECT_EQ(panel->Caption()->Color(), 0xB8B8B6);
    EXPECT_TRUE(panel->Caption()->Visible()) << "the styler's hidden caption does not hide the panel's";
    EXPECT_EQ(panel->Caption()->Text(), QStringLiteral("<FONT face=\"Arial\">Lumora 1.1</FONT>"));
    EXPECT_EQ(panel->FullHeight(), 404) << "kept as read";
    EXPECT_EQ(status->Styler(), nullptr);
    EXPECT_EQ(status->Color(), 0xFFFFFF);
    EXPECT_EQ(status->ColorTo(), 0xD5D1C9);
}
