#include "controls/core/Control.h"
#include "controls/paint/Property.h"

#include "controls/core/Accessibility.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QResizeEvent>

// Watches a parent that is not a TControl (a TControl parent tells its
// children itself, at once, even while hidden) for resizes and font changes.
class TAnchorKeeper : public QObject {
public:
    explicit TAnchorKeeper(TControl* control)
        : QObject(control)
        , m_control(control)
    {
    }
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == QEvent::Resize && watched == m_control->parentWidget()) {
            if (!m_control->ParentControl())
                m_control->ParentResized(static_cast<QResizeEvent*>(e)->size());
        } else if (e->type() == QEvent::FontChange && watched == m_control->parentWidget()) {
            m_control->ApplyParentFont();
        }
        return false;
    }

private:
    TControl* m_control;
};

Qt::CursorShape TControl::CursorShape(int cursor)
{
    switch (cursor) {
    case crHandPoint: return Qt::PointingHandCursor;
    case crIBeam: return Qt::IBeamCursor;
    case crSizeAll: return Qt::SizeAllCursor;
    default: return Qt::ArrowCursor;
    }
}

TControl::TControl(TComponent* owner, QWidget* parent)
    : QWidget(parent)
    , TComponent(owner)
    , m_font(new TFont(this))
{
    m_font->OnChange = [this](TFont*) {
        if (m_parentFont && !m_applyingParentFont)
            m_parentFont = false;
        FontChanged();
        PropagateFont();
    };
    // Qt gives a new widget a default size; a control starts at 0, 0, 0, 0
    // until its bounds are set.
    PlaceWidget();
    if (parent) {
        m_anchorKeeper = new TAnchorKeeper(this);
        parent->installEventFilter(m_anchorKeeper);
        // A child added to a parent that is already on screen is not shown
        // by Qt on its own.
        QWidget::setVisible(true);
    }
    setMouseTracking(true);
    ApplyParentFont();
    m_constructed = true;
}

TControl::~TControl() = default;

void TControl::SetBounds(int left, int top, int width, int height)
{
    width = std::max(0, width);
    height = std::max(0, height);
    const QRect r(left, top, width, height);
    if (r == m_bounds)
        return;
    const bool resized = r.size() != m_bounds.size();
    m_bounds = r;
    PlaceWidget();
    RecordAnchorDistances();
    BoundsChanged();
    if (resized)
        ResizeChildren();
}

void TControl::PlaceWidget()
{
    if (isWindow()) {
        // A top-level window keeps its frame; Left and Top place the window.
        move(m_bounds.topLeft());
        resize(m_bounds.size());
    } else {
        // Moving a control inside its parent or out of it (an overlay shown
        // or hidden) shows or hides it for a screen reader.
        const bool wasInside = accessibility::IsPlacedInside(this);
        setGeometry(m_bounds);
        const bool inside = accessibility::IsPlacedInside(this);
        if (inside != wasInside && m_constructed)
            accessibility::AnnouncePlacement(this, inside);
    }
}

void TControl::RecordAnchorDistances()
{
    const QWidget* p = parentWidget();
    if (!p || isWindow())
        return;
    const QSize ps = p->size();
    if (ps.isEmpty()) {
        // The parent is not laid out yet: take the distances at its first sizing.
        m_anchorsRecorded = false;
        return;
    }
    m_anchorRight = ps.width() - (m_bounds.left() + m_bounds.width());
    m_anchorBottom = ps.height() - (m_bounds.top() + m_bounds.height());
    m_anchorsRecorded = true;
}

void TControl::ParentResized(QSize newSize)
{
    if (isWindow())
        return;
    if (!m_anchorsRecorded) {
        RecordAnchorDistances();
        return;
    }
    int left = Left(), top = Top(), width = Width(), height = Height();
    if (m_anchors.testFlag(akRight)) {
        if (m_anchors.testFlag(akLeft))
            width = newSize.width() - left - m_anchorRight;
        else
            left = newSize.width() - width - m_anchorRight;
    }
    if (m_anchors.testFlag(akBottom)) {
        if (m_anchors.testFlag(akTop))
            height = newSize.height() - top - m_anchorBottom;
        else
            top = newSize.height() - height - m_anchorBottom;
    }
    // The distances stay as designed, so a parent that shrinks below the
    // control and grows again gives the control its old size back.
    const QRect r(left, top, std::max(0, width), std::max(0, height));
    if (r == m_bounds)
        return;
    const bool resized = r.size() != m_bounds.size();
    m_bounds = r;
    PlaceWidget();
    BoundsChanged();
    if (resized)
        ResizeChildren();
}

void TControl::ResizeChildren()
{
    const QSize size = m_bounds.size();
    for (QObject* child : children())
        if (auto* c = qobject_cast<TControl*>(child))
            c->ParentResized(size);
}

void TControl::SetEnabled(bool v)
{
    if (!SetIfChanged(m_enabled, v))
        return;
    QWidget::setEnabled(v);
    update();
}

