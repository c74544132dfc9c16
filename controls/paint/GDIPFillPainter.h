#pragma once
// Draws a TGDIPFill: shadow, one face part or two overlapping ones (part
// fills and radial fills), the background picture, the border and the
// picture. One painter per drawing; it keeps nothing afterwards.
#include "controls/paint/GDIPFill.h"

#include <QPainterPath>
#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <optional>

class QPainter;

class TGDIPFillPainter {
public:
    TGDIPFillPainter(const TGDIPFill& fill, QPainter& graphics, const TGDIPFill::Overrides& overrides);

    // Draws the fill into r; returns the rectangle the face covers.
    QRectF Paint(QRectF r);

    // The corners a rounding type rounds (gdip::Corner flags).
    static int CornersOf(TGDIPFill::TFillRoundingType type);
    // The rectangle of a picture of `size` placed at `position` in the
    // placement rectangle p; nothing for ppTiled, which only the texture
    // fill draws.
    static std::optional<QRect> PlacePicture(TGDIPFill::TFillPicturePosition position, const QRect& p, QSize size,
                                             QPoint custom);
    // r with x, y, width and height each rounded to whole pixels.
    static QRect PlacementRect(const QRectF& r);

private:
    // One set of face colours: the upper or the lower part's.
    struct ColorSet {
        TColor first;
        TColor second;
        int firstOpacity;
        int secondOpacity;
        TGDIPFill::TGradientType type;
        int hatch;
        bool lower;
    };
    ColorSet UpperSet() const;
    ColorSet LowerSet() const;

    void PaintShadow(const QRectF& r);
    void PaintFace(const QRectF& r);
    void PartFill(const QRectF& q, const ColorSet& set);
    void RadialFill(const QRectF& q, const ColorSet& set, bool anchoredTop, TGDIPFill::TFillRoundingType corners);
    void PaintBorder(const QRectF& r);
    void PaintBorderLine(const QRectF& r);
    void PaintPictures(const QRectF& r);
    bool HasBorder() const;
    QPainterPath Outline(const QRectF& r, TGDIPFill::TFillRoundingType type) const;
    // The corner type of a part fill's shape.
    TGDIPFill::TFillRoundingType PartCorners(const ColorSet& set) const;

    const TGDIPFill& m_fill;
    QPainter& m_g;
    TGDIPFill::Overrides m_overrides;
};
