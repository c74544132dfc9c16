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
public:
    explicit TPanelSettings(QObject* parent = nullptr);

    LUMORA_PROPERTY(bool, AnchorHint, m_anchorHint, Changed())
    LUMORA_PROPERTY(bool, AutoHideChildren, m_autoHideChildren, Changed())
    LUMORA_PROPERTY(ControlTypes::TBevelCut, BevelInner, m_bevelInner, Changed())
    LUMORA_PROPERTY(ControlTypes::TBevelCut, BevelOuter, m_bevelOuter, Changed())
    LUMORA_PROPERTY(int, BevelWidth, m_bevelWidth, Changed())
    LUMORA_PROPERTY(TColor, BorderColor, m_borderColor, Changed())
    LUMORA_PROPERTY(bool, BorderShadow, m_borderShadow, Changed())
    LUMORA_PROPERTY(ControlTypes::TBorderStyle, BorderStyle, m_borderStyle, Changed())
    LUMORA_PROPERTY(int, BorderWidth, m_borderWidth, Changed())
    LUMORA_PROPERTY(bool, CanMove, m_canMove, Changed())
    LUMORA_PROPERTY(bool, CanSize, m_canSize, Changed())
    Q_PROPERTY(TPanelCaption* Caption READ Caption)
    LUMORA_PROPERTY(bool, Collaps, m_collaps, Changed())
    LUMORA_PROPERTY(TColor, CollapsColor, m_collapsColor, Changed())
    LUMORA_PROPERTY(int, CollapsDelay, m_collapsDelay, Changed())
    LUMORA_PROPERTY(int, CollapsSteps, m_collapsSteps, Changed())
    LUMORA_PROPERTY(TColor, Color, m_color, )
    LUMORA_PROPERTY(TColor, ColorTo, m_colorTo, Changed())
    LUMORA_PROPERTY(TColor, ColorMirror, m_colorMirror, Changed())
    LUMORA_PROPERTY(TColor, ColorMirrorTo, m_colorMirrorTo, Changed())
    LUMORA_PROPERTY(int, Cursor, m_cursor, Changed())
    Q_PROPERTY(TFont* Font READ Font)
    LUMORA_PROPERTY(bool, FixedTop, m_fixedTop, )
    LUMORA_PROPERTY(bool, FixedLeft, m_fixedLeft, )
    LUMORA_PROPERTY(bool, FixedHeight, m_fixedHeight, )
    LUMORA_PROPERTY(bool, FixedWidth, m_fixedWidth, )
    LUMORA_PROPERTY(int, Height, m_height, )
    LUMORA_PROPERTY(QString, Hint, m_hint, )
    LUMORA_PROPERTY(bool, Hover, m_hover, Changed())
    LUMORA_PROPERTY(TColor, HoverColor, m_hoverColor, Changed())
    LUMORA_PROPERTY(TColor, HoverFontColor, m_hoverFontColor, Changed())
    LUMORA_PROPERTY(int, Indent, m_indent, Changed())
    LUMORA_PROPERTY(TColor, ShadowColor, m_shadowColor, )
    LUMORA_PROPERTY(int, ShadowOffset, m_shadowOffset, )
    LUMORA_PROPERTY(bool, ShowHint, m_showHint, )
    LUMORA_PROPERTY(bool, ShowMoveCursor, m_showMoveCursor, )
    Q_PROPERTY(TPanelStatusBar* StatusBar READ StatusBar)
    LUMORA_PROPERTY(QString, Text, m_text, Changed())
    LUMORA_PROPERTY(PanelTypes::TTextVAlignment, TextVAlign, m_textVAlign, Changed())
    LUMORA_PROPERTY(int, TopIndent, m_topIndent, Changed())
    LUMORA_PROPERTY(TColor, URLColor, m_urlColor, Changed())
    LUMORA_PROPERTY(int, Width, m_width, )

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
public:
    // Creates the settings and applies psXP to them once; listens for the
    // desktop's theme changes through a notifier window on the nearest
    // window of its owners.
    explicit TPanelStyler(TComponent* owner = nullptr);
    ~TPanelStyler() override;

    LUMORA_PROPERTY(bool, AutoThemeAdapt, m_autoThemeAdapt, )
    Q_PROPERTY(TPanelSettings* Settings READ Settings)
    LUMORA_PROPERTY(QString, Comments, m_comments, )
    Q_PROPERTY(PanelTypes::TPanelStyle Style READ Style WRITE SetStyle)
    LUMORA_PROPERTY(int, Tag, m_tag, )

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
