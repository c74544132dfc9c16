// The grid base through the plain and the styled grid: the cell store,
// RowCount, the scroll bars, and the keyboard, mouse, wheel and zoom, all
// driven by real input events.
#include "controls/grid/GridBase.h"
#include "controls/grid/StringGrid.h"
#include "controls/grid/StyledStringGrid.h"
#include "GridFocusHost.h"
#include "WheelTestKit.h"
#include "tests/support/ActiveWindow.h"
#include "tests/support/WordListGrid.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

// The list beside the letter cross: 161 by 344, one 140-pixel column,
// 20-pixel rows, 100 rows until a puzzle sets its own count.
void ConfigureWordList(TStyledStringGrid& g)
{
    ShapeLikeTheWordList(g);
    g.SetRowCount(100);
}

void SendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), button, buttons, mods);
    QApplication::sendEvent(w, &e);
}

QPoint CenterOfRow(const TCustomGrid& g, int row)
{
    return g.CellRect(0, row).center();
}

} // namespace

// --- the cell store ---------------------------------------------------------

TEST(GridStore, NeverWrittenCellsAreEmptyAndWrittenOnesReadBackExactly)
{
    TStringGrid g;
    g.SetColCount(2);
    g.SetRowCount(3);
    EXPECT_EQ(g.Cells(1, 2), QString());
    g.SetCells(1, 2, QStringLiteral(" A&b\t<B>c "));
    EXPECT_EQ(g.Cells(1, 2), QStringLiteral(" A&b\t<B>c "));
    EXPECT_EQ(g.Cells(0, 2), QString());
    // Reading outside the grid is harmless and empty.
    EXPECT_EQ(g.Cells(-1, 0), QString());
    EXPECT_EQ(g.Cells(0, 99), QString());
}

TEST(GridStore, TextsBeyondALoweredRowCountComeBackWhenItGrows)
{
    TStringGrid g;
    g.SetColCount(1);
    g.SetRowCount(10);
    for (int r = 0; r < 10; ++r)
        g.SetCells(0, r, QString::number(r));
    g.SetRowCount(4);
    EXPECT_EQ(g.RowCount(), 4);
    g.SetRowCount(12);
    EXPECT_EQ(g.Cells(0, 3), QStringLiteral("3"));
    EXPECT_EQ(g.Cells(0, 7), QStringLiteral("7"));
    EXPECT_EQ(g.Cells(0, 9), QStringLiteral("9"));
    EXPECT_EQ(g.Cells(0, 10), QString());
    EXPECT_EQ(g.Cells(0, 11), QString());
}

TEST(GridStore, WritingOutsideTheGridIsRefusedWithAMessageAndChangesNothing)
{
    TStringGrid g;
    g.SetColCount(1);
    g.SetRowCount(2);
    g.SetCells(0, 1, QStringLiteral("KEEP"));
    try {
        g.SetCells(0, 2, QStringLiteral("X"));
        FAIL() << "a write below the last row must be refused";
    } catch (const std::out_of_range& e) {
        EXPECT_NE(std::string(e.what()).find("out of range"), std::string::npos);
    }
    EXPECT_THROW(g.SetCells(-1, 0, QStringLiteral("X")), std::out_of_range);
    EXPECT_THROW(g.SetCells(1, 0, QStringLiteral("X")), std::out_of_range);
    EXPECT_EQ(g.RowCount(), 2);
    EXPECT_EQ(g.Cells(0, 1), QStringLiteral("KEEP"));
    EXPECT_EQ(g.Cells(0, 2), QString());
}

