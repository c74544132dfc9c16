#include "install/InstallNames.h"

#include <QStandardPaths>

namespace install {

QString InstalledPath(const QString& folder, const QString& fileName)
{
    // The root is the one folder that already ends in its separator.
    if (folder == QLatin1String("/"))
        return folder + fileName;
    return folder + u'/' + fileName;
}

QString DefaultInstallFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/Pellamar/Lumora");
}

QStringList FilesRemovedByUninstaller()
{
    return {QLatin1String(kGameFile), QStringLiteral("lumora.ini"), QStringLiteral("biblewords.txt"),
            QStringLiteral("newword.wav"), QStringLiteral("usedword.wav")};
}

} // namespace install
