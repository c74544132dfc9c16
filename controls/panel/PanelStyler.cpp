#include "controls/panel/PanelStyler.h"

#include "controls/panel/StyledPanel.h"
#include "controls/style/StyleTable.h"
#include "controls/style/ThemeNotifierWindow.h"

#include <QWidget>

#include <array>

// ---------------------------------------------------------------- settings

TPanelSettings::TPanelSettings(QObject* parent)
    : QObject(parent)
    , m_caption(new TPanelCaption(this))
    , m_font(new TFont(this))
    , m_statusBar(new TPanelStatusBar(this))
{
    m_caption->OnChange = [this] { Changed(); };
}

void TPanelSettings::Changed()
{
    if (m_updateCount > 0)
        return;
    if (OnChange)
        OnChange(this);
}

void TPanelSettings::EndUpdate()
{
    if (m_updateCount == 0)
        return;
    if (--m_updateCount == 0 && OnChange)
        OnChange(this);
}

void TPanelSettings::Assign(const TPanelSettings& s)
{
    if (&s == this)
        return;
    BeginUpdate();
    CopySharedPanelValues(s, *this);
    SetCollaps(s.Collaps());
    SetHeight(s.Height());
    SetHint(s.Hint());
    SetText(s.Text());
    SetWidth(s.Width());
    // The settings' caption is a whole copy: what a panel keeps for itself
    // is decided when the settings reach the panel, not here.
    m_caption->Assign(*s.m_caption);
    m_caption->SetText(s.m_caption->Text());
    m_caption->SetVisible(s.m_caption->Visible());
    m_caption->SetTopIndent(s.m_caption->TopIndent());
    m_caption->SetPosition(s.m_caption->Position());
    m_caption->SetMinMaxCaption(s.m_caption->MinMaxCaption());
    m_font->Assign(*s.m_font);
    m_statusBar->Assign(*s.m_statusBar);
    m_statusBar->SetVisible(s.m_statusBar->Visible());
    m_statusBar->SetHeight(s.m_statusBar->Height());
    m_statusBar->SetBevelInner(s.m_statusBar->BevelInner());
    m_statusBar->SetText(s.m_statusBar->Text());
    m_statusBar->SetImageIndex(s.m_statusBar->ImageIndex());
    EndUpdate();
}

// ---------------------------------------------------------------- style tables

