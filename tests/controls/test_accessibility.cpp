// The controls as a screen reader meets them, in process: the accessible
// interfaces' roles, names, states and actions, the announcements of their
// changes, and that a control kept off its parent (the window's data) is
// neither in the tree nor heard.
#include "FormKit.h"
#include "controls/accessibility/AccessibleInterfaces.h"
#include "controls/checkbox/OfficeCheckBox.h"
#include "controls/core/Form.h"
#include "controls/glowbutton/GlowButton.h"
#include "controls/grid/StringGrid.h"
#include "controls/grid/StyledStringGrid.h"
#include "controls/panel/StyledPanel.h"
#include "controls/plain/Label.h"
#include "controls/plain/Panel.h"
#include "controls/selector/OfficeSelector.h"
#include "controls/smoothlabel/SmoothLabel.h"
#include "tests/support/RecordingAccessibility.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A shown form to put controls on, with the interfaces installed.
struct TStage {
    TStage()
    {
        InstallAccessibleInterfaces();
        form.SetBounds(0, 0, 400, 300);
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    static QAccessibleInterface* Of(QObject* o) { return QAccessible::queryAccessibleInterface(o); }
    TForm form;
};

TGlowButton* LetterButton(TForm& form, const QString& letter)
{
    auto* b = Place<TGlowButton>(form, 10, 10, 48, 48);
    b->SetGroupIndex(3);
    b->SetAllowAllUp(true);
    b->SetCaption(letter);
    return b;
}

void Act(QAccessibleInterface* iface, const QString& action)
{
    ASSERT_TRUE(iface->actionInterface());
    ASSERT_TRUE(iface->actionInterface()->actionNames().contains(action));
    iface->actionInterface()->doAction(action);
    QCoreApplication::processEvents(); // the action runs as a queued call
}

} // namespace

