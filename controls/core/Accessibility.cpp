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

// Only presented widgets of a window on screen speak, and only while
// someone listens.
bool ShouldAnnounce(QWidget* widget)
{
    return widget && QAccessible::isActive() && widget->window()->isVisible() && IsPresented(widget);
}

bool ShouldAnnounce(QObject* control)
{
    return control && ShouldAnnounce(qobject_cast<QWidget*>(control));
}

} // namespace

void AnnounceNameChange(QObject* control)
{
    if (!ShouldAnnounce(control))
        return;
    QAccessibleEvent event(control, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void AnnounceValueChange(QObject* control, const QVariant& value)
{
    if (!ShouldAnnounce(control))
        return;
    QAccessibleValueChangeEvent event(control, value);
    QAccessible::updateAccessibility(&event);
}

void AnnounceStateChange(QObject* control, QAccessible::State changed)
{
    if (!ShouldAnnounce(control))
        return;
    QAccessibleStateChangeEvent event(control, changed);
    QAccessible::updateAccessibility(&event);
}

void AnnounceChildNameChange(QObject* control, int child)
{
    if (!ShouldAnnounce(control))
        return;
    QAccessibleEvent event(control, QAccessible::NameChanged);
    event.setChild(child);
    QAccessible::updateAccessibility(&event);
}

void AnnounceChildFocus(QObject* control, int child)
{
    if (!ShouldAnnounce(control))
        return;
    QAccessibleEvent event(control, QAccessible::Focus);
    event.setChild(child);
    QAccessible::updateAccessibility(&event);
}

void AnnounceTableReset(QObject* control)
{
    if (!ShouldAnnounce(control))
        return;
    QAccessibleTableModelChangeEvent event(control, QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&event);
}

void AnnouncePlacement(QWidget* control, bool shown)
{
    if (!control || !ShouldAnnounce(control->parentWidget()))
        return;
    QAccessibleEvent event(control, shown ? QAccessible::ObjectShow : QAccessible::ObjectHide);
    QAccessible::updateAccessibility(&event);
}

} // namespace accessibility
