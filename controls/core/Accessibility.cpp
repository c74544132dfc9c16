#include "controls/core/Accessibility.h"

#include <QAccessibleEvent>
#include <QWidget>

namespace accessibility {

bool IsPlacedInside(const QWidget* widget)
{
    if (!widget)
        return false;
    const QWidget* parent = widget->parentWidget();
    if (widget->isWindow() || !parent)
        return true;
    return QRect(QPoint(0, 0), parent->size()).intersects(widget->geometry());
}

bool IsPresented(const QWidget* widget)
{
    if (!widget)
        return false;
    const QWidget* window = widget->window();
    if (!widget->isVisibleTo(window) && widget != window)
        return false;
    for (const QWidget* w = widget; w && w != window; w = w->parentWidget())
        if (!IsPlacedInside(w))
            return false;
    return true;
}

namespace {

// Only presented widgets of a window on screen speak (as Qt's own widgets,
// they do so whether or not a bridge listens; without one it costs a look-up).
bool ShouldAnnounce(QWidget* widget)
{
    return widget && widget->window()->isVisible() && IsPresented(widget);
}

bool ShouldAnnounce(QObject* control)
{
    return control && ShouldAnnounce(qobject_cast<QWidget*>(control));
}

TAnnouncementTap g_tap = nullptr;

void Deliver(QAccessibleEvent* event)
{
    if (g_tap)
        g_tap(event);
    QAccessible::updateAccessibility(event);
}

} // namespace

void AnnounceNameChange(QObject* control)
{
    if (!ShouldAnnounce(control))
        return;
    QAccessibleEvent event(control, QAccessible::NameChanged);
    Deliver(&event);
}

void AnnounceValueChange(QObject* control, const QVariant& value)
{
    if (!ShouldAnnounce(control))
        return;
    QAccessibleValueChangeEvent event(control, value);
    Deliver(&event);
}

void AnnounceStateChange(QObject* control, QAccessible::State changed)
{
    if (!ShouldAnnounce(control))
        return;
    QAccessibleStateChangeEvent event(control, changed);
    Deliver(&event);
}

void AnnounceChildNameChange(QObject* control, int child)
{
    if (!ShouldAnnounce(control))
        return;
    QAccessibleEvent event(control, QAccessible::NameChanged);
    event.setChild(child);
    Deliver(&event);
}

void AnnounceChildFocus(QObject* control, int child)
{
    if (!ShouldAnnounce(control))
        return;
    QAccessibleEvent event(control, QAccessible::Focus);
    event.setChild(child);
    Deliver(&event);
}

void AnnounceTableReset(QObject* control)
{
    if (!ShouldAnnounce(control))
        return;
    QAccessibleTableModelChangeEvent event(control, QAccessibleTableModelChangeEvent::ModelReset);
    Deliver(&event);
}

void AnnouncePlacement(QWidget* control, bool shown)
{
    if (!control || !ShouldAnnounce(control->parentWidget()))
        return;
    QAccessibleEvent event(control, shown ? QAccessible::ObjectShow : QAccessible::ObjectHide);
    Deliver(&event);
}

void SetAnnouncementTap(TAnnouncementTap tap)
{
    g_tap = tap;
}

} // namespace accessibility
