#include "controls/paint/GDIPDraw.h"

#include <QImage>
#include <QLinearGradient>
#include <QTransform>
#include <algorithm>
#include <array>
#include <cmath>

namespace gdip {

QColor Argb(TColor color, int opacity)
{
    const TColor rgb = ColorToRGB(color);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb), std::clamp(opacity, 0, 255));
}

QPainterPath RoundedOutline(const QRectF& r, double radius, int corners)
{
    QPainterPath path;
    if (radius <= 0 || corners == 0) {
        path.addRect(r);
        return path;
    }
    const double d = 2 * radius;
    const double left = r.left(), top = r.top(), right = r.right(), bottom = r.bottom();
    // Clockwise from the top-left corner; arcAngles in Qt run counter-clockwise.
    if (corners & cTopLeft) {
        path.moveTo(left, top + radius);
        path.arcTo(QRectF(left, top, d, d), 180, -90);
    } else {
        path.moveTo(left, top);
    }
    if (corners & cTopRight)
        path.arcTo(QRectF(right - d, top, d, d), 90, -90);
    else
        path.lineTo(right, top);
    if (corners & cBottomRight)
        path.arcTo(QRectF(right - d, bottom - d, d, d), 0, -90);
    else
        path.lineTo(right, bottom);
    if (corners & cBottomLeft)
        path.arcTo(QRectF(left, bottom - d, d, d), 270, -90);
    else
        path.lineTo(left, bottom);
    path.closeSubpath();
    return path;
}

namespace {

double ToLinear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

int FromLinear(double c)
{
    const double s = c <= 0.0031308 ? c * 12.92 : 1.055 * std::pow(c, 1 / 2.4) - 0.055;
    return std::clamp(int(std::lround(s * 255.0)), 0, 255);
}

QColor MixLinearLight(const QColor& a, const QColor& b, double t)
{
    auto mix = [t](int x, int y) { return FromLinear(ToLinear(x) * (1 - t) + ToLinear(y) * t); };
    const int alpha = int(std::lround(a.alpha() * (1 - t) + b.alpha() * t));
    return QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()), alpha);
}

} // namespace

QBrush RectLinearGradient(const QRectF& r, double angleDegrees, const QColor& first, const QColor& second,
                          bool gammaCorrected)
{
    if (r.width() <= 0 || r.height() <= 0)
        return QBrush(Qt::NoBrush);

    // In the unit square: the gradient line runs through the centre along the
    // angle, from the corner that projects lowest to the one that projects
    // highest, so that the whole square lies between its two ends.
    const double a = angleDegrees * M_PI / 180.0;
    const QPointF dir(std::cos(a), std::sin(a));
    const double half = (std::abs(dir.x()) + std::abs(dir.y())) / 2;
    const QPointF centre(0.5, 0.5);
    QLinearGradient g(centre - dir * half, centre + dir * half);
    g.setSpread(QGradient::RepeatSpread);
    if (gammaCorrected) {
        constexpr int steps = 8;
        for (int i = 0; i <= steps; ++i) {
            const double t = double(i) / steps;
            g.setColorAt(t, MixLinearLight(first, second, t));
        }
    } else {
        g.setColorAt(0, first);
        g.setColorAt(1, second);
    }
    QBrush brush(g);
    brush.setTransform(QTransform::fromTranslate(r.x(), r.y()).scale(r.width(), r.height()));
    return brush;
}

