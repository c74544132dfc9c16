#include "controls/grid/StringGrid.h"

#include "controls/grid/GridPainter.h"

TStringGrid::TStringGrid(TComponent* owner, QWidget* parent)
    : TCustomGrid(owner, parent)
{
}

void TStringGrid::DrawCell(TCanvas& canvas, int col, int row, const QRect& rect, TGridDrawState state)
{
    TGridPainter painter(canvas);
    const TRect cell = TRect::FromQRect(rect);

    // Colours: the selection in the system highlight, all else in Color.
    const bool selected = state.testFlag(gdSelected);
    const TColor ground = selected ? clHighlight : Color();

    // Ground and grid lines.
    painter.FillCell(cell, ground);
    painter.DrawGridLines(cell, clSilver, GridLineWidth(), Options().testFlag(goHorzLine),
                          Options().testFlag(goVertLine));

    // Text, one line, 2 pixels in.
    const TRect inner = TGridPainter::InnerRect(cell, GridLineWidth());
    TFont font;
    font.Assign(*Font());
    if (selected)
        font.SetColor(clHighlightText);
    TCellTextLayout layout;
    layout.WordWrap = false;
    painter.DrawPlainText(TGridPainter::TextRect(inner), Cells(col, row), font, ZoomTotal(), layout);

    // The focus frame on the focused current cell.
    if (state.testFlag(gdFocused) && !Options().testFlag(goRowSelect))
        painter.DrawFocusFrame(inner);
}
