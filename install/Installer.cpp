#include "install/Installer.h"

#include "install/InstallNames.h"
#include "install/UninstallEntry.h"
#include "platform/DesktopShortcut.h"
#include "platform/Dialogs.h"
#include "platform/FileOps.h"
#include "platform/FolderDialog.h"
#include "platform/Process.h"

#include <QDir>

namespace install {

QString AbsoluteAsGiven(const QString& path)
{
    if (path.isEmpty() || !QDir::isRelativePath(path))
        return path;
    QString base = platform::Process().CurrentDirectory();
    if (!base.endsWith(u'/'))
        base += u'/';
    return base + path;
}

QString ChooseInstallFolder(const QString& currentText, QWidget* owner)
{
    const QString start = platform::Process().CurrentDirectory();
    std::optional<QString> chosen =
        platform::FolderDialog().ChooseFolder(owner, QStringLiteral("Select Directory"), start);
    if (!chosen)
        return currentText;
    // Only the root ends in the separator; it loses that one character.
    if (chosen->endsWith(u'/'))
        chosen->chop(1);
    return *chosen;
}

void CancelInstall()
{
    platform::Process().Exit(0);
}

TInstaller::TInstaller(QString programFile) : m_programFile(std::move(programFile)) {}

void TInstaller::CreateFolder(const QString& folder)
{
    if (folder.isEmpty())
        throw EInstallError("Unable to create directory");
    // Whether this worked shows itself in the copies.
    if (!platform::DirectoryExists(folder))
        platform::ForceDirectories(folder);
}

void TInstaller::CopyPass(const QString& folder) const
{
    const QString game = InstalledPath(folder, QLatin1String(kGameFile));
    const QString remover = InstalledPath(folder, QLatin1String(kRemoverFile));
    bool again = true;
    while (again) {
        again = false;
        // The uninstaller is copied whatever became of the game.
        if (const auto reason = platform::CopyFileReplacing(m_programFile, game))
            again = platform::Dialogs().AskRetry(QStringLiteral("Error ") + *reason
                                                 + QStringLiteral(" Installing, Try Again?"))
                || again;
        if (const auto reason = platform::CopyFileReplacing(m_programFile, remover))
            again = platform::Dialogs().AskRetry(QStringLiteral("Error ") + *reason
                                                 + QStringLiteral(" creating RemoveLumora, Try Again?"))
                || again;
    }
}

void TInstaller::CreateShortcut(const QString& folder, bool wanted)
{
    const QString game = InstalledPath(folder, QLatin1String(kGameFile));
    if (!wanted || !platform::FileExists(game))
        return;
    // The working folder is the folder part of the target with its
    // separator; a desktop starts the entry from nowhere in particular, so
    // both are made absolute.
    const QString target = AbsoluteAsGiven(game);
    const QString workingFolder = target.left(target.lastIndexOf(u'/') + 1);
    platform::DesktopShortcut().Save(target, workingFolder);
}

void TInstaller::StartGame(const QString& folder)
{
    platform::IProcess& process = platform::Process();
    // The game's path is fixed before the folder becomes current, so a
    // relative folder text still names the installed file.
    const QString game = AbsoluteAsGiven(InstalledPath(folder, QLatin1String(kGameFile)));
    if (!process.SetCurrentDirectory(folder))
        throw EInstallError(QStringLiteral("Unable to change directory to '%1'").arg(folder).toStdString());
    process.Sleep(200);
    process.StartDetached(game); // a game that does not start is passed over
    process.Sleep(500);
}

void TInstaller::Install(const QString& folderText, bool createShortcut) const
{
    const QString folder = folderText; // used as it stands
    CreateFolder(folder);
    CopyPass(folder);
    WriteUninstallEntry(QLatin1String(kDisplayName), QLatin1String(kEntryKeyName),
                        InstalledPath(folder, QLatin1String(kRemoverFile)));
    CreateShortcut(folder, createShortcut);
    StartGame(folder);
    platform::Process().Exit(0);
}

} // namespace install
