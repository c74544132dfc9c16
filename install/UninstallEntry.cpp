#include "install/UninstallEntry.h"

#include "install/InstallNames.h"
#include "platform/Registry.h"

namespace install {

QString UninstallKeyPath(const QString& keyName)
{
    return QLatin1String(kUninstallKeys) + keyName;
}

void WriteUninstallEntry(const QString& displayName, const QString& keyName, const QString& uninstallCommand)
{
    platform::TRegistry registry(platform::TRootKey::HKEY_LOCAL_MACHINE);
    registry.SetLazyWrite(false);
    // A key that cannot be opened shows itself in the first write.
    registry.OpenKey(UninstallKeyPath(keyName), true);
    registry.WriteString(QLatin1String(kDisplayNameValue), displayName);
    registry.WriteString(QLatin1String(kUninstallStringValue), uninstallCommand);
    registry.CloseKey();
}

bool DeleteUninstallEntry(const QString& keyName)
{
    platform::TRegistry registry(platform::TRootKey::HKEY_LOCAL_MACHINE);
    registry.SetLazyWrite(false);
    const QString key = UninstallKeyPath(keyName);
    registry.DeleteKey(key);
    const bool gone = !registry.KeyExists(key);
    registry.CloseKey();
    return gone;
}

} // namespace install
