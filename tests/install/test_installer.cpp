// The installer's steps against real files in a throw-away home: the
// folder, the copy pass with its questions, the uninstall entry, the
// shortcut, starting the game and the end of the process.
#include "install/InstallNames.h"
#include "install/Installer.h"
#include "install/UninstallEntry.h"
#include "platform/DesktopShortcut.h"
#include "platform/Registry.h"

#include "install/InstallSandbox.h"

#include <gtest/gtest.h>

using namespace install;

namespace {

class InstallerTest : public ::testing::Test {
protected:
    TInstallSandbox box;
    platform::TFileRegistryStore store{box.MachineRegistry()};
    QString program = box.MakeProgram(box.Root() + "/download/InstallLumora");
    QByteArray programBytes = TInstallSandbox::Read(program);

    std::optional<QString> Value(const QString& name) const { return store.ReadString(kEntryKey, name); }
};

TEST_F(InstallerTest, DefaultFolderInstallsEverythingInOrder)
{
    ASSERT_EQ(DefaultInstallFolder(), box.DefaultFolder());
    const QString folder = box.DefaultFolder();
    TInstaller(program).Install(folder, true);

    // Both program files, exact and executable; nothing else in the folder.
    EXPECT_EQ(TInstallSandbox::Tree(folder), (QStringList{"Lumora", "RemoveLumora"}));
    for (const char* name : {"Lumora", "RemoveLumora"}) {
        EXPECT_EQ(TInstallSandbox::Read(folder + "/" + QString(name)), programBytes) << name;
        EXPECT_TRUE(QFileInfo(folder + "/" + QString(name)).isExecutable()) << name;
    }
    // The entry, read through the real store of the data folder.
    EXPECT_EQ(Value("DisplayName"), "Lumora");
    EXPECT_EQ(Value("UninstallString"), folder + "/RemoveLumora");
    EXPECT_EQ(store.ValueNames(kEntryKey).size(), 2);
    // The shortcut, and the menu entry with its uninstall action and icon.
    EXPECT_EQ(TInstallSandbox::Read(box.ShortcutPath()),
              ("[Desktop Entry]\nType=Application\nName=Lumora\nExec=" + folder + "/Lumora\nPath=" + folder
               + "/\nIcon=lumora\n")
                  .toUtf8());
    const QByteArray menu = TInstallSandbox::Read(box.DataFolder() + "/applications/lumora.desktop");
    EXPECT_EQ(platform::ProgramOfEntry(menu), folder + "/Lumora");
    EXPECT_EQ(platform::DesktopEntryValue(menu, "Desktop Action Uninstall", "Exec"), folder + "/RemoveLumora");
    EXPECT_TRUE(QFile::exists(box.DataFolder() + "/icons/hicolor/256x256/apps/lumora.png"));
    // Then the folder made current, the pauses, the game and the end.
    EXPECT_EQ(box.process.events, (QStringList{"cd " + folder, "sleep 200", "start " + folder + "/Lumora",
                                               "sleep 500", "exit 0"}));
    EXPECT_EQ(box.process.startedIn, QStringList{folder});
    EXPECT_TRUE(box.dialogs.shown.isEmpty());
}

TEST_F(InstallerTest, FolderTextIsUsedAsItStands)
{
    // A trailing separator doubles it in every path; blanks get no quotes.
    const QString folder = box.Root() + "/My Games/";
    TInstaller(program).Install(folder, true);
    EXPECT_TRUE(QFile::exists(box.Root() + "/My Games/Lumora"));
    EXPECT_EQ(Value("UninstallString"), box.Root() + "/My Games//RemoveLumora");
    const QByteArray entry = TInstallSandbox::Read(box.ShortcutPath());
    EXPECT_TRUE(entry.contains(("Exec=\"" + box.Root() + "/My Games//Lumora\"\n").toUtf8())) << entry.data();
    EXPECT_TRUE(entry.contains(("Path=" + box.Root() + "/My Games//\n").toUtf8())) << entry.data();
    EXPECT_EQ(box.process.started, QStringList{box.Root() + "/My Games//Lumora"});
}

TEST_F(InstallerTest, RelativeFolderStillStartsAndLinksTheInstalledFile)
{
    QDir().mkpath(box.Root() + "/work");
    box.process.currentDirectory = box.Root() + "/work";
    QDir::setCurrent(box.Root() + "/work");
    TInstaller(program).Install("games", true);
    EXPECT_TRUE(QFile::exists(box.Root() + "/work/games/Lumora"));
    EXPECT_EQ(Value("UninstallString"), "games/RemoveLumora") << "the entry keeps the text as typed";
    EXPECT_EQ(box.process.started, QStringList{box.Root() + "/work/games/Lumora"});
    EXPECT_TRUE(TInstallSandbox::Read(box.ShortcutPath()).contains(("Exec=" + box.Root() + "/work/games/Lumora\n").toUtf8()));
    QDir::setCurrent("/");
}

TEST_F(InstallerTest, InstallingAgainOverwritesWithoutAQuestion)
{
    const QString folder = box.Root() + "/Games";
    TInstallSandbox::Write(folder + "/Lumora", "old game");
    TInstallSandbox::Write(folder + "/RemoveLumora", "old remover");
    TInstallSandbox::Write(box.ShortcutPath(), "[Desktop Entry]\nName=Old\n");
    WriteUninstallEntry("Old", "Lumora Game", "/old/RemoveLumora");

    TInstaller(program).Install(folder, true);
    EXPECT_EQ(TInstallSandbox::Read(folder + "/Lumora"), programBytes);
    EXPECT_EQ(TInstallSandbox::Read(folder + "/RemoveLumora"), programBytes);
    EXPECT_EQ(Value("DisplayName"), "Lumora");
    EXPECT_EQ(Value("UninstallString"), folder + "/RemoveLumora");
    EXPECT_TRUE(TInstallSandbox::Read(box.ShortcutPath()).contains("Name=Lumora"));
    EXPECT_TRUE(box.dialogs.shown.isEmpty());
}

TEST_F(InstallerTest, ClearedCheckBoxLeavesAnExistingShortcutAlone)
{
    TInstallSandbox::Write(box.ShortcutPath(), "someone else's shortcut");
    TInstaller(program).Install(box.Root() + "/Games", false);
    EXPECT_EQ(TInstallSandbox::Read(box.ShortcutPath()), "someone else's shortcut");
    EXPECT_EQ(box.process.exitCodes, QList<int>{0});
}

TEST_F(InstallerTest, EmptyFolderTextStopsBeforeAnythingIsWritten)
{
    const QStringList before = TInstallSandbox::Tree(box.Root());
    try {
        TInstaller(program).Install("", true);
        FAIL() << "no error";
    } catch (const EInstallError& e) {
        EXPECT_STREQ(e.what(), "Unable to create directory");
    }
    EXPECT_EQ(TInstallSandbox::Tree(box.Root()), before);
    EXPECT_TRUE(box.process.events.isEmpty());
}

TEST_F(InstallerTest, FailedCopiesAskAndYesRepeatsBothCopies)
{
    // A folder named like the game blocks its copy; the uninstaller copies.
    const QString folder = box.Root() + "/Games";
    QDir().mkpath(folder + "/Lumora");
    box.dialogs.answers = {true, false}; // Yes once, then No
    TInstaller(program).Install(folder, true);

    const QString retry = "Error \"" + folder + "/Lumora\" (It is a folder, not a file) Installing, Try Again?";
    EXPECT_EQ(box.dialogs.Texts("retry"), (QStringList{retry, retry}));
    EXPECT_EQ(box.dialogs.shown.first().caption, "Error");
    EXPECT_EQ(TInstallSandbox::Read(folder + "/RemoveLumora"), programBytes);
    // The uninstaller is there, so its entry is; no game: no shortcut, no
    // start, and the installation is said to have failed.
    EXPECT_EQ(Value("UninstallString"), folder + "/RemoveLumora");
    EXPECT_FALSE(QFile::exists(box.ShortcutPath()));
    EXPECT_EQ(box.dialogs.Texts("error"),
              QStringList{"Lumora could not be installed in \"" + folder + "\": It is a folder, not a file."});
    EXPECT_TRUE(box.process.started.isEmpty());
    EXPECT_EQ(box.process.exitCodes, QList<int>{1});
}

TEST_F(InstallerTest, NoProgramFileCopiedWritesNothingStartsNothingAndSaysSo)
{
    // A file where the folder should be: it cannot be created, and both
    // copies fail with the reason, in every pass.
    TInstallSandbox::Write(box.Root() + "/blocked", "a file");
    box.dialogs.answers = {false, true, false, false};
    TInstaller(program).Install(box.Root() + "/blocked/Games", true);
    const QStringList texts = box.dialogs.Texts("retry");
    ASSERT_EQ(texts.size(), 4);
    const QString folder = box.Root() + "/blocked/Games";
    EXPECT_EQ(texts[0], "Error \"" + folder + "/Lumora\" (A part of the path is not a folder) Installing, Try Again?");
    EXPECT_EQ(texts[1],
              "Error \"" + folder + "/RemoveLumora\" (A part of the path is not a folder) creating RemoveLumora, Try Again?");
    EXPECT_EQ(texts[2], texts[0]);
    EXPECT_EQ(texts[3], texts[1]);
    // No entry for an uninstaller that is not there, no shortcut, no menu
    // entry, nothing started, and an exit code that says it failed.
    EXPECT_FALSE(store.KeyExists(kEntryKey));
    EXPECT_FALSE(QFile::exists(box.ShortcutPath()));
    EXPECT_FALSE(QFile::exists(box.DataFolder() + "/applications/lumora.desktop"));
    EXPECT_EQ(box.dialogs.Texts("error"), QStringList{"Lumora could not be installed in \"" + box.Root()
                                                      + "/blocked/Games\": A part of the path is not a folder."});
    EXPECT_TRUE(box.process.started.isEmpty());
    EXPECT_EQ(box.process.exitCodes, QList<int>{1});
    EXPECT_EQ(TInstallSandbox::Read(box.Root() + "/blocked"), "a file");
}

TEST_F(InstallerTest, TheRootAndTheHomeFolderCanBeChosen)
{
    // The root keeps its one separator and names files right inside it.
    box.folderDialog.answer = "/";
    EXPECT_EQ(ChooseInstallFolder("anything"), "/");
    EXPECT_EQ(InstalledPath("/", "Lumora"), "/Lumora");
    EXPECT_EQ(InstalledPath("/srv/", "Lumora"), "/srv//Lumora") << "a typed separator is still kept";

    // "~/" and "~" are the home folder; no folder named "~" appears.
    EXPECT_EQ(ExpandHome("~"), box.Home());
    EXPECT_EQ(ExpandHome("~user/x"), "~user/x");
    TInstaller(program).Install("~/Games", false);
    EXPECT_EQ(TInstallSandbox::Read(box.Home() + "/Games/Lumora"), programBytes);
    EXPECT_EQ(Value("UninstallString"), box.Home() + "/Games/RemoveLumora");
    EXPECT_FALSE(QFileInfo::exists(box.Root() + "/~"));
    EXPECT_FALSE(QFileInfo::exists(QDir::currentPath() + "/~"));
    EXPECT_EQ(box.process.exitCodes, QList<int>{0});
}

TEST_F(InstallerTest, RegistryFailureKeepsTheCopiesAndStopsThere)
{
    // Something in the way of the uninstall keys.
    TInstallSandbox::Write(box.MachineRegistry() + "/SOFTWARE", "in the way");
    const QString folder = box.Root() + "/Games";
    try {
        TInstaller(program).Install(folder, true);
        FAIL() << "no error";
    } catch (const platform::ERegistryException& e) {
        EXPECT_STREQ(e.what(), "Failed to set data for 'DisplayName'");
    }
    EXPECT_EQ(TInstallSandbox::Tree(folder), (QStringList{"Lumora", "RemoveLumora"}));
    EXPECT_FALSE(QFile::exists(box.ShortcutPath()));
    EXPECT_TRUE(box.process.events.isEmpty());
}

TEST_F(InstallerTest, AShortcutThatCannotBeSavedIsPassedOver)
{
    QDir(box.Desktop()).removeRecursively();
    TInstaller(program).Install(box.Root() + "/Games", true);
    EXPECT_TRUE(box.dialogs.shown.isEmpty());
    EXPECT_EQ(box.process.started.size(), 1);
    EXPECT_EQ(box.process.exitCodes, QList<int>{0});
}

TEST_F(InstallerTest, AGameThatDoesNotStartIsPassedOver)
{
    box.process.startResult = false;
    TInstaller(program).Install(box.Root() + "/Games", false);
    EXPECT_EQ(box.process.sleeps, (QList<int>{200, 500}));
    EXPECT_EQ(box.process.exitCodes, QList<int>{0});
}

TEST_F(InstallerTest, ChangeOffersTheCurrentDirectoryAndKeepsTextOnCancel)
{
    box.process.currentDirectory = "/var/tmp";
    EXPECT_EQ(ChooseInstallFolder("typed by the user"), "typed by the user");
    EXPECT_EQ(box.folderDialog.titles, QStringList{"Select Directory"});
    EXPECT_EQ(box.folderDialog.startFolders, QStringList{"/var/tmp"});

    box.folderDialog.answer = "/srv/games";
    EXPECT_EQ(ChooseInstallFolder("anything"), "/srv/games");
    box.folderDialog.answer = "/srv//";
    EXPECT_EQ(ChooseInstallFolder("anything"), "/srv/") << "only one character goes";
}

TEST_F(InstallerTest, CancelEndsAtOnceAndWritesNothing)
{
    const QStringList before = TInstallSandbox::Tree(box.Root());
    CancelInstall();
    EXPECT_EQ(box.process.events, QStringList{"exit 0"});
    EXPECT_EQ(TInstallSandbox::Tree(box.Root()), before);
}

} // namespace
