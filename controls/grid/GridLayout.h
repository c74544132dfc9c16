#pragma once
// Where a grid's cells are: the column widths and row heights, the client
// area they are shown in, the first visible row and the horizontal pixel
// offset. Pure arithmetic, no widgets, so painting and hit-testing always
// agree about where a cell is. Cells abut: a cell's grid lines are its own
// last pixel row and column.
#include <QList>
#include <QPoint>
#include <QRect>
#include <algorithm>
#include <optional>
#include <vector>

// A cell address: X is the column, Y the row, both from 0.
struct TGridCoord {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

// The lines of one direction (the columns by width, or the rows by height)
// and their total size, kept up to date as sizes change, so that adding rows
// one by one costs a constant amount each. A size is 0..kMaxSize pixels.
class TGridAxis {
public:
    static constexpr int kMaxSize = 2'000;
    static int Clamped(int size) { return std::clamp(size, 0, kMaxSize); }
    // One size after a zoom step: sizes above 0 move by delta while they
    // stay above 0.
    static int Resized(int size, int delta) { return size > 0 && size + delta > 0 ? size + delta : size; }

    int Count() const { return int(m_sizes.size()); }
    int Size(int line) const { return m_sizes[std::size_t(line)]; }
    int Total() const { return m_total; }
    QList<int> Sizes() const { return QList<int>(m_sizes.begin(), m_sizes.end()); }
    // The offset of a line from the start of the first (the total past the last).
    int Start(int line) const;

    // Grows with `size` for the new lines, or drops the last ones.
    void SetCount(int count, int size);
    // One line's size; true when it changed.
    bool SetSize(int line, int size);
    // Sizes for the first lines, the others keep theirs (entries beyond
    // Count have no line to go to); true when any changed.
    bool SetSizes(const QList<int>& sizes);
    void SetAll(int size);
    // A zoom step of every size (Resized).
    void ResizeAll(int delta);

    // With the lines laid out from line `first` on at offset `start`: the
    // line under pos (none before start or past the last line), and the
    // line pos is nearest to (the last one past them all; 0 for no lines).
    std::optional<int> LineAt(int first, int start, int pos) const;
    int LineNearestTo(int first, int start, int pos) const;

private:
    std::vector<int> m_sizes;
    int m_total = 0;
};

class TGridLayout {
public:
    const TGridAxis& Cols() const { return m_cols; }
    const TGridAxis& Rows() const { return m_rows; }
    int ColCount() const { return m_cols.Count(); }
    int RowCount() const { return m_rows.Count(); }
    int ColWidth(int col) const { return m_cols.Size(col); }
    int RowHeight(int row) const { return m_rows.Size(row); }
    int TotalWidth() const { return m_cols.Total(); }
    int TotalHeight() const { return m_rows.Total(); }

    // The sizes change as TGridAxis says (the setters tell whether any size
    // changed); the view is kept within range after each change.
    void SetColCount(int count, int width);
    void SetRowCount(int count, int height);
    bool SetColWidth(int col, int width);
    bool SetRowHeight(int row, int height);
    bool SetColWidths(const QList<int>& widths);
    bool SetRowHeights(const QList<int>& heights);
    void SetAllColWidths(int width);
    void SetAllRowHeights(int height);
    // A zoom step of every width and height.
    void ResizeAll(int delta);

    // The area the cells are shown in (widget coordinates). Setting it
    // keeps the view within range.
    QRect ClientRect() const { return m_client; }
    void SetClientRect(const QRect& client);

    int TopRow() const { return m_topRow; }
    // Clamped to 0..MaxTopRow().
    void SetTopRow(int row);
    int HorzOffset() const { return m_horzOffset; }
    // Clamped to 0..MaxHorzOffset().
    void SetHorzOffset(int offset);

    // The first visible row that shows the last row at the bottom.
    int MaxTopRow() const;
    int MaxHorzOffset() const { return std::max(0, TotalWidth() - m_client.width()); }
    // Rows wholly inside the client area, counted from TopRow (at least 1
    // while there are rows, so paging always moves).
    int FullyVisibleRows() const;
    // The last row that shows at least partly, or TopRow - 1 if none does.
    int LastVisibleRow() const;

    // The rectangle of a cell in widget coordinates; empty when the cell is
    // above the view or starts below the client area.
    QRect CellRect(int col, int row) const;
    // The cell under a point of the client area, if any.
    std::optional<TGridCoord> CellAt(QPoint p) const;
    // Left edge of a column relative to the start of the first column.
    int ColumnStart(int col) const { return m_cols.Start(col); }
    // The row nearest to a y coordinate, clamped to the rows in view.
    int RowNearestTo(int y) const { return m_rows.LineNearestTo(m_topRow, m_client.top(), y); }
    int ColNearestTo(int x) const { return m_cols.LineNearestTo(0, m_client.left() - m_horzOffset, x); }

    // Moves the view as little as possible so that the row shows whole (or
    // starts at the top when it is taller than the client area); the column
    // is brought into view only when it fits.
    void ScrollIntoView(int col, int row);

private:
    void ClampView();

    TGridAxis m_cols;
    TGridAxis m_rows;
    QRect m_client;
    int m_topRow = 0;
    int m_horzOffset = 0;
};
