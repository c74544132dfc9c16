#include "controls/GDIPFill.h"

#include "controls/GDIPFillPainter.h"

#include <algorithm>

TGDIPFill::TGDIPFill(QObject* parent)
    : QObject(parent)
    , m_backGroundPicture(new TFillPicture(this))
    , m_picture(new TFillPicture(this))
{
    m_backGroundPicture->OnChange = [this] { Changed(); };
    m_picture->OnChange = [this] { Changed(); };
}

void TGDIPFill::SetBackGroundPicture(TFillPicture* v)
{
    if (v && v != m_backGroundPicture)
        m_backGroundPicture->Assign(*v);
    else if (!v)
        m_backGroundPicture->Clear();
}

void TGDIPFill::SetPicture(TFillPicture* v)
{
    if (v && v != m_picture)
        m_picture->Assign(*v);
    else if (!v)
        m_picture->Clear();
}

void TGDIPFill::SetByte(int& field, int value)
{
    Set(field, std::clamp(value, 0, 255));
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
