#include "controls/glowbutton/GlowButton.h"

#include "controls/paint/DeviceRatio.h"

#include <QDialog>
#include <QEnterEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include "controls/core/Accessibility.h"
#include "platform/Fonts.h"
#include "controls/paint/Property.h"
#include "controls/style/StateFaces.h"
#include "controls/style/StyleTable.h"

#include <optional>

namespace {

constexpr int kFadeIntervalMs = 30;
constexpr int kFadeStep = 20;

// Mixes the four face colours (and, when asked, the border) of two looks.
void BlendInto(TFaceColors& set, const TFaceColors& a, const TFaceColors& b, int level, bool border)
{
    set.Color = BlendColor(a.Color, b.Color, level);
    set.ColorTo = BlendColor(a.ColorTo, b.ColorTo, level);
    set.ColorMirror = BlendColor(a.ColorMirror, b.ColorMirror, level);
    set.ColorMirrorTo = BlendColor(a.ColorMirrorTo, b.ColorMirrorTo, level);
    if (border)
        set.Border = BlendColor(a.Border, b.Border, level);
}

// What a style gives a button: the normal look, the hot, down and checked
// looks, and the checked border (none: kept).
struct TGlowStyleColors {
    TFaceColors Normal;
    const TStateFaces* States;
    std::optional<TColor> BorderChecked;
};

constexpr TStyleRow<TGlowStyleColors> kStyleRows[] = {
    {tsOffice2003Blue, {{0xEEDBC8, 0xF6DDC9, 0xEDD4C0, 0xF7E1D0, 0xE0B99B}, &kOfficeStateFaces, std::nullopt}},
    {tsOffice2003Silver, {{0xE6E9E2, 0xE6D8D8, 0xE6E9E2, 0xC8B2B3, 0x927476}, &kOfficeStateFaces, std::nullopt}},
    {tsOffice2003Olive, {{0xCFF0EA, 0xCFF0EA, 0xCFF0EA, 0x8CC0B1, 0x8CC0B1}, &kOfficeStateFaces, std::nullopt}},
    {tsOffice2003Classic, {{0xFFFFFF, 0xC9D1D5, 0xFFFFFF, 0xC9D1D5, 0x000000}, &kOfficeStateFaces, std::nullopt}},
    {tsOffice2007Luna, {{0xEEDBC8, 0xF6DDC9, 0xEDD4C0, 0xF7E1D0, 0xE0B99B}, &kOfficeStateFaces, 0x45667B}},
    {tsOffice2007Obsidian, {{0xDFDED6, 0xE4E2DB, 0xD7D5CE, 0xE7E5E0, 0xC0BCB2}, &kOfficeStateFaces, 0x45667B}},
    {tsWindowsXP, {{0xFFFFFF, 0xB9D8DC, 0xB9D8DC, 0xB9D8DC, 0xB9D8DC}, &kWindowsXPStateFaces, 0x000000}},
    {tsWhidbey, {{0xFFFFFF, 0xDFEDF0, 0xDFEDF0, 0xDFEDF0, 0x99A8AC}, &kOfficeStateFaces, std::nullopt}},
    {tsOffice2007Silver, {{0xF3F3F1, 0xF5F5F3, 0xEEEAE7, 0xF8F7F6, 0xCCCAC9}, &kOfficeStateFaces, 0x45667B}},
};

// Writes a style's looks into the appearance (every half vertical).
void ApplyStyleColors(TGlowButtonAppearance& a, const TGlowStyleColors& colors)
{
    using TLook = TGlowButtonAppearance::TLook;
    TFaceColors checked = colors.States->Checked;
    checked.Border = colors.BorderChecked.value_or(a.BorderColorChecked());
    a.SetLook(TLook::Normal, colors.Normal);
    a.SetLook(TLook::Hot, colors.States->Hot);
    a.SetLook(TLook::Down, colors.States->Down);
    a.SetLook(TLook::Checked, checked);
}

// The user-interface face for captions with SystemFont: Tahoma, which the
// program carries with it, so captions look alike on every machine.
QString UserInterfaceFace()
{
    return QStringLiteral("Tahoma");
}

bool IsDialogEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

TCustomGlowButton::TCustomGlowButton(TComponent* owner, QWidget* parent)
    : TCustomControl(owner, parent)
    , m_appearance(new TGlowButtonAppearance(this))
    , m_picture(new TGDIPPicture(this))
    , m_hotPicture(new TGDIPPicture(this))
    , m_disabledPicture(new TGDIPPicture(this))
{
    m_appearance->OnChange = [this] { update(); };
    m_picture->OnChange = [this] { update(); };
    m_hotPicture->OnChange = [this] { update(); };
    m_disabledPicture->OnChange = [this] { update(); };
    SetBounds(Left(), Top(), 100, 41);
    SetTabStop(false);
}

TCustomGlowButton::~TCustomGlowButton()
{
    if (m_keyWindow)
        m_keyWindow->removeEventFilter(this);
}

void TCustomGlowButton::SetCaption(const QString& v)
{
    if (!SetIfChanged(m_caption, v))
        return;
    update();
    accessibility::AnnounceNameChange(this);
}

void TCustomGlowButton::SetTabStop(bool v)
{
    TCustomControl::SetTabStop(v);
    // A click takes the focus by hand (only with TabStop on), so Qt gives
    // it by Tab alone.
    setFocusPolicy(v ? Qt::TabFocus : Qt::NoFocus);
}

void TCustomGlowButton::SetDefault(bool v)
{
    m_default = v;
    WatchWindowKeys();
}

void TCustomGlowButton::SetCancel(bool v)
{
    m_cancel = v;
    WatchWindowKeys();
}

// ---- Down and groups -------------------------------------------------------

void TCustomGlowButton::SetDown(bool v)
{
    if (IsLoading()) {
        m_loadedDownSet = true;
        m_loadedDown = v;
    }
    // A plain push button never stays down.
    if (m_groupIndex == 0 && m_style == bsButton)
        v = false;
    if (m_style == bsCheck) {
        StoreDown(v);
        m_drawState = v ? TDrawState::Pressed : TDrawState::Up;
        repaint();
        return;
    }
    if (v == m_down)
        return;
    // A down button of a group without AllowAllUp is released only by a
    // partner of its group.
    if (m_down && !m_allowAllUp)
        return;
    StoreDown(v);
    if (v) {
        if (m_drawState == TDrawState::Up)
            update();
        m_drawState = TDrawState::Checked;
        AnnounceDown();
    } else {
        m_drawState = TDrawState::Up;
        repaint();
    }
}

void TCustomGlowButton::StoreDown(bool v)
{
    if (!SetIfChanged(m_down, v))
        return;
    QAccessible::State changed;
    changed.checked = true;
    changed.pressed = true;
    accessibility::AnnounceStateChange(this, changed);
}

void TCustomGlowButton::PerformClick()
{
    if (!isEnabled())
        return;
    // As a click with the mouse: a toggle or grouped button flips Down
    // first, so the click handler finds the new state.
    if (m_style == bsCheck || m_groupIndex != 0)
        SetDown(!m_down);
    QPointer<TCustomGlowButton> alive(this);
    Click();
    if (alive)
        update();
}

void TCustomGlowButton::AnnounceDown()
{
    QWidget* parent = parentWidget();
    if (m_groupIndex == 0 || !parent)
        return;
    const QObjectList siblings = parent->children();
    for (QObject* child : siblings)
        if (auto* button = qobject_cast<TCustomGlowButton*>(child))
            button->GroupButtonDown(m_groupIndex, this);
}

void TCustomGlowButton::GroupButtonDown(int groupIndex, TCustomGlowButton* sender)
{
    if (groupIndex != m_groupIndex || sender == this || !m_down || !sender->m_down)
        return;
    // Released by a partner: no click, AllowAllUp does not matter.
    StoreDown(false);
    m_drawState = TDrawState::Up;
    update();
}

void TCustomGlowButton::Loaded()
{
    TCustomControl::Loaded();
    if (m_loadedDownSet && m_loadedDown != m_down)
        SetDown(m_loadedDown);
    m_loadedDownSet = false;
}

// ---- Styles ----------------------------------------------------------------

void TCustomGlowButton::ApplyComponentStyle(TVisualStyle style)
{
    if (const TGlowStyleColors* colors = StyleRowFor(kStyleRows, style))
        ApplyStyleColors(*m_appearance, *colors);
    // Styles without a row keep the colours but still repaint.
    update();
}

// ---- The click and the keyboard --------------------------------------------

void TCustomGlowButton::CopyModalResult()
{
    QWidget* form = window();
    if (!form || form == this)
        return;
    if (form->metaObject()->indexOfProperty("ModalResult") >= 0) {
        form->setProperty("ModalResult", m_modalResult);
    } else if (m_modalResult != 0) {
        if (auto* dialog = qobject_cast<QDialog*>(form))
            dialog->done(m_modalResult);
        else
            form->setProperty("ModalResult", m_modalResult);
    }
}

void TCustomGlowButton::Click()
{
    CopyModalResult();
    if (OnClick)
        OnClick(this);
}

void TCustomGlowButton::keyPressEvent(QKeyEvent* e)
{
    const int key = e->key();
    if (key != Qt::Key_Space && !IsDialogEnter(key)) {
        TCustomControl::keyPressEvent(e);
        return;
    }
    m_pressed = true;
    m_drawState = TDrawState::Pressed;
    repaint();
    // The key's character clicks. A grouped button toggles Down first, as
    // a click does, so that its handler finds Down as after a click; a
    // plain or check button is clicked without toggling.
    QPointer<TCustomGlowButton> alive(this);
    if (m_groupIndex != 0)
        PerformClick();
    else
        Click();
    if (!alive)
        return;
    // The key is still held: the face stays pressed until its release.
    m_drawState = TDrawState::Pressed;
    update();
    e->accept();
}

void TCustomGlowButton::keyReleaseEvent(QKeyEvent* e)
{
    m_pressed = false;
    m_drawState = RestingDrawState();
    update();
    TCustomControl::keyReleaseEvent(e);
}

TCustomGlowButton::TDrawState TCustomGlowButton::RestingDrawState() const
{
    if (m_style == bsCheck && m_down)
        return TDrawState::Pressed;
    if (m_down && m_groupIndex != 0)
        return TDrawState::Checked;
    return TDrawState::Up;
}

void TCustomGlowButton::WatchWindowKeys()
{
    QWidget* top = (m_default || m_cancel) ? window() : nullptr;
    if (top == this)
        top = nullptr;
    if (top == m_keyWindow)
        return;
    if (m_keyWindow)
        m_keyWindow->removeEventFilter(this);
    m_keyWindow = top;
    if (top)
        top->installEventFilter(this);
}

bool TCustomGlowButton::eventFilter(QObject* watched, QEvent* e)
{
    // Enter and Escape that no focused control used reach the window.
    if (watched == m_keyWindow && e->type() == QEvent::KeyPress && isEnabled() && isVisible()) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if ((m_default && IsDialogEnter(key)) || (m_cancel && key == Qt::Key_Escape)) {
            DialogKey();
            return true;
        }
    }
    return TCustomControl::eventFilter(watched, e);
}

