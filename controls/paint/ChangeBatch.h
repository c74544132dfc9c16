#pragma once
// The change notices of an object that copies a whole other one: while the
// copy runs, each setter's notice is only noted, and when it ends one notice
// is raised, if any was noted at all.
//
//     void TPanelStatusBar::Changed()
//     {
//         if (!m_batch.Holds() && OnChange)
//             OnChange();
//     }
//
//     m_batch.Run([&] { SetColor(s.m_color); ... }, [this] { Changed(); });
#include <utility>

class TChangeBatch {
public:
    // True while a copy runs; the notice asked for is then noted.
    [[nodiscard]] bool Holds()
    {
        m_noted = m_noted || m_running;
        return m_running;
    }

    // Runs copy with the notices held, then notify once if any was noted.
    template <class Copy, class Notify>
    void Run(Copy&& copy, Notify&& notify)
    {
        m_running = true;
        m_noted = false;
        std::forward<Copy>(copy)();
        m_running = false;
        if (std::exchange(m_noted, false))
            std::forward<Notify>(notify)();
    }

private:
    bool m_running = false;
    bool m_noted = false;
};
