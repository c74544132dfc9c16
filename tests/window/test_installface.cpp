// The installer and uninstaller faces through the real window: the panels
// as designed, and Change, Install, Cancel and Uninstall clicked as the
// user does, in a throw-away home with real files, a real uninstall entry
// and a real desktop shortcut. One test starts the installed copies for
// real.
#include "support_window.h"
#include "tests/support/RecordingProcess.h"

#include "controls/glowbutton/GlowButton.h"
#include "controls/checkbox/OfficeCheckBox.h"
#include "controls/smoothlabel/SmoothLabel.h"
#include "controls/plain/StyledEdit.h"
#include "controls/panel/StyledPanel.h"
#include "platform/DesktopShortcut.h"
#include "platform/Registry.h"
#include "window/ProgramFile.h"

#include "install/InstallSandbox.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct TChild {
    const char* name;
    const char* className;
    QRect bounds;
    QString text;
};

// The window started under a face's name, with its program file present.
class FaceTest : public ::testing::Test {
protected:
    TWindowHarness h;
    TInstallSandbox box; // after the harness: its dialogs answer
    platform::TFileRegistryStore store{box.MachineRegistry()};

    TForm1& StartAs(const QString& name)
    {
        box.MakeProgram(h.PathOf(name));
        return h.Start(name);
    }
    QByteArray ProgramBytes(const QString& name) const { return TInstallSandbox::Read(h.PathOf(name)); }
    TStyledEdit& Location() const { return h.Get<TStyledEdit>("Location"); }
    void CheckChildren(const char* panel, const std::vector<TChild>& children) const
    {
        auto& p = h.Get<TStyledPanel>(panel);
        EXPECT_EQ(p.Left(), 0);
        int controls = 0;
        for (QObject* child : p.children())
            controls += dynamic_cast<TControl*>(child) != nullptr;
        EXPECT_EQ(controls, int(children.size())) << panel;
        for (const TChild& c : children) {
            auto& control = h.Get<TControl>(c.name);
            EXPECT_EQ(control.parentWidget(), &p) << c.name;
            EXPECT_STREQ(control.metaObject()->className(), c.className) << c.name;
            EXPECT_EQ(control.BoundsRect(), c.bounds) << c.name;
            if (auto* label = dynamic_cast<TSmoothLabel*>(&control)) {
                EXPECT_EQ(label->Caption()->Text(), c.text) << c.name;
                EXPECT_EQ(label->Caption()->Location(), TSmoothLabelCaption::plCenterLeft) << c.name;
                EXPECT_EQ(label->Caption()->ColorStart(), clGray) << c.name;
                EXPECT_EQ(label->Caption()->ColorEnd(), clBlack) << c.name;
            } else if (auto* button = dynamic_cast<TCustomGlowButton*>(&control)) {
                EXPECT_EQ(button->Caption(), c.text) << c.name;
                EXPECT_TRUE(button->Font()->Style() & fsBold) << c.name;
                EXPECT_FALSE(button->TabStop()) << c.name;
            }
        }
    }
};

using InstallFace = FaceTest;
using UninstallFace = FaceTest;

