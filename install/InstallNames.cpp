#include "install/InstallNames.h"

#include "game/DataFiles.h"

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
    QStringList names = {QLatin1String(kGameFile), QLatin1String(game::kSettingsFileName)};
    for (const game::DataFile& file : game::kDataFiles)
        names << QLatin1String(file.fileName);
    // What a start killed while writing a data file left behind.
    for (const game::DataFile& file : game::kDataFiles)
        names << QString::fromStdString(game::TemporaryPathOf(file.fileName));
    return names;
}

} // namespace install
