#pragma once
// The uninstaller face's one action: remove the uninstall entry, the
// desktop shortcut, the applications-menu entry and the game's files beside
// the running program, tell the user what went and what stays, and end the
// process.
#include <QString>
#include <QStringList>

namespace install {

class TUninstaller {
public:
    // appFolder: the folder of the running program, ending in "/".
    explicit TUninstaller(QString appFolder);

    // Deletes, in order, the entry "Lumora Game", the desktop shortcut and
    // the menu entry with its icon (each only when it starts the game of
    // this folder) and the files of FilesRemovedByUninstaller() in the
    // program folder (never a folder, never the uninstaller itself, a link
    // as a link). Shows "Lumora has been uninstalled" and ends the process
    // with exit code 0; when something could not be removed, the message
    // names each with its reason and the exit code is 1.
    void Uninstall() const;

    // The removal alone: what stays, each as "what: reason".
    QStringList Remove() const;

    // The files of the program folder that Uninstall deletes.
    QStringList Targets() const;

private:
    QString m_appFolder;
};

} // namespace install
