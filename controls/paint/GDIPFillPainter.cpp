#include "controls/paint/GDIPFillPainter.h"

#include "controls/paint/GDIPDraw.h"

#include <QPainter>
#include <QRadialGradient>
#include <QTransform>
#include <cmath>
#include <stdexcept>

namespace {

int Effective(int property, int override) { return override < 255 ? override : property; }

int Round(double v) { return int(std::nearbyint(v)); }

// Restores the painter's smoothing when it leaves scope.
class SmoothingScope {
public:
    SmoothingScope(QPainter& g, bool on)
        : m_g(g)
        , m_was(g.testRenderHint(QPainter::Antialiasing))
    {
        m_g.setRenderHint(QPainter::Antialiasing, on);
    }
    ~SmoothingScope() { m_g.setRenderHint(QPainter::Antialiasing, m_was); }
    SmoothingScope(const SmoothingScope&) = delete;
    SmoothingScope& operator=(const SmoothingScope&) = delete;

private:
    QPainter& m_g;
    bool m_was;
};

} // namespace

TGDIPFillPainter::TGDIPFillPainter(const TGDIPFill& fill, QPainter& graphics, const TGDIPFill::Overrides& overrides)
    : m_fill(fill)
    , m_g(graphics)
    , m_overrides(overrides)
{
}

int TGDIPFillPainter::CornersOf(TGDIPFill::TFillRoundingType type)
{
    using namespace gdip;
    switch (type) {
    case TGDIPFill::rtTop: return cTopLeft | cTopRight;
    case TGDIPFill::rtBottom: return cBottomLeft | cBottomRight;
    case TGDIPFill::rtBoth: return cTopLeft | cTopRight | cBottomLeft | cBottomRight;
    case TGDIPFill::rtLeft: return cTopLeft | cBottomLeft;
    case TGDIPFill::rtRight: return cTopRight | cBottomRight;
    case TGDIPFill::rtNone: break;
    }
    return 0;
}

QPainterPath TGDIPFillPainter::Outline(const QRectF& r, TGDIPFill::TFillRoundingType type) const
{
    return gdip::RoundedOutline(r, m_fill.Rounding(), CornersOf(type));
}

TGDIPFillPainter::ColorSet TGDIPFillPainter::UpperSet() const
{
    return {m_fill.Color(), m_fill.ColorTo(), Effective(m_fill.Opacity(), m_overrides.Opacity),
            Effective(m_fill.OpacityTo(), m_overrides.OpacityTo), m_fill.GradientType(), m_fill.HatchStyle(), false};
}

TGDIPFillPainter::ColorSet TGDIPFillPainter::LowerSet() const
{
    return {m_fill.ColorMirror(), m_fill.ColorMirrorTo(),
            Effective(m_fill.OpacityMirror(), m_overrides.OpacityMirror),
            Effective(m_fill.OpacityMirrorTo(), m_overrides.OpacityMirrorTo), m_fill.GradientMirrorType(),
            m_fill.HatchStyleMirror(), true};
}

bool TGDIPFillPainter::HasBorder() const
{
    return m_fill.BorderWidth() > 0 && m_fill.BorderColor() != clNone;
}

QRectF TGDIPFillPainter::Paint(QRectF r)
{
    // A one-pixel rectangle is only a line.
    if (r.width() == 1 || r.height() == 1) {
        if (HasBorder())
            PaintBorderLine(r);
        PaintPictures(r);
        return r;
    }

    // Shadow first; the face leaves it showing along the right and bottom.
    if (m_fill.ShadowOffset() > 0 && m_fill.ShadowColor() != clNone) {
        PaintShadow(r);
        r.setWidth(r.width() - m_fill.ShadowOffset());
        r.setHeight(r.height() - m_fill.ShadowOffset());
    }

    PaintFace(r);

    // Background picture clipped to the face.
    if (m_fill.BackGroundPictureMode() == TGDIPFill::pmInsideFill && m_fill.GradientType() == TGDIPFill::gtTexture) {
        const TFillPicture& pic = *m_fill.BackGroundPicture();
        if (auto place = PlacePicture(m_fill.BackGroundPicturePosition(), PlacementRect(r),
                                      QSize(pic.Width(), pic.Height()),
                                      QPoint(m_fill.BackGroundPictureLeft(), m_fill.BackGroundPictureTop()))) {
            m_g.save();
            m_g.setClipPath(Outline(r, m_fill.RoundingType()), Qt::IntersectClip);
            pic.Draw(m_g, *place);
            m_g.restore();
        }
    }

    if (HasBorder())
        PaintBorder(r);

    PaintPictures(r);
    return r;
}

