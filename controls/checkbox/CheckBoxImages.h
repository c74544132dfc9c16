#pragma once
// The six 13 x 13 box images of the office check box, one per combination
// of {unchecked, checked} x {normal, hot, down}, drawn once in code. Each
// image is opaque (24-bit colour); its outer one-pixel ring holds the
// colour of its bottom-left pixel, which is the transparent colour when the
// image is drawn, so only the inner 11 x 11 pixels show: a light frame
// around a 9 x 9 field with a darker top row and left column and an inside
// that brightens towards the bottom-right, plus the tick when checked.
#include <QImage>
#include <QPoint>

class QPainter;

enum class TBoxMouseState { Normal, Hot, Down };

namespace CheckBoxImages {

inline constexpr int Size = 13;

// The opaque image (outer ring included).
const QImage& Image(bool checked, TBoxMouseState mouse);
// The same image with its transparent colour turned fully transparent.
const QImage& Transparent(bool checked, TBoxMouseState mouse);
// Draws the image at `at` with its transparent colour left out.
void Draw(QPainter& painter, QPoint at, bool checked, TBoxMouseState mouse);

} // namespace CheckBoxImages
