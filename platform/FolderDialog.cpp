#include "platform/FolderDialog.h"

#include <QFileDialog>

namespace platform {
namespace {

class TQtFolderDialog : public IFolderDialog {
public:
    std::optional<QString> ChooseFolder(QWidget* owner, const QString& title, const QString& startFolder) override
    {
        // Qt's own dialog: directories only, and read-only so that it
        // offers no new folder (a desktop's native chooser might).
        const QString chosen = QFileDialog::getExistingDirectory(
            owner, title, startFolder,
            QFileDialog::ShowDirsOnly | QFileDialog::ReadOnly | QFileDialog::DontUseNativeDialog);
        if (chosen.isEmpty())
            return std::nullopt;
        return chosen;
    }
};

} // namespace

IFolderDialog& FolderDialog()
{
    static TQtFolderDialog real;
    return Current<IFolderDialog>(real);
}

} // namespace platform
