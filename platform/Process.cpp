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

} // namespace platform
