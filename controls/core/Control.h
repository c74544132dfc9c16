#pragma once
// The base of every control: a QWidget that is also a TComponent and
// publishes the common properties (Left, Top, Width, Height, Anchors,
// Visible, Enabled, Font, ParentFont, Color, Cursor) and mouse events.
//
// Setters do nothing when the value is unchanged (no repaint, no event).
//
// Anchors: a control anchored right (or bottom) keeps its distance to that
// edge of its parent when the parent changes size; anchored left and right
// it stretches, anchored right only it moves. The distances are taken from
// the control's own bounds whenever they are set (and at the end of
// loading), against the parent's size at that moment; while the parent has
// no size yet, they are taken at the parent's first sizing instead.
// Negative Left and Top are kept as given (off-screen placement).
//
// TCustomControl is a windowed control that can take the focus;
// TGraphicControl is windowless: it never takes the focus and paints on its
// parent's surface (it fills no background, so the parent's painting shows
// around and between what it draws).
#include "controls/paint/Color.h"
#include "controls/core/Component.h"
#include "controls/core/Events.h"
#include "controls/paint/Font.h"
#include "controls/paint/Property.h"

#include <QFlags>
#include <QRect>
#include <QWidget>

class TControl : public QWidget, public TComponent {
    Q_OBJECT
public:
    enum TAnchorKind { akLeft = 0x1, akTop = 0x2, akRight = 0x4, akBottom = 0x8 };
    Q_DECLARE_FLAGS(TAnchors, TAnchorKind)
    Q_FLAG(TAnchors)

    // Cursor values as the form files give them.
    enum TCursor { crDefault = 0, crArrow = -2, crIBeam = -4, crHandPoint = -21, crSizeAll = -22 };
    Q_ENUM(TCursor)
    // The pointer shape a Cursor value shows (the arrow for any other).
    static Qt::CursorShape CursorShape(int cursor);

    explicit TControl(TComponent* owner = nullptr, QWidget* parent = nullptr);
    ~TControl() override;

    QObject* AsQObject() override { return this; }

    int Left() const { return m_bounds.left(); }
    void SetLeft(int v) { SetBounds(v, Top(), Width(), Height()); }
    int Top() const { return m_bounds.top(); }
    void SetTop(int v) { SetBounds(Left(), v, Width(), Height()); }
    int Width() const { return m_bounds.width(); }
    void SetWidth(int v) { SetBounds(Left(), Top(), v, Height()); }
    int Height() const { return m_bounds.height(); }
    void SetHeight(int v) { SetBounds(Left(), Top(), Width(), v); }
    // Moves and sizes the control; records the distances that anchors keep.
    virtual void SetBounds(int left, int top, int width, int height);
    QRect BoundsRect() const { return m_bounds; }
    QRect ClientRect() const { return QRect(0, 0, Width(), Height()); }

    Q_PROPERTY(int Left READ Left WRITE SetLeft)
    Q_PROPERTY(int Top READ Top WRITE SetTop)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    LUMORA_PROPERTY(TAnchors, Anchors, m_anchors, TAnchors(akLeft) | akTop, RecordAnchorDistances())
    LUMORA_PROPERTY(bool, Visible, m_visible, true, QWidget::setVisible(v))
    LUMORA_PROPERTY_OWN_SETTER(bool, Enabled, m_enabled, true)
    Q_PROPERTY(TFont* Font READ Font)
    LUMORA_PROPERTY_OWN_SETTER(bool, ParentFont, m_parentFont, true)
    LUMORA_PROPERTY(TColor, Color, m_color, clBtnFace, ColorChanged())
    LUMORA_PROPERTY(int, Cursor, m_cursor, crDefault, setCursor(CursorShape(v)))
    LUMORA_PROPERTY(QString, Hint, m_hint, {}, )
    LUMORA_PROPERTY(bool, ShowHint, m_showHint, false, )
    LUMORA_PROPERTY(int, TabOrder, m_tabOrder, -1, )
    Q_PROPERTY(QString AccessibleName READ AccessibleName WRITE SetAccessibleName)
    Q_PROPERTY(QString AccessibleDescription READ AccessibleDescription WRITE SetAccessibleDescription)
    LUMORA_EVENT(TNotifyEvent, OnClick)
    LUMORA_EVENT(TNotifyEvent, OnDblClick)
    LUMORA_EVENT(TMouseEvent, OnMouseDown)
    LUMORA_EVENT(TMouseEvent, OnMouseUp)
    LUMORA_EVENT(TMouseMoveEvent, OnMouseMove)
    LUMORA_EVENT(TNotifyEvent, OnMouseEnter)
    LUMORA_EVENT(TNotifyEvent, OnMouseLeave)

