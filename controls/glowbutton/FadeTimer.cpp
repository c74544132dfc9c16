#include "controls/glowbutton/FadeTimer.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <algorithm>

namespace {

// The platform timer. Its QTimer is released with deleteLater, because the
// owner may destroy the fade timer from inside the timer's own timeout.
class TQtFadeTimer : public IFadeTimer {
public:
    TQtFadeTimer(int intervalMs, std::function<void()> tick)
        : m_timer(new QTimer)
    {
        m_timer->setInterval(intervalMs);
        QObject::connect(m_timer, &QTimer::timeout, m_timer, std::move(tick));
        m_timer->start();
    }
    ~TQtFadeTimer() override
    {
        if (m_timer) {
            m_timer->stop();
            m_timer->disconnect();
            m_timer->deleteLater();
        }
    }

private:
    QPointer<QTimer> m_timer;
};

class TQtFadeTimers : public IFadeTimerFactory {
public:
    std::unique_ptr<IFadeTimer> CreateFadeTimer(int intervalMs, std::function<void()> tick) override
    {
        return std::make_unique<TQtFadeTimer>(intervalMs, std::move(tick));
    }
};

} // namespace

IFadeTimerFactory& FadeTimers()
{
    static TQtFadeTimers real;
    return platform::Current<IFadeTimerFactory>(real);
}

// A hand-ticked timer. It shares the registry with its factory, so a timer
// that outlives the factory (a button destroyed after the test's factory)
// still unregisters safely.
class TManualFadeTimers::Timer : public IFadeTimer {
public:
    Timer(std::shared_ptr<std::vector<Timer*>> registry, std::function<void()> tick)
        : m_registry(std::move(registry))
        , m_tick(std::move(tick))
    {
        m_registry->push_back(this);
    }
    ~Timer() override
    {
        auto& live = *m_registry;
        live.erase(std::remove(live.begin(), live.end(), this), live.end());
    }
    void Tick() { m_tick(); }

private:
    std::shared_ptr<std::vector<Timer*>> m_registry;
    std::function<void()> m_tick;
};

TManualFadeTimers::TManualFadeTimers()
    : m_registry(std::make_shared<std::vector<Timer*>>())
    , m_live(*m_registry)
{
}

TManualFadeTimers::~TManualFadeTimers() = default;

std::unique_ptr<IFadeTimer> TManualFadeTimers::CreateFadeTimer(int intervalMs, std::function<void()> tick)
{
    m_lastInterval = intervalMs;
    return std::make_unique<Timer>(m_registry, std::move(tick));
}

void TManualFadeTimers::TickAll()
{
    const std::vector<Timer*> round = m_live;
    for (Timer* t : round) {
        // A tick may destroy this or another timer of the round.
        if (std::find(m_live.begin(), m_live.end(), t) != m_live.end())
            t->Tick();
    }
}
