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
    // In the uninstaller's order: the program, its settings, the word list,
    // then the two sounds. The uninstaller's test checks that this covers
    // every file of game::kDataFiles the game writes.
    QStringList names = {QLatin1String(kGameFile), QLatin1String(game::kSettingsFileName),
                         QLatin1String(game::kWordListFileName), QLatin1String(game::kNewWordSoundFileName),
                         QLatin1String(game::kUsedWordSoundFileName)};
    // What a start killed while writing a data file left behind.
    for (const game::DataFile& file : game::kDataFiles)
        names << QString::fromStdString(game::TemporaryPathOf(file.fileName));
    return names;
}

} // namespace install
