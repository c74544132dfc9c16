// Start-up through the real window: the first start in an empty folder, the
// face chosen by the program's name, the program folder, the settings file
// as the window reads it, and errors that end start-up but not the window.
#include "support_window.h"

#include "controls/style/AppStyler.h"
#include "controls/core/ErrorBox.h"
#include "controls/grid/GridBase.h"
#include "controls/plain/Label.h"
#include "controls/checkbox/OfficeCheckBox.h"
#include "controls/smoothlabel/SmoothLabel.h"
#include "controls/panel/StyledPanel.h"
#include "game/WordGame.h"
#include "window/Themes.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

int CountLines(const QByteArray& text)
{
    return int(text.count("\r\n"));
}

} // namespace

TEST(WindowStartup, FirstStartInAnEmptyFolderWritesTheDataFilesAndTheDefaultSettings)
{
    TWindowHarness h;
    TForm1& form = h.Start();

    EXPECT_TRUE(form.StartupCompleted());
    EXPECT_EQ(h.dialogs.shown.size(), 0) << (h.dialogs.shown.isEmpty() ? "" : h.dialogs.shown[0].text.toStdString());
    EXPECT_EQ(form.Face(), TFace::Game);
    EXPECT_EQ(form.AppFolder(), h.Folder());

    // The three data files, byte for byte the embedded ones.
    EXPECT_EQ(h.ReadFile("biblewords.txt"), ShippedResource("biblewords"));
    EXPECT_EQ(h.ReadFile("usedword.wav"), ShippedResource("usedword"));
    EXPECT_EQ(h.ReadFile("newword.wav"), ShippedResource("newword"));
    const int words = CountLines(ShippedResource("biblewords"));
    EXPECT_EQ(h.Get<TCustomGrid>("WordsGrid").RowCount(), words);
    EXPECT_EQ(h.Get<TLabel>("Label1").Caption(), QStringLiteral("Words: %1").arg(words));

    // The default settings: Chrome, sounds on.
    EXPECT_EQ(h.ReadFile("lumora.ini"), QByteArray("STYLE= 5\r\nSOUND ON\r\n"));
    EXPECT_EQ(form.StyleNumber(), 5);
    EXPECT_EQ(h.SelectorIndex(), 4);
    EXPECT_EQ(h.SelectorText(), QStringLiteral("Chrome"));
    EXPECT_EQ(h.Get<TAppStyler>("AppStyler1").Style(), tsOffice2003Classic);
    EXPECT_TRUE(h.Get<TCustomOfficeCheckBox>("SoundCheckBox").Checked());
    EXPECT_EQ(h.Get<TStyledPanel>("StatusPanel").ColorTo(), 0xC9D1D5);
    EXPECT_EQ(h.Get<TStyledPanel>("CaptionPanel").Caption()->Indent(), 0);

    // The overlay panels are off-screen, and no puzzle is in play.
    EXPECT_LT(h.Get<TControl>("InstallPanel").Left(), -450);
    EXPECT_LT(h.Get<TControl>("UninstallPanel").Left(), -450);
    EXPECT_LT(h.Get<TControl>("InstructionsPanel").Left(), -450);
    EXPECT_FALSE(form.Game()->GameActive());
}

TEST(WindowStartup, ExistingDataFilesAreUsedAndLeftAlone)
{
    TWindowHarness h;
    const QByteArray list("ABLE\r\nBAKER\r\nlower\r\n\r\nZEAL");
    h.WriteFile("biblewords.txt", list);
    h.WriteFile("newword.wav", "not a sound");
    h.Start();
    EXPECT_TRUE(h.Form().StartupCompleted());
    EXPECT_EQ(h.ReadFile("biblewords.txt"), list);
    EXPECT_EQ(h.ReadFile("newword.wav"), QByteArray("not a sound"));
    EXPECT_EQ(h.ReadFile("usedword.wav"), ShippedResource("usedword")) << "only the missing file is written";
    const TCustomGrid& store = h.Get<TCustomGrid>("WordsGrid");
    ASSERT_EQ(store.RowCount(), 5);
    EXPECT_EQ(store.Cells(0, 2), QStringLiteral("lower"));
    EXPECT_EQ(store.Cells(0, 3), QString());
    EXPECT_EQ(store.Cells(0, 4), QStringLiteral("ZEAL"));
    EXPECT_EQ(h.Get<TLabel>("Label1").Caption(), QStringLiteral("Words: 5"));
}

TEST(WindowStartup, TheFaceFollowsTheProgramNameWhateverItsCase)
{
    struct Case {
        const char* name;
        TFace face;
    };
    const Case cases[] = {
        {"InstallLumora", TFace::Installer}, {"INSTALLLUMORA", TFace::Installer},
        {"InstallLumora.exe", TFace::Installer}, {"installlumora.EXE", TFace::Installer},
        {"RemoveLumora", TFace::Uninstaller}, {"removelumora.Exe", TFace::Uninstaller},
        {"lumora", TFace::Game}, {"Lumora.exe", TFace::Game}, {"InstallLumora2", TFace::Game},
        {"Install Lumora", TFace::Game}, {"InstallLumora.exe.exe", TFace::Game},
        {"InstallLumora.bin", TFace::Game},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FaceOfProgram(QStringLiteral("/opt/games/") + QLatin1String(c.name)), c.face) << c.name;
        EXPECT_EQ(FaceOfProgram(QStringLiteral("/opt/InstallLumora/") + QLatin1String(c.name)), c.face)
            << c.name << ": only the file name counts";
    }
}

