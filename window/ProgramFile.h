#pragma once
// Where the running program's own file stands, and what follows from it:
// the program folder that every data file is named in, and the face (game,
// installer or uninstaller) that its file name chooses. Tests put a
// stand-in path in place of the real one:
//
//     TFixedProgramFile path(dir + "/InstallLumora");
//     platform::ScopedService<IProgramFile> use(path);
#include "platform/Service.h"

#include <QString>
#include <utility>

class IProgramFile {
public:
    virtual ~IProgramFile() = default;
    // The full path of the program's file.
    virtual QString Path() const = 0;
};

// The current program file (the running executable unless replaced).
IProgramFile& ProgramFile();

class TFixedProgramFile : public IProgramFile {
public:
    explicit TFixedProgramFile(QString path) : m_path(std::move(path)) {}
    QString Path() const override { return m_path; }

private:
    QString m_path;
};

enum class TFace { Game, Installer, Uninstaller };

// The face of a program file: its file name in lower case, with a trailing
// ".exe" removed, is "installlumora" or "removelumora" for the installer
// and uninstaller faces; any other name is the game.
TFace FaceOfProgram(const QString& programPath);

// The folder part of the path followed by "/" unless it already ends in
// one ("/opt/lumora/lumora" gives "/opt/lumora/", "/lumora" gives "/").
QString AppFolderOf(const QString& programPath);
