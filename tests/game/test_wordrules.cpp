// The rule of a potential word, its fast finder, the starred form, the
// colour of a list row and the letter draw.
#include "support_game.h"

#include "game/LetterPools.h"
#include "game/PotentialWordFinder.h"
#include "game/RandomSource.h"
#include "game/WordRules.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

using namespace game;
using gametest::MemoryRowStore;
using gametest::ScriptedRandom;

TEST(WordFitsLetters, LetterCountsAndTheCrossing)
{
    // Doubled letters need the letter on two buttons.
    EXPECT_FALSE(WordFitsLetters("SEES", "ESTARIONB"));
    EXPECT_TRUE(WordFitsLetters("TREE", "ESTARIONE"));
    EXPECT_FALSE(WordFitsLetters("TREE", "ESTARIONB"));
    EXPECT_FALSE(WordFitsLetters("EEEE", "ESTARIONE"));
    // Every letter must stand on the cross, the crossing letter included.
    EXPECT_FALSE(WordFitsLetters("TRIO", "ESTARIONE"));
    EXPECT_FALSE(WordFitsLetters("ZONE", "ESTARIONE"));
    EXPECT_TRUE(WordFitsLetters("STONE", "ESTARIONB"));
    // All nine letters, in any order.
    EXPECT_TRUE(WordFitsLetters("NOTARIESE", "ESTARIONE"));
    EXPECT_FALSE(WordFitsLetters("NOTARIESES", "ESTARIONE"));
}

TEST(WordFitsLetters, CrossingLetterMayComeFromAnotherButton)
{
    // E on the crossing and on the right end: one E or two both fit.
    EXPECT_TRUE(WordFitsLetters("NOTE", "ESTARIONE"));
    EXPECT_TRUE(WordFitsLetters("STEREO", "ESTARIONE"));
    // Every letter of STOOL stands on the cross, but the crossing E does not
    // occur in it.
    EXPECT_FALSE(WordFitsLetters("STOOL", "ESTOLIOSB"));
}

TEST(WordFitsLetters, StrangeWordsAsTheListMayHoldThem)
{
    EXPECT_FALSE(WordFitsLetters("", "ESTARIONE"));
    EXPECT_FALSE(WordFitsLetters("note", "ESTARIONE")); // case counts
    EXPECT_FALSE(WordFitsLetters("NOTE\r", "ESTARIONE"));
    // A blank takes a place an earlier letter has already blanked.
    EXPECT_TRUE(WordFitsLetters("NO TE", "ESTARIONE"));
    EXPECT_FALSE(WordFitsLetters(" NOTE", "ESTARIONE"));
    // Length is not checked: three letters fit too.
    EXPECT_TRUE(WordFitsLetters("TEA", "ESTARIONE"));
}

// The finder must agree with WordFitsLetters on every row, for strange rows
// as well as for words.
TEST(PotentialWordFinder, AgreesWithTheRuleOnRandomRowsAndLetters)
{
    std::mt19937 gen(7);
    const std::string alphabet = "AEEIOSTNRLDXZQ  a\t-";
    std::vector<std::string> rows;
    for (int i = 0; i < 4000; ++i) {
        const int len = std::uniform_int_distribution<int>(0, 12)(gen);
        std::string w;
        for (int k = 0; k < len; ++k) {
            // mostly letters, now and then one of the odd characters
            const int pick = std::uniform_int_distribution<int>(0, 99)(gen);
            w += pick < 90 ? static_cast<char>('A' + pick % 26)
                           : alphabet[static_cast<std::size_t>(pick) % alphabet.size()];
        }
        rows.push_back(w);
    }
    // Rows built from the letters themselves, so that many of them fit.
    ScriptedRandom random;
    std::vector<std::string> letterSets;
    for (int i = 0; i < 300; ++i)
        letterSets.push_back(DrawPuzzleLetters(random));
    for (int i = 0; i < 3000; ++i) {
        std::string w = letterSets[static_cast<std::size_t>(i) % letterSets.size()];
        std::shuffle(w.begin(), w.end(), gen);
        w.resize(static_cast<std::size_t>(std::uniform_int_distribution<int>(1, 9)(gen)));
        if (i % 5 == 0)
            w.insert(w.begin() + std::uniform_int_distribution<int>(0, static_cast<int>(w.size()))(gen), ' ');
        rows.push_back(w);
    }

    TPotentialWordFinder finder;
    finder.Rebuild(rows);
    int fitting = 0;
    std::vector<int> found;
    for (const std::string& letters : letterSets) {
        std::vector<int> expected;
        for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
            if (WordFitsLetters(rows[static_cast<std::size_t>(r)], letters))
                expected.push_back(r);
        }
        finder.Find(letters, found);
        ASSERT_EQ(found, expected) << "letters " << letters;
        fitting += static_cast<int>(expected.size());
    }
    EXPECT_GT(fitting, 1000); // the comparison was not only over empty results
}

