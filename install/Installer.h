#pragma once
// The installer face's three actions: Change (pick the install folder),
// Install and Cancel. Each talks to the platform only through its services
// (dialogs, folder dialog, registry, desktop shortcut, process), so tests
// replace any of them.
#include <QString>
#include <optional>
#include <stdexcept>

class QWidget;

namespace install {

// A folder that cannot be created: "Unable to create directory".
class EInstallError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Change: shows the folder dialog ("Select Directory", starting at the
// process's current directory, not at the box's text). Returns the chosen
// folder without one trailing "/", or currentText when the user cancels.
QString ChooseInstallFolder(const QString& currentText, QWidget* owner = nullptr);

// Cancel: ends the process at once with exit code 0; nothing is written.
void CancelInstall();

// What the last copy pass left: the reason of each copy that failed.
struct TCopyResult {
    std::optional<QString> gameFailure;
    std::optional<QString> removerFailure;
};

// Install, in order: create the folder, the copy pass with its retry
// questions, the uninstall entry (when the uninstaller was copied), the
// desktop shortcut (when asked for) and the applications-menu entry, the
// folder made current, a pause of 200 ms, the installed game started, a
// pause of 500 ms, and the end of the process with exit code 0. When the
// game could not be copied nothing is linked or started: the installer
// says that the installation failed and ends with exit code 1.
class TInstaller {
public:
    // programFile: the running program's file, the source of both copies.
    explicit TInstaller(QString programFile);

    // A folder text "~" or starting with "~/" is the home folder. Throws
    // EInstallError (empty folder text, folder that cannot be made
    // current) or platform::ERegistryException; the steps after the
    // failing one are not carried out.
    void Install(const QString& folderText, bool createShortcut) const;

    // The steps one by one, for the callers that need only one.
    static void CreateFolder(const QString& folder);
    // Copies both files, asking whether to try again after each failure,
    // and repeats both copies while at least one answer was Yes.
    TCopyResult CopyPass(const QString& folder) const;
    // Writes the shortcut when asked for and the game file exists; a
    // shortcut that cannot be saved is passed over.
    static void CreateShortcut(const QString& folder, bool wanted);
    // The applications-menu entry with its icon; passed over when it
    // cannot be saved.
    static void CreateMenuEntry(const QString& folder);
    static void StartGame(const QString& folder);

private:
    QString m_programFile;
};

// "~" and "~/..." with the home folder in front; any other text as it is.
QString ExpandHome(const QString& folderText);

// A path as given when absolute, else the current directory in front of it
// (separators kept as they stand).
QString AbsoluteAsGiven(const QString& path);

} // namespace install
