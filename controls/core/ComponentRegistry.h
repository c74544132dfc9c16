#pragma once
// The class registry of the form reader: the reader creates every object of
// a form file by its class name ("object GlowButton1: TGlowButton") through
// the factory registered under that name.
//
// The program's classes are listed in controls/StandardComponents.cpp:
//
//       RegisterComponentClass<TGlowButton>(u"TGlowButton");
//
//   The template needs either the control constructor
//   `explicit TX(TComponent* owner = nullptr, QWidget* parent = nullptr)` or,
//   for a non-visual component, `explicit TX(TComponent* owner = nullptr)`.
//   Classes whose construction needs more can register a factory:
//
//       RegisterComponentClass(u"TSpecial", [](TComponent* owner, QWidget* parent) {
//           return new TSpecial(owner, parent, 42);
//       });
//
// There is no static self-registration on purpose: the controls live in a
// static library, and a translation unit that nothing references would be
// dropped by the linker together with its registration. The explicit list
// runs once, on the registry's first use.
//
// Names are compared exactly (class names are case-sensitive). Registering
// a name again replaces its factory (tests use this to put in stand-ins).
#include "controls/core/Component.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>
#include <type_traits>

class QWidget;

// Creates a component owned by `owner`; a control is placed on `parent`
// (which may be nullptr), a non-visual component ignores it.
using TComponentFactory = std::function<TComponent*(TComponent* owner, QWidget* parent)>;

void RegisterComponentClass(QStringView className, TComponentFactory factory);

template <class T>
void RegisterComponentClass(QStringView className)
{
    static_assert(std::is_base_of_v<TComponent, T>, "only components can be registered");
    if constexpr (std::is_constructible_v<T, TComponent*, QWidget*>) {
        RegisterComponentClass(className, [](TComponent* owner, QWidget* parent) -> TComponent* {
            return new T(owner, parent);
        });
    } else {
        static_assert(std::is_constructible_v<T, TComponent*>,
                      "a registered class needs a (owner, parent) or an (owner) constructor");
        RegisterComponentClass(className, [](TComponent* owner, QWidget*) -> TComponent* {
            return new T(owner);
        });
    }
}

// Removes a class (tests only); false when it was not registered.
bool UnregisterComponentClass(QStringView className);

// True when a factory is registered under the name.
bool IsComponentClassRegistered(QStringView className);

// Creates an instance of the class, or returns nullptr when no class of that
// name is registered. A factory's own exception passes through unchanged.
TComponent* CreateComponent(QStringView className, TComponent* owner, QWidget* parent);

// Every registered class name, sorted.
QStringList RegisteredComponentClasses();

// The program's own list of classes lives above the core, where every
// control is known (controls/StandardComponents.cpp), and hands itself in
// here while the program starts; the registry runs it once, on first use.
void SetStandardComponents(void (*registerAll)());