void TCustomGlowButton::DialogKey()
{
    m_drawState = TDrawState::Pressed;
    repaint();
    if (m_style == bsCheck)
        SetDown(!m_down);
    QPointer<TCustomGlowButton> alive(this);
    Click();
    if (!alive)
        return;
    m_drawState = RestingDrawState();
    update();
}

void TCustomGlowButton::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::EnabledChange)
        update();
    else if (e->type() == QEvent::ParentChange)
        WatchWindowKeys();
    TCustomControl::changeEvent(e);
}

// ---- The pointer -----------------------------------------------------------

void TCustomGlowButton::enterEvent(QEnterEvent*)
{
    PointerCrossed(true);
}

void TCustomGlowButton::leaveEvent(QEvent*)
{
    PointerCrossed(false);
}

void TCustomGlowButton::PointerCrossed(bool over)
{
    if (over == m_pointerOver)
        return;
    m_pointerOver = over;
    if (over) {
        if (OnMouseEnter)
            OnMouseEnter(this);
        HandlePointerEnter();
    } else {
        if (OnMouseLeave)
            OnMouseLeave(this);
        HandlePointerLeave();
    }
}

void TCustomGlowButton::HandlePointerEnter()
{
    // A disabled button does not light up, so it runs no fade either.
    if (m_hot || !isEnabled())
        return;
    m_hot = true;
    if (m_leftWhileHeld)
        m_pressed = true;
    EnsureFadeTimer();
    if (!m_pressed && m_fadeMode != TFadeMode::Press) {
        m_fadeStep = kFadeStep;
        m_fadeMode = TFadeMode::Hover;
    }
    update();
    m_pointerInside = true;
}

