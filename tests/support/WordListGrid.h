#pragma once
// The list of potential words beside the letter cross, as the grid tests
// and the grid benchmark build it (header only: for programs that link the
// grid, which this library does not).
#include "controls/grid/StyledStringGrid.h"

// 161 by 344, one 140-pixel column of 20-pixel rows, in the game's bold
// Arial in dark blue.
inline void ShapeLikeTheWordList(TStyledStringGrid& g)
{
    g.SetBounds(0, 0, 161, 344);
    g.SetColCount(1);
    g.SetDefaultRowHeight(20);
    g.SetColWidth(0, 140);
    g.Font()->SetName(QStringLiteral("Arial"));
    g.Font()->SetHeight(-15);
    g.Font()->SetStyle(fsBold);
    g.Font()->SetColor(0x723708);
}

// The game's colouring: starred words black, revealed ones dark blue.
inline void ColourLikeTheGame(TStyledStringGrid& g)
{
    g.OnGetCellColor = [&g](QObject*, int row, int col, TGridDrawState, TCellBrush*, TFont* font) {
        font->SetColor(clBlack);
        if (!g.Cells(col, row).startsWith(QLatin1Char('*')))
            font->SetColor(0xAA0000);
    };
}
