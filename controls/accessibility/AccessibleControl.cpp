#include "controls/accessibility/AccessibleControl.h"

#include "controls/core/Accessibility.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

TAccessibleControl::TAccessibleControl(QWidget* widget, QAccessible::Role role)
    : QAccessibleWidget(widget, role)
{
}

QList<QWidget*> TAccessibleControl::PresentedChildren() const
{
    QList<QWidget*> shown;
    for (QObject* o : widget()->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && !w->isWindow() && !w->isHidden() && accessibility::IsPlacedInside(w))
            shown.append(w);
    }
    return shown;
}

int TAccessibleControl::childCount() const
{
    return int(PresentedChildren().size());
}

QAccessibleInterface* TAccessibleControl::child(int index) const
{
    const QList<QWidget*> shown = PresentedChildren();
    if (index < 0 || index >= shown.size())
        return nullptr;
    return QAccessible::queryAccessibleInterface(shown.at(index));
}

int TAccessibleControl::indexOfChild(const QAccessibleInterface* child) const
{
    if (!child)
        return -1;
    return int(PresentedChildren().indexOf(qobject_cast<QWidget*>(child->object())));
}

QAccessible::State TAccessibleControl::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    if (!accessibility::IsPresented(widget())) {
        s.invisible = true;
        s.offscreen = true;
    }
    return s;
}

QStringList TAccessibleControl::actionNames() const
{
    QStringList names;
    if (widget()->isEnabled() && !MainAction().isEmpty())
        names << MainAction();
    return names + QAccessibleWidget::actionNames();
}

void TAccessibleControl::doAction(const QString& actionName)
{
    if (actionName.isEmpty() || actionName != MainAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    Later([this] {
        if (widget()->isEnabled())
            PerformMainAction();
    });
}

void TAccessibleControl::Later(std::function<void()> action) const
{
    QPointer<QWidget> target(widget());
    QTimer::singleShot(0, target, [target, action = std::move(action)] {
        if (target)
            action();
    });
}

QString TAccessibleControl::NameOr(const QString& fallback) const
{
    const QString designed = widget()->accessibleName();
    return designed.isEmpty() ? fallback : designed;
}

QString WithoutAccelerator(const QString& caption)
{
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&'))
                plain += QLatin1Char('&');
            ++i;
            if (i < caption.size() && caption[i] != QLatin1Char('&'))
                plain += caption[i];
            continue;
        }
        plain += caption[i];
    }
    return plain;
}
