#pragma once
// Drawing at the pixel density of the surface: how many device pixels a
// painter puts in one logical pixel, off-screen images that cover a logical
// size at that density, and small pixel pictures enlarged to it with their
// edges kept. The layout is always in logical pixels; only the pixels that
// carry it grow.
#include <QImage>
#include <QRectF>
#include <QSize>

class QPainter;

// Device pixels per logical pixel of what the painter draws on: the screen's
// backing store, a grabbed picture or any image given a ratio of its own.
qreal PaintRatio(const QPainter& painter);

// The device pixels that cover a logical size at a ratio (rounded up).
QSize DeviceSize(QSize logical, qreal ratio);

// Makes `image` an off-screen buffer of the logical size at the ratio (ARGB32
// premultiplied, its device pixel ratio set), reusing it when it already is
// one, and clears it to transparent. At ratio 1 it is a plain image of the
// logical size.
void PrepareBuffer(QImage& image, QSize logical, qreal ratio);

// The device-pixel rectangle of a buffer that holds a logical rectangle.
QRectF DeviceRect(const QRectF& logical, qreal ratio);

// A pixel picture (one pixel per logical pixel) enlarged to the ratio with
// its edges kept sharp: each doubling splits every pixel in four and lets a
// corner take its neighbours' colour where two of them agree and the others
// do not (Scale2x), so staircases become finer staircases instead of bigger
// blocks; a ratio between the doublings is reached from the next doubling up
// by an area-weighted reduction. At ratio 1 (or below) the picture is
// returned unchanged. The result carries the ratio as its device pixel ratio.
QImage ScalePixelPicture(const QImage& picture, qreal ratio);
