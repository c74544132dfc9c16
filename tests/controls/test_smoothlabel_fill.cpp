// The smooth label's fill drawn on a plain image: parts, shadow, border,
// overrides, pictures and the change notice.
#include "controls/paint/GDIPDraw.h"
#include "controls/paint/GDIPFill.h"
#include "controls/paint/GDIPFillPainter.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <stdexcept>

namespace {

const QRgb kWhite = qRgb(255, 255, 255);

// Paints the fill over a white image and returns the image; `covered`
// receives PaintFill's result.
QImage Paint(const TGDIPFill& fill, QRectF r, QSize size = {60, 40}, QRectF* covered = nullptr,
             const TGDIPFill::Overrides& overrides = {})
{
    QImage img(size, QImage::Format_ARGB32);
    img.fill(Qt::white);
    QPainter g(&img);
    const QRectF result = fill.PaintFill(g, r, overrides);
    if (covered)
        *covered = result;
    return img;
}

QByteArray Png(QSize size, QColor color)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(color);
    QByteArray bytes;
    QBuffer b(&bytes);
    b.open(QIODevice::WriteOnly);
    img.save(&b, "PNG");
    return bytes;
}

TGDIPFill& Flat(TGDIPFill& f, TColor color)
{
    f.SetGradientType(TGDIPFill::gtSolid);
    f.SetColor(color);
    return f;
}

} // namespace

TEST(GDIPFillFace, OnePartVerticalGradientIsGammaMixedAndUnbordered)
{
    TGDIPFill f;
    QRectF covered;
    const QImage img = Paint(f, QRectF(0, 0, 59, 39), {60, 40}, &covered);
    EXPECT_EQ(covered, QRectF(0, 0, 59, 39));
    // From 0xC0 at the top to 0x80 at the bottom, grey all the way.
    EXPECT_NEAR(qRed(img.pixel(30, 0)), 0xC0, 4);
    EXPECT_NEAR(qRed(img.pixel(30, 38)), 0x80, 5);
    const int middle = qRed(img.pixel(30, 19));
    EXPECT_EQ(middle, qGreen(img.pixel(30, 19)));
    // Mixed in linear light, the middle is lighter than the plain average.
    EXPECT_GT(middle, (0xC0 + 0x80) / 2 + 2);
    EXPECT_EQ(img.pixel(59, 10), kWhite);
}

TEST(GDIPFillFace, TwoPartsRunTheSameWayAndOverlapInTheMiddle)
{
    TGDIPFill f;
    f.SetColor(clRed);
    f.SetColorTo(clRed);
    f.SetColorMirror(clBlue);
    f.SetColorMirrorTo(clLime);
    f.SetGradientMirrorType(TGDIPFill::gtVertical);
    const QImage img = Paint(f, QRectF(0, 0, 60, 40));
    // Upper part red; the lower part starts at h - 1 = 19 in its first colour
    // and runs towards its second colour at the bottom.
    EXPECT_EQ(img.pixel(30, 5), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(30, 19), qRgb(0, 0, 255));
    const QRgb high = img.pixel(30, 21), low = img.pixel(30, 38);
    EXPECT_GT(qBlue(high), qGreen(high));
    EXPECT_GT(qGreen(low), 200);
    EXPECT_GT(qGreen(low), qBlue(low) + 100);
}

TEST(GDIPFillFace, ColorNoneDrawsNothingAndSecondNoneIsSolid)
{
    TGDIPFill f;
    f.SetColor(clNone);
    EXPECT_EQ(Paint(f, QRectF(0, 0, 59, 39)), [] {
        QImage w(60, 40, QImage::Format_ARGB32);
        w.fill(Qt::white);
        return w;
    }());
    f.SetColor(clRed);
    f.SetColorTo(clNone);
    const QImage img = Paint(f, QRectF(0, 0, 59, 39));
    EXPECT_EQ(img.pixel(5, 2), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(5, 37), qRgb(255, 0, 0));
}

TEST(GDIPFillFace, HatchUsesThePatternInForeAndBackColours)
{
    TGDIPFill f;
    f.SetGradientType(TGDIPFill::gtHatch);
    f.SetColor(clBlack);
    f.SetColorTo(clWhite);
    f.SetHatchStyle(0); // horizontal lines every 8 rows
    const QImage img = Paint(f, QRectF(0, 0, 60, 40));
    EXPECT_EQ(img.pixel(10, 8), qRgb(0, 0, 0));
    EXPECT_EQ(img.pixel(10, 9), kWhite);
    EXPECT_EQ(img.pixel(10, 16), qRgb(0, 0, 0));
    // Percentage hatches hold their share of foreground pixels.
    auto share = [](int style) {
        int n = 0;
        for (int y = 0; y < 8; ++y)
            n += __builtin_popcount(gdip::HatchRow(style, y));
        return n;
    };
    EXPECT_EQ(share(12), 32); // 50 percent
    EXPECT_EQ(share(6), 3);   // 5 percent
    EXPECT_FALSE(gdip::HatchBrush(-1, Qt::black, Qt::white));
    EXPECT_FALSE(gdip::HatchBrush(53, Qt::black, Qt::white));
}

