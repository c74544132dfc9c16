// The desktop shortcut: Exec quoting, value escapes, the file on the
// desktop (whole, executable, replacing an old one) and its validation.
#include "platform/DesktopShortcut.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform;

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(ShortcutQuoting, PlainPathsStayBareAndReservedCharactersAreQuoted)
{
    EXPECT_EQ(QuoteExecArgument("/opt/lumora/Lumora"), "/opt/lumora/Lumora");
    EXPECT_EQ(QuoteExecArgument("/home/ann/My Games/Lumora"), "\"/home/ann/My Games/Lumora\"");
    EXPECT_EQ(QuoteExecArgument("/a/b$c`d\"e\\f/Lumora"), "\"/a/b\\$c\\`d\\\"e\\\\f/Lumora\"");
    EXPECT_EQ(QuoteExecArgument("/it's/Lumora"), "\"/it's/Lumora\"");
    // "%" starts a field code, so a literal one is doubled, quoted or not.
    EXPECT_EQ(QuoteExecArgument("/100%/Lumora"), "/100%%/Lumora");
    EXPECT_EQ(QuoteExecArgument("/100 %/Lumora"), "\"/100 %%/Lumora\"");
}

TEST(ShortcutQuoting, StringEscapesApplyOnTopOfTheQuoting)
{
    EXPECT_EQ(EscapeDesktopValue("a\\b"), "a\\\\b");
    EXPECT_EQ(EscapeDesktopValue("one\ntwo\tthree\r"), "one\\ntwo\\tthree\\r");
    EXPECT_EQ(EscapeDesktopValue(" lead and inner "), "\\slead and inner ");
    // A backslash inside a quoted argument ends up as four.
    EXPECT_EQ(EscapeDesktopValue(QuoteExecArgument("/a\\b c")), "\"/a\\\\\\\\b c\"");
}

TEST(ShortcutEntry, NamesTheTargetAndItsFolder)
{
    const QString text = DesktopEntryText("/home/ann/My Games/Lumora", "/home/ann/My Games/");
    EXPECT_EQ(text, "[Desktop Entry]\n"
                    "Type=Application\n"
                    "Name=Lumora\n"
                    "Exec=\"/home/ann/My Games/Lumora\"\n"
                    "Path=/home/ann/My Games/\n"
                    "Icon=lumora\n");
}

TEST(ShortcutEntry, ReadsBackAsADesktopReadsIt)
{
    // What a desktop's parser makes of the entries: the program and the
    // folder exactly as given, whatever they hold.
    const QString targets[] = {"/games/Lumora", "/home/ann/My Games/Lumora", "/odd $ `dir` \"q\"/100%/Lumora",
                               "/back\\slash dir/Lumora", " lead/tab\there/new\nline/Lumora", "", "%f"};
    for (const QString& target : targets) {
        SCOPED_TRACE(target.toStdString());
        const QString folder = target.left(target.lastIndexOf('/') + 1);
        const QByteArray entry = MenuEntryText(target, folder, folder + "RemoveLumora").toUtf8();
        EXPECT_EQ(ProgramOfEntry(entry), target);
        EXPECT_EQ(DesktopEntryValue(entry, "Desktop Entry", "Path"), folder);
        const auto uninstall = DesktopEntryValue(entry, "Desktop Action Uninstall", "Exec");
        ASSERT_TRUE(uninstall.has_value());
        EXPECT_EQ(SplitExecArguments(*uninstall), QStringList{folder + "RemoveLumora"});
    }
    // Entries written by others: field codes, several arguments, and what
    // no desktop would start.
    EXPECT_EQ(SplitExecArguments("lumora --fullscreen %U"), (QStringList{"lumora", "--fullscreen"}));
    EXPECT_EQ(SplitExecArguments("\"open"), std::nullopt);
    EXPECT_EQ(SplitExecArguments("a%fb"), std::nullopt);
    EXPECT_EQ(UnescapeDesktopValue("ends in \\"), std::nullopt);
    EXPECT_EQ(ProgramOfEntry("[Other]\nExec=/games/Lumora\n"), std::nullopt);
}

class ShortcutFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    TDesktopEntryShortcut shortcut{dir.path() + "/Desktop"};
    void SetUp() override { QDir().mkpath(dir.path() + "/Desktop"); }
};

TEST_F(ShortcutFileTest, SavesAnExecutableEntryReplacingAnOldOne)
{
    const QString path = dir.path() + "/Desktop/Lumora.desktop";
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("[Desktop Entry]\nType=Application\nName=Old\nExec=/old/path/with/a/much/longer/name/than/the/new\n");
    old.close();

    ASSERT_TRUE(shortcut.Save("/games/Lumora", "/games/"));
    EXPECT_EQ(ReadAll(path),
              "[Desktop Entry]\nType=Application\nName=Lumora\nExec=/games/Lumora\nPath=/games/\nIcon=lumora\n");
    EXPECT_TRUE(QFile::permissions(path) & QFile::ExeOwner);
    EXPECT_EQ(QDir(dir.path() + "/Desktop").entryList(QDir::Files | QDir::Hidden), QStringList{"Lumora.desktop"})
        << "no temporary file stays behind";

    // Only a shortcut that starts this program is removed.
    EXPECT_EQ(shortcut.Remove("/elsewhere/Lumora"), std::nullopt);
    EXPECT_TRUE(QFile::exists(path)) << "another installation's shortcut was removed";
    EXPECT_EQ(shortcut.Remove("/games//Lumora"), std::nullopt);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(shortcut.Remove("/games/Lumora"), std::nullopt) << "nothing left to remove";
}

