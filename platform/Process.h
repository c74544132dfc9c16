#pragma once
// The running process: its current directory, blocking pauses, starting
// another program on its own, and ending itself. Tests put a
// TRecordingProcess in its place (platform::ScopedService<IProcess>), which
// changes no directory, does not sleep, starts nothing and does not end.
#include "platform/Service.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace platform {

class IProcess {
public:
    virtual ~IProcess() = default;
    virtual QString CurrentDirectory() const = 0;
    // False when the folder cannot be made current (it stays as it was).
    virtual bool SetCurrentDirectory(const QString& folder) = 0;
    // Blocks the calling thread for ms milliseconds.
    virtual void Sleep(int ms) = 0;
    // Starts the program in the current directory as a process of its own
    // that outlives this one; its start is not waited for. False when it
    // could not be started.
    virtual bool StartDetached(const QString& program) = 0;
    // Ends the process at once with the exit code: nothing more of the
    // program runs (no window closes, no settings are written). Stand-ins
    // record the call and return.
    virtual void Exit(int code) = 0;
};

// The current process service (the real one unless a test replaced it).
IProcess& Process();

} // namespace platform
