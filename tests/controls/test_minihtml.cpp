// The mini-HTML renderer, observed from outside: what is drawn where, in
// which colours, and what it measures and hit-tests. Reference images are
// plain runs drawn one after another; the renderer must produce exactly
// the same pixels for marked-up text that means those runs.
#include "MiniHtmlTestKit.h"

#include <gtest/gtest.h>

using namespace kit;

namespace {

const TRect kBox {0, 0, 300, 40};

TCanvasFont With(TCanvasFont f, TFontStyles style, TColor colour = clBlack)
{
    f.Style = style;
    f.Color = colour;
    return f;
}
TCanvasFont Face(const QString& name)
{
    TCanvasFont f = BaseFont();
    f.Name = name;
    return f;
}

// ------------------------------------------------------------ plain text

TEST(MiniHtmlPlain, WordsDrawOnOneLineFromTheLeftEdgePlusOne)
{
    const Rendered out = Render("Hello world", kBox);
    EXPECT_EQ(out.image, Reference({{"Hello "}, {"world"}}, kBox));
    EXPECT_EQ(out.r.ExtentX, Width("Hello ") + Width("world") + 2);
    EXPECT_EQ(out.r.ExtentY, CellHeight(BaseFont()));
    EXPECT_FALSE(out.hit);
}

TEST(MiniHtmlPlain, TooWideWithoutWrapEndsInAnEllipsisAtTheRightEdge)
{
    const QString text = QStringLiteral("A fairly long caption that cannot fit");
    const TRect box {0, 0, 80, 30};
    const Rendered out = Render(text, box, [](TMiniHtmlParams& p) { p.WordWrap = false; });
    EXPECT_EQ(out.image, Reference({{text, BaseFont(), tfEndEllipsis}}, box));
    EXPECT_LT(InkBox(out.image).right(), 80);
    EXPECT_LE(out.r.ExtentX, 79 + 2);
}

TEST(MiniHtmlPlain, EmptyTextMeasuresOneLineHeightAndNoWidth)
{
    for (bool measureOnly : {true, false}) {
        const Rendered out = Render("", kBox, [&](TMiniHtmlParams& p) { p.MeasureOnly = measureOnly; });
        EXPECT_EQ(out.r.ExtentX, 0);
        EXPECT_EQ(out.r.ExtentY, CellHeight(BaseFont()));
        EXPECT_TRUE(InkBox(out.image).isNull());
    }
}

TEST(MiniHtmlPlain, NullCanvasGivesStartValues)
{
    TMiniHtmlParams p;
    p.Text = "x";
    TMiniHtmlResult r;
    r.ExtentX = 77;
    EXPECT_FALSE(RenderMiniHtml(p, r));
    EXPECT_EQ(r.ExtentX, 0);
    EXPECT_EQ(r.AnchorIndexAtPoint, -1);
}

// ------------------------------------------------------------ fonts and styles

TEST(MiniHtmlFonts, FaceAppliesToTheTitleAndTheBaseFaceComesBack)
{
    const TCanvasFont mono = Face("DejaVu Sans Mono");
    const Rendered a = Render("<FONT FACE=\"DejaVu Sans Mono\">iii</FONT>iii", kBox);
    EXPECT_EQ(a.image, Reference({{"iii", mono}, {"iii"}}, kBox));
    EXPECT_EQ(a.r.ExtentX, Width("iii", mono) + Width("iii") + 2);

    // The caption bar's own form: a FONT FACE "Arial" around the title.
    const TCanvasFont arial = Face("Arial");
    const Rendered b = Render("<FONT FACE=\"Arial\">Lumora 1.1</FONT> ready", kBox);
    EXPECT_EQ(b.image, Reference({{"Lumora ", arial}, {"1.1", arial}, {" "}, {"ready"}}, kBox));
}

TEST(MiniHtmlFonts, ClosingBoldRemovesBoldOnly)
{
    const Rendered out = Render("<B><I>x</B>y", kBox);
    EXPECT_EQ(out.image, Reference({{"x", With(BaseFont(), fsBold | fsItalic)}, {"y", With(BaseFont(), fsItalic)}}, kBox));
}

TEST(MiniHtmlFonts, StylesOnAndOff)
{
    struct { QString text; std::vector<kit::Run> runs; } cases[] = {
        {"<U>a</U>b", {{"a", With(BaseFont(), fsUnderline)}, {"b"}}},
        {"<S>a</S>b", {{"a", With(BaseFont(), fsStrikeOut)}, {"b"}}},
        {"<i>a</i>b", {{"a", With(BaseFont(), fsItalic)}, {"b"}}},
        {"<b>a<u>b</b>c", {{"a", With(BaseFont(), fsBold)}, {"b", With(BaseFont(), fsBold | fsUnderline)},
                              {"c", With(BaseFont(), fsUnderline)}}},
    };
    for (const auto& t : cases)
        EXPECT_EQ(Render(t.text, kBox).image, Reference(t.runs, kBox)) << t.text.toStdString();
}

TEST(MiniHtmlFonts, InnerClosingFontGivesTheBaseColourNotTheOuter)
{
    const Rendered out = Render("<FONT COLOR=\"clRed\">a<FONT COLOR=\"clBlue\">b</FONT>c</FONT>d", kBox);
    EXPECT_EQ(out.image, Reference({{"a", With(BaseFont(), {}, clRed)}, {"b", With(BaseFont(), {}, clBlue)}, {"c"}, {"d"}}, kBox));
}

TEST(MiniHtmlFonts, ColourValues)
{
    struct { QString value; bool red; bool blue; } cases[] = {
        {"clRed", true, false}, {"#FF0000", true, false}, {"CLRED", true, false},
        {"red", false, false}, {"#0000FF", false, true}, {"clBlue", false, true},
    };
    for (const auto& t : cases) {
        const Rendered out = Render("<FONT COLOR=\"" + t.value + "\">WWW</FONT>", kBox);
        EXPECT_EQ(CountPixels(out.image, Reddish) > 0, t.red) << t.value.toStdString();
        EXPECT_EQ(CountPixels(out.image, Bluish) > 0, t.blue) << t.value.toStdString();
        EXPECT_GT(CountPixels(out.image, [](QColor c) { return c != Qt::white; }), 0);
    }
}

TEST(MiniHtmlFonts, SizeValues)
{
    const TCanvasFont small = BaseFont(-8); // 6 points
    auto sized = [](int points) {
        TCanvasFont f = BaseFont(-8);
        f.SetSize(points);
        return f;
    };
    struct { QString tag; int points; } cases[] = {
        {"<FONT SIZE=\"3\">", 12}, {"<FONT SIZE=3>", 12}, {"<FONT SIZE=\"7\">", 7}, {"<FONT SIZE=\"1\">", 8},
        {"<FONT SIZE=\"5\">", 16}, {"<font size=\"20\">", 20},
    };
    for (const auto& t : cases) {
        const Rendered out = Render(t.tag + "gh</FONT>", kBox, {}, 320, 120, small);
        EXPECT_EQ(out.r.ExtentY, CellHeight(sized(t.points))) << t.tag.toStdString();
        EXPECT_EQ(out.r.ExtentX, Width("gh", sized(t.points)) + 2) << t.tag.toStdString();
    }
}

// ------------------------------------------------------------ runs and entities

TEST(MiniHtmlRuns, StrayLessThanAndEntities)
{
    struct { QString text; std::vector<kit::Run> runs; } cases[] = {
        {"a < b", {{"a "}}},                 // the "<" swallows the rest: no ">" follows
        {"ab<", {{"ab"}}},                   // a "<" among the last two characters goes
        {"ab<x", {{"ab"}}},
        {"ab<xyz", {{"ab"}}},
        {"&lt;B&gt;", {{"<B>"}}},            // three literal characters, not bold
        {"a<BIG>b", {{"a"}, {"b"}}},          // unknown tags do nothing
        {"a<SPAN class=\"x\">b</SPAN>", {{"a"}, {"b"}}},
        {"x&copy;", {{QString::fromUtf16(u"x\u00A9")}}},
    };
    for (const auto& t : cases)
        EXPECT_EQ(Render(t.text, kBox).image, Reference(t.runs, kBox)) << t.text.toStdString();
}

TEST(MiniHtmlRuns, NonBreakingSpaceNeverBreaks)
{
    const TRect narrow {0, 0, Width("aaaa") + 10, 80};
    const int cell = CellHeight(BaseFont());
    EXPECT_EQ(Render("aaaa&nbsp;bbbb", narrow).r.ExtentY, cell);
    EXPECT_EQ(Render("aaaa bbbb", narrow).r.ExtentY, 2 * cell);
}

TEST(MiniHtmlRuns, SpacedAmpersandMakesAmpersandsLiteral)
{
    // With " & " in the text every "&&" shows as two ampersands.
    const Rendered a = Render("x &amp; y & z", kBox);
    EXPECT_EQ(a.image, Reference({{"x ", BaseFont(), tfNoPrefix}, {"&& ", BaseFont(), tfNoPrefix},
                           {"y ", BaseFont(), tfNoPrefix}, {"& ", BaseFont(), tfNoPrefix}, {"z", BaseFont(), tfNoPrefix}},
        kBox));
    // Without it "&amp;" is one ampersand.
    const Rendered b = Render("x&amp;y", kBox);
    EXPECT_EQ(b.r.ExtentX, Width("x&y", BaseFont(), tfNoPrefix) + 2);
}

TEST(MiniHtmlRuns, CarriageReturnBreaksLineFeedDoesNot)
{
    const int cell = CellHeight(BaseFont());
    EXPECT_EQ(Render("a\r\nb", kBox).r.ExtentY, 2 * cell);
    EXPECT_EQ(Render("a\rb", kBox).r.ExtentY, 2 * cell);
    const Rendered lf = Render("a\nb", kBox);
    EXPECT_EQ(lf.r.ExtentY, cell);
    EXPECT_EQ(lf.image, Reference({{"ab"}}, kBox));
}

TEST(MiniHtmlRuns, HiddenTextTakesNoWidthAndIsNotDrawn)
{
    EXPECT_EQ(Render("a<Z>bbbb</Z>c", kBox).image, Reference({{"a"}, {"c"}}, kBox));
}

// ------------------------------------------------------------ lines

TEST(MiniHtmlLines, OverlongWordStaysAfterTheWordsBeforeIt)
{
    const QString longWord = QStringLiteral("cccccccccccccccccccc");
    const TRect box {0, 0, 60, 80};
    const Rendered out = Render("ab " + longWord + " de", box);
    EXPECT_EQ(out.r.ExtentY, 2 * CellHeight(BaseFont()));
    EXPECT_EQ(out.r.ExtentX, Width("ab ") + Width(longWord + " ") - Width(" ") + 2);
}

TEST(MiniHtmlLines, TrailingBlankCountsForFittingNotForAlignment)
{
    const Rendered plain = Render("abc ", kBox);
    EXPECT_EQ(plain.r.ExtentX, Width("abc ") - Width(" ") + 2);

    const Rendered right = Render("<P ALIGN=\"RIGHT\">abc ", kBox);
    const int lineWidth = Width("abc ") - Width(" ");
    EXPECT_EQ(right.image, Reference({{"abc "}}, kBox, 320, 120, -1, -1, kBox.Right - lineWidth));
}

TEST(MiniHtmlLines, WidestLinePlusTwoAndHeightsAddUp)
{
    const Rendered out = Render("a<BR>wwwww<BR>b", TRect {0, 0, 300, 100});
    EXPECT_EQ(out.r.ExtentX, Width("wwwww") + 2);
    EXPECT_EQ(out.r.ExtentY, 3 * CellHeight(BaseFont()));
    const Rendered spaced = Render("a<BR>b", kBox, [](TMiniHtmlParams& p) { p.LineSpacing = 4; });
    EXPECT_EQ(spaced.r.ExtentY, 2 * (CellHeight(BaseFont()) + 4));
}

TEST(MiniHtmlLines, LinesBelowTheBottomAreDroppedUnlessMeasuring)
{
    const int cell = CellHeight(BaseFont());
    const TRect box {0, 0, 300, cell + cell / 2};
    const Rendered drawn = Render("a<BR>b<BR>c", box);
    EXPECT_EQ(drawn.r.ExtentY, cell);
    EXPECT_TRUE(InkBox(drawn.image, QRect(0, cell, 320, 100)).isNull());
    const Rendered measured = Render("a<BR>b<BR>c", box, [](TMiniHtmlParams& p) { p.MeasureOnly = true; });
    EXPECT_EQ(measured.r.ExtentY, 3 * cell);
    EXPECT_TRUE(InkBox(measured.image).isNull());
}

TEST(MiniHtmlLines, SubscriptEndsWithTheLine)
{
    const Rendered open = Render("a<SUB>b<BR>c", kBox);
    const Rendered closed = Render("a<SUB>b</SUB><BR>c", kBox);
    EXPECT_EQ(open.image, closed.image);
    const int cell = CellHeight(BaseFont());
    EXPECT_EQ(open.r.ExtentY, 2 * cell + cell / 4);
    // The subscript itself sits lower than the text beside it.
    const Rendered sub = Render("a<SUB>b</SUB>", kBox);
    EXPECT_NE(sub.image, Render("ab", kBox).image);
    const int aRight = 1 + Width("a");
    EXPECT_GT(InkBox(sub.image, QRect(aRight, 0, 40, 60)).bottom(), InkBox(sub.image, QRect(0, 0, aRight, 60)).bottom());
}

TEST(MiniHtmlLines, ParagraphAlignmentInMidLineAlignsTheWholeLineAndLaterOnes)
{
    const int cell = CellHeight(BaseFont());
    const Rendered out = Render("abc <P ALIGN=\"RIGHT\">def<BR>ghi", kBox);
    const QRect line1 = InkBox(out.image, QRect(0, 0, 320, cell));
    const QRect line2 = InkBox(out.image, QRect(0, cell, 320, cell));
    EXPECT_GT(line1.left(), 150);
    EXPECT_GE(line1.right(), kBox.Right - 3);
    EXPECT_GT(line2.left(), 200);
    EXPECT_GE(line2.right(), kBox.Right - 3);

    const Rendered centred = Render("<P ALIGN=\"CENTER\">mid", kBox);
    const QRect c = InkBox(centred.image);
    EXPECT_NEAR((c.left() + c.right()) / 2, (kBox.Left + 1 + kBox.Right) / 2, 3);
}

TEST(MiniHtmlLines, IndentedParagraphBreaksInTheIndentedWidth)
{
    // An indented paragraph draws exactly as its text in a box narrowed by
    // the indent: lines break before they reach the right edge.
    const QString words = QStringLiteral("one two three four five six seven eight nine ten eleven");
    struct { int indent; bool wrap; } cases[] = {{0, true}, {25, true}, {70, true}, {70, false}};
    for (const auto& t : cases) {
        auto wrap = [&](TMiniHtmlParams& p) { p.WordWrap = t.wrap; };
        const Rendered indented =
            Render(QStringLiteral("<P INDENT=\"%1\">").arg(t.indent) + words, TRect {0, 0, 200, 120}, wrap);
        const Rendered narrowed = Render(words, TRect {t.indent, 0, 200, 120}, wrap);
        EXPECT_EQ(indented.image, narrowed.image) << t.indent << (t.wrap ? " wrapped" : " one line");
        EXPECT_EQ(indented.r.ExtentY, narrowed.r.ExtentY) << t.indent;
        EXPECT_LE(InkBox(indented.image).right(), 200) << t.indent;
    }
}

TEST(MiniHtmlLines, ListsIndentAndEndLines)
{
    const Rendered out = Render("a<UL><LI>b</UL>", kBox);
    EXPECT_EQ(out.r.ExtentY, 2 * CellHeight(BaseFont()));
    EXPECT_EQ(out.r.ExtentX, std::max(Width("a"), 12 + Width("b")) + 2);
    const QRect bullet = InkBox(out.image, QRect(0, CellHeight(BaseFont()), 13, 40));
    EXPECT_FALSE(bullet.isNull());
}

TEST(MiniHtmlLines, IndentAndOffsetTags)
{
    EXPECT_EQ(Render("<IN x=\"50\">a", kBox).r.ExtentX, 50 + Width("a") + 2);
    EXPECT_GE(InkBox(Render("<IN x=\"50\">a", kBox).image).left(), 50);
    EXPECT_EQ(Render("<IN x=\"50px\">a", kBox).r.ExtentX, Width("a") + 2); // stray characters: ignored
    EXPECT_EQ(Render("<OF x=\"40\">a", kBox).r.ExtentX, 40 + Width("a") + 2);
    EXPECT_GE(InkBox(Render("<OF x=\"40\">a", kBox).image).left(), 40);
}

TEST(MiniHtmlLines, HorizontalRuleUnderTheLine)
{
    const int cell = CellHeight(BaseFont());
    const Rendered out = Render("a<HR>b", kBox);
    EXPECT_EQ(QColor(out.image.pixel(150, cell + 1)), QColor(Qt::black));
    EXPECT_EQ(QColor(out.image.pixel(kBox.Right, cell + 1)), QColor(Qt::white));
}

// ------------------------------------------------------------ colours and backgrounds

TEST(MiniHtmlBackgrounds, BodyColourFillsTheAreaUnlessSelected)
{
    const TRect box {10, 10, 200, 60};
    const Rendered out = Render("<BODY BGCOLOR=\"#00FF00\">x", box);
    EXPECT_EQ(QColor(out.image.pixel(100, 50)), QColor(Qt::green));
    EXPECT_EQ(QColor(out.image.pixel(8, 50)), QColor(Qt::green)); // two pixels left of the area
    EXPECT_EQ(QColor(out.image.pixel(7, 50)), QColor(Qt::white));
    EXPECT_EQ(QColor(out.image.pixel(100, 60)), QColor(Qt::white));
    const Rendered selected = Render("<BODY BGCOLOR=\"#00FF00\">x", box, [](TMiniHtmlParams& p) { p.InSelection = true; });
    EXPECT_EQ(QColor(selected.image.pixel(100, 50)), QColor(Qt::white));
}

TEST(MiniHtmlBackgrounds, BodyGradientRunsByDirection)
{
    const TRect box {0, 0, 128, 64};
    const Rendered h = Render("<BODY BGCOLOR=\"#000000\" BGCOLORTO=\"#FFFFFF\">", box);
    EXPECT_LT(qRed(h.image.pixel(1, 60)), 10);
    EXPECT_GT(qRed(h.image.pixel(126, 2)), 240);
    const Rendered v = Render("<BODY BGCOLOR=\"#000000\" BGCOLORTO=\"#FFFFFF\" DIR=\"V\">", box);
    EXPECT_LT(qRed(v.image.pixel(126, 1)), 10);
    EXPECT_GT(qRed(v.image.pixel(1, 62)), 240);
}

TEST(MiniHtmlBackgrounds, ParagraphAndFontBackgrounds)
{
    const Rendered p = Render("<P BGCOLOR=\"clYellow\">text</P>", kBox);
    EXPECT_EQ(QColor(p.image.pixel(kBox.Right - 1, 1)), QColor(Qt::yellow));
    const Rendered f = Render("<FONT BGCOLOR=\"clYellow\">text</FONT>after", kBox);
    EXPECT_EQ(QColor(f.image.pixel(2, 1)), QColor(Qt::yellow));
    EXPECT_EQ(QColor(f.image.pixel(kBox.Right - 1, 1)), QColor(Qt::white));
    const QRect afterBox(1 + Width("text"), 0, Width("after"), 4);
    EXPECT_EQ(CountPixels(f.image, [](QColor c) { return c == Qt::yellow; }, afterBox), 0);
}

TEST(MiniHtmlBackgrounds, HighlightBlinkShadowAndErrorMark)
{
    const QColor highlight = ToQColor(clHighlight);
    EXPECT_GT(CountPixels(Render("<HI>WW</HI>", kBox).image, [&](QColor c) { return c == highlight; }), 0);

    EXPECT_TRUE(InkBox(Render("<BL>WW</BL>", kBox).image).isNull()); // off phase: background colour
    EXPECT_FALSE(InkBox(Render("<BL>WW</BL>", kBox, [](TMiniHtmlParams& p) { p.BlinkPhase = true; }).image).isNull());

    auto shadowed = [](TMiniHtmlParams& p) {
        p.ShadowColor = clRed;
        p.ShadowOffset = 2;
    };
    EXPECT_GT(CountPixels(Render("<SH>WW</SH>", kBox, shadowed).image, Reddish), 0);
    EXPECT_EQ(CountPixels(Render("WW", kBox, shadowed).image, Reddish), 0);

    const int cell = CellHeight(BaseFont());
    const Rendered e = Render("<E>word</E>", kBox);
    EXPECT_GT(CountPixels(e.image, [](QColor c) { return c == Qt::red; }, QRect(0, cell - 1, 320, 3)), 4);
}

// ------------------------------------------------------------ anchors

const QString kLinkText = QStringLiteral("go <A HREF=\"x1\">here</A> now");

TEST(MiniHtmlAnchors, HitTestFindsTheAnchorUnderThePointAndAMissLeavesTheOutputsAlone)
{
    const int cell = CellHeight(BaseFont());
    const int left = 1 + Width("go ");
    const int right = left + Width("here");
    const int mid = (left + right) / 2;
    const TRect given {-7, -7, -7, -7};
    struct { int x, y, lineSpacing; bool hit; } cases[] = {
        {mid, cell / 2, 0, true},
        {3, cell / 2, 0, false},                          // over "go"
        {right + Width(" now") / 2, cell / 2, 0, false},  // over "now"
        {mid, cell + 5, 0, false},                        // below the line, under the anchor
        {mid, 3, 6, false},                               // in the line's spacing, above the text
        {mid, 6 + cell / 2, 6, true},
    };
    for (const auto& t : cases) {
        TBitmapCanvas canvas(320, 60);
        canvas.SetFont(BaseFont());
        TMiniHtmlParams p;
        p.Canvas = &canvas;
        p.Text = kLinkText;
        p.Bounds = kBox;
        p.PointX = t.x;
        p.PointY = t.y;
        p.LineSpacing = t.lineSpacing;
        p.HitTestOnly = true;
        TMiniHtmlResult r;
        r.AnchorAtPoint = "keep";
        r.AnchorRectAtPoint = given;
        EXPECT_EQ(RenderMiniHtml(p, r), t.hit) << t.x << "," << t.y;
        EXPECT_EQ(r.AnchorAtPoint, t.hit ? "x1" : "keep") << t.x << "," << t.y;
        EXPECT_EQ(r.AnchorIndexAtPoint, t.hit ? 1 : -1) << t.x << "," << t.y;
        EXPECT_EQ(r.AnchorRectAtPoint, (t.hit ? TRect {left, 0, right, cell + t.lineSpacing} : given))
            << t.x << "," << t.y;
        EXPECT_EQ(r.AnchorCount, 1);
        EXPECT_TRUE(InkBox(canvas.Image()).isNull()); // hit-testing draws nothing
    }
}

TEST(MiniHtmlAnchors, PositionalFormGivesTheSameAnswers)
{
    TBitmapCanvas canvas(320, 60);
    canvas.SetFont(BaseFont());
    QString at, focusRef;
    int ex = -5, ey = -5, count = -5, index = -5;
    TRect rect;
    const int x = 1 + Width("go ") + 3;
    const bool hit = RenderMiniHtml(&canvas, kLinkText, kBox, nullptr, x, 5, -1, -1, 0, true, false, false, false,
        false, false, true, 1.0, clBlue, clNone, clNone, clGray, at, focusRef, ex, ey, count, index, rect, nullptr,
        nullptr, 0);
    EXPECT_TRUE(hit);
    EXPECT_EQ(at, "x1");
    EXPECT_EQ(count, 1);
    EXPECT_EQ(index, 1);
    EXPECT_EQ(ey, CellHeight(BaseFont()));
}

TEST(MiniHtmlAnchors, StylingByHoverAndSelection)
{
    const TCanvasFont base = BaseFont();
    struct { const char* name; Tweak tweak; TCanvasFont font; } cases[] = {
        {"every anchor", [](TMiniHtmlParams& p) { p.URLColor = clRed; }, With(base, fsUnderline, clRed)},
        {"hover only, not hovered",
            [](TMiniHtmlParams& p) {
                p.URLColor = clRed;
                p.HoverOnly = true;
            },
            With(base, {}, clRed)},
        {"hovered with hover colour",
            [](TMiniHtmlParams& p) {
                p.URLColor = clRed;
                p.HoverOnly = true;
                p.HoveredAnchor = 1;
                p.HoverFontColor = clBlue;
            },
            With(base, fsUnderline, clBlue)},
        {"in selection", [](TMiniHtmlParams& p) { p.InSelection = true; }, With(base, fsUnderline, clBlack)},
    };
    for (const auto& t : cases)
        EXPECT_EQ(Render("<A HREF=\"u\">link</A>", kBox, t.tweak).image, Reference({{"link", t.font}}, kBox)) << t.name;
}

TEST(MiniHtmlAnchors, FocusFrameAroundTheFocusedAnchor)
{
    const int cell = CellHeight(BaseFont());
    const QString text = QStringLiteral("<A HREF=\"u\">link</A>");
    const Rendered plain = Render(text, kBox);
    const Rendered focused = Render(text, kBox, [](TMiniHtmlParams& p) { p.FocusedAnchor = 0; });
    EXPECT_EQ(focused.r.FocusedAnchorRef, "u");
    EXPECT_TRUE(plain.r.FocusedAnchorRef.isEmpty());
    QRect diff;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 320; ++x)
            if (plain.image.pixel(x, y) != focused.image.pixel(x, y))
                diff |= QRect(x, y, 1, 1);
    EXPECT_EQ(diff, QRect(0, 0, Width("link") + 2, cell));

