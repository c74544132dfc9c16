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

private:
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(TColor ColorTo READ ColorTo WRITE SetColorTo)
    Q_PROPERTY(TColor ColorMirror READ ColorMirror WRITE SetColorMirror)
    Q_PROPERTY(TColor ColorMirrorTo READ ColorMirrorTo WRITE SetColorMirrorTo)
    Q_PROPERTY(TGradientType GradientType READ GradientType WRITE SetGradientType)
    Q_PROPERTY(TGradientType GradientMirrorType READ GradientMirrorType WRITE SetGradientMirrorType)
    Q_PROPERTY(int HatchStyle READ HatchStyle WRITE SetHatchStyle)
    Q_PROPERTY(int HatchStyleMirror READ HatchStyleMirror WRITE SetHatchStyleMirror)
    Q_PROPERTY(TFillPictureMode BackGroundPictureMode READ BackGroundPictureMode WRITE SetBackGroundPictureMode)
    Q_PROPERTY(TFillPicture* BackGroundPicture READ BackGroundPicture WRITE SetBackGroundPicture)
    Q_PROPERTY(TFillPicturePosition BackGroundPicturePosition READ BackGroundPicturePosition WRITE SetBackGroundPicturePosition)
    Q_PROPERTY(int BackGroundPictureLeft READ BackGroundPictureLeft WRITE SetBackGroundPictureLeft)
    Q_PROPERTY(int BackGroundPictureTop READ BackGroundPictureTop WRITE SetBackGroundPictureTop)
    Q_PROPERTY(TFillPicture* Picture READ Picture WRITE SetPicture)
    Q_PROPERTY(TFillPicturePosition PicturePosition READ PicturePosition WRITE SetPicturePosition)
    Q_PROPERTY(int PictureLeft READ PictureLeft WRITE SetPictureLeft)
    Q_PROPERTY(int PictureTop READ PictureTop WRITE SetPictureTop)
    Q_PROPERTY(TFillPictureSize PictureSize READ PictureSize WRITE SetPictureSize)
    Q_PROPERTY(int PictureWidth READ PictureWidth WRITE SetPictureWidth)
    Q_PROPERTY(int PictureHeight READ PictureHeight WRITE SetPictureHeight)
    Q_PROPERTY(int Opacity READ Opacity WRITE SetOpacity)
    Q_PROPERTY(int OpacityTo READ OpacityTo WRITE SetOpacityTo)
    Q_PROPERTY(int OpacityMirror READ OpacityMirror WRITE SetOpacityMirror)
    Q_PROPERTY(int OpacityMirrorTo READ OpacityMirrorTo WRITE SetOpacityMirrorTo)
    Q_PROPERTY(TColor BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(int BorderOpacity READ BorderOpacity WRITE SetBorderOpacity)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
    Q_PROPERTY(int Rounding READ Rounding WRITE SetRounding)
    Q_PROPERTY(TFillRoundingType RoundingType READ RoundingType WRITE SetRoundingType)
    Q_PROPERTY(TColor ShadowColor READ ShadowColor WRITE SetShadowColor)
    Q_PROPERTY(int ShadowOffset READ ShadowOffset WRITE SetShadowOffset)
    Q_PROPERTY(int Angle READ Angle WRITE SetAngle)

public:
    explicit TGDIPFill(QObject* parent = nullptr);

    TColor Color() const { return m_color; }
    void SetColor(TColor v) { if (SetIfChanged(m_color, v)) Changed(); }
    TColor ColorTo() const { return m_colorTo; }
    void SetColorTo(TColor v) { if (SetIfChanged(m_colorTo, v)) Changed(); }
    TColor ColorMirror() const { return m_colorMirror; }
    void SetColorMirror(TColor v) { if (SetIfChanged(m_colorMirror, v)) Changed(); }
    TColor ColorMirrorTo() const { return m_colorMirrorTo; }
    void SetColorMirrorTo(TColor v) { if (SetIfChanged(m_colorMirrorTo, v)) Changed(); }
    TGradientType GradientType() const { return m_gradientType; }
    void SetGradientType(TGradientType v) { if (SetIfChanged(m_gradientType, v)) Changed(); }
    TGradientType GradientMirrorType() const { return m_gradientMirrorType; }
    void SetGradientMirrorType(TGradientType v) { if (SetIfChanged(m_gradientMirrorType, v)) Changed(); }
    // Hatch style numbers 0..52; other values make no hatch brush.
    int HatchStyle() const { return m_hatchStyle; }
    void SetHatchStyle(int v) { if (SetIfChanged(m_hatchStyle, v)) Changed(); }
    int HatchStyleMirror() const { return m_hatchStyleMirror; }
    void SetHatchStyleMirror(int v) { if (SetIfChanged(m_hatchStyleMirror, v)) Changed(); }
    TFillPictureMode BackGroundPictureMode() const { return m_backGroundPictureMode; }
    void SetBackGroundPictureMode(TFillPictureMode v) { if (SetIfChanged(m_backGroundPictureMode, v)) Changed(); }
    TFillPicture* BackGroundPicture() const { return m_backGroundPicture; }
    // Copies the picture's content (the fill keeps its own picture object).
    void SetBackGroundPicture(TFillPicture* v);
    TFillPicturePosition BackGroundPicturePosition() const { return m_backGroundPicturePosition; }
    void SetBackGroundPicturePosition(TFillPicturePosition v) { if (SetIfChanged(m_backGroundPicturePosition, v)) Changed(); }
    int BackGroundPictureLeft() const { return m_backGroundPictureLeft; }
    void SetBackGroundPictureLeft(int v) { if (SetIfChanged(m_backGroundPictureLeft, v)) Changed(); }
    int BackGroundPictureTop() const { return m_backGroundPictureTop; }
    void SetBackGroundPictureTop(int v) { if (SetIfChanged(m_backGroundPictureTop, v)) Changed(); }
    TFillPicture* Picture() const { return m_picture; }
    void SetPicture(TFillPicture* v);
    TFillPicturePosition PicturePosition() const { return m_picturePosition; }
    void SetPicturePosition(TFillPicturePosition v) { if (SetIfChanged(m_picturePosition, v)) Changed(); }
    int PictureLeft() const { return m_pictureLeft; }
    void SetPictureLeft(int v) { if (SetIfChanged(m_pictureLeft, v)) Changed(); }
    int PictureTop() const { return m_pictureTop; }
    void SetPictureTop(int v) { if (SetIfChanged(m_pictureTop, v)) Changed(); }
    TFillPictureSize PictureSize() const { return m_pictureSize; }
    void SetPictureSize(TFillPictureSize v) { if (SetIfChanged(m_pictureSize, v)) Changed(); }
    int PictureWidth() const { return m_pictureWidth; }
    void SetPictureWidth(int v) { if (SetIfChanged(m_pictureWidth, v)) Changed(); }
    int PictureHeight() const { return m_pictureHeight; }
    void SetPictureHeight(int v) { if (SetIfChanged(m_pictureHeight, v)) Changed(); }
    // Opacities are bytes: values outside 0..255 are clamped.
    int Opacity() const { return m_opacity; }
    void SetOpacity(int v) { SetByte(m_opacity, v); }
    int OpacityTo() const { return m_opacityTo; }
    void SetOpacityTo(int v) { SetByte(m_opacityTo, v); }
    int OpacityMirror() const { return m_opacityMirror; }
    void SetOpacityMirror(int v) { SetByte(m_opacityMirror, v); }
    int OpacityMirrorTo() const { return m_opacityMirrorTo; }
    void SetOpacityMirrorTo(int v) { SetByte(m_opacityMirrorTo, v); }
    TColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor v) { if (SetIfChanged(m_borderColor, v)) Changed(); }
    int BorderOpacity() const { return m_borderOpacity; }
    void SetBorderOpacity(int v) { SetByte(m_borderOpacity, v); }
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int v) { if (SetIfChanged(m_borderWidth, v)) Changed(); }
    int Rounding() const { return m_rounding; }
    void SetRounding(int v) { if (SetIfChanged(m_rounding, v)) Changed(); }
    TFillRoundingType RoundingType() const { return m_roundingType; }
    void SetRoundingType(TFillRoundingType v) { if (SetIfChanged(m_roundingType, v)) Changed(); }
    TColor ShadowColor() const { return m_shadowColor; }
    void SetShadowColor(TColor v) { if (SetIfChanged(m_shadowColor, v)) Changed(); }
    int ShadowOffset() const { return m_shadowOffset; }
    void SetShadowOffset(int v) { if (SetIfChanged(m_shadowOffset, v)) Changed(); }
    int Angle() const { return m_angle; }
    void SetAngle(int v) { if (SetIfChanged(m_angle, v)) Changed(); }

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

    TColor m_color = 0xC0C0C0;
    TColor m_colorTo = 0x808080;
    TColor m_colorMirror = clNone;
    TColor m_colorMirrorTo = clNone;
    TGradientType m_gradientType = gtVertical;
    TGradientType m_gradientMirrorType = gtSolid;
    int m_hatchStyle = 0;
    int m_hatchStyleMirror = 0;
    TFillPictureMode m_backGroundPictureMode = pmOutsideFill;
    TFillPicture* m_backGroundPicture;
    TFillPicturePosition m_backGroundPicturePosition = ppTopLeft;
    int m_backGroundPictureLeft = 0;
    int m_backGroundPictureTop = 0;
    TFillPicture* m_picture;
    TFillPicturePosition m_picturePosition = ppTopLeft;
    int m_pictureLeft = 0;
    int m_pictureTop = 0;
    TFillPictureSize m_pictureSize = psOriginal;
    int m_pictureWidth = 50;
    int m_pictureHeight = 50;
    int m_opacity = 255;
    int m_opacityTo = 255;
    int m_opacityMirror = 255;
    int m_opacityMirrorTo = 255;
    TColor m_borderColor = clNone;
    int m_borderOpacity = 255;
    int m_borderWidth = 1;
    int m_rounding = 0;
    TFillRoundingType m_roundingType = rtBoth;
    TColor m_shadowColor = 0x808080;
    int m_shadowOffset = 0;
    int m_angle = 0;
};

using TGradientType = TGDIPFill::TGradientType;
