#include "controls/core/ComponentRegistry.h"

#include <map>

namespace {

struct Registry {
    std::map<QString, TComponentFactory> factories;
    void (*registerStandard)() = nullptr;
    bool standardDone = false;
    bool inStandard = false;
};

Registry& TheRegistry()
{
    static Registry registry;
    return registry;
}

// Runs the standard list once, before anything else reads or writes the
// registry, so that a test's own registration is never overwritten later.
Registry& ReadyRegistry()
{
    Registry& r = TheRegistry();
    if (r.registerStandard && !r.standardDone && !r.inStandard) {
        r.inStandard = true;
        r.registerStandard();
        r.inStandard = false;
        r.standardDone = true;
    }
    return r;
}

} // namespace

void SetStandardComponents(void (*registerAll)())
{
    TheRegistry().registerStandard = registerAll;
}

void RegisterComponentClass(QStringView className, TComponentFactory factory)
{
    if (className.isEmpty() || !factory)
        return;
    ReadyRegistry().factories[className.toString()] = std::move(factory);
}

bool UnregisterComponentClass(QStringView className)
{
    return ReadyRegistry().factories.erase(className.toString()) > 0;
}

bool IsComponentClassRegistered(QStringView className)
{
    Registry& r = ReadyRegistry();
    return r.factories.find(className.toString()) != r.factories.end();
}

TComponent* CreateComponent(QStringView className, TComponent* owner, QWidget* parent)
{
    Registry& r = ReadyRegistry();
    const auto it = r.factories.find(className.toString());
    if (it == r.factories.end())
        return nullptr;
    return it->second(owner, parent);
}

QStringList RegisteredComponentClasses()
{
    QStringList names;
    for (const auto& [name, factory] : ReadyRegistry().factories)
        names << name;
    return names;
}
