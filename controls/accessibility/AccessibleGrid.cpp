#include "controls/accessibility/AccessibleGrid.h"

#include "controls/core/Accessibility.h"
#include "controls/grid/GridBase.h"

#include <QPointer>

namespace {

class TAccessibleGridCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    TAccessibleGridCell(TCustomGrid* grid, int row, int col)
        : m_grid(grid)
        , m_row(row)
        , m_col(col)
    {
    }

    bool isValid() const override { return m_grid && m_row < m_grid->RowCount() && m_col < m_grid->ColCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_grid ? m_grid->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_grid); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        if (t == QAccessible::Name)
            return m_grid->CellAccessibleText(m_col, m_row);
        if (t == QAccessible::Description)
            return m_grid->CellAccessibleDescription(m_col, m_row);
        return {};
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect r = m_grid->CellRect(m_col, m_row).intersected(m_grid->GridClientRect());
        return r.isEmpty() ? QRect() : QRect(m_grid->mapToGlobal(r.topLeft()), r.size());
    }

    QAccessible::Role role() const override
    {
        return m_grid && m_grid->ColCount() == 1 ? QAccessible::ListItem : QAccessible::Cell;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.selectable = true;
        s.selected = m_grid->IsCellSelected(m_col, m_row);
        s.focusable = true;
        s.focused = m_grid->hasFocus() && m_grid->Col() == m_col && m_grid->Row() == m_row;
        if (rect().isEmpty()) {
            s.invisible = true;
            s.offscreen = true;
        }
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    // QAccessibleTableCellInterface
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_col; }
    int rowIndex() const override { return m_row; }
    bool isSelected() const override { return isValid() && m_grid->IsCellSelected(m_col, m_row); }
    QAccessibleInterface* table() const override { return parent(); }

    const TCustomGrid* Grid() const { return m_grid; }

private:
    QPointer<TCustomGrid> m_grid;
    int m_row;
    int m_col;
};

} // namespace

TAccessibleGrid::TAccessibleGrid(TCustomGrid* grid)
    : TAccessibleControlOf(grid, QAccessible::Table)
{
}

TAccessibleGrid::~TAccessibleGrid()
{
    DropCells();
}

void TAccessibleGrid::DropCells()
{
    for (const QAccessible::Id id : std::as_const(m_cells))
        QAccessible::deleteAccessibleInterface(id);
    m_cells.clear();
}

QAccessible::Role TAccessibleGrid::role() const
{
    return columnCount() == 1 ? QAccessible::List : QAccessible::Table;
}

int TAccessibleGrid::rowCount() const
{
    // Not presented: no cells, so nothing of the grid can be read.
    return accessibility::IsPresented(Control()) ? Control()->RowCount() : 0;
}

int TAccessibleGrid::columnCount() const
{
    return Control()->ColCount();
}

int TAccessibleGrid::childCount() const
{
    return rowCount() * columnCount();
}

QAccessibleInterface* TAccessibleGrid::cellAt(int row, int column) const
{
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount())
        return nullptr;
    const int index = Control()->CellChildIndex(column, row);
    if (const auto found = m_cells.constFind(index); found != m_cells.constEnd())
        return QAccessible::accessibleInterface(*found);
    auto* cell = new TAccessibleGridCell(Control(), row, column);
    m_cells.insert(index, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

QAccessibleInterface* TAccessibleGrid::child(int index) const
{
    const int cols = columnCount();
    if (index < 0 || index >= childCount() || cols <= 0)
        return nullptr;
    return cellAt(index / cols, index % cols);
}

int TAccessibleGrid::indexOfChild(const QAccessibleInterface* child) const
{
    const auto* cell = child ? dynamic_cast<const TAccessibleGridCell*>(child) : nullptr;
    if (!cell || cell->Grid() != Control() || !cell->isValid())
        return -1;
    return Control()->CellChildIndex(cell->columnIndex(), cell->rowIndex());
}

QAccessibleInterface* TAccessibleGrid::childAt(int x, int y) const
{
    if (!accessibility::IsPresented(Control()))
        return nullptr;
    const std::optional<TGridCoord> at = Control()->CellAt(Control()->mapFromGlobal(QPoint(x, y)));
    return at ? cellAt(at->Y, at->X) : nullptr;
}

QAccessibleInterface* TAccessibleGrid::focusChild() const
{
    if (!Control()->hasFocus())
        return nullptr;
    return cellAt(Control()->Row(), Control()->Col());
}

void* TAccessibleGrid::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return TAccessibleControl::interface_cast(t);
}

int TAccessibleGrid::selectedCellCount() const
{
    return int(selectedCells().size());
}

QList<QAccessibleInterface*> TAccessibleGrid::selectedCells() const
{
    QList<QAccessibleInterface*> cells;
    if (rowCount() == 0)
        return cells;
    const TGridRect s = Control()->Selection();
    for (int row = s.Top; row <= s.Bottom; ++row)
        for (int col = s.Left; col <= s.Right; ++col)
            if (QAccessibleInterface* cell = cellAt(row, col))
                cells.append(cell);
    return cells;
}

QList<int> TAccessibleGrid::selectedRows() const
{
    QList<int> rows;
    for (int row = 0; row < rowCount(); ++row)
        if (isRowSelected(row))
            rows.append(row);
    return rows;
}

QList<int> TAccessibleGrid::selectedColumns() const
{
    QList<int> cols;
    for (int col = 0; col < columnCount(); ++col)
        if (isColumnSelected(col))
            cols.append(col);
    return cols;
}

int TAccessibleGrid::selectedRowCount() const
{
    return int(selectedRows().size());
}

int TAccessibleGrid::selectedColumnCount() const
{
    return int(selectedColumns().size());
}

bool TAccessibleGrid::isRowSelected(int row) const
{
    if (row < 0 || row >= rowCount())
        return false;
    const TGridRect s = Control()->Selection();
    return row >= s.Top && row <= s.Bottom && s.Left == 0 && s.Right == columnCount() - 1;
}

bool TAccessibleGrid::isColumnSelected(int column) const
{
    if (column < 0 || column >= columnCount() || rowCount() == 0)
        return false;
    const TGridRect s = Control()->Selection();
    return column >= s.Left && column <= s.Right && s.Top == 0 && s.Bottom == rowCount() - 1;
}

bool TAccessibleGrid::selectRow(int row)
{
    if (row < 0 || row >= rowCount())
        return false;
    Control()->SetSelection({0, row, columnCount() - 1, row});
    return true;
}

bool TAccessibleGrid::selectColumn(int column)
{
    if (column < 0 || column >= columnCount() || rowCount() == 0)
        return false;
    Control()->SetSelection({column, 0, column, rowCount() - 1});
    return true;
}

void TAccessibleGrid::modelChange(QAccessibleTableModelChangeEvent*)
{
    // Rows or columns came or went: the cells are made again as asked for.
    DropCells();
}
