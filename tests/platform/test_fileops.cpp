// Copying the program (byte for byte, executable, replacing, whole or not
// at all, never through a link), deleting only files, reading only regular
// files, rewriting in place where the folder takes no new file, and paths
// whose bytes are not UTF-8.
#include "platform/FileOps.h"

#include "platform/UnprivilegedUser.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/un.h>

using namespace platform;

namespace {

class FileOpsTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString program;
    QByteArray bytes;

    void SetUp() override
    {
        program = dir.path() + "/InstallLumora";
        for (int i = 0; i < 3 * (1 << 20) + 17; ++i) // more than one chunk
            bytes.append(char(i * 131 % 251));
        Write(program, bytes);
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                           | QFile::ExeGroup);
    }
    static void Write(const QString& path, const QByteArray& data)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
    }
    static QByteArray Read(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(FileOpsTest, CopyIsExactExecutableAndReplacesAnOlderFile)
{
    const QString target = dir.path() + "/Lumora";
    Write(target, "an older, shorter file");
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);

    EXPECT_EQ(CopyFileReplacing(program, target), std::nullopt);
    EXPECT_EQ(Read(target), bytes);
    EXPECT_EQ(QFile::permissions(target), QFile::permissions(program));
    EXPECT_TRUE(QFileInfo(target).isExecutable());
}

TEST_F(FileOpsTest, AFailedCopyGivesTheReasonAndLeavesTheOldFile)
{
    EXPECT_EQ(CopyFileReplacing(program, dir.path() + "/missing/Lumora"), "No such file or folder");
    EXPECT_EQ(CopyFileReplacing(dir.path() + "/nothing", dir.path() + "/Lumora"), "No such file or folder");
    EXPECT_FALSE(QFile::exists(dir.path() + "/Lumora"));

    QDir().mkpath(dir.path() + "/Lumora");
    EXPECT_EQ(CopyFileReplacing(program, dir.path() + "/Lumora"), "It is a folder, not a file");
    EXPECT_TRUE(QFileInfo(dir.path() + "/Lumora").isDir());

    // A folder given as the target's parent that is a file.
    Write(dir.path() + "/plainfile", "x");
    const auto reason = CopyFileReplacing(program, dir.path() + "/plainfile/Lumora");
    ASSERT_TRUE(reason.has_value());
    EXPECT_FALSE(reason->isEmpty());
    EXPECT_EQ(Read(dir.path() + "/plainfile"), "x");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"InstallLumora", "plainfile"}))
        << "no temporary file stays behind";
}

TEST_F(FileOpsTest, ALinkAtTheTargetIsReplacedAndNeverWrittenThrough)
{
    // What a link at the program's name may point at: a user's file, a
    // folder, nothing.
    const QString usersFile = dir.path() + "/thesis.txt";
    Write(usersFile, "the user's own words");
    QFile::setPermissions(usersFile, QFile::ReadOwner | QFile::WriteOwner);
    QDir().mkpath(dir.path() + "/usersFolder");
    const QString cases[] = {usersFile, dir.path() + "/usersFolder", dir.path() + "/nothing"};
    for (const QString& pointsAt : cases) {
        SCOPED_TRACE(pointsAt.toStdString());
        const QString target = dir.path() + "/Lumora";
        QFile::remove(target);
        ASSERT_TRUE(QFile::link(pointsAt, target));
        EXPECT_EQ(CopyFileReplacing(program, target), std::nullopt);
        EXPECT_EQ(KindOf(target), TFileKind::File) << "the link is replaced by the program itself";
        EXPECT_EQ(Read(target), bytes);
    }
    EXPECT_EQ(Read(usersFile), "the user's own words");
    EXPECT_EQ(QFile::permissions(usersFile), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser)
        << "made executable through the link";
    EXPECT_TRUE(QDir(dir.path() + "/usersFolder").isEmpty());
    EXPECT_FALSE(QFile::exists(dir.path() + "/nothing"));
}