void TCustomGlowButton::HandlePointerLeave()
{
    if (!m_hot)
        return;
    m_hot = false;
    m_pointerInside = false;
    if (m_pressed && m_held) {
        // Left while held: fade the hover out from where it is.
        m_pressed = false;
        m_fadeStep = -kFadeStep;
        m_fadeMode = TFadeMode::Hover;
        update();
        m_leftWhileHeld = true;
    } else {
        // Left with no press held: the fade-out starts from the full look.
        m_pressed = false;
        m_hoverLevel = 100;
        m_fadeStep = -kFadeStep;
        m_fadeMode = TFadeMode::Hover;
        update();
    }
    EnsureFadeTimer();
}

bool TCustomGlowButton::IsUnderPointer(QPoint local) const
{
    if (!TGlowFaceGeometry(width(), height()).Contains(local))
        return false;
    const QWidget* top = window();
    if (top == this)
        return true;
    const QWidget* hit = top->childAt(mapTo(top, local));
    return hit == this || (hit && isAncestorOf(hit));
}

void TCustomGlowButton::ResyncHot(QPoint local)
{
    if (!isEnabled())
        return;
    // Note the sense: the flag is made true when the pointer is elsewhere.
    const bool elsewhere = !IsUnderPointer(local);
    if (elsewhere == m_pointerInside)
        return;
    m_pointerInside = elsewhere;
    if (elsewhere)
        HandlePointerLeave();
    else
        HandlePointerEnter();
}