void TGDIPFillPainter::PaintShadow(const QRectF& r)
{
    // A path gradient over the outline: transparent at the outline, the
    // shadow colour at alpha 180 from a tenth of the way to the centre on.
    // Outlines scaled about the centre are its lines of equal colour, so the
    // soft edge is drawn as rings between scaled outlines.
    const QPainterPath outline = Outline(r, m_fill.RoundingType());
    const QPointF c = r.center();
    auto scaled = [&](double share) {
        const double k = 1.0 - share;
        return QTransform::fromTranslate(c.x(), c.y()).scale(k, k).translate(-c.x(), -c.y()).map(outline);
    };
    const QColor shadow = gdip::Argb(m_fill.ShadowColor(), 180);
    SmoothingScope smooth(m_g, true);
    constexpr int rings = 6;
    constexpr double edge = 0.1;
    for (int i = 0; i < rings; ++i) {
        const double outer = edge * i / rings, inner = edge * (i + 1) / rings;
        QColor ring = shadow;
        ring.setAlphaF(shadow.alphaF() * (i + 0.5) / rings);
        m_g.fillPath(scaled(outer).subtracted(scaled(inner)), ring);
    }
    m_g.fillPath(scaled(edge), shadow);
}

void TGDIPFillPainter::PaintFace(const QRectF& r)
{
    const TGDIPFill::TGradientType upper = m_fill.GradientType();
    const bool onePart = upper == TGDIPFill::gtHatch || upper == TGDIPFill::gtTexture || m_fill.ColorMirror() == clNone;
    if (onePart) {
        if (upper == TGDIPFill::gtRadial) {
            if (m_fill.Color() != clNone)
                RadialFill(r, UpperSet(), true, m_fill.RoundingType());
        } else {
            PartFill(r, UpperSet());
        }
        return;
    }

    // Two parts overlapping by two pixels in the middle.
    const double h = r.height() / 2;
    const QRectF top(r.x(), r.y(), r.width(), r.height() - h + 1);
    const QRectF bottom(r.x(), r.y() + h - 1, r.width(), r.height() - h + 1);
    if (upper == TGDIPFill::gtRadial && m_fill.Color() != clNone)
        RadialFill(top, UpperSet(), true, TGDIPFill::rtTop);
    else
        PartFill(top, UpperSet());
    if (m_fill.GradientMirrorType() == TGDIPFill::gtRadial && m_fill.ColorMirror() != clNone)
        RadialFill(bottom, LowerSet(), false, TGDIPFill::rtBottom);
    else
        PartFill(bottom, LowerSet());
}

TGDIPFill::TFillRoundingType TGDIPFillPainter::PartCorners(const ColorSet& set) const
{
    const TGDIPFill::TFillRoundingType rt = m_fill.RoundingType();
    if (m_fill.ColorMirror() == clNone)
        return rt;
    if (rt == TGDIPFill::rtLeft || rt == TGDIPFill::rtRight)
        return rt;
    if (!set.lower)
        return (rt == TGDIPFill::rtTop || rt == TGDIPFill::rtBoth) ? TGDIPFill::rtTop : TGDIPFill::rtNone;
    return (rt == TGDIPFill::rtBottom || rt == TGDIPFill::rtBoth) ? TGDIPFill::rtBottom : TGDIPFill::rtNone;
}

