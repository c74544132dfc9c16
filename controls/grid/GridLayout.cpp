#include "controls/grid/GridLayout.h"

// ---------------------------------------------------------------------------
// TGridAxis

int TGridAxis::Start(int line) const
{
    int offset = 0;
    for (int i = 0; i < line && i < Count(); ++i)
        offset += Size(i);
    return offset;
}

void TGridAxis::SetCount(int count, int size)
{
    count = std::max(0, count);
    size = Clamped(size);
    while (Count() > count) {
        m_total -= m_sizes.back();
        m_sizes.pop_back();
    }
    if (Count() < count) {
        m_total += size * (count - Count());
        m_sizes.resize(std::size_t(count), size);
    }
}

bool TGridAxis::SetSize(int line, int size)
{
    int& s = m_sizes[std::size_t(line)];
    size = Clamped(size);
    if (size == s)
        return false;
    m_total += size - s;
    s = size;
    return true;
}

bool TGridAxis::SetSizes(const QList<int>& sizes)
{
    bool changed = false;
    for (int i = 0; i < Count() && i < sizes.size(); ++i)
        changed = SetSize(i, sizes[i]) || changed;
    return changed;
}

void TGridAxis::SetAll(int size)
{
    size = Clamped(size);
    std::fill(m_sizes.begin(), m_sizes.end(), size);
    m_total = size * Count();
}

void TGridAxis::ResizeAll(int delta)
{
    m_total = 0;
    for (int& s : m_sizes) {
        s = Resized(s, delta);
        m_total += s;
    }
}

std::optional<int> TGridAxis::LineAt(int first, int start, int pos) const
{
    for (int i = first; i < Count() && start <= pos; ++i) {
        const int end = start + Size(i);
        if (pos < end)
            return i;
        start = end;
    }
    return std::nullopt;
}

int TGridAxis::LineNearestTo(int first, int start, int pos) const
{
    for (int i = first; i < Count(); ++i) {
        start += Size(i);
        if (pos < start)
            return i;
    }
    return std::max(0, Count() - 1);
}

// ---------------------------------------------------------------------------
// TGridLayout

void TGridLayout::SetColCount(int count, int width)
{
    m_cols.SetCount(count, width);
    ClampView();
}

void TGridLayout::SetRowCount(int count, int height)
{
    m_rows.SetCount(count, height);
    ClampView();
}

bool TGridLayout::SetColWidth(int col, int width)
{
    const bool changed = m_cols.SetSize(col, width);
    ClampView();
    return changed;
}

bool TGridLayout::SetRowHeight(int row, int height)
{
    const bool changed = m_rows.SetSize(row, height);
    ClampView();
    return changed;
}

bool TGridLayout::SetColWidths(const QList<int>& widths)
{
    const bool changed = m_cols.SetSizes(widths);
    ClampView();
    return changed;
}

bool TGridLayout::SetRowHeights(const QList<int>& heights)
{
    const bool changed = m_rows.SetSizes(heights);
    ClampView();
    return changed;
}

void TGridLayout::SetAllColWidths(int width)
{
    m_cols.SetAll(width);
    ClampView();
}

void TGridLayout::SetAllRowHeights(int height)
{
    m_rows.SetAll(height);
    ClampView();
}

void TGridLayout::ResizeAll(int delta)
{
    m_cols.ResizeAll(delta);
    m_rows.ResizeAll(delta);
    ClampView();
}

void TGridLayout::SetClientRect(const QRect& client)
{
    m_client = client;
    ClampView();
}

void TGridLayout::SetTopRow(int row)
{
    m_topRow = std::clamp(row, 0, MaxTopRow());
}

void TGridLayout::SetHorzOffset(int offset)
{
    m_horzOffset = std::clamp(offset, 0, MaxHorzOffset());
}

void TGridLayout::ClampView()
{
    SetTopRow(m_topRow);
    SetHorzOffset(m_horzOffset);
}

int TGridLayout::MaxTopRow() const
{
    const int n = RowCount();
    if (n == 0)
        return 0;
    // Walk back from the last row while the rows still fit below each other.
    const int space = m_client.height();
    int used = 0;
    int r = n - 1;
    while (r >= 0 && used + RowHeight(r) <= space) {
        used += RowHeight(r);
        --r;
    }
    // A last row taller than the client area is shown from its top.
    return std::min(r + 1, n - 1);
}

int TGridLayout::FullyVisibleRows() const
{
    const int n = RowCount();
    int used = 0;
    int count = 0;
    for (int r = m_topRow; r < n; ++r) {
        used += RowHeight(r);
        if (used > m_client.height())
            break;
        ++count;
    }
    return n > 0 ? std::max(1, count) : 0;
}

int TGridLayout::LastVisibleRow() const
{
    const int n = RowCount();
    int y = 0;
    int r = m_topRow;
    while (r < n && y < m_client.height()) {
        y += RowHeight(r);
        ++r;
    }
    return r - 1;
}

QRect TGridLayout::CellRect(int col, int row) const
{
    if (col < 0 || col >= ColCount() || row < m_topRow || row >= RowCount())
        return {};
    int y = m_client.top();
    const int bottom = m_client.top() + m_client.height();
    for (int r = m_topRow; r < row; ++r) {
        y += RowHeight(r);
        if (y >= bottom)
            return {};
    }
    const int x = m_client.left() + ColumnStart(col) - m_horzOffset;
    return QRect(x, y, ColWidth(col), RowHeight(row));
}

std::optional<TGridCoord> TGridLayout::CellAt(QPoint p) const
{
    if (!m_client.contains(p))
        return std::nullopt;
    const std::optional<int> row = m_rows.LineAt(m_topRow, m_client.top(), p.y());
    if (!row)
        return std::nullopt;
    const std::optional<int> col = m_cols.LineAt(0, m_client.left() - m_horzOffset, p.x());
    if (!col)
        return std::nullopt;
    return TGridCoord{*col, *row};
}

void TGridLayout::ScrollIntoView(int col, int row)
{
    if (row >= 0 && row < RowCount()) {
        const int space = m_client.height();
        if (row < m_topRow) {
            m_topRow = row;
        } else {
            // Does the row end inside the client area? Stop adding as soon
            // as it cannot.
            int used = 0;
            for (int r = m_topRow; r <= row && used <= space; ++r)
                used += RowHeight(r);
            if (used > space) {
                int top = row;
                int tail = RowHeight(row);
                while (top > 0 && tail + RowHeight(top - 1) <= space) {
                    --top;
                    tail += RowHeight(top);
                }
                m_topRow = top;
            }
        }
    }
    if (col >= 0 && col < ColCount()) {
        const int start = ColumnStart(col);
        const int end = start + ColWidth(col);
        const int space = m_client.width();
        if (end - start <= space) {
            if (start < m_horzOffset)
                m_horzOffset = start;
            else if (end > m_horzOffset + space)
                m_horzOffset = end - space;
        }
    }
    ClampView();
}