namespace {

using Pattern = std::array<unsigned char, 8>;

// The line and shape patterns, by style number; the twelve percentage
// styles (6..17) are ordered dithers and are made below.
constexpr std::array<Pattern, HatchStyleCount> kPatterns = {{
    {0xFF, 0, 0, 0, 0, 0, 0, 0},                            // 0 horizontal
    {0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80},       // 1 vertical
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01},       // 2 forward diagonal
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80},       // 3 backward diagonal
    {0xFF, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80},       // 4 cross
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81},       // 5 diagonal cross
    {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {},         // 6..17 percentages
    {0x88, 0x44, 0x22, 0x11, 0x88, 0x44, 0x22, 0x11},       // 18 light downward diagonal
    {0x11, 0x22, 0x44, 0x88, 0x11, 0x22, 0x44, 0x88},       // 19 light upward diagonal
    {0xCC, 0x66, 0x33, 0x99, 0xCC, 0x66, 0x33, 0x99},       // 20 dark downward diagonal
    {0x33, 0x66, 0xCC, 0x99, 0x33, 0x66, 0xCC, 0x99},       // 21 dark upward diagonal
    {0xE0, 0x70, 0x38, 0x1C, 0x0E, 0x07, 0x83, 0xC1},       // 22 wide downward diagonal
    {0x07, 0x0E, 0x1C, 0x38, 0x70, 0xE0, 0xC1, 0x83},       // 23 wide upward diagonal
    {0x88, 0x88, 0x88, 0x88, 0x88, 0x88, 0x88, 0x88},       // 24 light vertical
    {0xFF, 0, 0, 0, 0xFF, 0, 0, 0},                         // 25 light horizontal
    {0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA},       // 26 narrow vertical
    {0xFF, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0},                   // 27 narrow horizontal
    {0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC},       // 28 dark vertical
    {0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0, 0},                   // 29 dark horizontal
    {0, 0, 0x88, 0x44, 0x22, 0x11, 0, 0},                   // 30 dashed downward diagonal
    {0, 0, 0x11, 0x22, 0x44, 0x88, 0, 0},                   // 31 dashed upward diagonal
    {0xF0, 0, 0, 0, 0x0F, 0, 0, 0},                         // 32 dashed horizontal
    {0x80, 0x80, 0x80, 0x80, 0x08, 0x08, 0x08, 0x08},       // 33 dashed vertical
    {0x80, 0x08, 0x40, 0x02, 0x10, 0x01, 0x20, 0x04},       // 34 small confetti
    {0xB1, 0x30, 0x03, 0x1B, 0xD8, 0xC0, 0x0C, 0x8D},       // 35 large confetti
    {0x81, 0x42, 0x24, 0x18, 0x81, 0x42, 0x24, 0x18},       // 36 zigzag
    {0x00, 0x18, 0xA4, 0x03, 0x00, 0x18, 0xA4, 0x03},       // 37 wave
    {0x01, 0x02, 0x04, 0x08, 0x18, 0x24, 0x42, 0x81},       // 38 diagonal brick
    {0xFF, 0x80, 0x80, 0x80, 0xFF, 0x08, 0x08, 0x08},       // 39 horizontal brick
    {0x88, 0x54, 0x22, 0x45, 0x88, 0x14, 0x22, 0x51},       // 40 weave
    {0xAA, 0x55, 0xAA, 0x55, 0xF0, 0xF0, 0xF0, 0xF0},       // 41 plaid
    {0x00, 0x10, 0x08, 0x10, 0x00, 0x01, 0x80, 0x01},       // 42 divot
    {0xAA, 0x00, 0x80, 0x00, 0x80, 0x00, 0x80, 0x00},       // 43 dotted grid
    {0x80, 0x00, 0x22, 0x00, 0x08, 0x00, 0x22, 0x00},       // 44 dotted diamond
    {0x03, 0x84, 0x48, 0x30, 0x0C, 0x02, 0x01, 0x01},       // 45 shingle
    {0xFF, 0x66, 0xFF, 0x99, 0xFF, 0x66, 0xFF, 0x99},       // 46 trellis
    {0xEE, 0x91, 0xF1, 0xF1, 0xEE, 0x19, 0x1F, 0x1F},       // 47 sphere
    {0xFF, 0x88, 0x88, 0x88, 0xFF, 0x88, 0x88, 0x88},       // 48 small grid
    {0x99, 0x66, 0x66, 0x99, 0x99, 0x66, 0x66, 0x99},       // 49 small checker board
    {0xF0, 0xF0, 0xF0, 0xF0, 0x0F, 0x0F, 0x0F, 0x0F},       // 50 large checker board
    {0x41, 0x22, 0x14, 0x08, 0x14, 0x22, 0x41, 0x80},       // 51 outlined diamond
    {0x10, 0x38, 0x7C, 0xFE, 0x7C, 0x38, 0x10, 0x00},       // 52 solid diamond
}};

constexpr int kFirstPercentStyle = 6;
constexpr std::array<int, 12> kPercent = {5, 10, 20, 25, 30, 40, 50, 60, 70, 75, 80, 90};

constexpr int kBayer[8][8] = {
    {0, 32, 8, 40, 2, 34, 10, 42},  {48, 16, 56, 24, 50, 18, 58, 26},
    {12, 44, 4, 36, 14, 46, 6, 38}, {60, 28, 52, 20, 62, 30, 54, 22},
    {3, 35, 11, 43, 1, 33, 9, 41},  {51, 19, 59, 27, 49, 17, 57, 25},
    {15, 47, 7, 39, 13, 45, 5, 37}, {63, 31, 55, 23, 61, 29, 53, 21},
};

} // namespace

unsigned HatchRow(int style, int y)
{
    if (style < 0 || style >= HatchStyleCount || y < 0 || y > 7)
        return 0;
    const int pi = style - kFirstPercentStyle;
    if (pi >= 0 && pi < int(kPercent.size())) {
        // Ordered dither: the pixels whose threshold lies below the share.
        const int share = (kPercent[std::size_t(pi)] * 64 + 50) / 100;
        unsigned row = 0;
        for (int x = 0; x < 8; ++x)
            if (kBayer[y][x] < share)
                row |= 0x80u >> x;
        return row;
    }
    return kPatterns[std::size_t(style)][std::size_t(y)];
}

std::optional<QBrush> HatchBrush(int style, const QColor& fore, const QColor& back)
{
    if (style < 0 || style >= HatchStyleCount)
        return std::nullopt;
    QImage tile(8, 8, QImage::Format_ARGB32);
    const QRgb f = fore.rgba(), b = back.rgba();
    for (int y = 0; y < 8; ++y) {
        const unsigned row = HatchRow(style, y);
        auto* line = reinterpret_cast<QRgb*>(tile.scanLine(y));
        for (int x = 0; x < 8; ++x)
            line[x] = (row & (0x80u >> x)) ? f : b;
    }
    return QBrush(tile);
}

} // namespace gdip