TEST(WindowStartup, InstallerAndUninstallerFacesShowTheirPanelInChromeAndWriteNothing)
{
    struct Case {
        const char* program;
        const char* shown;
        const char* hidden;
    };
    for (const Case c : {Case{"InstallLumora", "InstallPanel", "UninstallPanel"},
                         Case{"REMOVELUMORA.EXE", "UninstallPanel", "InstallPanel"}}) {
        TWindowHarness h;
        TForm1& form = h.Start(QString::fromLatin1(c.program));
        EXPECT_TRUE(form.StartupCompleted()) << c.program;
        EXPECT_EQ(h.Get<TControl>(c.shown).Left(), 0) << c.program;
        EXPECT_NE(h.Get<TControl>(c.hidden).Left(), 0) << c.program;
        EXPECT_EQ(form.StyleNumber(), 5);
        EXPECT_EQ(h.SelectorText(), QStringLiteral("Chrome"));
        EXPECT_EQ(h.Get<TAppStyler>("AppStyler1").Style(), tsOffice2003Classic);
        // No data files, no settings, no word list.
        EXPECT_EQ(QDir(h.Folder()).entryList(QDir::Files), QStringList()) << c.program;
        EXPECT_EQ(h.Get<TCustomGrid>("WordsGrid").RowCount(), 100) << "the design-time store";
    }
}

TEST(WindowStartup, AppFolderEndsInExactlyOneSlash)
{
    EXPECT_EQ(AppFolderOf(QStringLiteral("/opt/lumora/lumora")), QStringLiteral("/opt/lumora/"));
    EXPECT_EQ(AppFolderOf(QStringLiteral("/lumora")), QStringLiteral("/")) << "the root already ends in one";
    EXPECT_EQ(AppFolderOf(QStringLiteral("/a b/c/InstallLumora")), QStringLiteral("/a b/c/"));

    // Through the window: every data file is named by appending to it.
    TWindowHarness h;
    QDir(h.Folder()).mkdir(QStringLiteral("sub"));
    h.Start(QStringLiteral("sub/lumora"));
    EXPECT_EQ(h.Form().AppFolder(), h.Folder() + QStringLiteral("sub/"));
    EXPECT_TRUE(h.FileExists(QStringLiteral("sub/lumora.ini")));
    EXPECT_TRUE(h.FileExists(QStringLiteral("sub/biblewords.txt")));
    EXPECT_FALSE(h.FileExists(QStringLiteral("lumora.ini")));
}

TEST(WindowStartup, SettingsFileChoosesThemeAndSound)
{
    struct Case {
        QByteArray ini;
        int style;       // StyleNumber after start-up
        int itemIndex;   // the selector's
        bool sound;
    };
    const Case cases[] = {
        {"STYLE= 3\r\nSOUND ON\r\n", 3, 2, true},
        {"STYLE= 12\r\n", 1, 0, true},
        {"STYLE=3\r\nSOUND OFF\r\n", 1, 0, false},
        {"sound off\r\nSOUND OFF \r\n", 1, 0, true},
        {"SOUND OFF\r\nSTYLE= 8\r\nSOUND ON\r\n", 8, 7, true},
        {"STYLE= 2\r\nSTYLE= 6\r\nSOUND OFF\r\n", 6, 5, false},
        {"[lumora]\r\nTHEME=2\r\n", 1, 0, true},
        {"", 1, 0, true},
    };
    for (const Case& c : cases) {
        TWindowHarness h;
        h.WriteFile("lumora.ini", c.ini);
        TForm1& form = h.Start();
        const std::string what = c.ini.toStdString();
        EXPECT_TRUE(form.StartupCompleted()) << what;
        EXPECT_EQ(form.StyleNumber(), c.style) << what;
        EXPECT_EQ(h.SelectorIndex(), c.itemIndex) << what;
        EXPECT_EQ(h.SelectorText(), QString::fromLatin1(kThemes[std::size_t(c.itemIndex)].Name)) << what;
        EXPECT_EQ(h.Get<TAppStyler>("AppStyler1").Style(), kThemes[std::size_t(c.style - 1)].Style) << what;
        EXPECT_EQ(h.Get<TStyledPanel>("StatusPanel").Color(), kThemes[std::size_t(c.style - 1)].Color) << what;
        EXPECT_EQ(h.Get<TCustomOfficeCheckBox>("SoundCheckBox").Checked(), c.sound) << what;
        EXPECT_EQ(h.ReadFile("lumora.ini"), c.ini) << "reading never changes the file";
        EXPECT_TRUE(h.dialogs.shown.isEmpty()) << what;
    }
}

