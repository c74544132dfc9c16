#pragma once
// For start-up measurements: ends the program once the widget it watches
// has painted for the first time. Qt alone, so that the bare baseline
// programs of the benchmarks (tools/bench/) end exactly as the game does.
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

class TFirstPaintExit : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && !m_done) {
            m_done = true;
            // Queued: the paint that was asked for runs to its end first.
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, e);
    }

private:
    bool m_done = false;
};
