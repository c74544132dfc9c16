// The uninstaller: the entry, the shortcut and the game's files beside the
// running program go; nothing else does, and nothing is reported.
#include "install/Installer.h"
#include "install/Uninstaller.h"
#include "install/UninstallEntry.h"
#include "platform/Registry.h"

#include "game/DataFiles.h"
#include "install/InstallSandbox.h"
#include "platform/FileOps.h"
#include "platform/UnprivilegedUser.h"

#include <gtest/gtest.h>

using namespace install;

namespace {

class UninstallerTest : public ::testing::Test {
protected:
    TInstallSandbox box;
    platform::TFileRegistryStore store{box.MachineRegistry()};
    QString folder = box.Root() + "/Games";

    // Any resource the game asks for.
    struct AnyResource : game::IResourceSource {
        std::optional<std::string> Find(const std::string&) const override { return "data"; }
    };

    // An installation and one start of the game: the data files it writes
    // beside itself, and its settings.
    void InstallAndPlay()
    {
        const QString program = box.MakeProgram(box.Root() + "/download/InstallLumora");
        TInstaller(program).Install(folder, true);
        game::ExtractDataFiles(QFile::encodeName(folder + "/").toStdString(), AnyResource());
        TInstallSandbox::Write(folder + "/lumora.ini", "data");
        // A sound whose start was killed while it was written.
        TInstallSandbox::Write(folder + "/.usedword.wav.part", "da");
        box.process.events.clear();
        box.process.exitCodes.clear();
    }
};

TEST_F(UninstallerTest, RemovesEverythingButItself)
{
    InstallAndPlay();
    TInstallSandbox::Write(folder + "/notes.txt", "the user's own");
    QDir().mkpath(folder + "/saves");
    ASSERT_TRUE(store.KeyExists(kEntryKey));
    ASSERT_TRUE(QFile::exists(box.ShortcutPath()));

    TUninstaller(folder + "/").Uninstall();
    EXPECT_EQ(TInstallSandbox::Tree(folder), (QStringList{"RemoveLumora", "notes.txt", "saves/"}));
    EXPECT_FALSE(store.KeyExists(kEntryKey));
    EXPECT_TRUE(store.KeyExists("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall"));
    EXPECT_FALSE(QFile::exists(box.ShortcutPath()));
    EXPECT_EQ(box.dialogs.Texts("inform"), QStringList{"Lumora has been uninstalled"});
    EXPECT_EQ(box.dialogs.shown.size(), 1);
    EXPECT_EQ(box.process.events, QStringList{"exit 0"});
}

TEST_F(UninstallerTest, ASecondRunIsHarmlessAndTellsAgain)
{
    InstallAndPlay();
    TUninstaller(folder + "/").Uninstall();
    TUninstaller(folder + "/").Uninstall();
    EXPECT_EQ(TInstallSandbox::Tree(folder), QStringList{"RemoveLumora"});
    EXPECT_EQ(box.dialogs.Texts("inform").size(), 2);
    EXPECT_EQ(box.process.exitCodes, (QList<int>{0, 0}));
}

TEST_F(UninstallerTest, ACopyElsewhereDeletesBesideItselfAndTheEntryButNotTheInstalledGamesShortcut)
{
    InstallAndPlay();
    const QString other = box.Root() + "/elsewhere";
    box.MakeProgram(other + "/RemoveLumora");
    TInstallSandbox::Write(other + "/lumora.ini", "x");
    TInstallSandbox::Write(other + "/Lumora", "x");

    TUninstaller(other + "/").Uninstall();
    EXPECT_EQ(TInstallSandbox::Tree(other), QStringList{"RemoveLumora"});
    EXPECT_EQ(TInstallSandbox::Tree(folder).size(), 7) << "the install folder is not touched";
    EXPECT_FALSE(store.KeyExists(kEntryKey));
    EXPECT_TRUE(QFile::exists(box.ShortcutPath())) << "it starts the game of the install folder, which stays";
}

// A store that refuses every deletion, as a registry without rights would.
class TStubbornStore : public platform::TFileRegistryStore {
public:
    using TFileRegistryStore::TFileRegistryStore;
    bool DeleteKey(const QString&) override { return false; }
};

TEST_F(UninstallerTest, WhatStaysIsNamedAndTheFilesStillGo)
{
    InstallAndPlay();
    TStubbornStore stubborn(store.Folder());
    platform::ScopedService<platform::IRegistryStore> use(stubborn);

    TUninstaller(folder + "/").Uninstall();
    EXPECT_TRUE(store.KeyExists(kEntryKey));
    EXPECT_EQ(TInstallSandbox::Tree(folder), QStringList{"RemoveLumora"});
    ASSERT_EQ(box.dialogs.Texts("inform").size(), 1);
    EXPECT_EQ(box.dialogs.Texts("inform").first(),
              "Lumora has been uninstalled, but these could not be removed:\n\nThe uninstall entry \"" + kEntryKey
                  + "\" could not be deleted");
    EXPECT_EQ(box.process.exitCodes, QList<int>{1});
}

TEST_F(UninstallerTest, AShortcutOrMenuEntryOfAnotherInstallationStays)
{
    InstallAndPlay();
    // The same names, written by an installation in another folder.
    const QString other = box.Root() + "/OtherGames";
    TInstaller(box.MakeProgram(box.Root() + "/download/InstallLumora")).Install(other, true);
    const QByteArray shortcut = TInstallSandbox::Read(box.ShortcutPath());
    const QString menu = box.DataFolder() + "/applications/lumora.desktop";
    const QString icon = box.DataFolder() + "/icons/hicolor/256x256/apps/lumora.png";
    ASSERT_TRUE(shortcut.contains(other.toUtf8()));

    TUninstaller(folder + "/").Uninstall();
    EXPECT_EQ(TInstallSandbox::Tree(folder), QStringList{"RemoveLumora"});
    EXPECT_EQ(TInstallSandbox::Read(box.ShortcutPath()), shortcut);
    EXPECT_TRUE(QFile::exists(menu));
    EXPECT_TRUE(QFile::exists(icon));
    EXPECT_EQ(box.dialogs.Texts("inform"), QStringList{"Lumora has been uninstalled"});

    // Its own uninstaller takes them.
    TUninstaller(other + "/").Uninstall();
    EXPECT_FALSE(QFile::exists(box.ShortcutPath()));
    EXPECT_FALSE(QFile::exists(menu));
    EXPECT_FALSE(QFile::exists(icon));
}

TEST_F(UninstallerTest, InAFolderThePlayerMayNotChangeEachFileThatStaysIsNamed)
{
    InstallAndPlay();
    unprivileged::MakeReachable(box.Root().toStdString());
    unprivileged::MakeReachable(folder.toStdString());
    const QStringList before = TInstallSandbox::Tree(folder);
    std::string stays;
    const std::string failure = unprivileged::RunUnprivileged([&]() -> std::string {
        // Only the files: the entry and the shortcut live in root's home.
        QStringList lines;
        for (const QString& path : TUninstaller(folder + "/").Targets())
            if (const auto reason = platform::DeleteFileOnly(path))
                lines << path + ": " + *reason;
        return lines.join('\n').toStdString();
    });
    EXPECT_EQ(TInstallSandbox::Tree(folder), before);
    QStringList expected;
    for (const char* name : {"Lumora", "lumora.ini", "biblewords.txt", "newword.wav", "usedword.wav", ".usedword.wav.part"})
        expected << folder + "//" + name + ": Permission denied";
    EXPECT_EQ(failure, expected.join('\n').toStdString());
}

TEST_F(UninstallerTest, FoldersNamedLikeItsFilesAreNeverDeleted)
{
    for (const char* name : {"Lumora", "lumora.ini", "biblewords.txt"})
        QDir().mkpath(folder + "/" + QString(name) + "/keep");
    QDir().mkpath(box.ShortcutPath());
    TUninstaller(folder + "/").Uninstall();
    EXPECT_TRUE(QFileInfo(folder + "/Lumora/keep").isDir());
    EXPECT_TRUE(QFileInfo(folder + "/biblewords.txt/keep").isDir());
    EXPECT_TRUE(QFileInfo(box.ShortcutPath()).isDir());
    EXPECT_EQ(box.dialogs.Texts("inform").size(), 1);
}

TEST(UninstallEntry, NamesAndValuesAreExact)
{
    TInstallSandbox box;
    platform::TFileRegistryStore store(box.MachineRegistry());
    WriteUninstallEntry("Lumora", "Lumora Game", "/a b/RemoveLumora");
    EXPECT_EQ(store.SubKeys("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall"), QStringList{"Lumora Game"});
    EXPECT_EQ(store.ValueNames(kEntryKey), (QStringList{"DisplayName", "UninstallString"}));
    EXPECT_EQ(store.ReadString(kEntryKey, "UninstallString"), "/a b/RemoveLumora");
    DeleteUninstallEntry("Lumora Game");
    EXPECT_FALSE(store.KeyExists(kEntryKey));
    DeleteUninstallEntry("Lumora Game"); // missing: passed over
}

} // namespace
