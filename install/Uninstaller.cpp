#include "install/Uninstaller.h"

#include "install/InstallNames.h"
#include "install/UninstallEntry.h"
#include "platform/DesktopShortcut.h"
#include "platform/Dialogs.h"
#include "platform/FileOps.h"
#include "platform/Process.h"

namespace install {

TUninstaller::TUninstaller(QString appFolder) : m_appFolder(std::move(appFolder)) {}

QStringList TUninstaller::Targets() const
{
    QStringList paths;
    for (const QString& name : FilesRemovedByUninstaller())
        paths << InstalledPath(m_appFolder, name);
    return paths;
}

void TUninstaller::Uninstall() const
{
    DeleteUninstallEntry(QLatin1String(kEntryKeyName));
    platform::DesktopShortcut().Remove();
    // A file that is missing or cannot be deleted is passed over.
    for (const QString& path : Targets())
        platform::DeleteFileOnly(path);
    platform::Dialogs().Inform(QStringLiteral("Lumora has been uninstalled"));
    platform::Process().Exit(0);
}

} // namespace install
