#pragma once
// A plain drop-down list that stands in for the office selector while the
// program is built without it: the same published names the window uses
// (Items, ItemIndex, ItemHeight, Color, DisplayRecentSelection, Font,
// OnSelect), a flat look, and a popup menu for the list. It is registered
// under the selector's class name only when no selector class is.
#include "controls/Control.h"

#include <QString>
#include <QStringList>

class TFallbackSelector : public TCustomControl {
    Q_OBJECT
    Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex)
    Q_PROPERTY(int ItemHeight READ ItemHeight WRITE SetItemHeight)
    Q_PROPERTY(bool DisplayRecentSelection READ DisplayRecentSelection WRITE SetDisplayRecentSelection)
    Q_PROPERTY(QString Text READ Text)
public:
    explicit TFallbackSelector(TComponent* owner = nullptr, QWidget* parent = nullptr);

    const QStringList& Items() const { return m_items; }
    void SetItems(const QStringList& v);
    int ItemIndex() const { return m_itemIndex; }
    // -1 empties the field; an index outside the items changes nothing.
    // Raises no OnSelect.
    void SetItemIndex(int v);
    int ItemHeight() const { return m_itemHeight; }
    void SetItemHeight(int v) { m_itemHeight = v; }
    bool DisplayRecentSelection() const { return m_displayRecent; }
    void SetDisplayRecentSelection(bool v) { m_displayRecent = v; }
    QString Text() const { return m_itemIndex >= 0 ? m_items.value(m_itemIndex) : QString(); }

    // The player's choice: ItemIndex, then OnSelect.
    void Choose(int index);

    TNotifyEvent OnSelect;
    bool SetEvent(const QString& name, const std::any& handler) override;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    QStringList m_items;
    int m_itemIndex = -1;
    int m_itemHeight = 15;
    bool m_displayRecent = true;
};

// Registers TFallbackSelector as "TOfficeSelector" unless a class of that
// name is registered already; true when it did.
bool RegisterFallbackSelectorIfNeeded();
