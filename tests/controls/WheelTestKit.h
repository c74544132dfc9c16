#pragma once
// The mouse wheel in the grid tests: the desktop's lines-per-notch setting
// for as long as a test needs it, and notches sent as real wheel events.
#include "controls/grid/GridBase.h"
#include "platform/Service.h"

#include <QApplication>
#include <QWheelEvent>
#include <QWidget>

// While it lives, one notch of the wheel is `lines` lines.
struct WheelLinesPerNotch {
    FixedWheelSettings settings;
    platform::ScopedService<IWheelSettings> use {settings};

    explicit WheelLinesPerNotch(int lines) : settings(lines) {}
};

// Notches over the middle of the widget: +1 is one notch towards the user.
inline void SendWheel(QWidget* w, int notches, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    const QPointF pos(w->width() / 2.0, w->height() / 2.0);
    QWheelEvent e(pos, w->mapToGlobal(pos), QPoint(), QPoint(0, -120 * notches), Qt::NoButton, mods,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}
