#pragma once
// The panel styler: one complete set of panel settings (TPanelSettings) and
// a style (TPanelStyle). Every panel whose Styler names it takes the
// settings over; the styler is how the application's visual style reaches
// the panels, which do not take part in the style interface themselves.
#include "controls/paint/Color.h"
#include "controls/core/Component.h"
#include "controls/core/Events.h"
#include "controls/paint/Font.h"
#include "controls/panel/PanelCaption.h"
#include "controls/panel/PanelStatusBar.h"
#include "controls/panel/PanelTypes.h"
#include "controls/style/ThemeNotifierWindow.h"
#include "controls/style/VisualStyle.h"
#include "controls/paint/Property.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>

// The values a styler hands to its panels, under the panels' property
// names. Writing a value raises OnChange (unless an update is in progress),
// except for Color, Height, Width, Hint, ShadowColor, ShadowOffset,
// ShowHint, ShowMoveCursor and the four Fixed flags, which are stored
// quietly. A change inside Caption raises OnChange too; changes inside Font
// and StatusBar do not.
class TPanelSettings : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool AnchorHint READ AnchorHint WRITE SetAnchorHint)
    Q_PROPERTY(bool AutoHideChildren READ AutoHideChildren WRITE SetAutoHideChildren)
    Q_PROPERTY(ControlTypes::TBevelCut BevelInner READ BevelInner WRITE SetBevelInner)
    Q_PROPERTY(ControlTypes::TBevelCut BevelOuter READ BevelOuter WRITE SetBevelOuter)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
    Q_PROPERTY(TColor BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(bool BorderShadow READ BorderShadow WRITE SetBorderShadow)
    Q_PROPERTY(ControlTypes::TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
    Q_PROPERTY(bool CanMove READ CanMove WRITE SetCanMove)
    Q_PROPERTY(bool CanSize READ CanSize WRITE SetCanSize)
    Q_PROPERTY(TPanelCaption* Caption READ Caption)
    Q_PROPERTY(bool Collaps READ Collaps WRITE SetCollaps)
    Q_PROPERTY(TColor CollapsColor READ CollapsColor WRITE SetCollapsColor)
    Q_PROPERTY(int CollapsDelay READ CollapsDelay WRITE SetCollapsDelay)
    Q_PROPERTY(int CollapsSteps READ CollapsSteps WRITE SetCollapsSteps)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(TColor ColorTo READ ColorTo WRITE SetColorTo)
    Q_PROPERTY(TColor ColorMirror READ ColorMirror WRITE SetColorMirror)
    Q_PROPERTY(TColor ColorMirrorTo READ ColorMirrorTo WRITE SetColorMirrorTo)
    Q_PROPERTY(int Cursor READ Cursor WRITE SetCursor)
    Q_PROPERTY(TFont* Font READ Font)
    Q_PROPERTY(bool FixedTop READ FixedTop WRITE SetFixedTop)
    Q_PROPERTY(bool FixedLeft READ FixedLeft WRITE SetFixedLeft)
    Q_PROPERTY(bool FixedHeight READ FixedHeight WRITE SetFixedHeight)
    Q_PROPERTY(bool FixedWidth READ FixedWidth WRITE SetFixedWidth)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(bool Hover READ Hover WRITE SetHover)
    Q_PROPERTY(TColor HoverColor READ HoverColor WRITE SetHoverColor)
    Q_PROPERTY(TColor HoverFontColor READ HoverFontColor WRITE SetHoverFontColor)
    Q_PROPERTY(int Indent READ Indent WRITE SetIndent)
    Q_PROPERTY(TColor ShadowColor READ ShadowColor WRITE SetShadowColor)
    Q_PROPERTY(int ShadowOffset READ ShadowOffset WRITE SetShadowOffset)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
    Q_PROPERTY(bool ShowMoveCursor READ ShowMoveCursor WRITE SetShowMoveCursor)
    Q_PROPERTY(TPanelStatusBar* StatusBar READ StatusBar)
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(PanelTypes::TTextVAlignment TextVAlign READ TextVAlign WRITE SetTextVAlign)
    Q_PROPERTY(int TopIndent READ TopIndent WRITE SetTopIndent)
    Q_PROPERTY(TColor URLColor READ URLColor WRITE SetURLColor)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
public:
    explicit TPanelSettings(QObject* parent = nullptr);

    bool AnchorHint() const { return m_anchorHint; }
    void SetAnchorHint(bool v) { if (SetIfChanged(m_anchorHint, v)) Changed(); }
    bool AutoHideChildren() const { return m_autoHideChildren; }
    void SetAutoHideChildren(bool v) { if (SetIfChanged(m_autoHideChildren, v)) Changed(); }
    TBevelCut BevelInner() const { return m_bevelInner; }
    void SetBevelInner(TBevelCut v) { if (SetIfChanged(m_bevelInner, v)) Changed(); }
    TBevelCut BevelOuter() const { return m_bevelOuter; }
    void SetBevelOuter(TBevelCut v) { if (SetIfChanged(m_bevelOuter, v)) Changed(); }
    int BevelWidth() const { return m_bevelWidth; }
    void SetBevelWidth(int v) { if (SetIfChanged(m_bevelWidth, v)) Changed(); }
    TColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor v) { if (SetIfChanged(m_borderColor, v)) Changed(); }
    bool BorderShadow() const { return m_borderShadow; }
    void SetBorderShadow(bool v) { if (SetIfChanged(m_borderShadow, v)) Changed(); }
    PanelTypes::TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(PanelTypes::TBorderStyle v) { if (SetIfChanged(m_borderStyle, v)) Changed(); }
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int v) { if (SetIfChanged(m_borderWidth, v)) Changed(); }
    bool CanMove() const { return m_canMove; }
    void SetCanMove(bool v) { if (SetIfChanged(m_canMove, v)) Changed(); }
    bool CanSize() const { return m_canSize; }
    void SetCanSize(bool v) { if (SetIfChanged(m_canSize, v)) Changed(); }
    TPanelCaption* Caption() const { return m_caption; }
    bool Collaps() const { return m_collaps; }
    void SetCollaps(bool v) { if (SetIfChanged(m_collaps, v)) Changed(); }
    TColor CollapsColor() const { return m_collapsColor; }
    void SetCollapsColor(TColor v) { if (SetIfChanged(m_collapsColor, v)) Changed(); }
    int CollapsDelay() const { return m_collapsDelay; }
    void SetCollapsDelay(int v) { if (SetIfChanged(m_collapsDelay, v)) Changed(); }
    int CollapsSteps() const { return m_collapsSteps; }
    void SetCollapsSteps(int v) { if (SetIfChanged(m_collapsSteps, v)) Changed(); }
    TColor Color() const { return m_color; }
    void SetColor(TColor v) { m_color = v; }
    TColor ColorTo() const { return m_colorTo; }
    void SetColorTo(TColor v) { if (SetIfChanged(m_colorTo, v)) Changed(); }
    TColor ColorMirror() const { return m_colorMirror; }
    void SetColorMirror(TColor v) { if (SetIfChanged(m_colorMirror, v)) Changed(); }
    TColor ColorMirrorTo() const { return m_colorMirrorTo; }
    void SetColorMirrorTo(TColor v) { if (SetIfChanged(m_colorMirrorTo, v)) Changed(); }
    int Cursor() const { return m_cursor; }
    void SetCursor(int v) { if (SetIfChanged(m_cursor, v)) Changed(); }
    TFont* Font() const { return m_font; }
    bool FixedTop() const { return m_fixedTop; }
    void SetFixedTop(bool v) { m_fixedTop = v; }
    bool FixedLeft() const { return m_fixedLeft; }
    void SetFixedLeft(bool v) { m_fixedLeft = v; }
    bool FixedHeight() const { return m_fixedHeight; }
    void SetFixedHeight(bool v) { m_fixedHeight = v; }
    bool FixedWidth() const { return m_fixedWidth; }
    void SetFixedWidth(bool v) { m_fixedWidth = v; }
    int Height() const { return m_height; }
    void SetHeight(int v) { m_height = v; }
    const QString& Hint() const { return m_hint; }
    void SetHint(const QString& v) { m_hint = v; }
    bool Hover() const { return m_hover; }
    void SetHover(bool v) { if (SetIfChanged(m_hover, v)) Changed(); }
    TColor HoverColor() const { return m_hoverColor; }
    void SetHoverColor(TColor v) { if (SetIfChanged(m_hoverColor, v)) Changed(); }
    TColor HoverFontColor() const { return m_hoverFontColor; }
    void SetHoverFontColor(TColor v) { if (SetIfChanged(m_hoverFontColor, v)) Changed(); }
    int Indent() const { return m_indent; }
    void SetIndent(int v) { if (SetIfChanged(m_indent, v)) Changed(); }
    TColor ShadowColor() const { return m_shadowColor; }
    void SetShadowColor(TColor v) { m_shadowColor = v; }
    int ShadowOffset() const { return m_shadowOffset; }
    void SetShadowOffset(int v) { m_shadowOffset = v; }
    bool ShowHint() const { return m_showHint; }
    void SetShowHint(bool v) { m_showHint = v; }
    bool ShowMoveCursor() const { return m_showMoveCursor; }
    void SetShowMoveCursor(bool v) { m_showMoveCursor = v; }
    TPanelStatusBar* StatusBar() const { return m_statusBar; }
    const QString& Text() const { return m_text; }
    void SetText(const QString& v) { if (SetIfChanged(m_text, v)) Changed(); }
    TTextVAlignment TextVAlign() const { return m_textVAlign; }
    void SetTextVAlign(TTextVAlignment v) { if (SetIfChanged(m_textVAlign, v)) Changed(); }
    int TopIndent() const { return m_topIndent; }
    void SetTopIndent(int v) { if (SetIfChanged(m_topIndent, v)) Changed(); }
    TColor URLColor() const { return m_urlColor; }
    void SetURLColor(TColor v) { if (SetIfChanged(m_urlColor, v)) Changed(); }
    int Width() const { return m_width; }
    void SetWidth(int v) { m_width = v; }

    // While an update is in progress no OnChange is raised; ending the
    // outermost update raises it once, whether or not anything changed.
    void BeginUpdate() { ++m_updateCount; }
    void EndUpdate();
    int UpdateCount() const { return m_updateCount; }

    // Copies every value, the caption (its look and its Text, Visible,
    // TopIndent, Position and MinMaxCaption too), the font and the status
    // bar; raises OnChange once at the end.
    void Assign(const TPanelSettings& source);

    TNotifyEvent OnChange;

