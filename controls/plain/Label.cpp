#include "controls/plain/Label.h"
#include "controls/paint/Property.h"
#include "controls/core/Accessibility.h"

#include <QFontMetrics>
#include <QPainter>

TLabel::TLabel(TComponent* owner, QWidget* parent)
    : TGraphicControl(owner, parent)
{
    SetBounds(0, 0, 65, 17);
}

void TLabel::SetCaption(const QString& v)
{
    if (!SetIfChanged(m_caption, v))
        return;
    AdjustBounds();
    Invalidate();
    accessibility::AnnounceNameChange(this);
}

void TLabel::SetAutoSize(bool v)
{
    if (!SetIfChanged(m_autoSize, v))
        return;
    AdjustBounds();
    Invalidate();
}

QSize TLabel::TextExtent() const
{
    const QFontMetrics metrics(Font()->ToQFont());
    const QString measured = m_caption.isEmpty() ? QStringLiteral(" ") : m_caption;
    return {metrics.horizontalAdvance(measured), metrics.height()};
}

void TLabel::Loaded()
{
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TLabel::FontChanged()
{
    AdjustBounds();
    TGraphicControl::FontChanged();
}

void TLabel::AdjustBounds()
{
    // While the form file is read the stored size stands; Loaded measures.
    if (!m_autoSize || IsLoading())
        return;
    const QSize extent = TextExtent();
    if (extent != QSize(Width(), Height()))
        SetBounds(Left(), Top(), extent.width(), extent.height());
}

void TLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);

    // Ground: the label's colour unless the parent is to show through
    if (!m_transparent)
        painter.fillRect(ClientRect(), ToQColor(Color()));

    // Text: one line from the top-left corner, clipped to the label
    painter.setFont(Font()->ToQFont());
    painter.setPen(ToQColor(Font()->Color()));
    painter.drawText(ClientRect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, m_caption);
}
