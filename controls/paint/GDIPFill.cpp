#include "controls/paint/GDIPFill.h"

#include "controls/paint/GDIPFillPainter.h"
#include "controls/paint/Property.h"

#include <algorithm>

TGDIPFill::TGDIPFill(QObject* parent)
    : QObject(parent)
    , m_backGroundPicture(new TFillPicture(this))
    , m_picture(new TFillPicture(this))
{
    m_backGroundPicture->OnChange = [this] { Changed(); };
    m_picture->OnChange = [this] { Changed(); };
}

void TGDIPFill::SetByte(int& field, int value)
{
    if (SetIfChanged(field, std::clamp(value, 0, 255)))
        Changed();
}

void TGDIPFill::Changed()
{
    if (OnChange)
        OnChange();
}

void TGDIPFill::Assign(const TGDIPFill& o)
{
    if (&o == this)
        return;
    SetColor(o.Color());
    SetColorTo(o.ColorTo());
    SetColorMirror(o.ColorMirror());
    SetColorMirrorTo(o.ColorMirrorTo());
    SetGradientType(o.GradientType());
    SetGradientMirrorType(o.GradientMirrorType());
    SetHatchStyle(o.HatchStyle());
    SetHatchStyleMirror(o.HatchStyleMirror());
    SetBackGroundPictureMode(o.BackGroundPictureMode());
    SetBackGroundPicture(o.BackGroundPicture());
    SetBackGroundPicturePosition(o.BackGroundPicturePosition());
    SetBackGroundPictureLeft(o.BackGroundPictureLeft());
    SetBackGroundPictureTop(o.BackGroundPictureTop());
    SetPicture(o.Picture());
    SetPicturePosition(o.PicturePosition());
    SetPictureLeft(o.PictureLeft());
    SetPictureTop(o.PictureTop());
    SetPictureSize(o.PictureSize());
    SetPictureWidth(o.PictureWidth());
    SetPictureHeight(o.PictureHeight());
    SetOpacity(o.Opacity());
    SetOpacityTo(o.OpacityTo());
    SetOpacityMirror(o.OpacityMirror());
    SetOpacityMirrorTo(o.OpacityMirrorTo());
    SetBorderColor(o.BorderColor());
    SetBorderOpacity(o.BorderOpacity());
    SetBorderWidth(o.BorderWidth());
    SetRounding(o.Rounding());
    SetRoundingType(o.RoundingType());
    SetShadowColor(o.ShadowColor());
    SetShadowOffset(o.ShadowOffset());
    SetAngle(o.Angle());
}

QRectF TGDIPFill::PaintFill(QPainter& graphics, const QRectF& r, const Overrides& overrides) const
{
    return TGDIPFillPainter(*this, graphics, overrides).Paint(r);
}

QRectF TGDIPFill::PaintFill(QPainter& graphics, const QRectF& r) const
{
    return PaintFill(graphics, r, Overrides{});
}