private:
    void Changed();

    bool m_anchorHint = false;
    bool m_autoHideChildren = true;
    TBevelCut m_bevelInner = bvNone;
    TBevelCut m_bevelOuter = bvNone;
    int m_bevelWidth = 1;
    TColor m_borderColor = clBlack;
    bool m_borderShadow = false;
    PanelTypes::TBorderStyle m_borderStyle = PanelTypes::bsSingle;
    int m_borderWidth = 0;
    bool m_canMove = false;
    bool m_canSize = false;
    TPanelCaption* m_caption;
    bool m_collaps = false;
    TColor m_collapsColor = clBtnFace;
    int m_collapsDelay = 0;
    int m_collapsSteps = 0;
    TColor m_color = clBtnFace;
    TColor m_colorTo = clNone;
    TColor m_colorMirror = clNone;
    TColor m_colorMirrorTo = clNone;
    int m_cursor = 0;
    TFont* m_font;
    bool m_fixedTop = false;
    bool m_fixedLeft = false;
    bool m_fixedHeight = false;
    bool m_fixedWidth = false;
    int m_height = 120;
    QString m_hint;
    bool m_hover = false;
    TColor m_hoverColor = clNone;
    TColor m_hoverFontColor = clNone;
    int m_indent = 0;
    TColor m_shadowColor = clBlack;
    int m_shadowOffset = 0;
    bool m_showHint = false;
    bool m_showMoveCursor = false;
    TPanelStatusBar* m_statusBar;
    QString m_text;
    TTextVAlignment m_textVAlign = tvaTop;
    int m_topIndent = 0;
    TColor m_urlColor = clBlue;
    int m_width = 0;
    int m_updateCount = 0;
};

