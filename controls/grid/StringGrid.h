#pragma once
// TStringGrid: the plain string grid. It is the grid base with a plain
// look (window-coloured cells, silver grid lines, the selection in the
// system highlight colours, one line of text per cell). The program keeps
// its word store and answer lists in such grids off-screen, so what matters
// most is that filling one with many thousand rows costs next to nothing.
#include "controls/grid/GridBase.h"

class TStringGrid : public TCustomGrid {
    Q_OBJECT
public:
    explicit TStringGrid(TComponent* owner = nullptr, QWidget* parent = nullptr);

protected:
    void DrawCell(TCanvas& canvas, int col, int row, const QRect& rect, TGridDrawState state) override;
};
