// The settings file on its own: the lines it recognises, the character it
// converts, what it writes, and that a failed write loses nothing.
#include "game/GameErrors.h"
#include "window/SettingsFile.h"

#include "platform/UnprivilegedUser.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>
#include <vector>

namespace {

struct TReadResult {
    std::vector<int> styles;
    std::vector<bool> sounds;
    std::optional<std::string> error;
};

TReadResult ReadText(const QByteArray& text)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    QFile file(folder + QLatin1String(TSettingsFile::kFileName));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    TReadResult result;
    try {
        TSettingsFile(folder).Read([&](int n) { result.styles.push_back(n); },
                                   [&](bool on) { result.sounds.push_back(on); });
    } catch (const TConvertError& e) {
        result.error = e.what();
    }
    return result;
}

QByteArray ReadBack(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

TEST(SettingsFile, StyleLinesTakeTheEighthCharacterAlone)
{
    EXPECT_EQ(ReadText("STYLE= 3\r\n").styles, std::vector<int>{3});
    EXPECT_EQ(ReadText("STYLE= 12\r\n").styles, std::vector<int>{1}) << "one character only";
    EXPECT_EQ(ReadText("STYLE= 0\r\n").styles, std::vector<int>{0});
    EXPECT_EQ(ReadText("STYLE= 9 and more\r\n").styles, std::vector<int>{9});
    EXPECT_TRUE(ReadText("STYLE=3\r\n").styles.empty()) << "no blank: not a style line";
    EXPECT_TRUE(ReadText("style= 3\r\n").styles.empty()) << "the key is upper case";
    EXPECT_EQ(ReadText("STYLE= 2\r\nSTYLE= 7\r\n").styles, (std::vector<int>{2, 7})) << "later lines override";
    EXPECT_EQ(ReadText("STYLE= 4").styles, std::vector<int>{4}) << "a last line without CR LF";
    EXPECT_EQ(ReadText("STYLE= 6\nSOUND OFF\n").styles, std::vector<int>{6}) << "bare LF line ends";
}

TEST(SettingsFile, BadStyleCharacterIsAConversionErrorAndStopsReading)
{
    TReadResult r = ReadText("SOUND OFF\r\nSTYLE= x\r\nSOUND ON\r\nSTYLE= 3\r\n");
    ASSERT_TRUE(r.error.has_value());
    EXPECT_EQ(*r.error, "'x' is not a valid integer value");
    EXPECT_EQ(r.sounds, std::vector<bool>{false}) << "lines before the error took effect, later ones not";
    EXPECT_TRUE(r.styles.empty());

    r = ReadText("STYLE= \r\n");
    ASSERT_TRUE(r.error.has_value()) << "a line of seven characters has no eighth";
    EXPECT_EQ(*r.error, "'' is not a valid integer value");

    r = ReadText("MY STYLE= 3\r\n");
    ASSERT_TRUE(r.error.has_value()) << "STYLE= further in: the eighth character is another one";
    EXPECT_EQ(*r.error, "'E' is not a valid integer value");

    r = ReadText("STYLE= -1\r\n");
    ASSERT_TRUE(r.error.has_value());
    EXPECT_EQ(*r.error, "'-' is not a valid integer value");
}

TEST(SettingsFile, SoundLinesMatchOnlyExactly)
{
    EXPECT_EQ(ReadText("SOUND OFF\r\n").sounds, std::vector<bool>{false});
    EXPECT_EQ(ReadText("SOUND ON\r\n").sounds, std::vector<bool>{true});
    EXPECT_TRUE(ReadText("sound off\r\n").sounds.empty());
    EXPECT_TRUE(ReadText("SOUND OFF \r\n").sounds.empty()) << "a trailing blank";
    EXPECT_TRUE(ReadText(" SOUND OFF\r\n").sounds.empty());
    EXPECT_EQ(ReadText("SOUND OFF\r\nSOUND ON\r\n").sounds, (std::vector<bool>{false, true}));
    EXPECT_TRUE(ReadText("").sounds.empty());
    EXPECT_TRUE(ReadText("").styles.empty());
}

TEST(SettingsFile, WritesTwoCrLfLinesAndTheDefaultOnlyWhenMissing)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    const TSettingsFile file(folder);
    EXPECT_FALSE(file.Exists());
    file.WriteDefaultIfMissing();
    EXPECT_EQ(ReadBack(file.Path()), QByteArray("STYLE= 5\r\nSOUND ON\r\n"));

    file.Write(3, false);
    EXPECT_EQ(ReadBack(file.Path()), QByteArray("STYLE= 3\r\nSOUND OFF\r\n"));
    file.WriteDefaultIfMissing();
    EXPECT_EQ(ReadBack(file.Path()), QByteArray("STYLE= 3\r\nSOUND OFF\r\n")) << "an existing file stays";

    file.Write(0, true);
    EXPECT_EQ(ReadBack(file.Path()), QByteArray("STYLE= 0\r\nSOUND ON\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"lumora.ini"})
        << "no temporary file is left beside it";
}

TEST(SettingsFile, AFailedWriteReportsAnInOutErrorAndKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    // A folder that does not exist: nothing can be written there.
    const TSettingsFile missing(folder + QStringLiteral("gone/"));
    EXPECT_THROW(missing.Write(4, true), game::InOutError);

    // A folder standing where the file should be.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("lumora.ini")));
    const TSettingsFile blocked(folder);
    try {
        blocked.Write(4, true);
        ADD_FAILURE() << "the write should fail";
    } catch (const game::InOutError& e) {
        EXPECT_FALSE(std::string(e.what()).empty());
    }
    EXPECT_TRUE(QFileInfo(blocked.Path()).isDir()) << "the thing in the way is untouched";
}

TEST(SettingsFile, ReadingAFolderInPlaceOfTheFileIsNoSettings)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("lumora.ini")));
    const TSettingsFile file(dir.path() + u'/');
    EXPECT_FALSE(file.Exists());
    int calls = 0;
    file.Read([&](int) { ++calls; }, [&](bool) { ++calls; });
    EXPECT_EQ(calls, 0);
}

