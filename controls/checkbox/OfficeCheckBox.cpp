#include "controls/checkbox/OfficeCheckBox.h"
#include "controls/core/Accessibility.h"

#include "controls/paint/Canvas.h"
#include "controls/minihtml/MiniHtml.h"
#include "controls/paint/Property.h"

#include <QFocusEvent>
#include <QImage>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>

namespace {

constexpr int kBoxStrip = 20;    // the strip of the box side that a state change repaints
constexpr int kCaptionGap = 16;  // the caption starts this far from the box side
constexpr int kTopIndent = 4;    // box (tlTop) and caption start this far down

} // namespace

TCustomOfficeCheckBox::TCustomOfficeCheckBox(TComponent* owner, QWidget* parent)
    : TCustomControl(owner, parent)
{
    SetTabStop(false);
    SetBounds(Left(), Top(), 120, 20);
}

TCustomOfficeCheckBox::~TCustomOfficeCheckBox() = default;

// ------------------------------------------------------------ properties

void TCustomOfficeCheckBox::SetCaption(const QString& v)
{
    if (!SetIfChanged(m_caption, v))
        return;
    UpdateAccelerator();
    update();
    accessibility::AnnounceNameChange(this);
}

void TCustomOfficeCheckBox::SetChecked(bool v)
{
    StoreState(v ? cbChecked : cbUnchecked);
    update();
}

void TCustomOfficeCheckBox::SetState(TCheckBoxState v)
{
    if (m_state == v)
        return;
    StoreState(v);
    RepaintBoxArea();
}

void TCustomOfficeCheckBox::StoreState(TCheckBoxState v)
{
    if (!SetIfChanged(m_state, v))
        return;
    QAccessible::State changed;
    changed.checked = true;
    changed.checkStateMixed = true;
    accessibility::AnnounceStateChange(this, changed);
}

void TCustomOfficeCheckBox::Toggle()
{
    if (m_readOnly)
        return;
    SetChecked(!Checked());
}

void TCustomOfficeCheckBox::UserToggle()
{
    Toggle();
    Click();
}

// -------------------------------------------------------------- geometry

QPoint TCustomOfficeCheckBox::BoxOrigin() const
{
    const int x = m_alignment == taRightJustify ? width() - 14 : 0;
    int y = kTopIndent;
    if (m_buttonVertAlign == tlCenter)
        y = height() / 2 - CheckBoxImages::Size / 2;
    else if (m_buttonVertAlign == tlBottom)
        y = height() - CheckBoxImages::Size;
    return QPoint(x, y);
}

QRect TCustomOfficeCheckBox::CaptionArea() const
{
    QRect r = rect();
    if (m_alignment == taRightJustify)
        r.setRight(r.right() - kCaptionGap);
    else
        r.setLeft(r.left() + kCaptionGap);
    r.setTop(r.top() + kTopIndent);
    return r;
}

QRect TCustomOfficeCheckBox::BoxArea() const
{
    if (m_alignment == taRightJustify)
        return QRect(width() - kBoxStrip, 0, kBoxStrip, height());
    return QRect(0, 0, kBoxStrip, height());
}

TBoxMouseState TCustomOfficeCheckBox::BoxMouseState() const
{
    if (!isEnabled())
        return TBoxMouseState::Normal;
    if (m_down)
        return TBoxMouseState::Down;
    if (m_hot)
        return TBoxMouseState::Hot;
    return TBoxMouseState::Normal;
}

bool TCustomOfficeCheckBox::InsideEdgesIncluded(QPoint p) const
{
    return p.x() >= 0 && p.x() <= width() && p.y() >= 0 && p.y() <= height();
}

void TCustomOfficeCheckBox::RepaintBoxArea()
{
    update(BoxArea());
}

// -------------------------------------------------------------- painting

void TCustomOfficeCheckBox::paintEvent(QPaintEvent*)
{
    // The parent's painting is already under us: the control erases nothing.
    QPainter painter(this);

    // The box image by state and mouse state, its outer ring left out.
    CheckBoxImages::Draw(painter, BoxOrigin(), ShowsCheckedImage(), BoxMouseState());

    // The caption through the renderer, in the control's font.
    TCanvas canvas(painter);
    canvas.SetFont(*Font());
    canvas.SetBrushStyle(TBrushStyle::bsClear);
    PaintCaption(canvas);
}

TMiniHtmlParams TCustomOfficeCheckBox::CaptionParams(TCanvas& canvas) const
{
    TMiniHtmlParams params;
    params.Canvas = &canvas;
    params.Text = m_caption;
    params.Bounds = TRect::FromQRect(CaptionArea());
    params.ShadowOffset = m_shadowOffset;
    params.ShadowColor = m_shadowColor;
    params.WordWrap = !m_ellipsis;
    params.URLColor = m_urlColor;
    return params;
}

