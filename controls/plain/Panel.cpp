#include "controls/plain/Panel.h"
#include "controls/paint/Property.h"
#include "controls/core/Accessibility.h"

#include <QPainter>

namespace {

// Draws one bevel of `width` pixels just inside r and returns the rectangle
// inside it. A raised bevel is light at the top and left and dark at the
// bottom and right, a lowered one the other way; bvSpace takes the room
// without drawing.
QRect DrawBevel(QPainter& painter, QRect r, TBevelCut cut, int width)
{
    if (cut == bvNone)
        return r;
    const QColor light = ToQColor(clBtnHighlight);
    const QColor dark = ToQColor(clBtnShadow);
    const QColor topLeft = cut == bvRaised ? light : dark;
    const QColor bottomRight = cut == bvRaised ? dark : light;
    for (int i = 0; i < width && r.width() > 0 && r.height() > 0; ++i) {
        if (cut != bvSpace) {
            painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
            painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
            painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
            painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
        }
        r.adjust(1, 1, -1, -1);
    }
    return r;
}

} // namespace

TPanel::TPanel(TComponent* owner, QWidget* parent)
    : TCustomControl(owner, parent)
{
    SetTabStop(false);
    setFocusPolicy(Qt::NoFocus);
    SetBounds(0, 0, 185, 41);
}

void TPanel::SetCaption(const QString& v)
{
    if (!SetIfChanged(m_caption, v))
        return;
    update();
    accessibility::AnnounceNameChange(this);
}

void TPanel::SetBevelWidth(int v)
{
    v = std::max(1, v);
    if (SetIfChanged(m_bevelWidth, v))
        update();
}

QRect TPanel::InnerRect() const
{
    QRect r = ClientRect();
    for (TBevelCut cut : {m_bevelOuter, m_bevelInner})
        if (cut != bvNone)
            r.adjust(m_bevelWidth, m_bevelWidth, -m_bevelWidth, -m_bevelWidth);
    return r.isValid() ? r : QRect(r.topLeft(), QSize(0, 0));
}

void TPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);

    // Ground
    painter.fillRect(ClientRect(), ToQColor(Color()));

    // Bevels, outer then inner
    QRect r = DrawBevel(painter, ClientRect(), m_bevelOuter, m_bevelWidth);
    r = DrawBevel(painter, r, m_bevelInner, m_bevelWidth);

    // Caption, centred inside the bevels
    if (!m_caption.isEmpty() && r.isValid()) {
        painter.setFont(Font()->ToQFont());
        painter.setPen(ToQColor(Font()->Color()));
        painter.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, m_caption);
    }
}