TEST_F(ShortcutFileTest, AMissingDesktopOrAFolderInTheWayFailsAndIsLeftAlone)
{
    TDesktopEntryShortcut nowhere(dir.path() + "/NoDesktop");
    EXPECT_FALSE(nowhere.Save("/games/Lumora", "/games/"));
    EXPECT_FALSE(QFile::exists(dir.path() + "/NoDesktop")) << "the desktop folder is not made up";

    QDir().mkpath(dir.path() + "/Desktop/Lumora.desktop/inside");
    EXPECT_FALSE(shortcut.Save("/games/Lumora", "/games/"));
    EXPECT_EQ(shortcut.Remove("/games/Lumora"), std::nullopt);
    EXPECT_TRUE(QFileInfo(dir.path() + "/Desktop/Lumora.desktop/inside").isDir());
}

TEST(ShortcutDesktop, FollowsTheUsersDesktopFolder)
{
    QTemporaryDir dir;
    const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", dir.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (dir.path() + "/config").toLocal8Bit());
    QDir().mkpath(dir.path() + "/config");
    QDir().mkpath(dir.path() + "/Schreibtisch");
    QFile dirs(dir.path() + "/config/user-dirs.dirs");
    ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
    dirs.write("XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n");
    dirs.close();

    TDesktopEntryShortcut user;
    EXPECT_EQ(user.DesktopFolder(), dir.path() + "/Schreibtisch");
    EXPECT_TRUE(user.Save("/games/Lumora", "/games/"));
    EXPECT_TRUE(QFile::exists(dir.path() + "/Schreibtisch/Lumora.desktop"));

    qputenv("HOME", oldHome);
    qputenv("XDG_CONFIG_HOME", oldConfig);
}

TEST(ShortcutMenu, TheMenuEntryAndIconAreSavedValidAndRemovedWithTheirProgramOnly)
{
    QTemporaryDir dir;
    const QByteArray oldData = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", (dir.path() + "/share").toLocal8Bit());
    QDir().mkpath(dir.path() + "/Desktop");
    TDesktopEntryShortcut shortcut(dir.path() + "/Desktop");
    const QString entry = dir.path() + "/share/applications/lumora.desktop";
    const QString icon = dir.path() + "/share/icons/hicolor/256x256/apps/lumora.png";
    EXPECT_EQ(TDesktopEntryShortcut::MenuEntryPath(), entry);
    EXPECT_EQ(TDesktopEntryShortcut::IconPath(), icon);

    const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
    const QStringList targets = {"/games/Lumora", "/home/ann/My Games/Lumora", "/odd $ `dir` \"q\"/100%/Lumora",
                                 "/back\\slash dir/Lumora"};
    for (const QString& target : targets) {
        SCOPED_TRACE(target.toStdString());
        const QString folder = target.left(target.lastIndexOf('/') + 1);
        ASSERT_TRUE(shortcut.Save(target, folder));
        ASSERT_TRUE(shortcut.SaveMenuEntry(target, folder, folder + "RemoveLumora"));
        EXPECT_TRUE(ReadAll(icon).startsWith("\x89PNG")) << "the icon is the program's picture";
        EXPECT_EQ(DesktopEntryValue(ReadAll(entry), "Desktop Entry", "Icon"), "lumora");
        EXPECT_EQ(DesktopEntryValue(ReadAll(entry), "Desktop Action Uninstall", "Name"), "Uninstall");
        if (validator.isEmpty())
            continue;
        for (const QString& file : {shortcut.ShortcutPath(), entry}) {
            QProcess run;
            run.start(validator, {file});
            ASSERT_TRUE(run.waitForFinished(30000));
            const QByteArray out = run.readAllStandardOutput() + run.readAllStandardError();
            EXPECT_EQ(run.exitCode(), 0) << file.toStdString() << ": " << out.toStdString();
            EXPECT_FALSE(out.contains("error")) << file.toStdString() << ": " << out.toStdString();
        }
    }
    // Another installation's entry stays with its icon; ours goes with it.
    EXPECT_TRUE(shortcut.RemoveMenuEntry("/games/Lumora").isEmpty());
    EXPECT_TRUE(QFile::exists(entry));
    EXPECT_TRUE(QFile::exists(icon));
    EXPECT_TRUE(shortcut.RemoveMenuEntry("/back\\slash dir/Lumora").isEmpty());
    EXPECT_FALSE(QFile::exists(entry));
    EXPECT_FALSE(QFile::exists(icon));
    qputenv("XDG_DATA_HOME", oldData);
    if (validator.isEmpty())
        GTEST_SKIP() << "desktop-file-validate is not installed (Debian: desktop-file-utils); the entries were "
                        "checked by the parser only";
}

} // namespace
