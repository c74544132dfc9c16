// Writing the data files beside the program and reading the word list.
#include "support_game.h"

#include "game/DataFiles.h"
#include "game/GameErrors.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>

using namespace game;
using namespace gametest;

namespace {

MemoryResources ThreeResources()
{
    MemoryResources r;
    r.byName["BIBLEWORDS"] = WordListText({ "NOTE", "STONE" });
    r.byName["UsedWord"] = std::string("RIFF\0\0\0\0WAVEused", 16);
    r.byName["newword"] = std::string("RIFF\x01\x02\x00\xffWAVEnew\r\n\x1a", 18);
    return r;
}

std::string ExpectThrowMessage(const std::function<void()>& f)
{
    try {
        f();
    } catch (const GameError& e) {
        return e.what();
    }
    ADD_FAILURE() << "no error raised";
    return {};
}

} // namespace

TEST(ExtractDataFiles, WritesByteEqualCopiesIntoAnEmptyFolder)
{
    TempFolder folder;
    const MemoryResources resources = ThreeResources();
    ExtractDataFiles(folder.Path(), resources);
    EXPECT_EQ(ReadFile(folder.Path() + "biblewords.txt"), resources.byName.at("BIBLEWORDS"));
    EXPECT_EQ(ReadFile(folder.Path() + "usedword.wav"), resources.byName.at("UsedWord"));
    EXPECT_EQ(ReadFile(folder.Path() + "newword.wav"), resources.byName.at("newword"));
}

TEST(ExtractDataFiles, LeavesExistingFilesAloneAndRewritesOnlyTheMissingOne)
{
    TempFolder folder;
    const MemoryResources resources = ThreeResources();
    WriteFile(folder.Path() + "biblewords.txt", "MINE\r\n");
    ExtractDataFiles(folder.Path(), resources);
    EXPECT_EQ(ReadFile(folder.Path() + "biblewords.txt"), "MINE\r\n");

    // Change the sounds on disk, delete one: only that one comes back.
    WriteFile(folder.Path() + "newword.wav", "changed");
    std::filesystem::remove(folder.Path() + "usedword.wav");
    ExtractDataFiles(folder.Path(), resources);
    EXPECT_EQ(ReadFile(folder.Path() + "usedword.wav"), resources.byName.at("UsedWord"));
    EXPECT_EQ(ReadFile(folder.Path() + "newword.wav"), "changed");
    EXPECT_EQ(ReadFile(folder.Path() + "biblewords.txt"), "MINE\r\n");
}

TEST(ExtractDataFiles, MissingResourceStopsThereWithItsName)
{
    TempFolder folder;
    MemoryResources resources = ThreeResources();
    resources.byName.erase("UsedWord");
    const std::string message = ExpectThrowMessage([&] { ExtractDataFiles(folder.Path(), resources); });
    EXPECT_EQ(message, "Resource usedword not found");
    // The file before it was written; the failing one and the one after not.
    EXPECT_TRUE(DataFileExists(folder.Path() + "biblewords.txt"));
    EXPECT_FALSE(std::filesystem::exists(folder.Path() + "usedword.wav"));
    EXPECT_FALSE(std::filesystem::exists(folder.Path() + "newword.wav"));
}

TEST(ExtractDataFiles, UncreatableFileNamesTheFileAndTheReason)
{
    TempFolder folder;
    const std::string missing = folder.Path() + "no such folder/";
    const std::string message = ExpectThrowMessage([&] { ExtractDataFiles(missing, ThreeResources()); });
    EXPECT_EQ(message, "Cannot create file \"" + missing + "biblewords.txt\". No such file or directory");

    // A folder standing where the file should be is not taken for the file.
    std::filesystem::create_directory(folder.Path() + "biblewords.txt");
    EXPECT_FALSE(DataFileExists(folder.Path() + "biblewords.txt"));
    EXPECT_THROW(ExtractDataFiles(folder.Path(), ThreeResources()), FileCreateError);
}

TEST(ExtractDataFiles, AFullDiskLeavesNoTruncatedFile)
{
    // A name that leads to /dev/full: the open succeeds and every write
    // fails, as on a full disk.
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    TempFolder folder;
    const std::string path = folder.Path() + "usedword.wav";
    std::filesystem::create_symlink("/dev/full", path);
    try {
        WriteWholeFile(path, std::string(100000, 'x'));
        FAIL() << "the failed write was reported as success";
    } catch (const FileCreateError& e) {
        EXPECT_EQ(e.ErrorNumber(), ENOSPC);
        EXPECT_EQ(e.Path(), path);
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos);
    }
    // The half-written name is gone, so the next start writes it again.
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(path)));
    EXPECT_TRUE(std::filesystem::exists("/dev/full"));
}

TEST(SplitWordListLines, LinesAsTheyStand)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(SplitWordListLines(""), V { "" });
    EXPECT_EQ(SplitWordListLines("\r\n"), V { "" });
    EXPECT_EQ(SplitWordListLines("NOTE\r\nSTONE\r\n"), (V { "NOTE", "STONE" }));
    EXPECT_EQ(SplitWordListLines("NOTE\r\nSTONE"), (V { "NOTE", "STONE" }));
    EXPECT_EQ(SplitWordListLines("NOTE\r\n\r\nstone \r\n"), (V { "NOTE", "", "stone " }));
    EXPECT_EQ(SplitWordListLines("NOTE\r\n\r\n"), (V { "NOTE", "" }));
    // Files edited elsewhere: LF alone, or CR alone, also ends a line.
    EXPECT_EQ(SplitWordListLines("NOTE\nSTONE\n"), (V { "NOTE", "STONE" }));
    EXPECT_EQ(SplitWordListLines("NOTE\rSTONE"), (V { "NOTE", "STONE" }));
    EXPECT_EQ(SplitWordListLines(std::string("A\0B\r\n", 5)), V { std::string("A\0B", 3) });
}