TEST_F(FileOpsTest, DeleteTakesFilesAndLinksButNeverFolders)
{
    Write(dir.path() + "/lumora.ini", "STYLE= 5\r\n");
    EXPECT_EQ(DeleteFileOnly(dir.path() + "/lumora.ini"), std::nullopt);
    EXPECT_FALSE(QFile::exists(dir.path() + "/lumora.ini"));
    EXPECT_EQ(DeleteFileOnly(dir.path() + "/lumora.ini"), std::nullopt) << "a missing file is no failure";

    QDir().mkpath(dir.path() + "/folder/inside");
    EXPECT_EQ(DeleteFileOnly(dir.path() + "/folder"), "It is a folder, not a file");
    EXPECT_TRUE(QFileInfo(dir.path() + "/folder/inside").isDir());

    // A link goes as a link, also one to a folder; what it points at stays.
    ASSERT_TRUE(QFile::link(program, dir.path() + "/link"));
    ASSERT_TRUE(QFile::link(dir.path() + "/folder", dir.path() + "/folderlink"));
    EXPECT_EQ(DeleteFileOnly(dir.path() + "/link"), std::nullopt);
    EXPECT_EQ(DeleteFileOnly(dir.path() + "/folderlink"), std::nullopt);
    EXPECT_EQ(KindOf(dir.path() + "/folderlink"), TFileKind::Missing);
    EXPECT_EQ(Read(program), bytes);
    EXPECT_TRUE(QFileInfo(dir.path() + "/folder/inside").isDir());
}

