// The window under what real machines hand it: settings files that are
// binary, empty, cut short, not writable or a folder; a program folder where
// nothing can be written; a folder path with blanks and non-ASCII letters; a
// disk that fills up while the settings are written at close. Every case:
// no crash, the error box with its message where there is one, a window
// that keeps working, and no file left truncated.
#include "support_window.h"

#include "controls/grid/GridBase.h"
#include "controls/plain/Label.h"
#include "controls/checkbox/OfficeCheckBox.h"
#include "game/WordGame.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/FileOps.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

const QByteArray kOldSettings("STYLE= 3\r\nSOUND OFF\r\n");

// Starts the game with this content as "lumora.ini" and expects the start
// to leave the file exactly as it was.
TForm1& StartWithSettings(TWindowHarness& h, const QByteArray& content)
{
    h.WriteFile("lumora.ini", content);
    TForm1& form = h.Start();
    EXPECT_EQ(h.ReadFile("lumora.ini"), content) << "reading changed the settings file";
    return form;
}

bool Visible(TWindowHarness& h)
{
    return h.Form().isVisible();
}

// The names in the program folder, sorted.
QStringList FilesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

// While it lives, no file of this process may grow beyond `bytes`: writes
// past it fail as on a full disk (EFBIG instead of the signal).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        m_set = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    bool Set() const { return m_set; }

private:
    rlimit m_old {};
    void (*m_oldHandler)(int) = nullptr;
    bool m_set = false;
};

} // namespace