TEST(AccessibleControls, RolesNamesAndStates)
{
    TStage s;
    struct Row {
        const char* what;
        std::function<QWidget*(TForm&)> make;
        QAccessible::Role role;
        QString name;
        std::function<bool(QAccessible::State)> state;
    };
    const Row rows[] = {
        {"action button by its caption, accelerator taken out",
         [](TForm& f) { auto* b = new TGlowButton(&f, &f); b->SetCaption(u"&New Puzzle"_qs); return b; },
         QAccessible::Button, u"New Puzzle"_qs, [](QAccessible::State st) { return !st.checkable; }},
        {"picture button by the design's name",
         [](TForm& f) { auto* b = new TGlowButton(&f, &f); b->SetAccessibleName(u"Close"_qs); return b; },
         QAccessible::Button, u"Close"_qs, [](QAccessible::State st) { return !st.checkable; }},
        {"letter button down: a checked toggle",
         [](TForm& f) { auto* b = LetterButton(f, u"E"_qs); b->SetDown(true); return b; },
         QAccessible::Button, u"E"_qs, [](QAccessible::State st) { return st.checkable && st.checked; }},
        {"letter button up",
         [](TForm& f) { return LetterButton(f, u"Q"_qs); },
         QAccessible::Button, u"Q"_qs, [](QAccessible::State st) { return st.checkable && !st.checked; }},
        {"check box by the words of its marked-up caption",
         [](TForm& f) { auto* c = new TOfficeCheckBox(&f, &f); c->SetCaption(u"Play <B>Sounds</B>&amp;more"_qs);
                        c->SetChecked(true); return c; },
         QAccessible::CheckBox, u"Play Sounds&more"_qs, [](QAccessible::State st) { return st.checkable && st.checked; }},
        {"grayed check box is mixed",
         [](TForm& f) { auto* c = new TOfficeCheckBox(&f, &f); c->SetState(TCustomOfficeCheckBox::cbGrayed); return c; },
         QAccessible::CheckBox, u""_qs, [](QAccessible::State st) { return st.checkStateMixed && !st.checked; }},
        {"selector by the item shown",
         [](TForm& f) { auto* c = new TOfficeSelector(&f, &f); c->SetItems({u"Luna"_qs, u"Moonlight"_qs, u"Obsidian"_qs});
                        c->SetItemIndex(2); return c; },
         QAccessible::ComboBox, u"Obsidian"_qs, [](QAccessible::State st) { return st.collapsed && st.expandable; }},
        {"smooth label by its caption",
         [](TForm& f) { auto* l = new TSmoothLabel(&f, &f); l->Caption()->SetText(u"12"_qs); return l; },
         QAccessible::StaticText, u"12"_qs, [](QAccessible::State) { return true; }},
        {"plain label by its caption",
         [](TForm& f) { auto* l = new TLabel(&f, &f); l->SetCaption(u"Words: 0"_qs); return l; },
         QAccessible::StaticText, u"Words: 0"_qs, [](QAccessible::State) { return true; }},
        {"styled panel by its caption bar's words",
         [](TForm& f) { auto* p = new TStyledPanel(&f, &f); p->Caption()->SetVisible(true);
                        p->Caption()->SetText(u"<FONT face=\"Arial\">Lumora 1.1</FONT> - hello"_qs); return p; },
         QAccessible::Pane, u"Lumora 1.1 - hello"_qs, [](QAccessible::State) { return true; }},
        {"one-column grid is a list",
         [](TForm& f) { auto* g = new TStyledStringGrid(&f, &f); g->SetColCount(1); return g; },
         QAccessible::List, u""_qs, [](QAccessible::State) { return true; }},
    };
    for (const Row& row : rows) {
        QWidget* w = row.make(s.form);
        w->setGeometry(10, 10, 100, 40);
        QAccessibleInterface* iface = TStage::Of(w);
        ASSERT_TRUE(iface) << row.what;
        EXPECT_EQ(iface->role(), row.role) << row.what;
        EXPECT_EQ(iface->text(QAccessible::Name), row.name) << row.what;
        EXPECT_TRUE(row.state(iface->state())) << row.what;
        EXPECT_FALSE(iface->state().invisible) << row.what;
        EXPECT_GE(TStage::Of(&s.form)->indexOfChild(iface), 0) << row.what;
        delete w;
    }
}