void TGDIPFillPainter::PartFill(const QRectF& q, const ColorSet& set)
{
    // The kind: nothing without a first colour, solid without a second.
    if (set.first == clNone)
        return;
    const QColor first = gdip::Argb(set.first, set.firstOpacity);
    const QColor second = set.second == clNone ? QColor() : gdip::Argb(set.second, set.secondOpacity);
    const TGDIPFill::TGradientType kind = set.second == clNone ? TGDIPFill::gtSolid : set.type;

    // The shape: rounded corners are smoothed, a square shape is q itself.
    const bool rounded = m_fill.Rounding() != 0;
    QPainterPath shape;
    if (rounded)
        shape = Outline(q, PartCorners(set));
    else
        shape.addRect(q);
    SmoothingScope smooth(m_g, rounded);

    // The brush by kind.
    const QRectF widened = q.adjusted(-1, -1, 1, 1);
    auto linear = [&](double angle) {
        m_g.fillPath(shape, gdip::RectLinearGradient(widened, angle, first, second, true));
    };
    switch (kind) {
    case TGDIPFill::gtSolid:
        m_g.fillPath(shape, first);
        return;
    case TGDIPFill::gtVertical:
    case TGDIPFill::gtHorizontal:
    case TGDIPFill::gtForwardDiagonal:
    case TGDIPFill::gtBackwardDiagonal: {
        const double angle = kind == TGDIPFill::gtVertical ? 90
                           : kind == TGDIPFill::gtHorizontal ? 0
                           : kind == TGDIPFill::gtForwardDiagonal ? 45
                                                                 : 135;
        linear(angle);
        // The lower part's top edge takes its first colour, so that no seam
        // of the upper part shows through.
        if (set.lower) {
            SmoothingScope sharp(m_g, false);
            m_g.fillRect(QRectF(q.x(), q.y(), q.width(), 1), first);
        }
        return;
    }
    case TGDIPFill::gtAngle:
        linear(m_fill.Angle());
        return;
    case TGDIPFill::gtHatch:
        if (auto brush = gdip::HatchBrush(set.hatch, first, second))
            m_g.fillPath(shape, *brush);
        return;
    case TGDIPFill::gtTexture: {
        const TFillPicture& pic = *m_fill.BackGroundPicture();
        if (m_fill.BackGroundPicturePosition() != TGDIPFill::ppTiled || pic.Empty())
            return;
        if (pic.Image().isNull())
            throw std::runtime_error("Could not allocate memory for image");
        m_g.fillPath(shape, QBrush(pic.Image()));
        return;
    }
    case TGDIPFill::gtRadial:
    case TGDIPFill::gtPath:
    case TGDIPFill::gtNone:
        return;
    }
}

void TGDIPFillPainter::RadialFill(const QRectF& q, const ColorSet& set, bool anchoredTop,
                                  TGDIPFill::TFillRoundingType corners)
{
    const QColor c = gdip::Argb(set.first, set.firstOpacity);
    const QColor c2 = set.second == clNone ? c : gdip::Argb(set.second, set.secondOpacity);
    const QPainterPath outline = Outline(q, corners);
    SmoothingScope smooth(m_g, m_fill.Rounding() != 0);

    // The ground: the surround colour of the ellipse's far side.
    m_g.fillPath(outline, anchoredTop ? c : c2);

    // An ellipse as wide as q, half again as high, whose centre point lies on
    // the middle of the anchored edge.
    const double w = q.width(), h = q.height();
    const QRectF ellipse = anchoredTop ? QRectF(q.x(), q.y() - h / 2, w, 1.5 * h) : QRectF(q.x(), q.y(), w, 1.5 * h);
    const double focusY = anchoredTop ? -1.0 / 3.0 : 1.0 / 3.0; // the edge's middle in unit-circle terms
    QRadialGradient g(QPointF(0, 0), 1.0, QPointF(0, focusY));
    g.setColorAt(0, anchoredTop ? c2 : c);
    g.setColorAt(1, anchoredTop ? c : c2);
    QBrush brush(g);
    brush.setTransform(QTransform::fromTranslate(ellipse.center().x(), ellipse.center().y()).scale(w / 2, 0.75 * h));
    QPainterPath ellipsePath;
    ellipsePath.addEllipse(ellipse);

    m_g.save();
    m_g.setClipPath(outline, Qt::IntersectClip);
    m_g.fillPath(ellipsePath, brush);
    m_g.restore();
}