TEST_F(InstallFace, ShowsTheInstallPanelAsDesigned)
{
    TForm1& form = StartAs("InstallLumora");
    EXPECT_EQ(form.Face(), TFace::Installer);
    CheckChildren("InstallPanel",
                  {{"InstallLabel1", "TSmoothLabel", {4, 8, 446, 22}, ""},
                   {"InstallLabel2", "TSmoothLabel", {4, 38, 446, 22}, ""},
                   {"InstallLabel3", "TSmoothLabel", {4, 68, 446, 22}, ""},
                   {"InstallLabel4", "TSmoothLabel", {4, 112, 446, 22},
                    "If you wish this installer to create an icon on your desktop check the box bellow."},
                   {"CreateDesktopShortcut", "TOfficeCheckBox", {80, 130, 361, 22}, ""},
                   {"InstallLabel5", "TSmoothLabel", {4, 174, 446, 22},
                    "Lumora will be installed in the following folder, click the button bellow to change it."},
                   {"Location", "TStyledEdit", {8, 200, 369, 21}, ""},
                   {"SelectInstallDirButton", "TGlowButton", {382, 198, 64, 25}, "Change"},
                   {"InstallLabel6", "TSmoothLabel", {10, 246, 440, 22}, "Click Install, or Cancel."},
                   {"GlowButton1", "TGlowButton", {4, 272, 446, 37}, "Install"},
                   {"GlowButton2", "TGlowButton", {4, 328, 446, 37}, "Cancel"}});

    auto& shortcut = h.Get<TCustomOfficeCheckBox>("CreateDesktopShortcut");
    EXPECT_TRUE(shortcut.Checked());
    EXPECT_EQ(shortcut.Caption(), "Create a shortcut on the Desktop.");
    EXPECT_FALSE(shortcut.TabStop());
    EXPECT_EQ(Location().Text(), box.DefaultFolder());
    EXPECT_TRUE(Location().TabStop());
    EXPECT_EQ(h.Get<TSmoothLabel>("InstallLabel6").Caption()->Font()->Height(), -13);
    EXPECT_LT(h.Get<TControl>("UninstallPanel").Left(), -450);
    EXPECT_TRUE(h.dialogs.shown.isEmpty() && box.dialogs.shown.isEmpty());
}

TEST_F(InstallFace, InstallWithTheDefaultFolderCreatesItAndEndsTheProcess)
{
    StartAs("InstallLumora");
    const QString folder = box.DefaultFolder();
    ASSERT_FALSE(QFileInfo::exists(box.DataFolder() + "/Pellamar"));
    h.Click("GlowButton1");

    EXPECT_EQ(TInstallSandbox::Tree(folder), (QStringList{"Lumora", "RemoveLumora"}));
    EXPECT_EQ(TInstallSandbox::Read(folder + "/Lumora"), ProgramBytes("InstallLumora"));
    EXPECT_TRUE(QFileInfo(folder + "/RemoveLumora").isExecutable());
    EXPECT_EQ(store.ReadString(kEntryKey, "DisplayName"), "Lumora");
    EXPECT_EQ(store.ReadString(kEntryKey, "UninstallString"), folder + "/RemoveLumora");
    EXPECT_TRUE(TInstallSandbox::Read(box.ShortcutPath()).contains(("Exec=" + folder + "/Lumora\n").toUtf8()));
    EXPECT_EQ(box.process.started, QStringList{folder + "/Lumora"});
    EXPECT_EQ(box.process.exitCodes, QList<int>{0});
    EXPECT_FALSE(h.FileExists("lumora.ini")) << "the installer writes no settings";
    EXPECT_TRUE(box.dialogs.shown.isEmpty());
}

TEST_F(InstallFace, ChangeThenCancelKeepsEvenTypedText)
{
    StartAs("InstallLumora");
    Location().Editor()->selectAll();
    QTest::keyClicks(Location().Editor(), "/srv/my games");
    ASSERT_EQ(Location().Text(), "/srv/my games");

    box.process.currentDirectory = "/var/tmp";
    h.Click("SelectInstallDirButton");
    EXPECT_EQ(Location().Text(), "/srv/my games");
    EXPECT_EQ(box.folderDialog.startFolders, QStringList{"/var/tmp"});

    box.folderDialog.answer = box.Root() + "/Chosen";
    h.Click("SelectInstallDirButton");
    EXPECT_EQ(Location().Text(), box.Root() + "/Chosen");
    box.folderDialog.answer = "/";
    h.Click("SelectInstallDirButton");
    EXPECT_EQ(Location().Text(), "/") << "the root can be chosen";
}

