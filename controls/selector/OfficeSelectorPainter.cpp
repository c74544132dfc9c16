#include "controls/selector/OfficeSelectorPainter.h"

#include "controls/paint/DeviceRatio.h"
#include "controls/paint/GDIPPicture.h"
#include "controls/paint/GlowFace.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

namespace {

// Fills `area` with the part that a gradient laid over `band` gives it.
// The gradient itself is the glow button's half fill; only its direction
// differs: the selector's lower half runs from its base colour at the top,
// which is the glow fill's upper-half direction, while a radial lower half
// keeps its centre on the bottom edge.
void FillBandPart(QPainter& painter, const QRect& band, const QRect& area, TColor color, TColor colorTo,
                  TGDIPGradient kind, bool lowerHalf)
{
    if (band.isEmpty() || area.isEmpty() || color == clNone || colorTo == clNone)
        return;
    // The band at the surface's pixel density, so its gradient runs over
    // device pixels.
    const qreal ratio = PaintRatio(painter);
    QImage image;
    PrepareBuffer(image, band.size(), ratio);
    {
        QPainter ip(&image);
        const TGlowHalf half = lowerHalf && kind == ggRadial ? TGlowHalf::Lower : TGlowHalf::Upper;
        FillGlowHalf(ip, QRect(QPoint(0, 0), band.size()), color, colorTo, kind, half);
    }
    painter.drawImage(QRectF(area), image, DeviceRect(QRectF(area.translated(-band.topLeft())), ratio));
}

void FillFlat(QPainter& painter, const QRect& r, TColor c)
{
    if (c != clNone && !r.isEmpty())
        painter.fillRect(r, ToQColor(c));
}

} // namespace

TSelectorGeometry::TSelectorGeometry(QSize client, int buttonWidth, int textHeight)
    : m_client(client)
{
    const int cw = client.width(), ch = client.height();
    const int m = textHeight < ch ? (ch - textHeight) / 2 : 0;
    m_text = EdgeRect(2, m, cw - buttonWidth - 4, ch + 1);
    m_button = EdgeRect(cw - buttonWidth - 1, 1, cw - 1, ch - 2);
}

QPoint TSelectorGeometry::ArrowAnchor() const
{
    return QPoint(m_button.left() + (m_button.width() - 5) / 2 + 1, m_button.top() + (m_button.height() - 3) / 2 + 1);
}

std::array<QRect, 4> TSelectorGeometry::Strips() const
{
    const int cw = m_client.width(), ch = m_client.height();
    const int textRight = m_text.left() + m_text.width();
    const int textBottom = m_text.top() + m_text.height();
    return {EdgeRect(0, 0, m_text.left(), ch), EdgeRect(textRight, 0, m_button.left(), ch),
            EdgeRect(0, 0, cw, m_text.top()), EdgeRect(0, textBottom, cw, ch)};
}

void DrawOfficeFace(QPainter& painter, const QRect& r, const TFaceColors& c, TColor border, bool rounded)
{
    if (r.isEmpty())
        return;
    const int l = r.left(), t = r.top(), w = r.width(), hgt = r.height();
    const int h = hgt / 2;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);

    // Lower half: flat, then its gradient from the row below its top and the
    // column right of the left edge.
    FillFlat(painter, EdgeRect(l, t + h, l + w, t + hgt), c.ColorMirror);
    FillBandPart(painter, QRect(l, t + h, w, h), QRect(l + 1, t + h + 1, w - 1, h - 1), c.ColorMirror,
                 c.ColorMirrorTo, c.GradientMirror, true);

    // Upper half: flat, then its gradient, one row into the lower half.
    FillFlat(painter, EdgeRect(l, t, l + w, t + h), c.Color);
    FillBandPart(painter, QRect(l, t, w, h + 1), QRect(l + 1, t + 1, w - 1, h), c.Color, c.ColorTo, c.Gradient,
                 false);

    // Outline through the centres of the outermost pixels.
    if (border != clNone) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(ToQColor(border), 1.0));
        painter.setBrush(Qt::NoBrush);
        const QRectF outline(l + 0.5, t + 0.5, w - 1, hgt - 1);
        if (rounded)
            painter.drawRoundedRect(outline, 3.0, 3.0);
        else
            painter.drawRect(outline);
    }
    painter.restore();
}