TEST(AccessibleControls, ActionsDoWhatAClickDoes)
{
    TStage s;
    TGlowButton* letter = LetterButton(s.form, u"A"_qs);
    std::vector<bool> downInClick;
    letter->OnClick = [&](QObject*) { downInClick.push_back(letter->Down()); };
    Act(TStage::Of(letter), QAccessibleActionInterface::pressAction());
    Act(TStage::Of(letter), QAccessibleActionInterface::pressAction());
    EXPECT_EQ(downInClick, (std::vector<bool>{true, false})); // Down flips before the handler, as for a click

    auto* box = new TOfficeCheckBox(&s.form, &s.form);
    int clicks = 0;
    box->OnClick = [&](QObject*) { ++clicks; };
    Act(TStage::Of(box), QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(clicks, 1);

    letter->SetEnabled(false);
    EXPECT_FALSE(TStage::Of(letter)->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
    TStage::Of(letter)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    EXPECT_EQ(downInClick.size(), 2u); // a disabled button is not pressed
}

TEST(AccessibleControls, ChangesAreAnnounced)
{
    TStage s;
    TRecordingAccessibility heard;
    TGlowButton* letter = LetterButton(s.form, u"A"_qs);
    auto* box = new TOfficeCheckBox(&s.form, &s.form);
    auto* score = new TSmoothLabel(&s.form, &s.form);
    auto* selector = new TOfficeSelector(&s.form, &s.form);
    selector->SetItems({u"Luna"_qs, u"Blue"_qs});
    auto* grid = new TStyledStringGrid(&s.form, &s.form);
    grid->SetBounds(200, 10, 160, 100);
    grid->SetColCount(1);
    grid->SetRowCount(3);
    heard.heard.clear();

    letter->SetCaption(u"Z"_qs);
    letter->SetDown(true);
    box->SetChecked(true);
    score->Caption()->SetText(u"9"_qs);
    selector->SetItemIndex(1);
    grid->SetCells(0, 2, u"LIGHT"_qs);

    ASSERT_EQ(heard.About(letter, QAccessible::NameChanged).size(), 1u);
    EXPECT_EQ(heard.About(letter, QAccessible::NameChanged)[0].name, u"Z"_qs);
    ASSERT_EQ(heard.About(letter, QAccessible::StateChanged).size(), 1u);
    EXPECT_TRUE(heard.About(letter, QAccessible::StateChanged)[0].changed.checked);
    ASSERT_EQ(heard.About(box, QAccessible::StateChanged).size(), 1u);
    EXPECT_TRUE(heard.About(box, QAccessible::StateChanged)[0].changed.checked);
    ASSERT_EQ(heard.About(score, QAccessible::NameChanged).size(), 1u);
    EXPECT_EQ(heard.About(score, QAccessible::NameChanged)[0].name, u"9"_qs);
    EXPECT_EQ(heard.About(selector, QAccessible::ValueChanged).size(), 1u);
    ASSERT_EQ(heard.About(grid, QAccessible::NameChanged, 2).size(), 1u);
    EXPECT_EQ(heard.About(grid, QAccessible::NameChanged, 2)[0].name, u"LIGHT"_qs);

    // The same values again announce nothing more.
    const std::size_t before = heard.heard.size();
    letter->SetCaption(u"Z"_qs);
    letter->SetDown(true);
    score->Caption()->SetText(u"9"_qs);
    grid->SetCells(0, 2, u"LIGHT"_qs);
    EXPECT_EQ(heard.heard.size(), before);
}

TEST(AccessibleControls, DataOffTheParentIsNeitherInTheTreeNorHeard)
{
    TStage s;
    TRecordingAccessibility heard;
    auto* panel = new TPanel(&s.form, &s.form); // the window's hidden data panel
    panel->SetBounds(-250, 0, 220, 200);
    auto* answers = new TStringGrid(&s.form, panel);
    answers->SetBounds(10, 24, 180, 160);
    answers->SetColCount(1);
    answers->SetRowCount(2);
    auto* visible = new TLabel(&s.form, &s.form);
    visible->SetBounds(10, 10, 50, 13);
    heard.heard.clear();
    answers->SetCells(0, 1, u"SECRET"_qs);

    QAccessibleInterface* formIface = TStage::Of(&s.form);
    EXPECT_EQ(formIface->indexOfChild(TStage::Of(panel)), -1);
    EXPECT_GE(formIface->indexOfChild(TStage::Of(visible)), 0);
    EXPECT_TRUE(TStage::Of(panel)->state().invisible);
    EXPECT_EQ(TStage::Of(answers)->childCount(), 0);
    EXPECT_EQ(TStage::Of(answers)->tableInterface()->rowCount(), 0);
    for (const auto& h : heard.heard)
        EXPECT_NE(h.name, u"SECRET"_qs);
    EXPECT_TRUE(heard.heard.empty());

    // An overlay moved onto the window comes into the tree, and says so.
    panel->SetLeft(0);
    EXPECT_GE(formIface->indexOfChild(TStage::Of(panel)), 0);
    EXPECT_EQ(heard.About(panel, QAccessible::ObjectShow).size(), 1u);
    EXPECT_EQ(TStage::Of(answers)->child(1)->text(QAccessible::Name), u"SECRET"_qs);
    panel->SetLeft(-1000);
    EXPECT_EQ(heard.About(panel, QAccessible::ObjectHide).size(), 1u);
    EXPECT_EQ(formIface->indexOfChild(TStage::Of(panel)), -1);
}
