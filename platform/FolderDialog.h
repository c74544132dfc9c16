#pragma once
// The platform's modal folder chooser: the user picks an existing folder;
// no folder can be named or created in it.
#include "platform/Service.h"

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace platform {

class IFolderDialog {
public:
    virtual ~IFolderDialog() = default;
    // Shows the dialog with the title, starting at startFolder; the chosen
    // folder, or nothing when the user cancels.
    virtual std::optional<QString> ChooseFolder(QWidget* owner, const QString& title,
                                                const QString& startFolder) = 0;
};

// The current folder dialog (the real one unless a test replaced it).
IFolderDialog& FolderDialog();

// A stand-in for tests: records each request and gives `answer`.
class TScriptedFolderDialog : public IFolderDialog {
public:
    std::optional<QString> ChooseFolder(QWidget*, const QString& title, const QString& startFolder) override
    {
        titles.append(title);
        startFolders.append(startFolder);
        return answer;
    }
    std::optional<QString> answer; // nothing: the user cancels
    QStringList titles;
    QStringList startFolders;
};

} // namespace platform