TEST_F(InstallFace, TrailingSeparatorAndUncheckedBoxAsTyped)
{
    StartAs("InstallLumora");
    TInstallSandbox::Write(box.ShortcutPath(), "left alone");
    Location().SetText(box.Root() + "/With Blanks/");
    h.Click("CreateDesktopShortcut");
    ASSERT_FALSE(h.Get<TCustomOfficeCheckBox>("CreateDesktopShortcut").Checked());
    h.Click("GlowButton1");

    EXPECT_TRUE(QFile::exists(box.Root() + "/With Blanks/Lumora"));
    EXPECT_EQ(store.ReadString(kEntryKey, "UninstallString"), box.Root() + "/With Blanks//RemoveLumora");
    EXPECT_EQ(TInstallSandbox::Read(box.ShortcutPath()), "left alone");
}

TEST_F(InstallFace, CancelWritesNothingAnywhere)
{
    StartAs("InstallLumora");
    const QStringList before = TInstallSandbox::Tree(box.Root());
    const QStringList programFolder = TInstallSandbox::Tree(h.Folder());
    h.Click("GlowButton2");
    EXPECT_EQ(box.process.events, QStringList{"exit 0"});
    EXPECT_EQ(TInstallSandbox::Tree(box.Root()), before);
    EXPECT_EQ(TInstallSandbox::Tree(h.Folder()), programFolder);
}

TEST_F(InstallFace, EmptyFolderTextShowsTheErrorAndWritesNothing)
{
    StartAs("InstallLumora");
    const QStringList before = TInstallSandbox::Tree(box.Root());
    Location().SetText("");
    h.Click("GlowButton1");
    ASSERT_EQ(box.dialogs.Count("error"), 1);
    EXPECT_EQ(box.dialogs.shown[0].text, "Unable to create directory.");
    EXPECT_EQ(TInstallSandbox::Tree(box.Root()), before);
    EXPECT_TRUE(box.process.events.isEmpty());
    EXPECT_TRUE(h.Form().isVisible()) << "the installer stays open";

    // A second press starts again at step 1.
    Location().SetText(box.Root() + "/Games");
    h.Click("GlowButton1");
    EXPECT_EQ(box.process.exitCodes, QList<int>{0});
}

TEST_F(InstallFace, RegistryFailureShowsItsValueAndStopsBeforeTheShortcut)
{
    StartAs("InstallLumora");
    TInstallSandbox::Write(box.MachineRegistry() + "/SOFTWARE", "in the way");
    Location().SetText(box.Root() + "/Games");
    h.Click("GlowButton1");
    EXPECT_EQ(box.dialogs.Texts("error"), QStringList{"Failed to set data for 'DisplayName'"});
    EXPECT_EQ(TInstallSandbox::Tree(box.Root() + "/Games"), (QStringList{"Lumora", "RemoveLumora"}));
    EXPECT_FALSE(QFile::exists(box.ShortcutPath()));
    EXPECT_TRUE(box.process.events.isEmpty());
}

TEST_F(InstallFace, CloseButtonWritesTheSettingsBesideTheInstaller)
{
    StartAs("InstallLumora");
    h.Click("CloseGlowButton");
    EXPECT_EQ(h.ReadFile("lumora.ini"), QByteArray("STYLE= 5\r\nSOUND ON\r\n"));
    EXPECT_TRUE(box.process.events.isEmpty());
}

TEST_F(UninstallFace, ShowsTheUninstallPanelAsDesigned)
{
    TForm1& form = StartAs("RemoveLumora");
    EXPECT_EQ(form.Face(), TFace::Uninstaller);
    CheckChildren("UninstallPanel",
                  {{"SmoothLabel2", "TSmoothLabel", {3, 30, 446, 22}, "Thank you for using Lumora, I hope you enjoyed it."},
                   {"SmoothLabel1", "TSmoothLabel", {3, 136, 446, 22}, "To Uninstall Lumora, simply click Uninstall below."},
                   {"UnistallButton", "TGlowButton", {3, 232, 446, 125}, "Uninstall"}});
    EXPECT_EQ(h.Get<TSmoothLabel>("SmoothLabel2").Caption()->Font()->Style(), TFontStyles(fsBold));
    EXPECT_LT(h.Get<TControl>("InstallPanel").Left(), -450);
}

