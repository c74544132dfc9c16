#pragma once
// The two-half face that the glow button and the selector's drop button and
// list share: an upper half and a lower (mirror) half, each with a base
// colour, a To colour and a gradient kind, and a border.
//
// The gradient roles are the same in every styled control: Color/ColorTo
// belong to the upper half of a face, ColorMirror/ColorMirrorTo to the lower
// (mirror) half, Gradient/GradientMirror name each half's gradient kind, and
// a state's variants carry its name (ColorHot, GradientMirrorChecked, ...).
#include "controls/paint/Color.h"
#include "controls/paint/Property.h"

#include <QObject>
#include <cstdint>

class QPainter;
class QRect;

namespace GDIPGradientIF {
Q_NAMESPACE

// The gradient kind of one half of a face (stored in one byte).
enum TGDIPGradient : std::uint8_t {
    ggRadial = 0,
    ggVertical = 1,
    ggDiagonalForward = 2,
    ggDiagonalBackward = 3,
};
Q_ENUM_NS(TGDIPGradient)

} // namespace GDIPGradientIF

using GDIPGradientIF::TGDIPGradient;
using enum GDIPGradientIF::TGDIPGradient;

// One look of a face: the colours and gradient kinds a paint uses. Faces
// drawn without a border of their own leave Border at clNone.
struct TFaceColors {
    TColor Color = clNone;
    TColor ColorTo = clNone;
    TColor ColorMirror = clNone;
    TColor ColorMirrorTo = clNone;
    TColor Border = clNone;
    TGDIPGradient Gradient = ggVertical;
    TGDIPGradient GradientMirror = ggVertical;
    bool operator==(const TFaceColors&) const = default;
};

// The published pairs of one look held in `face` (a TFaceColors member), for
// a class whose every change runs its Changed(): the upper half's colours,
// the mirror half's colours, and the two gradient kinds. The normal look has
// an empty Look; each class lists the pairs in the order it publishes them.
#define LUMORA_FACE_COLORS(Look, face)                                                                            \
    LUMORA_PROPERTY_OF(TColor, Color##Look, face.Color, Changed())                                                \
    LUMORA_PROPERTY_OF(TColor, Color##Look##To, face.ColorTo, Changed())
#define LUMORA_FACE_MIRROR_COLORS(Look, face)                                                                     \
    LUMORA_PROPERTY_OF(TColor, ColorMirror##Look, face.ColorMirror, Changed())                                    \
    LUMORA_PROPERTY_OF(TColor, ColorMirror##Look##To, face.ColorMirrorTo, Changed())
#define LUMORA_FACE_GRADIENTS(Look, face)                                                                         \
    LUMORA_PROPERTY_OF(GDIPGradientIF::TGDIPGradient, Gradient##Look, face.Gradient, Changed())                   \
    LUMORA_PROPERTY_OF(GDIPGradientIF::TGDIPGradient, GradientMirror##Look, face.GradientMirror, Changed())

// Which half of a two-part face a fill belongs to.
enum class TGlowHalf { Upper, Lower };

// Fills r as one half of a two-part face: a flat base in color, then the
// gradient of the given kind, all opaque. The upper half runs from color at
// its top edge to colorTo at its bottom edge; the lower (mirror) half runs
// from colorTo at its top edge to color at its bottom edge. A radial fill
// lies in an ellipse as wide as r centred on the middle of r's outer edge
// (top for the upper half, bottom for the lower), colorTo at the centre and
// color at the boundary; outside the ellipse the flat base stays. A half
// with a clNone colour is not filled.
void FillGlowHalf(QPainter& painter, const QRect& r, TColor color, TColor colorTo, TGDIPGradient kind, TGlowHalf half);
