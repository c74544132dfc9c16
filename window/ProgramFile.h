#pragma once
// Where the running program's own file stands, as the user named it (the
// path it was started under, a link not resolved), and what follows from it:
// the program folder that every data file is named in, and the face (game,
// installer or uninstaller) that its file name chooses. Tests put a
// stand-in path in place of the real one:
//
//     TFixedProgramFile path(dir + "/InstallLumora");
//     platform::ScopedService<IProgramFile> use(path);
#include "platform/Service.h"

#include <QByteArray>
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

// Remembers the name the program was started under (argv[0]) for the
// running program file; without it the name is read from the process's
// command line.
void RememberProgramName(const char* argv0);

// The full path of a program started as argv0: a name with a "/" is taken
// against the current directory cwd, a bare name is searched in the folders
// of pathVariable (as the shell found it). Links are not resolved and
// nothing is normalised. Bytes as the file system has them; nothing when
// the program cannot be found that way.
QByteArray ResolveProgramPath(const QByteArray& argv0, const QByteArray& cwd, const QByteArray& pathVariable);

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

// The folder part of the path, up to and with its last "/"
// ("/opt/lumora/lumora" gives "/opt/lumora/", "/lumora" gives "/"; a bare
// name is in the current folder, "./").
QString AppFolderOf(const QString& programPath);
