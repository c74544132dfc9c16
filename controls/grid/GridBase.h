#pragma once
// TCustomGrid: the scrollable table of text cells that both string grids
// build on. It holds the cell store, the row heights and column widths, the
// current cell with its anchor (the selection is the rectangle between the
// two), the view (first visible row, horizontal pixel offset), the scroll
// bars, and the keyboard, mouse and wheel handling. What a cell looks like is
// left to DrawCell of the derived grid.
//
// Geometry lives in TGridLayout (GridLayout.h) alone, so painting and
// hit-testing always agree about where a cell is; a 140-pixel column fills a
// 140-pixel client area exactly.
#include "controls/core/Control.h"
#include "controls/core/ControlTypes.h"
#include "controls/grid/GridLayout.h"
#include "controls/paint/Property.h"
#include "platform/Service.h"

#include <QFlags>
#include <QList>
#include <QRect>
#include <QString>
#include <algorithm>
#include <optional>
#include <vector>

class QScrollBar;
class TCanvas;

// The state of a cell as painting reports it.
enum TGridDrawStateFlag { gdSelected = 0x1, gdFocused = 0x2, gdFixed = 0x4 };
Q_DECLARE_FLAGS(TGridDrawState, TGridDrawStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridDrawState)

// An inclusive block of cells, Left..Right by Top..Bottom.
struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool Contains(int col, int row) const { return col >= Left && col <= Right && row >= Top && row <= Bottom; }
    static TGridRect Spanning(TGridCoord a, TGridCoord b);
    friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

// The system's wheel-scroll line count: how many rows one wheel notch moves.
// Tests put in a fixed value with platform::ScopedService.
class IWheelSettings {
public:
    virtual ~IWheelSettings() = default;
    virtual int WheelScrollLines() const = 0;
};
// The current setting (QApplication::wheelScrollLines() unless replaced).
IWheelSettings& WheelSettings();

class FixedWheelSettings : public IWheelSettings {
public:
    explicit FixedWheelSettings(int lines)
        : m_lines(lines)
    {
    }
    int WheelScrollLines() const override { return m_lines; }

private:
    int m_lines;
};

// What a screen reader is told a cell says: AText comes in as the cell's
// text and may be replaced (a word the player has not found yet is not
// spoken). The row comes before the column.
using TGridAccessibleTextEvent = TEvent<void(QObject* Sender, int ARow, int ACol, QString& AText)>;

class TCustomGrid : public TCustomControl {
    Q_OBJECT
public:
    enum TGridOption {
        goFixedVertLine = 0x1,
        goFixedHorzLine = 0x2,
        goVertLine = 0x4,
        goHorzLine = 0x8,
        goRangeSelect = 0x10,
        goRowSelect = 0x20,
        goThumbTracking = 0x40,
    };
    Q_DECLARE_FLAGS(TGridOptions, TGridOption)
    Q_FLAG(TGridOptions)

    enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
    Q_ENUM(TScrollStyle)

    using TBorderStyle = ControlTypes::TBorderStyle;
    using enum ControlTypes::TBorderStyle;

    // The most rows or columns a grid takes: far more than any word list or
    // screen needs, and small enough that the pixel totals (count times
    // size, zoomed) stay inside an int.
    static constexpr int kMaxCount = 1'000'000;

    // Width of a scroll bar, and of the sunken border on each side.
    static constexpr int ScrollBarSize = 17;
    static constexpr int BorderSize = 2;

    explicit TCustomGrid(TComponent* owner = nullptr, QWidget* parent = nullptr);
    ~TCustomGrid() override;

    // The cell store. Reading outside the grid gives an empty text; texts
    // of rows and columns cut off by a smaller count are kept and show
    // again when the count grows. Writing outside 0..ColCount-1 by
    // 0..RowCount-1 throws std::out_of_range and changes nothing.
    QString Cells(int col, int row) const;
    void SetCells(int col, int row, const QString& text);
    // Writes a whole column in one step: row r reads cells[r], and the rows
    // past its end read empty (no text cut off before is kept). The column
    // is stored as given, with no room to spare; the grid repaints once and
    // a screen reader hears of one reset. More cells than RowCount, or a
    // column outside the grid, throws std::out_of_range and changes nothing.
    void SetColumnCells(int col, std::vector<QString> cells);

