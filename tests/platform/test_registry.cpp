// The file registry: keys by path, string values written through, keys
// deleted with everything below them, names that cannot escape the store.
#include "platform/Registry.h"

#include "platform/FileOps.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace platform;

namespace {

const QString kKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Lumora Game";

class RegistryTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    TFileRegistryStore store{dir.path() + "/HKLM"};
    ScopedService<IRegistryStore> use{store};
};

TEST_F(RegistryTest, KeysAreCreatedWithTheirParentsAndValuesReadBack)
{
    TRegistry reg;
    EXPECT_EQ(reg.RootKey(), TRootKey::HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(reg.OpenKey(kKey, false)) << "a missing key is not created without canCreate";
    EXPECT_FALSE(store.KeyExists("SOFTWARE"));

    ASSERT_TRUE(reg.OpenKey(kKey, true));
    reg.WriteString("DisplayName", "Lumora");
    reg.WriteString("UninstallString", "/home/ann/My Games/Lumora/RemoveLumora");
    EXPECT_EQ(reg.ReadString("DisplayName"), "Lumora");
    EXPECT_TRUE(store.KeyExists("SOFTWARE\\Microsoft"));
    EXPECT_EQ(store.SubKeys("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall"), QStringList{"Lumora Game"});

    // A fresh store on the same folder sees the same values: nothing is
    // held back in memory.
    TFileRegistryStore again(store.Folder());
    EXPECT_EQ(again.ReadString(kKey, "UninstallString"), "/home/ann/My Games/Lumora/RemoveLumora");
    EXPECT_EQ(again.ValueNames(kKey), (QStringList{"DisplayName", "UninstallString"}));
}

TEST_F(RegistryTest, RewritingAValueReplacesItAndNamesIgnoreCase)
{
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kKey, true));
    reg.WriteString("DisplayName", "Old");
    reg.WriteString("displayname", "Lumora");
    EXPECT_EQ(store.ValueNames(kKey), QStringList{"DisplayName"});
    EXPECT_EQ(store.ReadString(kKey, "DISPLAYNAME"), "Lumora");

    // Keys, too, are found whatever the case of the path.
    EXPECT_TRUE(store.KeyExists("software\\MICROSOFT\\windows\\currentversion\\uninstall\\lumora game"));
    ASSERT_TRUE(reg.OpenKey("Software\\Microsoft", true));
    EXPECT_EQ(store.SubKeys("").size(), 0) << "the root itself is no key";
    EXPECT_EQ(QDir(store.Folder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1)
        << "opening with another case created a second SOFTWARE";
}

TEST_F(RegistryTest, ValuesKeepEveryCharacter)
{
    const QString awkward = QString::fromUtf8("a=b%20 \"q\" \\ line\r\nnext\t\xc3\xa9\xe2\x98\xba end ");
    ASSERT_TRUE(store.WriteString(kKey, "Odd=Name/with\\parts", awkward));
    ASSERT_TRUE(store.WriteString(kKey, "", "default value"));
    EXPECT_EQ(store.ReadString(kKey, "Odd=Name/with\\parts"), awkward);
    EXPECT_EQ(store.ReadString(kKey, ""), "default value");
    EXPECT_FALSE(store.ReadString(kKey, "Missing").has_value());
}

TEST_F(RegistryTest, KeyNamesCannotLeaveTheStoreOrMeetTheValuesFile)
{
    ASSERT_TRUE(store.WriteString("SOFTWARE\\..\\..\\escape", "x", "1"));
    ASSERT_TRUE(store.WriteString("SOFTWARE\\a/b", "x", "2"));
    ASSERT_TRUE(store.WriteString("SOFTWARE\\values.ini", "x", "3"));
    ASSERT_TRUE(store.WriteString("SOFTWARE", "x", "4"));
    EXPECT_FALSE(QFile::exists(dir.path() + "/escape"));
    EXPECT_FALSE(QFile::exists(dir.path() + "/HKLM/escape"));
    EXPECT_EQ(store.ReadString("SOFTWARE\\values.ini", "x"), "3");
    EXPECT_EQ(store.ReadString("SOFTWARE", "x"), "4");
    EXPECT_EQ(store.ReadString("SOFTWARE\\a/b", "x"), "2");
    EXPECT_EQ(store.SubKeys("SOFTWARE").size(), 3);

    // Empty parts do not count; a path of nothing names no key.
    EXPECT_TRUE(store.KeyExists("\\SOFTWARE\\\\values.ini\\"));
    EXPECT_FALSE(store.CreateKey(""));
    EXPECT_FALSE(store.CreateKey("\\\\"));
    EXPECT_FALSE(store.CreateKey(QString("bad") + QChar(0) + "name"));
}

TEST_F(RegistryTest, DeletingAKeyTakesItsSubKeysAndLeavesItsParent)
{
    ASSERT_TRUE(store.WriteString(kKey, "DisplayName", "Lumora"));
    ASSERT_TRUE(store.WriteString(kKey + "\\Deeper\\Deepest", "v", "1"));
    ASSERT_TRUE(store.WriteString("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Other", "v", "2"));

    TRegistry reg;
    EXPECT_TRUE(reg.DeleteKey("software\\microsoft\\windows\\currentversion\\uninstall\\LUMORA GAME"));
    EXPECT_FALSE(store.KeyExists(kKey));
    EXPECT_FALSE(store.KeyExists(kKey + "\\Deeper"));
    EXPECT_EQ(store.ReadString("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Other", "v"), "2");
    EXPECT_FALSE(reg.DeleteKey(kKey)) << "a second delete finds nothing";
}

