#include "platform/FileOps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace platform {
namespace {

QString SystemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The reason errno gives now, or Qt's text when errno says nothing.
QString LastError(const QString& fallback)
{
    const int e = errno;
    return e != 0 ? SystemError(e) : fallback;
}

} // namespace

std::optional<QString> CopyFileReplacing(const QString& from, const QString& to)
{
    const QFileInfo source(from);
    if (!source.exists())
        return SystemError(ENOENT);
    if (source.isDir())
        return SystemError(EISDIR);
    if (to.isEmpty())
        return SystemError(ENOENT);
    if (QFileInfo(to).isDir())
        return SystemError(EISDIR);

    QFile in(from);
    errno = 0;
    if (!in.open(QIODevice::ReadOnly))
        return LastError(in.errorString());

    QSaveFile out(to);
    errno = 0;
    if (!out.open(QIODevice::WriteOnly))
        return LastError(out.errorString());

    QByteArray chunk;
    while (!(chunk = in.read(1 << 20)).isEmpty()) {
        errno = 0;
        if (out.write(chunk) != chunk.size()) {
            const QString reason = LastError(out.errorString());
            out.cancelWriting();
            return reason;
        }
    }
    if (in.error() != QFileDevice::NoError) {
        out.cancelWriting();
        return in.errorString();
    }
    errno = 0;
    if (!out.commit())
        return LastError(out.errorString());

    errno = 0;
    if (!QFile::setPermissions(to, source.permissions() | QFile::ReadOwner | QFile::WriteOwner))
        return LastError(QStringLiteral("Operation not permitted"));
    return std::nullopt;
}

bool DeleteFileOnly(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isSymLink() && !info.isFile())
        return false;
    return QFile::remove(path);
}

bool DirectoryExists(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

bool FileExists(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

bool ForceDirectories(const QString& folder)
{
    if (folder.isEmpty())
        return false;
    return QDir().mkpath(folder) && QFileInfo(folder).isDir();
}

} // namespace platform