void TGDIPFillPainter::PaintBorder(const QRectF& r)
{
    const QColor color = gdip::Argb(m_fill.BorderColor(), Effective(m_fill.BorderOpacity(), m_overrides.BorderOpacity));
    SmoothingScope smooth(m_g, m_fill.Rounding() != 0);
    m_g.save();
    m_g.setBrush(Qt::NoBrush);
    m_g.setPen(QPen(color, m_fill.BorderWidth()));
    m_g.drawPath(Outline(r, m_fill.RoundingType()));
    m_g.restore();
}

void TGDIPFillPainter::PaintBorderLine(const QRectF& r)
{
    const QColor color = gdip::Argb(m_fill.BorderColor(), Effective(m_fill.BorderOpacity(), m_overrides.BorderOpacity));
    m_g.save();
    m_g.setPen(QPen(color, m_fill.BorderWidth()));
    m_g.drawLine(r.topLeft(), QPointF(r.x() + r.width(), r.y() + r.height()));
    m_g.restore();
}

void TGDIPFillPainter::PaintPictures(const QRectF& r)
{
    const QRect p = PlacementRect(r);

    // Background picture outside the fill: unclipped.
    if (m_fill.BackGroundPictureMode() == TGDIPFill::pmOutsideFill && m_fill.GradientType() == TGDIPFill::gtTexture) {
        const TFillPicture& pic = *m_fill.BackGroundPicture();
        if (auto place = PlacePicture(m_fill.BackGroundPicturePosition(), p, QSize(pic.Width(), pic.Height()),
                                      QPoint(m_fill.BackGroundPictureLeft(), m_fill.BackGroundPictureTop())))
            pic.Draw(m_g, *place);
    }

    // The picture, in its own size or the custom one.
    const TFillPicture& pic = *m_fill.Picture();
    if (pic.Empty())
        return;
    const QSize size = m_fill.PictureSize() == TGDIPFill::psCustom ? QSize(m_fill.PictureWidth(), m_fill.PictureHeight())
                                                                   : QSize(pic.Width(), pic.Height());
    if (auto place = PlacePicture(m_fill.PicturePosition(), p, size, QPoint(m_fill.PictureLeft(), m_fill.PictureTop())))
        pic.Draw(m_g, *place);
}

QRect TGDIPFillPainter::PlacementRect(const QRectF& r)
{
    return QRect(Round(r.x()), Round(r.y()), Round(r.width()), Round(r.height()));
}

std::optional<QRect> TGDIPFillPainter::PlacePicture(TGDIPFill::TFillPicturePosition position, const QRect& p,
                                                    QSize size, QPoint custom)
{
    const int w = size.width(), h = size.height();
    const int left = p.x(), top = p.y(), right = p.x() + p.width(), bottom = p.y() + p.height();
    const int midX = left + (p.width() - w) / 2; // integer division rounds toward zero
    const int midY = top + (p.height() - h) / 2;
    switch (position) {
    case TGDIPFill::ppTopLeft: return QRect(left, top, w, h);
    case TGDIPFill::ppTopCenter: return QRect(midX, top, w, h);
    case TGDIPFill::ppTopRight: return QRect(right - w, top, w, h);
    case TGDIPFill::ppBottomLeft: return QRect(left, bottom - h, w, h);
    case TGDIPFill::ppBottomCenter: return QRect(midX, bottom - h, w, h);
    case TGDIPFill::ppBottomRight: return QRect(right - w, bottom - h, w, h);
    case TGDIPFill::ppTiled: return std::nullopt;
    case TGDIPFill::ppStretched: return p;
    case TGDIPFill::ppCenterLeft: return QRect(left, midY, w, h);
    case TGDIPFill::ppCenterCenter: return QRect(midX, midY, w, h);
    case TGDIPFill::ppCenterRight: return QRect(right - w, midY, w, h);
    case TGDIPFill::ppCustom: return QRect(custom.x(), custom.y(), w, h);
    }
    return std::nullopt;
}
