#pragma once
// A window on screen as the active one, so that the keyboard focus and the
// keys a test sends reach the widgets in it.
#include <QTest>
#include <QWidget>

// Shows the window, asks for it to be activated and waits until it is;
// false when it never became active.
[[nodiscard]] inline bool ShowActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}