namespace {

// A value of a style row; "keep" leaves the setting as it is.
template <class T>
using Cell = std::optional<T>;
constexpr std::nullopt_t keep = std::nullopt;

struct FaceRow {
    TColor color, colorTo, colorMirror, colorMirrorTo;
    Cell<TColor> fontColor;
    TColor borderColor;
    bool borderShadow;
    TBevelCut bevelOuter;
    TColor collapsColor;
};

struct CaptionRow {
    TColor color, colorTo;
    TGradientDirection direction;
    TColor fontColor;
    Cell<int> height, indent;
    Cell<bool> visible;
};

struct StatusRow {
    TColor color, colorTo;
    Cell<TGradientDirection> direction;
    PanelTypes::TBorderStyle borderStyle;
    TColor borderColor;
    bool bevelInner;
    TColor fontColor;
};

struct StyleRow {
    TPanelStyle style;
    FaceRow face;
    CaptionRow caption;
    StatusRow status;
};

constexpr TColor xpFace = 0xE3F0F2;
constexpr TColor lunaText = 0x723708;
constexpr TColor office2007Border = 0xFFD2AF;
using PanelTypes::bsNone;
using PanelTypes::bsSingle;

// One row per style of the three tables: face, frame and text colour;
// caption bar; status strip. psCustom has no row.
const std::array<StyleRow, 13> kStyleRows = {{
    {psXP,
     {clWhite, xpFace, clNone, clNone, keep, clGray, true, bvNone, clBtnFace},
     {clHighlight, 0xFF0000, gdHorizontal, clHighlightText, 20, 2, keep},
     {xpFace, clWhite, keep, bsSingle, clSilver, false, clBlack}},
    {psFlat,
     {clBtnFace, clNone, clNone, clNone, clWindowText, clGray, false, bvNone, clBtnFace},
     {clHighlight, clNone, gdHorizontal, clHighlightText, 20, 0, keep},
     {clBtnFace, clNone, keep, bsSingle, clSilver, false, clBlack}},
    {psMetal,
     {clWhite, 0xE4E4E4, clNone, clNone, clWindowText, clGray, true, bvNone, clBtnFace},
     {clWhite, clNone, gdHorizontal, clBlack, 20, 4, true},
     {0xDEDEDE, 0xA9A9A9, keep, bsSingle, clWhite, false, clBlack}},
    {psClassic,
     {clBtnFace, clNone, clNone, clNone, clWindowText, clGray, false, bvRaised, clBtnFace},
     {clWhite, clNone, gdHorizontal, clBlack, keep, keep, false},
     {clBtnFace, clNone, keep, bsNone, clNone, true, clBlack}},
    {psOffice2003Blue,
     {0xFDEADA, 0xE4AE88, clNone, clNone, clWindowText, clGray, false, bvNone, clHighlight},
     {0xD68759, 0x933803, gdVertical, clWhite, keep, keep, keep},
     {0xE08F65, 0xF9DBC4, keep, bsSingle, clNone, false, clWhite}},
    {psOffice2003Olive,
     {0xCFF0EA, 0x8CC0B1, clNone, clNone, clWindowText, clGray, false, bvNone, clHighlight},
     {0xC6EFE7, 0x94BDB5, gdVertical, clBlack, keep, keep, keep},
     {0x80B0A1, 0xD3E4E3, keep, bsSingle, clNone, false, clBlack}},
    {psOffice2003Silver,
     {0xECE2E1, 0xB39698, clNone, clNone, clWindowText, clGray, false, bvNone, clHighlight},
     {0xEFE7E7, 0xAA8888, gdVertical, clBlack, keep, keep, keep},
     {0xBFA8A9, 0xDECFCF, keep, bsSingle, clNone, false, clBlack}},
    {psOffice2003Classic,
     {clWhite, xpFace, clNone, clNone, keep, clGray, true, bvNone, clBtnFace},
     {clHighlight, 0xFF0000, gdHorizontal, clHighlightText, 20, 2, keep},
     {xpFace, clWhite, keep, bsSingle, clSilver, false, clBlack}},
    {psOffice2007Luna,
     {0xFAF1E9, 0xEDD8C7, 0xEDD8C7, 0xFFF2E7, lunaText, office2007Border, false, bvNone, clHighlight},
     {0xFFEFE3, 0xFFD2AF, gdVertical, clBlack, keep, keep, keep},
     {0xF7E3D3, 0xF5D0B3, gdVertical, bsSingle, office2007Border, false, lunaText}},
    {psOffice2007Obsidian,
     {0xCFC6C1, 0xC5BBB4, 0xC5BBB4, 0xECECE5, lunaText, office2007Border, false, bvNone, clHighlight},
     {0xB8B8B6, 0xA0A09E, gdVertical, clWhite, keep, keep, keep},
     {0xA19F9E, 0x534D4B, gdVertical, bsSingle, clBlack, false, clWhite}},
    {psWhidbey,
     {clWhite, xpFace, clNone, clNone, keep, clGray, true, bvNone, clBtnFace},
     {0xF3F7F8, 0xACC3C3, gdVertical, clBlack, 20, 2, keep},
     {xpFace, clWhite, keep, bsSingle, clSilver, false, clBlack}},
    {psWindowsXP,
     {clBtnFace, clNone, clNone, clNone, clWindowText, clGray, false, bvRaised, clBtnFace},
     {clWhite, clNone, gdHorizontal, clHighlightText, keep, keep, false},
     {clBtnFace, clNone, keep, bsNone, clNone, true, clBlack}},
    {psOffice2007Silver,
     {0xF9F5F3, 0xE7DCD5, 0xE7DCD5, 0xFBFAF0, lunaText, office2007Border, false, bvNone, clHighlight},
     {0xF8F7F6, 0xE8E0DB, gdVertical, clBlack, keep, keep, keep},
     {0xFAEEEB, 0xE5DBD7, gdVertical, bsSingle, clBlack, false, lunaText}},
}};

const StyleRow* RowFor(TPanelStyle style)
{
    for (const StyleRow& row : kStyleRows)
        if (row.style == style)
            return &row;
    return nullptr;
}

// Styles that leave the caption's shade grain and light as they are.
bool KeepsShadeStrength(TPanelStyle s)
{
    return s == psXP || s == psFlat || s == psOffice2003Classic || s == psWhidbey;
}

void WriteRow(TPanelSettings& settings, const StyleRow& row)
{
    // Face, frame and text colour.
    const FaceRow& f = row.face;
    settings.SetColor(f.color);
    settings.SetColorTo(f.colorTo);
    settings.SetColorMirror(f.colorMirror);
    settings.SetColorMirrorTo(f.colorMirrorTo);
    if (f.fontColor)
        settings.Font()->SetColor(*f.fontColor);
    settings.SetBorderColor(f.borderColor);
    settings.SetBorderShadow(f.borderShadow);
    settings.SetBevelOuter(f.bevelOuter);
    settings.SetCollapsColor(f.collapsColor);

    // Caption bar.
    const CaptionRow& c = row.caption;
    TPanelCaption& caption = *settings.Caption();
    caption.SetColor(c.color);
    caption.SetColorTo(c.colorTo);
    caption.SetGradientDirection(c.direction);
    caption.Font()->SetColor(c.fontColor);
    if (c.height)
        caption.SetHeight(*c.height);
    if (c.indent)
        caption.SetIndent(*c.indent);
    if (c.visible)
        caption.SetVisible(*c.visible);

    // Status strip.
    const StatusRow& s = row.status;
    TPanelStatusBar& status = *settings.StatusBar();
    status.SetColor(s.color);
    status.SetColorTo(s.colorTo);
    if (s.direction)
        status.SetGradientDirection(*s.direction);
    status.SetBorderStyle(s.borderStyle);
    status.SetBorderColor(s.borderColor);
    status.SetBevelInner(s.bevelInner);
    status.Font()->SetColor(s.fontColor);

    // What every tabled style sets besides.
    settings.SetBevelInner(bvNone);
    settings.SetBorderStyle(bsNone);
    caption.SetShadeType(row.style == psMetal ? stRMetal : stNormal);
    if (!KeepsShadeStrength(row.style)) {
        caption.SetShadeGrain(32);
        caption.SetShadeLight(255);
    }
}

} // namespace