TEST_F(RegistryTest, LinksInTheStoreAreNeverFollowed)
{
    // A folder of the user's, with what must survive every case.
    const QString outside = dir.path() + "/users-folder";
    const QString uninstall = store.Folder() + "/SOFTWARE/Microsoft/Windows/CurrentVersion/Uninstall";
    const auto makeOutside = [&] {
        QDir().mkpath(outside + "/photos");
        QFile f(outside + "/photos/holiday.jpg");
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("precious");
    };
    const auto outsideIntact = [&] {
        QFile f(outside + "/photos/holiday.jpg");
        return f.open(QIODevice::ReadOnly) && f.readAll() == "precious"
            && QDir(outside).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden) == QStringList{"photos"};
    };
    struct Case {
        const char* what;
        QString link;    // made a link to the outside folder
        QString realKey; // a real key made first, or empty
        std::function<void()> act;
        bool linkGoes;
    };
    const Case cases[] = {
        {"the key itself is a link: deleting it removes the link", uninstall + "/Lumora Game",
         "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall",
         [&] {
             EXPECT_FALSE(store.KeyExists(kKey));
             EXPECT_TRUE(store.SubKeys("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall").isEmpty());
             EXPECT_TRUE(TRegistry().DeleteKey(kKey));
         },
         true},
        {"a sub-key is a link: it goes as a link with its key", uninstall + "/Lumora Game/Deeper", kKey,
         [&] { EXPECT_TRUE(TRegistry().DeleteKey(kKey)); }, true},
        {"a parent key is a link: nothing is created through it", uninstall, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
         [&] {
             TRegistry reg;
             EXPECT_FALSE(reg.OpenKey(kKey, true));
             EXPECT_THROW(reg.WriteString("DisplayName", "Lumora"), ERegistryException);
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QDir(store.Folder()).removeRecursively();
        makeOutside();
        ASSERT_TRUE(store.CreateKey(c.realKey));
        ASSERT_TRUE(QFile::link(outside, c.link));
        c.act();
        EXPECT_TRUE(outsideIntact());
        EXPECT_EQ(KindOf(c.link), c.linkGoes ? TFileKind::Missing : TFileKind::Link);
    }

    // A values file that is a link to a user's file is replaced, not
    // written through.
    QDir(store.Folder()).removeRecursively();
    ASSERT_TRUE(store.CreateKey(kKey));
    const QString usersFile = dir.path() + "/notes.txt";
    {
        QFile f(usersFile);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("my notes");
    }
    ASSERT_TRUE(QFile::link(usersFile, uninstall + "/Lumora Game/values.ini"));
    ASSERT_TRUE(store.WriteString(kKey, "DisplayName", "Lumora"));
    EXPECT_EQ(KindOf(uninstall + "/Lumora Game/values.ini"), TFileKind::File);
    QFile f(usersFile);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "my notes");
}

TEST_F(RegistryTest, AValueThatCannotBeStoredRaisesItsName)
{
    // A file where the key's folder should go: nothing can be created there.
    QDir().mkpath(store.Folder() + "/SOFTWARE/Microsoft/Windows/CurrentVersion");
    QFile blocker(store.Folder() + "/SOFTWARE/Microsoft/Windows/CurrentVersion/Uninstall");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    TRegistry reg;
    EXPECT_FALSE(reg.OpenKey(kKey, true));
    try {
        reg.WriteString("DisplayName", "Lumora");
        FAIL() << "no error";
    } catch (const ERegistryException& e) {
        EXPECT_STREQ(e.what(), "Failed to set data for 'DisplayName'");
    }
    EXPECT_TRUE(QFileInfo(blocker.fileName()).isFile()) << "the file in the way is left alone";

    // A values file that cannot be replaced (a folder of that name) fails
    // the same way, and the key stays as it was.
    ASSERT_TRUE(store.CreateKey("SOFTWARE\\Blocked"));
    QDir().mkpath(store.Folder() + "/SOFTWARE/Blocked/values.ini");
    ASSERT_TRUE(reg.OpenKey("SOFTWARE\\Blocked", false));
    EXPECT_THROW(reg.WriteString("UninstallString", "x"), ERegistryException);
}

TEST(RegistryDefault, LivesBelowTheUsersDataFolder)
{
    QTemporaryDir dir;
    const QByteArray old = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", dir.path().toLocal8Bit());
    EXPECT_EQ(DefaultRegistryFolder(), dir.path() + "/Pellamar/registry/HKEY_LOCAL_MACHINE");
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(kKey, true));
        reg.WriteString("DisplayName", "Lumora");
    }
    EXPECT_TRUE(QFile::exists(dir.path()
                              + "/Pellamar/registry/HKEY_LOCAL_MACHINE/SOFTWARE/Microsoft/Windows/"
                                "CurrentVersion/Uninstall/Lumora Game/values.ini"));
    qputenv("XDG_DATA_HOME", old);
}

} // namespace
