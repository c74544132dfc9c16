#pragma once
// The uninstall entry: a key below
// HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall
// with the string values "DisplayName" and "UninstallString".
#include <QString>

namespace install {

// The key path of an entry, below HKEY_LOCAL_MACHINE.
QString UninstallKeyPath(const QString& keyName);

// Creates or opens the key and writes both values. Throws
// platform::ERegistryException ("Failed to set data for 'DisplayName'")
// when a value cannot be written; the values written before it stay.
void WriteUninstallEntry(const QString& displayName, const QString& keyName,
                         const QString& uninstallCommand);

// Deletes the key with everything below it. True when it is gone (or was
// never there), false when some of it stays.
bool DeleteUninstallEntry(const QString& keyName);

} // namespace install
