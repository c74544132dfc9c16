#include "window/ProgramFile.h"

#include "platform/FileOps.h"

#include <QFile>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray& RememberedName()
{
    static QByteArray name;
    return name;
}

QByteArray CommandLineName()
{
    QFile cmdline(QStringLiteral("/proc/self/cmdline"));
    if (!cmdline.open(QIODevice::ReadOnly))
        return {};
    const QByteArray all = cmdline.read(1 << 16);
    return all.left(all.indexOf('\0'));
}

QByteArray CurrentDirectory()
{
    QByteArray buffer(4096, '\0');
    while (!::getcwd(buffer.data(), size_t(buffer.size()))) {
        if (errno != ERANGE || buffer.size() > (1 << 20))
            return {};
        buffer.resize(buffer.size() * 2);
    }
    return QByteArray(buffer.constData());
}

QByteArray ExecutableFile()
{
    QByteArray buffer(4096, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), size_t(buffer.size()));
    return n > 0 ? buffer.left(n) : QByteArray();
}

class TRunningProgramFile : public IProgramFile {
public:
    QString Path() const override
    {
        QByteArray name = RememberedName();
        if (name.isEmpty())
            name = CommandLineName();
        QByteArray path = ResolveProgramPath(name, CurrentDirectory(), qgetenv("PATH"));
        // Started under a name that leads nowhere (a login shell's "-sh"):
        // the file the system ran.
        if (path.isEmpty())
            path = ExecutableFile();
        return platform::DecodePath(path);
    }
};

bool IsProgram(const QByteArray& path)
{
    struct stat st {};
    return ::stat(path.constData(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.constData(), X_OK) == 0;
}

QByteArray Absolute(const QByteArray& path, const QByteArray& cwd)
{
    if (path.startsWith('/') || cwd.isEmpty())
        return path;
    return cwd + (cwd.endsWith('/') ? "" : "/") + path;
}

} // namespace

void RememberProgramName(const char* argv0)
{
    RememberedName() = argv0 ? QByteArray(argv0) : QByteArray();
}

QByteArray ResolveProgramPath(const QByteArray& argv0, const QByteArray& cwd, const QByteArray& pathVariable)
{
    if (argv0.isEmpty())
        return {};
    if (argv0.contains('/'))
        return Absolute(argv0, cwd);
    for (const QByteArray& folder : pathVariable.split(':')) {
        // An empty entry is the current directory, as for the shell.
        const QByteArray candidate = (folder.isEmpty() ? QByteArray(".") : folder) + '/' + argv0;
        if (IsProgram(Absolute(candidate, cwd)))
            return Absolute(candidate, cwd);
    }
    return {};
}

IProgramFile& ProgramFile()
{
    static TRunningProgramFile real;
    return platform::Current<IProgramFile>(real);
}

namespace {

QString FileNameOf(const QString& path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

} // namespace

TFace FaceOfProgram(const QString& programPath)
{
    QString name = FileNameOf(programPath).toLower();
    if (name.endsWith(QLatin1String(".exe")))
        name.chop(4);
    if (name == QLatin1String("installlumora"))
        return TFace::Installer;
    if (name == QLatin1String("removelumora"))
        return TFace::Uninstaller;
    return TFace::Game;
}

QString AppFolderOf(const QString& programPath)
{
    const qsizetype slash = programPath.lastIndexOf(u'/');
    if (slash < 0)
        return QStringLiteral("./");
    return programPath.left(slash + 1);
}
