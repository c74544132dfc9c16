#include "window/FallbackSelector.h"

#include "controls/ComponentRegistry.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

TFallbackSelector::TFallbackSelector(TComponent* owner, QWidget* parent)
    : TCustomControl(owner, parent)
{
    SetColor(clWindow);
}

void TFallbackSelector::SetItems(const QStringList& v)
{
    if (m_items == v)
        return;
    m_items = v;
    if (m_itemIndex >= m_items.size())
        m_itemIndex = -1;
    update();
}

void TFallbackSelector::SetItemIndex(int v)
{
    if (v < -1 || v >= m_items.size() || v == m_itemIndex)
        return;
    m_itemIndex = v;
    update();
}

void TFallbackSelector::Choose(int index)
{
    SetItemIndex(index);
    if (OnSelect)
        OnSelect(this);
}

bool TFallbackSelector::SetEvent(const QString& name, const std::any& handler)
{
    if (name == u"OnSelect")
        return AssignEvent(OnSelect, handler);
    return TCustomControl::SetEvent(name, handler);
}

void TFallbackSelector::paintEvent(QPaintEvent*)
{
    // Field, frame, drop arrow, text.
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, ToQColor(Color()));
    p.setPen(QColor(0xB2, 0xBC, 0xC0));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    const int buttonWidth = 14;
    const QRect button(r.right() - buttonWidth, r.top() + 1, buttonWidth, r.height() - 2);
    p.fillRect(button, QColor(0xE8, 0xE8, 0xE8));
    p.setBrush(Qt::black);
    p.setPen(Qt::NoPen);
    const QPoint c = button.center();
    p.drawPolygon(QPolygon({QPoint(c.x() - 3, c.y() - 1), QPoint(c.x() + 3, c.y() - 1), QPoint(c.x(), c.y() + 2)}));
    QFont f = Font()->ToQFont();
    p.setFont(f);
    p.setPen(ToQColor(Font()->Color()));
    p.drawText(r.adjusted(3, 0, -buttonWidth - 2, 0), Qt::AlignVCenter | Qt::AlignLeft, Text());
}

void TFallbackSelector::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton || m_items.isEmpty())
        return;
    QMenu menu(this);
    for (int i = 0; i < m_items.size(); ++i) {
        QAction* action = menu.addAction(m_items[i]);
        action->setCheckable(true);
        action->setChecked(i == m_itemIndex);
        action->setData(i);
    }
    if (QAction* chosen = menu.exec(mapToGlobal(QPoint(0, height()))))
        Choose(chosen->data().toInt());
}

bool RegisterFallbackSelectorIfNeeded()
{
    if (IsComponentClassRegistered(u"TOfficeSelector"))
        return false;
    RegisterComponentClass<TFallbackSelector>(u"TOfficeSelector");
    return true;
}
