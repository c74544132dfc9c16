#include "controls/grid/GridBase.h"
#include "controls/core/Accessibility.h"

#include "controls/paint/Canvas.h"
#include "controls/grid/GridPainter.h"
#include "controls/paint/Property.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <cstdlib>
#include <stdexcept>

// ---------------------------------------------------------------------------
// Small types

TGridRect TGridRect::Spanning(TGridCoord a, TGridCoord b)
{
    return {std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
}

namespace {

class QtWheelSettings : public IWheelSettings {
public:
    int WheelScrollLines() const override { return QApplication::wheelScrollLines(); }
};

// One wheel notch as the platform reports it.
constexpr int kWheelDelta = 120;
constexpr int kZoomLimit = 10;

void CheckCount(const char* what, int count)
{
    if (count > TCustomGrid::kMaxCount)
        throw std::out_of_range(std::string(what) + " " + std::to_string(count) + " is too large (at most "
                                + std::to_string(TCustomGrid::kMaxCount) + ")");
}

} // namespace

IWheelSettings& WheelSettings()
{
    static QtWheelSettings real;
    return platform::Current<IWheelSettings>(real);
}

// ---------------------------------------------------------------------------
// TCustomGrid

TCustomGrid::TCustomGrid(TComponent* owner, QWidget* parent)
    : TCustomControl(owner, parent)
    , m_options(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect)
    , m_vbar(new QScrollBar(Qt::Vertical, this))
    , m_hbar(new QScrollBar(Qt::Horizontal, this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    SetColor(clWindow);
    for (QScrollBar* bar : {m_vbar, m_hbar}) {
        bar->setFocusPolicy(Qt::NoFocus);
        bar->setCursor(Qt::ArrowCursor);
        bar->hide();
        bar->installEventFilter(this);
    }
    connect(m_vbar, &QScrollBar::valueChanged, this, [this](int v) {
        if (!m_syncingBars)
            SetTopRow(v);
    });
    connect(m_hbar, &QScrollBar::valueChanged, this, [this](int v) {
        if (!m_syncingBars)
            SetHorzOffset(v);
    });
    m_layout.SetColCount(5, m_defaultColWidth);
    m_layout.SetRowCount(5, m_defaultRowHeight);
    UpdateScrollBars();
}

TCustomGrid::~TCustomGrid() = default;

// --- cell store -------------------------------------------------------------

QString TCustomGrid::Cells(int col, int row) const
{
    if (col < 0 || row < 0 || std::size_t(col) >= m_cells.size())
        return {};
    const auto& column = m_cells[std::size_t(col)];
    return std::size_t(row) < column.size() ? column[std::size_t(row)] : QString();
}

void TCustomGrid::SetCells(int col, int row, const QString& text)
{
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount())
        throw std::out_of_range("Grid index out of range: cell (" + std::to_string(col) + ", "
                                + std::to_string(row) + ") of a grid of " + std::to_string(ColCount())
                                + " by " + std::to_string(RowCount()));
    if (std::size_t(col) >= m_cells.size())
        m_cells.resize(std::size_t(col) + 1);
    auto& column = m_cells[std::size_t(col)];
    if (std::size_t(row) >= column.size()) {
        if (text.isEmpty())
            return; // never written reads as empty already
        column.resize(std::size_t(row) + 1);
    }
    QString& cell = column[std::size_t(row)];
    if (!SetIfChanged(cell, text))
        return;
    InvalidateCell(col, row);
    accessibility::AnnounceChildNameChange(this, CellChildIndex(col, row));
}

void TCustomGrid::SetColumnCells(int col, std::vector<QString> cells)
{
    if (col < 0 || col >= ColCount() || cells.size() > std::size_t(RowCount()))
        throw std::out_of_range("Grid index out of range: " + std::to_string(cells.size()) + " cells for column "
                                + std::to_string(col) + " of a grid of " + std::to_string(ColCount()) + " by "
                                + std::to_string(RowCount()));
    if (std::size_t(col) >= m_cells.size())
        m_cells.resize(std::size_t(col) + 1);
    if (!SetIfChanged(m_cells[std::size_t(col)], std::move(cells)))
        return;
    update();
    accessibility::AnnounceTableReset(this);
}

QString TCustomGrid::CellAccessibleText(int col, int row) const
{
    QString text = Cells(col, row);
    if (OnGetCellAccessibleText)
        OnGetCellAccessibleText(const_cast<TCustomGrid*>(this), row, col, text);
    return text;
}

QString TCustomGrid::CellAccessibleDescription(int col, int row) const
{
    QString text;
    if (OnGetCellAccessibleDescription)
        OnGetCellAccessibleDescription(const_cast<TCustomGrid*>(this), row, col, text);
    return text;
}

// --- dimensions -------------------------------------------------------------

void TCustomGrid::SetColCount(int count)
{
    CheckCount("ColCount", count);
    count = std::max(1, count);
    if (count == ColCount())
        return;
    m_layout.SetColCount(count, m_defaultColWidth);
    m_current.X = std::min(m_current.X, count - 1);
    m_anchor = m_current;
    Relayout();
    accessibility::AnnounceTableReset(this);
}

void TCustomGrid::SetRowCount(int count)
{
    CheckCount("RowCount", count);
    count = std::max(1, count);
    if (count == RowCount())
        return;
    const int oldCount = RowCount();
    const int oldTop = TopRow();
    const TGridRect oldSelection = Selection();
    // 1. the rows; rows that come into use take DefaultRowHeight, zoomed
    m_layout.SetRowCount(count, m_newRowHeight);
    accessibility::AnnounceTableReset(this);
    // 2. the current cell stays within the rows; 3. the selection shrinks to it
    m_current.Y = std::min(m_current.Y, count - 1);
    m_anchor = m_current;
    // 4. the scroll range, and a view left too far down moves up
    UpdateScrollBars();
    // 5. repaint what changed: rows that appeared or went, and the selection
    if (TopRow() != oldTop) {
        update(GridClientRect());
        return;
    }
    InvalidateGridRect({0, std::min(oldCount, count), ColCount() - 1, std::max(oldCount, count)});
    if (oldSelection != Selection()) {
        InvalidateGridRect(oldSelection);
        InvalidateGridRect(Selection());
    }
}

void TCustomGrid::SetDefaultColWidth(int width)
{
    if (!SetIfChanged(m_defaultColWidth, TGridAxis::Clamped(width)))
        return;
    m_layout.SetAllColWidths(m_defaultColWidth);
    Relayout();
}

void TCustomGrid::SetDefaultRowHeight(int height)
{
    if (!SetIfChanged(m_defaultRowHeight, TGridAxis::Clamped(height)))
        return;
    m_newRowHeight = m_defaultRowHeight;
    m_layout.SetAllRowHeights(m_defaultRowHeight);
    Relayout();
}

int TCustomGrid::ColWidth(int col) const
{
    return col >= 0 && col < ColCount() ? m_layout.ColWidth(col) : 0;
}

void TCustomGrid::SetColWidth(int col, int width)
{
    if (col < 0 || col >= ColCount())
        throw std::out_of_range("Grid index out of range: column " + std::to_string(col));
    if (m_layout.SetColWidth(col, width))
        Relayout();
}

int TCustomGrid::RowHeight(int row) const
{
    return row >= 0 && row < RowCount() ? m_layout.RowHeight(row) : 0;
}

void TCustomGrid::SetRowHeight(int row, int height)
{
    if (row < 0 || row >= RowCount())
        throw std::out_of_range("Grid index out of range: row " + std::to_string(row));
    if (m_layout.SetRowHeight(row, height))
        Relayout();
}

void TCustomGrid::SetColWidthList(const QList<int>& widths)
{
    if (m_layout.SetColWidths(widths))
        Relayout();
}

void TCustomGrid::SetRowHeightList(const QList<int>& heights)
{
    if (m_layout.SetRowHeights(heights))
        Relayout();
}

void TCustomGrid::SetFixedCols(int count)
{
    if (count != 0)
        throw std::invalid_argument("FixedCols must be 0: this grid has no fixed columns (got "
                                    + std::to_string(count) + ")");
}

void TCustomGrid::SetFixedRows(int count)
{
    if (count != 0)
        throw std::invalid_argument("FixedRows must be 0: this grid has no fixed rows (got "
                                    + std::to_string(count) + ")");
}

void TCustomGrid::SetGridLineWidth(int width)
{
    if (SetIfChanged(m_gridLineWidth, std::max(0, width)))
        update();
}

void TCustomGrid::SetOptions(TGridOptions options)
{
    if (!SetIfChanged(m_options, options))
        return;
    if (!m_options.testFlag(goRangeSelect))
        m_anchor = m_current;
    update();
}

void TCustomGrid::Relayout()
{
    UpdateScrollBars();
    update();
}

// --- current cell and selection ---------------------------------------------

TGridRect TCustomGrid::Selection() const
{
    TGridRect r = TGridRect::Spanning(m_anchor, m_current);
    if (m_options.testFlag(goRowSelect)) {
        r.Left = 0;
        r.Right = ColCount() - 1;
    }
    return r;
}

void TCustomGrid::SetSelection(const TGridRect& r)
{
    const TGridCoord anchor = ClampCoord({r.Left, r.Top});
    const TGridCoord current = ClampCoord({r.Right, r.Bottom});
    const int oldTop = TopRow(), oldOffset = HorzOffset();
    SetCurrentAndAnchor(current, m_options.testFlag(goRangeSelect) ? anchor : current);
    m_layout.ScrollIntoView(current.X, current.Y);
    ViewChanged(oldTop, oldOffset);
}

bool TCustomGrid::IsCellSelected(int col, int row) const
{
    return Selection().Contains(col, row);
}

TGridCoord TCustomGrid::ClampCoord(TGridCoord c) const
{
    return {std::clamp(c.X, 0, ColCount() - 1), std::clamp(c.Y, 0, RowCount() - 1)};
}

void TCustomGrid::SetCurrentAndAnchor(TGridCoord current, TGridCoord anchor)
{
    if (current == m_current && anchor == m_anchor)
        return;
    const TGridRect oldSelection = Selection();
    const TGridCoord oldCurrent = m_current;
    m_current = current;
    m_anchor = anchor;
    InvalidateGridRect(oldSelection);
    InvalidateGridRect(Selection());
    InvalidateCell(oldCurrent.X, oldCurrent.Y);
    if (hasFocus())
        accessibility::AnnounceChildFocus(this, CellChildIndex(m_current.X, m_current.Y));
}

void TCustomGrid::MoveCurrent(TGridCoord to, bool extend)
{
    to = ClampCoord(to);
    if (!m_options.testFlag(goRangeSelect))
        extend = false;
    const int oldTop = TopRow(), oldOffset = HorzOffset();
    SetCurrentAndAnchor(to, extend ? m_anchor : to);
    m_layout.ScrollIntoView(to.X, to.Y);
    ViewChanged(oldTop, oldOffset);
}

void TCustomGrid::MoveCurrentRowBy(int delta)
{
    MoveCurrent({m_current.X, m_current.Y + delta}, false);
}

// --- view -----------------------------------------------------------------

void TCustomGrid::SetTopRow(int row)
{
    const int oldTop = TopRow(), oldOffset = HorzOffset();
    m_layout.SetTopRow(row);
    ViewChanged(oldTop, oldOffset);
}

void TCustomGrid::SetHorzOffset(int offset)
{
    const int oldTop = TopRow(), oldOffset = HorzOffset();
    m_layout.SetHorzOffset(offset);
    ViewChanged(oldTop, oldOffset);
}

void TCustomGrid::ScrollIntoView(int col, int row)
{
    const int oldTop = TopRow(), oldOffset = HorzOffset();
    m_layout.ScrollIntoView(col, row);
    ViewChanged(oldTop, oldOffset);
}

void TCustomGrid::ScrollRowsBy(int delta)
{
    SetTopRow(TopRow() + delta);
}

void TCustomGrid::ViewChanged(int oldTop, int oldOffset)
{
    if (oldTop == TopRow() && oldOffset == HorzOffset())
        return;
    SyncScrollBarWidgets();
    update(GridClientRect());
}

bool TCustomGrid::ZoomStep(int delta)
{
    const int total = m_zoom + delta;
    if (total > kZoomLimit || total < -kZoomLimit)
        return false;
    m_zoom = total;
    m_layout.ResizeAll(delta);
    m_newRowHeight = TGridAxis::Resized(m_newRowHeight, delta);
    Relayout();
    return true;
}

void TCustomGrid::UpdateScrollBars()
{
    const int b = m_borderStyle == bsSingle ? BorderSize : 0;
    const QRect inner = QRect(0, 0, width(), height()).adjusted(b, b, -b, -b);
    const bool allowV = m_scrollBars == ssVertical || m_scrollBars == ssBoth;
    const bool allowH = m_scrollBars == ssHorizontal || m_scrollBars == ssBoth;

    // Showing one bar narrows the other direction, so settle both together;
    // bars are only ever added on the way, so three rounds are enough.
    bool v = false, h = false;
    for (int round = 0; round < 3; ++round) {
        const bool needV = allowV && m_layout.TotalHeight() > inner.height() - (h ? ScrollBarSize : 0);
        const bool needH = allowH && m_layout.TotalWidth() > inner.width() - (v ? ScrollBarSize : 0);
        if (needV == v && needH == h)
            break;
        v = needV;
        h = needH;
    }
    const QRect client(inner.left(), inner.top(), std::max(0, inner.width() - (v ? ScrollBarSize : 0)),
                       std::max(0, inner.height() - (h ? ScrollBarSize : 0)));

    const int oldTop = TopRow(), oldOffset = HorzOffset();
    const bool clientChanged = client != m_layout.ClientRect();
    m_layout.SetClientRect(client);
    m_vertShown = v;
    m_horzShown = h;
    SyncScrollBarWidgets();
    if (clientChanged || oldTop != TopRow() || oldOffset != HorzOffset())
        update();
}

void TCustomGrid::SyncScrollBarWidgets()
{
    m_syncingBars = true;
    const QRect client = m_layout.ClientRect();
    if (m_vertShown) {
        m_vbar->setGeometry(client.left() + client.width(), client.top(), ScrollBarSize, client.height());
        m_vbar->setRange(0, m_layout.MaxTopRow());
        m_vbar->setPageStep(std::max(1, m_layout.FullyVisibleRows()));
        m_vbar->setValue(TopRow());
    }
    if (m_vbar->isVisibleTo(this) != m_vertShown)
        m_vbar->setVisible(m_vertShown);
    if (m_horzShown) {
        m_hbar->setGeometry(client.left(), client.top() + client.height(), client.width(), ScrollBarSize);
        m_hbar->setRange(0, m_layout.MaxHorzOffset());
        m_hbar->setPageStep(std::max(1, client.width()));
        m_hbar->setSingleStep(std::max(1, std::min(client.width() / 8, 20)));
        m_hbar->setValue(HorzOffset());
    }
    if (m_hbar->isVisibleTo(this) != m_horzShown)
        m_hbar->setVisible(m_horzShown);
    m_syncingBars = false;
}

// --- repainting -----------------------------------------------------------

void TCustomGrid::InvalidateCell(int col, int row)
{
    const QRect r = m_layout.CellRect(col, row).intersected(m_layout.ClientRect());
    if (!r.isEmpty())
        update(r);
}

void TCustomGrid::InvalidateGridRect(const TGridRect& r)
{
    const int first = std::max(r.Top, TopRow());
    const int last = std::min(r.Bottom, m_layout.LastVisibleRow());
    if (first > last)
        return;
    const QRect top = m_layout.CellRect(0, first);
    const QRect bottom = m_layout.CellRect(0, last);
    if (top.isNull() || bottom.isNull())
        return;
    const QRect client = m_layout.ClientRect();
    const QRect band(client.left(), top.top(), client.width(), bottom.bottom() - top.top() + 1);
    update(band.intersected(client));
}

void TCustomGrid::paintEvent(QPaintEvent* e)
{
    QPainter painter(this);
    TCanvas canvas(painter);
    TGridPainter grid(canvas);

    // The frame around everything.
    if (m_borderStyle == bsSingle)
        grid.DrawSunkenBorder(TRect::FromQRect(rect()));

    // The cells in the area to repaint, row by row from the first visible.
    const QRect client = m_layout.ClientRect();
    const QRegion dirty = e->region().intersected(client);
    canvas.SetClipRect(TRect::FromQRect(client));
    const int clientBottom = client.top() + client.height();
    const int clientRight = client.left() + client.width();
    int y = client.top();
    for (int r = TopRow(); r < RowCount() && y < clientBottom; ++r) {
        const int h = m_layout.RowHeight(r);
        int x = client.left() - HorzOffset();
        for (int c = 0; c < ColCount() && x < clientRight; ++c) {
            const int w = m_layout.ColWidth(c);
            const QRect cell(x, y, w, h);
            if (w > 0 && h > 0 && x + w > client.left() && dirty.intersects(cell)) {
                TGridDrawState state;
                if (IsCellSelected(c, r))
                    state |= gdSelected;
                if (c == m_current.X && r == m_current.Y && hasFocus())
                    state |= gdFocused;
                DrawCell(canvas, c, r, cell, state);
                canvas.SetClipRect(TRect::FromQRect(client));
            }
            x += w;
        }
        y += h;
    }

    // The area right of the last column and below the last row.
    const int cellsRight = client.left() - HorzOffset() + m_layout.TotalWidth();
    grid.FillOutsideCells(TRect::FromQRect(client), cellsRight, y, Color());
    canvas.SetClipRect(std::nullopt);

    // The square between the two scroll bars.
    if (m_vertShown && m_horzShown)
        grid.FillCorner(TRect{clientRight, clientBottom, clientRight + ScrollBarSize, clientBottom + ScrollBarSize},
                        clBtnFace);
}

void TCustomGrid::resizeEvent(QResizeEvent* e)
{
    TCustomControl::resizeEvent(e);
    UpdateScrollBars();
}

void TCustomGrid::BoundsChanged()
{
    UpdateScrollBars();
}

// --- keyboard ---------------------------------------------------------------

void TCustomGrid::keyPressEvent(QKeyEvent* e)
{
    const bool shift = e->modifiers().testFlag(Qt::ShiftModifier);
    const bool ctrl = e->modifiers().testFlag(Qt::ControlModifier);
    const TGridCoord at = m_current;
    switch (e->key()) {
    case Qt::Key_Up: MoveCurrent({at.X, at.Y - 1}, shift); break;
    case Qt::Key_Down: MoveCurrent({at.X, at.Y + 1}, shift); break;
    case Qt::Key_Left: MoveCurrent({at.X - 1, at.Y}, shift); break;
    case Qt::Key_Right: MoveCurrent({at.X + 1, at.Y}, shift); break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        // A page is the number of rows wholly in view; the view moves by the
        // same page so the current row keeps its place on screen.
        const int page = std::max(1, m_layout.FullyVisibleRows());
        const int delta = e->key() == Qt::Key_PageDown ? page : -page;
        const int oldTop = TopRow(), oldOffset = HorzOffset();
        m_layout.SetTopRow(TopRow() + delta);
        MoveCurrent({at.X, at.Y + delta}, shift);
        ViewChanged(oldTop, oldOffset);
        break;
    }
    case Qt::Key_Home: MoveCurrent(ctrl ? TGridCoord{0, 0} : TGridCoord{0, at.Y}, shift); break;
    case Qt::Key_End:
        MoveCurrent(ctrl ? TGridCoord{ColCount() - 1, RowCount() - 1} : TGridCoord{ColCount() - 1, at.Y}, shift);
        break;
    default: TCustomControl::keyPressEvent(e); return;
    }
    e->accept();
}

