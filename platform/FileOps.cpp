#include "platform/FileOps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {
namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// The length of the valid UTF-8 sequence at bytes[i], or 0.
int Utf8SequenceAt(const QByteArray& bytes, qsizetype i)
{
    const auto b = [&](qsizetype k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char lead = b(i);
    if (lead < 0x80)
        return 1;
    int length = 0;
    unsigned min = 0;
    unsigned code = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, min = 0x80, code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, min = 0x800, code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, min = 0x10000, code = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > bytes.size())
        return 0;
    for (int k = 1; k < length; ++k) {
        if ((b(i + k) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (b(i + k) & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

bool IsEscapedByte(const QString& s, qsizetype i)
{
    const char16_t c = s[i].unicode();
    return c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF && (i == 0 || !s[i - 1].isHighSurrogate());
}

QString Reason(int errorNumber)
{
    return PlainReason(errorNumber);
}

bool WriteAll(int fd, const char* data, qsizetype size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

// The folder part of a path and its file name, split at the last "/".
QByteArray FolderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : path.left(slash + 1);
}

// Rewrites an existing regular file in place: the folder takes no new
// file, but the file itself may be writable.
std::optional<QString> RewriteInPlace(const QByteArray& target, const QByteArray& bytes)
{
    const int fd = ::open(target.constData(), O_WRONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return Reason(errno);
    struct stat st {};
    int error = 0;
    if (::fstat(fd, &st) != 0)
        error = errno;
    else if (!S_ISREG(st.st_mode))
        error = EINVAL;
    // Over the old bytes first, then cut to length: the file's blocks are
    // already there, so a full disk rarely gets in the way.
    else if (::lseek(fd, 0, SEEK_SET) != 0 || !WriteAll(fd, bytes.constData(), bytes.size())
             || ::ftruncate(fd, bytes.size()) != 0 || ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == EINVAL)
        return NotAFileReason(TFileKind::Other);
    return error ? std::optional<QString>(Reason(error)) : std::nullopt;
}

} // namespace

QString DecodePath(const QByteArray& bytes)
{
    QString out;
    out.reserve(bytes.size());
    qsizetype i = 0;
    while (i < bytes.size()) {
        qsizetype run = i;
        while (run < bytes.size()) {
            const int n = Utf8SequenceAt(bytes, run);
            if (n == 0)
                break;
            run += n;
        }
        if (run > i)
            out += QFile::decodeName(bytes.mid(i, run - i));
        if (run < bytes.size()) {
            out += QChar(char16_t(kEscapeBase + static_cast<unsigned char>(bytes[run])));
            ++run;
        }
        i = run;
    }
    return out;
}

QByteArray EncodePath(const QString& path)
{
    QByteArray out;
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (!IsEscapedByte(path, i))
            continue;
        out += QFile::encodeName(path.mid(runStart, i - runStart));
        out += char(path[i].unicode() - kEscapeBase);
        runStart = i + 1;
    }
    out += QFile::encodeName(path.mid(runStart));
    return out;
}

QString PlainReason(int errorNumber)
{
    switch (errorNumber) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("The disk is full");
    case EACCES:
    case EPERM:
        return QStringLiteral("Permission denied");
    case EROFS:
        return QStringLiteral("The disk is read-only");
    case ENOENT:
        return QStringLiteral("No such file or folder");
    case ENOTDIR:
        return QStringLiteral("A part of the path is not a folder");
    case EISDIR:
        return NotAFileReason(TFileKind::Folder);
    case EFBIG:
        return QStringLiteral("The file is too large");
    case ENOMEM:
        return QStringLiteral("Not enough memory");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Too many files are open");
    case ENAMETOOLONG:
        return QStringLiteral("The name is too long");
    case ELOOP:
        return QStringLiteral("Too many links in the path");
    case EIO:
        return QStringLiteral("The disk could not be read or written");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("The file is in use");
    case ENOTEMPTY:
        return QStringLiteral("The folder is not empty");
    default:
        return QString::fromLocal8Bit(std::strerror(errorNumber));
    }
}

TFileKind KindOf(const QString& path)
{
    struct stat st {};
    if (path.isEmpty() || ::lstat(EncodePath(path).constData(), &st) != 0)
        return TFileKind::Missing;
    if (S_ISREG(st.st_mode))
        return TFileKind::File;
    if (S_ISDIR(st.st_mode))
        return TFileKind::Folder;
    if (S_ISLNK(st.st_mode))
        return TFileKind::Link;
    if (S_ISFIFO(st.st_mode))
        return TFileKind::Pipe;
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
        return TFileKind::Device;
    if (S_ISSOCK(st.st_mode))
        return TFileKind::Socket;
    return TFileKind::Other;
}

QString NotAFileReason(TFileKind kind)
{
    switch (kind) {
    case TFileKind::Folder:
        return QStringLiteral("It is a folder, not a file");
    case TFileKind::Pipe:
        return QStringLiteral("It is a pipe, not a file");
    case TFileKind::Device:
        return QStringLiteral("It is a device, not a file");
    case TFileKind::Socket:
        return QStringLiteral("It is a socket, not a file");
    case TFileKind::Missing:
        return PlainReason(ENOENT);
    default:
        return QStringLiteral("It is not a regular file");
    }
}

TReadResult ReadRegularFile(const QString& path, qint64 maxBytes)
{
    TReadResult result;
    const QByteArray name = EncodePath(path);
    // Non-blocking, so a pipe without a writer cannot hold the open.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        struct stat st {};
        result.error = error == ENXIO && ::stat(name.constData(), &st) == 0 && S_ISSOCK(st.st_mode)
            ? NotAFileReason(TFileKind::Socket)
            : Reason(error);
        return result;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        result.error = Reason(errno);
    } else if (!S_ISREG(st.st_mode)) {
        result.error = NotAFileReason(S_ISDIR(st.st_mode)    ? TFileKind::Folder
                                          : S_ISFIFO(st.st_mode) ? TFileKind::Pipe
                                          : S_ISSOCK(st.st_mode) ? TFileKind::Socket
                                          : (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)) ? TFileKind::Device
                                                                                          : TFileKind::Other);
    } else {
        // The size is only a hint (the file may grow while it is read);
        // the limit holds either way.
        constexpr qint64 kChunk = 1 << 16;
        for (;;) {
            const qint64 room = maxBytes - result.bytes.size();
            const qint64 want = room > 0 ? std::min(room, kChunk) : 1;
            const qsizetype at = result.bytes.size();
            try {
                result.bytes.resize(at + want);
            } catch (const std::bad_alloc&) {
                result.bytes.clear();
                result.error = Reason(ENOMEM);
                break;
            }
            const ssize_t n = ::read(fd, result.bytes.data() + at, static_cast<size_t>(want));
            if (n < 0 && errno == EINTR) {
                result.bytes.resize(at);
                continue;
            }
            if (n < 0) {
                result.error = Reason(errno);
                result.bytes.clear();
                break;
            }
            result.bytes.resize(at + n);
            if (n == 0)
                break;
            if (room <= 0) {
                result.bytes.resize(at);
                result.cutShort = true;
                break;
            }
        }
    }
    ::close(fd);
    return result;
}

std::optional<QString> WriteFileReplacing(const QString& path, const QByteArray& bytes, const TWriteOptions& options)
{
    if (path.isEmpty())
        return Reason(ENOENT);
    const QByteArray target = EncodePath(path);
    struct stat old {};
    const bool exists = ::lstat(target.constData(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode))
        return Reason(EISDIR);
    const bool oldIsFile = exists && S_ISREG(old.st_mode);

    const QByteArray fileName = target.mid(target.lastIndexOf('/') + 1);
    QByteArray temp = FolderOf(target) + '.' + fileName + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        const int error = errno;
        if (options.inPlaceFallback && oldIsFile && (error == EACCES || error == EPERM))
            return RewriteInPlace(target, bytes);
        return Reason(error);
    }
    ::fcntl(fd, F_SETFD, FD_CLOEXEC);

    int error = 0;
    const mode_t mode = options.keepOwnerAndMode && oldIsFile ? old.st_mode & 07777 : mode_t(options.mode);
    if (::fchmod(fd, mode) != 0)
        error = errno;
    // Only the superuser may give a file away; anyone else keeps it.
    if (!error && options.keepOwnerAndMode && oldIsFile && geteuid() == 0)
        if (::fchown(fd, old.st_uid, old.st_gid) != 0)
            error = errno;
    if (!error && (!WriteAll(fd, bytes.constData(), bytes.size()) || ::fsync(fd) != 0))
        error = errno;
    if (::close(fd) != 0 && !error)
        error = errno;
    // rename replaces a link at the target name by the file itself.
    if (!error && ::rename(temp.constData(), target.constData()) != 0)
        error = errno;
    if (error) {
        ::unlink(temp.constData());
        return Reason(error);
    }
    return std::nullopt;
}