void TOfficeSelectorPainter::DrawDropButton(QPainter& painter, const TDropButtonLook& look, TColor fieldColor) const
{
    const TSelectorGeometry& g = m_geometry;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);

    // The ground around the text rectangle, left of the button.
    for (const QRect& strip : g.Strips())
        FillFlat(painter, strip, fieldColor);

    // The button's face.
    const QRect face = g.ButtonFaceRect();
    if (look.Face.Color != clNone)
        DrawOfficeFace(painter, face, look.Face);

    // A glyph centred on the face, or the small downward arrow.
    if (look.Glyph && !look.Glyph->Empty()) {
        const int x = face.left() + (face.width() - look.Glyph->Width()) / 2;
        const int y = face.top() + (face.height() - look.Glyph->Height()) / 2;
        look.Glyph->Draw(painter, x, y);
    } else {
        const QPoint a = g.ArrowAnchor();
        const QColor arrow = ToQColor(look.ArrowColor);
        painter.fillRect(QRect(a.x(), a.y(), 5, 1), arrow);
        painter.fillRect(QRect(a.x() + 1, a.y() + 1, 3, 1), arrow);
        painter.fillRect(QRect(a.x() + 2, a.y() + 2, 1, 1), arrow);
    }
    painter.restore();
}

void TOfficeSelectorPainter::DrawSelectorFrame(QPainter& painter, TColor frameColor) const
{
    const TSelectorGeometry& g = m_geometry;
    const int cw = g.ClientWidth(), ch = g.ClientHeight();
    if (cw <= 0 || ch <= 0 || frameColor == clNone)
        return;
    const QColor c = ToQColor(frameColor);
    // The outline of the client area, one pixel wide.
    painter.fillRect(QRect(0, 0, cw, 1), c);
    painter.fillRect(QRect(0, ch - 1, cw, 1), c);
    painter.fillRect(QRect(0, 0, 1, ch), c);
    painter.fillRect(QRect(cw - 1, 0, 1, ch), c);
    // The separator between field and button, from y = 1 down to CH - 1.
    painter.fillRect(QRect(g.SeparatorX(), 1, 1, std::max(0, ch - 2)), c);
}

void TOfficeSelectorPainter::DrawSelectorRow(QPainter& painter, const QRect& rect, const TSelectorRow& row)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);

    // Colours: the highlighted row takes the selection's.
    TColor brush = row.Background;
    TColor text = row.TextColor;
    if (row.Highlighted) {
        brush = row.Selection.Color;
        text = row.SelectionText;
    }

    // The ground: flat, the selection face, or the list's own background.
    if (row.Selection.ColorTo == clNone) {
        FillFlat(painter, rect, brush);
    } else if (row.Highlighted) {
        DrawOfficeFace(painter, rect, row.Selection, row.SelectionBorder, row.Rounded);
        painter.fillRect(QRect(rect.left(), rect.bottom(), 1, 1), Qt::white);
        painter.fillRect(QRect(rect.right(), rect.bottom(), 1, 1), Qt::white);
    } else {
        FillFlat(painter, rect, row.Background);
    }

    // The text: one line, 4 pixels in, centred vertically, & taken literally.
    QRect textBox = rect.adjusted(4, 0, 0, 0);
    if (row.LastRecent)
        textBox.adjust(0, 0, 0, -3);
    QFont font = row.Font;
    font.setStyleStrategy(row.PlainText ? QFont::NoAntialias : QFont::PreferAntialias);
    painter.setRenderHint(QPainter::TextAntialiasing, !row.PlainText);
    painter.setFont(font);
    painter.setPen(ToQColor(text));
    painter.drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, row.Text);

    // Two grey lines under the last recent selection.
    if (row.LastRecent) {
        const QColor grey = ToQColor(0x808080);
        const int width = std::max(0, row.ListWidth - 2);
        painter.fillRect(QRect(1, rect.bottom() - 2, width, 1), grey);
        painter.fillRect(QRect(1, rect.bottom(), width, 1), grey);
    }
    painter.restore();
}