// Writes, through the setters of `to` (a panel or another set of settings),
// the values that a panel takes over from its styler's settings under the
// same names. The caption, the font and the status bar, and the values a
// panel keeps for itself (Collaps, Height, Hint, Text, Width), are left to
// the caller.
template <class Target>
void CopySharedPanelValues(const TPanelSettings& from, Target& to)
{
    to.SetAnchorHint(from.AnchorHint());
    to.SetAutoHideChildren(from.AutoHideChildren());
    to.SetBevelInner(from.BevelInner());
    to.SetBevelOuter(from.BevelOuter());
    to.SetBevelWidth(from.BevelWidth());
    to.SetBorderColor(from.BorderColor());
    to.SetBorderShadow(from.BorderShadow());
    to.SetBorderStyle(from.BorderStyle());
    to.SetBorderWidth(from.BorderWidth());
    to.SetCanMove(from.CanMove());
    to.SetCanSize(from.CanSize());
    to.SetCollapsColor(from.CollapsColor());
    to.SetCollapsDelay(from.CollapsDelay());
    to.SetCollapsSteps(from.CollapsSteps());
    to.SetColor(from.Color());
    to.SetColorTo(from.ColorTo());
    to.SetColorMirror(from.ColorMirror());
    to.SetColorMirrorTo(from.ColorMirrorTo());
    to.SetCursor(from.Cursor());
    to.SetFixedTop(from.FixedTop());
    to.SetFixedLeft(from.FixedLeft());
    to.SetFixedHeight(from.FixedHeight());
    to.SetFixedWidth(from.FixedWidth());
    to.SetHover(from.Hover());
    to.SetHoverColor(from.HoverColor());
    to.SetHoverFontColor(from.HoverFontColor());
    to.SetIndent(from.Indent());
    to.SetShadowColor(from.ShadowColor());
    to.SetShadowOffset(from.ShadowOffset());
    to.SetShowHint(from.ShowHint());
    to.SetShowMoveCursor(from.ShowMoveCursor());
    to.SetTextVAlign(from.TextVAlign());
    to.SetTopIndent(from.TopIndent());
    to.SetURLColor(from.URLColor());
}

