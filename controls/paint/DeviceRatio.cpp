#include "controls/paint/DeviceRatio.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Device pixels of one logical extent; a hair of floating-point error above
// a whole number is not a pixel more.
int DeviceExtent(int logical, qreal ratio)
{
    return std::max(1, int(std::ceil(logical * ratio - 1e-6)));
}

// One Scale2x doubling.
QImage Doubled(const QImage& in)
{
    const int w = in.width(), h = in.height();
    QImage out(2 * w, 2 * h, QImage::Format_ARGB32_Premultiplied);
    auto at = [&in, w, h](int x, int y) {
        return reinterpret_cast<const QRgb*>(in.constScanLine(std::clamp(y, 0, h - 1)))[std::clamp(x, 0, w - 1)];
    };
    for (int y = 0; y < h; ++y) {
        auto* top = reinterpret_cast<QRgb*>(out.scanLine(2 * y));
        auto* bottom = reinterpret_cast<QRgb*>(out.scanLine(2 * y + 1));
        for (int x = 0; x < w; ++x) {
            const QRgb p = at(x, y);
            const QRgb above = at(x, y - 1), below = at(x, y + 1), left = at(x - 1, y), right = at(x + 1, y);
            const bool split = above != below && left != right;
            top[2 * x] = split && left == above ? left : p;
            top[2 * x + 1] = split && above == right ? right : p;
            bottom[2 * x] = split && left == below ? left : p;
            bottom[2 * x + 1] = split && below == right ? right : p;
        }
    }
    return out;
}

} // namespace

qreal PaintRatio(const QPainter& painter)
{
    // The engine's device is what the pixels land on (a widget's painter
    // draws on its window's backing store or on a grab's picture).
    if (const QPaintEngine* engine = painter.paintEngine())
        if (const QPaintDevice* device = engine->paintDevice())
            return device->devicePixelRatioF();
    const QPaintDevice* device = painter.device();
    return device ? device->devicePixelRatioF() : 1.0;
}

QSize DeviceSize(QSize logical, qreal ratio)
{
    if (ratio == 1.0)
        return logical;
    return QSize(DeviceExtent(logical.width(), ratio), DeviceExtent(logical.height(), ratio));
}

void PrepareBuffer(QImage& image, QSize logical, qreal ratio)
{
    const QSize device = DeviceSize(logical, ratio);
    if (image.size() != device || image.format() != QImage::Format_ARGB32_Premultiplied)
        image = QImage(device, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
}

QRectF DeviceRect(const QRectF& logical, qreal ratio)
{
    return QRectF(logical.x() * ratio, logical.y() * ratio, logical.width() * ratio, logical.height() * ratio);
}

QImage ScalePixelPicture(const QImage& picture, qreal ratio)
{
    if (picture.isNull() || ratio <= 1.0)
        return picture;
    QImage scaled = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    scaled.setDevicePixelRatio(1.0);
    int factor = 1;
    while (factor < ratio - 1e-6) {
        scaled = Doubled(scaled);
        factor *= 2;
    }
    const QSize target = DeviceSize(picture.size(), ratio);
    if (scaled.size() != target)
        scaled = scaled.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    return scaled;
}
