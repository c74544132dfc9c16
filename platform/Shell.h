#pragma once
// Opening an address (a web address, "mailto:") or a file with the
// desktop's default handler, and starting a program.
#include "platform/Service.h"

#include <QString>
#include <QStringList>

namespace platform {

class IShell {
public:
    virtual ~IShell() = default;
    // Opens a web or mail address ("https://...", "mailto:...") with the
    // desktop's default handler. Returns whether the desktop accepted it;
    // callers may ignore the result.
    virtual bool OpenAddress(const QString& address) = 0;
    // Opens a file with its default handler; an executable program is
    // started instead, detached, in the current folder. Returns whether it
    // could be started.
    virtual bool OpenFile(const QString& path) = 0;
};

// The current shell (the desktop's, unless a test replaced it).
IShell& Shell();

// True for the references that are opened as addresses rather than handed
// to the program: those containing "://" or "mailto:" (as written).
bool IsShellAddress(const QString& reference);

} // namespace platform
