#include "install/Installer.h"

#include "install/InstallNames.h"
#include "install/UninstallEntry.h"
#include "platform/DesktopShortcut.h"
#include "platform/Dialogs.h"
#include "platform/FileOps.h"
#include "platform/FolderDialog.h"
#include "platform/Process.h"
#include "controls/core/ErrorBox.h"

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
    // A folder given with a trailing separator loses that one character;
    // the root keeps its only one, so that it can be chosen at all.
    if (chosen->endsWith(u'/') && *chosen != QLatin1String("/"))
        chosen->chop(1);
    return *chosen;
}

void CancelInstall()
{
    platform::Process().Exit(0);
}

namespace {

// A failure with the file it befell: "/games/Lumora" (The disk is full).
QString Named(const QString& path, const QString& reason)
{
    return QStringLiteral("\"%1\" (%2)").arg(path, reason);
}

} // namespace

TInstaller::TInstaller(QString programFile) : m_programFile(std::move(programFile)) {}

void TInstaller::CreateFolder(const QString& folder)
{
    if (folder.isEmpty())
        throw EInstallError("Unable to create directory");
    // Whether this worked shows itself in the copies.
    if (!platform::DirectoryExists(folder))
        platform::ForceDirectories(folder);
}

TCopyResult TInstaller::CopyPass(const QString& folder) const
{
    const QString game = InstalledPath(folder, QLatin1String(kGameFile));
    const QString remover = InstalledPath(folder, QLatin1String(kRemoverFile));
    // One copy of the program; a failure asks whether to try the pass again.
    auto copy = [this](const QString& target, std::optional<QString>& failure, const QString& doing) {
        failure = platform::CopyFileReplacing(m_programFile, target);
        return failure
            && platform::Dialogs().AskRetry(QStringLiteral("Error ") + Named(target, *failure) + doing);
    };
    TCopyResult result;
    bool again = true;
    while (again) {
        // The uninstaller is copied whatever became of the game.
        const bool gameAgain = copy(game, result.gameFailure, QStringLiteral(" Installing, Try Again?"));
        const bool removerAgain
            = copy(remover, result.removerFailure, QStringLiteral(" creating RemoveLumora, Try Again?"));
        again = gameAgain || removerAgain;
    }
    return result;
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

void TInstaller::CreateMenuEntry(const QString& folder)
{
    const QString target = AbsoluteAsGiven(InstalledPath(folder, QLatin1String(kGameFile)));
    const QString remover = AbsoluteAsGiven(InstalledPath(folder, QLatin1String(kRemoverFile)));
    // A menu entry that cannot be saved is passed over, as the shortcut is.
    platform::DesktopShortcut().SaveMenuEntry(target, target.left(target.lastIndexOf(u'/') + 1), remover);
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
    const QString folder = ExpandHome(folderText); // otherwise used as it stands
    CreateFolder(folder);
    const TCopyResult copies = CopyPass(folder);
    if (copies.gameFailure && copies.removerFailure) {
        // Nothing to register, link or start: say so, and end as failed.
        platform::Dialogs().ShowError(ApplicationTitle(),
                                      QStringLiteral("Lumora could not be installed in \"%1\": %2.")
                                          .arg(folder, *copies.gameFailure));
        platform::Process().Exit(1);
        return;
    }
    // The entry only for an uninstaller that is there, the shortcut, the
    // menu entry and the start only for a game that is.
    if (!copies.removerFailure)
        WriteUninstallEntry(QLatin1String(kDisplayName), QLatin1String(kEntryKeyName),
                            InstalledPath(folder, QLatin1String(kRemoverFile)));
    if (copies.gameFailure) {
        platform::Dialogs().ShowError(ApplicationTitle(),
                                      QStringLiteral("Lumora could not be installed in \"%1\": %2.")
                                          .arg(folder, *copies.gameFailure));
        platform::Process().Exit(1);
        return;
    }
    CreateShortcut(folder, createShortcut);
    if (!copies.removerFailure)
        CreateMenuEntry(folder);
    StartGame(folder);
    platform::Process().Exit(0);
}

QString ExpandHome(const QString& folderText)
{
    if (folderText == QLatin1String("~"))
        return QDir::homePath();
    if (folderText.startsWith(QLatin1String("~/")))
        return QDir::homePath() + folderText.mid(1);
    return folderText;
}

} // namespace install
