#pragma once
// A throw-away user for installer tests: a temporary HOME with its own
// data, configuration and desktop folders, the dialogs, the folder dialog
// and the process replaced by recording stand-ins. Everything is restored
// when the sandbox goes.
#include "platform/Dialogs.h"
#include "platform/FolderDialog.h"
#include "platform/Process.h"
#include "platform/Service.h"
#include "tests/support/RecordingDialogs.h"
#include "tests/support/RecordingProcess.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QStringList>
#include <cstdlib>
#include <optional>
#include <utility>
#include <vector>

// The key of the game's uninstall entry below HKEY_LOCAL_MACHINE, written
// out here rather than taken from the installer's names.
inline const QString kEntryKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Lumora Game";

class TInstallSandbox {
public:
    TInstallSandbox()
    {
        Set("HOME", Root() + "/home");
        Set("XDG_DATA_HOME", Root() + "/home/.local/share");
        Set("XDG_CONFIG_HOME", Root() + "/home/.config");
        QDir().mkpath(Root() + "/home/.config");
        QDir().mkpath(Desktop());
        process.currentDirectory = Root();
        // A failing copy asked with no answer queued must not loop forever.
        dialogs.defaultAnswer = false;
    }
    ~TInstallSandbox()
    {
        for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) {
            if (it->second)
                qputenv(it->first.constData(), *it->second);
            else
                qunsetenv(it->first.constData());
        }
    }
    TInstallSandbox(const TInstallSandbox&) = delete;
    TInstallSandbox& operator=(const TInstallSandbox&) = delete;

    QString Root() const { return m_dir.path(); }
    QString Home() const { return Root() + "/home"; }
    QString DataFolder() const { return Home() + "/.local/share"; }
    QString Desktop() const { return Home() + "/Desktop"; }
    QString ShortcutPath() const { return Desktop() + "/Lumora.desktop"; }
    QString DefaultFolder() const { return DataFolder() + "/Pellamar/Lumora"; }
    // Where the registry of the sandbox keeps HKEY_LOCAL_MACHINE.
    QString MachineRegistry() const { return DataFolder() + "/Pellamar/registry/HKEY_LOCAL_MACHINE"; }

    // A stand-in program file: executable, with recognisable bytes.
    QString MakeProgram(const QString& path, const QByteArray& bytes = QByteArray("\x7f" "ELF lumora program\0\1\2", 22))
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        if (f.open(QIODevice::WriteOnly)) {
            f.write(bytes);
            f.close();
        }
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                         | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
        return path;
    }

    static void Write(const QString& path, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
    }
    static QByteArray Read(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Every file and folder below a folder, relative, sorted.
    static QStringList Tree(const QString& folder)
    {
        QStringList out;
        QDir dir(folder);
        for (const QFileInfo& info : dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                                       QDir::Name)) {
            out << info.fileName() + (info.isDir() ? "/" : "");
            if (info.isDir() && !info.isSymLink())
                for (const QString& sub : Tree(info.filePath()))
                    out << info.fileName() + "/" + sub;
        }
        return out;
    }

    platform::RecordingDialogs dialogs;
    platform::TRecordingProcess process;
    platform::TScriptedFolderDialog folderDialog;

private:
    void Set(const char* name, const QString& value)
    {
        std::optional<QByteArray> old;
        if (qEnvironmentVariableIsSet(name))
            old = qgetenv(name);
        m_saved.emplace_back(QByteArray(name), old);
        qputenv(name, value.toLocal8Bit());
    }

    QTemporaryDir m_dir;
    std::vector<std::pair<QByteArray, std::optional<QByteArray>>> m_saved;
    platform::ScopedService<platform::IDialogs> m_useDialogs{dialogs};
    platform::ScopedService<platform::IProcess> m_useProcess{process};
    platform::ScopedService<platform::IFolderDialog> m_useFolderDialog{folderDialog};
};
