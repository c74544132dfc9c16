// The drawing surface: pixel-exact fills and lines, the focus frame, text
// placement, the mnemonic rule and the ellipsis.
#include "controls/paint/Canvas.h"
#include "PixelTestKit.h"

#include <gtest/gtest.h>

namespace {

// The bounding box of every pixel that is not `background`.
QRect InkBox(const QImage& image, TColor background = clWhite)
{
    const QRgb bg = ToQColor(background).rgb();
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) | 0xFF000000u) != (bg | 0xFF000000u))
                box |= QRect(x, y, 1, 1);
    return box;
}

TCanvasFont TestFont(int height = -16)
{
    TCanvasFont f;
    f.Name = QStringLiteral("Liberation Sans");
    f.Height = height;
    f.Color = clBlack;
    return f;
}

TEST(CanvasRectangle, OutlineAndFillExcludeRightAndBottom)
{
    TBitmapCanvas c(10, 10);
    c.SetPenColor(clRed);
    c.SetBrushColor(clBlue);
    c.Rectangle(2, 2, 6, 5);
    ExpectPixels(c, {
        {2, 2, clRed}, {5, 2, clRed}, {2, 4, clRed}, {5, 4, clRed}, // corners of the outline
        {3, 3, clBlue}, {4, 3, clBlue},                             // interior
        {6, 2, clWhite}, {2, 5, clWhite}, {6, 5, clWhite}, {1, 1, clWhite},
    });
}

TEST(CanvasRectangle, ClearPenFillsOnePixelLess)
{
    TBitmapCanvas c(10, 10);
    c.SetPenStyle(TPenStyle::psClear);
    c.SetBrushColor(clBlue);
    c.Rectangle(2, 2, 6, 5);
    ExpectPixels(c, {{2, 2, clBlue}, {4, 3, clBlue}, {5, 3, clWhite}, {4, 4, clWhite}});
}

TEST(CanvasRectangle, EmptyInvertedAndNoneDrawNothing)
{
    TBitmapCanvas c(10, 10);
    c.SetPenColor(clRed);
    c.SetBrushColor(clBlue);
    c.Rectangle(5, 5, 5, 8);
    c.Rectangle(6, 6, 2, 2);
    c.SetBrushColor(clNone);
    c.SetPenColor(clNone);
    c.Rectangle(0, 0, 10, 10);
    EXPECT_TRUE(InkBox(c.Image()).isNull());
}

TEST(CanvasRectangle, ClearBrushLeavesInteriorAndOutlinesOnly)
{
    TBitmapCanvas c(10, 10);
    c.SetBrushColor(clBlue);
    c.SetBrushStyle(TBrushStyle::bsClear);
    c.SetPenColor(clRed);
    c.Rectangle(1, 1, 8, 8);
    ExpectPixels(c, {{1, 1, clRed}, {7, 4, clRed}, {4, 4, clWhite}});
}

TEST(CanvasLines, LastPointIsNotDrawnInAnyDirection)
{
    struct { QPoint from, to; QList<QPoint> drawn; QPoint notDrawn; } cases[] = {
        {{1, 1}, {5, 1}, {{1, 1}, {4, 1}}, {5, 1}},
        {{5, 1}, {1, 1}, {{5, 1}, {2, 1}}, {1, 1}},
        {{2, 0}, {2, 4}, {{2, 0}, {2, 3}}, {2, 4}},
        {{2, 6}, {2, 2}, {{2, 6}, {2, 3}}, {2, 2}},
        {{0, 0}, {4, 4}, {{0, 0}, {1, 1}, {3, 3}}, {4, 4}},
        {{4, 0}, {0, 4}, {{4, 0}, {1, 3}}, {0, 4}},
    };
    for (const auto& t : cases) {
        TBitmapCanvas c(8, 8);
        c.SetPenColor(clRed);
        c.MoveTo(t.from.x(), t.from.y());
        c.LineTo(t.to.x(), t.to.y());
        for (const QPoint& p : t.drawn)
            EXPECT_EQ(c.PixelAt(p.x(), p.y()), clRed) << p.x() << "," << p.y();
        EXPECT_EQ(c.PixelAt(t.notDrawn.x(), t.notDrawn.y()), clWhite);
        EXPECT_EQ(c.PenPos(), t.to);
    }
}