// ---------------------------------------------------------------- styler

namespace {

// The panel style each application style stands for.
constexpr TStyleRow<TPanelStyle> kPanelStyleOf[] = {
    {tsOffice2003Blue, psOffice2003Blue},
    {tsOffice2003Silver, psOffice2003Silver},
    {tsOffice2003Olive, psOffice2003Olive},
    {tsOffice2003Classic, psOffice2003Classic},
    {tsOffice2007Luna, psOffice2007Luna},
    {tsOffice2007Obsidian, psOffice2007Obsidian},
    {tsWindowsXP, psWindowsXP},
    {tsWhidbey, psWhidbey},
    {tsOffice2007Silver, psOffice2007Silver},
};

} // namespace

std::optional<TPanelStyle> PanelStyleFor(TVisualStyle style)
{
    if (const TPanelStyle* panelStyle = StyleRowFor(kPanelStyleOf, style))
        return *panelStyle;
    return std::nullopt;
}

TPanelStyler::TPanelStyler(TComponent* owner)
    : TNonVisualComponent(owner)
    , m_settings(new TPanelSettings(this))
    , m_notifier(NearestWindowControl(owner), [this] { AdaptToTheme(); })
{
    m_settings->OnChange = [this](QObject*) { PushSettingsToPanels(); };
    SetPanelStyle(psXP);
}

TPanelStyler::~TPanelStyler() = default;

void TPanelStyler::SetPanelStyle(TPanelStyle v)
{
    if (unsigned(v) > unsigned(psOffice2007Silver))
        return;
    m_style = v;
    m_settings->BeginUpdate();
    if (const StyleRow* row = RowFor(v))
        WriteRow(*m_settings, *row);
    m_settings->EndUpdate();
}

void TPanelStyler::ApplyComponentStyle(TVisualStyle style)
{
    if (const auto panelStyle = PanelStyleFor(style))
        SetStyle(*panelStyle);
}

void TPanelStyler::PushSettingsToPanels()
{
    if (IsLoading() || !Owner())
        return;
    // A copy: applying settings never adds or removes components, but a
    // handler run by a repaint might.
    const std::vector<TComponent*> components = Owner()->Components();
    for (TComponent* c : components)
        if (auto* panel = dynamic_cast<TCustomStyledPanel*>(c); panel && panel->Styler() == this)
            panel->ApplyPanelSettings(*m_settings);
}

void TPanelStyler::Assign(const TPanelStyler& source)
{
    if (&source == this)
        return;
    m_autoThemeAdapt = source.m_autoThemeAdapt;
    m_settings->Assign(*source.m_settings);
    m_comments = source.m_comments;
    SetStyle(source.m_style);
}

void TPanelStyler::AdaptToTheme()
{
    if (!m_autoThemeAdapt)
        return;
    switch (GetThemeVariant()) {
    case 1: SetStyle(psOffice2003Blue); break;
    case 2: SetStyle(psOffice2003Olive); break;
    case 3: SetStyle(psOffice2003Silver); break;
    default: SetStyle(psXP); break;
    }
}

void TPanelStyler::Loaded()
{
    TNonVisualComponent::Loaded();
    AdaptToTheme();
    PushSettingsToPanels();
}