// --- mouse ------------------------------------------------------------------

void TCustomGrid::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton) {
        setFocus(Qt::MouseFocusReason);
        if (auto cell = m_layout.CellAt(e->position().toPoint())) {
            MoveCurrent(*cell, e->modifiers().testFlag(Qt::ShiftModifier));
            m_selecting = true;
        }
    }
    TCustomControl::mousePressEvent(e);
}

TGridCoord TCustomGrid::DragTarget(QPoint p) const
{
    const QRect client = m_layout.ClientRect();
    int row;
    if (p.y() < client.top())
        row = TopRow() - 1;
    else if (p.y() >= client.top() + client.height())
        row = TopRow() + m_layout.FullyVisibleRows();
    else
        row = m_layout.RowNearestTo(p.y());
    const int col = m_layout.ColNearestTo(p.x());
    return ClampCoord({col, row});
}

void TCustomGrid::mouseMoveEvent(QMouseEvent* e)
{
    if (m_selecting && e->buttons().testFlag(Qt::LeftButton)) {
        const TGridCoord target = DragTarget(e->position().toPoint());
        if (target != m_current)
            MoveCurrent(target, true);
    }
    TCustomControl::mouseMoveEvent(e);
}

void TCustomGrid::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        m_selecting = false;
    TCustomControl::mouseReleaseEvent(e);
}

