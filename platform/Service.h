#pragma once
// Every platform service is an interface with one real implementation and a
// process-wide current instance that tests can replace:
//
//     platform::RecordingDialogs dialogs;
//     platform::ScopedService<platform::IDialogs> use(dialogs);
//
// While `use` lives, platform::Dialogs() returns the stand-in.
namespace platform {

template <class Interface>
class ServiceSlot {
public:
    static Interface*& Override()
    {
        static Interface* current = nullptr;
        return current;
    }
};

template <class Interface>
class ScopedService {
public:
    explicit ScopedService(Interface& replacement)
        : m_previous(ServiceSlot<Interface>::Override())
    {
        ServiceSlot<Interface>::Override() = &replacement;
    }
    ~ScopedService() { ServiceSlot<Interface>::Override() = m_previous; }
    ScopedService(const ScopedService&) = delete;
    ScopedService& operator=(const ScopedService&) = delete;

private:
    Interface* m_previous;
};

// The current instance: the override if one is set, else `real`.
template <class Interface>
Interface& Current(Interface& real)
{
    Interface* o = ServiceSlot<Interface>::Override();
    return o ? *o : real;
}

} // namespace platform