TEST(GDIPFillFace, RadialFillHasItsCentreColourAtTheAnchoredEdge)
{
    TGDIPFill f;
    f.SetGradientType(TGDIPFill::gtRadial);
    f.SetColor(clBlue);   // surround
    f.SetColorTo(clRed);  // centre, on the middle of the top edge
    const QImage img = Paint(f, QRectF(0, 0, 60, 40));
    const QRgb centre = img.pixel(30, 0);
    EXPECT_GT(qRed(centre), 200);
    EXPECT_LT(qBlue(centre), 60);
    const QRgb corner = img.pixel(1, 38);
    EXPECT_GT(qBlue(corner), 200);
    EXPECT_LT(qRed(corner), 60);
}

TEST(GDIPFillFace, RoundedCornersLeaveTheCornerPixel)
{
    TGDIPFill f;
    Flat(f, clRed).SetRounding(8);
    QImage img = Paint(f, QRectF(0, 0, 59, 39));
    EXPECT_EQ(img.pixel(0, 0), kWhite);
    EXPECT_EQ(img.pixel(30, 20), qRgb(255, 0, 0));
    f.SetRoundingType(TGDIPFill::rtBottom);
    img = Paint(f, QRectF(0, 0, 59, 39));
    EXPECT_EQ(img.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(0, 38), kWhite);
}

TEST(GDIPFillShadow, ShadowShrinksTheFaceAndShowsRightAndBottom)
{
    TGDIPFill f;
    Flat(f, clRed).SetShadowOffset(5);
    f.SetShadowColor(clBlack);
    QRectF covered;
    const QImage img = Paint(f, QRectF(0, 0, 59, 39), {60, 40}, &covered);
    EXPECT_EQ(covered, QRectF(0, 0, 54, 34));
    EXPECT_EQ(img.pixel(20, 20), qRgb(255, 0, 0));
    // Shadow between the face and the edge: grey-dark, not the face.
    const QRgb right = img.pixel(56, 20);
    EXPECT_LT(qRed(right), 180);
    EXPECT_EQ(qRed(right), qBlue(right));
    // At the outline itself the shadow fades out.
    EXPECT_GT(qRed(img.pixel(58, 38)), qRed(right));
}

TEST(GDIPFillBorder, BorderWidthColourAndOpacityOverride)
{
    TGDIPFill f;
    Flat(f, clWhite).SetBorderColor(clBlue);
    QImage img = Paint(f, QRectF(0, 0, 59, 39));
    EXPECT_EQ(img.pixel(0, 20), qRgb(0, 0, 255));
    EXPECT_EQ(img.pixel(59, 20), qRgb(0, 0, 255));
    EXPECT_EQ(img.pixel(30, 39), qRgb(0, 0, 255));

    // An override below 255 replaces the property for this drawing.
    TGDIPFill::Overrides half;
    half.BorderOpacity = 0;
    img = Paint(f, QRectF(0, 0, 59, 39), {60, 40}, nullptr, half);
    EXPECT_EQ(img.pixel(0, 20), kWhite);

    f.SetBorderWidth(0);
    img = Paint(f, QRectF(0, 0, 59, 39));
    EXPECT_EQ(img.pixel(0, 20), kWhite);
}

TEST(GDIPFillBorder, OneWideRectangleIsOnlyABorderLine)
{
    TGDIPFill f;
    Flat(f, clRed).SetBorderColor(clBlue);
    const QImage img = Paint(f, QRectF(10, 5, 1, 30));
    EXPECT_EQ(img.pixel(10, 20), qRgb(0, 0, 255));
    EXPECT_EQ(img.pixel(12, 20), kWhite);
}

TEST(GDIPFillOverrides, FaceOpacityOverrides)
{
    TGDIPFill f;
    Flat(f, clRed);
    TGDIPFill::Overrides none;
    none.Opacity = 0;
    EXPECT_EQ(Paint(f, QRectF(0, 0, 59, 39), {60, 40}, nullptr, none).pixel(20, 20), kWhite);
    f.SetOpacity(0);
    TGDIPFill::Overrides keep; // 255 leaves the property (0) in force
    EXPECT_EQ(Paint(f, QRectF(0, 0, 59, 39), {60, 40}, nullptr, keep).pixel(20, 20), kWhite);
}