    // Counts run from 1 to 1,000,000 (a larger one throws std::out_of_range
    // and changes nothing); widths and heights from 0 to 2,000 pixels.
    int ColCount() const { return m_layout.ColCount(); }
    void SetColCount(int count);
    int RowCount() const { return m_layout.RowCount(); }
    // Below 1 gives 1. New rows take DefaultRowHeight, zoomed as the rows
    // already there. The current cell moves up onto the last row when
    // it is now below it, the selection shrinks to the current cell, the
    // scroll range follows, and a view left too far down moves up.
    void SetRowCount(int count);

    LUMORA_PROPERTY(ControlTypes::TBorderStyle, BorderStyle, m_borderStyle, bsSingle, Relayout())
    Q_PROPERTY(int ColCount READ ColCount WRITE SetColCount)
    // Sets every column to the width (0 or more).
    LUMORA_PROPERTY_OWN_SETTER(int, DefaultColWidth, m_defaultColWidth, 64)
    // Sets every row to the height (0 or more); rows added later take it,
    // changed by the zoom steps taken since as every row was.
    LUMORA_PROPERTY_OWN_SETTER(int, DefaultRowHeight, m_defaultRowHeight, 24)
    Q_PROPERTY(int FixedCols READ FixedCols WRITE SetFixedCols)
    Q_PROPERTY(int FixedRows READ FixedRows WRITE SetFixedRows)
    LUMORA_PROPERTY_OWN_SETTER(int, GridLineWidth, m_gridLineWidth, 1)
    LUMORA_PROPERTY_OWN_SETTER(TGridOptions, Options, m_options, {})
    Q_PROPERTY(int RowCount READ RowCount WRITE SetRowCount)
    LUMORA_PROPERTY(TScrollStyle, ScrollBars, m_scrollBars, ssBoth, Relayout())
    Q_PROPERTY(QList<int> ColWidths READ ColWidthList WRITE SetColWidthList)
    Q_PROPERTY(QList<int> RowHeights READ RowHeightList WRITE SetRowHeightList)
    LUMORA_EVENT(TGridAccessibleTextEvent, OnGetCellAccessibleText)
    LUMORA_EVENT(TGridAccessibleTextEvent, OnGetCellAccessibleDescription)

    int ColWidth(int col) const;
    void SetColWidth(int col, int width);
    int RowHeight(int row) const;
    void SetRowHeight(int row, int height);
    QList<int> ColWidthList() const { return m_layout.Cols().Sizes(); }
    void SetColWidthList(const QList<int>& widths);
    QList<int> RowHeightList() const { return m_layout.Rows().Sizes(); }
    void SetRowHeightList(const QList<int>& heights);

    // This grid has no fixed (header) cells: only 0 is accepted.
    int FixedCols() const { return 0; }
    void SetFixedCols(int count);
    int FixedRows() const { return 0; }
    void SetFixedRows(int count);

    // The current cell. Setting it collapses the selection onto it and
    // scrolls it into view.
    int Col() const { return m_current.X; }
    int Row() const { return m_current.Y; }
    void SetCol(int col) { MoveCurrent({col, m_current.Y}, false); }
    void SetRow(int row) { MoveCurrent({m_current.X, row}, false); }
    TGridCoord Anchor() const { return m_anchor; }
    // The block between the anchor and the current cell (whole rows with
    // goRowSelect).
    TGridRect Selection() const;
    // Anchor at the top left, current cell at the bottom right (clamped).
    void SetSelection(const TGridRect& r);
    bool IsCellSelected(int col, int row) const;

    int TopRow() const { return m_layout.TopRow(); }
    void SetTopRow(int row);
    int HorzOffset() const { return m_layout.HorzOffset(); }
    void SetHorzOffset(int offset);
    // The rows that show whole in the view.
    int VisibleRowCount() const { return m_layout.FullyVisibleRows(); }
    // Moves the view as little as possible so that the cell shows (its
    // column only when it fits); the current cell stays.
    void ScrollIntoView(int col, int row);