TEST(CanvasLines, DottedPenDrawsEveryOtherPixel)
{
    TBitmapCanvas c(10, 3);
    c.SetPenColor(clBlack);
    c.SetPenStyle(TPenStyle::psDot);
    c.MoveTo(0, 1);
    c.LineTo(9, 2); // a shallow diagonal goes through the general path
    int drawn = 0;
    for (int x = 0; x < 10; ++x)
        for (int y = 0; y < 3; ++y)
            drawn += c.PixelAt(x, y) == clBlack;
    EXPECT_EQ(drawn, 5);
}

TEST(CanvasFocusFrame, InvertsAlternatePixelsAndUndoesItself)
{
    TBitmapCanvas c(12, 12, clWhite);
    const TRect r {2, 2, 10, 8};
    c.DrawFocusRect(r);
    ExpectPixels(c, {
        {2, 2, clBlack},  // x + y even
        {3, 2, clWhite},  // x + y odd
        {9, 7, clBlack},  // bottom-right corner, 16 is even
        {8, 7, clWhite},
        {9, 4, clWhite},  // right edge, odd
        {4, 4, clWhite},  // inside stays
        {10, 2, clWhite}, // right edge is exclusive
    });
    EXPECT_EQ(InkBox(c.Image()), QRect(2, 2, 8, 6));
    c.DrawFocusRect(r);
    EXPECT_TRUE(InkBox(c.Image()).isNull());
}

TEST(CanvasClip, FillsOutsideTheClipAreDropped)
{
    TBitmapCanvas c(10, 10);
    c.SetClipRect(TRect {0, 0, 5, 5});
    c.SetBrushColor(clRed);
    c.FillRect(TRect {0, 0, 10, 10});
    ExpectPixels(c, {{4, 4, clRed}, {5, 5, clWhite}});
    c.SetClipRect(std::nullopt);
    c.SetBrushColor(clBlue);
    c.FillRect(TRect {8, 8, 9, 9});
    EXPECT_EQ(c.PixelAt(8, 8), clBlue);
}

TEST(CanvasMnemonics, AmpersandRule)
{
    struct { QString in, shown; int underline; } cases[] = {
        {"&File", "File", 0}, {"a&&b", "a&b", -1}, {"&&&x", "&x", 1}, {"end&", "end", -1},
        {"", "", -1}, {"no amp", "no amp", -1}, {"&a&b", "ab", 1},
    };
    for (const auto& t : cases) {
        const TMnemonicText m = ApplyMnemonicRule(t.in);
        EXPECT_EQ(m.Shown, t.shown) << t.in.toStdString();
        EXPECT_EQ(m.Underline, t.underline) << t.in.toStdString();
    }
}

TEST(CanvasText, MeasuringFollowsTheMnemonicRuleUnlessNoPrefix)
{
    TBitmapCanvas c(200, 40);
    c.SetFont(TestFont());
    TRect a {0, 0, 200, 40}, b = a, d = a;
    c.DrawText(QStringLiteral("x&&y"), a, tfSingleLine | tfCalcRect);
    c.DrawText(QStringLiteral("x&y"), b, tfSingleLine | tfCalcRect | tfNoPrefix);
    c.DrawText(QStringLiteral("x&&y"), d, tfSingleLine | tfCalcRect | tfNoPrefix);
    EXPECT_EQ(a.Width(), b.Width());
    EXPECT_GT(d.Width(), a.Width());
    EXPECT_EQ(a.Height(), c.TextHeight("x"));
}

TEST(CanvasText, ExternalLeadingOnlyWhenAsked)
{
    TBitmapCanvas c(200, 40);
    c.SetFont(TestFont());
    TRect a {0, 0, 200, 40}, b = a;
    c.DrawText("gh", a, tfSingleLine | tfCalcRect);
    c.DrawText("gh", b, tfSingleLine | tfCalcRect | tfExternalLeading);
    EXPECT_EQ(b.Height(), a.Height() + c.ExternalLeading());
}

TEST(CanvasText, BottomAlignedInItsRectangle)
{
    TBitmapCanvas c(200, 60);
    c.SetFont(TestFont());
    c.SetBkMode(TBkMode::bkTransparent);
    TRect r {10, 0, 200, 50};
    c.DrawText("Hg", r, tfSingleLine | tfBottom);
    const QRect ink = InkBox(c.Image());
    ASSERT_FALSE(ink.isNull());
    EXPECT_LE(ink.bottom(), 49);
    EXPECT_GE(ink.top(), 50 - c.TextHeight("Hg"));
    EXPECT_GE(ink.left(), 10);
}

