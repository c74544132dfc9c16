#include "controls/glowbutton/GlowButtonPainter.h"

#include "controls/paint/DeviceRatio.h"
#include "controls/paint/GDIPPicture.h"

#include <QBrush>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRadialGradient>

#include <algorithm>

namespace {

QPainterPath OutlinePath(const QRectF& r, bool rounded)
{
    QPainterPath path;
    if (rounded)
        path.addRoundedRect(r, TGlowFaceGeometry::kCornerRadius, TGlowFaceGeometry::kCornerRadius);
    else
        path.addRect(r);
    return path;
}

// A 1-pixel line along r (through pixel centres) as a filled ring, so that
// square corners are solid and rounded ones are exact arcs.
QPainterPath OutlineRing(const QRectF& r, bool rounded)
{
    const QRectF outer = r.adjusted(-0.5, -0.5, 0.5, 0.5);
    const QRectF inner = r.adjusted(0.5, 0.5, -0.5, -0.5);
    const double radius = TGlowFaceGeometry::kCornerRadius;
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    if (rounded) {
        path.addRoundedRect(outer, radius + 0.5, radius + 0.5);
        if (!inner.isEmpty())
            path.addRoundedRect(inner, radius - 0.5, radius - 0.5);
    } else {
        path.addRect(outer);
        if (!inner.isEmpty())
            path.addRect(inner);
    }
    return path;
}

} // namespace

QRect TGlowFaceGeometry::TextBox(QSize picture, TGlyphSide side) const
{
    switch (side) {
    case TGlyphSide::Left: {
        const int x = picture.width() + 2;
        return QRect(x, 0, std::max(0, m_w - x), m_h);
    }
    case TGlyphSide::Right:
        return QRect(0, 0, std::max(0, m_w - picture.width() - 2), m_h);
    case TGlyphSide::Top: {
        const int y = picture.height() + 2;
        return QRect(0, y, m_w, std::max(0, m_h - y));
    }
    case TGlyphSide::Bottom:
        return QRect(0, 0, m_w, std::max(0, m_h - picture.height() - 2));
    }
    return QRect(0, 0, m_w, m_h);
}

QPoint TGlowFaceGeometry::PicturePosition(QSize picture, QSize withSpacing, bool hasCaption, QSize caption,
                                          TGlyphSide side) const
{
    const int centredX = std::max(0, (m_w - picture.width()) / 2);
    const int centredY = std::max(0, (m_h - picture.height()) / 2);
    if (!hasCaption)
        return QPoint(centredX, centredY);
    switch (side) {
    case TGlyphSide::Left:
    case TGlyphSide::Right: {
        const int block = withSpacing.width() + caption.width();
        const int blockLeft = (m_w - block) / 2;
        if (side == TGlyphSide::Left)
            return QPoint(std::max(2, blockLeft), centredY);
        return QPoint(std::min(m_w - 2 - picture.width(), blockLeft + block - picture.width()), centredY);
    }
    case TGlyphSide::Top:
    case TGlyphSide::Bottom: {
        const int block = withSpacing.height() + caption.height();
        const int blockTop = (m_h - block) / 2;
        if (side == TGlyphSide::Top)
            return QPoint(centredX, std::max(2, blockTop));
        return QPoint(centredX, std::min(m_h - 2 - picture.height(), blockTop + block - picture.height()));
    }
    }
    return QPoint(centredX, centredY);
}

int TGlowButtonPainter::TextFlags(const TGlowFace& face) const
{
    return Qt::AlignCenter | Qt::TextShowMnemonic | (face.WordWrap ? Qt::TextWordWrap : Qt::TextSingleLine);
}

QSize TGlowButtonPainter::CaptionSize(const TGlowFace& face, const QRect& box) const
{
    if (face.Caption.isEmpty())
        return QSize(0, 0);
    return QFontMetrics(face.Font).boundingRect(box, TextFlags(face), face.Caption).size();
}

