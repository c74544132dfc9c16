#pragma once
// The fade timer of a glow button: a repeating timer that calls its owner
// back on the user-interface thread. A button creates one on demand when a
// fade starts and destroys it when the fade ends, so an idle button holds no
// timer.
//
// Timers come from a factory service, so tests can replace the platform
// timer with one they tick by hand:
//
//     TManualFadeTimers timers;
//     platform::ScopedService<IFadeTimerFactory> use(timers);
//     ...
//     timers.TickAll();
#include "platform/Service.h"

#include <functional>
#include <memory>
#include <vector>

class IFadeTimer {
public:
    virtual ~IFadeTimer() = default;
};

class IFadeTimerFactory {
public:
    virtual ~IFadeTimerFactory() = default;
    // A running timer that calls tick every intervalMs milliseconds until
    // it is destroyed. Destroying it from inside tick is allowed.
    virtual std::unique_ptr<IFadeTimer> CreateFadeTimer(int intervalMs, std::function<void()> tick) = 0;
};

// The current factory: the platform timer unless a test replaced it.
IFadeTimerFactory& FadeTimers();

// A factory whose timers run only when told to. Each timer created while it
// is the current factory stays listed until destroyed.
class TManualFadeTimers : public IFadeTimerFactory {
public:
    TManualFadeTimers();
    ~TManualFadeTimers() override;
    TManualFadeTimers(const TManualFadeTimers&) = delete;
    TManualFadeTimers& operator=(const TManualFadeTimers&) = delete;

    std::unique_ptr<IFadeTimer> CreateFadeTimer(int intervalMs, std::function<void()> tick) override;

    // Delivers one tick to every live timer (those destroyed by an earlier
    // tick of the same round are skipped).
    void TickAll();
    // Number of live timers.
    int LiveCount() const { return int(m_live.size()); }
    // Interval the most recent timer was created with.
    int LastInterval() const { return m_lastInterval; }

private:
    class Timer;
    std::shared_ptr<std::vector<Timer*>> m_registry;
    std::vector<Timer*>& m_live;
    int m_lastInterval = 0;
};