TEST(CanvasText, EllipsisKeepsTheTextInsideItsRectangle)
{
    TBitmapCanvas c(300, 30);
    c.SetFont(TestFont());
    c.SetBkMode(TBkMode::bkTransparent);
    const QString longText = QStringLiteral("A fairly long caption that cannot fit");
    TRect measure {0, 0, 80, 30};
    c.DrawText(longText, measure, tfSingleLine | tfCalcRect | tfEndEllipsis);
    EXPECT_LE(measure.Width(), 80);
    EXPECT_GT(measure.Width(), c.TextWidth("..."));
    TRect r {0, 0, 80, 30};
    c.DrawText(longText, r, tfSingleLine | tfEndEllipsis);
    const QRect ink = InkBox(c.Image());
    EXPECT_LT(ink.right(), 80);
    EXPECT_GT(ink.right(), 40);
    // Without the ellipsis the text is clipped at the same edge.
    TBitmapCanvas plain(300, 30);
    plain.SetFont(TestFont());
    TRect p {0, 0, 80, 30};
    plain.DrawText(longText, p, tfSingleLine);
    EXPECT_LT(InkBox(plain.Image()).right(), 80);
    EXPECT_NE(plain.Image(), c.Image());
}

TEST(CanvasText, OpaqueOnSolidBrushTransparentOnClear)
{
    TBitmapCanvas c(100, 30);
    c.SetFont(TestFont());
    c.SetBrushColor(clYellow);
    TRect r {0, 0, 100, 30};
    c.DrawText("ab", r, tfSingleLine);
    ExpectPixels(c, {{1, 1, clYellow}, {99, 1, clWhite}}); // white: only the text's own box
    TBitmapCanvas t(100, 30);
    t.SetFont(TestFont());
    t.SetBrushColor(clYellow);
    t.SetBrushStyle(TBrushStyle::bsClear);
    TRect r2 {0, 0, 100, 30};
    t.DrawText("ab", r2, tfSingleLine);
    EXPECT_EQ(t.PixelAt(1, 1), clWhite);
}

TEST(CanvasText, TabsExpandToEightAverageCharacters)
{
    TBitmapCanvas c(400, 30);
    c.SetFont(TestFont());
    TRect a {0, 0, 400, 30}, b = a;
    c.DrawText("a\tb", a, tfSingleLine | tfCalcRect | tfExpandTabs);
    c.DrawText("ab", b, tfSingleLine | tfCalcRect | tfExpandTabs);
    const int tab = 8 * QFontMetrics(TestFont().ToQFont()).averageCharWidth();
    EXPECT_EQ(a.Width(), tab + c.TextWidth("b"));
    EXPECT_LT(b.Width(), a.Width());

    // Drawn, the run after the tab stands where it was measured.
    TBitmapCanvas tabbed(400, 30), apart(400, 30);
    for (TBitmapCanvas* canvas : {&tabbed, &apart}) {
        canvas->SetFont(TestFont());
        canvas->SetBkMode(TBkMode::bkTransparent);
    }
    TRect whole {0, 0, 400, 30}, first = whole, second {tab, 0, 400, 30};
    tabbed.DrawText("a\tb", whole, tfSingleLine | tfExpandTabs);
    apart.DrawText("a", first, tfSingleLine);
    apart.DrawText("b", second, tfSingleLine);
    EXPECT_EQ(tabbed.Image(), apart.Image());
}

TEST(CanvasText, TurnedFontDrawsUpwards)
{
    TBitmapCanvas c(100, 120);
    TCanvasFont f = TestFont();
    f.Orientation = 900;
    c.SetFont(f);
    c.SetBkMode(TBkMode::bkTransparent);
    c.TextOut(30, 100, "Rotated");
    const QRect ink = InkBox(c.Image());
    ASSERT_FALSE(ink.isNull());
    EXPECT_GT(ink.height(), 2 * ink.width());
    EXPECT_LE(ink.bottom(), 100);
}

TEST(CanvasHelpers, MulDivRoundsHalfAwayFromZero)
{
    struct { int a, b, c, want; } cases[] = {
        {10, 96, 96, 10}, {7, 3, 2, 11}, {-7, 3, 2, -11}, {5, 120, 96, 6}, {1, 1, 0, -1}, {16, 144, 96, 24},
    };
    for (const auto& t : cases)
        EXPECT_EQ(MulDiv(t.a, t.b, t.c), t.want) << t.a << "*" << t.b << "/" << t.c;
}

