// What the grids draw, checked on their pixels: the colour handler and the
// selection colours, grid lines, text placement, the focus frame, marked-up
// cells, the style table and what a change repaints.
#include "controls/grid/GridPainter.h"
#include "controls/grid/StringGrid.h"
#include "controls/grid/StyledStringGrid.h"
#include "GridFocusHost.h"
#include "WheelTestKit.h"
#include "tests/support/WordListGrid.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>
#include <map>
#include <source_location>
#include <string>
#include <utility>

namespace {

// The word list with the colours of the window's form file.
void ConfigureWordList(TStyledStringGrid& g)
{
    ShapeLikeTheWordList(g);
    g.SetRowCount(100);
    g.SetGridLineColor(0xE5D7D0);
    g.SetSelectionColor(0x5EC1F1);
    g.SetSelectionTextColor(0x000000);
}

QImage Render(QWidget& w)
{
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TColor PixelAt(const QImage& img, int x, int y)
{
    return FromQColor(img.pixelColor(x, y));
}

int CountPixels(const QImage& img, const QRect& area, TColor color)
{
    const TColor want = ColorToRGB(color);
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (PixelAt(img, x, y) == want)
                ++n;
    return n;
}

// The bounding box of every pixel that differs from the ground colour.
QRect InkBox(const QImage& img, const QRect& area, TColor ground)
{
    const TColor g = ColorToRGB(ground);
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (PixelAt(img, x, y) != g)
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

int InkCount(const QImage& img, const QRect& area, TColor ground)
{
    const TColor g = ColorToRGB(ground);
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += PixelAt(img, x, y) != g;
    return n;
}

// The text part of row r of the word list (inside its grid lines).
QRect TextAreaOfRow(int r)
{
    return QRect(3, 3 + 20 * r, 138, 18);
}

TColor Inverted(TColor c)
{
    return ColorToRGB(c) ^ 0xFFFFFF;
}

// Row r of the word list as drawn: its ground right of the text, more than
// ten pixels of its text colour, and none of the colour its text must not
// have.
void ExpectRowDrawn(const QImage& img, int row, TColor ground, TColor text, TColor notText,
                    std::source_location where = std::source_location::current())
{
    const testing::ScopedTrace trace(where.file_name(), int(where.line()), "row " + std::to_string(row));
    EXPECT_EQ(PixelAt(img, 130, 12 + 20 * row), ColorToRGB(ground));
    EXPECT_GT(CountPixels(img, TextAreaOfRow(row), text), 10);
    EXPECT_EQ(CountPixels(img, TextAreaOfRow(row), notText), 0);
}

} // namespace

// --- the colour handler -----------------------------------------------------

TEST(GridPaint, TheColourHandlerIsAskedTwicePerPaintedCellWithTheRowFirst)
{
    TStyledStringGrid g;
    g.SetBounds(0, 0, 200, 100);
    g.SetColCount(2);
    g.SetRowCount(3);
    g.SetDefaultColWidth(70);
    g.SetDefaultRowHeight(20);
    std::map<std::pair<int, int>, int> calls; // (row, col) -> count
    std::map<std::pair<int, int>, TGridDrawState> states;
    QObject* sender = nullptr;
    g.OnGetCellColor = [&](QObject* s, int row, int col, TGridDrawState state, TCellBrush*, TFont*) {
        sender = s;
        ++calls[{row, col}];
        states[{row, col}] = state;
    };
    g.SetSelection({0, 0, 1, 0});
    Render(g);
    EXPECT_EQ(sender, &g);
    ASSERT_EQ(calls.size(), 6u);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 2; ++col)
            EXPECT_EQ((calls[{row, col}]), 2) << "row " << row << " col " << col;
    EXPECT_TRUE((states[{0, 1}]).testFlag(gdSelected));
    EXPECT_FALSE((states[{2, 1}]).testFlag(gdSelected));
    EXPECT_FALSE((states[{0, 0}]).testFlag(gdFocused)); // no keyboard focus
}

TEST(GridPaint, ASelectedRowShowsTheSelectionColoursOverTheHandlersAndOthersTheHandlers)
{
    TStyledStringGrid g;
    ConfigureWordList(g);
    g.ApplyComponentStyle(tsOffice2007Obsidian);
    ColourLikeTheGame(g);
    g.SetRowCount(35);
    g.SetCells(0, 0, QStringLiteral("WORD"));
    g.SetCells(0, 1, QStringLiteral("WORD"));
    g.SetCells(0, 2, QStringLiteral("****"));

    QImage img = Render(g);
    // Row 0 is the selection: black text on the selection colour.
    ExpectRowDrawn(img, 0, 0x5EC1F1, clBlack, 0xAA0000);
    // Row 1: the handler's dark blue on the window colour.
    ExpectRowDrawn(img, 1, clWindow, 0xAA0000, clBlack);
    // Row 2: starred, black.
    EXPECT_GT(CountPixels(img, TextAreaOfRow(2), clBlack), 4);

    // Select row 1 instead: the two rows swap looks.
    g.SetRow(1);
    img = Render(g);
    ExpectRowDrawn(img, 0, clWindow, 0xAA0000, clBlack);
    ExpectRowDrawn(img, 1, 0x5EC1F1, clBlack, 0xAA0000);
}

TEST(GridPaint, TheOffice2003LookDrawsTheSelectionInTheSystemHighlightColours)
{
    TStyledStringGrid g;
    ConfigureWordList(g);
    g.ApplyComponentStyle(tsOffice2003Blue);
    ColourLikeTheGame(g);
    g.SetCells(0, 0, QStringLiteral("WORD"));
    ExpectRowDrawn(Render(g), 0, clHighlight, clHighlightText, 0xAA0000);
}

TEST(GridPaint, TheHandlersBrushFillsUnselectedCellsOnly)
{
    TStyledStringGrid g;
    ConfigureWordList(g);
    g.OnGetCellColor = [](QObject*, int, int, TGridDrawState, TCellBrush* brush, TFont*) {
        brush->SetColor(clYellow);
    };
    const QImage img = Render(g);
    EXPECT_EQ(PixelAt(img, 10, 12), 0x5EC1F1);
    EXPECT_EQ(PixelAt(img, 10, 32), ColorToRGB(clYellow));
    EXPECT_EQ(PixelAt(img, 2, 22), ColorToRGB(clYellow)); // first pixel of the cell too
}

// --- grid lines, ground, frame ----------------------------------------------

TEST(GridPaint, GridLinesLieOnEachCellsLastPixelRowAndColumn)
{
    TStyledStringGrid g;
    ConfigureWordList(g);
    g.SetRow(5);
    QImage img = Render(g);
    // Row 1 spans y 22..41, x 2..141.
    EXPECT_EQ(PixelAt(img, 50, 41), 0xE5D7D0);
    EXPECT_EQ(PixelAt(img, 141, 30), 0xE5D7D0);
    EXPECT_EQ(PixelAt(img, 2, 41), 0xE5D7D0);
    EXPECT_EQ(PixelAt(img, 50, 40), ColorToRGB(clWindow));
    EXPECT_EQ(PixelAt(img, 140, 30), ColorToRGB(clWindow));
    EXPECT_EQ(PixelAt(img, 50, 22), ColorToRGB(clWindow));
    EXPECT_EQ(PixelAt(img, 2, 30), ColorToRGB(clWindow));

    g.SetOptions(g.Options() & ~TGridOptions(TCustomGrid::goHorzLine));
    img = Render(g);
    EXPECT_EQ(PixelAt(img, 50, 41), ColorToRGB(clWindow));
    EXPECT_EQ(PixelAt(img, 141, 30), 0xE5D7D0);
}

TEST(GridPaint, TheSunkenFrameTheGroundBelowTheRowsAndTheCornerBetweenTheBars)
{
    TStyledStringGrid g;
    ConfigureWordList(g);
    g.SetRowCount(3);
    g.SetColor(clAqua);
    QImage img = Render(g);
    EXPECT_EQ(PixelAt(img, 0, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelAt(img, 1, 1), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(PixelAt(img, 160, 343), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(PixelAt(img, 159, 342), ColorToRGB(cl3DLight));
    // Below row 2 (which ends at y 61) and right of the column (x 142..).
    EXPECT_EQ(PixelAt(img, 50, 100), ColorToRGB(clAqua));
    EXPECT_EQ(PixelAt(img, 150, 30), ColorToRGB(clAqua));

    g.SetRowCount(100);
    g.SetColWidth(0, 200);
    ASSERT_TRUE(g.VertScrollBarShown() && g.HorzScrollBarShown());
    img = Render(g);
    EXPECT_EQ(PixelAt(img, 150, 332), ColorToRGB(clBtnFace));
}

TEST(GridPaint, TheFocusedCurrentCellGetsAnInvertingDottedFrame)
{
    FocusHost host(ConfigureWordList);
    TStyledStringGrid* g = host.grid;

    // The frame runs on the inner area (3, 3)-(140, 20) of cell 0.
    host.FocusEdit();
    QImage img = Render(*g);
    EXPECT_EQ(PixelAt(img, 3, 3), 0x5EC1F1);

    host.FocusGrid();
    img = Render(*g);
    EXPECT_EQ(PixelAt(img, 3, 3), Inverted(0x5EC1F1));
    EXPECT_EQ(PixelAt(img, 4, 3), 0x5EC1F1);
    EXPECT_EQ(PixelAt(img, 139, 19), Inverted(0x5EC1F1));
    EXPECT_EQ(PixelAt(img, 140, 20), 0x5EC1F1); // outside the frame

    g->SetHideFocusRect(true);
    img = Render(*g);
    EXPECT_EQ(PixelAt(img, 3, 3), 0x5EC1F1);
}

// --- text -------------------------------------------------------------------

TEST(GridPaint, TextStartsTwoPixelsInsideTheGridLinesAndWrapsAtBlanks)
{
    TStyledStringGrid g;
    ConfigureWordList(g);
    g.SetRowCount(3);
    g.SetRowHeight(1, 60);
    g.SetCells(0, 1, QStringLiteral("WWWW WWWW WWWW WWWW"));
    const QRect cell1(2, 22, 140, 60);
    QImage img = Render(g);
    const QRect ink = InkBox(img, cell1.adjusted(0, 0, -2, -2), clWindow);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), 5);
    EXPECT_LE(ink.left(), 7);
    EXPECT_GE(ink.top(), 25);
    EXPECT_LE(ink.right(), 138);
    EXPECT_GT(ink.bottom(), 45); // a second line at least

    g.SetWordWrap(false);
    img = Render(g);
    const QRect oneLine = InkBox(img, cell1.adjusted(0, 0, -2, -2), clWindow);
    EXPECT_LT(oneLine.bottom(), 22 + 22);
}

TEST(GridPaint, ZoomedTextIsDrawnLarger)
{
    TStyledStringGrid g;
    ConfigureWordList(g);
    g.SetCells(0, 1, QStringLiteral("W"));
    QImage img = Render(g);
    const QRect normal = InkBox(img, TextAreaOfRow(1), clWindow);

    const WheelLinesPerNotch wheel(9);
    SendWheel(&g, 1, Qt::ControlModifier);
    ASSERT_EQ(g.ZoomTotal(), 9);
    img = Render(g);
    const QRect zoomed = InkBox(img, QRect(3, 3 + 29, 147, 27), clWindow);
    EXPECT_GT(zoomed.height(), normal.height() + 3);
    EXPECT_GT(zoomed.width(), normal.width() + 3);
}

TEST(GridPaint, WhichTextsCountAsMarkup)
{
    EXPECT_TRUE(TGridPainter::IsMiniHtml(QStringLiteral("<B>W</B>")));
    EXPECT_TRUE(TGridPainter::IsMiniHtml(QStringLiteral("A<B")));
    EXPECT_TRUE(TGridPainter::IsMiniHtml(QStringLiteral("x</")));
    EXPECT_TRUE(TGridPainter::IsMiniHtml(QStringLiteral("<I>")));
    EXPECT_TRUE(TGridPainter::IsMiniHtml(QStringLiteral("<C")));
    EXPECT_TRUE(TGridPainter::IsMiniHtml(QStringLiteral("<b>w</b"))); // "</" counts in any case
    EXPECT_FALSE(TGridPainter::IsMiniHtml(QStringLiteral("<b>w")));
    EXPECT_FALSE(TGridPainter::IsMiniHtml(QStringLiteral("<U>w")));
    EXPECT_FALSE(TGridPainter::IsMiniHtml(QStringLiteral("=<B>1</B>")));
    EXPECT_FALSE(TGridPainter::IsMiniHtml(QStringLiteral("{\\rtf <B>")));
    EXPECT_FALSE(TGridPainter::IsMiniHtml(QStringLiteral("|\\<B>")));
    EXPECT_TRUE(TGridPainter::IsMiniHtml(QStringLiteral("|<B>")));
    EXPECT_FALSE(TGridPainter::IsMiniHtml(QStringLiteral("WORD")));
    EXPECT_FALSE(TGridPainter::IsMiniHtml(QString()));
}

TEST(GridPaint, ALetterInBoldTagsIsDrawnBoldAndWithoutHtmlTheTagsShow)
{
    TStyledStringGrid g;
    ConfigureWordList(g);
    g.Font()->SetStyle({});
    g.SetRowCount(3);
    g.SetCells(0, 1, QStringLiteral("I"));
    g.SetCells(0, 2, QStringLiteral("<B>I</B>"));
    QImage img = Render(g);
    const QRect plain = InkBox(img, TextAreaOfRow(1), clWindow);
    const QRect bold = InkBox(img, TextAreaOfRow(2), clWindow);
    ASSERT_FALSE(plain.isEmpty());
    ASSERT_FALSE(bold.isEmpty());
    // The same letter, thicker, and no tag characters beside it.
    EXPECT_GT(InkCount(img, TextAreaOfRow(2), clWindow), InkCount(img, TextAreaOfRow(1), clWindow));
    EXPECT_LT(bold.width(), 3 * plain.width() + 3);
    // Marked-up text starts one pixel further left than plain text.
    EXPECT_LE(bold.left(), plain.left());

    g.SetEnableHTML(false);
    img = Render(g);
    EXPECT_GT(InkBox(img, TextAreaOfRow(2), clWindow).width(), 5 * plain.width());
}

// --- the style table --------------------------------------------------------

TEST(GridStyles, EveryStyleSetsItsRowOfTheTable)
{
    struct Row {
        TVisualStyle style;
        TColor selection, text, lines;
    };
    const TColor keep = 0x123456;
    const Row rows[] = {
        {tsOffice2003Blue, clHighlight, clHighlightText, 0xC0C0C0},
        {tsOffice2003Silver, clHighlight, clHighlightText, 0xC0C0C0},
        {tsOffice2003Olive, clHighlight, clHighlightText, 0xC0C0C0},
        {tsOffice2003Classic, clHighlight, clHighlightText, 0xC0C0C0},
        {tsOffice2007Luna, 0x5EC1F1, 0x000000, 0xF1EDEB},
        {tsOffice2007Obsidian, 0x5EC1F1, 0x000000, 0xE5D7D0},
        {tsWindowsXP, clHighlight, clHighlightText, 0xC0C0C0},
        {tsWhidbey, clHighlight, clHighlightText, 0xC0C0C0},
        {tsCustom, clHighlight, clHighlightText, keep},
        {tsOffice2007Silver, 0x95C7F5, 0x000000, 0xE5D7D0},
        {tsWindowsVista, 0xEACAB6, 0x000000, 0xECECF0},
        {tsWindows7, 0xEACAB6, 0x000000, 0xECECF0},
        {tsTerminal, clHighlight, clHighlightText, keep},
    };
    for (const Row& r : rows) {
        TStyledStringGrid g;
        g.SetSelectionColor(clRed);
        g.SetSelectionTextColor(clLime);
        g.SetGridLineColor(keep);
        IStyledComponent& styled = g;
        styled.ApplyComponentStyle(r.style);
        EXPECT_EQ(g.SelectionColor(), r.selection) << int(r.style);
        EXPECT_EQ(g.SelectionTextColor(), r.text) << int(r.style);
        EXPECT_EQ(g.GridLineColor(), r.lines) << int(r.style);
    }
}

TEST(GridStyles, AStyleOutsideTheTableChangesNothing)
{
    TStyledStringGrid g;
    g.SetSelectionColor(clRed);
    g.SetSelectionTextColor(clLime);
    g.SetGridLineColor(clBlue);
    g.ApplyComponentStyle(static_cast<TVisualStyle>(13));
    EXPECT_EQ(g.SelectionColor(), clRed);
    EXPECT_EQ(g.SelectionTextColor(), clLime);
    EXPECT_EQ(g.GridLineColor(), clBlue);
}

// --- what a change repaints -------------------------------------------------

TEST(GridRepaint, WritingACellRepaintsThatCellOnly)
{
    TStyledStringGrid g;
    ConfigureWordList(g);
    std::map<std::pair<int, int>, int> calls;
    g.OnGetCellColor = [&](QObject*, int row, int col, TGridDrawState, TCellBrush*, TFont*) {
        ++calls[{row, col}];
    };
    g.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&g));
    QApplication::processEvents();
    calls.clear();