    // An anchor across a line break gets a frame piece on each line.
    const Rendered two = Render("<A HREF=\"v\">one<BR>two</A>", kBox, [](TMiniHtmlParams& p) { p.FocusedAnchor = 0; });
    const Rendered twoPlain = Render("<A HREF=\"v\">one<BR>two</A>", kBox);
    int line1 = 0, line2 = 0;
    for (int y = 0; y < 2 * cell; ++y)
        for (int x = 0; x < 320; ++x)
            if (two.image.pixel(x, y) != twoPlain.image.pixel(x, y))
                ++(y < cell ? line1 : line2);
    EXPECT_GT(line1, 0);
    EXPECT_GT(line2, 0);
    // A stray closing tag draws no frame of its own.
    EXPECT_EQ(Render("x</A>", kBox, [](TMiniHtmlParams& p) { p.FocusedAnchor = -1; }).image, Reference({{"x"}}, kBox));
}

// ------------------------------------------------------------ images

struct SolidList : TSimpleImageList {
    SolidList(int w, int h, QColor c) : TSimpleImageList(w, h)
    {
        QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
        img.fill(c);
        Add(img);
    }
};

TEST(MiniHtmlImages, ImageListSourcesByIndex)
{
    SolidList list(10, 10, Qt::red);
    auto withList = [&](TMiniHtmlParams& p) { p.Images = &list; };
    const Rendered out = Render("a<IMG SRC=\"IDX:0\">b", kBox, withList);
    const int x = 1 + Width("a");
    EXPECT_EQ(CountPixels(out.image, [](QColor c) { return c == Qt::red; }, QRect(x, 0, 10, 10)), 100);
    EXPECT_EQ(out.r.ExtentX, Width("a") + 10 + Width("b") + 2);

    // Out of range or without a list: nothing drawn, no room taken.
    EXPECT_EQ(Render("a<IMG SRC=\"IDX:5\">b", kBox, withList).image, Reference({{"a"}, {"b"}}, kBox));
    EXPECT_EQ(Render("a<IMG SRC=\"IDX:0\">b", kBox).image, Reference({{"a"}, {"b"}}, kBox));
    EXPECT_EQ(Render("a<IMG SRC=\"SSYS:3\">b", kBox, withList).image, Reference({{"a"}, {"b"}}, kBox));

    // The box follows the surface's pixel density; the printer stretches.
    const Rendered dense = Render("<IMG SRC=\"IDX:0\">", kBox, [&](TMiniHtmlParams& p) {
        p.Images = &list;
        p.Canvas->SetPixelsPerInch(192, 192);
    });
    EXPECT_EQ(dense.r.ExtentX, 20 + 2);
    const Rendered printed = Render("<IMG SRC=\"IDX:0\">", kBox, [&](TMiniHtmlParams& p) {
        p.Images = &list;
        p.ForPrinter = true;
        p.PrintScale = 2.0;
    });
    EXPECT_EQ(CountPixels(printed.image, [](QColor c) { return c == Qt::red; }), 400);
}