// --- wheel ------------------------------------------------------------------

void TCustomGrid::wheelEvent(QWheelEvent* e)
{
    HandleWheel(e);
}

void TCustomGrid::HandleWheel(QWheelEvent* e)
{
    const int dy = e->angleDelta().y();
    if (dy == 0) {
        e->ignore();
        return;
    }
    // Fine-grained wheels send parts of a notch; a notch counts once whole.
    if ((dy > 0) != (m_wheelRemainder > 0))
        m_wheelRemainder = 0;
    m_wheelRemainder += dy;
    while (std::abs(m_wheelRemainder) >= kWheelDelta) {
        // Turned towards the user (negative delta) means towards the end.
        const int direction = m_wheelRemainder < 0 ? 1 : -1;
        m_wheelRemainder += direction * kWheelDelta;
        WheelNotch(direction, e->modifiers());
    }
    e->accept();
}

void TCustomGrid::WheelNotch(int direction, Qt::KeyboardModifiers)
{
    if (hasFocus())
        MoveCurrentRowBy(direction);
}

bool TCustomGrid::eventFilter(QObject* watched, QEvent* e)
{
    // The wheel over a scroll bar works as over the cells.
    if (e->type() == QEvent::Wheel && (watched == m_vbar || watched == m_hbar)) {
        HandleWheel(static_cast<QWheelEvent*>(e));
        return true;
    }
    return TCustomControl::eventFilter(watched, e);
}

// --- focus ------------------------------------------------------------------

void TCustomGrid::focusInEvent(QFocusEvent* e)
{
    TCustomControl::focusInEvent(e);
    InvalidateCell(m_current.X, m_current.Y);
    accessibility::AnnounceChildFocus(this, CellChildIndex(m_current.X, m_current.Y));
}

void TCustomGrid::focusOutEvent(QFocusEvent* e)
{
    TCustomControl::focusOutEvent(e);
    InvalidateCell(m_current.X, m_current.Y);
}
