// The game window's accessible tree, in process: what a screen reader reads
// of a real puzzle, and that the answers it has not been given are nowhere
// in it, before and after a word is played through the buttons' actions.
#include "controls/glowbutton/GlowButton.h"
#include "controls/grid/GridBase.h"
#include "controls/smoothlabel/SmoothLabel.h"
#include "support_window.h"
#include "tests/support/RecordingAccessibility.h"

#include <QAccessible>
#include <QSet>
#include <gtest/gtest.h>

namespace {

void Collect(QAccessibleInterface* iface, QList<QAccessibleInterface*>& all)
{
    if (!iface)
        return;
    all.append(iface);
    for (int i = 0; i < iface->childCount(); ++i)
        Collect(iface->child(i), all);
}

QSet<QString> NamesInTree(TForm1& form)
{
    QList<QAccessibleInterface*> all;
    Collect(QAccessible::queryAccessibleInterface(&form), all);
    QSet<QString> names;
    for (QAccessibleInterface* iface : all)
        names.insert(iface->text(QAccessible::Name));
    return names;
}

void Press(QObject* control)
{
    QAccessible::queryAccessibleInterface(control)->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
}

QString Name(QObject* control)
{
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
}

} // namespace

TEST(WindowAccessibility, ReadsThePuzzleButNeverAnUnfoundWord)
{
    TWindowHarness h;
    TForm1& form = h.Start();
    TRecordingAccessibility heard;
    Press(&h.Get<TCustomGlowButton>("GenerateLettersButton"));

    // The answers and the letters, from the hidden controls the tree leaves out.
    auto& answers = h.Get<TCustomGrid>("PossibleWordsGrid");
    QStringList words;
    for (int r = 0; r < answers.RowCount(); ++r)
        words << answers.Cells(0, r);
    ASSERT_GE(words.size(), 35);
    QList<TCustomGlowButton*> buttons;
    for (int n = 1; n <= 9; ++n)
        buttons << &h.Get<TCustomGlowButton>(QStringLiteral("CrossButton%1").arg(n).toLatin1().constData());

    QSet<QString> names = NamesInTree(form);
    for (const QString& word : words)
        EXPECT_FALSE(names.contains(word)) << word.toStdString() << " is named before it was found";
    for (const char* shown : {"Close", "Minimize", "Play Sounds", "New Puzzle", "Potential Words"})
        EXPECT_TRUE(names.contains(QString::fromLatin1(shown))) << shown;
    EXPECT_EQ(QAccessible::queryAccessibleInterface(buttons[0])->text(QAccessible::Description), u"center letter"_qs);
    for (TCustomGlowButton* b : buttons)
        EXPECT_EQ(Name(b), b->Caption());
    auto& list = h.Get<TCustomGrid>("GuessedWordsGrid");
    QAccessibleInterface* listIface = QAccessible::queryAccessibleInterface(&list);
    ASSERT_EQ(listIface->childCount(), words.size());
    for (int r = 0; r < words.size(); ++r)
        EXPECT_EQ(listIface->child(r)->text(QAccessible::Name),
                  QStringLiteral("hidden word, %1 letters").arg(words[r].size()));

    // A word none of whose beginnings is an answer, entered with the
    // press actions of the first up button of each letter.
    QString word;
    for (const QString& w : words) {
        bool plain = true;
        for (qsizetype k = 1; k < w.size(); ++k)
            plain = plain && !words.contains(w.left(k));
        if (plain && (word.isEmpty() || w.size() < word.size()))
            word = w;
    }
    ASSERT_FALSE(word.isEmpty());
    for (const QChar ch : word) {
        TCustomGlowButton* up = nullptr;
        for (TCustomGlowButton* b : buttons)
            if (!up && !b->Down() && b->Caption() == QString(ch))
                up = b;
        ASSERT_TRUE(up) << "no up button shows " << QString(ch).toStdString();
        Press(up);
    }
    auto& score = h.Get<TSmoothLabel>("ScoreLabel");
    EXPECT_EQ(Name(&score), QString::number(word.size()));
    EXPECT_EQ(heard.About(&score, QAccessible::NameChanged).back().name, QString::number(word.size()));
    const int row = int(words.indexOf(word));
    EXPECT_EQ(listIface->child(row)->text(QAccessible::Name), word);
    EXPECT_EQ(heard.About(&list, QAccessible::NameChanged, list.CellChildIndex(0, row)).back().name, word);

    names = NamesInTree(form);
    for (const QString& w : words)
        EXPECT_EQ(names.contains(w), w == word) << w.toStdString();
    for (const auto& event : heard.heard)
        EXPECT_TRUE(event.name == word || !words.contains(event.name)) << event.name.toStdString() << " was announced";
}