TEST(MiniHtmlImages, AnchoredImageIsHit)
{
    SolidList list(10, 10, Qt::red);
    const Rendered out = Render("<A HREF=\"pic\"><IMG SRC=\"IDX:0\"></A>", kBox, [&](TMiniHtmlParams& p) {
        p.Images = &list;
        p.PointX = 6;
        p.PointY = 5;
        p.HitTestOnly = true;
    });
    EXPECT_TRUE(out.hit);
    EXPECT_EQ(out.r.AnchorAtPoint, "pic");
}

struct OneContainer : IPictureContainer {
    THTMLPicture picture;
    IHtmlPicture* FindPicture(const QString& name) override { return name == "logo" ? &picture : nullptr; }
};

TEST(MiniHtmlImages, PicturesFromContainerAndCache)
{
    OneContainer container;
    QImage blue(20, 5, QImage::Format_ARGB32_Premultiplied);
    blue.fill(Qt::blue);
    container.picture.SetImage(blue);
    auto withContainer = [&](TMiniHtmlParams& p) { p.PictureContainer = &container; };
    const Rendered logo = Render("<IMG SRC=\"logo\">", kBox, withContainer);
    EXPECT_EQ(logo.r.ExtentX, 22);
    EXPECT_EQ(CountPixels(logo.image, [](QColor c) { return c == Qt::blue; }), 100);
    EXPECT_EQ(Render("<IMG SRC=\"other\">", kBox, withContainer).r.ExtentX, 0);

    THTMLPictureCache cache;
    int loads = 0;
    cache.Loader = [&](const QString& url) {
        ++loads;
        QImage img(8, 8, QImage::Format_ARGB32_Premultiplied);
        img.fill(url.endsWith("g.png") ? Qt::green : Qt::black);
        return img;
    };
    auto withCache = [&](TMiniHtmlParams& p) { p.PictureCache = &cache; };
    for (int i = 0; i < 2; ++i) {
        const Rendered r = Render("<IMG SRC=\"http://host/g.png\">", kBox, withCache);
        EXPECT_EQ(CountPixels(r.image, [](QColor c) { return c == Qt::green; }), 64);
    }
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(cache.Count(), 1);
    const Rendered stretched = Render("<IMG SRC=\"http://host/g.png\" WIDTH=\"16\" HEIGHT=\"4\">", kBox, withCache);
    EXPECT_EQ(stretched.r.ExtentX, 18);
    EXPECT_EQ(CountPixels(stretched.image, [](QColor c) { return c == Qt::green; }), 64);
}

