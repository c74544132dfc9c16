#include "window/ProgramFile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

class TRunningProgramFile : public IProgramFile {
public:
    QString Path() const override { return QCoreApplication::applicationFilePath(); }
};

} // namespace

IProgramFile& ProgramFile()
{
    static TRunningProgramFile real;
    return platform::Current<IProgramFile>(real);
}

TFace FaceOfProgram(const QString& programPath)
{
    QString name = QFileInfo(programPath).fileName().toLower();
    if (name.endsWith(QLatin1String(".exe")))
        name.chop(4);
    if (name == QLatin1String("installlumora"))
        return TFace::Installer;
    if (name == QLatin1String("removelumora"))
        return TFace::Uninstaller;
    return TFace::Game;
}

QString AppFolderOf(const QString& programPath)
{
    QString folder = QFileInfo(programPath).path();
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}
