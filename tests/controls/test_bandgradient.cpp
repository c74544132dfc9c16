// The band gradient: band colours, band geometry, rounding and limits.
#include "controls/paint/BandGradient.h"
#include "PixelTestKit.h"

#include <gtest/gtest.h>

namespace {

TEST(BandGradient, FourBandsFromBlackToWhiteStopShortOfWhite)
{
    TBitmapCanvas c(8, 2, clRed);
    FillBandGradient(c, clBlack, clWhite, true, TRect {0, 0, 8, 2}, 4);
    // round(i * 255 / 4): 0, 63.75 -> 64, 127.5 -> 128 (half to even), 191.25 -> 191
    struct { int x; int grey; } cases[] = {{0, 0}, {1, 0}, {2, 64}, {3, 64}, {4, 128}, {6, 191}, {7, 191}};
    for (const auto& t : cases)
        EXPECT_EQ(c.PixelAt(t.x, 1), RGB(t.grey, t.grey, t.grey)) << "x=" << t.x;
}

TEST(BandGradient, HalvesRoundToEven)
{
    // Channel steps of 2 / 4: 0, 0.5 -> 0, 1, 1.5 -> 2.
    const int want[] = {0, 0, 1, 2};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(GetRValue(GradientBand(RGB(0, 0, 0), RGB(2, 0, 0), true, TRect {0, 0, 40, 1}, 4, i).Color), want[i]);
}

TEST(BandGradient, BandsOverlapByOnePixelAndStopAtTheFarEdge)
{
    // s = 10 / 3: starts round(0), round(3.33) = 3, round(6.67) = 7; each
    // trunc(s) + 1 = 4 long, the last one cut at the right edge.
    const TRect r {0, 0, 10, 5};
    const TRect want[] = {{0, 0, 4, 5}, {3, 0, 7, 5}, {7, 0, 10, 5}};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(GradientBand(clBlack, clWhite, true, r, 3, i).Rect, want[i]) << i;
}

TEST(BandGradient, VerticalRunsTopToBottomAcrossTheFullWidth)
{
    TBitmapCanvas c(3, 4, clRed);
    FillBandGradient(c, clBlack, RGB(0, 0, 200), false, TRect {0, 0, 3, 4}, 2);
    ExpectPixels(c, {{0, 0, clBlack}, {2, 1, clBlack}, {0, 2, RGB(0, 0, 100)}, {2, 3, RGB(0, 0, 100)}});
}

TEST(BandGradient, ZeroOrNegativeBandsCountAsOne)
{
    for (int n : {0, -3}) {
        TBitmapCanvas c(6, 3);
        FillBandGradient(c, clRed, clBlue, true, TRect {0, 0, 6, 3}, n);
        ExpectPixels(c, {{0, 0, clRed}, {5, 2, clRed}});
    }
}

TEST(BandGradient, SystemColoursAreResolved)
{
    TBitmapCanvas c(4, 1);
    FillBandGradient(c, clBtnFace, clBtnFace, true, TRect {0, 0, 4, 1}, 2);
    EXPECT_EQ(c.PixelAt(3, 0), ColorToRGB(clBtnFace));
}

TEST(BandGradient, LeavesPenAndBrushInTheLastBandsColour)
{
    TBitmapCanvas c(10, 2);
    FillBandGradient(c, clBlack, RGB(100, 0, 0), true, TRect {0, 0, 10, 2}, 2);
    EXPECT_EQ(c.PenColor(), RGB(50, 0, 0));
    EXPECT_EQ(c.BrushColor(), RGB(50, 0, 0));
}

TEST(BandGradient, PaintsNothingOutsideItsRectangle)
{
    TBitmapCanvas c(12, 12);
    FillBandGradient(c, clBlack, clBlack, true, TRect {2, 3, 9, 7}, 5);
    ExpectPixels(c, {{1, 4, clWhite}, {9, 4, clWhite}, {4, 2, clWhite}, {4, 7, clWhite}, {8, 6, clBlack}});
}

TEST(BandGradient, HugeBandCountsAreCappedAndInvertedRectanglesDrawNothing)
{
    TBitmapCanvas c(10, 2);
    FillBandGradient(c, clBlack, clWhite, true, TRect {0, 0, 10, 2}, 2147483647);
    // 65536 bands: pixel 0 keeps the last band that starts at 0 (i = 3276,
    // grey 13); the far pixel is almost but never quite white.
    EXPECT_EQ(c.PixelAt(0, 0), RGB(13, 13, 13));
    EXPECT_LT(GetRValue(c.PixelAt(9, 0)), 255);
    EXPECT_GT(GetRValue(c.PixelAt(9, 0)), 240);
    TBitmapCanvas d(10, 2);
    FillBandGradient(d, clBlack, clBlack, true, TRect {9, 0, 1, 2}, 4);
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(d.PixelAt(x, 0), clWhite) << x;
}

TEST(BandGradient, PainterFormMatchesCanvasForm)
{
    TBitmapCanvas a(20, 4);
    FillBandGradient(a, clRed, clBlue, true, TRect {0, 0, 20, 4}, 7);
    QImage b(20, 4, QImage::Format_ARGB32_Premultiplied);
    b.fill(Qt::white);
    {
        QPainter p(&b);
        FillBandGradient(p, clRed, clBlue, true, TRect {0, 0, 20, 4}, 7);
    }
    EXPECT_EQ(a.Image(), b);
}

} // namespace