TEST(PotentialWordFinder, SummarisesTheStoreAndRefusesNonLetters)
{
    MemoryRowStore store;
    store.rows = { "NOTE", "TRIO", "", "STONE", "SEES" };
    TPotentialWordFinder finder;
    EXPECT_FALSE(finder.Built());
    finder.Rebuild(store);
    EXPECT_TRUE(finder.Built());
    EXPECT_EQ(finder.RowCount(), 5);
    std::vector<int> rows;
    finder.Find("ESTARIONE", rows);
    EXPECT_EQ(rows, (std::vector<int> { 0, 3 }));
    EXPECT_THROW(finder.Find("EStarione", rows), std::invalid_argument);
}

TEST(StarredForm, OneStarPerCharacterUpToFifteen)
{
    EXPECT_EQ(StarredForm("NOTE"), "****");
    EXPECT_EQ(StarredForm("NOTARIESE"), "*********");
    EXPECT_EQ(StarredForm(""), "");
    EXPECT_EQ(StarredForm(std::string(20, 'A')), std::string(15, '*'));
}

TEST(GuessedWordsCellColor, BlackWhileStarredDarkBlueOnceRevealed)
{
    EXPECT_EQ(GuessedWordsCellColor("****"), 0x000000u);
    EXPECT_EQ(GuessedWordsCellColor("*"), 0x000000u);
    EXPECT_EQ(GuessedWordsCellColor("NOTE"), 0xAA0000u);
    EXPECT_EQ(GuessedWordsCellColor("N*TE"), 0xAA0000u);
    EXPECT_EQ(GuessedWordsCellColor(""), 0xAA0000u);
}

TEST(DrawPuzzleLetters, EachButtonDrawsFromItsOwnPoolInOrder)
{
    // Draw i picks entry i of the pool: the last entry of each pool.
    struct LastEntry : IRandomSource {
        std::vector<int> sizes;
        int Next(int n) override
        {
            sizes.push_back(n);
            return n - 1;
        }
    } last;
    EXPECT_EQ(DrawPuzzleLetters(last), "DZZEZZUDZ");
    EXPECT_EQ(last.sizes, (std::vector<int> { 13, 26, 26, 6, 26, 26, 5, 7, 26 }));

    // The real generator stays inside the pools and reaches every entry.
    TRandomSource random(99);
    std::array<std::set<char>, 9> seen;
    for (int i = 0; i < 3000; ++i) {
        const std::string letters = DrawPuzzleLetters(random);
        ASSERT_EQ(letters.size(), 9u);
        for (std::size_t b = 0; b < 9; ++b) {
            ASSERT_NE(kLetterPools[b].find(letters[b]), std::string_view::npos) << letters;
            seen[b].insert(letters[b]);
        }
    }
    for (std::size_t b = 0; b < 9; ++b)
        EXPECT_EQ(seen[b].size(), std::set<char>(kLetterPools[b].begin(), kLetterPools[b].end()).size());
}

TEST(RandomSource, SameSeedSameDrawsAndClockSeedsDiffer)
{
    TRandomSource a(5), b(5);
    std::vector<int> da, db;
    for (int i = 0; i < 50; ++i) {
        da.push_back(a.Next(26));
        db.push_back(b.Next(26));
    }
    EXPECT_EQ(da, db);
    EXPECT_EQ(a.Next(0), 0);

    TRandomSource c, d;
    c.Randomize();
    d.Seed(1);
    std::vector<int> dc, dd;
    for (int i = 0; i < 50; ++i) {
        dc.push_back(c.Next(1000000));
        dd.push_back(d.Next(1000000));
    }
    EXPECT_NE(dc, dd);
}