TEST(MiniHtmlImages, SourceIsCutFromTheTagAsWrittenWhateverComesBeforeIt)
{
    OneContainer container;
    QImage blue(20, 5, QImage::Format_ARGB32_Premultiplied);
    blue.fill(Qt::blue);
    container.picture.SetImage(blue);
    // Characters whose upper case is longer ("ß" -> "SS", "\uFB01" -> "FI")
    // before SRC must not move where its value is cut.
    struct { QString tag; int width, pixels; } cases[] = {
        {"<IMG SRC=\"logo\">", 20, 100},
        {"<IMG ALT=\"\u00DF\" SRC=\"logo\">", 20, 100},
        {"<IMG ALT=\"\u00DF\u00DF \uFB01\" SRC=\"logo\" WIDTH=\"40\" HEIGHT=\"10\">", 40, 400},
        {"<IMG TITLE=\"Stra\u00DFe\" SRC=\"logo\" ALIGN=\"TOP\">", 20, 100},
    };
    for (const auto& t : cases) {
        const Rendered out = Render(t.tag, kBox, [&](TMiniHtmlParams& p) { p.PictureContainer = &container; });
        EXPECT_EQ(out.r.ExtentX, t.width + 2) << t.tag.toStdString();
        EXPECT_EQ(CountPixels(out.image, [](QColor c) { return c == Qt::blue; }), t.pixels)
            << t.tag.toStdString();
    }
}