void TCustomGlowButton::mousePressEvent(QMouseEvent* e)
{
    TCustomControl::mousePressEvent(e); // OnMouseDown
    if (e->button() != Qt::LeftButton)
        return;
    m_clickArmed = true;
    LeftPressed(e->position().toPoint());
}

void TCustomGlowButton::mouseDoubleClickEvent(QMouseEvent* e)
{
    TCustomControl::mouseDoubleClickEvent(e);
    if (e->button() != Qt::LeftButton)
        return;
    // The second press of a double click acts as a press. Its release
    // toggles a grouped button's Down again, so it clicks too: the handler
    // hears of every change of Down the user makes. Other buttons click
    // only on a plain press.
    m_clickArmed = m_groupIndex != 0;
    LeftPressed(e->position().toPoint());
}

void TCustomGlowButton::LeftPressed(QPoint)
{
    m_pressed = true;
    m_held = true;
    if (TabStop())
        setFocus(Qt::MouseFocusReason);
    EnsureFadeTimer();
    m_fadeStep = kFadeStep;
    m_fadeMode = TFadeMode::Press;
    if (m_style == bsCheck)
        SetDown(!m_down);
    if (!m_down) {
        m_drawState = TDrawState::Pressed;
        update();
    }
    if (m_style == bsCheck) {
        m_drawState = TDrawState::Pressed;
        repaint();
    }
    m_dragging = true;
}

void TCustomGlowButton::mouseMoveEvent(QMouseEvent* e)
{
    TCustomControl::mouseMoveEvent(e); // OnMouseMove
    const QPoint p = e->position().toPoint();
    const bool inRect = TGlowFaceGeometry(width(), height()).Contains(p);
    // While a press is held Qt reports no crossings; the moves tell them.
    PointerCrossed(inRect);
    ResyncHot(p);
    if (m_dragging) {
        TDrawState state = m_down ? TDrawState::Checked : (inRect ? TDrawState::Pressed : TDrawState::Up);
        if (m_style == bsCheck && m_down)
            state = TDrawState::Pressed;
        if (state != m_drawState) {
            m_drawState = state;
            update();
        }
    } else if (!m_pointerInside) {
        ResyncHot(p);
    }
}

void TCustomGlowButton::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) {
        TCustomControl::mouseReleaseEvent(e);
        return;
    }
    const QPoint p = e->position().toPoint();
    const bool inside = TGlowFaceGeometry(width(), height()).Contains(p);
    LeftReleased(p);

    // The click needs a plain press on the button and a release inside.
    const bool click = m_clickArmed && inside;
    m_clickArmed = false;
    QPointer<TCustomGlowButton> alive(this);
    if (click)
        Click();
    if (!alive)
        return;
    TCustomControl::mouseReleaseEvent(e); // OnMouseUp
    if (!alive)
        return;
    if (m_style == bsCheck || m_groupIndex > 0)
        repaint();
    update();
}

