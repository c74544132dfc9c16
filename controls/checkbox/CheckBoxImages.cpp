#include "controls/checkbox/CheckBoxImages.h"

#include "controls/paint/Color.h"
#include "controls/paint/DeviceRatio.h"

#include <QPainter>
#include <QPolygonF>
#include <array>
#include <cmath>
#include <map>

namespace {

struct BoxColors {
    TColor ring;      // outer ring: the transparent colour
    TColor frame;     // the light frame
    TColor edge;      // the field's top row and left column
    TColor fieldFrom; // the field's inside, top-left ...
    TColor fieldTo;   // ... to bottom-right
    TColor tick;
};

constexpr BoxColors kColors[2][3] = {
    // unchecked: normal, hot, down
    {{0x8F8F8E, 0xF4F4F4, 0xB9B3AE, 0xD5CFCB, 0xF6F6F6, 0},
     {0xA38655, 0xFAF9DE, 0xF9C679, 0xFDDFB1, 0xFEF7E8, 0},
     {0x8B622C, 0xF6E4C2, 0xF7B65E, 0xFCD59D, 0xFEF4E1, 0}},
    // checked: the same boxes with a tick
    {{0x8F8F8E, 0xF4F4F4, 0xB9B3AE, 0xD5CFCB, 0xF6F6F6, 0x925A44},
     {0xA38655, 0xFAF9DE, 0xF9C679, 0xFDDFB1, 0xFEF7E8, 0x712204},
     {0x8B622C, 0xF6E4C2, 0xF7B65E, 0xFCD59D, 0xFEF4E1, 0x94532C}},
};

QRgb Rgb(TColor c) { return qRgb(GetRValue(c), GetGValue(c), GetBValue(c)); }

// The tick, three pixels high per column, from near the field's top-right
// corner down to its lower middle and up again to the left: the top row of
// each column's stroke, for the columns x = 4 .. 10.
constexpr std::array<int, 7> kTickTop = {5, 6, 7, 6, 5, 4, 3};

// The field's inside brightens from fieldFrom at (3, 3) to fieldTo at
// (10, 10): the blend at a point of the field, in logical pixels.
TColor FieldColor(const BoxColors& c, double x, double y)
{
    const int percent = 100 - int(std::floor(((x - 3) + (y - 3)) * 100 / 14));
    return BlendColor(c.fieldFrom, c.fieldTo, std::clamp(percent, 0, 100));
}

QImage MakeImage(const BoxColors& c, bool checked)
{
    QImage img(CheckBoxImages::Size, CheckBoxImages::Size, QImage::Format_RGB32);
    // Outer ring (and everything, at first).
    img.fill(Rgb(c.ring));
    // Light frame: the ring of the inner 11 x 11.
    for (int i = 1; i <= 11; ++i) {
        img.setPixel(i, 1, Rgb(c.frame));
        img.setPixel(i, 11, Rgb(c.frame));
        img.setPixel(1, i, Rgb(c.frame));
        img.setPixel(11, i, Rgb(c.frame));
    }
    // The 9 x 9 field: a darker top row and left column, then an inside that
    // brightens diagonally from fieldFrom at (3, 3) to fieldTo at (10, 10).
    for (int i = 2; i <= 10; ++i) {
        img.setPixel(i, 2, Rgb(c.edge));
        img.setPixel(2, i, Rgb(c.edge));
    }
    for (int y = 3; y <= 10; ++y)
        for (int x = 3; x <= 10; ++x)
            img.setPixel(x, y, Rgb(FieldColor(c, x, y)));
    if (checked)
        for (int i = 0; i < int(kTickTop.size()); ++i)
            for (int dy = 0; dy < 3; ++dy)
                img.setPixel(4 + i, kTickTop[std::size_t(i)] + dy, Rgb(c.tick));
    return img;
}

// The same box drawn from its shapes on a denser surface (ratio device
// pixels per logical pixel), the outer ring left transparent: the frame and
// the field's edges as rectangles, the field's blend computed for every
// device pixel, and the tick as the outline of its stroke (three pixels high,
// from the field's left down to its lower middle and up to its top right),
// filled anti-aliased.
QImage MakeImageAt(const BoxColors& c, bool checked, qreal ratio)
{
    QImage img;
    PrepareBuffer(img, QSize(CheckBoxImages::Size, CheckBoxImages::Size), ratio);
    {
        QPainter p(&img);
        p.fillRect(QRectF(1, 1, 11, 11), ToQColor(c.frame));
        p.fillRect(QRectF(2, 2, 9, 1), ToQColor(c.edge));
        p.fillRect(QRectF(2, 2, 1, 9), ToQColor(c.edge));
    }
    const QRect inside = DeviceRect(QRectF(3, 3, 8, 8), ratio).toRect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            // The device pixel's centre, measured like the pixel centres of
            // the picture at one pixel per logical pixel.
            const double lx = (x + 0.5) / ratio - 0.5, ly = (y + 0.5) / ratio - 0.5;
            img.setPixel(x, y, Rgb(FieldColor(c, lx, ly)));
        }
    if (checked) {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing, true);
        const QPolygonF stroke({{4, 4.5}, {6.5, 7}, {11, 2.5}, {11, 5.5}, {6.5, 10}, {4, 7.5}});
        p.setPen(Qt::NoPen);
        p.setBrush(ToQColor(c.tick));
        p.drawPolygon(stroke);
    }
    return img;
}

struct ImageSet {
    QImage opaque[2][3];
    QImage transparent[2][3];
    ImageSet()
    {
        for (int checked = 0; checked < 2; ++checked)
            for (int m = 0; m < 3; ++m) {
                const QImage img = MakeImage(kColors[checked][m], checked == 1);
                opaque[checked][m] = img;
                // The bottom-left pixel's colour is left out wherever it occurs.
                QImage t = img.convertToFormat(QImage::Format_ARGB32);
                const QRgb key = img.pixel(0, CheckBoxImages::Size - 1);
                for (int y = 0; y < t.height(); ++y)
                    for (int x = 0; x < t.width(); ++x)
                        if (img.pixel(x, y) == key)
                            t.setPixel(x, y, qRgba(0, 0, 0, 0));
                transparent[checked][m] = t;
            }
    }
};

const ImageSet& Images()
{
    static const ImageSet set;
    return set;
}

} // namespace

namespace CheckBoxImages {

const QImage& Image(bool checked, TBoxMouseState mouse)
{
    return Images().opaque[checked ? 1 : 0][int(mouse)];
}

const QImage& Transparent(bool checked, TBoxMouseState mouse)
{
    return Images().transparent[checked ? 1 : 0][int(mouse)];
}

void Draw(QPainter& painter, QPoint at, bool checked, TBoxMouseState mouse)
{
    const qreal ratio = PaintRatio(painter);
    if (ratio <= 1.0) {
        painter.drawImage(at, Transparent(checked, mouse));
        return;
    }
    // The six boxes drawn once for each denser surface in use.
    static std::map<qreal, std::array<QImage, 6>> denser;
    QImage& img = denser[ratio][std::size_t((checked ? 3 : 0) + int(mouse))];
    if (img.isNull())
        img = MakeImageAt(kColors[checked ? 1 : 0][int(mouse)], checked, ratio);
    painter.drawImage(at, img);
}

} // namespace CheckBoxImages