class TPanelStyler : public TNonVisualComponent, public IStyledComponent {
    Q_OBJECT
    Q_PROPERTY(bool AutoThemeAdapt READ AutoThemeAdapt WRITE SetAutoThemeAdapt)
    Q_PROPERTY(TPanelSettings* Settings READ Settings)
    Q_PROPERTY(QString Comments READ Comments WRITE SetComments)
    Q_PROPERTY(PanelTypes::TPanelStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)
public:
    // Creates the settings and applies psXP to them once; listens for the
    // desktop's theme changes through a notifier window on the nearest
    // window of its owners.
    explicit TPanelStyler(TComponent* owner = nullptr);
    ~TPanelStyler() override;

    bool AutoThemeAdapt() const { return m_autoThemeAdapt; }
    void SetAutoThemeAdapt(bool v) { m_autoThemeAdapt = v; }
    TPanelSettings* Settings() const { return m_settings; }
    const QString& Comments() const { return m_comments; }
    void SetComments(const QString& v) { m_comments = v; }
    TPanelStyle Style() const { return m_style; }
    // Every write re-applies the style's table and pushes the settings to
    // the panels, also when the value is unchanged. psCustom changes nothing
    // but still pushes; values outside the tables are ignored.
    void SetStyle(TPanelStyle v) { SetPanelStyle(v); }
    void SetPanelStyle(TPanelStyle v);
    int Tag() const { return m_tag; }
    void SetTag(int v) { m_tag = v; }

    // Maps an application style to a panel style and writes Style; tsCustom
    // and every later value do nothing.
    void ApplyComponentStyle(TVisualStyle style) override;

    // Applies Settings to every panel of the styler's owner whose Styler is
    // this styler, in the owner's component order. Nothing while loading.
    void PushSettingsToPanels();

    // Copies AutoThemeAdapt, the settings and Comments, then writes Style.
    void Assign(const TPanelStyler& source);

    // With AutoThemeAdapt on, writes Style by the desktop's colour scheme
    // (variant 1, 2, 3: Office 2003 blue, olive, silver; else psXP).
    void AdaptToTheme();
    TThemeNotifierWindow* Notifier() const { return m_notifier.data(); }

    void Loaded() override;

private:
    TPanelSettings* m_settings;
    bool m_autoThemeAdapt = false;
    QString m_comments;
    TPanelStyle m_style = psXP;
    int m_tag = 0;
    QPointer<TThemeNotifierWindow> m_notifier;
};

// The panel style that an application style maps to, or nothing for
// tsCustom and every later value.
std::optional<TPanelStyle> PanelStyleFor(TVisualStyle style);