std::optional<QString> CopyFileReplacing(const QString& from, const QString& to)
{
    if (to.isEmpty())
        return Reason(ENOENT);
    struct stat source {};
    if (::stat(EncodePath(from).constData(), &source) != 0)
        return Reason(errno);
    // A program file, read whole: a program of a gigabyte is no program.
    constexpr qint64 kMaxProgram = qint64(1) << 30;
    const TReadResult read = ReadRegularFile(from, kMaxProgram);
    if (!read.error.isEmpty())
        return read.error;
    if (read.cutShort)
        return Reason(EFBIG);
    TWriteOptions options;
    options.mode = int((source.st_mode & 0777) | S_IRUSR | S_IWUSR);
    return WriteFileReplacing(to, read.bytes, options);
}

std::optional<QString> DeleteFileOnly(const QString& path)
{
    const TFileKind kind = KindOf(path);
    if (kind == TFileKind::Missing)
        return std::nullopt;
    if (kind == TFileKind::Folder)
        return NotAFileReason(kind);
    if (::unlink(EncodePath(path).constData()) != 0 && errno != ENOENT)
        return Reason(errno);
    return std::nullopt;
}

namespace {

// Empties the folder open as dirFd; what stays is added to `stays`.
void RemoveInside(int dirFd, const QString& shown, QStringList& stays)
{
    const int listFd = ::dup(dirFd);
    DIR* dir = listFd >= 0 ? ::fdopendir(listFd) : nullptr;
    if (!dir) {
        if (listFd >= 0)
            ::close(listFd);
        stays << shown + QStringLiteral(": ") + Reason(errno);
        return;
    }
    std::vector<QByteArray> names;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(dir);
    for (const QByteArray& name : names) {
        const QString child = shown + u'/' + DecodePath(name);
        struct stat st {};
        if (::fstatat(dirFd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISDIR(st.st_mode)) {
            const int sub = ::openat(dirFd, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (sub < 0) {
                stays << child + QStringLiteral(": ") + Reason(errno);
                continue;
            }
            RemoveInside(sub, child, stays);
            ::close(sub);
            if (::unlinkat(dirFd, name.constData(), AT_REMOVEDIR) != 0)
                stays << child + QStringLiteral(": ") + Reason(errno);
        } else if (::unlinkat(dirFd, name.constData(), 0) != 0) {
            stays << child + QStringLiteral(": ") + Reason(errno);
        }
    }
}

} // namespace

QStringList RemoveTreeNoFollow(const QString& folder)
{
    QStringList stays;
    const QByteArray name = EncodePath(folder);
    const int fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error != ENOENT)
            stays << folder + QStringLiteral(": ")
                    + (KindOf(folder) == TFileKind::Link ? QStringLiteral("It is a link, not a folder") : Reason(error));
        return stays;
    }
    RemoveInside(fd, folder, stays);
    ::close(fd);
    if (::rmdir(name.constData()) != 0)
        stays << folder + QStringLiteral(": ") + Reason(errno);
    return stays;
}

bool DirectoryExists(const QString& path)
{
    struct stat st {};
    return !path.isEmpty() && ::stat(EncodePath(path).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool FileExists(const QString& path)
{
    struct stat st {};
    return !path.isEmpty() && ::stat(EncodePath(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

bool ForceDirectories(const QString& folder)
{
    if (folder.isEmpty())
        return false;
    QByteArray path = EncodePath(folder);
    // Each missing folder from the top down; an existing one may be a link
    // to a folder (the user's own choice of place).
    for (qsizetype at = 1; at <= path.size(); ++at) {
        if (at < path.size() && path[at] != '/')
            continue;
        const QByteArray part = path.left(at);
        if (::mkdir(part.constData(), 0755) != 0 && errno != EEXIST)
            return false;
    }
    return DirectoryExists(folder);
}

} // namespace platform
