#include "window/FocusChain.h"

TFocusChain::TFocusChain(QWidget& window, std::vector<QWidget*> stops)
    : m_window(window)
{
    for (QWidget* stop : stops)
        if (stop)
            m_stops.emplace_back(stop);
    for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        KeepOthersOutOfTheFocus(*child);
}

void TFocusChain::KeepOthersOutOfTheFocus(QWidget& widget)
{
    // A stop keeps its own parts (a field, a popup list) as they are.
    if (Contains(&widget) || widget.isWindow())
        return;
    widget.setFocusPolicy(Qt::NoFocus);
    for (QWidget* child : widget.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        KeepOthersOutOfTheFocus(*child);
}

bool TFocusChain::Contains(const QWidget* widget) const
{
    for (const QPointer<QWidget>& stop : m_stops)
        if (stop == widget)
            return true;
    return false;
}

bool TFocusChain::ShownToUser(const QWidget& control)
{
    if (!control.isVisible() || !control.isEnabled())
        return false;
    const QWidget* window = control.window();
    const QPoint centre = control.mapTo(window, control.rect().center());
    if (!window->rect().contains(centre))
        return false;
    const QWidget* shown = window->childAt(centre);
    return shown == &control || (shown && control.isAncestorOf(shown));
}

QWidget* TFocusChain::Next(const QWidget* from, bool forward) const
{
    const int n = int(m_stops.size());
    if (n == 0)
        return nullptr;
    int at = -1;
    for (int i = 0; i < n && from; ++i)
        if (m_stops[i] && (m_stops[i] == from || m_stops[i]->isAncestorOf(from)))
            at = i;
    const int step = forward ? 1 : -1;
    int i = at >= 0 ? at : (forward ? n - 1 : 0);
    for (int tries = 0; tries < n; ++tries) {
        i = (i + step + n) % n;
        QWidget* stop = m_stops[i];
        if (stop && ShownToUser(*stop))
            return stop;
    }
    return nullptr;
}