void TCustomGlowButton::LeftReleased(QPoint p)
{
    m_fadeStep = -kFadeStep;
    m_fadeMode = TFadeMode::Press;
    m_held = false;
    m_leftWhileHeld = false;
    EnsureFadeTimer();
    if (!m_dragging)
        return;
    m_dragging = false;
    const bool inside = TGlowFaceGeometry(width(), height()).Contains(p);
    if (m_groupIndex != 0) {
        if (inside) {
            SetDown(!m_down);
            if (m_down)
                repaint();
        } else {
            // Released outside: nothing changes; an up button looks up.
            m_drawState = m_down ? TDrawState::Checked : TDrawState::Up;
            repaint();
        }
    } else {
        m_drawState = TDrawState::Up;
        m_pointerInside = false;
        if (m_style == bsCheck && !inside && m_down) {
            SetDown(!m_down);
            repaint();
        }
        if (inside && m_drawState != TDrawState::Pressed && m_drawState != TDrawState::Checked)
            update();
    }
    ResyncHot(p);
}

// ---- Fades -----------------------------------------------------------------

void TCustomGlowButton::EnsureFadeTimer()
{
    if (!m_fadeTimer)
        m_fadeTimer = FadeTimers().CreateFadeTimer(kFadeIntervalMs, [this] { FadeTick(); });
}

void TCustomGlowButton::FadeTick()
{
    if (m_fadeMode == TFadeMode::Idle)
        return;
    int& level = m_fadeMode == TFadeMode::Hover ? m_hoverLevel : m_pressLevel;
    level += m_fadeStep;
    const bool ended = (m_fadeStep > 0 && level > 100) || (m_fadeStep < 0 && level < 0);
    if (!ended) {
        update();
        return;
    }
    level = std::clamp(level, 0, 100);
    if (m_fadeMode == TFadeMode::Press && m_fadeStep < 0) {
        m_pressed = false;
        m_leftWhileHeld = false;
    }
    m_fadeMode = TFadeMode::Idle;
    m_fadeTimer.reset(); // ends this tick's own timer
}

// ---- Painting --------------------------------------------------------------

TFaceColors TCustomGlowButton::ChooseColors()
{
    const TGlowButtonAppearance& a = *m_appearance;
    const bool enabled = isEnabled();

    // Draw state: disabled follows the button; Down of a toggle shows pressed.
    if (!enabled) {
        m_drawState = TDrawState::Disabled;
        m_dragging = false;
    } else if (m_drawState == TDrawState::Disabled) {
        m_drawState = (m_down && m_groupIndex != 0) ? TDrawState::Checked : TDrawState::Up;
    }
    if (m_style == bsCheck && m_down)
        m_drawState = TDrawState::Pressed;

    // Base set, first match wins.
    const bool disabledLook = (m_drawState == TDrawState::Disabled || !enabled) && m_showDisabled;
    const bool checkPressed = m_drawState == TDrawState::Pressed && m_style == bsCheck;
    const bool fading = m_fadeTimer != nullptr;
    TFaceColors set;
    if (disabledLook) {
        set = a.Disabled();
    } else if (m_drawState == TDrawState::Pressed && m_style == bsButton) {
        set = a.Down();
    } else if (m_drawState == TDrawState::Checked || checkPressed) {
        set = a.Checked();
        if (fading && m_pointerInside)
            BlendInto(set, a.Checked(), a.Down(), m_pressLevel, false);
    } else if (m_hot) {
        set = a.Hot();
    } else {
        set = a.Normal();
    }

    // Fades mix two looks by their level; the gradient kinds stay.
    if (fading) {
        if (!m_pressed && !m_transparent && m_drawState != TDrawState::Checked && !checkPressed)
            BlendInto(set, a.Hot(), a.Normal(), m_hoverLevel, true);
        else if (m_style == bsCheck && m_pressed)
            BlendInto(set, a.Down(), a.Checked(), m_pressLevel, false);
        else if (m_style == bsButton && m_pressed && m_drawState != TDrawState::Checked)
            BlendInto(set, a.Down(), a.Hot(), m_pressLevel, true);
    }

    if (disabledLook)
        set = a.Disabled();
    if (hasFocus() && (m_focusType == ftHot || m_focusType == ftHotBorder) && !m_pressed)
        set = a.Hot();
    return set;
}