TEST(SettingsFile, ItsOwnerCanAlwaysWriteIt)
{
    // Another user's folder that takes no new file (r-x for the player),
    // with a settings file the player may write: rewritten in place.
    QTemporaryDir dir;
    const QString folder = dir.path() + "/shared/";
    ASSERT_TRUE(QDir().mkpath(folder));
    const TSettingsFile file(folder);
    file.Write(3, false);
    QFile::setPermissions(file.Path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup
                                           | QFile::ReadOther | QFile::WriteOther);
    unprivileged::MakeReachable(dir.path().toStdString());
    ::chmod(QFile::encodeName(folder).constData(), 0555);
    const auto writeAsPlayer = [&](int style) {
        return unprivileged::RunUnprivileged([&]() -> std::string {
            try {
                file.Write(style, true);
                return "";
            } catch (const std::exception& e) {
                return e.what();
            }
        });
    };
    EXPECT_EQ(writeAsPlayer(6), "");
    EXPECT_EQ(ReadBack(file.Path()), QByteArray("STYLE= 6\r\nSOUND ON\r\n"));
    ::chmod(QFile::encodeName(folder).constData(), 0755);

    // The superuser once closed the game in the player's folder: the file
    // stays the player's, so the player's next close still writes it.
    if (unprivileged::SwitchesUser()) {
        const unprivileged::TUser player = unprivileged::Nobody();
        ASSERT_EQ(::chown(QFile::encodeName(folder).constData(), player.uid, player.gid), 0);
        ASSERT_EQ(::chown(QFile::encodeName(file.Path()).constData(), player.uid, player.gid), 0);
        ASSERT_EQ(::chmod(QFile::encodeName(file.Path()).constData(), 0644), 0);
        ::chmod(QFile::encodeName(folder).constData(), 0555);
        file.Write(2, false); // as root
        struct stat st {};
        ASSERT_EQ(::stat(QFile::encodeName(file.Path()).constData(), &st), 0);
        EXPECT_EQ(st.st_uid, player.uid);
        EXPECT_EQ(st.st_mode & 0777, 0644u);
        EXPECT_EQ(writeAsPlayer(8), "");
        EXPECT_EQ(ReadBack(file.Path()), QByteArray("STYLE= 8\r\nSOUND ON\r\n"));
        ::chmod(QFile::encodeName(folder).constData(), 0755);
    }
}
