#pragma once
// The styled panel: a container whose face is a flat fill, one band
// gradient or two gradient halves, with an optional caption bar across its
// top (marked-up text), an optional status strip along its bottom and an
// optional marked-up body text. A panel that names a panel styler takes the
// styler's settings over whenever they change.
//
// TCustomStyledPanel holds the state and the behaviour; TStyledPanel
// publishes it. Drawing and the anchor hit test share one geometry, kept by
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

    // Face.
    TColor ColorTo() const { return m_colorTo; }
    void SetColorTo(TColor v);
    TColor ColorMirror() const { return m_colorMirror; }
    void SetColorMirror(TColor v);
    TColor ColorMirrorTo() const { return m_colorMirrorTo; }
    void SetColorMirrorTo(TColor v);
    TGradientDirection GradientDirection() const { return m_gradientDirection; }
    void SetGradientDirection(TGradientDirection v);

    // Frame.
    TBevelCut BevelInner() const { return m_bevelInner; }
    void SetBevelInner(TBevelCut v);
    TBevelCut BevelOuter() const { return m_bevelOuter; }
    void SetBevelOuter(TBevelCut v);
    int BevelWidth() const { return m_bevelWidth; }
    // At least 1.
    void SetBevelWidth(int v);
    int BorderWidth() const { return m_borderWidth; }
    // At least 0.
    void SetBorderWidth(int v);
    PanelTypes::TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(PanelTypes::TBorderStyle v);
    TColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor v);
    bool BorderShadow() const { return m_borderShadow; }
    void SetBorderShadow(bool v);

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

    // Body text.
    const QString& Text() const { return m_text; }
    void SetText(const QString& v);
    TTextVAlignment TextVAlign() const { return m_textVAlign; }
    void SetTextVAlign(TTextVAlignment v);
    int Indent() const { return m_indent; }
    void SetIndent(int v);
    int TopIndent() const { return m_topIndent; }
    void SetTopIndent(int v);
    int LineSpacing() const { return m_lineSpacing; }
    void SetLineSpacing(int v);
    bool Ellipsis() const { return m_ellipsis; }
    void SetEllipsis(bool v);

    // Anchors and shadows in all of the panel's texts.
    TColor URLColor() const { return m_urlColor; }
    void SetURLColor(TColor v);
    bool Hover() const { return m_hover; }
    void SetHover(bool v);
    TColor HoverColor() const { return m_hoverColor; }
    void SetHoverColor(TColor v);
    TColor HoverFontColor() const { return m_hoverFontColor; }
    void SetHoverFontColor(TColor v);
    TColor ShadowColor() const { return m_shadowColor; }
    void SetShadowColor(TColor v);
    int ShadowOffset() const { return m_shadowOffset; }
    void SetShadowOffset(int v);

    // Paint through an off-screen image: the window's backing store is
    // one for every panel, so the value is kept for the form files and
    // changes nothing drawn.
    bool Buffered() const { return m_buffered; }
    void SetBuffered(bool v) { m_buffered = v; }

    // User interaction switches (kept, see the header comment).
    bool CanMove() const { return m_canMove; }
    void SetCanMove(bool v) { m_canMove = v; }
    bool CanSize() const { return m_canSize; }
    void SetCanSize(bool v);
    bool Collaps() const { return m_collaps; }
    void SetCollaps(bool v) { m_collaps = v; }
    TColor CollapsColor() const { return m_collapsColor; }
    void SetCollapsColor(TColor v) { m_collapsColor = v; }
    int CollapsDelay() const { return m_collapsDelay; }
    void SetCollapsDelay(int v) { m_collapsDelay = v; }
    int CollapsSteps() const { return m_collapsSteps; }
    void SetCollapsSteps(int v) { m_collapsSteps = v; }
    bool ShowMoveCursor() const { return m_showMoveCursor; }
    void SetShowMoveCursor(bool v) { m_showMoveCursor = v; }
    bool FixedTop() const { return m_fixedTop; }
    void SetFixedTop(bool v) { m_fixedTop = v; }
    bool FixedLeft() const { return m_fixedLeft; }
    void SetFixedLeft(bool v) { m_fixedLeft = v; }
    bool FixedHeight() const { return m_fixedHeight; }
    void SetFixedHeight(bool v) { m_fixedHeight = v; }
    bool FixedWidth() const { return m_fixedWidth; }
    void SetFixedWidth(bool v) { m_fixedWidth = v; }
    bool AutoHideChildren() const { return m_autoHideChildren; }
    void SetAutoHideChildren(bool v) { m_autoHideChildren = v; }
    bool AnchorHint() const { return m_anchorHint; }
    void SetAnchorHint(bool v) { m_anchorHint = v; }
    // The expanded height, stored with the form and written back unchanged.
    int FullHeight() const { return m_fullHeight; }
    void SetFullHeight(int v) { m_fullHeight = v; }

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
    Q_PROPERTY(bool AnchorHint READ AnchorHint WRITE SetAnchorHint)
    Q_PROPERTY(bool AutoHideChildren READ AutoHideChildren WRITE SetAutoHideChildren)
    Q_PROPERTY(ControlTypes::TBevelCut BevelInner READ BevelInner WRITE SetBevelInner)
    Q_PROPERTY(ControlTypes::TBevelCut BevelOuter READ BevelOuter WRITE SetBevelOuter)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
    Q_PROPERTY(TColor BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(bool BorderShadow READ BorderShadow WRITE SetBorderShadow)
    Q_PROPERTY(ControlTypes::TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
    Q_PROPERTY(bool Buffered READ Buffered WRITE SetBuffered)
    Q_PROPERTY(bool CanMove READ CanMove WRITE SetCanMove)
    Q_PROPERTY(bool CanSize READ CanSize WRITE SetCanSize)
    Q_PROPERTY(TPanelCaption* Caption READ Caption)
    Q_PROPERTY(bool Collaps READ Collaps WRITE SetCollaps)
    Q_PROPERTY(TColor CollapsColor READ CollapsColor WRITE SetCollapsColor)
    Q_PROPERTY(int CollapsDelay READ CollapsDelay WRITE SetCollapsDelay)
    Q_PROPERTY(int CollapsSteps READ CollapsSteps WRITE SetCollapsSteps)
    Q_PROPERTY(TColor ColorTo READ ColorTo WRITE SetColorTo)
    Q_PROPERTY(TColor ColorMirror READ ColorMirror WRITE SetColorMirror)
    Q_PROPERTY(TColor ColorMirrorTo READ ColorMirrorTo WRITE SetColorMirrorTo)
    Q_PROPERTY(bool Ellipsis READ Ellipsis WRITE SetEllipsis)
    Q_PROPERTY(bool FixedTop READ FixedTop WRITE SetFixedTop)
    Q_PROPERTY(bool FixedLeft READ FixedLeft WRITE SetFixedLeft)
    Q_PROPERTY(bool FixedHeight READ FixedHeight WRITE SetFixedHeight)
    Q_PROPERTY(bool FixedWidth READ FixedWidth WRITE SetFixedWidth)
    Q_PROPERTY(int FullHeight READ FullHeight WRITE SetFullHeight)
    Q_PROPERTY(PanelTypes::TGradientDirection GradientDirection READ GradientDirection WRITE SetGradientDirection)
    Q_PROPERTY(bool Hover READ Hover WRITE SetHover)
    Q_PROPERTY(TColor HoverColor READ HoverColor WRITE SetHoverColor)
    Q_PROPERTY(TColor HoverFontColor READ HoverFontColor WRITE SetHoverFontColor)
    Q_PROPERTY(int Indent READ Indent WRITE SetIndent)
    Q_PROPERTY(int LineSpacing READ LineSpacing WRITE SetLineSpacing)
    Q_PROPERTY(TColor ShadowColor READ ShadowColor WRITE SetShadowColor)
    Q_PROPERTY(int ShadowOffset READ ShadowOffset WRITE SetShadowOffset)
    Q_PROPERTY(bool ShowMoveCursor READ ShowMoveCursor WRITE SetShowMoveCursor)
    Q_PROPERTY(TPanelStatusBar* StatusBar READ StatusBar)
    Q_PROPERTY(TPanelStyler* Styler READ Styler WRITE SetStyler)
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(PanelTypes::TTextVAlignment TextVAlign READ TextVAlign WRITE SetTextVAlign)
    Q_PROPERTY(int TopIndent READ TopIndent WRITE SetTopIndent)
    Q_PROPERTY(TColor URLColor READ URLColor WRITE SetURLColor)
    Q_PROPERTY(QString Version READ Version)
    Q_PROPERTY(TAnchorClick OnAnchorClick MEMBER OnAnchorClick)
    Q_PROPERTY(TAnchorClick OnAnchorEnter MEMBER OnAnchorEnter)
    Q_PROPERTY(TAnchorClick OnAnchorExit MEMBER OnAnchorExit)
    Q_PROPERTY(TPaintEvent OnPaint MEMBER OnPaint)
public:
    explicit TStyledPanel(TComponent* owner = nullptr, QWidget* parent = nullptr);
};