void TCustomOfficeCheckBox::PaintCaption(TCanvas& canvas)
{
    const QRect area = CaptionArea();
    TMiniHtmlParams params = CaptionParams(canvas);

    // Measure first: the focus frame needs the extent.
    TMiniHtmlResult measured;
    params.HitTestOnly = true;
    RenderMiniHtml(params, measured);
    params.HitTestOnly = false;

    TMiniHtmlResult drawn;
    if (!isEnabled()) {
        // Disabled: a white copy one pixel right and down, then the grey text.
        const TColor ownColor = canvas.Font().Color;
        params.Bounds = TRect::FromQRect(area.translated(1, 1));
        params.URLColor = clWhite;
        canvas.SetFontColor(clWhite);
        RenderMiniHtml(params, drawn);
        params.Bounds = TRect::FromQRect(area);
        params.URLColor = 0x808080;
        canvas.SetFontColor(m_disabledFontColor);
        RenderMiniHtml(params, drawn);
        canvas.SetFontColor(ownColor);
    } else {
        RenderMiniHtml(params, drawn);
    }

    if (hasFocus())
        PaintFocusFrame(canvas.Painter(), QRect(area.left(), area.top(), measured.ExtentX + 3, measured.ExtentY),
                        Font()->Color());
}

void TCustomOfficeCheckBox::PaintFocusFrame(QPainter& painter, const QRect& frame, TColor color)
{
    if (frame.width() <= 0 || frame.height() <= 0)
        return;
    // A one-pixel frame of alternate dots: every other pixel along the edge,
    // starting with the top-left corner.
    QList<QPoint> dots;
    const int l = frame.left(), t = frame.top(), r = frame.right(), b = frame.bottom();
    const int parity = (l + t) & 1;
    auto dot = [&](int x, int y) {
        if (((x + y) & 1) == parity)
            dots.append(QPoint(x, y));
    };
    for (int x = l; x <= r; ++x) {
        dot(x, t);
        if (b != t)
            dot(x, b);
    }
    for (int y = t + 1; y < b; ++y) {
        dot(l, y);
        if (r != l)
            dot(r, y);
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(ToQColor(color), 1));
    painter.drawPoints(dots.constData(), int(dots.size()));
    painter.restore();
}

// ---------------------------------------------------------------- anchors

QString TCustomOfficeCheckBox::AnchorAt(QPoint p)
{
    if (!m_caption.contains(u'<'))
        return {};
    QImage scratch(qMax(1, width()), qMax(1, height()), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&scratch);
    TCanvas canvas(painter);
    canvas.SetFont(*Font());
    TMiniHtmlParams params = CaptionParams(canvas);
    params.PointX = p.x();
    params.PointY = p.y();
    params.HitTestOnly = true;
    TMiniHtmlResult result;
    if (!RenderMiniHtml(params, result))
        return {};
    return result.AnchorAtPoint;
}

void TCustomOfficeCheckBox::UpdateHoveredAnchor(QPoint p)
{
    const QString anchor = AnchorAt(p);
    if (anchor == m_hoveredAnchor)
        return;
    if (!m_hoveredAnchor.isEmpty() && OnAnchorExit)
        OnAnchorExit(this, m_hoveredAnchor);
    m_hoveredAnchor = anchor;
    if (!anchor.isEmpty()) {
        if (!m_cursorSaved) {
            m_cursorBeforeAnchor = cursor();
            m_cursorSaved = true;
        }
        setCursor(Qt::PointingHandCursor);
        if (OnAnchorEnter)
            OnAnchorEnter(this, anchor);
    } else {
        RestoreCursor();
    }
}

void TCustomOfficeCheckBox::RestoreCursor()
{
    if (m_cursorSaved) {
        setCursor(m_cursorBeforeAnchor);
        m_cursorSaved = false;
    }
}

// ------------------------------------------------------------------ mouse

void TCustomOfficeCheckBox::mousePressEvent(QMouseEvent* e)
{
    TCustomControl::mousePressEvent(e);
    const QPoint p = e->position().toPoint();
    m_pressedHere = true;
    // A click on an unfocused control focuses it here; Qt may already have
    // given the focus for this very press, which counts as not focused yet.
    const bool wasFocused = hasFocus() && !m_focusedByThisPress;
    m_focusedByThisPress = false;
    if (wasFocused) {
        const QString anchor = AnchorAt(p);
        if (!anchor.isEmpty()) {
            FollowAnchor(this, anchor, OnAnchorClick);
            return;
        }
    } else if (focusPolicy() != Qt::NoFocus && !hasFocus()) {
        setFocus(Qt::MouseFocusReason);
        m_focusedByThisPress = false;
    }
    m_captured = true;
    m_down = true;
    RepaintBoxArea();
}

