#include "controls/smoothlabel/SmoothLabelPainter.h"

#include "controls/paint/DeviceRatio.h"
#include "controls/paint/GDIPDraw.h"
#include "platform/Fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPaintDevice>
#include <QPainter>
#include <cmath>
#include <cstdlib>

TSmoothLabelPainter::TSmoothLabelPainter(const TSmoothLabelCaption& caption, bool wordWrap)
    : m_caption(caption)
    , m_wordWrap(wordWrap)
{
}

QString TSmoothLabelPainter::ResolveFamily(const QString& requested)
{
    if (!requested.isEmpty()) {
        if (QFontDatabase::hasFamily(requested))
            return requested;
        for (const QString& s : QFont::substitutes(requested))
            if (QFontDatabase::hasFamily(s))
                return requested;
    }
    return QStringLiteral("Arial");
}

int TSmoothLabelPainter::PointsOf(int height)
{
    return int(std::lround(std::abs(height) * 72.0 / 96.0));
}

QPointF TSmoothLabelPainter::TextOrigin(TSmoothLabelLocation location, const QRectF& r, double tw, double th,
                                        QPointF custom)
{
    const double w = r.width(), h = r.height();
    const double centreX = (w - tw) / 2, right = w - tw;
    const double middleY = (h - th) / 2, bottom = h - th;
    switch (location) {
    case TSmoothLabelCaption::plTopLeft: return {0, 0};
    case TSmoothLabelCaption::plTopCenter: return {centreX, 0};
    case TSmoothLabelCaption::plTopRight: return {right, 0};
    case TSmoothLabelCaption::plCenterLeft: return {0, middleY};
    case TSmoothLabelCaption::plCenterCenter: return {centreX, middleY};
    case TSmoothLabelCaption::plCenterRight: return {right, middleY};
    case TSmoothLabelCaption::plBottomLeft: return {0, bottom};
    case TSmoothLabelCaption::plBottomCenter: return {centreX, bottom};
    case TSmoothLabelCaption::plBottomRight: return {right, bottom};
    case TSmoothLabelCaption::plCustom: return custom;
    }
    return {0, 0};
}

std::optional<TSmoothLabelPainter::Layout> TSmoothLabelPainter::Measure(const QPaintDevice* device,
                                                                        const QRectF& r, double ratio) const
{
    const TFont& f = *m_caption.Font();
    Layout l;
    l.Points = PointsOf(f.Height());
    if (l.Points <= 0)
        return std::nullopt;

    // Font: the family (or Arial), bold, italic and underline; strike-out
    // is not carried. Whole points at 96 dpi whatever the device's density.
    // A face that cannot draw the size or style (the embedded bitmap face)
    // draws in the scalable face that stands in for it.
    l.Family = ResolveFamily(f.Name());
    const bool bold = f.Style().testFlag(fsBold);
    const bool italic = f.Style().testFlag(fsItalic);
    l.Font = QFont(platform::DrawingFamily(l.Family, int(std::lround(l.Points * 96.0 / 72.0)), bold, italic, ratio));
    const int dpi = device && device->logicalDpiY() > 0 ? device->logicalDpiY() : 96;
    l.Font.setPointSizeF(l.Points * 96.0 / dpi);
    l.Font.setBold(bold);
    l.Font.setItalic(italic);
    l.Font.setUnderline(f.Style().testFlag(fsUnderline));

    // Format and measured box.
    l.Flags = Qt::AlignLeft | Qt::AlignTop | (m_wordWrap ? Qt::TextWordWrap : 0);
    const QFontMetricsF fm(l.Font, const_cast<QPaintDevice*>(device));
    const QRectF box = fm.boundingRect(QRectF(0, 0, r.width(), r.height()), l.Flags, m_caption.Text());
    l.TextWidth = box.width();
    l.TextHeight = box.height();

    // Placement and the rectangle the text is cut to.
    l.Origin = TextOrigin(m_caption.Location(), r, l.TextWidth, l.TextHeight,
                          QPointF(m_caption.Left(), m_caption.Top()));
    l.LayoutRect = QRectF(l.Origin.x(), l.Origin.y(), r.width() - l.Origin.x(), r.height() - l.Origin.y());
    return l;
}

std::optional<QBrush> TSmoothLabelPainter::TextBrush(const Layout& l) const
{
    const QColor start = gdip::Argb(m_caption.ColorStart(), m_caption.OpacityStart());
    const QColor end = m_caption.ColorEnd() == clNone ? start : gdip::Argb(m_caption.ColorEnd(), m_caption.OpacityEnd());
    const double x = l.Origin.x(), y = l.Origin.y(), tw = l.TextWidth, th = l.TextHeight;

    // A linear brush between two points, repeating beyond them; two equal
    // points make no brush.
    auto linear = [&](QPointF from, const QColor& a, QPointF to, const QColor& b) -> std::optional<QBrush> {
        if (from == to)
            return std::nullopt;
        QLinearGradient g(from, to);
        g.setSpread(QGradient::RepeatSpread);
        g.setColorAt(0, a);
        g.setColorAt(1, b);
        return QBrush(g);
    };

    switch (m_caption.GradientType()) {
    case TGDIPFill::gtSolid: return QBrush(start);
    case TGDIPFill::gtVertical: return linear({x, y}, start, {x, y + th}, end);
    case TGDIPFill::gtHorizontal: return linear({x, y}, start, {x + tw, y}, end);
    case TGDIPFill::gtForwardDiagonal: return linear({x, y}, start, {x + tw, y + th}, end);
    case TGDIPFill::gtBackwardDiagonal: return linear({x, y + th}, end, {x + tw, y}, start);
    case TGDIPFill::gtHatch: return gdip::HatchBrush(m_caption.HatchStyle(), start, end);
    case TGDIPFill::gtTexture: {
        const TFillPicture& pic = *m_caption.Picture();
        if (pic.Empty() || pic.Image().isNull())
            return std::nullopt;
        return QBrush(pic.Image());
    }
    case TGDIPFill::gtRadial:
    case TGDIPFill::gtAngle:
    case TGDIPFill::gtPath:
    case TGDIPFill::gtNone:
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<TSmoothLabelPainter::Layout> TSmoothLabelPainter::Paint(QPainter& painter, const QRectF& r) const
{
    if (m_caption.Text().isEmpty())
        return std::nullopt;

    // Measure first, then switch to anti-aliased text.
    std::optional<Layout> l = Measure(painter.device(), r, PaintRatio(painter));
    if (!l)
        return std::nullopt;
    const std::optional<QBrush> brush = TextBrush(*l);
    if (!brush)
        return std::nullopt;

    // Draw the glyphs with the brush, cut to the layout rectangle.
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setFont(l->Font);
    painter.setPen(QPen(*brush, 1));
    painter.setBrush(Qt::NoBrush);
    painter.setClipRect(l->LayoutRect, Qt::IntersectClip);
    painter.drawText(l->LayoutRect, l->Flags, m_caption.Text());
    painter.restore();
    return l;
}
