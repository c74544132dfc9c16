#pragma once
// The styled panel: a container whose face is a flat fill, one band
// gradient or two gradient halves, with an optional caption bar across its
// top (marked-up text), an optional status strip along its bottom and an
// optional marked-up body text. A panel that names a panel styler takes the
// styler's settings over whenever they change.
//
// TCustomStyledPanel holds and publishes the state and the behaviour;
// TStyledPanel is the class the form files name. Drawing and the anchor hit test share one geometry, kept by
// TPanelPainter.
//
// Kept as values only, not acted on: moving, sizing and collapsing by the
// user (CanMove, CanSize apart from its size grip, Collaps and its
// companions, the Fixed flags, ShowMoveCursor, AutoHideChildren), AnchorHint
// and the caption's buttons, shades and left-edge placement.
#include "controls/paint/Canvas.h"
#include "controls/core/Control.h"
#include "controls/minihtml/HtmlImages.h"
#include "controls/panel/PanelCaption.h"
#include "controls/panel/PanelStatusBar.h"
#include "controls/panel/PanelStyler.h"
#include "controls/panel/PanelTypes.h"
#include "controls/paint/Property.h"

#include <QPointer>
#include <QString>

using TPaintEvent = TEvent<void(QObject* Sender, TCanvas& Canvas, const TRect& Rect)>;

// The texts of a panel that can hold anchors.
enum class TPanelTextArea { Caption, Body, Status };

class TCustomStyledPanel : public TControl {
    Q_OBJECT
public:
    explicit TCustomStyledPanel(TComponent* owner = nullptr, QWidget* parent = nullptr);
    ~TCustomStyledPanel() override;

    // The published values, in the order the panel publishes them. The
    // ones kept as values only (see above) are stored without a repaint.
    LUMORA_PROPERTY(bool, AnchorHint, m_anchorHint, )
    LUMORA_PROPERTY(bool, AutoHideChildren, m_autoHideChildren, )
    LUMORA_PROPERTY(ControlTypes::TBevelCut, BevelInner, m_bevelInner, Changed())
    LUMORA_PROPERTY(ControlTypes::TBevelCut, BevelOuter, m_bevelOuter, Changed())
    // At least 1.
    LUMORA_PROPERTY_OWN_SETTER(int, BevelWidth, m_bevelWidth)
    LUMORA_PROPERTY(TColor, BorderColor, m_borderColor, Changed())
    LUMORA_PROPERTY(bool, BorderShadow, m_borderShadow, Changed())
    LUMORA_PROPERTY(ControlTypes::TBorderStyle, BorderStyle, m_borderStyle, Changed())
    // At least 0.
    LUMORA_PROPERTY_OWN_SETTER(int, BorderWidth, m_borderWidth)
    // Paint through an off-screen image: the window's backing store is
    // one for every panel, so the value is kept for the form files and
    // changes nothing drawn.
    LUMORA_PROPERTY(bool, Buffered, m_buffered, )
    LUMORA_PROPERTY(bool, CanMove, m_canMove, )
    LUMORA_PROPERTY(bool, CanSize, m_canSize, Changed())
    Q_PROPERTY(TPanelCaption* Caption READ Caption)
    LUMORA_PROPERTY(bool, Collaps, m_collaps, )
    LUMORA_PROPERTY(TColor, CollapsColor, m_collapsColor, )
    LUMORA_PROPERTY(int, CollapsDelay, m_collapsDelay, )
    LUMORA_PROPERTY(int, CollapsSteps, m_collapsSteps, )
    LUMORA_PROPERTY(TColor, ColorTo, m_colorTo, Changed())
    LUMORA_PROPERTY(TColor, ColorMirror, m_colorMirror, Changed())
    LUMORA_PROPERTY(TColor, ColorMirrorTo, m_colorMirrorTo, Changed())
    LUMORA_PROPERTY(bool, Ellipsis, m_ellipsis, Changed())
    LUMORA_PROPERTY(bool, FixedTop, m_fixedTop, )
    LUMORA_PROPERTY(bool, FixedLeft, m_fixedLeft, )
    LUMORA_PROPERTY(bool, FixedHeight, m_fixedHeight, )
    LUMORA_PROPERTY(bool, FixedWidth, m_fixedWidth, )
    // The expanded height, stored with the form and written back unchanged.
    LUMORA_PROPERTY(int, FullHeight, m_fullHeight, )
    LUMORA_PROPERTY(PanelTypes::TGradientDirection, GradientDirection, m_gradientDirection, Changed())
    LUMORA_PROPERTY(bool, Hover, m_hover, Changed())
    LUMORA_PROPERTY(TColor, HoverColor, m_hoverColor, Changed())
    LUMORA_PROPERTY(TColor, HoverFontColor, m_hoverFontColor, Changed())
    LUMORA_PROPERTY(int, Indent, m_indent, Changed())
    LUMORA_PROPERTY(int, LineSpacing, m_lineSpacing, Changed())
    LUMORA_PROPERTY(TColor, ShadowColor, m_shadowColor, Changed())
    LUMORA_PROPERTY(int, ShadowOffset, m_shadowOffset, Changed())
    LUMORA_PROPERTY(bool, ShowMoveCursor, m_showMoveCursor, )
    Q_PROPERTY(TPanelStatusBar* StatusBar READ StatusBar)
    Q_PROPERTY(TPanelStyler* Styler READ Styler WRITE SetStyler)
    LUMORA_PROPERTY(QString, Text, m_text, Changed())
    LUMORA_PROPERTY(PanelTypes::TTextVAlignment, TextVAlign, m_textVAlign, Changed())
    LUMORA_PROPERTY(int, TopIndent, m_topIndent, Changed())
    LUMORA_PROPERTY(TColor, URLColor, m_urlColor, Changed())
    Q_PROPERTY(QString Version READ Version)
    Q_PROPERTY(TAnchorClick OnAnchorClick MEMBER OnAnchorClick)
    Q_PROPERTY(TAnchorClick OnAnchorEnter MEMBER OnAnchorEnter)
    Q_PROPERTY(TAnchorClick OnAnchorExit MEMBER OnAnchorExit)
    Q_PROPERTY(TPaintEvent OnPaint MEMBER OnPaint)

