// The shell service: which references are addresses, and that requests the
// desktop cannot take fail quietly.
#include "platform/Shell.h"
#include "tests/support/RecordingShell.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using platform::IsShellAddress;
using platform::IShell;
using platform::RecordingShell;
using platform::ScopedService;

TEST(ShellAddress, WebAndMailReferencesOnly)
{
    EXPECT_TRUE(IsShellAddress("https://www.example.org/lumora"));
    EXPECT_TRUE(IsShellAddress("ftp://example.org"));
    EXPECT_TRUE(IsShellAddress("mailto:someone@example.org"));
    EXPECT_TRUE(IsShellAddress("write to mailto:someone@example.org"));
    EXPECT_FALSE(IsShellAddress("www.example.org"));
    EXPECT_FALSE(IsShellAddress("ShowHelp"));
    EXPECT_FALSE(IsShellAddress("MAILTO:someone@example.org")); // as written
    EXPECT_FALSE(IsShellAddress(""));
}

TEST(DesktopShell, RefusesWhatItCannotOpenWithoutTrying)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_FALSE(platform::Shell().OpenAddress(""));
    EXPECT_FALSE(platform::Shell().OpenAddress("no address at all"));
    EXPECT_FALSE(platform::Shell().OpenFile(dir.filePath("Lumora")));
}

TEST(ShellService, AStandInRecordsAndAnswers)
{
    RecordingShell shell;
    shell.result = false;
    {
        ScopedService<IShell> use(shell);
        EXPECT_FALSE(platform::Shell().OpenAddress("https://www.example.org/"));
        EXPECT_FALSE(platform::Shell().OpenFile("/opt/Lumora/Lumora"));
    }
    EXPECT_EQ(shell.addresses, QStringList({"https://www.example.org/"}));
    EXPECT_EQ(shell.files, QStringList({"/opt/Lumora/Lumora"}));
}
