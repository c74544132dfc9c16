#pragma once
// The uninstaller face's one action: remove the uninstall entry, the
// desktop shortcut and the game's files beside the running program, tell
// the user, and end the process. Nothing that fails is reported.
#include <QString>
#include <QStringList>

namespace install {

class TUninstaller {
public:
    // appFolder: the folder of the running program, ending in "/".
    explicit TUninstaller(QString appFolder);

    // Deletes, in order, the entry "Lumora Game", the desktop shortcut and
    // the files of FilesRemovedByUninstaller() in the program folder
    // (never a folder, never the uninstaller itself), shows "Lumora has
    // been uninstalled" and ends the process with exit code 0.
    void Uninstall() const;

    // The files of the program folder that Uninstall deletes.
    QStringList Targets() const;

private:
    QString m_appFolder;
};

} // namespace install
