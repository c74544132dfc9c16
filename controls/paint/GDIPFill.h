#pragma once
// The background fill of a smooth label: one or two gradient parts (the
// upper one from Color to ColorTo, the lower one from ColorMirror to
// ColorMirrorTo, both running the same way), rounded corners, a soft shadow,
// a border and two pictures. PaintFill draws it on any QPainter, so it is
// usable without a widget. Every write of a different value raises OnChange.
#include "controls/paint/Color.h"
#include "controls/paint/FillPicture.h"
#include "controls/paint/Property.h"

#include <QObject>
#include <QRectF>
#include <functional>

class QPainter;

class TGDIPFill : public QObject {
    Q_OBJECT
public:
    // Shared by the fill and the smooth label's caption.
    enum TGradientType : quint8 {
        gtSolid, gtRadial, gtVertical, gtHorizontal, gtForwardDiagonal, gtBackwardDiagonal,
        gtAngle, gtHatch, gtPath, gtTexture, gtNone,
    };
    Q_ENUM(TGradientType)
    enum TFillPictureMode : quint8 { pmInsideFill, pmOutsideFill };
    Q_ENUM(TFillPictureMode)
    enum TFillPicturePosition : quint8 {
        ppTopLeft, ppTopCenter, ppTopRight, ppBottomLeft, ppBottomCenter, ppBottomRight,
        ppTiled, ppStretched, ppCenterLeft, ppCenterCenter, ppCenterRight, ppCustom,
    };
    Q_ENUM(TFillPicturePosition)
    enum TFillPictureSize : quint8 { psOriginal, psCustom };
    Q_ENUM(TFillPictureSize)
    enum TFillRoundingType : quint8 { rtNone, rtTop, rtBottom, rtBoth, rtLeft, rtRight };
    Q_ENUM(TFillRoundingType)

public:
    explicit TGDIPFill(QObject* parent = nullptr);

    LUMORA_PROPERTY(TColor, Color, m_color, 0xC0C0C0, Changed())
    LUMORA_PROPERTY(TColor, ColorTo, m_colorTo, 0x808080, Changed())
    LUMORA_PROPERTY(TColor, ColorMirror, m_colorMirror, clNone, Changed())
    LUMORA_PROPERTY(TColor, ColorMirrorTo, m_colorMirrorTo, clNone, Changed())
    LUMORA_PROPERTY(TGradientType, GradientType, m_gradientType, gtVertical, Changed())
    LUMORA_PROPERTY(TGradientType, GradientMirrorType, m_gradientMirrorType, gtSolid, Changed())
    // Hatch style numbers 0..52; other values make no hatch brush.
    LUMORA_PROPERTY(int, HatchStyle, m_hatchStyle, 0, Changed())
    LUMORA_PROPERTY(int, HatchStyleMirror, m_hatchStyleMirror, 0, Changed())
    LUMORA_PROPERTY(TFillPictureMode, BackGroundPictureMode, m_backGroundPictureMode, pmOutsideFill, Changed())
    Q_PROPERTY(TFillPicture* BackGroundPicture READ BackGroundPicture WRITE SetBackGroundPicture)
    LUMORA_PROPERTY(TFillPicturePosition, BackGroundPicturePosition, m_backGroundPicturePosition, ppTopLeft, Changed())
    LUMORA_PROPERTY(int, BackGroundPictureLeft, m_backGroundPictureLeft, 0, Changed())
    LUMORA_PROPERTY(int, BackGroundPictureTop, m_backGroundPictureTop, 0, Changed())
    Q_PROPERTY(TFillPicture* Picture READ Picture WRITE SetPicture)
    LUMORA_PROPERTY(TFillPicturePosition, PicturePosition, m_picturePosition, ppTopLeft, Changed())
    LUMORA_PROPERTY(int, PictureLeft, m_pictureLeft, 0, Changed())
    LUMORA_PROPERTY(int, PictureTop, m_pictureTop, 0, Changed())
    LUMORA_PROPERTY(TFillPictureSize, PictureSize, m_pictureSize, psOriginal, Changed())
    LUMORA_PROPERTY(int, PictureWidth, m_pictureWidth, 50, Changed())
    LUMORA_PROPERTY(int, PictureHeight, m_pictureHeight, 50, Changed())
    Q_PROPERTY(int Opacity READ Opacity WRITE SetOpacity)
    Q_PROPERTY(int OpacityTo READ OpacityTo WRITE SetOpacityTo)
    Q_PROPERTY(int OpacityMirror READ OpacityMirror WRITE SetOpacityMirror)
    Q_PROPERTY(int OpacityMirrorTo READ OpacityMirrorTo WRITE SetOpacityMirrorTo)
    LUMORA_PROPERTY(TColor, BorderColor, m_borderColor, clNone, Changed())
    Q_PROPERTY(int BorderOpacity READ BorderOpacity WRITE SetBorderOpacity)
    LUMORA_PROPERTY(int, BorderWidth, m_borderWidth, 1, Changed())
    LUMORA_PROPERTY(int, Rounding, m_rounding, 0, Changed())
    LUMORA_PROPERTY(TFillRoundingType, RoundingType, m_roundingType, rtBoth, Changed())
    LUMORA_PROPERTY(TColor, ShadowColor, m_shadowColor, 0x808080, Changed())
    LUMORA_PROPERTY(int, ShadowOffset, m_shadowOffset, 0, Changed())
    LUMORA_PROPERTY(int, Angle, m_angle, 0, Changed())

