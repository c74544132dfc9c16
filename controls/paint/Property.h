#pragma once
// The one way a published value is written: it is stored only when it
// differs from the value held, and only then does the owner repaint or
// tell its listeners:
//
//     void TOfficeCheckBox::SetCaption(const QString& v)
//     {
//         if (SetIfChanged(m_caption, v))
//             update();
//     }
//
// A value that is published and simply stored is stated once, in the
// class's public section, in the order the class publishes its values:
//
//     LUMORA_PROPERTY(TColor, BorderColor, m_border, clNone, Changed())
//
// declares the property to the meta-object (READ BorderColor, WRITE
// SetBorderColor), BorderColor() reading m_border, SetBorderColor(v) storing
// v by SetIfChanged and then running the statement given last (it may be
// left empty), and the private member itself, m_border, starting at clNone
// ({} for a default-made value). The line leaves the class in its public
// section. LUMORA_PROPERTY_OWN_SETTER(Type, Name, member, initial) does the
// same but only declares SetName(PropertyArg<Type>): the class defines it
// itself, for a value whose write does more than store.
// LUMORA_PROPERTY_OF(Type, Name, store, changed) publishes a value that
// lives inside something the class already holds, such as one colour of a
// face (m_hot.Border); it declares no member.
//
// An event is stated once too: LUMORA_EVENT(TNotifyEvent, OnClick) declares
// the public handler member OnClick and publishes it under its own name.
#include <type_traits>
#include <utility>

// Stores value in field when the two differ; true when it did.
template <class T, class U>
[[nodiscard]] bool SetIfChanged(T& field, U&& value)
{
    if (field == value)
        return false;
    field = std::forward<U>(value);
    return true;
}

// How a setter takes its value: small plain values (numbers, colours,
// enumerations, flag sets) by value, everything else by const reference.
template <class T>
using PropertyArg = std::conditional_t<std::is_trivially_copyable_v<T> && sizeof(T) <= 2 * sizeof(void*), T, const T&>;

#define LUMORA_PROPERTY_OF(Type, Name, store, changed)                                                            \
    Q_PROPERTY(Type Name READ Name WRITE Set##Name)                                                               \
    Type Name() const { return store; }                                                                           \
    void Set##Name(PropertyArg<Type> v)                                                                           \
    {                                                                                                             \
        if (SetIfChanged(store, v)) {                                                                             \
            changed;                                                                                              \
        }                                                                                                         \
    }

// The private member behind a published value, starting at initial; the
// class is left in its public section.
#define LUMORA_STORED(Type, member, initial)                                                                      \
private:                                                                                                          \
    Type member = initial;                                                                                        \
                                                                                                                  \
public:

#define LUMORA_PROPERTY(Type, Name, member, initial, changed)                                                     \
    LUMORA_PROPERTY_OF(Type, Name, member, changed)                                                               \
    LUMORA_STORED(Type, member, initial)

#define LUMORA_PROPERTY_OWN_SETTER(Type, Name, member, initial)                                                   \
    Q_PROPERTY(Type Name READ Name WRITE Set##Name)                                                               \
    Type Name() const { return member; }                                                                          \
    void Set##Name(PropertyArg<Type> v);                                                                          \
    LUMORA_STORED(Type, member, initial)

#define LUMORA_EVENT(Type, Name)                                                                                  \
    Q_PROPERTY(Type Name MEMBER Name)                                                                             \
    Type Name;
