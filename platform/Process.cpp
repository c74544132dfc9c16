#include "platform/Process.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <cstdio>
#include <cstdlib>

namespace platform {
namespace {

class TRunningProcess : public IProcess {
public:
    QString CurrentDirectory() const override { return QDir::currentPath(); }
    bool SetCurrentDirectory(const QString& folder) override
    {
        return !folder.isEmpty() && QDir::setCurrent(folder);
    }
    void Sleep(int ms) override
    {
        if (ms > 0)
            QThread::msleep(static_cast<unsigned long>(ms));
    }
    bool StartDetached(const QString& program) override
    {
        return QProcess::startDetached(program, {}, QDir::currentPath());
    }
    void Exit(int code) override
    {
        // Whatever is buffered for the terminal still goes out; nothing
        // else runs, neither destructors nor Qt's shutdown.
        std::fflush(nullptr);
        std::_Exit(code);
    }
};

} // namespace

IProcess& Process()
{
    static TRunningProcess real;
    return Current<IProcess>(real);
}

bool TRecordingProcess::SetCurrentDirectory(const QString& folder)
{
    events.append(QStringLiteral("cd ") + folder);
    if (!canChangeDirectory || folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    currentDirectory = folder;
    return true;
}

bool TRecordingProcess::StartDetached(const QString& program)
{
    events.append(QStringLiteral("start ") + program);
    started.append(program);
    startedIn.append(currentDirectory);
    return startResult;
}

void TRecordingProcess::Exit(int code)
{
    events.append(QStringLiteral("exit %1").arg(code));
    exitCodes.append(code);
}

} // namespace platform
