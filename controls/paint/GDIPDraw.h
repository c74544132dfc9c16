#pragma once
// Drawing primitives shared by the fill and the smooth label's text: colours
// with an opacity, rounded outlines, gamma-corrected linear gradients over a
// rectangle, and the 8 x 8 hatch patterns numbered as the fill's HatchStyle
// values.
#include "controls/paint/Color.h"

#include <QBrush>
#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <optional>

namespace gdip {

// A colour (system colours resolved) with an opacity 0..255 as alpha.
QColor Argb(TColor color, int opacity);

// Corners that an outline rounds.
enum Corner { cTopLeft = 0x1, cTopRight = 0x2, cBottomLeft = 0x4, cBottomRight = 0x8 };

// The closed outline of r whose named corners are quarter-circle arcs of the
// given radius (arcs inscribed in squares of side 2 x radius). A radius of
// 0 or no corners give the plain rectangle.
QPainterPath RoundedOutline(const QRectF& r, double radius, int corners);

// A linear gradient from `first` to `second` over r in the direction of
// `angleDegrees` (0 runs left to right, 90 top to bottom, clockwise on the
// screen), with the angle scaled with the rectangle: the gradient is laid out
// in a unit square and stretched over r, so that 45 degrees always runs from
// the top-left to the bottom-right corner. With `gammaCorrected` the colours
// are mixed in linear light. Beyond r the gradient repeats.
QBrush RectLinearGradient(const QRectF& r, double angleDegrees, const QColor& first, const QColor& second,
                          bool gammaCorrected);

// The number of hatch styles (0 .. HatchStyleCount - 1).
inline constexpr int HatchStyleCount = 53;

// An 8 x 8 hatch brush, tiled from the surface origin: pattern pixels in
// `fore`, the rest in `back`. Nothing for a style outside 0..52.
std::optional<QBrush> HatchBrush(int style, const QColor& fore, const QColor& back);

// Row y (0..7) of a hatch pattern, bit 7 the leftmost pixel; 0 for a style
// outside the range.
unsigned HatchRow(int style, int y);

} // namespace gdip
