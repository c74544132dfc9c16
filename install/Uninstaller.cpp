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

QStringList TUninstaller::Remove() const
{
    QStringList stays;
    if (!DeleteUninstallEntry(QLatin1String(kEntryKeyName)))
        stays << QStringLiteral("The uninstall entry \"%1\" could not be deleted")
                     .arg(UninstallKeyPath(QLatin1String(kEntryKeyName)));
    // Shortcuts of another installation start another program and stay.
    const QString game = InstalledPath(m_appFolder, QLatin1String(kGameFile));
    platform::IDesktopShortcut& desktop = platform::DesktopShortcut();
    if (const auto reason = desktop.Remove(game))
        stays << desktop.DesktopFolder() + u'/' + QLatin1String(platform::kShortcutFileName) + QStringLiteral(": ")
                + *reason;
    stays << desktop.RemoveMenuEntry(game);
    // A file that is missing is passed over; the next one is still tried.
    for (const QString& path : Targets())
        if (const auto reason = platform::DeleteFileOnly(path))
            stays << path + QStringLiteral(": ") + *reason;
    return stays;
}

void TUninstaller::Uninstall() const
{
    const QStringList stays = Remove();
    if (stays.isEmpty()) {
        platform::Dialogs().Inform(QStringLiteral("Lumora has been uninstalled"));
        platform::Process().Exit(0);
        return;
    }
    platform::Dialogs().Inform(QStringLiteral("Lumora has been uninstalled, but these could not be removed:\n\n")
                               + stays.join(u'\n'));
    platform::Process().Exit(1);
}

} // namespace install
