#pragma once
// The accessible interface every control of the library builds on: a
// widget's interface whose children are only the child controls that are
// presented (controls/core/Accessibility.h). The window's data controls left
// of its edge and its overlays while hidden are not in the tree at all, and
// a control that is not presented itself reports itself invisible.
//
// Actions that a screen reader invokes run after the call has returned (as a
// queued call), as a click would: a handler may open a modal dialog, which
// must not run inside the accessibility bus's request.
#include <QAccessibleWidget>
#include <QList>
#include <functional>

class TAccessibleControl : public QAccessibleWidget {
public:
    TAccessibleControl(QWidget* widget, QAccessible::Role role);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessible::State state() const override;
    // The control's own action (press, toggle, open the list) first, while
    // it is enabled, then the widget's; the own action runs later (above).
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

protected:
    // The name of the control's own action (none by default), and what it does.
    virtual QString MainAction() const { return {}; }
    virtual void PerformMainAction() {}
    // The child widgets a screen reader sees, in order.
    virtual QList<QWidget*> PresentedChildren() const;
    // Runs action on the control once the event loop is back.
    void Later(std::function<void()> action) const;
    // The name given by the design (AccessibleName), or fallback.
    QString NameOr(const QString& fallback) const;
};

// The interface of one class of control, which it reaches at its own type.
template <class TWidget>
class TAccessibleControlOf : public TAccessibleControl {
public:
    TAccessibleControlOf(TWidget* control, QAccessible::Role role)
        : TAccessibleControl(control, role)
    {
    }

protected:
    TWidget* Control() const { return static_cast<TWidget*>(widget()); }
};

// A caption without its accelerator marks: "&Close" -> "Close", "&&" -> "&".
QString WithoutAccelerator(const QString& caption);
