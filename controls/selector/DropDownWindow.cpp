#include "controls/selector/DropDownWindow.h"

#include "controls/paint/Color.h"
#include "controls/paint/Property.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

// Hands every row to the list's OnDrawRow and gives all rows one height.
class TRowDelegate : public QStyledItemDelegate {
public:
    explicit TRowDelegate(TDropDownList* list)
        : QStyledItemDelegate(list)
        , m_list(list)
    {
    }
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        const bool focused = (option.state & QStyle::State_HasFocus) && m_list->hasFocus();
        if (m_list->OnDrawRow)
            m_list->OnDrawRow(*painter, index.row(), option.rect, selected, focused);
        // The list's own dotted focus rectangle, inverted over the row.
        if (focused) {
            painter->save();
            painter->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            QPen pen(Qt::white, 1, Qt::DotLine);
            painter->setPen(pen);
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
            painter->restore();
        }
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        return QSize(option.rect.width(), m_list->RowHeight());
    }

private:
    TDropDownList* m_list;
};

} // namespace

TDropDownList::TDropDownList(QWidget* parent)
    : QListWidget(parent)
{
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setItemDelegate(new TRowDelegate(this));
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    QPalette p = palette();
    p.setColor(QPalette::Base, ToQColor(clWindow));
    setPalette(p);
}

void TDropDownList::SetRowHeight(int h)
{
    if (!SetIfChanged(m_rowHeight, std::max(1, h)))
        return;
    // Rows of uniform size are measured once; make the view measure again.
    doItemsLayout();
    viewport()->update();
}

void TDropDownList::SetRows(const QStringList& rows)
{
    clear();
    addItems(rows);
}

QStringList TDropDownList::Rows() const
{
    QStringList rows;
    rows.reserve(count());
    for (int i = 0; i < count(); ++i)
        rows << item(i)->text();
    return rows;
}

int TDropDownList::RowAt(QPoint p) const
{
    const QModelIndex index = indexAt(p);
    return index.isValid() ? index.row() : -1;
}

QRect TDropDownList::RowRect(int row) const
{
    if (row < 0 || row >= count())
        return {};
    return visualItemRect(item(row));
}

void TDropDownList::Highlight(int row)
{
    if (row < 0 || row >= count()) {
        setCurrentRow(-1);
        return;
    }
    setCurrentRow(row);
    scrollToItem(item(row));
}

void TDropDownList::keyPressEvent(QKeyEvent* e)
{
    if (OnKey && OnKey(e))
        return;
    QListWidget::keyPressEvent(e);
}

void TDropDownList::mouseMoveEvent(QMouseEvent* e)
{
    // The row under the pointer becomes the highlighted row.
    const int row = RowAt(e->position().toPoint());
    if (row >= 0 && row != currentRow())
        setCurrentRow(row);
    QListWidget::mouseMoveEvent(e);
}

void TDropDownList::mouseReleaseEvent(QMouseEvent* e)
{
    QListWidget::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && OnMouseUp)
        OnMouseUp(e->position().toPoint());
}

TDropDownWindow::TDropDownWindow(QWidget* parent)
    : QWidget(parent, Qt::Popup | Qt::FramelessWindowHint)
    , m_list(new TDropDownList(this))
{
    // A click elsewhere only closes the popup; it does not also reach the
    // widget under the pointer (so a click on the drop button of an open
    // selector just closes its list).
    setAttribute(Qt::WA_NoMouseReplay);
    setFocusProxy(m_list);
    resize(parent ? parent->width() : 0, 20);
}

void TDropDownWindow::Place(const QRect& geometry)
{
    setGeometry(geometry);
    m_list->setGeometry(QRect(QPoint(0, 0), geometry.size()).adjusted(2, 2, -2, -2));
}

void TDropDownWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    // The white margin, then the 1-pixel window border.
    p.fillRect(rect(), ToQColor(clWindow));
    p.setPen(ToQColor(clWindowFrame));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TDropDownWindow::resizeEvent(QResizeEvent*)
{
    m_list->setGeometry(rect().adjusted(2, 2, -2, -2));
}

void TDropDownWindow::showEvent(QShowEvent*)
{
    m_list->setFocus(Qt::PopupFocusReason);
}

void TDropDownWindow::hideEvent(QHideEvent*)
{
    if (OnHide)
        OnHide();
}
