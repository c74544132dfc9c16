#pragma once
// Event types of the controls. An event is a TEvent member named as the
// control publishes it (OnClick, OnMouseDown, OnGetCellColor, ...), declared
// to the meta-object system as a property of its own type, both by one
// line (controls/paint/Property.h):
//
//     LUMORA_EVENT(TNotifyEvent, OnClick)
//
// so that the form reader finds an event exactly as it finds any other
// property. An empty event means "not assigned"; controls raise an event
// simply by calling it when it is assigned:
//
//     if (OnClick) OnClick(this);
//
// What tells an event from a value is its meta type alone (IsEventType):
// every event type is a TEvent. Handlers that come from a form file are made
// by GuardedHandler, so an error thrown by the program's own handler reaches
// the application's standard error box and never crosses Qt's event loop.
#include <QFlags>
#include <QMetaProperty>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QVariant>
#include <cstddef>
#include <functional>
#include <memory>
#include <type_traits>
#include <utility>

template <class Signature>
class TEvent;

// A handler of the signature R(Args...), or none. Copies share the handler
// they were made from, and two events are equal when they hold the same
// handler (or none): so writing an event with the handler it already holds
// changes nothing, as with every published property.
template <class R, class... Args>
class TEvent<R(Args...)> {
public:
    TEvent() = default;
    TEvent(std::nullptr_t) {}
    template <class F>
        requires(!std::is_same_v<std::remove_cvref_t<F>, TEvent> && std::is_invocable_r_v<R, F&, Args...>)
    TEvent(F&& handler)
    {
        std::function<R(Args...)> fn(std::forward<F>(handler));
        if (fn)
            m_handler = std::make_shared<const std::function<R(Args...)>>(std::move(fn));
    }

    explicit operator bool() const { return m_handler != nullptr; }

    R operator()(Args... args) const
    {
        if (!m_handler)
            throw std::bad_function_call();
        return (*m_handler)(std::forward<Args>(args)...);
    }

    friend bool operator==(const TEvent& a, const TEvent& b) { return a.m_handler == b.m_handler; }

private:
    std::shared_ptr<const std::function<R(Args...)>> m_handler;
};

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

using TNotifyEvent = TEvent<void(QObject* Sender)>;
using TMouseEvent = TEvent<void(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = TEvent<void(QObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = TEvent<void(QObject* Sender, int& Key, TShiftState Shift)>;
using TKeyPressEvent = TEvent<void(QObject* Sender, QChar& Key)>;
// An anchor of marked-up text was clicked, entered or left.
using TAnchorClick = TEvent<void(QObject* Sender, const QString& Anchor)>;

// What a click on an anchor does: an address ("https://...", "mailto:...")
// goes to the desktop, any other reference to the control's OnAnchorClick.
void FollowAnchor(QObject* sender, const QString& reference, const TAnchorClick& onAnchorClick);

// True for the meta type of an event (a TEvent of any signature), false for
// every value. This is the one test by which the form reader, and whatever
// else walks the published properties, tells an event from a value.
bool IsEventType(QMetaType type);
inline bool IsEvent(const QMetaProperty& property) { return IsEventType(property.metaType()); }

// Writes handler to the published event `name` of object. Refused (false)
// when object publishes no event of that name, or when the handler is not
// of exactly the event's type; the event is then left as it was.
bool BindEvent(QObject& object, const QString& name, const QVariant& handler);

// Runs fn; an exception it throws is shown in the application's standard
// error box (see ShowException) and the rest of fn is skipped.
void GuardedCall(const std::function<void()>& fn);

// Wraps a form's member function as an event handler, a QVariant of the
// event type of exactly its parameter list, guarded so that its errors reach
// the standard error box.
template <class Form, class... Args>
QVariant GuardedHandler(Form* form, void (Form::*method)(Args...))
{
    return QVariant::fromValue(TEvent<void(Args...)>([form, method](Args... args) {
        GuardedCall([&] { (form->*method)(std::forward<Args>(args)...); });
    }));
}
