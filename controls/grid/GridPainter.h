#pragma once
// TGridPainter: the drawing pieces of a grid, on a canvas: the sunken frame,
// cell fills, grid lines, the focus frame, cell text (plain or marked up) and
// the ground outside the cells. It decides nothing about state or colours;
// the grids tell it what to draw where, in the order of their painting steps.
#include "controls/paint/Canvas.h"
#include "controls/paint/Color.h"
#include "controls/paint/Font.h"

#include <QString>

// How plain cell text is laid out in its rectangle.
struct TCellTextLayout {
    enum HAlign { Left, Center, Right };
    enum VAlign { Top, VCenter, Bottom };
    HAlign Horizontal = Left;
    VAlign Vertical = Top;
    // Break lines at blanks (a word wider than the cell breaks anywhere);
    // off, a text without line breaks stays on one line.
    bool WordWrap = true;
};

class TGridPainter {
public:
    explicit TGridPainter(TCanvas& canvas);

    // The 2-pixel sunken edge just inside `outer`: shadow over dark shadow
    // at the top and left, highlight over light at the bottom and right.
    void DrawSunkenBorder(const TRect& outer);

    // Fills the parts of `client` right of cellsRight and below cellsBottom.
    void FillOutsideCells(const TRect& client, int cellsRight, int cellsBottom, TColor color);
    void FillCorner(const TRect& r, TColor color);

    // The whole cell rectangle in one colour.
    void FillCell(const TRect& cell, TColor color);

    // Lines on the cell's own last `width` pixel rows (horizontal) and
    // columns (vertical).
    void DrawGridLines(const TRect& cell, TColor color, int width, bool horizontal, bool vertical);

    // The dotted inverting frame on (left, top, right - 1, bottom - 1) of
    // the inner area.
    void DrawFocusFrame(const TRect& inner);

    // Text with a transparent background, clipped to `area`, in the font
    // made `zoom` points larger.
    void DrawPlainText(const TRect& area, const QString& text, const TFont& font, int zoom,
                       const TCellTextLayout& layout);

    // Marked-up text through the mini-HTML renderer, in the font made
    // `zoom` points larger; anchors take urlColor. `ground` is the cell's
    // fill colour, which the renderer treats as the canvas background.
    void DrawMiniHtml(const TRect& area, const QString& text, const TFont& font, int zoom, TColor ground,
                      TColor urlColor);

    // The cell less the grid-line width on every side.
    static TRect InnerRect(const TRect& cell, int lineWidth);
    // Where plain text goes: the inner area less 2 pixels at the left, the
    // right and the top.
    static TRect TextRect(const TRect& inner);
    // Marked-up text: the plain-text area widened by 1 pixel at the left.
    static TRect MiniHtmlRect(const TRect& inner);
    // True when a cell text is drawn as mini-HTML: it holds "</", "<B",
    // "<I" or "<C" (case as written) and does not begin with "=", "{\" or
    // "|\" (those belong to other renderers).
    static bool IsMiniHtml(const QString& text);
    // The font as text is drawn at a zoom total: its point size plus zoom
    // (never below 1 point).
    static QFont ZoomedFont(const TFont& font, int zoom);

private:
    TCanvas& m_canvas;
};
