#pragma once
// Pixel checks of a drawing, written as a list of places and the colour
// each must have, for a canvas or for an image a control painted; and the
// bytes of an image file made from a picture.
#include "controls/paint/Canvas.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <gtest/gtest.h>
#include <initializer_list>
#include <source_location>

struct TPixelWant {
    int x, y;
    TColor color;
};

inline TColor PixelOf(const TBitmapCanvas& canvas, int x, int y)
{
    return canvas.PixelAt(x, y);
}

inline TColor PixelOf(const QImage& image, int x, int y)
{
    return FromQColor(QColor(image.pixel(x, y)));
}

// Every listed pixel is checked; a failure names the pixel that differs
// and the line of the test that listed it.
template <class Drawing>
void ExpectPixels(const Drawing& drawing, std::initializer_list<TPixelWant> wants,
                  std::source_location where = std::source_location::current())
{
    const testing::ScopedTrace trace(where.file_name(), int(where.line()), "pixels listed here");
    for (const TPixelWant& w : wants)
        EXPECT_EQ(PixelOf(drawing, w.x, w.y), w.color) << "at (" << w.x << ", " << w.y << ")";
}

// The image saved in format ("BMP", "PNG", ...), as a file would hold it.
inline QByteArray Encode(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format)) << format;
    return bytes;
}
