#pragma once
// The names the installer writes and the uninstaller removes.
#include <QString>
#include <QStringList>

namespace install {

// The installed game and the installed uninstaller (no extension here).
inline constexpr const char* kGameFile = "Lumora";
inline constexpr const char* kRemoverFile = "RemoveLumora";

// The uninstall entry below HKEY_LOCAL_MACHINE.
inline constexpr const char* kUninstallKeys = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
inline constexpr const char* kEntryKeyName = "Lumora Game";
inline constexpr const char* kDisplayName = "Lumora";
inline constexpr const char* kDisplayNameValue = "DisplayName";
inline constexpr const char* kUninstallStringValue = "UninstallString";

// An installed path: the folder text, "/" and the file name, joined as
// they stand (a folder that ends in "/" gives two separators; the root
// "/" itself gives "/Lumora").
QString InstalledPath(const QString& folder, const QString& fileName);

// The folder the installer offers first: the user's data folder followed
// by "/Pellamar/Lumora".
QString DefaultInstallFolder();

// What the uninstaller deletes beside itself, in order: the game, the
// settings file, the word list and the two sounds, then any temporary data
// file that a killed start left (".biblewords.txt.part").
QStringList FilesRemovedByUninstaller();

} // namespace install
