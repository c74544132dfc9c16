#pragma once
// Screen-reader interface of the string grids: a list whose items are the
// rows when the grid has one column (the word list), else a table of cells.
// Each cell says what the grid's CellAccessibleText gives, which lets the
// window speak a starred word as "hidden word, 6 letters". A grid that is
// not presented has no cells at all, so the word store and the answers off
// the window's edge can never be read.
//
// The cells are children row by row (TCustomGrid::CellChildIndex); their
// interfaces are made on demand, registered with QAccessible, and dropped
// when the grid's rows or columns change or the grid goes.
#include "controls/accessibility/AccessibleControl.h"

#include <QAccessibleTableInterface>
#include <QHash>

class TCustomGrid;

class TAccessibleGrid : public TAccessibleControlOf<TCustomGrid>, public QAccessibleTableInterface {
public:
    explicit TAccessibleGrid(TCustomGrid* grid);
    ~TAccessibleGrid() override;

    QAccessible::Role role() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int columnCount() const override;
    int rowCount() const override;
    int selectedCellCount() const override;
    int selectedColumnCount() const override;
    int selectedRowCount() const override;
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    QList<QAccessibleInterface*> selectedCells() const override;
    QList<int> selectedColumns() const override;
    QList<int> selectedRows() const override;
    bool isColumnSelected(int column) const override;
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int column) override;
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

private:
    void DropCells();

    mutable QHash<int, QAccessible::Id> m_cells; // child index -> registered cell
};