    TFillPicture* BackGroundPicture() const { return m_backGroundPicture; }
    // Copy the picture's content (the fill keeps its own picture objects);
    // every assignment raises the change notice.
    void SetBackGroundPicture(TFillPicture* v) { m_backGroundPicture->Replace(v); }
    TFillPicture* Picture() const { return m_picture; }
    void SetPicture(TFillPicture* v) { m_picture->Replace(v); }
    // Opacities are bytes: values outside 0..255 are clamped.
    int Opacity() const { return m_opacity; }
    void SetOpacity(int v) { SetByte(m_opacity, v); }
    int OpacityTo() const { return m_opacityTo; }
    void SetOpacityTo(int v) { SetByte(m_opacityTo, v); }
    int OpacityMirror() const { return m_opacityMirror; }
    void SetOpacityMirror(int v) { SetByte(m_opacityMirror, v); }
    int OpacityMirrorTo() const { return m_opacityMirrorTo; }
    void SetOpacityMirrorTo(int v) { SetByte(m_opacityMirrorTo, v); }
    int BorderOpacity() const { return m_borderOpacity; }
    void SetBorderOpacity(int v) { SetByte(m_borderOpacity, v); }

    // Copies the other fill's 32 values, each through its setter. The own
    // OnChange stays: it belongs to this fill's owner.
    void Assign(const TGDIPFill& other);

    // Opacity overrides of one drawing: a value below 255 replaces the
    // property, 255 leaves the property in force.
    struct Overrides {
        int BorderOpacity = 255;
        int Opacity = 255;
        int OpacityTo = 255;
        int OpacityMirror = 255;
        int OpacityMirrorTo = 255;
    };
    // Draws the fill into r and returns the rectangle the face covers (r,
    // shrunk by the shadow offset when a shadow is drawn). Throws
    // std::runtime_error("Could not allocate memory for image") when a tiled
    // background picture cannot be decoded.
    QRectF PaintFill(QPainter& graphics, const QRectF& r, const Overrides& overrides) const;
    QRectF PaintFill(QPainter& graphics, const QRectF& r) const;
    QRectF PaintFill(QPainter& graphics, const QRectF& r, int borderOpacity, int opacity, int opacityTo,
                     int opacityMirror, int opacityMirrorTo) const
    {
        return PaintFill(graphics, r, Overrides{borderOpacity, opacity, opacityTo, opacityMirror, opacityMirrorTo});
    }

    // Raised after every change of a value or of one of the two pictures.
    std::function<void()> OnChange;

private:
    void SetByte(int& field, int value);
    void Changed();

    TFillPicture* m_backGroundPicture;
    TFillPicture* m_picture;
    int m_opacity = 255;
    int m_opacityTo = 255;
    int m_opacityMirror = 255;
    int m_opacityMirrorTo = 255;
    int m_borderOpacity = 255;
};

using TGradientType = TGDIPFill::TGradientType;