TEST(GridStore, AColumnWrittenInOneStepReplacesTheWholeColumnOrNothing)
{
    TStringGrid g;
    g.SetColCount(2);
    g.SetRowCount(6);
    for (int r = 0; r < 6; ++r)
        g.SetCells(0, r, QStringLiteral("old"));
    g.SetCells(1, 0, QStringLiteral("other column"));

    g.SetColumnCells(0, {QStringLiteral("ARK"), QStringLiteral("DOVE"), QString()});
    const QStringList column{g.Cells(0, 0), g.Cells(0, 1), g.Cells(0, 2), g.Cells(0, 3), g.Cells(0, 5)};
    EXPECT_EQ(column, QStringList({"ARK", "DOVE", "", "", ""})) << "rows past the given cells read empty";
    EXPECT_EQ(g.Cells(1, 0), QStringLiteral("other column"));

    EXPECT_THROW(g.SetColumnCells(0, std::vector<QString>(7, QStringLiteral("X"))), std::out_of_range);
    EXPECT_THROW(g.SetColumnCells(2, {QStringLiteral("X")}), std::out_of_range);
    EXPECT_EQ(g.Cells(0, 0), QStringLiteral("ARK")) << "a refused column changes nothing";
}

TEST(GridStore, CountsBelowOneGiveOneAndFixedCellsAreRefused)
{
    TStringGrid g;
    g.SetRowCount(0);
    EXPECT_EQ(g.RowCount(), 1);
    g.SetRowCount(-5);
    EXPECT_EQ(g.RowCount(), 1);
    g.SetColCount(0);
    EXPECT_EQ(g.ColCount(), 1);
    // A count no list needs is refused before anything is allocated.
    g.SetRowCount(7);
    EXPECT_THROW(g.SetRowCount(2'000'000'000), std::out_of_range);
    EXPECT_EQ(g.RowCount(), 7);
    EXPECT_NO_THROW(g.SetFixedRows(0));
    EXPECT_THROW(g.SetFixedRows(1), std::invalid_argument);
    EXPECT_THROW(g.SetFixedCols(2), std::invalid_argument);
}

// --- RowCount and the view --------------------------------------------------

TEST(GridRowCount, ASmallerCountMovesTheCurrentRowUpAndCollapsesTheSelection)
{
    TStyledStringGrid g;
    ConfigureWordList(g);
    g.SetRowCount(40);
    g.SetSelection({0, 20, 0, 30}); // anchor row 20, current row 30
    EXPECT_EQ(g.Row(), 30);
    g.SetRowCount(25);
    EXPECT_EQ(g.Row(), 24);
    EXPECT_EQ(g.Anchor(), (TGridCoord{0, 24}));
    EXPECT_EQ(g.Selection(), (TGridRect{0, 24, 0, 24}));
    EXPECT_FALSE(g.IsCellSelected(0, 20));
}

TEST(GridRowCount, TheSelectionShrinksToTheCurrentCellEvenWhenItStaysInside)
{
    TStyledStringGrid g;
    ConfigureWordList(g);
    g.SetSelection({0, 2, 0, 6});
    g.SetRowCount(50);
    EXPECT_EQ(g.Row(), 6);
    EXPECT_EQ(g.Selection(), (TGridRect{0, 6, 0, 6}));
}

TEST(GridRowCount, AViewLeftTooFarDownMovesUpElseTheFirstVisibleRowStays)
{
    TStyledStringGrid g;
    ConfigureWordList(g); // 340 pixels of client height: 17 rows of 20
    g.SetTopRow(80);
    EXPECT_EQ(g.TopRow(), 80);
    g.SetRowCount(90);
    EXPECT_EQ(g.TopRow(), 73); // rows 73..89 fill the client area
    g.SetRowCount(95);
    EXPECT_EQ(g.TopRow(), 73);
    g.SetRowCount(10);
    EXPECT_EQ(g.TopRow(), 0);
}

TEST(GridRowCount, RowsThatComeIntoUseAfterAZoomTakeTheZoomedHeight)
{
    // A new row is as high as a row that was there from the start, so that
    // the zoomed text fits in it.
    struct { int defaultHeight; std::vector<int> notches; int zoomed; } cases[] = {
        {20, {1}, 23},
        {20, {1, 1, 1}, 29},
        {20, {-1, -1, -1}, 11},
        {20, {-1, 1}, 20},
        {2, {-1, 1}, 5},  // 2 cannot shrink by 3, but grows by 3 all the same
    };
    const WheelLinesPerNotch wheel(3);
    for (const auto& t : cases) {
        TStyledStringGrid g;
        ConfigureWordList(g);
        g.SetDefaultRowHeight(t.defaultHeight);
        g.SetRowCount(5);
        for (int notch : t.notches)
            SendWheel(&g, notch, Qt::ControlModifier);
        g.SetRowCount(8);
        for (int row : {0, 4, 5, 7})
            EXPECT_EQ(g.RowHeight(row), t.zoomed) << t.defaultHeight << " row " << row;
        EXPECT_EQ(g.Layout().TotalHeight(), 8 * t.zoomed) << t.defaultHeight;
    }
}

// --- scroll bars ------------------------------------------------------------

TEST(GridScrollBars, ThirtyFiveRowsShowTheVerticalBarOnlyAndAZoomStepAddsTheHorizontal)
{
    TStyledStringGrid g;
    ConfigureWordList(g);
    g.SetRowCount(35);
    EXPECT_TRUE(g.VertScrollBarShown());
    EXPECT_FALSE(g.HorzScrollBarShown());
    EXPECT_EQ(g.GridClientRect(), QRect(2, 2, 140, 340));
    EXPECT_TRUE(g.VertScrollBar()->isVisibleTo(&g));
    EXPECT_EQ(g.VertScrollBar()->geometry(), QRect(142, 2, 17, 340));
    EXPECT_FALSE(g.HorzScrollBar()->isVisibleTo(&g));

    const WheelLinesPerNotch wheel(3);
    SendWheel(&g, 1, Qt::ControlModifier);
    EXPECT_EQ(g.ColWidth(0), 143);
    EXPECT_TRUE(g.HorzScrollBarShown());
    EXPECT_TRUE(g.HorzScrollBar()->isVisibleTo(&g));
    EXPECT_EQ(g.GridClientRect(), QRect(2, 2, 140, 323));
    // The bar scrolls by pixels over the 3 pixels that do not fit.
    EXPECT_EQ(g.HorzScrollBar()->maximum(), 3);
    g.HorzScrollBar()->setValue(3);
    EXPECT_EQ(g.HorzOffset(), 3);
    EXPECT_EQ(g.CellRect(0, 0).left(), 2 - 3);
}

TEST(GridScrollBars, RowsThatFitShowNoBarAndTheVerticalBarScrollsByRows)
{
    TStyledStringGrid g;
    ConfigureWordList(g);
    g.SetRowCount(17); // exactly 340 pixels
    EXPECT_FALSE(g.VertScrollBarShown());
    EXPECT_EQ(g.GridClientRect().width(), 157);
    g.SetRowCount(18);
    ASSERT_TRUE(g.VertScrollBarShown());
    EXPECT_EQ(g.VertScrollBar()->maximum(), 1);
    g.VertScrollBar()->setValue(1);
    EXPECT_EQ(g.TopRow(), 1);
    EXPECT_EQ(g.CellRect(0, 1).top(), 2);
    EXPECT_TRUE(g.CellRect(0, 0).isNull());
}

// --- keyboard ---------------------------------------------------------------

TEST(GridKeyboard, ArrowsPagesAndCtrlHomeEndMoveTheCurrentRowAndTheViewFollows)
{
    TStyledStringGrid g;
    ConfigureWordList(g);
    QTest::keyClick(&g, Qt::Key_Down);
    QTest::keyClick(&g, Qt::Key_Down);
    EXPECT_EQ(g.Row(), 2);
    QTest::keyClick(&g, Qt::Key_Up);
    EXPECT_EQ(g.Row(), 1);
    QTest::keyClick(&g, Qt::Key_Up);
    QTest::keyClick(&g, Qt::Key_Up);
    EXPECT_EQ(g.Row(), 0);

    // 17 rows are wholly in view.
    QTest::keyClick(&g, Qt::Key_PageDown);
    EXPECT_EQ(g.Row(), 17);
    EXPECT_EQ(g.TopRow(), 17);
    QTest::keyClick(&g, Qt::Key_PageUp);
    EXPECT_EQ(g.Row(), 0);
    EXPECT_EQ(g.TopRow(), 0);

    QTest::keyClick(&g, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(g.Row(), 99);
    EXPECT_EQ(g.TopRow(), 83);
    QTest::keyClick(&g, Qt::Key_PageDown);
    EXPECT_EQ(g.Row(), 99);
    QTest::keyClick(&g, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(g.Row(), 0);
    EXPECT_EQ(g.TopRow(), 0);
    EXPECT_EQ(g.Selection(), (TGridRect{0, 0, 0, 0}));
}

TEST(GridKeyboard, ShiftExtendsFromTheAnchorAndAPlainKeyCollapses)
{
    TStyledStringGrid g;
    ConfigureWordList(g);
    g.SetRow(5);
    QTest::keyClick(&g, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(&g, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(g.Selection(), (TGridRect{0, 5, 0, 7}));
    QTest::keyClick(&g, Qt::Key_PageDown, Qt::ShiftModifier);
    EXPECT_EQ(g.Selection(), (TGridRect{0, 5, 0, 24}));
    QTest::keyClick(&g, Qt::Key_Up);
    EXPECT_EQ(g.Selection(), (TGridRect{0, 23, 0, 23}));
}

// --- mouse ------------------------------------------------------------------

TEST(GridMouse, AClickFocusesAndSelectsShiftClickAndDragExtend)
{
    FocusHost host(ConfigureWordList);
    TStyledStringGrid& g = *host.grid;
    host.FocusEdit();

    QTest::mouseClick(&g, Qt::LeftButton, Qt::NoModifier, CenterOfRow(g, 3));
    EXPECT_TRUE(g.hasFocus());
    EXPECT_EQ(g.Row(), 3);
    EXPECT_EQ(g.Selection(), (TGridRect{0, 3, 0, 3}));

    QTest::mouseClick(&g, Qt::LeftButton, Qt::ShiftModifier, CenterOfRow(g, 6));
    EXPECT_EQ(g.Row(), 6);
    EXPECT_EQ(g.Selection(), (TGridRect{0, 3, 0, 6}));

    // Press on row 10 and drag up over row 8: the selection runs 8..10.
    SendMouse(&g, QEvent::MouseButtonPress, CenterOfRow(g, 10), Qt::LeftButton);
    SendMouse(&g, QEvent::MouseMove, CenterOfRow(g, 9), Qt::LeftButton);
    SendMouse(&g, QEvent::MouseMove, CenterOfRow(g, 8), Qt::LeftButton);
    SendMouse(&g, QEvent::MouseButtonRelease, CenterOfRow(g, 8), Qt::NoButton);
    EXPECT_EQ(g.Row(), 8);
    EXPECT_EQ(g.Anchor(), (TGridCoord{0, 10}));
    EXPECT_EQ(g.Selection(), (TGridRect{0, 8, 0, 10}));

    // Moving without the button selects nothing more.
    SendMouse(&g, QEvent::MouseMove, CenterOfRow(g, 2), Qt::NoButton);
    EXPECT_EQ(g.Selection(), (TGridRect{0, 8, 0, 10}));
}

TEST(GridMouse, DraggingBelowTheCellsScrollsOneRowAtATime)
{
    TStyledStringGrid g;
    ConfigureWordList(g);
    SendMouse(&g, QEvent::MouseButtonPress, CenterOfRow(g, 15), Qt::LeftButton);
    SendMouse(&g, QEvent::MouseMove, QPoint(70, 400), Qt::LeftButton);
    EXPECT_EQ(g.Row(), 17);
    EXPECT_EQ(g.TopRow(), 1);
    SendMouse(&g, QEvent::MouseMove, QPoint(70, 400), Qt::LeftButton);
    EXPECT_EQ(g.Row(), 18);
    EXPECT_EQ(g.Selection(), (TGridRect{0, 15, 0, 18}));
}

TEST(GridMouse, AClickBelowTheLastRowChangesNoSelection)
{
    TStyledStringGrid g;
    ConfigureWordList(g);
    g.SetRowCount(3);
    g.SetRow(1);
    QTest::mouseClick(&g, Qt::LeftButton, Qt::NoModifier, QPoint(50, 200));
    EXPECT_EQ(g.Row(), 1);
}

// --- wheel and zoom ---------------------------------------------------------

TEST(GridWheel, ANotchMovesAFocusedGridNPlusOneRowsAndAnUnfocusedOneNRows)
{
    const WheelLinesPerNotch wheel(3);
    FocusHost host(ConfigureWordList);
    TStyledStringGrid& g = *host.grid;

    host.FocusGrid();
    SendWheel(&g, 1);
    EXPECT_EQ(g.Row(), 4);

    g.SetRow(0);
    host.FocusEdit();
    SendWheel(&g, 1);
    EXPECT_EQ(g.Row(), 3);
    // Away from the user runs back towards the start, stopping at row 0.
    SendWheel(&g, -1);
    SendWheel(&g, -1);
    EXPECT_EQ(g.Row(), 0);
    EXPECT_EQ(g.Selection(), (TGridRect{0, 0, 0, 0}));
}

TEST(GridWheel, TheFocusedExtraRowStopsAtTheLastRowAndTheViewFollows)
{
    const WheelLinesPerNotch wheel(3);
    FocusHost host(ConfigureWordList);
    TStyledStringGrid& g = *host.grid;
    g.SetRowCount(40);
    host.FocusGrid();
    g.SetRow(37);
    SendWheel(&g, 1);
    EXPECT_EQ(g.Row(), 39);
    EXPECT_EQ(g.TopRow(), 23);
    // Half notches add up to one.
    g.SetRow(10);
    const QPointF pos(50, 50);
    for (int i = 0; i < 2; ++i) {
        QWheelEvent e(pos, g.mapToGlobal(pos), QPoint(), QPoint(0, -60), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(&g, &e);
        EXPECT_EQ(g.Row(), i == 0 ? 10 : 14);
    }
}

TEST(GridWheel, TheWheelOverTheScrollBarWorksAsOverTheCells)
{
    const WheelLinesPerNotch wheel(3);
    TStyledStringGrid g;
    ConfigureWordList(g);
    ASSERT_TRUE(g.VertScrollBarShown());
    SendWheel(g.VertScrollBar(), 1);
    EXPECT_EQ(g.Row(), 3);
}

TEST(GridZoom, ThreeStepsOfThreeGiveNineAndAFourthIsIgnoredWhole)
{
    const WheelLinesPerNotch wheel(3);
    TStyledStringGrid g;
    ConfigureWordList(g);
    for (int i = 0; i < 3; ++i)
        SendWheel(&g, 1, Qt::ControlModifier);
    EXPECT_EQ(g.ZoomTotal(), 9);
    EXPECT_EQ(g.ColWidth(0), 149);
    EXPECT_EQ(g.RowHeight(0), 29);
    EXPECT_EQ(g.RowHeight(99), 29);

    SendWheel(&g, 1, Qt::ControlModifier);
    EXPECT_EQ(g.ZoomTotal(), 9);
    EXPECT_EQ(g.ColWidth(0), 149);
    EXPECT_EQ(g.RowHeight(0), 29);
    // An unfocused grid's current row is not moved by Ctrl+wheel.
    EXPECT_EQ(g.Row(), 0);

    for (int i = 0; i < 6; ++i)
        SendWheel(&g, -1, Qt::ControlModifier);
    EXPECT_EQ(g.ZoomTotal(), -9);
    EXPECT_EQ(g.RowHeight(0), 11);
    SendWheel(&g, -1, Qt::ControlModifier);
    EXPECT_EQ(g.ZoomTotal(), -9);
}

TEST(GridZoom, SizesThatWouldReachZeroStayAndZeroSizesStayZero)
{
    const WheelLinesPerNotch wheel(8);
    TStyledStringGrid g;
    ConfigureWordList(g);
    g.SetColCount(3);
    g.SetColWidth(1, 0);
    g.SetColWidth(2, 5);
    SendWheel(&g, -1, Qt::ControlModifier);
    EXPECT_EQ(g.ZoomTotal(), -8);
    EXPECT_EQ(g.ColWidth(0), 132);
    EXPECT_EQ(g.ColWidth(1), 0);
    EXPECT_EQ(g.ColWidth(2), 5);
    EXPECT_EQ(g.RowHeight(0), 12);
    // Back up: a hidden column stays hidden, the one that did not shrink
    // grows all the same.
    SendWheel(&g, 1, Qt::ControlModifier);
    EXPECT_EQ(g.ZoomTotal(), 0);
    EXPECT_EQ(g.ColWidth(0), 140);
    EXPECT_EQ(g.ColWidth(1), 0);
    EXPECT_EQ(g.ColWidth(2), 13);
}

TEST(GridZoom, CtrlWheelOnAFocusedGridAlsoMovesTheCurrentRowByOne)
{
    const WheelLinesPerNotch wheel(3);
    FocusHost host(ConfigureWordList);
    host.FocusGrid();
    SendWheel(host.grid, 1, Qt::ControlModifier);
    EXPECT_EQ(host.grid->ZoomTotal(), 3);
    EXPECT_EQ(host.grid->Row(), 1);
}

TEST(GridWheel, AnIncrementReplacesTheLineCountAndScrollModeLeavesTheRow)
{
    const WheelLinesPerNotch wheel(3);
    FocusHost host(ConfigureWordList);
    TStyledStringGrid& g = *host.grid;
    host.FocusGrid();
    g.MouseActions()->SetWheelIncrement(5);
    SendWheel(&g, 1);
    EXPECT_EQ(g.Row(), 5); // no extra row once an increment is set
    g.MouseActions()->SetWheelAction(TGridMouseActions::waScroll);
    SendWheel(&g, 1);
    EXPECT_EQ(g.Row(), 5);
    EXPECT_EQ(g.TopRow(), 5);
}

TEST(GridWheel, ThePlainGridMovesOneRowOnlyWhileFocused)
{
    QWidget window;
    window.resize(300, 300);
    auto* edit = new QLineEdit(&window);
    auto* g = new TStringGrid(nullptr, &window);
    g->SetBounds(0, 30, 200, 200);
    g->SetRowCount(50);
    ASSERT_TRUE(ShowActive(window));
    edit->setFocus();
    QApplication::processEvents();
    SendWheel(g, 1);
    EXPECT_EQ(g->Row(), 0);
    g->setFocus();
    QApplication::processEvents();
    SendWheel(g, 2);
    EXPECT_EQ(g->Row(), 2);
    SendWheel(g, 1, Qt::ControlModifier);
    EXPECT_EQ(g->ZoomTotal(), 0);
}

// --- geometry ---------------------------------------------------------------

TEST(GridLayout, CellRectsAndHitTestsAgreeAcrossScrolledAndZoomedViews)
{
    TStyledStringGrid g;
    ConfigureWordList(g);
    g.SetColCount(2);
    g.SetColWidth(0, 80);
    g.SetColWidth(1, 60);
    g.SetRowHeight(4, 35);
    g.SetTopRow(3);
    for (int row : {3, 4, 5, 12}) {
        for (int col : {0, 1}) {
            const QRect r = g.CellRect(col, row);
            ASSERT_FALSE(r.isNull()) << row << "," << col;
            const QRect visible = r.intersected(g.GridClientRect());
            EXPECT_EQ(g.CellAt(visible.topLeft()), (TGridCoord{col, row}));
            EXPECT_EQ(g.CellAt(visible.bottomRight()), (TGridCoord{col, row}));
        }
    }
    EXPECT_EQ(g.CellRect(0, 5).top(), 2 + 20 + 35);
    EXPECT_TRUE(g.CellRect(0, 2).isNull());
    EXPECT_FALSE(g.CellAt(QPoint(0, 0)).has_value()); // the border
}
