#include "controls/panel/StyledPanel.h"

#include "controls/panel/PanelPainter.h"
#include "controls/paint/Property.h"

#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>

namespace {

// A small surface for measuring and hit-testing outside a paint.
class TMeasureCanvas {
public:
    TMeasureCanvas()
        : m_image(1, 1, QImage::Format_ARGB32_Premultiplied)
        , m_painter(&m_image)
        , m_canvas(m_painter)
    {
    }
    TCanvas& Canvas() { return m_canvas; }

private:
    QImage m_image;
    QPainter m_painter;
    TCanvas m_canvas;
};

} // namespace

TCustomStyledPanel::TCustomStyledPanel(TComponent* owner, QWidget* parent)
    : TControl(owner, parent)
    , m_caption(new TPanelCaption(this))
    , m_statusBar(new TPanelStatusBar(this))
{
    m_caption->OnChange = [this] { CaptionChanged(); };
    m_statusBar->OnChange = [this] { Changed(); };
}

TCustomStyledPanel::~TCustomStyledPanel()
{
    m_caption->OnChange = nullptr;
    m_statusBar->OnChange = nullptr;
}

void TCustomStyledPanel::Changed()
{
    update();
}

void TCustomStyledPanel::CaptionChanged()
{
    // The caption band changes the area left to the children.
    Changed();
    for (QObject* child : children())
        if (auto* w = qobject_cast<QWidget*>(child))
            w->update();
}

void TCustomStyledPanel::ColorChanged() { Changed(); }
void TCustomStyledPanel::FontChanged() { Changed(); }

// ---------------------------------------------------------------- setters

void TCustomStyledPanel::SetBevelWidth(int v) { if (SetIfChanged(m_bevelWidth, std::max(1, v))) Changed(); }
void TCustomStyledPanel::SetBorderWidth(int v) { if (SetIfChanged(m_borderWidth, std::max(0, v))) Changed(); }
void TCustomStyledPanel::SetImages(IImageList* v) { if (SetIfChanged(m_images, v)) Changed(); }
void TCustomStyledPanel::SetPictureContainer(IPictureContainer* v) { if (SetIfChanged(m_pictureContainer, v)) Changed(); }

int TCustomStyledPanel::HoveredAnchor(TPanelTextArea area) const
{
    return area == m_hoverArea ? m_hoverIndex : -1;
}

// ---------------------------------------------------------------- styler

void TCustomStyledPanel::SetStyler(TPanelStyler* v)
{
    if (!SetIfChanged(m_styler, v))
        return;
    m_stylerComponent = v;
    if (v && !IsLoading())
        ApplyPanelSettings(*v->Settings());
}

void TCustomStyledPanel::ApplyPanelSettings(const TPanelSettings& s)
{
    CopySharedPanelValues(s, *this);
    // The caption's look, with the panel's own two button switches kept.
    const bool closeButton = m_caption->CloseButton();
    const bool minMaxButton = m_caption->MinMaxButton();
    m_caption->Assign(*s.Caption());
    m_caption->SetCloseButton(closeButton);
    m_caption->SetMinMaxButton(minMaxButton);
    Font()->Assign(*s.Font());
    m_statusBar->Assign(*s.StatusBar());
}

void TCustomStyledPanel::Loaded()
{
    TControl::Loaded();
    if (TPanelStyler* styler = Styler())
        ApplyPanelSettings(*styler->Settings());
}

void TCustomStyledPanel::Notification(TComponent* component, TOperation operation)
{
    TControl::Notification(component, operation);
    // The styler is half destroyed here: compare addresses only. Even
    // reading the guarded pointer would cast the half-destroyed object.
    if (operation == TOperation::opRemove && m_stylerComponent && m_stylerComponent == component) {
        m_styler = nullptr;
        m_stylerComponent = nullptr;
    }
}

// ---------------------------------------------------------------- painting

void TCustomStyledPanel::PaintTo(TCanvas& canvas)
{
    TPanelPainter(*this).Paint(canvas);
    if (OnPaint)
        OnPaint(this, canvas, TRect{0, 0, Width(), Height()});
}

void TCustomStyledPanel::paintEvent(QPaintEvent*)
{
    if (width() <= 0 || height() <= 0)
        return;
    // Every widget draws into its window's backing store, an off-screen
    // image at the screen's pixel density that reaches the screen in one
    // step, so the panel draws straight into it: the face appears whole and
    // without flicker, and no second image of the panel's size is held.
    QPainter painter(this);
    TCanvas canvas(painter);
    PaintTo(canvas);
}

void TCustomStyledPanel::resizeEvent(QResizeEvent* e)
{
    TControl::resizeEvent(e);
    // Every child is told to repaint along with the panel.
    for (QObject* child : children())
        if (auto* w = qobject_cast<QWidget*>(child))
            w->update();
}

// ---------------------------------------------------------------- mouse

QString TCustomStyledPanel::TrackAnchor(QPoint p)
{
    TMeasureCanvas measure;
    const std::optional<TPanelAnchorHit> hit = TPanelPainter(*this).AnchorAt(measure.Canvas(), p);
    const TPanelTextArea area = hit ? hit->Area : TPanelTextArea::Body;
    const int index = hit ? hit->Index : -1;
    const QString reference = hit ? hit->Reference : QString();
    if (area == m_hoverArea && index == m_hoverIndex && reference == m_hoverReference)
        return reference;

    const bool wasOver = !m_hoverReference.isEmpty() || m_hoverIndex > 0;
    const QString oldReference = m_hoverReference;
    m_hoverArea = area;
    m_hoverIndex = index;
    m_hoverReference = reference;
    ApplyCursor(hit.has_value());
    // Only the hovered anchor is styled when Hover is on.
    if (m_hover)
        Changed();
    if (wasOver && OnAnchorExit)
        OnAnchorExit(this, oldReference);
    if (hit && OnAnchorEnter)
        OnAnchorEnter(this, reference);
    return reference;
}

void TCustomStyledPanel::ClearHover()
{
    if (m_hoverIndex <= 0 && m_hoverReference.isEmpty())
        return;
    const QString oldReference = m_hoverReference;
    m_hoverIndex = -1;
    m_hoverReference.clear();
    ApplyCursor(false);
    if (m_hover)
        Changed();
    if (OnAnchorExit)
        OnAnchorExit(this, oldReference);
}

void TCustomStyledPanel::ApplyCursor(bool overAnchor)
{
    setCursor(overAnchor ? Qt::PointingHandCursor : CursorShape(Cursor()));
}

void TCustomStyledPanel::mousePressEvent(QMouseEvent* e)
{
    // OnMouseDown first (it may start a window move or free the panel),
    // then the anchor under the point.
    const QPointer<TCustomStyledPanel> alive(this);
    TControl::mousePressEvent(e);
    if (!alive)
        return;
    const QString reference = TrackAnchor(e->position().toPoint());
    if (reference.isEmpty() || !alive)
        return;
    FollowAnchor(this, reference, OnAnchorClick);
}

void TCustomStyledPanel::mouseMoveEvent(QMouseEvent* e)
{
    const QPointer<TCustomStyledPanel> alive(this);
    TControl::mouseMoveEvent(e);
    if (alive)
        TrackAnchor(e->position().toPoint());
}

void TCustomStyledPanel::leaveEvent(QEvent* e)
{
    TControl::leaveEvent(e);
    ClearHover();
}

// ---------------------------------------------------------------- published

TStyledPanel::TStyledPanel(TComponent* owner, QWidget* parent)
    : TCustomStyledPanel(owner, parent)
{
}
