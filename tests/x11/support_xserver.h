#pragma once
// A private X server for the tests that need real activation, focus and
// input: Xvfb, started by the test program's main before Qt, and xdotool,
// which sends real pointer, wheel and key events through the XTEST
// extension. When either cannot be had, the tests skip with the reason.
#include <QPoint>
#include <QString>
#include <QStringList>
#include <string>

class QWidget;

namespace xserver {

// Starts Xvfb on a free display and points DISPLAY at it; false (with
// Reason() set) when it cannot start.
bool Start();
void Stop();
// Why the X tests cannot run ("" when they can).
const std::string& Reason();

// Runs xdotool with the arguments and waits for it; false when it failed.
bool XDo(const QStringList& args);
// The pointer to the middle of the widget (or a point of it).
bool MoveTo(const QWidget& widget);
bool MoveTo(const QWidget& widget, QPoint local);
bool MoveToScreen(QPoint global);
bool ButtonDown(int button = 1);
bool ButtonUp(int button = 1);
// A press and its release sent at once, before the program sees either.
bool QuickClick(int button = 1);
// A key by its X name ("Return", "Down", "a").
bool Key(const char* name);

// Lets the program take in what the server sent it: processes events until
// the server has answered a round trip and nothing more is pending.
void Settle();

} // namespace xserver
