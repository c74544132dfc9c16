#pragma once
// The styled panel: a container whose face is a flat fill, one band
// gradient or two gradient halves, with an optional caption bar across its
// top (marked-up text), an optional status strip along its bottom and an
// optional marked-up body text. A panel that names a panel styler takes the
// styler's settings over whenever they change.
//
// TCustomStyledPanel holds and publishes the state and the behaviour;
// TStyledPanel is the class the form files name. Drawing and the anchor
// hit test share one geometry, kept by TPanelPainter.
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
    LUMORA_PROPERTY(bool, AnchorHint, m_anchorHint, false, )
    LUMORA_PROPERTY(bool, AutoHideChildren, m_autoHideChildren, true, )
    LUMORA_PROPERTY(ControlTypes::TBevelCut, BevelInner, m_bevelInner, bvNone, Changed())
    LUMORA_PROPERTY(ControlTypes::TBevelCut, BevelOuter, m_bevelOuter, bvRaised, Changed())
    // At least 1.
    LUMORA_PROPERTY_OWN_SETTER(int, BevelWidth, m_bevelWidth, 1)
    LUMORA_PROPERTY(TColor, BorderColor, m_borderColor, clBlack, Changed())
    LUMORA_PROPERTY(bool, BorderShadow, m_borderShadow, false, Changed())
    LUMORA_PROPERTY(ControlTypes::TBorderStyle, BorderStyle, m_borderStyle, PanelTypes::bsNone, Changed())
    // At least 0.
    LUMORA_PROPERTY_OWN_SETTER(int, BorderWidth, m_borderWidth, 0)
    // Paint through an off-screen image: the window's backing store is
    // one for every panel, so the value is kept for the form files and
    // changes nothing drawn.
    LUMORA_PROPERTY(bool, Buffered, m_buffered, true, )
    LUMORA_PROPERTY(bool, CanMove, m_canMove, false, )
    LUMORA_PROPERTY(bool, CanSize, m_canSize, false, Changed())
    Q_PROPERTY(TPanelCaption* Caption READ Caption)
    LUMORA_PROPERTY(bool, Collaps, m_collaps, false, )
    LUMORA_PROPERTY(TColor, CollapsColor, m_collapsColor, clGray, )
    LUMORA_PROPERTY(int, CollapsDelay, m_collapsDelay, 20, )
    LUMORA_PROPERTY(int, CollapsSteps, m_collapsSteps, 0, )
    LUMORA_PROPERTY(TColor, ColorTo, m_colorTo, clNone, Changed())
    LUMORA_PROPERTY(TColor, ColorMirror, m_colorMirror, clNone, Changed())
    LUMORA_PROPERTY(TColor, ColorMirrorTo, m_colorMirrorTo, clNone, Changed())
    LUMORA_PROPERTY(bool, Ellipsis, m_ellipsis, false, Changed())
    LUMORA_PROPERTY(bool, FixedTop, m_fixedTop, false, )
    LUMORA_PROPERTY(bool, FixedLeft, m_fixedLeft, false, )
    LUMORA_PROPERTY(bool, FixedHeight, m_fixedHeight, false, )
    LUMORA_PROPERTY(bool, FixedWidth, m_fixedWidth, false, )
    // The expanded height, stored with the form and written back unchanged.
    LUMORA_PROPERTY(int, FullHeight, m_fullHeight, 0, )
    LUMORA_PROPERTY(PanelTypes::TGradientDirection, GradientDirection, m_gradientDirection, gdVertical, Changed())
    LUMORA_PROPERTY(bool, Hover, m_hover, false, Changed())
    LUMORA_PROPERTY(TColor, HoverColor, m_hoverColor, clNone, Changed())
    LUMORA_PROPERTY(TColor, HoverFontColor, m_hoverFontColor, clNone, Changed())
    LUMORA_PROPERTY(int, Indent, m_indent, 0, Changed())
    LUMORA_PROPERTY(int, LineSpacing, m_lineSpacing, 0, Changed())
    LUMORA_PROPERTY(TColor, ShadowColor, m_shadowColor, clGray, Changed())
    LUMORA_PROPERTY(int, ShadowOffset, m_shadowOffset, 2, Changed())
    LUMORA_PROPERTY(bool, ShowMoveCursor, m_showMoveCursor, false, )
    Q_PROPERTY(TPanelStatusBar* StatusBar READ StatusBar)
    Q_PROPERTY(TPanelStyler* Styler READ Styler WRITE SetStyler)
    LUMORA_PROPERTY(QString, Text, m_text, {}, Changed())
    LUMORA_PROPERTY(PanelTypes::TTextVAlignment, TextVAlign, m_textVAlign, tvaTop, Changed())
    LUMORA_PROPERTY(int, TopIndent, m_topIndent, 0, Changed())
    LUMORA_PROPERTY(TColor, URLColor, m_urlColor, clBlue, Changed())
    Q_PROPERTY(QString Version READ Version)
    LUMORA_EVENT(TAnchorClick, OnAnchorClick)
    LUMORA_EVENT(TAnchorClick, OnAnchorEnter)
    LUMORA_EVENT(TAnchorClick, OnAnchorExit)
    LUMORA_EVENT(TPaintEvent, OnPaint)

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

    TPanelCaption* m_caption;
    TPanelStatusBar* m_statusBar;
    QPointer<TPanelStyler> m_styler;
    // The same styler as a component, to recognise it while it is being
    // destroyed (when m_styler may no longer be read).
    const TComponent* m_stylerComponent = nullptr;
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
