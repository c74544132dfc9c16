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
// LUMORA_PROPERTY(Type, Name, member) declares Name() and SetName(v) for a
// class whose every change runs its Changed().
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

#define LUMORA_PROPERTY(Type, Name, member)                                                                       \
    Type Name() const { return member; }                                                                          \
    void Set##Name(Type v)                                                                                        \
    {                                                                                                             \
        if (SetIfChanged(member, v))                                                                              \
            Changed();                                                                                            \
    }