void TControl::SetParentFont(bool v)
{
    if (!SetIfChanged(m_parentFont, v))
        return;
    if (v)
        ApplyParentFont();
}

void TControl::ApplyParentFont()
{
    if (!m_parentFont)
        return;
    if (TControl* p = ParentControl()) {
        m_applyingParentFont = true;
        m_font->Assign(*p->Font());
        m_applyingParentFont = false;
    }
}

TControl* TControl::ParentControl() const
{
    return qobject_cast<TControl*>(parentWidget());
}

void TControl::SetParentControl(QWidget* parent)
{
    if (parent == parentWidget())
        return;
    delete m_anchorKeeper; // also takes it off the old parent's filters
    m_anchorKeeper = nullptr;
    setParent(parent);
    if (parent) {
        m_anchorKeeper = new TAnchorKeeper(this);
        parent->installEventFilter(m_anchorKeeper);
    }
    PlaceWidget();
    QWidget::setVisible(m_visible && parent);
    RecordAnchorDistances();
    ApplyParentFont();
}

void TControl::Loaded()
{
    TComponent::Loaded();
    RecordAnchorDistances();
}

TShiftState TControl::ShiftOf(Qt::KeyboardModifiers mods, Qt::MouseButtons buttons)
{
    TShiftState s;
    if (mods & Qt::ShiftModifier) s |= ssShift;
    if (mods & Qt::AltModifier) s |= ssAlt;
    if (mods & Qt::ControlModifier) s |= ssCtrl;
    if (buttons & Qt::LeftButton) s |= ssLeft;
    if (buttons & Qt::RightButton) s |= ssRight;
    if (buttons & Qt::MiddleButton) s |= ssMiddle;
    return s;
}

TMouseButton TControl::ButtonOf(Qt::MouseButton b)
{
    switch (b) {
    case Qt::RightButton: return TMouseButton::mbRight;
    case Qt::MiddleButton: return TMouseButton::mbMiddle;
    default: return TMouseButton::mbLeft;
    }
}

void TControl::FontChanged()
{
    update();
}

void TControl::PropagateFont()
{
    // Children that follow our font take it over (and pass it on in turn).
    for (QObject* child : children())
        if (auto* c = qobject_cast<TControl*>(child))
            c->ApplyParentFont();
}

void TControl::Click()
{
    if (OnClick)
        OnClick(this);
}

void TControl::ColorChanged()
{
    update();
}

void TControl::mousePressEvent(QMouseEvent* e)
{
    if (OnMouseDown) {
        const QPoint p = e->position().toPoint();
        OnMouseDown(this, ButtonOf(e->button()), ShiftOf(e->modifiers(), e->buttons()), p.x(), p.y());
    }
}

void TControl::mouseReleaseEvent(QMouseEvent* e)
{
    if (OnMouseUp) {
        const QPoint p = e->position().toPoint();
        OnMouseUp(this, ButtonOf(e->button()), ShiftOf(e->modifiers(), e->buttons()), p.x(), p.y());
    }
}

void TControl::mouseMoveEvent(QMouseEvent* e)
{
    if (OnMouseMove) {
        const QPoint p = e->position().toPoint();
        OnMouseMove(this, ShiftOf(e->modifiers(), e->buttons()), p.x(), p.y());
    }
}

void TControl::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (OnMouseDown) {
        const QPoint p = e->position().toPoint();
        OnMouseDown(this, ButtonOf(e->button()), ShiftOf(e->modifiers(), e->buttons()) | ssDouble, p.x(), p.y());
    }
    if (e->button() == Qt::LeftButton && OnDblClick)
        OnDblClick(this);
}

void TControl::enterEvent(QEnterEvent*)
{
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TControl::leaveEvent(QEvent*)
{
    if (OnMouseLeave)
        OnMouseLeave(this);
}

bool TControl::event(QEvent* e)
{
    // A top-level window is also moved and sized by the user and the window
    // manager: keep the bounds and the anchored children in step.
    if (isWindow() && (e->type() == QEvent::Resize || e->type() == QEvent::Move)) {
        const QRect r(pos(), size());
        if (r != m_bounds) {
            const bool resized = r.size() != m_bounds.size();
            m_bounds = r;
            BoundsChanged();
            if (resized)
                ResizeChildren();
        }
    }
    return QWidget::event(e);
}

TCustomControl::TCustomControl(TComponent* owner, QWidget* parent)
    : TControl(owner, parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

TGraphicControl::TGraphicControl(TComponent* owner, QWidget* parent)
    : TControl(owner, parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_NoSystemBackground);
}

void TGraphicControl::Invalidate()
{
    if (QWidget* p = parentWidget())
        p->update(geometry());
    else
        update();
}

void TGraphicControl::Refresh()
{
    if (QWidget* p = parentWidget())
        p->repaint(geometry());
    else
        repaint();
}