TEST(CanvasFontValue, SizeAndTFontRoundTrip)
{
    TCanvasFont f;
    f.SetSize(12);
    EXPECT_EQ(f.Height, -16);
    EXPECT_EQ(f.Size(), 12);
    TFont font;
    font.SetName("Tahoma");
    font.SetHeight(-13);
    font.SetStyle(fsBold);
    font.SetColor(clRed);
    const TCanvasFont v = TCanvasFont::From(font);
    EXPECT_EQ(v.Name, "Tahoma");
    EXPECT_EQ(v.Height, -13);
    EXPECT_EQ(v.Color, clRed);
    EXPECT_TRUE(v.Style.testFlag(fsBold));
    EXPECT_EQ(v.ToQFont().pixelSize(), 13);
    EXPECT_TRUE(v.ToQFont().bold());
}

TEST(CanvasDensity, ImagesDefaultTo96AndCanBeSet)
{
    TBitmapCanvas c(4, 4);
    EXPECT_GT(c.PixelsPerInchX(), 0);
    c.SetPixelsPerInch(144, 120);
    EXPECT_EQ(c.PixelsPerInchX(), 144);
    EXPECT_EQ(c.PixelsPerInchY(), 120);
    c.SetPixelsPerInch(0, -5);
    EXPECT_EQ(c.PixelsPerInchX(), 96);
}

} // namespace

namespace {

// The text as the painter itself draws it, top-left at (x, top).
QImage PainterDrawn(const QString& text, const TCanvasFont& font, int x, int top, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    const QFont qf = font.ToQFont();
    p.setFont(qf);
    p.setPen(Qt::black);
    p.drawText(QPoint(x, top + QFontMetrics(qf, &image).ascent()), text);
    return image;
}

} // namespace

// Shaped texts are kept per font and reused: what is drawn from them must be
// what the painter draws, in every font, however often the text comes back.
TEST(CanvasShapedText, ReusedGlyphsDrawWhatThePainterDraws)
{
    const QString texts[] = {QStringLiteral("Lumora"), QStringLiteral("  leading and trailing  "),
                             QStringLiteral("d\u00e9j\u00e0 vu 42"), QStringLiteral("W"),
                             QStringLiteral("one line\nnot two"), QStringLiteral("still\u2028one")};
    TCanvasFont bold = TestFont(-13);
    bold.Style = TFontStyles(fsBold);
    for (const TCanvasFont& font : {TestFont(), bold}) {
        for (const QString& text : texts) {
            SCOPED_TRACE(text.toStdString());
            const QImage expected = PainterDrawn(text, font, 7, 4, QSize(300, 30));
            for (int round = 0; round < 3; ++round) { // the first draw shapes, the rest reuse
                TBitmapCanvas c(300, 30);
                c.SetFont(font);
                c.SetBkMode(TBkMode::bkTransparent);
                c.TextOut(7, 4, text);
                EXPECT_EQ(c.Image(), expected) << "round " << round;
                EXPECT_EQ(c.TextWidth(text), QFontMetrics(font.ToQFont()).horizontalAdvance(text));
            }
        }
    }
}

TEST(CanvasShapedText, EachFontKeepsItsOwnWidths)
{
    TBitmapCanvas c(300, 30);
    TCanvasFont regular = TestFont();
    TCanvasFont bold = regular;
    bold.Style = TFontStyles(fsBold);
    const QString word = QStringLiteral("Wordwide");
    c.SetFont(regular);
    const int w1 = c.TextWidth(word);
    c.SetFont(bold);
    const int wb = c.TextWidth(word);
    c.SetFont(regular);
    EXPECT_EQ(c.TextWidth(word), w1);
    EXPECT_GT(wb, w1);
    EXPECT_EQ(wb, QFontMetrics(bold.ToQFont()).horizontalAdvance(word));
}

TEST(CanvasShapedText, ACanvasOutlivesItsFontLeavingTheSharedTable)
{
    // One canvas holds a font while another builds more fonts than the
    // shared table keeps: the first still measures and draws in its own.
    TBitmapCanvas holder(200, 30);
    holder.SetFont(TestFont(-15));
    holder.SetBkMode(TBkMode::bkTransparent);
    const int before = holder.TextWidth("held");
    {
        TBitmapCanvas other(10, 10);
        for (int h = -40; h < -8; ++h) {
            other.SetFont(TestFont(h));
            other.TextWidth("x");
        }
    }
    EXPECT_EQ(holder.TextWidth("held"), before);
    holder.TextOut(0, 0, "held");
    EXPECT_EQ(holder.Image(), PainterDrawn("held", TestFont(-15), 0, 0, QSize(200, 30)));
}