void TCustomOfficeCheckBox::mouseDoubleClickEvent(QMouseEvent* e)
{
    // The second press of a double click is a press like any other.
    mousePressEvent(e);
    if (e->button() == Qt::LeftButton && OnDblClick)
        OnDblClick(this);
}

void TCustomOfficeCheckBox::mouseMoveEvent(QMouseEvent* e)
{
    TCustomControl::mouseMoveEvent(e);
    const QPoint p = e->position().toPoint();
    if (m_captured)
        m_down = InsideEdgesIncluded(p); // shown at the next paint
    else
        UpdateHoveredAnchor(p);
}

void TCustomOfficeCheckBox::mouseReleaseEvent(QMouseEvent* e)
{
    TCustomControl::mouseReleaseEvent(e);
    const QPoint p = e->position().toPoint();
    m_captured = false;
    m_down = false;
    // Every click that lands on the control toggles it, also the first click
    // into a window that is not active yet: the press asked for the focus,
    // but the window may be activated only after the release.
    if (InsideEdgesIncluded(p) && m_pressedHere)
        UserToggle();
    RepaintBoxArea();
    m_pressedHere = false;
}

void TCustomOfficeCheckBox::enterEvent(QEnterEvent* e)
{
    TCustomControl::enterEvent(e);
    m_hot = true;
    repaint(BoxArea());
}

void TCustomOfficeCheckBox::leaveEvent(QEvent* e)
{
    TCustomControl::leaveEvent(e);
    m_hot = false;
    if (!m_hoveredAnchor.isEmpty()) {
        if (OnAnchorExit)
            OnAnchorExit(this, m_hoveredAnchor);
        m_hoveredAnchor.clear();
        RestoreCursor();
    }
    repaint(BoxArea());
}

// --------------------------------------------------------------- keyboard

void TCustomOfficeCheckBox::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Space) {
        if (!e->isAutoRepeat()) {
            m_spaceHeld = true;
            m_down = true; // shown at the next paint
        }
        e->accept();
        return;
    }
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && m_returnIsTab) {
        focusNextChild();
        e->accept();
        return;
    }
    TCustomControl::keyPressEvent(e);
}

void TCustomOfficeCheckBox::keyReleaseEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Space) {
        // Auto-repeat sends releases too: only the real one toggles.
        if (!e->isAutoRepeat() && m_spaceHeld) {
            m_spaceHeld = false;
            m_down = false;
            UserToggle();
        }
        e->accept();
        return;
    }
    TCustomControl::keyReleaseEvent(e);
}

void TCustomOfficeCheckBox::UpdateAccelerator()
{
    if (m_acceleratorId != 0) {
        releaseShortcut(m_acceleratorId);
        m_acceleratorId = 0;
    }
    // The accelerator is the character that the caption shows underlined.
    const QChar accelerator = MiniHtmlAccelerator(m_caption);
    if (accelerator.isNull())
        return;
    const QKeySequence key = QKeySequence::mnemonic(QStringLiteral("&") + accelerator);
    if (!key.isEmpty())
        m_acceleratorId = grabShortcut(key, Qt::WindowShortcut);
}

bool TCustomOfficeCheckBox::event(QEvent* e)
{
    if (e->type() == QEvent::Shortcut) {
        auto* se = static_cast<QShortcutEvent*>(e);
        if (m_acceleratorId != 0 && se->shortcutId() == m_acceleratorId) {
            UserToggle();
            if (TabStop())
                setFocus(Qt::ShortcutFocusReason);
            return true;
        }
    }
    return TCustomControl::event(e);
}

// ------------------------------------------------------------------ focus

void TCustomOfficeCheckBox::focusInEvent(QFocusEvent* e)
{
    TCustomControl::focusInEvent(e);
    m_focusedByThisPress = e->reason() == Qt::MouseFocusReason;
    // The whole control: the focus frame around the caption must show.
    update();
}

void TCustomOfficeCheckBox::focusOutEvent(QFocusEvent* e)
{
    TCustomControl::focusOutEvent(e);
    m_focusedByThisPress = false;
    m_down = false;
    m_spaceHeld = false;
    update();
}

// ------------------------------------------------------------------------

TOfficeCheckBox::TOfficeCheckBox(TComponent* owner, QWidget* parent)
    : TCustomOfficeCheckBox(owner, parent)
{
}