const TCustomGlowButton::TCaptionFont& TCustomGlowButton::CaptionFont(double ratio)
{
    const TFont& f = *Font();
    const bool systemFace = !ParentFont() && m_appearance->SystemFont();
    TCaptionFont& c = m_captionFont;
    if (c.valid && c.name == f.Name() && c.height == f.Height() && c.style == int(f.Style()) && c.systemFace == systemFace
        && c.ratio == ratio)
        return c;
    c.name = f.Name();
    c.height = f.Height();
    c.style = int(f.Style());
    c.systemFace = systemFace;
    c.ratio = ratio;
    c.font = f.ToQFont(ratio);
    const QString requested = systemFace ? UserInterfaceFace() : f.Name();
    QString family = platform::DrawingFamily(requested, c.font.pixelSize(), c.font.bold(), c.font.italic(), ratio);
    // A family nobody knows falls back to Arial.
    if (!QFontDatabase::hasFamily(family) && QFont::substitutes(family).isEmpty())
        family = platform::DrawingFamily(QStringLiteral("Arial"), c.font.pixelSize(), c.font.bold(), c.font.italic(),
                                         ratio);
    c.font.setFamily(family);
    const QFontInfo info(c.font);
    c.scalable = QFontDatabase::isSmoothlyScalable(info.family(), info.styleName());
    c.valid = true;
    return c;
}

const TGDIPPicture* TCustomGlowButton::PictureInUse() const
{
    if (!isEnabled() && !m_disabledPicture->Empty())
        return m_disabledPicture;
    if (m_hot && !m_hotPicture->Empty())
        return m_hotPicture;
    return m_picture;
}

TGlowFace TCustomGlowButton::ComposeFace(const TFaceColors& colors, double ratio)
{
    TGlowFace face;
    face.Colors = colors;
    const bool focusBorder = hasFocus() && (m_focusType == ftBorder || m_focusType == ftHotBorder);
    face.PaintFace = !(m_transparent && !m_hot && !m_pressed && !focusBorder);
    face.Border = m_borderStyle == bsSingle;
    face.Rounded = m_rounded;
    face.FocusOutline = focusBorder;
    if (m_showCaption && !m_caption.isEmpty()) {
        const TCaptionFont& font = CaptionFont(ratio);
        face.Caption = m_caption;
        face.Font = font.font;
        face.CaptionColor = isEnabled() ? Font()->Color() : TColor(0x808080);
        face.WordWrap = m_wordWrap;
        if (m_antiAlias == aaNone || !font.scalable)
            face.Rendering = TCaptionRendering::Plain;
        else
            face.Rendering = m_antiAlias == aaClearType ? TCaptionRendering::ClearType : TCaptionRendering::GreyScale;
    }
    face.Picture = PictureInUse();
    switch (m_layout) {
    case blGlyphTop:
    case blGlyphTopAdjusted: face.Side = TGlyphSide::Top; break;
    case blGlyphRight:
    case blGlyphRightAdjusted: face.Side = TGlyphSide::Right; break;
    case blGlyphBottom:
    case blGlyphBottomAdjusted: face.Side = TGlyphSide::Bottom; break;
    default: face.Side = TGlyphSide::Left; break;
    }
    face.Spacing = m_spacing;
    return face;
}

void TCustomGlowButton::PaintFace(QImage& image, qreal ratio)
{
    const QSize size(width(), height());
    if (size.isEmpty()) {
        image = QImage();
        return;
    }
    PrepareBuffer(image, size, ratio);

    // State and colours, then the face, then the owner's drawing on top.
    const TFaceColors colors = ChooseColors();
    const TGlowFace face = ComposeFace(colors, ratio);
    const TGlowButtonPainter painter(size);
    {
        QPainter p(&image);
        painter.DrawGlowFace(p, face);
        if (OnDrawButton) {
            const TGlowButtonState state = m_drawState == TDrawState::Pressed ? gsDown : m_hot ? gsHot : gsNormal;
            p.save();
            OnDrawButton(this, &p, ClientRect(), state);
            p.restore();
        }
    }
    // The extreme corners show what lies under the button.
    if (m_rounded && parentWidget() && face.PaintFace)
        painter.ClearCorners(image);
}

void TCustomGlowButton::paintEvent(QPaintEvent*)
{
    if (m_painting)
        return; // a paint asked for while painting is dropped
    m_painting = true;
    struct TReset {
        bool& flag;
        ~TReset() { flag = false; }
    } reset{m_painting};

    // Double buffered: the whole face off-screen at the screen's pixel
    // density, then one copy. The image lives for this paint only: every
    // paint draws the whole face afresh, so keeping it would only hold its
    // memory between frames.
    QPainter screen(this);
    QImage face;
    PaintFace(face, PaintRatio(screen));
    if (face.isNull())
        return;
    screen.drawImage(0, 0, face);
}

TGlowButton::TGlowButton(TComponent* owner, QWidget* parent)
    : TCustomGlowButton(owner, parent)
{
}
