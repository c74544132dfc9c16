#pragma once
// File operations of the installer, the uninstaller, the registry store and
// the settings file: none of them writes through a link at its target name,
// follows a link into a folder, or blocks on a pipe or device standing in a
// file's place; every failure comes back as a reason in plain words.
//
// Paths are QStrings made from the file system's bytes by DecodePath, which
// keeps a byte that is not UTF-8 (a Latin-1 "é" in a folder name) as a
// character of its own, so EncodePath gives the same bytes back and such a
// folder can still be opened.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace platform {

// File system bytes to a path and back, losslessly: valid UTF-8 decodes as
// QFile::decodeName does; each other byte b becomes U+DC00 + b.
QString DecodePath(const QByteArray& bytes);
QByteArray EncodePath(const QString& path);

// The reason of a system error number in plain words: "The disk is full",
// "Permission denied", "No such file or folder", ...
QString PlainReason(int errorNumber);

// What stands at a path, links not followed.
enum class TFileKind { Missing, File, Folder, Link, Pipe, Device, Socket, Other };
TFileKind KindOf(const QString& path);
// "It is a folder, not a file" and its kin for anything but a file.
QString NotAFileReason(TFileKind kind);

// A file read whole, up to a limit.
struct TReadResult {
    QByteArray bytes;
    QString error; // empty when read; else the reason in plain words
    bool cutShort = false; // the file is longer than the limit
};
// Reads a regular file (a link to one counts) without ever blocking on a
// pipe or device in its place: such a thing is refused with its reason.
// At most maxBytes are read.
TReadResult ReadRegularFile(const QString& path, qint64 maxBytes);

struct TWriteOptions {
    // The permissions of a new file.
    int mode = 0644;
    // An existing file keeps its owner, group and permissions.
    bool keepOwnerAndMode = false;
    // Where the folder allows no new file, an existing regular file is
    // rewritten in place instead.
    bool inPlaceFallback = false;
};
// Writes the file whole or not at all: to a new temporary file beside it,
// then renamed over the target name. A link at that name is replaced by
// the file, never written through; a folder there is refused. Returns
// nothing on success, else the reason in plain words.
std::optional<QString> WriteFileReplacing(const QString& path, const QByteArray& bytes,
                                          const TWriteOptions& options = {});

// Copies the file `from` to `to` byte for byte as WriteFileReplacing
// writes, keeping the permissions of `from` (so a program stays
// executable). Returns nothing on success, else the reason.
std::optional<QString> CopyFileReplacing(const QString& from, const QString& to);

// Deletes a file or a link (the link itself); never a folder. Nothing when
// it is gone (or was never there), else the reason it stays.
std::optional<QString> DeleteFileOnly(const QString& path);

// Deletes a folder with everything in it, deepest first, never following a
// link: a link inside goes as a link, and a link given as the folder
// itself is refused. Returns the paths that stay, with their reasons.
QStringList RemoveTreeNoFollow(const QString& folder);

// True when the path names an existing folder.
bool DirectoryExists(const QString& path);
// True when the path names an existing regular file (a link to one counts).
bool FileExists(const QString& path);

// Creates the folder together with every missing folder above it; true
// when it exists afterwards. An empty name creates nothing.
bool ForceDirectories(const QString& folder);

} // namespace platform
