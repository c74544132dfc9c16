#include "controls/smoothlabel/SmoothLabel.h"
#include "controls/core/Accessibility.h"

#include "controls/core/ErrorBox.h"
#include "controls/smoothlabel/SmoothLabelPainter.h"
#include "controls/paint/Property.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <stdexcept>

// ---------------------------------------------------------------- caption

TSmoothLabelCaption::TSmoothLabelCaption(QObject* parent)
    : QObject(parent)
    , m_font(new TFont(this))
    , m_picture(new TFillPicture(this))
{
    m_font->SetName(QStringLiteral("Tahoma"));
    m_font->SetSize(20);
    m_font->OnChange = [this](TFont*) { Changed(); };
    m_picture->OnChange = [this] { Changed(); };
}

void TSmoothLabelCaption::SetOpacityStart(int v)
{
    if (SetIfChanged(m_opacityStart, std::clamp(v, 0, 255)))
        Changed();
}

void TSmoothLabelCaption::SetOpacityEnd(int v)
{
    if (SetIfChanged(m_opacityEnd, std::clamp(v, 0, 255)))
        Changed();
}

void TSmoothLabelCaption::AssignAllButFont(const TSmoothLabelCaption& o)
{
    if (&o == this)
        return;
    SetLocation(o.Location());
    SetLeft(o.Left());
    SetTop(o.Top());
    SetColorStart(o.ColorStart());
    SetColorEnd(o.ColorEnd());
    SetGradientType(o.GradientType());
    SetHatchStyle(o.HatchStyle());
    SetOpacityStart(o.OpacityStart());
    SetOpacityEnd(o.OpacityEnd());
    SetPicture(o.Picture());
    SetText(o.Text());
}

void TSmoothLabelCaption::SetText(const QString& v)
{
    if (!SetIfChanged(m_text, v))
        return;
    Changed();
    if (OnTextChange)
        OnTextChange();
}

void TSmoothLabelCaption::Changed()
{
    if (OnChange)
        OnChange();
}

// ------------------------------------------------------------------ label

TSmoothLabel::TSmoothLabel(TComponent* owner, QWidget* parent)
    : TGraphicControl(owner, parent)
    , m_fill(new TGDIPFill(this))
    , m_caption(new TSmoothLabelCaption(this))
{
    m_fill->OnChange = [this] {
        m_reportedFillError.clear();
        Changed();
    };
    m_caption->OnChange = [this] { Changed(); };
    // The score, the counts and the current word are spoken as they change.
    m_caption->OnTextChange = [this] { accessibility::AnnounceNameChange(this); };
    SetBounds(0, 0, 280, 50);
}

void TSmoothLabel::Assign(const TSmoothLabel& other)
{
    if (&other == this)
        return;
    m_fill->Assign(*other.m_fill);
    m_caption->AssignAllButFont(*other.m_caption);
    SetTransparent(other.m_transparent);
    SetWordWrap(other.m_wordWrap);
    Changed();
}

void TSmoothLabel::PaintTo(QPainter& painter) const
{
    // Nothing below two pixels either way.
    if (Width() <= 1 || Height() <= 1)
        return;

    QRectF r(0, 0, Width() - 1, Height() - 1);

    // The fill only when not transparent; the text goes where it leaves room.
    if (!m_transparent)
        r = m_fill->PaintFill(painter, r);

    TSmoothLabelPainter(*m_caption, m_wordWrap).Paint(painter, r);
}

void TSmoothLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    try {
        PaintTo(painter);
    } catch (const std::exception& e) {
        // A fill that cannot draw its picture is reported once, not at every
        // repaint; the next change of the fill may report again.
        const QString message = QString::fromUtf8(e.what());
        if (message != m_reportedFillError) {
            m_reportedFillError = message;
            painter.end();
            ShowException(e);
        }
    }
}

void TSmoothLabel::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        m_leftPressed = true;
    TGraphicControl::mousePressEvent(e);
}

void TSmoothLabel::mouseReleaseEvent(QMouseEvent* e)
{
    const bool click = e->button() == Qt::LeftButton && m_leftPressed && rect().contains(e->position().toPoint());
    if (e->button() == Qt::LeftButton)
        m_leftPressed = false;
    TGraphicControl::mouseReleaseEvent(e);
    if (click)
        Click();
}

void TSmoothLabel::BoundsChanged()
{
    if (OnResize)
        OnResize(this);
}