void TGlowButtonPainter::DrawGlowFace(QPainter& painter, const TGlowFace& face) const
{
    const TGlowFaceGeometry& g = m_geometry;
    if (g.Width() <= 0 || g.Height() <= 0)
        return;

    // The two halves: the lower first, the upper over its first row.
    if (face.PaintFace) {
        FillGlowHalf(painter, g.LowerRect(), face.Colors.ColorMirror, face.Colors.ColorMirrorTo,
                     face.Colors.GradientMirror, TGlowHalf::Lower);
        FillGlowHalf(painter, g.UpperRect(), face.Colors.Color, face.Colors.ColorTo, face.Colors.Gradient,
                     TGlowHalf::Upper);
    }

    // Outline and focus outlines, anti-aliased.
    painter.setRenderHint(QPainter::Antialiasing, true);
    DrawOutlines(painter, face);

    // Caption and picture share the layout: the caption's box leaves room
    // for the picture, the picture's place depends on the caption's size.
    const bool hasPicture = face.Picture && !face.Picture->Empty();
    const bool hasCaption = !face.Caption.isEmpty();
    QSize picture = hasPicture ? QSize(face.Picture->Width(), face.Picture->Height()) : QSize(0, 0);
    // With a caption the spacing counts whether or not there is a picture.
    QSize withSpacing = picture;
    if (hasCaption) {
        if (face.Side == TGlyphSide::Left || face.Side == TGlyphSide::Right)
            withSpacing.rwidth() += face.Spacing;
        else
            withSpacing.rheight() += face.Spacing;
    }
    QRect box = g.TextBox(withSpacing, face.Side);
    if (face.Rendering != TCaptionRendering::Plain)
        box.translate(-1, 0);
    if (hasCaption)
        DrawCaption(painter, face, box);
    if (hasPicture) {
        const QPoint at = g.PicturePosition(picture, withSpacing, hasCaption, CaptionSize(face, box), face.Side);
        face.Picture->Draw(painter, at.x(), at.y());
    }
}

void TGlowButtonPainter::DrawOutlines(QPainter& painter, const TGlowFace& face) const
{
    const TGlowFaceGeometry& g = m_geometry;
    if (g.Width() < 2 || g.Height() < 2)
        return;
    painter.setBrush(Qt::NoBrush);
    if (face.Border && face.PaintFace && face.Colors.Border != clNone) {
        painter.fillPath(OutlineRing(g.Outline(), face.Rounded), ToQColor(face.Colors.Border));
    }
    if (face.FocusOutline && g.Width() > 5 && g.Height() > 5) {
        painter.fillPath(OutlineRing(g.FocusOutline(), face.Rounded), ToQColor(0xE4AD89));
        painter.setPen(QPen(ToQColor(0x808080), 1, Qt::DotLine, Qt::FlatCap, Qt::MiterJoin));
        painter.drawPath(OutlinePath(g.DottedFocusOutline(), face.Rounded));
    }
}

void TGlowButtonPainter::DrawCaption(QPainter& painter, const TGlowFace& face, const QRect& box) const
{
    QFont font = face.Font;
    switch (face.Rendering) {
    case TCaptionRendering::Plain:
        font.setStyleStrategy(QFont::NoAntialias);
        break;
    case TCaptionRendering::ClearType:
        font.setStyleStrategy(QFont::PreferAntialias);
        font.setHintingPreference(QFont::PreferFullHinting);
        break;
    case TCaptionRendering::GreyScale:
        font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
        font.setHintingPreference(QFont::PreferNoHinting);
        break;
    }
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing, face.Rendering != TCaptionRendering::Plain);
    painter.setFont(font);
    painter.setPen(ToQColor(face.CaptionColor));
    painter.drawText(box, TextFlags(face), face.Caption);
    painter.restore();
}

void TGlowButtonPainter::ClearCorners(QImage& buffer) const
{
    // A corner pixel is all the device pixels of that logical pixel.
    const qreal ratio = buffer.devicePixelRatio();
    for (const QPoint& p : m_geometry.Corners()) {
        const QRect block = DeviceRect(QRectF(p, QSizeF(1, 1)), ratio).toAlignedRect().intersected(buffer.rect());
        for (int y = block.top(); y <= block.bottom(); ++y)
            for (int x = block.left(); x <= block.right(); ++x)
                buffer.setPixel(x, y, 0);
    }
}