TEST(ReadWordListLines, ErrorsAsThePlayerSeesThem)
{
    TempFolder folder;
    const std::string message = ExpectThrowMessage([&] { ReadWordListLines(folder.Path() + "biblewords.txt"); });
    EXPECT_EQ(message, "File not found");
    std::filesystem::create_directory(folder.Path() + "biblewords.txt");
    EXPECT_EQ(ExpectThrowMessage([&] { ReadWordListLines(folder.Path() + "biblewords.txt"); }),
        "File access denied");

    EXPECT_EQ(InOutErrorMessage(ENOENT), "File not found");
    EXPECT_EQ(InOutErrorMessage(EACCES), "File access denied");
    EXPECT_EQ(InOutErrorMessage(EIO), "I/O error " + std::to_string(EIO));
}

TEST(LoadWordList, FillsTheStoreAndLabelFromTheFileNotTheResource)
{
    GameRig rig;
    // Extraction first, as at start-up, but a file of other words is there.
    WriteFile(rig.game.AppFolder() + "biblewords.txt", "ZONE\r\nnote\r\n\r\nTOO LONG WORD\r\nZONE");
    rig.game.ExtractDataFiles(ThreeResources());
    rig.game.LoadWordList();
    EXPECT_EQ(rig.wordsGrid.rows, (std::vector<std::string> { "ZONE", "note", "", "TOO LONG WORD", "ZONE" }));
    EXPECT_EQ(rig.label1.caption, "Words: 5");
    EXPECT_EQ(ReadFile(rig.game.AppFolder() + "biblewords.txt"),
        "ZONE\r\nnote\r\n\r\nTOO LONG WORD\r\nZONE");
}

TEST(LoadWordList, EmptyFileIsOneEmptyEntry)
{
    GameRig rig;
    WriteFile(rig.game.AppFolder() + "biblewords.txt", "");
    rig.game.LoadWordList();
    EXPECT_EQ(rig.wordsGrid.rows, std::vector<std::string> { "" });
    EXPECT_EQ(rig.label1.caption, "Words: 1");
}

TEST(LoadWordList, UnreadableFileChangesNothing)
{
    GameRig rig;
    rig.LoadWords({ "NOTE", "STONE" });
    std::filesystem::remove(rig.game.AppFolder() + "biblewords.txt");
    EXPECT_THROW(rig.game.LoadWordList(), InOutError);
    EXPECT_EQ(rig.wordsGrid.rows, (std::vector<std::string> { "NOTE", "STONE" }));
    EXPECT_EQ(rig.label1.caption, "Words: 2");
}

TEST(LoadWordList, MoreLinesThanTheStoreHoldsIsRefusedWithTheCountsAndChangesNothing)
{
    GameRig rig;
    rig.LoadWords({ "NOTE", "STONE" });
    rig.wordsGrid.maxRows = 3;
    WriteFile(rig.game.AppFolder() + "biblewords.txt", "ZONE\r\nNOTE\r\nTONE\r\nNOTES");
    try {
        rig.game.LoadWordList();
        ADD_FAILURE() << "four lines loaded into a store of three";
    } catch (const TooManyWordsError& e) {
        EXPECT_STREQ(e.what(), "The word list has 4 lines, more than the 3 words the game can hold. No words were loaded.");
    }
    EXPECT_EQ(rig.wordsGrid.rows, (std::vector<std::string> { "NOTE", "STONE" }));
    EXPECT_EQ(rig.label1.caption, "Words: 2");

    // Exactly as many lines as it holds is fine.
    WriteFile(rig.game.AppFolder() + "biblewords.txt", "ZONE\r\nNOTE\r\nTONE");
    rig.game.LoadWordList();
    EXPECT_EQ(rig.label1.caption, "Words: 3");
}

// The shipped list, when it is there: the extracted copy loads with one row
// per word and makes a puzzle.
TEST(LoadWordList, ShippedListLoadsAndMakesPuzzles)
{
    const char* source = std::getenv("LUMORA_SOURCE_DIR");
    const std::string path = std::string(source ? source : "") + "/resources/biblewords.txt";
    if (!source || !std::filesystem::exists(path))
        GTEST_SKIP() << "shipped word list not found";
    const std::string bytes = ReadFile(path);

    GameRig rig;
    MemoryResources resources = ThreeResources();
    resources.byName["BIBLEWORDS"] = bytes;
    rig.game.ExtractDataFiles(resources);
    rig.game.LoadWordList();
    EXPECT_EQ(ReadFile(rig.game.AppFolder() + "biblewords.txt"), bytes);
    std::size_t lines = 0;
    for (std::size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2))
        ++lines;
    EXPECT_EQ(static_cast<std::size_t>(rig.wordsGrid.RowCount()), lines);
    EXPECT_EQ(rig.label1.caption, "Words: " + std::to_string(lines));
    for (int i = 0; i < 20; ++i) {
        rig.game.Quit();
        ASSERT_EQ(rig.game.NewPuzzle(), TNewPuzzleResult::Made);
        EXPECT_GE(rig.possibleWordsGrid.RowCount(), 35);
    }
}