// ------------------------------------------------------------ the canvas afterwards

TEST(MiniHtmlCanvas, FontFillAndLineComeBack)
{
    TBitmapCanvas canvas(320, 60);
    canvas.SetFont(BaseFont());
    canvas.SetBrushColor(clSilver);
    canvas.SetPenColor(clMaroon);
    TMiniHtmlParams p;
    p.Canvas = &canvas;
    p.Text = "<B><FONT COLOR=\"clRed\" FACE=\"DejaVu Sans Mono\" SIZE=\"5\">x<HR><P BGCOLOR=\"clYellow\">y<R a=\"90\">z";
    p.Bounds = kBox;
    TMiniHtmlResult r;
    RenderMiniHtml(p, r);
    EXPECT_EQ(canvas.Font(), BaseFont());
    EXPECT_EQ(canvas.BrushColor(), clSilver);
    EXPECT_EQ(canvas.BrushStyle(), TBrushStyle::bsSolid);
    EXPECT_EQ(canvas.PenColor(), clMaroon);
}

TEST(MiniHtmlCanvas, OddInputDrawsSomethingOrNothing)
{
    const QString inputs[] = {
        "<", "<<", "</", "</A", "<A", "&", "&&", "<IMG SRC=", "<OF x=\"99999999\">a", "<IN x=\"-5\">a",
        "<R a=\"99999\">a</R></R>", "<UL><UL><UL><LI>a<LI>b</UL></UL></UL></UL>", "<FONT SIZE=99999999>a",
        "<P ALIGN=\"CENTER\" INDENT=\"-9999999\">a", "<BODY BACKGROUND=\"IDX:-1\">", "<SUB><SUP>x</SUP></SUB>",
        "</U></U></U>", "<A HREF=\"</A>", "<LI><LI><LI>", "<E>" + QString(400, 'w'), "<IMG SRC=\"IDX:0\" ALIGN=\"TOP\" WRAP>",
        "<P BGCOLOR=\"#12\" BGCOLORTO=\"\">x</P>y", "<#", "<#>", "\r\r\r\r", "&amp;amp;amp;amp;", "<OF x=\"-99999999\">a",
        "<IMG SRC=\"IDX:0\" WIDTH=\"99999999\" HEIGHT=\"99999999\">",
    };
    SolidList list(10, 10, Qt::red);
    for (const QString& text : inputs) {
        for (int mode = 0; mode < 4; ++mode) {
            const Rendered out = Render(text, kBox, [&](TMiniHtmlParams& p) {
                p.Images = &list;
                p.WordWrap = mode % 2 == 0;
                p.MeasureOnly = mode == 2;
                p.HitTestOnly = mode == 3;
                p.FocusedAnchor = 0;
                p.PrintScale = mode == 1 ? 1e300 : 1.0;
                p.ForPrinter = mode == 1;
            });
            EXPECT_GT(out.r.ExtentY, 0) << text.toStdString();
        }
    }
}

} // namespace