TEST_F(FileOpsTest, OnlyRegularFilesAreReadAndOnlyUpToTheLimit)
{
    const QByteArray fifo = QFile::encodeName(dir.path() + "/fifo");
    ASSERT_EQ(::mkfifo(fifo.constData(), 0644), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", dir.path() + "/zero"));
    QDir().mkpath(dir.path() + "/folder");
    const QByteArray socketPath = QFile::encodeName(dir.path() + "/socket");
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    ASSERT_LT(socketPath.size(), qsizetype(sizeof address.sun_path));
    std::memcpy(address.sun_path, socketPath.constData(), size_t(socketPath.size()));
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);

    struct Case {
        const char* name;
        const char* reason;
    };
    const Case cases[] = {
        {"fifo", "It is a pipe, not a file"},   // would wait for a writer forever
        {"zero", "It is a device, not a file"}, // would read until memory runs out
        {"folder", "It is a folder, not a file"},
        {"socket", "It is a socket, not a file"},
        {"missing", "No such file or folder"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QElapsedTimer clock;
        clock.start();
        const TReadResult read = ReadRegularFile(dir.path() + "/" + c.name, 1 << 20);
        EXPECT_EQ(read.error, c.reason);
        EXPECT_TRUE(read.bytes.isEmpty());
        EXPECT_LT(clock.elapsed(), 5000);
    }
    ::close(sock);

    // A regular file: whole below the limit, cut at it above.
    EXPECT_EQ(ReadRegularFile(program, bytes.size()).bytes, bytes);
    EXPECT_FALSE(ReadRegularFile(program, bytes.size()).cutShort);
    const TReadResult cut = ReadRegularFile(program, 1000);
    EXPECT_EQ(cut.bytes, bytes.left(1000));
    EXPECT_TRUE(cut.cutShort);
    EXPECT_TRUE(cut.error.isEmpty());
}

TEST_F(FileOpsTest, AFolderNameThatIsNotUtf8IsReachedAgain)
{
    // "café" in Latin-1: one byte 0xE9 that is no UTF-8.
    const QByteArray folderBytes = QFile::encodeName(dir.path()) + "/caf\xe9 f\xfcr";
    ASSERT_EQ(::mkdir(folderBytes.constData(), 0755), 0);
    const QString folder = DecodePath(folderBytes);
    EXPECT_EQ(EncodePath(folder), folderBytes);
    EXPECT_NE(QFile::encodeName(QFile::decodeName(folderBytes)), folderBytes) << "why DecodePath exists";
    EXPECT_EQ(DecodePath(QFile::encodeName(dir.path())), dir.path()) << "UTF-8 decodes as it always did";

    EXPECT_TRUE(DirectoryExists(folder));
    EXPECT_EQ(WriteFileReplacing(folder + "/lumora.ini", "STYLE= 5\r\n"), std::nullopt);
    EXPECT_EQ(ReadRegularFile(folder + "/lumora.ini", 100).bytes, "STYLE= 5\r\n");
    EXPECT_EQ(::access((folderBytes + "/lumora.ini").constData(), R_OK), 0) << "written into the folder itself";
    EXPECT_EQ(DeleteFileOnly(folder + "/lumora.ini"), std::nullopt);
    EXPECT_NE(::access((folderBytes + "/lumora.ini").constData(), F_OK), 0);
    ::rmdir(folderBytes.constData()); // QTemporaryDir cannot name it
}

TEST_F(FileOpsTest, AFullDiskIsSaidInPlainWordsAndLeavesTheOldFileAndNoTemporaryOne)
{
    const QString disk = dir.path() + "/disk";
    QDir().mkpath(disk);
    if (::mount("lumora-test", QFile::encodeName(disk).constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "no small tmpfs can be mounted here (" << std::strerror(errno)
                     << "); mounting needs root with CAP_SYS_ADMIN";
    Write(disk + "/Lumora", "the old program");
    const std::optional<QString> reason = CopyFileReplacing(program, disk + "/Lumora");
    const QStringList left = QDir(disk).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    const QByteArray old = Read(disk + "/Lumora");
    ::umount(QFile::encodeName(disk).constData());
    EXPECT_EQ(reason, "The disk is full");
    EXPECT_EQ(old, "the old program");
    EXPECT_EQ(left, QStringList{"Lumora"});
}

TEST_F(FileOpsTest, WhereTheFolderTakesNoNewFileTheFileIsRewrittenInPlaceAndKeepsItsOwner)
{
    // Another user's folder (r-x for the player) with a file the player
    // may write (rw for all).
    const QString folder = dir.path() + "/shared";
    QDir().mkpath(folder);
    Write(folder + "/lumora.ini", "STYLE= 3\r\nSOUND OFF\r\n");
    ::chmod(QFile::encodeName(folder + "/lumora.ini").constData(), 0666);
    unprivileged::MakeReachable(dir.path().toStdString());
    ::chmod(QFile::encodeName(folder).constData(), 0555);
    const std::string failure = unprivileged::RunUnprivileged([&]() -> std::string {
        TWriteOptions replaceOnly;
        if (WriteFileReplacing(folder + "/lumora.ini", "x", replaceOnly) != "Permission denied")
            return "the folder took a new file, so this case tests nothing";
        TWriteOptions fallback;
        fallback.inPlaceFallback = true;
        if (const auto reason = WriteFileReplacing(folder + "/lumora.ini", "STYLE= 9\r\nSOUND ON\r\n", fallback))
            return "in place: " + reason->toStdString();
        return "";
    });
    ::chmod(QFile::encodeName(folder).constData(), 0755);
    EXPECT_EQ(failure, "");
    EXPECT_EQ(Read(folder + "/lumora.ini"), "STYLE= 9\r\nSOUND ON\r\n");

    // A file of another user, rewritten by the superuser, stays that
    // user's with its permissions, so its owner can still write it.
    if (!unprivileged::SwitchesUser())
        return;
    const unprivileged::TUser nobody = unprivileged::Nobody();
    const QByteArray ini = QFile::encodeName(folder + "/lumora.ini");
    ASSERT_EQ(::chown(ini.constData(), nobody.uid, nobody.gid), 0);
    ASSERT_EQ(::chmod(ini.constData(), 0640), 0);
    TWriteOptions keep;
    keep.keepOwnerAndMode = true;
    EXPECT_EQ(WriteFileReplacing(folder + "/lumora.ini", "STYLE= 2\r\nSOUND ON\r\n", keep), std::nullopt);
    struct stat st {};
    ASSERT_EQ(::stat(ini.constData(), &st), 0);
    EXPECT_EQ(st.st_uid, nobody.uid);
    EXPECT_EQ(st.st_gid, nobody.gid);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST_F(FileOpsTest, FoldersAreCreatedWithTheirParents)
{
    EXPECT_FALSE(ForceDirectories(""));
    EXPECT_TRUE(ForceDirectories(dir.path() + "/a/b/c"));
    EXPECT_TRUE(DirectoryExists(dir.path() + "/a/b/c"));
    EXPECT_TRUE(ForceDirectories(dir.path() + "/a/b/c")) << "an existing folder is fine";
    EXPECT_FALSE(ForceDirectories(program + "/sub")) << "not below a file";
    EXPECT_FALSE(DirectoryExists(program));
    EXPECT_TRUE(FileExists(program));
    EXPECT_FALSE(FileExists(dir.path() + "/a"));
    EXPECT_FALSE(FileExists(""));
}

} // namespace
