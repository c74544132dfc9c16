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
public:
    explicit TPanelSettings(QObject* parent = nullptr);

    LUMORA_PROPERTY(bool, AnchorHint, m_anchorHint, false, Changed())
    LUMORA_PROPERTY(bool, AutoHideChildren, m_autoHideChildren, true, Changed())
    LUMORA_PROPERTY(ControlTypes::TBevelCut, BevelInner, m_bevelInner, bvNone, Changed())
    LUMORA_PROPERTY(ControlTypes::TBevelCut, BevelOuter, m_bevelOuter, bvNone, Changed())
    LUMORA_PROPERTY(int, BevelWidth, m_bevelWidth, 1, Changed())
    LUMORA_PROPERTY(TColor, BorderColor, m_borderColor, clBlack, Changed())
    LUMORA_PROPERTY(bool, BorderShadow, m_borderShadow, false, Changed())
    LUMORA_PROPERTY(ControlTypes::TBorderStyle, BorderStyle, m_borderStyle, PanelTypes::bsSingle, Changed())
    LUMORA_PROPERTY(int, BorderWidth, m_borderWidth, 0, Changed())
    LUMORA_PROPERTY(bool, CanMove, m_canMove, false, Changed())
    LUMORA_PROPERTY(bool, CanSize, m_canSize, false, Changed())
    Q_PROPERTY(TPanelCaption* Caption READ Caption)
    LUMORA_PROPERTY(bool, Collaps, m_collaps, false, Changed())
    LUMORA_PROPERTY(TColor, CollapsColor, m_collapsColor, clBtnFace, Changed())
    LUMORA_PROPERTY(int, CollapsDelay, m_collapsDelay, 0, Changed())
    LUMORA_PROPERTY(int, CollapsSteps, m_collapsSteps, 0, Changed())
    LUMORA_PROPERTY(TColor, Color, m_color, clBtnFace, )
    LUMORA_PROPERTY(TColor, ColorTo, m_colorTo, clNone, Changed())
    LUMORA_PROPERTY(TColor, ColorMirror, m_colorMirror, clNone, Changed())
    LUMORA_PROPERTY(TColor, ColorMirrorTo, m_colorMirrorTo, clNone, Changed())
    LUMORA_PROPERTY(int, Cursor, m_cursor, 0, Changed())
    Q_PROPERTY(TFont* Font READ Font)
    LUMORA_PROPERTY(bool, FixedTop, m_fixedTop, false, )
    LUMORA_PROPERTY(bool, FixedLeft, m_fixedLeft, false, )
    LUMORA_PROPERTY(bool, FixedHeight, m_fixedHeight, false, )
    LUMORA_PROPERTY(bool, FixedWidth, m_fixedWidth, false, )
    LUMORA_PROPERTY(int, Height, m_height, 120, )
    LUMORA_PROPERTY(QString, Hint, m_hint, {}, )
    LUMORA_PROPERTY(bool, Hover, m_hover, false, Changed())
    LUMORA_PROPERTY(TColor, HoverColor, m_hoverColor, clNone, Changed())
    LUMORA_PROPERTY(TColor, HoverFontColor, m_hoverFontColor, clNone, Changed())
    LUMORA_PROPERTY(int, Indent, m_indent, 0, Changed())
    LUMORA_PROPERTY(TColor, ShadowColor, m_shadowColor, clBlack, )
    LUMORA_PROPERTY(int, ShadowOffset, m_shadowOffset, 0, )
    LUMORA_PROPERTY(bool, ShowHint, m_showHint, false, )
    LUMORA_PROPERTY(bool, ShowMoveCursor, m_showMoveCursor, false, )
    Q_PROPERTY(TPanelStatusBar* StatusBar READ StatusBar)
    LUMORA_PROPERTY(QString, Text, m_text, {}, Changed())
    LUMORA_PROPERTY(PanelTypes::TTextVAlignment, TextVAlign, m_textVAlign, tvaTop, Changed())
    LUMORA_PROPERTY(int, TopIndent, m_topIndent, 0, Changed())
    LUMORA_PROPERTY(TColor, URLColor, m_urlColor, clBlue, Changed())
    LUMORA_PROPERTY(int, Width, m_width, 0, )

    TPanelCaption* Caption() const { return m_caption; }
    TFont* Font() const { return m_font; }
    TPanelStatusBar* StatusBar() const { return m_statusBar; }

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

    TPanelCaption* m_caption;
    TFont* m_font;
    TPanelStatusBar* m_statusBar;
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
public:
    // Creates the settings and applies psXP to them once; listens for the
    // desktop's theme changes through a notifier window on the nearest
    // window of its owners.
    explicit TPanelStyler(TComponent* owner = nullptr);
    ~TPanelStyler() override;

    LUMORA_PROPERTY(bool, AutoThemeAdapt, m_autoThemeAdapt, false, )
    Q_PROPERTY(TPanelSettings* Settings READ Settings)
    LUMORA_PROPERTY(QString, Comments, m_comments, {}, )
    Q_PROPERTY(PanelTypes::TPanelStyle Style READ Style WRITE SetStyle)
    LUMORA_PROPERTY(int, Tag, m_tag, 0, )

    TPanelSettings* Settings() const { return m_settings; }
    TPanelStyle Style() const { return m_style; }
    // Every write re-applies the style's table and pushes the settings to
    // the panels, also when the value is unchanged. psCustom changes nothing
    // but still pushes; values outside the tables are ignored.
    void SetStyle(TPanelStyle v) { SetPanelStyle(v); }
    void SetPanelStyle(TPanelStyle v);

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
    TThemeNotifierWindow* Notifier() const { return m_notifier.Window(); }

    void Loaded() override;

private:
    TPanelSettings* m_settings;
    TPanelStyle m_style = psXP;
    TThemeNotifier m_notifier;
};

// The panel style that an application style maps to, or nothing for
// tsCustom and every later value.
std::optional<TPanelStyle> PanelStyleFor(TVisualStyle style);
