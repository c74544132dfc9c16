#pragma once
// The selector's popup: a frameless popup window with a 1-pixel window
// border and a 1-pixel white margin, holding an owner-drawn list of fixed
// row height that fills the rest. It closes when the user clicks elsewhere
// (the popup's loss of activation) and gives its list the focus when shown.
//
// The list draws no row itself: OnDrawRow paints each one. It tells its
// owner about pointer releases and key presses (OnKey may take a key before
// the list's own handling), and highlights the row under the pointer.
#include <QListWidget>
#include <QWidget>
#include <functional>

class QPainter;

class TDropDownList : public QListWidget {
    Q_OBJECT
public:
    explicit TDropDownList(QWidget* parent = nullptr);

    int RowHeight() const { return m_rowHeight; }
    void SetRowHeight(int h);

    void SetRows(const QStringList& rows);
    QStringList Rows() const;
    // The row at a point of the viewport, or -1.
    int RowAt(QPoint viewportPoint) const;
    // A row's rectangle in viewport coordinates (empty when not laid out).
    QRect RowRect(int row) const;
    // Highlights a row (-1: none) and scrolls it into view.
    void Highlight(int row);
    int HighlightedRow() const { return currentRow(); }

    // Paints one row: its index, rectangle, and whether it is selected or
    // has the list's focus.
    std::function<void(QPainter&, int row, const QRect& rect, bool selected, bool focused)> OnDrawRow;
    // A key pressed in the list; returning true skips the list's own
    // handling of it.
    std::function<bool(QKeyEvent*)> OnKey;
    // The left button released over the list, in viewport coordinates.
    std::function<void(QPoint)> OnMouseUp;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    int m_rowHeight = 15;
};

class TDropDownWindow : public QWidget {
    Q_OBJECT
public:
    // parent: the selector the popup belongs to (it frees the popup).
    explicit TDropDownWindow(QWidget* parent = nullptr);

    TDropDownList* List() const { return m_list; }
    // Moves and sizes the popup (in screen coordinates) and lays its list
    // out at once, also while the popup is hidden.
    void Place(const QRect& geometry);

    // Raised whenever the popup has been hidden, by its owner or because
    // the user clicked elsewhere.
    std::function<void()> OnHide;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    TDropDownList* m_list;
};