    g.SetCells(0, 5, QStringLiteral("WORD"));
    QApplication::processEvents();
    EXPECT_EQ(calls.size(), 1u);
    EXPECT_EQ((calls[{5, 0}]), 2);

    // A cell out of view costs no painting; the same text again none at all.
    calls.clear();
    g.SetCells(0, 60, QStringLiteral("WORD"));
    g.SetCells(0, 5, QStringLiteral("WORD"));
    QApplication::processEvents();
    EXPECT_TRUE(calls.empty());
}

// --- the plain grid ---------------------------------------------------------

TEST(GridPaint, ThePlainGridDrawsItsSelectionInTheSystemHighlight)
{
    TStringGrid g;
    g.SetBounds(0, 0, 201, 100);
    g.SetColCount(1);
    g.SetColWidth(0, 178);
    g.SetRowCount(3);
    g.Font()->SetHeight(-15);
    g.Font()->SetStyle(fsBold);
    g.SetCells(0, 0, QStringLiteral("GRACE"));
    g.SetCells(0, 1, QStringLiteral("GRACE"));
    const QImage img = Render(g);
    EXPECT_EQ(PixelAt(img, 170, 10), ColorToRGB(clHighlight));
    EXPECT_EQ(PixelAt(img, 170, 30), ColorToRGB(clWindow));
    EXPECT_EQ(PixelAt(img, 50, 25), ColorToRGB(clSilver)); // row 0's last pixel row
    EXPECT_GT(CountPixels(img, QRect(3, 3, 170, 20), clHighlightText), 5);
    EXPECT_GT(InkCount(img, QRect(3, 27, 170, 20), clWindow), 10);
}
