// Copying the program (byte for byte, executable, replacing, whole or not
// at all) and deleting only files.
#include "platform/FileOps.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
    EXPECT_EQ(CopyFileReplacing(program, dir.path() + "/missing/Lumora"), "No such file or directory");
    EXPECT_EQ(CopyFileReplacing(dir.path() + "/nothing", dir.path() + "/Lumora"), "No such file or directory");
    EXPECT_FALSE(QFile::exists(dir.path() + "/Lumora"));

    QDir().mkpath(dir.path() + "/Lumora");
    EXPECT_EQ(CopyFileReplacing(program, dir.path() + "/Lumora"), "Is a directory");
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

TEST_F(FileOpsTest, DeleteTakesFilesAndLinksButNeverFolders)
{
    Write(dir.path() + "/lumora.ini", "STYLE= 5\r\n");
    EXPECT_TRUE(DeleteFileOnly(dir.path() + "/lumora.ini"));
    EXPECT_FALSE(DeleteFileOnly(dir.path() + "/lumora.ini"));

    QDir().mkpath(dir.path() + "/folder/inside");
    EXPECT_FALSE(DeleteFileOnly(dir.path() + "/folder"));
    EXPECT_TRUE(QFileInfo(dir.path() + "/folder/inside").isDir());

    // A link goes; what it points at stays.
    ASSERT_TRUE(QFile::link(program, dir.path() + "/link"));
    EXPECT_TRUE(DeleteFileOnly(dir.path() + "/link"));
    EXPECT_EQ(Read(program), bytes);
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
