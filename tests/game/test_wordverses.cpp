// The verse index: the lines it takes, the ones it leaves, and lookups.
#include "game/WordVerses.h"

#include <gtest/gtest.h>

using namespace game;

TEST(VerseIndex, TakesWellFormedLinesInAnyOrderAndFindsWordsExactly)
{
    const TVerseIndex index(std::string("WEPT\tJohn 11:35\tJesus wept.\n"
                                        "ABLE\t1 Samuel 3:4\tYahweh called \xE2\x80\x9CSamuel!\xE2\x80\x9D\r\n"
                                        "WEPT\tLuke 19:41\tA second verse of the same word.\n"
                                        "NOTABS here\n"
                                        "ONETAB\tJohn 1:1\n"
                                        "\tJohn 1:2\tNo word.\n"
                                        "EMPTY\t\tNo reference.\n"
                                        "TEXTLESS\tJohn 1:3\t\n"
                                        "\n"
                                        "ZEAL\tPsalm 69:9\tThe last line has no line end."));
    EXPECT_EQ(index.Size(), 3u);
    EXPECT_EQ(index.Find("WEPT"), (TWordVerse{"John 11:35", "Jesus wept."})) << "the first of a doubled word";
    EXPECT_EQ(index.Find("ABLE"), (TWordVerse{"1 Samuel 3:4", "Yahweh called \xE2\x80\x9CSamuel!\xE2\x80\x9D"}))
        << "a CR before the LF is no part of the text";
    EXPECT_EQ(index.Find("ZEAL"), (TWordVerse{"Psalm 69:9", "The last line has no line end."}));
    for (const char* none : {"wept", "WEP", "WEPTS", "", "ONETAB", "EMPTY", "TEXTLESS", "NOTABS here"})
        EXPECT_EQ(index.Find(none), std::nullopt) << none;
    EXPECT_EQ(TVerseIndex(std::string()).Find("WEPT"), std::nullopt) << "no verses at all";
}