TEST_F(UninstallFace, RemovesWhatTheInstallerAndTheGameWrote)
{
    // Installed and played once: the game's data and settings beside it.
    StartAs("RemoveLumora");
    for (const char* name : {"Lumora", "lumora.ini", "biblewords.txt", "newword.wav", "usedword.wav", "notes.txt"})
        TInstallSandbox::Write(h.PathOf(name), "x");
    platform::TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kEntryKey, true));
    reg.WriteString("DisplayName", "Lumora");
    TInstallSandbox::Write(box.ShortcutPath(), platform::DesktopEntryText(h.PathOf("Lumora"), h.Folder()).toUtf8());

    h.Click("UnistallButton");
    EXPECT_EQ(TInstallSandbox::Tree(h.Folder()), (QStringList{"RemoveLumora", "notes.txt"}));
    EXPECT_FALSE(store.KeyExists(kEntryKey));
    EXPECT_FALSE(QFile::exists(box.ShortcutPath()));
    EXPECT_EQ(box.dialogs.Texts("inform"), QStringList{"Lumora has been uninstalled"});
    EXPECT_EQ(box.process.exitCodes, QList<int>{0});

    // Again: nothing left to remove, the same message.
    h.Click("UnistallButton");
    EXPECT_EQ(box.dialogs.Texts("inform").size(), 2);
    EXPECT_EQ(box.dialogs.Count("error"), 0);
}

// Starts programs for real in the directory the installer made current.
class TStartingProcess : public platform::TRecordingProcess {
public:
    bool StartDetached(const QString& program) override
    {
        TRecordingProcess::StartDetached(program);
        return QProcess::startDetached(program, {}, currentDirectory);
    }
};

// An environment variable set for one test.
class TScopedEnv {
public:
    TScopedEnv(const char* name, const QByteArray& value) : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~TScopedEnv()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

bool WaitFor(const std::function<bool()>& done, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms)
            return false;
        QTest::qWait(50);
    }
    return true;
}

