#include "support_xserver.h"

#include <QApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QWidget>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace xserver {
namespace {

pid_t g_server = -1;
std::string g_reason = "the X server was not started";

} // namespace

const std::string& Reason()
{
    return g_reason;
}

bool Start()
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) {
        g_reason = "Xvfb is not installed (tools/install-deps.sh installs it)";
        return false;
    }
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) {
        g_reason = "xdotool is not installed (tools/install-deps.sh installs it)";
        return false;
    }
    // Xvfb chooses a free display and writes its number to the pipe.
    int fds[2];
    if (pipe(fds) != 0) {
        g_reason = "no pipe for Xvfb's display number";
        return false;
    }
    const std::string program = xvfb.toStdString();
    const std::string fd = std::to_string(fds[1]);
    g_server = fork();
    if (g_server == 0) {
        close(fds[0]);
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0) {
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
        }
        execl(program.c_str(), program.c_str(), "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24",
              "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    if (g_server < 0) {
        close(fds[0]);
        g_reason = "Xvfb could not be started";
        return false;
    }
    std::string display;
    char c = 0;
    while (read(fds[0], &c, 1) == 1 && c != '\n')
        display += c;
    close(fds[0]);
    if (display.empty()) {
        Stop();
        g_reason = "Xvfb started but gave no display (it could not open one)";
        return false;
    }
    setenv("DISPLAY", (":" + display).c_str(), 1);
    g_reason.clear();
    return true;
}

void Stop()
{
    if (g_server <= 0)
        return;
    kill(g_server, SIGTERM);
    waitpid(g_server, nullptr, 0);
    g_server = -1;
}

bool XDo(const QStringList& args)
{
    QProcess xdo;
    xdo.start(QStringLiteral("xdotool"), args);
    return xdo.waitForFinished(10000) && xdo.exitStatus() == QProcess::NormalExit && xdo.exitCode() == 0;
}

bool MoveToScreen(QPoint global)
{
    return XDo({QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y())});
}

bool MoveTo(const QWidget& widget, QPoint local)
{
    return MoveToScreen(widget.mapToGlobal(local));
}

bool MoveTo(const QWidget& widget)
{
    return MoveTo(widget, widget.rect().center());
}

bool ButtonDown(int button)
{
    return XDo({QStringLiteral("mousedown"), QString::number(button)});
}

bool ButtonUp(int button)
{
    return XDo({QStringLiteral("mouseup"), QString::number(button)});
}

bool QuickClick(int button)
{
    return XDo({QStringLiteral("mousedown"), QString::number(button), QStringLiteral("mouseup"),
                QString::number(button)});
}

bool Key(const char* name)
{
    return XDo({QStringLiteral("key"), QString::fromLatin1(name)});
}

void Settle()
{
    // A round trip through xdotool's own query makes sure the server has
    // handed out the events sent before; then Qt takes them in.
    XDo({QStringLiteral("getmouselocation")});
    for (int i = 0; i < 5; ++i) {
        QApplication::sendPostedEvents();
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QTest::qWait(20);
    }
}

} // namespace xserver
