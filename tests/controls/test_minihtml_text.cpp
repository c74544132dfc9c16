// The string side of the renderer: entities, markers, attribute texts and
// values, numbers, sizes and colours.
#include "controls/minihtml/MiniHtmlText.h"

#include <gtest/gtest.h>

// Readable QString values in failure messages.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

using namespace minihtml;

namespace {

TEST(MiniHtmlPrepare, EntitiesMarkersAndLineEnds)
{
    struct { QString in, out; } cases[] = {
        {"a&amp;b", "a&&b"},
        {"a&AMP;b", "a&&b"},                                   // any case
        {"&quot;x&quot;", "\"x\""},                            // every occurrence, over sweeps
        {"&sect;&permil;&reg;&copy;&para;&trade;&euro;", QString::fromUtf16(u"\u00A7\u2030\u00AE\u00A9\u00B6\u2122\u20AC")},
        {"&amp;quot;", "&\""},                                 // "&&quot;" gives rise to "&quot;"
        {"&amp;amp;", "&&&"},                                  // and "&&amp;" to another "&amp;"
        {"&AmP;amp;amp;Quot;x", "&&&\"x"},                     // as far as the chain goes
        {"&&amp;&amp;", "&&&&&"},
        {"&amp;nbsp;&amp;foo;", "&&nbsp;&&foo;"},             // those stay for the runs, or stay
        {"&amp", "&amp"},
        {"x&", "x&"},
        {"&foo; &", "&foo; &"},                                // unknown entities stay
        {"&nbsp;&lt;&gt;", "&nbsp;&lt;&gt;"},                  // replaced later, inside runs
        {"call <#name> now", "call #name now"},
        {"<#a> <#b>", "#a <#b>"},                              // only the first marker
        {"<#open", "#open"},
        {"a\r\nb", "a<BR>b"},
        {"a\nb", "ab"},
        {"\r\r", "<BR><BR>"},
        {"", ""},
    };
    for (const auto& t : cases)
        EXPECT_EQ(PrepareText(t.in), t.out) << t.in.toStdString();
}

TEST(MiniHtmlPrepare, RunEntitiesAnyCase)
{
    EXPECT_EQ(ReplaceRunEntities(u"a&nbsp;b"), "a b");
    EXPECT_EQ(ReplaceRunEntities(u"&LT;B&Gt;"), "<B>");
    EXPECT_EQ(ReplaceRunEntities(u"&amp"), "&amp");
}

TEST(MiniHtmlPrepare, LongEntityTextsFinish)
{
    QString s;
    for (int i = 0; i < 4000; ++i)
        s += QStringLiteral("&amp;");
    EXPECT_EQ(PrepareText(s).size(), 8000);
}

TEST(MiniHtmlAttributes, CharacterRangesOfTheAttributeText)
{
    // FONT: 6 .. p-1; BODY: 6 .. p+4; the others 3 .. p+1 (1-based).
    const QString tag = QStringLiteral("<FONT FACE=\"X\">abcdefg");
    EXPECT_EQ(AttributeText(tag, 5, -1).toString(), " FACE=\"X\"");
    EXPECT_EQ(AttributeText(tag, 5, 4).toString(), " FACE=\"X\">abcd");
    EXPECT_EQ(AttributeText(tag, 2, 1).toString(), "ONT FACE=\"X\">a");
    EXPECT_EQ(AttributeText(u"<P>", 2, 1).toString(), ">");          // cut at the end of the text
    EXPECT_EQ(AttributeText(u"<BODY>", 5, 4).toString(), ">");
    EXPECT_TRUE(AttributeText(u"<A HREF=\"x\"", 2, 1).isEmpty()); // no ">"
    EXPECT_TRUE(AttributeText(u"<F>", 5, -1).isEmpty());
}

TEST(MiniHtmlAttributes, ValuesBetweenTheFirstTwoQuotesAfterTheName)
{
    struct { QString attrs, name, value; } cases[] = {
        {" FACE=\"ARIAL\" SIZE=\"3\"", "FACE", "ARIAL"},
        {" FACE=ARIAL SIZE=\"3\"", "FACE", "3"},              // unquoted: the next quoted value
        {" FACE=ARIAL", "FACE", ""},
        {" COLOR=\"#FF0000\"", " COLOR", "#FF0000"},
        {" BGCOLOR=\"#FF0000\"", " COLOR", ""},              // the blank keeps BGCOLOR out
        {" BGCOLORTO=\"A\" BGCOLOR=\"B\"", "BGCOLOR", "A"},    // first occurrence counts
        {" ALT=\"\"", "ALT", ""},
    };
    for (const auto& t : cases)
        EXPECT_EQ(AttributeValue(t.attrs, t.name), t.value) << t.attrs.toStdString();
    // SRC keeps its case: the value is cut from the text as written.
    const QString written = QStringLiteral(" src=\"Logo.png\"");
    EXPECT_EQ(AttributeValue(written.toUpper(), written, u"SRC"), "Logo.png");
    EXPECT_EQ(QuotedAfter(u"HREF=\"go\" X=\"y\"", 0), "go");
}

TEST(MiniHtmlNumbers, LooseReading)
{
    struct { QString in; int want; } cases[] = {
        {"12", 12}, {"  -7", -7}, {"+5", 5}, {"$1F", 31}, {"x1f", 31}, {"X10", 16}, {"0x10", 16},
        {"0X1g", 1}, {"12ab", 12}, {"ab", 0}, {"", 0}, {"-", 0}, {" 3 4", 3}, {"-$10", -16},
        {"99999999999999", kNumberLimit}, {"-99999999999999", -kNumberLimit},
    };
    for (const auto& t : cases)
        EXPECT_EQ(ReadNumber(t.in), t.want) << t.in.toStdString();
}

TEST(MiniHtmlNumbers, CleanReadingRefusesStrayCharacters)
{
    EXPECT_EQ(ReadCleanNumber(u"20"), 20);
    EXPECT_EQ(ReadCleanNumber(u"$A"), 10);
    EXPECT_EQ(ReadCleanNumber(u"20px"), std::nullopt);
    EXPECT_EQ(ReadCleanNumber(u""), std::nullopt);
    EXPECT_EQ(ReadCleanNumber(u"-"), std::nullopt);
}

TEST(MiniHtmlNumbers, FontSizeValues)
{
    struct { QString attrs; int read; } cases[] = {
        {" SIZE=\"3\"", 3}, {" SIZE=3", 3}, {" SIZE = \"5\"", 5}, {" SIZE=7", 7},
        {" SIZE=3 FACE=\"ARIAL\"", 0}, // unquoted, then another quoted attribute: its value
        {" FACE=\"X\"", 0}, {" SIZE", 0},
    };
    for (const auto& t : cases)
        EXPECT_EQ(ReadSizeValue(t.attrs), t.read) << t.attrs.toStdString();
    const int points[][2] = {{1, 8}, {2, 10}, {3, 12}, {4, 14}, {5, 16}, {0, 0}, {7, 7}, {-2, -2}, {36, 36},
        {5000, kMaxFontPoints}};
    for (const auto& p : points)
        EXPECT_EQ(FontSizePoints(p[0]), p[1]) << p[0];
}

TEST(MiniHtmlColours, HexPairsNamesAndDefaults)
{
    struct { QString value; TColor want; } cases[] = {
        {"#FF0000", 0x0000FF}, {"#00FF00", 0x00FF00}, {"#0000FF", 0xFF0000}, {"#123456", 0x563412},
        {"#FF", 0x0000FF},      // cut short: the missing pairs count 0
        {"#FF0", 0x0000FF},
        {"#", 0x000000},
        {"CLRED", clRed}, {"clRed", clRed}, {"clnavy", 0x800000}, {"CLBTNFACE", SystemColor(15)},
        {"clinfobk", SystemColor(24)}, {"cl3ddkshadow", SystemColor(21)},
        {"red", clBlack}, {"clNone", clBlack}, {"clMoneyGreen", clBlack}, {"", clBlack},
    };
    for (const auto& t : cases)
        EXPECT_EQ(ColorValue(t.value), t.want) << t.value.toStdString();
}

} // namespace