    // Sum of the accepted zoom steps, -10..+10; added to the font's point
    // size when text is drawn.
    int ZoomTotal() const { return m_zoom; }

    // Geometry, in widget coordinates.
    QRect CellRect(int col, int row) const { return m_layout.CellRect(col, row); }
    QRect GridClientRect() const { return m_layout.ClientRect(); }
    std::optional<TGridCoord> CellAt(QPoint p) const { return m_layout.CellAt(p); }
    const TGridLayout& Layout() const { return m_layout; }

    // For screen readers: the cells are the grid's accessible children, row
    // by row; each is named by what CellAccessibleText gives and described
    // by what CellAccessibleDescription gives (empty unless the handler
    // says more).
    int CellChildIndex(int col, int row) const { return row * ColCount() + col; }
    QString CellAccessibleText(int col, int row) const;
    QString CellAccessibleDescription(int col, int row) const;

    bool VertScrollBarShown() const { return m_vertShown; }
    bool HorzScrollBarShown() const { return m_horzShown; }
    QScrollBar* VertScrollBar() const { return m_vbar; }
    QScrollBar* HorzScrollBar() const { return m_hbar; }

protected:
    // Paints one cell. `rect` is the cell rectangle; `state` holds
    // gdSelected for a cell in the selection and gdFocused for the current
    // cell while the grid has the keyboard focus.
    virtual void DrawCell(TCanvas& canvas, int col, int row, const QRect& rect, TGridDrawState state) = 0;

    // One wheel notch (+1 towards the user, i.e. towards the end of the
    // list; -1 towards the start). The grid's own handling: while it holds
    // the keyboard focus the current row moves one row, within the rows.
    virtual void WheelNotch(int direction, Qt::KeyboardModifiers modifiers);

    // Moves the current row by delta rows (clamped); the selection
    // collapses onto it and the view follows.
    void MoveCurrentRowBy(int delta);
    // One zoom step of delta: accepted only while the total stays in
    // -10..+10; every width and height above 0 that stays above 0 changes
    // by delta. Returns false for a step that was ignored.
    bool ZoomStep(int delta);
    // Scrolls the view by delta rows without moving the current cell.
    void ScrollRowsBy(int delta);

    // Moves the current cell (clamped); with extend the anchor stays, else
    // it follows. The view follows the current cell.
    void MoveCurrent(TGridCoord to, bool extend);

    // Repaints the part of the client area that a cell covers.
    void InvalidateCell(int col, int row);
    void InvalidateGridRect(const TGridRect& r);

    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void BoundsChanged() override;

private:
    void HandleWheel(QWheelEvent* e);
    // Works out which bars show and the client area, then brings the view
    // and the scroll bar widgets in line.
    void UpdateScrollBars();
    // After a change of sizes or frame: the bars and the client area, then
    // a repaint of the whole grid.
    void Relayout();
    void SyncScrollBarWidgets();
    // Sets the selection ends and repaints only what changed.
    void SetCurrentAndAnchor(TGridCoord current, TGridCoord anchor);
    TGridCoord ClampCoord(TGridCoord c) const;
    void ViewChanged(int oldTop, int oldOffset);
    // The cell for a pointer position while dragging (clamped into the
    // grid, one row or column beyond the view when outside it).
    TGridCoord DragTarget(QPoint p) const;

    TGridLayout m_layout;
    std::vector<std::vector<QString>> m_cells; // [column][row], grows on demand
    // The height a row that comes into use takes: DefaultRowHeight as the
    // zoom steps since it was set have changed it, so that new rows match
    // the rows that were there.
    int m_newRowHeight = 24;
    TGridCoord m_current;
    TGridCoord m_anchor;
    int m_zoom = 0;
    int m_wheelRemainder = 0;
    bool m_selecting = false;

    QScrollBar* m_vbar;
    QScrollBar* m_hbar;
    bool m_vertShown = false;
    bool m_horzShown = false;
    bool m_syncingBars = false;
};
Q_DECLARE_OPERATORS_FOR_FLAGS(TCustomGrid::TGridOptions)

using TGridOptions = TCustomGrid::TGridOptions;
