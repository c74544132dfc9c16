#pragma once
// Event types of the controls. An event is a std::function member named as
// the control publishes it (OnClick, OnMouseDown, OnGetCellColor, ...); an
// empty function means "not assigned". Controls raise an event simply by
// calling it when it is assigned:
//
//     if (OnClick) OnClick(this);
//
// Handlers that come from a form file are wrapped by GuardedHandler, so an
// error thrown by the program's own handler reaches the application's
// standard error box and never crosses Qt's event loop.
#include <QFlags>
#include <QObject>
#include <QString>
#include <any>
#include <functional>
#include <utility>

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

enum TShiftStateFlag {
    ssShift = 0x01,
    ssAlt = 0x02,
    ssCtrl = 0x04,
    ssLeft = 0x08,
    ssRight = 0x10,
    ssMiddle = 0x20,
    ssDouble = 0x40,
};
Q_DECLARE_FLAGS(TShiftState, TShiftStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TShiftState)

using TNotifyEvent = std::function<void(QObject* Sender)>;
using TMouseEvent = std::function<void(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(QObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(QObject* Sender, int& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(QObject* Sender, QChar& Key)>;
// An anchor of marked-up text was clicked, entered or left.
using TAnchorClick = std::function<void(QObject* Sender, const QString& Anchor)>;

// Runs fn; an exception it throws is shown in the application's standard
// error box (see ShowException) and the rest of fn is skipped.
void GuardedCall(const std::function<void()>& fn);

// Assigns a type-erased handler to an event member when the types match.
template <class Event>
bool AssignEvent(Event& slot, const std::any& handler)
{
    if (const Event* h = std::any_cast<Event>(&handler)) {
        slot = *h;
        return true;
    }
    return false;
}

// Wraps a form's member function as an event handler of the matching type,
// guarded so that its errors reach the standard error box.
template <class Form, class... Args>
std::any GuardedHandler(Form* form, void (Form::*method)(Args...))
{
    return std::function<void(Args...)>([form, method](Args... args) {
        GuardedCall([&] { (form->*method)(std::forward<Args>(args)...); });
    });
}
