#pragma once
// File operations of the installer and uninstaller, with the platform's
// own description of a failure.
#include <QString>
#include <optional>

namespace platform {

// Copies the file `from` to `to` byte for byte, replacing an existing file
// of that name without asking; the copy keeps the permissions of `from`
// (so a program stays executable). The new file appears whole or not at
// all: an earlier file stays untouched when the copy fails. Returns
// nothing on success, else the platform's description of the failure
// ("No such file or directory", "Permission denied", ...).
std::optional<QString> CopyFileReplacing(const QString& from, const QString& to);

// Deletes a file or a link; never a folder. False when nothing was
// deleted.
bool DeleteFileOnly(const QString& path);

// True when the path names an existing folder.
bool DirectoryExists(const QString& path);
// True when the path names an existing file (not a folder).
bool FileExists(const QString& path);

// Creates the folder together with every missing folder above it; true
// when it exists afterwards. An empty name creates nothing.
bool ForceDirectories(const QString& folder);

} // namespace platform