TEST(WindowStartup, StyleZeroLeavesTheSelectorEmptyAndTheLoadedLook)
{
    // The loaded look, as a start-up that applies no theme leaves it.
    TWindowHarness loaded;
    loaded.WriteFile("lumora.ini", "STYLE= ?\r\n");
    loaded.Start();
    const TStyledPanel& loadedStatus = loaded.Get<TStyledPanel>("StatusPanel");

    TWindowHarness h;
    h.WriteFile("lumora.ini", "STYLE= 0\r\nSOUND ON\r\n");
    TForm1& form = h.Start();
    EXPECT_TRUE(form.StartupCompleted());
    EXPECT_EQ(form.StyleNumber(), 0);
    EXPECT_EQ(h.SelectorIndex(), -1);
    EXPECT_EQ(h.SelectorText(), QString());
    EXPECT_EQ(h.Get<TAppStyler>("AppStyler1").Style(), tsOffice2007Obsidian);
    const TStyledPanel& status = h.Get<TStyledPanel>("StatusPanel");
    EXPECT_EQ(status.Color(), loadedStatus.Color());
    EXPECT_EQ(status.ColorTo(), loadedStatus.ColorTo());
    EXPECT_EQ(status.ColorMirror(), loadedStatus.ColorMirror());
    EXPECT_EQ(status.ColorMirrorTo(), loadedStatus.ColorMirrorTo());
    EXPECT_EQ(h.Get<TSmoothLabel>("ScoreLabel").Caption()->ColorEnd(), kLabelGradientEnd);

    // Written back as it was read, unless a theme is picked.
    h.Click("CloseGlowButton");
    EXPECT_EQ(h.ReadFile("lumora.ini"), QByteArray("STYLE= 0\r\nSOUND ON\r\n"));
}

TEST(WindowStartup, ABadThemeCharacterShowsTheErrorBoxAndTheWindowStaysUsable)
{
    TWindowHarness h;
    const QByteArray ini("SOUND OFF\r\nSTYLE= x\r\nSOUND ON\r\n");
    h.WriteFile("lumora.ini", ini);
    TForm1& form = h.Start();

    ASSERT_EQ(h.dialogs.Count(QStringLiteral("error")), 1);
    EXPECT_EQ(h.dialogs.shown[0].text, QStringLiteral("'x' is not a valid integer value."));
    EXPECT_EQ(h.dialogs.shown[0].caption, ApplicationTitle());
    EXPECT_FALSE(form.StartupCompleted());
    EXPECT_TRUE(form.isVisible());

    // No theme applied: the loaded style and the design-time item.
    EXPECT_EQ(h.Get<TAppStyler>("AppStyler1").Style(), tsOffice2007Obsidian);
    EXPECT_EQ(h.SelectorText(), QStringLiteral("Luna"));
    EXPECT_FALSE(h.Get<TCustomOfficeCheckBox>("SoundCheckBox").Checked()) << "the line before the error counted";
    EXPECT_EQ(h.ReadFile("lumora.ini"), ini);

    // The window works: a puzzle can be made and a theme chosen.
    h.Click("GenerateLettersButton");
    EXPECT_TRUE(form.Game()->GameActive());
    EXPECT_GE(h.Get<TCustomGrid>("GuessedWordsGrid").RowCount(), game::TWordGame::kMinPotentialWords);
    h.ChooseTheme(2);
    EXPECT_EQ(h.Get<TAppStyler>("AppStyler1").Style(), tsOffice2007Obsidian);
    EXPECT_EQ(h.Get<TStyledPanel>("StatusPanel").Color(), 0xA19F9E);
}

TEST(WindowStartup, AnUnreadableWordListShowsTheErrorBoxAndTheWindowOpens)
{
    TWindowHarness h;
    // A word list that opens but cannot be read: as root every file is
    // readable, so the list is a link to memory that refuses reads.
    if (geteuid() == 0) {
        ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/mem"), h.PathOf("biblewords.txt")));
    } else {
        h.WriteFile("biblewords.txt", "ABLE\r\n");
        ASSERT_TRUE(QFile::setPermissions(h.PathOf("biblewords.txt"), QFileDevice::Permissions()));
    }
    TForm1& form = h.Start();
    ASSERT_EQ(h.dialogs.Count(QStringLiteral("error")), 1);
    const QString text = h.dialogs.shown[0].text;
    EXPECT_TRUE(text.startsWith("Cannot read file \"" + h.PathOf("biblewords.txt") + "\". ")) << text.toStdString();
    EXPECT_TRUE(text.endsWith(u'.'));
    EXPECT_FALSE(form.StartupCompleted());
    EXPECT_TRUE(form.isVisible());
    // The steps after the word list did not run.
    EXPECT_FALSE(h.FileExists("lumora.ini"));
    EXPECT_EQ(h.SelectorText(), QStringLiteral("Luna"));
    EXPECT_TRUE(h.FileExists("usedword.wav")) << "extraction before the list ran";
}
