// Word list files as real machines hand them over: huge, with a line of a
// million characters, NUL bytes, bytes above 0x7F, CR without LF, only blank
// lines, a folder in the file's place. Every one loads line for line as it
// stands (or fails with the input/output error) and New Puzzle then either
// makes a puzzle from the good words or tells the player it cannot.
#include "support_game.h"

#include "game/DataFiles.h"
#include "game/GameErrors.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace game;
using namespace gametest;

namespace {

std::string WordListPath(const GameRig& rig)
{
    return rig.temp.Path() + kWordListFileName;
}

// Loads text as the word list file and expects exactly these rows.
void ExpectLoadedRows(const std::string& text, const std::vector<std::string>& rows)
{
    GameRig rig;
    WriteFile(WordListPath(rig), text);
    rig.game.LoadWordList();
    EXPECT_EQ(rig.wordsGrid.rows, rows);
    EXPECT_EQ(rig.label1.caption, "Words: " + std::to_string(rows.size()));
}

// The forty words of kLetters, then the given lines: New Puzzle must still
// find exactly the forty among them.
void ExpectFortyWordPuzzleWith(const std::string& badLines)
{
    GameRig rig;
    WriteFile(WordListPath(rig), WordListText(FortyWordList()) + badLines);
    rig.game.LoadWordList();
    rig.random.QueueLetters(kLetters);
    EXPECT_EQ(rig.game.NewPuzzle(), TNewPuzzleResult::Made);
    EXPECT_EQ(rig.potentialWordsLabel.caption, "40");
    EXPECT_TRUE(rig.dialogs.informed.empty());
}

} // namespace

TEST(BadWordList, OddBytesAndLineEndsAreStoredExactlyAsTheyStand)
{
    using namespace std::string_literals;
    struct Case {
        const char* what;
        std::string text;
        std::vector<std::string> rows;
    };
    const std::vector<Case> cases = {
        {"NUL bytes inside and between words", "AB\0CD\r\n\0\r\nEARS\r\n"s, {"AB\0CD"s, "\0"s, "EARS"}},
        {"bytes above 0x7F", "R\xC9SUM\xC9\r\n\xFF\xFE\r\n\x80"s, {"R\xC9SUM\xC9", "\xFF\xFE", "\x80"}},
        {"CR without LF", "RATS\rSTAR\rTSAR"s, {"RATS", "STAR", "TSAR"}},
        {"CR CR LF", "RATS\r\r\nSTAR\r\n"s, {"RATS", "", "STAR"}},
        {"only blank lines", "\r\n\r\n\r\n"s, {"", "", ""}},
        {"a single CR", "\r"s, {""}},
        {"an empty file", ""s, {""}},
        {"a byte-order mark", "\xEF\xBB\xBFNOTE\r\n"s, {"\xEF\xBB\xBFNOTE"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ExpectLoadedRows(c.text, c.rows);
    }
}

TEST(BadWordList, BadLinesAmongGoodWordsNeverCountAndNeverStopAPuzzle)
{
    using namespace std::string_literals;
    ExpectFortyWordPuzzleWith("ST\0NE\r\n\xC9TOILE\r\nstone\r\nSTONE!\r\n\r\n"s);
    // A line of a million letters of the puzzle: too long to fit the cross.
    ExpectFortyWordPuzzleWith(std::string(1'000'000, 'E') + "\r\n" + std::string(999'999, 'S'));
}

TEST(BadWordList, AMillionCharacterLineIsKeptWhole)
{
    const std::string line = std::string(500'000, 'A') + '\x01' + std::string(499'999, 'Z');
    ExpectLoadedRows("NOTE\r\n" + line + "\r\nSTONE\r\n", {"NOTE", line, "STONE"});
}

TEST(BadWordList, AFiftyMegabyteFileLoadsEveryLineAndStillMakesPuzzles)
{
    // 50 MB: long lines of junk first, the forty good words at the end.
    const std::string junk = std::string(998, 'x') + "\r\n";
    const int junkLines = (50 * 1024 * 1024 + int(junk.size()) - 1) / int(junk.size());
    std::string text;
    text.reserve(std::size_t(junkLines) * junk.size() + 1024);
    for (int i = 0; i < junkLines; ++i)
        text += junk;
    text += WordListText(FortyWordList());
    ASSERT_GE(text.size(), 50u * 1024 * 1024);

    GameRig rig;
    WriteFile(WordListPath(rig), text);
    text.clear();
    rig.game.LoadWordList();
    const int rows = junkLines + int(FortyWordList().size());
    ASSERT_EQ(rig.wordsGrid.RowCount(), rows);
    EXPECT_EQ(rig.label1.caption, "Words: " + std::to_string(rows));
    EXPECT_EQ(rig.wordsGrid.rows.front(), junk.substr(0, 998));
    EXPECT_EQ(rig.wordsGrid.rows.back(), FortyWordList().back());

    rig.random.QueueLetters(kLetters);
    EXPECT_EQ(rig.game.NewPuzzle(), TNewPuzzleResult::Made);
    EXPECT_EQ(rig.potentialWordsLabel.caption, "40");
}

TEST(BadWordList, OnlyBlankLinesLoadButNewPuzzleTellsThePlayerAndGivesUp)
{
    GameRig rig;
    WriteFile(WordListPath(rig), "\r\n\r\n\r\n\r\n");
    rig.game.LoadWordList();
    EXPECT_EQ(rig.label1.caption, "Words: 4");
    EXPECT_EQ(rig.game.NewPuzzle(), TNewPuzzleResult::GaveUp);
    ASSERT_EQ(rig.dialogs.informed.size(), 1u);
    EXPECT_EQ(rig.dialogs.informed[0], TWordGame::kNoPuzzleMessage);
    EXPECT_FALSE(rig.game.GameActive());
}

TEST(BadWordList, AFolderInTheFilesPlaceIsAnInputOutputErrorAndChangesNothing)
{
    GameRig rig;
    rig.LoadWords(FortyWordList());
    std::filesystem::remove(WordListPath(rig));
    ASSERT_TRUE(std::filesystem::create_directory(WordListPath(rig)));
    try {
        rig.game.LoadWordList();
        ADD_FAILURE() << "a folder was read as a word list";
    } catch (const InOutError& e) {
        EXPECT_FALSE(std::string(e.what()).empty());
    }
    // The store and its label are as they were.
    EXPECT_EQ(rig.wordsGrid.rows, FortyWordList());
    // Extraction takes the folder for something that is there, not a file,
    // and reports that it cannot write the word list in its place.
    MemoryResources resources;
    resources.byName["biblewords"] = "NOTE\r\n";
    EXPECT_THROW(ExtractDataFiles(rig.temp.Path(), resources), FileCreateError);
    EXPECT_TRUE(std::filesystem::is_directory(WordListPath(rig)));
}
