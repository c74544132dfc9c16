// Writing the data files beside the program and reading the word list.
#include "support_game.h"

#include "game/DataFiles.h"
#include "game/GameErrors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

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
    EXPECT_EQ(message, "Cannot create file \"" + missing + "biblewords.txt\". No such file or folder");

    // A folder standing where the file should be is not taken for the file.
    std::filesystem::create_directory(folder.Path() + "biblewords.txt");
    EXPECT_FALSE(DataFileExists(folder.Path() + "biblewords.txt"));
    EXPECT_THROW(ExtractDataFiles(folder.Path(), ThreeResources()), FileCreateError);
}

TEST(ExtractDataFiles, AKilledOrCutWriteLeavesNoTruncatedFileAndTheNextStartWritesItWhole)
{
    TempFolder folder;
    MemoryResources resources = ThreeResources();
    std::string words;
    for (int i = 0; i < 10000; ++i)
        words += "WORD" + std::string(1, char('A' + i % 26)) + "\r\n";
    resources.byName["BIBLEWORDS"] = words;
    const std::string list = folder.Path() + "biblewords.txt";

    // A start killed in the middle of the word list: a child whose files
    // may not grow beyond 4 KB dies of SIGXFSZ there, as by kill -9.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        rlimit limit {4096, 4096};
        std::signal(SIGXFSZ, SIG_DFL);
        setrlimit(RLIMIT_FSIZE, &limit);
        try {
            ExtractDataFiles(folder.Path(), resources);
        } catch (...) {
        }
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << "the child was not cut off mid-write";
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(list))) << "a truncated word list stands";

    // The same cut with the signal ignored: the write fails with its reason.
    {
        rlimit old {};
        getrlimit(RLIMIT_FSIZE, &old);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old;
        limit.rlim_cur = 4096;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
        const std::string message = ExpectThrowMessage([&] { ExtractDataFiles(folder.Path(), resources); });
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
        EXPECT_EQ(message, "Cannot create file \"" + list + "\". The file is too large");
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(list)));
    }

    // The next start cleans up what the killed one left and writes it all.
    ExtractDataFiles(folder.Path(), resources);
    EXPECT_EQ(ReadFile(list), words);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string> {"biblewords.txt", "newword.wav", "usedword.wav"}));
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

TEST(ReadWordListLines, WhatIsNoRegularFileIsRefusedAtOnceWithItsNameAndReason)
{
    TempFolder folder;
    const std::string base = folder.Path();
    ASSERT_EQ(mkfifo((base + "fifo").c_str(), 0644), 0);
    std::filesystem::create_symlink("/dev/zero", base + "zero");
    std::filesystem::create_directory(base + "folder");
    struct Case {
        const char* name;
        const char* reason;
    };
    const Case cases[] = {
        {"fifo", "It is a pipe, not a file"},   // a read would wait for a writer forever
        {"zero", "It is a device, not a file"}, // a read would never reach an end
        {"folder", "It is a folder, not a file"},
        {"missing", "No such file or folder"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = base + c.name;
        // A read that hangs on the pipe is let go by a writer after a while,
        // so that the test fails instead of hanging.
        std::atomic<bool> done {false};
        std::thread watchdog([&] {
            for (int i = 0; i < 100 && !done; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            if (!done) {
                const int fd = open(path.c_str(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0)
                    close(fd);
            }
        });
        const std::string message = ExpectThrowMessage([&] { ReadWordListLines(path); });
        done = true;
        watchdog.join();
        EXPECT_EQ(message, "Cannot read file \"" + path + "\". " + c.reason);
    }
}

TEST(ReadWordListLines, TheLimitsHoldWhileReading)
{
    // A terabyte that is mostly a hole: read whole first, it would take
    // hours and all memory; the limits stop the read within moments.
    TempFolder folder;
    const std::string path = folder.Path() + "biblewords.txt";
    WriteFile(path, "NOTE\r\nSTONE\r\nTONE\r\nNOTES\r\n");
    std::error_code ec;
    std::filesystem::resize_file(path, std::uintmax_t(1) << 40, ec);
    if (ec)
        GTEST_SKIP() << "no sparse file of a terabyte here: " << ec.message();
    EXPECT_EQ(ExpectThrowMessage([&] { ReadWordListLines(path, 3); }),
        "The word list \"" + path + "\" has more lines than the 3 words the game can hold. No words were loaded.");
    EXPECT_EQ(ExpectThrowMessage([&] { ReadWordListLines(path); }),
        "The word list \"" + path + "\" is larger than the 64 MB the game reads. No words were loaded.");
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
        EXPECT_EQ(std::string(e.what()), "The word list \"" + rig.game.AppFolder()
                + "biblewords.txt\" has more lines than the 3 words the game can hold. No words were loaded.");
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