TEST(GDIPFillPictures, PlacementTable)
{
    using F = TGDIPFill;
    const QRect p(10, 20, 100, 50); // left 10, top 20, right 110, bottom 70
    const QSize s(21, 11);
    struct Row {
        F::TFillPicturePosition pos;
        QRect at;
    };
    const Row rows[] = {
        {F::ppTopLeft, {10, 20, 21, 11}},     {F::ppTopCenter, {49, 20, 21, 11}},
        {F::ppTopRight, {89, 20, 21, 11}},    {F::ppBottomLeft, {10, 59, 21, 11}},
        {F::ppBottomCenter, {49, 59, 21, 11}}, {F::ppBottomRight, {89, 59, 21, 11}},
        {F::ppStretched, p},                  {F::ppCenterLeft, {10, 39, 21, 11}},
        {F::ppCenterCenter, {49, 39, 21, 11}}, {F::ppCenterRight, {89, 39, 21, 11}},
        {F::ppCustom, {3, 4, 21, 11}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(TGDIPFillPainter::PlacePicture(row.pos, p, s, QPoint(3, 4)), row.at) << int(row.pos);
    EXPECT_FALSE(TGDIPFillPainter::PlacePicture(F::ppTiled, p, s, {}));
    // Centring rounds toward zero also when the picture is larger.
    EXPECT_EQ(TGDIPFillPainter::PlacePicture(F::ppCenterCenter, QRect(0, 0, 10, 10), QSize(13, 13), {}),
              QRect(-1, -1, 13, 13));
}

TEST(GDIPFillPictures, PictureDrawnAtItsPlaceInItsOwnOrCustomSize)
{
    TGDIPFill f;
    f.SetColor(clNone);
    f.Picture()->SetData(Png({6, 4}, Qt::green));
    f.SetPicturePosition(TGDIPFill::ppBottomRight);
    QImage img = Paint(f, QRectF(0, 0, 59, 39));
    EXPECT_EQ(img.pixel(58, 38), qRgb(0, 255, 0));
    EXPECT_EQ(img.pixel(53, 35), qRgb(0, 255, 0));
    EXPECT_EQ(img.pixel(52, 35), kWhite);
    f.SetPictureSize(TGDIPFill::psCustom);
    f.SetPictureWidth(20);
    f.SetPictureHeight(10);
    img = Paint(f, QRectF(0, 0, 59, 39));
    EXPECT_EQ(img.pixel(40, 30), qRgb(0, 255, 0));
}

TEST(GDIPFillPictures, TiledTextureAndItsError)
{
    TGDIPFill f;
    f.SetGradientType(TGDIPFill::gtTexture);
    f.SetColor(clRed);
    f.SetBackGroundPicturePosition(TGDIPFill::ppTiled);
    f.BackGroundPicture()->SetData(Png({3, 3}, Qt::green));
    const QImage img = Paint(f, QRectF(0, 0, 59, 39));
    EXPECT_EQ(img.pixel(30, 20), qRgb(0, 255, 0));

    f.BackGroundPicture()->SetData("definitely not an image");
    QImage target(60, 40, QImage::Format_ARGB32);
    QPainter g(&target);
    try {
        f.PaintFill(g, QRectF(0, 0, 59, 39));
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Could not allocate memory for image");
    }
}

TEST(GDIPFillProperties, ChangeNoticeOnlyForDifferentValuesAndAssignKeepsOwnNotice)
{
    TGDIPFill a;
    int changes = 0;
    a.OnChange = [&] { ++changes; };
    a.SetColor(0xC0C0C0);
    a.SetOpacity(255);
    EXPECT_EQ(changes, 0);
    a.SetColor(clRed);
    a.SetOpacity(400); // clamped to 255: unchanged
    EXPECT_EQ(changes, 1);
    a.Picture()->SetData("abc");
    EXPECT_EQ(changes, 2);

    TGDIPFill b;
    int bChanges = 0;
    b.OnChange = [&] { ++bChanges; };
    b.SetAngle(30);
    b.SetRoundingType(TGDIPFill::rtLeft);
    b.SetHatchStyleMirror(7);
    b.SetPictureTop(9);
    b.BackGroundPicture()->SetData("xyz");
    bChanges = 0;
    changes = 0;
    a.Assign(b);
    EXPECT_EQ(a.Angle(), 30);
    EXPECT_EQ(a.RoundingType(), TGDIPFill::rtLeft);
    EXPECT_EQ(a.HatchStyleMirror(), 7);
    EXPECT_EQ(a.PictureTop(), 9);
    EXPECT_EQ(a.Color(), 0xC0C0C0);
    EXPECT_TRUE(a.Picture()->Empty());
    EXPECT_EQ(a.BackGroundPicture()->Data(), "xyz");
    EXPECT_GT(changes, 0);
    EXPECT_EQ(bChanges, 0);
}