    // Caption bar and status strip (owned).
    TPanelCaption* Caption() const { return m_caption; }
    TPanelStatusBar* StatusBar() const { return m_statusBar; }

    // Settings source.
    TPanelStyler* Styler() const { return m_styler.data(); }
    // Applies the styler's settings at once, unless the panel is loading.
    void SetStyler(TPanelStyler* v);
    // Copies the settings onto the panel through its setters. The caption
    // keeps its own Text, Visible, TopIndent, Position, MinMaxCaption and
    // its two button switches; Collaps, Height, Width, Hint, Position and
    // Text of the settings are not applied.
    void ApplyPanelSettings(const TPanelSettings& settings);

    // Image sources for the texts (not owned; may be nullptr).
    IImageList* Images() const { return m_images; }
    void SetImages(IImageList* v);
    IPictureContainer* PictureContainer() const { return m_pictureContainer; }
    void SetPictureContainer(IPictureContainer* v);

    QString Version() const { return QStringLiteral("1.8.1.0"); }

    // The one-based anchor of a text that the mouse is over, or -1.
    int HoveredAnchor(TPanelTextArea area) const;

    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

    TAnchorClick OnAnchorClick;
    TAnchorClick OnAnchorEnter;
    TAnchorClick OnAnchorExit;
    TPaintEvent OnPaint;

    // Draws the whole panel (steps up to OnPaint) onto a canvas of the
    // panel's client size; used by paintEvent, tests and benchmarks.
    void PaintTo(TCanvas& canvas);

protected:
    void ColorChanged() override;
    void FontChanged() override;

    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    // Marks the painting stale and asks for a repaint.
    void Changed();
    void CaptionChanged();
    // Runs the anchor hit test at p and updates the hover state; returns
    // the reference under p (empty for none).
    QString TrackAnchor(QPoint p);
    void ClearHover();
    void ApplyCursor(bool overAnchor);

    TColor m_colorTo = clNone;
    TColor m_colorMirror = clNone;
    TColor m_colorMirrorTo = clNone;
    TGradientDirection m_gradientDirection = gdVertical;
    TBevelCut m_bevelInner = bvNone;
    TBevelCut m_bevelOuter = bvRaised;
    int m_bevelWidth = 1;
    int m_borderWidth = 0;
    PanelTypes::TBorderStyle m_borderStyle = PanelTypes::bsNone;
    TColor m_borderColor = clBlack;
    bool m_borderShadow = false;
    TPanelCaption* m_caption;
    TPanelStatusBar* m_statusBar;
    QPointer<TPanelStyler> m_styler;
    // The same styler as a component, to recognise it while it is being
    // destroyed (when m_styler may no longer be read).
    const TComponent* m_stylerComponent = nullptr;
    QString m_text;
    TTextVAlignment m_textVAlign = tvaTop;
    int m_indent = 0;
    int m_topIndent = 0;
    int m_lineSpacing = 0;
    bool m_ellipsis = false;
    TColor m_urlColor = clBlue;
    bool m_hover = false;
    TColor m_hoverColor = clNone;
    TColor m_hoverFontColor = clNone;
    TColor m_shadowColor = clGray;
    int m_shadowOffset = 2;
    bool m_buffered = true;
    bool m_canMove = false;
    bool m_canSize = false;
    bool m_collaps = false;
    TColor m_collapsColor = clGray;
    int m_collapsDelay = 20;
    int m_collapsSteps = 0;
    bool m_showMoveCursor = false;
    bool m_fixedTop = false;
    bool m_fixedLeft = false;
    bool m_fixedHeight = false;
    bool m_fixedWidth = false;
    bool m_autoHideChildren = true;
    bool m_anchorHint = false;
    int m_fullHeight = 0;
    IImageList* m_images = nullptr;
    IPictureContainer* m_pictureContainer = nullptr;

    // Hover state: which text's anchor the mouse is over.
    TPanelTextArea m_hoverArea = TPanelTextArea::Body;
    int m_hoverIndex = -1;
    QString m_hoverReference;
};

class TStyledPanel : public TCustomStyledPanel {
    Q_OBJECT
public:
    explicit TStyledPanel(TComponent* owner = nullptr, QWidget* parent = nullptr);
};
