// The verse of each word: the verses the program carries against its word
// list, and the verse tip of the visible list in the real window.
#include "support_window.h"

#include "controls/grid/GridBase.h"
#include "game/WordVerses.h"
#include "window/VerseTip.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QRegularExpression>
#include <QResource>
#include <QSet>
#include <QStringList>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

QStringList ShippedWords()
{
    return QString::fromLatin1(ShippedResource("biblewords")).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

// Counts the tooltip requests Qt sends a widget when the pointer rests.
class TToolTipCounter : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::ToolTip)
            ++count;
        return false;
    }
};

} // namespace

TEST(ShippedVerses, EveryWordHasAVerseThatHoldsItAsAWholeWord)
{
    const QStringList words = ShippedWords();
    const game::TVerseIndex verses(ShippedResource("bibleverses").toStdString());
    EXPECT_EQ(verses.Size(), std::size_t(words.size())) << "one verse for every word, and no more";
    const QRegularExpression reference(QStringLiteral("^(?:[1-3] )?[A-Z][a-z]+(?: of [A-Z][a-z]+)? \\d+:\\d+$"));
    int checked = 0;
    for (const QString& word : words) {
        const std::optional<game::TWordVerse> verse = verses.Find(word.toStdString());
        ASSERT_TRUE(verse) << word.toStdString() << " has no verse";
        const QString text = QString::fromStdString(verse->text);
        EXPECT_TRUE(reference.match(QString::fromStdString(verse->reference)).hasMatch())
            << word.toStdString() << ": " << verse->reference;
        // Not inside a longer run of letters: "barber’s" holds BARBER,
        // "barbers" does not.
        const QRegularExpression whole(QStringLiteral("(?<![A-Za-z])%1(?![A-Za-z])").arg(word),
                                       QRegularExpression::CaseInsensitiveOption);
        EXPECT_TRUE(whole.match(text).hasMatch()) << word.toStdString() << " is not in " << verse->reference
                                                  << ": " << verse->text;
        ++checked;
    }
    EXPECT_EQ(checked, words.size());

    // Carried compressed, well under a megabyte.
    const QResource embedded(QStringLiteral(":/bibleverses.txt"));
    ASSERT_TRUE(embedded.isValid());
    EXPECT_NE(embedded.compressionAlgorithm(), QResource::NoCompression);
    EXPECT_LT(embedded.size(), 1'000'000);
}

TEST(WindowVerses, ARevealedWordShowsItsVerseWhenThePointerRestsOnItOrItIsClicked)
{
    // The player's own word list: the shipped words and each of them spelt
    // backwards, so that every puzzle also holds words that no verse has.
    const QStringList shipped = ShippedWords();
    const QSet<QString> shippedSet(shipped.begin(), shipped.end());
    QSet<QString> all = shippedSet;
    for (const QString& word : shipped) {
        QString backwards = word;
        std::reverse(backwards.begin(), backwards.end());
        all.insert(backwards);
    }
    QStringList list(all.begin(), all.end());
    list.sort();
    TWindowHarness h;
    h.WriteFile("biblewords.txt", (list.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
    TForm1& form = h.Start();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    h.Click("GenerateLettersButton");

    TCustomGrid& grid = h.Get<TCustomGrid>("GuessedWordsGrid");
    TListVerseTips* tips = form.VerseTips();
    ASSERT_NE(tips, nullptr);
    const QStringList answers = Column(h.Get<TCustomGrid>("PossibleWordsGrid"));
    // A shipped word of four letters: no shorter answer ends its typing.
    int found = -1;
    for (int r = int(answers.size()) - 1; r >= 0 && found < 0; --r)
        if (answers[r].size() == 4 && shippedSet.contains(answers[r]))
            found = r;
    ASSERT_GE(found, 0) << "the puzzle has no shipped word of four letters";
    int starred = found == 0 ? 1 : found - 1;
    TypeWord(h, answers[found]);
    ASSERT_EQ(grid.Cells(0, found), answers[found]);
    ASSERT_TRUE(grid.Cells(0, starred).startsWith(u'*'));
    const game::TVerseIndex verses(ShippedResource("bibleverses").toStdString());
    const std::optional<game::TWordVerse> expected = verses.Find(answers[found].toStdString());
    ASSERT_TRUE(expected);
    // A screen reader hears the verse as the found row's description, and
    // nothing of a starred row.
    QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(&grid);
    ASSERT_NE(heard, nullptr);
    ASSERT_GT(heard->childCount(), std::max(found, starred));
    EXPECT_EQ(heard->child(found)->text(QAccessible::Description).toStdString(),
              expected->reference + ": " + expected->text);
    EXPECT_EQ(heard->child(starred)->text(QAccessible::Description), QString());

    // The pointer rests on the found word: its verse shows.
    QWindow* window = form.windowHandle();
    const auto inWindow = [&](int row) { return grid.mapTo(&form, grid.CellRect(0, row).center()); };
    TToolTipCounter requests;
    grid.installEventFilter(&requests);
    // From elsewhere: Qt drops a move to where the pointer already is.
    QTest::mouseMove(window, QPoint(5, 200));
    QTest::mouseMove(window, inWindow(found));
    ASSERT_TRUE(QTest::qWaitFor([&] { return tips->Showing(); }, 5000)) << "no tip after resting on the word";
    EXPECT_EQ(tips->ShownRow(), found);
    EXPECT_EQ(tips->Tip()->Reference().toStdString(), expected->reference);
    EXPECT_EQ(tips->Tip()->Text().toStdString(), expected->text);

    // Onto a starred word: the tip goes, and resting there shows nothing.
    const int before = requests.count;
    QTest::mouseMove(window, inWindow(starred));
    EXPECT_FALSE(tips->Showing());
    ASSERT_TRUE(QTest::qWaitFor([&] { return requests.count > before; }, 5000)) << "Qt sent no tooltip request";
    EXPECT_FALSE(tips->Showing());

    // A click on the found word shows its verse at once; the row is
    // selected as before. A click on a starred word shows nothing.
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, inWindow(found));
    ASSERT_TRUE(tips->Showing());
    EXPECT_EQ(tips->Tip()->Reference().toStdString(), expected->reference);
    EXPECT_EQ(grid.Row(), found);
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, inWindow(starred));
    EXPECT_FALSE(tips->Showing());
    EXPECT_EQ(grid.Row(), starred);

    // After Quit every word shows; one that the Bible text does not hold
    // has no verse.
    h.Click("QuitButton");
    int unknown = -1;
    for (int r = 0; r < answers.size() && unknown < 0; ++r)
        if (!shippedSet.contains(answers[r]))
            unknown = r;
    ASSERT_GE(unknown, 0);
    grid.ScrollIntoView(0, unknown);
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, inWindow(unknown));
    EXPECT_EQ(grid.Row(), unknown);
    EXPECT_FALSE(tips->Showing()) << answers[unknown].toStdString() << " has no verse";
    EXPECT_EQ(form.ListRowVerse(unknown), std::nullopt);
    grid.removeEventFilter(&requests);
}
