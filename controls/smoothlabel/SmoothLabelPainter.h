#pragma once
// Draws a smooth label's caption text into a rectangle: the font (with the
// Arial fallback), the measured text box, its placement and the text brush.
// Measuring and drawing share this one geometry, so tests and the label
// read the same numbers.
#include "controls/smoothlabel/SmoothLabel.h"

#include <QBrush>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <optional>

class QPainter;
class QPaintDevice;

class TSmoothLabelPainter {
public:
    // Where and how the text goes.
    struct Layout {
        QFont Font;            // the drawing font
        QString Family;        // the family asked of the font system
        int Points = 0;        // whole points at 96 dpi
        double TextWidth = 0;  // the measured box
        double TextHeight = 0;
        QPointF Origin;        // top-left of the text
        QRectF LayoutRect;     // what the text is clipped to
        int Flags = 0;         // Qt text flags
    };

    TSmoothLabelPainter(const TSmoothLabelCaption& caption, bool wordWrap);

    // The family to draw with: the requested one when the font system has
    // it (or a substitute for it), else "Arial".
    static QString ResolveFamily(const QString& requested);
    // A pixel height in whole points at 96 dots per inch: |h| x 72 / 96,
    // rounded to the nearest whole number.
    static int PointsOf(int height);
    // The top-left of a text box tw x th placed at `location` in r (real
    // values, no margin, from r's top-left corner for the table positions
    // and from the label's for plCustom).
    static QPointF TextOrigin(TSmoothLabelLocation location, const QRectF& r, double tw, double th, QPointF custom);

    // Font, measured box and placement of the caption in r, measured for
    // `device` (its dots per inch); nothing when the font has no size.
    // ratio: device pixels per logical pixel of the surface drawn on.
    std::optional<Layout> Measure(const QPaintDevice* device, const QRectF& r, double ratio = 1.0) const;
    // The brush that fills the glyphs; nothing for the kinds that draw no
    // text (and for brushes that cannot be made).
    std::optional<QBrush> TextBrush(const Layout& layout) const;

    // Draws the caption text into r. Returns the layout used, or nothing
    // when no text was drawn.
    std::optional<Layout> Paint(QPainter& painter, const QRectF& r) const;

private:
    const TSmoothLabelCaption& m_caption;
    bool m_wordWrap;
};