TEST_F(InstallFace, TheInstalledGameAndUninstallerRunForReal)
{
    const QString built = QCoreApplication::applicationDirPath() + "/../lumora";
    if (!QFileInfo(built).isExecutable())
        GTEST_SKIP() << "the program itself is not built beside the tests (" << built.toStdString() << ")";

    // The real program under the installer's name.
    QFile::copy(built, h.PathOf("InstallLumora"));
    QFile::setPermissions(h.PathOf("InstallLumora"), QFile::permissions(built));
    h.Start("InstallLumora");
    TStartingProcess starter;
    platform::ScopedService<platform::IProcess> use(starter);
    starter.currentDirectory = box.Root();

    // Started programs end after their first paint, on the offscreen screen.
    TScopedEnv exitEarly("LUMORA_EXIT_AFTER_FIRST_PAINT", "1");
    TScopedEnv offscreen("QT_QPA_PLATFORM", "offscreen");
    const QString folder = box.Root() + "/Installed Games";
    Location().SetText(folder);
    h.Click("GlowButton1");
    ASSERT_EQ(starter.exitCodes, QList<int>{0});
    EXPECT_EQ(TInstallSandbox::Read(folder + "/Lumora"), TInstallSandbox::Read(built));

    // The game's first start writes its data and settings beside itself.
    EXPECT_TRUE(WaitFor([&] { return QFile::exists(folder + "/lumora.ini"); }, 60000))
        << TInstallSandbox::Tree(folder).join(", ").toStdString();
    EXPECT_TRUE(QFile::exists(folder + "/biblewords.txt"));
    EXPECT_TRUE(QFile::exists(folder + "/newword.wav"));

    // The installed uninstaller starts on its face and writes nothing.
    QProcess remover;
    remover.setWorkingDirectory(folder);
    remover.start(folder + "/RemoveLumora", {});
    ASSERT_TRUE(remover.waitForFinished(60000));
    EXPECT_EQ(remover.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(remover.exitCode(), 0) << remover.readAllStandardError().toStdString();
    EXPECT_EQ(TInstallSandbox::Tree(folder),
              (QStringList{"Lumora", "RemoveLumora", "biblewords.txt", "lumora.ini", "newword.wav", "usedword.wav"}));
}

TEST(ProgramPath, TheNameItWasStartedUnderIsResolvedLikeTheShellDoesButNotThroughLinks)
{
    QTemporaryDir dir;
    const QByteArray root = QFile::encodeName(dir.path());
    QDir().mkpath(dir.path() + "/bin");
    QDir().mkpath(dir.path() + "/opt");
    TInstallSandbox::Write(dir.path() + "/opt/lumora", "program");
    QFile::setPermissions(dir.path() + "/opt/lumora", QFile::ReadOwner | QFile::ExeOwner);
    ASSERT_TRUE(QFile::link(dir.path() + "/opt/lumora", dir.path() + "/bin/InstallLumora"));
    TInstallSandbox::Write(dir.path() + "/bin/notes", "not a program");
    struct Case {
        QByteArray argv0, cwd, path, expected;
    };
    const Case cases[] = {
        {"/games/Lumora", "/home/ann", "", "/games/Lumora"},
        {"./Lumora", "/home/ann", "", "/home/ann/./Lumora"},
        {"games/RemoveLumora", "/", "", "/games/RemoveLumora"},
        // Found in PATH: the link's own name and folder, not its target's.
        {"InstallLumora", "/", "/nowhere:" + root + "/bin", root + "/bin/InstallLumora"},
        {"InstallLumora", root + "/bin", ":/usr/bin", root + "/bin/./InstallLumora"},
        {"notes", "/", root + "/bin", ""}, // not executable
        {"Lumora", "/", root + "/bin", ""},
        {"", "/", "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ResolveProgramPath(c.argv0, c.cwd, c.path), c.expected) << c.argv0.toStdString();
    EXPECT_EQ(FaceOfProgram(QFile::decodeName(ResolveProgramPath("InstallLumora", "/", root + "/bin"))),
              TFace::Installer);
}

TEST(ProgramPath, TheRealProgramStartedThroughALinkLivesInTheLinksFolder)
{
    const QString built = QCoreApplication::applicationDirPath() + "/../lumora";
    if (!QFileInfo(built).isExecutable())
        GTEST_SKIP() << "the program itself is not built beside the tests (" << built.toStdString() << ")";
    QTemporaryDir dir;
    struct Case {
        const char* how;
        QString program;    // as started
        QString workingDir; // where from
        QString pathFront;  // put in front of PATH
    };
    const QString games = dir.path() + "/games";
    const Case cases[] = {
        {"by its full path", games + "/Lumora", dir.path(), ""},
        {"by a relative path", "./Lumora", games, ""},
        {"by its name through PATH", "Lumora", dir.path(), games},
    };
    QDir().mkpath(games);
    ASSERT_TRUE(QFile::link(QFileInfo(built).canonicalFilePath(), games + "/Lumora"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        for (const char* name : {"biblewords.txt", "newword.wav", "usedword.wav", "lumora.ini"})
            QFile::remove(games + "/" + name);
        QProcess run;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LUMORA_EXIT_AFTER_FIRST_PAINT", "1");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        if (!c.pathFront.isEmpty())
            env.insert("PATH", c.pathFront + ":" + env.value("PATH"));
        run.setProcessEnvironment(env);
        run.setWorkingDirectory(c.workingDir);
        // QProcess searches PATH itself; a shell passes the name on as the
        // program's argv[0], as a user's shell does.
        run.start("/bin/sh", {"-c", "exec \"$0\"", c.program});
        ASSERT_TRUE(run.waitForFinished(60000));
        EXPECT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
        EXPECT_TRUE(QFile::exists(games + "/biblewords.txt")) << "the data files went beside the link's target";
        EXPECT_TRUE(QFile::exists(games + "/lumora.ini"));
    }
}

} // namespace