TEST(BadSettingsFile, UnreadableContentIsIgnoredAndTheFileKept)
{
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary += char((i * 7 + 3) & 0xFF);
    struct Case {
        const char* what;
        QByteArray content;
        int style;
        bool sound;
    };
    const Case cases[] = {
        {"binary", binary, 1, true},
        {"empty", QByteArray(), 1, true},
        {"STYLE= without the blank", QByteArray("STYLE="), 1, true},
        {"STYLE= with its digit but no line end", QByteArray("STYLE= 7"), 7, true},
        // A NUL before SOUND OFF spoils it; one after the digit does not.
        {"NUL bytes in the lines", QByteArray("\0\0SOUND OFF\r\nSTYLE= 2\0\r\n", 25), 2, true},
        {"bytes above 0x7F after the lines", QByteArray("STYLE= 2\r\nSOUND OFF\r\n\xff\xfe"), 2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TWindowHarness h;
        TForm1& form = StartWithSettings(h, c.content);
        EXPECT_EQ(h.dialogs.Count("error"), 0) << h.dialogs.Texts("error").join('|').toStdString();
        EXPECT_TRUE(form.StartupCompleted());
        EXPECT_EQ(form.StyleNumber(), c.style);
        EXPECT_EQ(h.Get<TCustomOfficeCheckBox>("SoundCheckBox").Checked(), c.sound);
        // Closing writes the two lines in full.
        h.Click("CloseGlowButton");
        EXPECT_EQ(h.ReadFile("lumora.ini"), QByteArray("STYLE= ") + QByteArray::number(c.style)
                                                 + (c.sound ? "\r\nSOUND ON\r\n" : "\r\nSOUND OFF\r\n"));
    }
}

TEST(BadSettingsFile, ANonDigitShowsTheConversionErrorAndTheWindowStaysUsable)
{
    struct Case {
        QByteArray content;
        QString message;
    };
    const Case cases[] = {
        {"STYLE= x\r\nSOUND OFF\r\n", "'x' is not a valid integer value."},
        {"STYLE= \r\n", "'' is not a valid integer value."},
        {"SOUND OFF\r\nSTYLE= \xff\r\n", QString::fromLatin1("'\xff' is not a valid integer value.")},
        // Control characters are shown, not swallowed: a raw NUL would cut
        // the message off after its first quote.
        {QByteArray("STYLE= \0\r\n", 10), QString::fromUtf8("'\xE2\x90\x80' is not a valid integer value.")},
        {"STYLE= \t9\r\n", QString::fromUtf8("'\xE2\x90\x89' is not a valid integer value.")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.content.toStdString());
        TWindowHarness h;
        TForm1& form = StartWithSettings(h, c.content);
        ASSERT_EQ(h.dialogs.Count("error"), 1);
        EXPECT_EQ(h.dialogs.Texts("error").first(), c.message);
        EXPECT_FALSE(form.StartupCompleted());
        EXPECT_TRUE(Visible(h));
        // The game still plays: the word list was loaded before the settings.
        h.Click("GenerateLettersButton");
        EXPECT_TRUE(form.Game()->GameActive());
        EXPECT_EQ(h.dialogs.Count("error"), 1);
    }
}

TEST(BadSettingsFile, AFolderInItsPlaceIsReportedAtStartAndAtCloseAndStays)
{
    TWindowHarness h;
    ASSERT_TRUE(QDir().mkpath(h.PathOf("lumora.ini")));
    TForm1& form = h.Start();
    ASSERT_EQ(h.dialogs.Count("error"), 1);
    EXPECT_FALSE(form.StartupCompleted());
    EXPECT_TRUE(Visible(h));

    h.Click("CloseGlowButton");
    EXPECT_EQ(h.dialogs.Count("error"), 2);
    EXPECT_TRUE(Visible(h)) << "a failed settings write closed the window";
    EXPECT_TRUE(QFileInfo(h.PathOf("lumora.ini")).isDir());
}

TEST(BadSettingsFile, AReadOnlyFileIsReadAndEitherReplacedWholeOrLeftAsItWas)
{
    TWindowHarness h;
    h.WriteFile("lumora.ini", kOldSettings);
    QFile::setPermissions(h.PathOf("lumora.ini"), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    TForm1& form = h.Start();
    EXPECT_EQ(h.dialogs.Count("error"), 0);
    EXPECT_EQ(form.StyleNumber(), 3);
    h.ChooseTheme(5); // "Olive"
    h.Click("CloseGlowButton");
    if (geteuid() == 0) {
        // The superuser may write any file: the new settings, whole.
        EXPECT_EQ(h.ReadFile("lumora.ini"), QByteArray("STYLE= 6\r\nSOUND OFF\r\n"));
    } else {
        EXPECT_EQ(h.dialogs.Count("error"), 1);
        EXPECT_TRUE(Visible(h));
        EXPECT_EQ(h.ReadFile("lumora.ini"), kOldSettings);
    }
}

TEST(BadSettingsFile, AFullDiskAtCloseKeepsTheOldFileWholeAndTheWindowOpen)
{
    TWindowHarness h;
    StartWithSettings(h, kOldSettings);
    const QStringList before = FilesIn(h.Folder());
    h.ChooseTheme(8); // "Flat"
    {
        FileSizeLimit full(4); // not even "STYLE= 9" fits
        ASSERT_TRUE(full.Set());
        h.Click("CloseGlowButton");
        // The click may arrive through the event loop: let it run while
        // the disk is still full.
        QTest::qWait(50);
    }
    EXPECT_TRUE(Visible(h));
    EXPECT_EQ(h.ReadFile("lumora.ini"), kOldSettings);
    EXPECT_EQ(FilesIn(h.Folder()), before) << "a temporary file was left behind";
    ASSERT_EQ(h.dialogs.Count("error"), 1);
    EXPECT_FALSE(h.dialogs.Texts("error").first().isEmpty());

    // With room again, the same button writes the new settings.
    h.Click("CloseGlowButton");
    EXPECT_EQ(h.ReadFile("lumora.ini"), QByteArray("STYLE= 9\r\nSOUND OFF\r\n"));
}

TEST(BadProgramFolder, NothingWritableGivesTheErrorBoxAWorkingWindowAndAPuzzleNotice)
{
    // A folder where files cannot be created: /proc even for the superuser,
    // else a temporary folder without write permission.
    TWindowHarness h;
    QString programName = QStringLiteral("lumora");
    QString folder = h.Folder();
    if (geteuid() == 0) {
        folder = QStringLiteral("/proc/");
        programName = QDir(h.Folder()).relativeFilePath(QStringLiteral("/proc/lumora"));
    } else {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    }
    TForm1& form = h.Start(programName);
    ASSERT_EQ(h.dialogs.Count("error"), 1);
    EXPECT_TRUE(h.dialogs.Texts("error").first().contains("biblewords.txt"))
        << h.dialogs.Texts("error").first().toStdString();
    EXPECT_FALSE(form.StartupCompleted());
    EXPECT_TRUE(Visible(h));

    // New Puzzle has no words: it says so and returns.
    h.Click("GenerateLettersButton");
    ASSERT_EQ(h.dialogs.Count("inform"), 1);
    EXPECT_EQ(h.dialogs.Texts("inform").first(), QString::fromUtf8(game::TWordGame::kNoPuzzleMessage));
    EXPECT_FALSE(form.Game()->GameActive());

    // Close cannot write the settings either: the error box, the window stays.
    h.Click("CloseGlowButton");
    EXPECT_EQ(h.dialogs.Count("error"), 2);
    EXPECT_TRUE(Visible(h));
    h.Stop();
    QFile::setPermissions(h.Folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(BadProgramFolder, BlanksAndNonAsciiLettersInThePathWorkLikeAnyOther)
{
    TWindowHarness h;
    const QString sub = QString::fromUtf8("Mes jeux/Spiele f\xC3\xBCr Gro\xC3\x9F und Klein \xE2\x98\xBA/");
    ASSERT_TRUE(QDir().mkpath(h.Folder() + sub));
    TForm1& form = h.Start(sub + "Lumora");
    EXPECT_EQ(h.dialogs.Count("error"), 0) << h.dialogs.Texts("error").join('|').toStdString();
    EXPECT_TRUE(form.StartupCompleted());
    // The folder already ends in "/" once the file name is taken off: one
    // separator, not two.
    EXPECT_EQ(form.AppFolder(), h.Folder() + sub);
    EXPECT_EQ(FilesIn(h.Folder() + sub),
              QStringList({"biblewords.txt", "lumora.ini", "newword.wav", "usedword.wav"}));
    EXPECT_EQ(h.Get<TLabel>("Label1").Caption(),
              QStringLiteral("Words: %1").arg(h.Get<TCustomGrid>("WordsGrid").RowCount()));
    EXPECT_GT(h.Get<TCustomGrid>("WordsGrid").RowCount(), 10000);
    h.ChooseTheme(1);
    h.Click("CloseGlowButton");
    QFile ini(h.Folder() + sub + "lumora.ini");
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_EQ(ini.readAll(), QByteArray("STYLE= 2\r\nSOUND ON\r\n"));
}

TEST(BadWordListFile, FiftyMegabytesOfWordsEndStartUpWithAMessageAndTheWindowWorks)
{
    // Five million rows of real words: more than the word store takes. The
    // shipped list ends its last line, so each copy adds its lines whole.
    TWindowHarness h;
    const QByteArray words = ShippedResource("biblewords");
    QByteArray big;
    big.reserve(51 * 1024 * 1024 + words.size());
    qint64 copies = 0;
    for (; big.size() < 50 * 1024 * 1024; ++copies)
        big += words;
    h.WriteFile("biblewords.txt", big);
    big.clear();
    TForm1& form = h.Start();
    ASSERT_EQ(h.dialogs.Count("error"), 1);
    EXPECT_EQ(h.dialogs.Texts("error").first(),
              "The word list \"" + h.PathOf("biblewords.txt")
                  + "\" has more lines than the 1,000,000 words the game can hold. No words were loaded.");
    EXPECT_TRUE(Visible(h));
    EXPECT_EQ(h.Get<TLabel>("Label1").Caption(), QStringLiteral("Words: 0"));
    // Nothing was loaded, so New Puzzle says it cannot make one.
    h.Click("GenerateLettersButton");
    EXPECT_EQ(h.dialogs.Count("inform"), 1);
    EXPECT_FALSE(form.Game()->GameActive());
    // The player's file is untouched.
    EXPECT_EQ(QFileInfo(h.PathOf("biblewords.txt")).size(), copies * words.size());
}

TEST(BadSpecialFiles, APipeOrDeviceInADataFilesPlaceIsNamedAndTheWindowOpens)
{
    struct Case {
        const char* file;
        const char* kind; // "fifo" or "zero"
        const char* reason;
    };
    const Case cases[] = {
        {"lumora.ini", "fifo", "It is a pipe, not a file"},       // start-up would wait forever
        {"biblewords.txt", "fifo", "It is a pipe, not a file"},
        {"lumora.ini", "zero", "It is a device, not a file"},     // a read would never reach an end
        {"biblewords.txt", "zero", "It is a device, not a file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " as " + c.kind);
        TWindowHarness h;
        const QByteArray path = QFile::encodeName(h.PathOf(c.file));
        if (QByteArray(c.kind) == "fifo")
            ASSERT_EQ(::mkfifo(path.constData(), 0644), 0);
        else
            ASSERT_TRUE(QFile::link("/dev/zero", h.PathOf(c.file)));
        // A start that hangs on the pipe is let go by a writer after a
        // while, so that the test fails instead of hanging.
        std::atomic<bool> started {false};
        std::thread watchdog([&] {
            for (int i = 0; i < 200 && !started; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            if (!started) {
                const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0)
                    ::close(fd);
            }
        });
        TForm1& form = h.Start();
        started = true;
        watchdog.join();
        ASSERT_EQ(h.dialogs.Count("error"), 1);
        EXPECT_EQ(h.dialogs.Texts("error").first(),
                  "Cannot read file \"" + h.PathOf(c.file) + "\". " + c.reason + ".");
        EXPECT_FALSE(form.StartupCompleted());
        EXPECT_TRUE(Visible(h));
    }
}

TEST(BadSettingsFile, OnlyTheBeginningOfAHugeFileIsRead)
{
    // Thirty megabytes of blank lines, then a theme: the lines beyond the
    // first 64 KB are no settings of the game's.
    TWindowHarness h;
    QByteArray huge(30 * 1024 * 1024, '\n');
    huge += "STYLE= 7\r\nSOUND OFF\r\n";
    TForm1& form = StartWithSettings(h, huge);
    EXPECT_EQ(h.dialogs.Count("error"), 0);
    EXPECT_TRUE(form.StartupCompleted());
    EXPECT_EQ(form.StyleNumber(), 1);
    EXPECT_TRUE(h.Get<TCustomOfficeCheckBox>("SoundCheckBox").Checked());
}

TEST(BadProgramFolder, AFolderNameThatIsNotUtf8WorksAndNeverBecomesTheRoot)
{
    // "café" in Latin-1, as older systems name folders.
    TWindowHarness h;
    const QByteArray folderBytes = QFile::encodeName(h.Folder()) + "caf\xe9";
    ASSERT_EQ(::mkdir(folderBytes.constData(), 0755), 0);
    const QString folder = platform::DecodePath(folderBytes) + "/";
    TForm1& form = h.Start(platform::DecodePath(folderBytes).mid(h.Folder().size()) + "/Lumora");
    EXPECT_EQ(h.dialogs.Count("error"), 0) << h.dialogs.Texts("error").join('|').toStdString();
    EXPECT_TRUE(form.StartupCompleted());
    EXPECT_EQ(form.AppFolder(), folder);
    for (const char* name : {"biblewords.txt", "newword.wav", "usedword.wav", "lumora.ini"})
        EXPECT_EQ(::access((folderBytes + "/" + name).constData(), R_OK), 0) << name << " is not in the folder";
    EXPECT_GT(h.Get<TCustomGrid>("WordsGrid").RowCount(), 10000);
    h.ChooseTheme(2);
    h.Click("CloseGlowButton");
    EXPECT_EQ(platform::ReadRegularFile(folder + "lumora.ini", 100).bytes, QByteArray("STYLE= 3\r\nSOUND ON\r\n"));
    // The next start finds the settings again.
    TForm1& again = h.Start(platform::DecodePath(folderBytes).mid(h.Folder().size()) + "/Lumora");
    EXPECT_EQ(again.StyleNumber(), 3);
    h.Stop();
    // QTemporaryDir cannot name what is inside.
    for (const char* name : {"biblewords.txt", "newword.wav", "usedword.wav", "lumora.ini"})
        ::unlink((folderBytes + "/" + name).constData());
    ::rmdir(folderBytes.constData());
}