    TFont* Font() const { return m_font; }

    // What a screen reader calls the control and says about it, where its
    // caption does not tell (a picture button, the centre letter). Empty:
    // the control's own text (see controls/accessibility).
    QString AccessibleName() const { return accessibleName(); }
    void SetAccessibleName(const QString& v) { setAccessibleName(v); }
    QString AccessibleDescription() const { return accessibleDescription(); }
    void SetAccessibleDescription(const QString& v) { setAccessibleDescription(v); }

    // The control this one sits on, if it is a TControl.
    TControl* ParentControl() const;
    // Places the control on another parent (nullptr takes it off).
    void SetParentControl(QWidget* parent);

    // Repaints now (Refresh) or later (Invalidate).
    virtual void Invalidate() { update(); }
    virtual void Refresh() { repaint(); }

    void Loaded() override;

    // Raises OnClick. Controls that have a click call it when one completes;
    // the base never calls it by itself.
    virtual void Click();

    // Shift state and button of a Qt mouse event, as the events report them.
    static TShiftState ShiftOf(Qt::KeyboardModifiers mods, Qt::MouseButtons buttons);
    static TMouseButton ButtonOf(Qt::MouseButton b);

protected:
    // Called after Font changed (by a write, or by the parent's font while
    // ParentFont is on). The default repaints. Children that follow the
    // font are updated afterwards whatever the override does.
    virtual void FontChanged();
    // Called after Color changed. The default repaints.
    virtual void ColorChanged();
    // Called after the control was moved or sized (also by its anchors).
    virtual void BoundsChanged() {}

    // Sets the stored Visible value without touching the widget (for
    // top-level windows, which start hidden).
    void InitVisible(bool v) { m_visible = v; }

    // Default mouse handling raises OnMouseDown/Up/Move and OnDblClick.
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    bool event(QEvent* e) override;

private:
    friend class TAnchorKeeper;
    void ApplyParentFont();
    void PropagateFont();
    void ParentResized(QSize newSize);
    void ResizeChildren();
    void RecordAnchorDistances();
    void PlaceWidget();

    QRect m_bounds{0, 0, 0, 0};
    int m_anchorRight = 0;  // designed distance from the right edge of the parent
    int m_anchorBottom = 0; // designed distance from the bottom edge of the parent
    bool m_anchorsRecorded = false;
    QObject* m_anchorKeeper = nullptr; // filters a parent that is not a TControl
    TFont* m_font;
    bool m_applyingParentFont = false;
    // Placement is announced only once the control exists: an accessible
    // interface asked for while it is built would be of the wrong class.
    bool m_constructed = false;
};
Q_DECLARE_OPERATORS_FOR_FLAGS(TControl::TAnchors)

using TAnchors = TControl::TAnchors;
using enum TControl::TAnchorKind;

// A windowed control that can take the focus (buttons, grids, selectors).
class TCustomControl : public TControl {
    Q_OBJECT
public:
    explicit TCustomControl(TComponent* owner = nullptr, QWidget* parent = nullptr);
    LUMORA_PROPERTY(bool, TabStop, m_tabStop, true, setFocusPolicy(v ? Qt::StrongFocus : Qt::ClickFocus))
};

// A windowless control: paints on its parent's surface, takes no focus.
// Refresh repaints the parent's area under it first, so a new text leaves
// no trace of the old one.
class TGraphicControl : public TControl {
    Q_OBJECT
public:
    explicit TGraphicControl(TComponent* owner = nullptr, QWidget* parent = nullptr);
    void Invalidate() override;
    void Refresh() override;
};
