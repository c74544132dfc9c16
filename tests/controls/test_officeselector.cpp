// The office selector's behaviour under real key and mouse events: writing
// ItemIndex, opening the list, choosing with the mouse and with Enter,
// completion, moving with the arrow keys, Escape, keys from the open list,
// the recent selections and the read-only list style.
#include "OfficeSelectorTestKit.h"

#include <QKeyEvent>
#include <QPointer>

using namespace selector_kit;

TEST(OfficeSelectorItemIndex, WritingShowsTheItemRaisesOnChangeButNeverOnSelect)
{
    Fixture f;
    f.changes = 0;
    f.selector->SetItemIndex(3);
    EXPECT_EQ(f.selector->Text(), "Blue");
    EXPECT_EQ(f.selector->ItemIndex(), 3);
    EXPECT_EQ(f.selector->ConfirmedText(), "Blue");
    EXPECT_GE(f.changes, 1);
    EXPECT_EQ(f.selects, 0);

    f.selector->SetItemIndex(-1);
    EXPECT_EQ(f.selector->Text(), "");
    EXPECT_EQ(f.selector->ItemIndex(), -1);

    f.selector->SetItemIndex(4);
    const int changesBefore = f.changes;
    f.selector->SetItemIndex(9); // one past the last item
    EXPECT_EQ(f.selector->ItemIndex(), 4);
    EXPECT_EQ(f.selector->Text(), "Chrome");
    EXPECT_EQ(f.changes, changesBefore);

    f.selector->SetItemIndex(-5); // below -1: the index is stored, the text stays
    EXPECT_EQ(f.selector->Text(), "Chrome");
    EXPECT_EQ(f.selects, 0);
}

TEST(OfficeSelectorItemIndex, WithoutItemsAnyWriteGivesMinusOne)
{
    TOfficeSelector s;
    s.SetText("kept");
    s.SetItemIndex(2);
    EXPECT_EQ(s.ItemIndex(), -1);
    EXPECT_EQ(s.Text(), "kept");
}

TEST(OfficeSelectorList, AClickOnTheDropButtonOpensEightRowsWithTheCurrentRowHighlighted)
{
    Fixture f;
    f.selector->SetItemIndex(2);
    int before = 0;
    f.selector->OnBeforeDropDown = [&](QObject*) {
        ++before;
        EXPECT_FALSE(f.selector->DropDownWindow()->isVisible());
    };
    // A press in the text part opens nothing; one on the button does.
    QTest::mouseClick(f.Edit(), Qt::LeftButton, {}, QPoint(30, 10));
    EXPECT_FALSE(f.selector->Dropped());
    QTest::mousePress(f.Edit(), Qt::LeftButton, {}, QPoint(109, 10));
    ASSERT_TRUE(f.selector->Dropped());
    EXPECT_EQ(before, 1);
    TDropDownWindow* popup = f.selector->DropDownWindow();
    ASSERT_TRUE(popup->isVisible());
    EXPECT_EQ(popup->height(), 124);
    EXPECT_EQ(popup->width(), 117);
    const QPoint below = f.selector->mapToGlobal(QPoint(0, 20));
    EXPECT_EQ(popup->pos(), QPoint(below.x() - 2, below.y()));
    EXPECT_EQ(f.Edit()->selectedText(), "Obsidian");

    TDropDownList* list = f.selector->List();
    EXPECT_EQ(list->count(), 9);
    EXPECT_EQ(list->HighlightedRow(), 2);
    EXPECT_EQ(list->RowRect(0).height(), 15);
    EXPECT_EQ(list->RowAt(QPoint(5, 8 * 15 - 1)), 7); // eight rows show
    EXPECT_EQ(list->viewport()->height(), 8 * 15);
    EXPECT_EQ(list->RowRect(8).top(), 8 * 15); // the ninth lies below the view

    // The highlighted row carries the selection's mirror colour in its lower
    // half; the other rows stay white.
    const QImage img = f.PopupImage();
    const QPoint origin = list->mapTo(popup, QPoint(0, 0));
    const QRect row2 = list->RowRect(2).translated(origin);
    const QRect row3 = list->RowRect(3).translated(origin);
    EXPECT_LT(qBlue(img.pixel(row2.left() + 60, row2.bottom() - 3)), 0xA0);
    EXPECT_EQ(img.pixel(row3.left() + 60, row3.bottom() - 3), qRgb(255, 255, 255));
    // The 1-pixel window border, then the white margin.
    EXPECT_EQ(img.pixel(0, 60), Rgb(clWindowFrame));
    EXPECT_EQ(img.pixel(1, 60), qRgb(255, 255, 255));
    QTest::mouseRelease(popup, Qt::LeftButton, {}, QPoint(-10, -10));
}

TEST(OfficeSelectorList, ChoosingOliveRaisesOnSelectWhileTheListStillShowsThenCloses)
{
    Fixture f;
    f.selector->DropDown();
    TDropDownList* list = f.selector->List();
    const QPoint olive = list->RowRect(5).center();
    QTest::mouseMove(list->viewport(), olive);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, olive);
    EXPECT_EQ(f.selects, 1);
    EXPECT_EQ(f.indexAtSelect, 5);
    EXPECT_EQ(f.textAtSelect, "Olive");
    EXPECT_TRUE(f.shownAtSelect);
    EXPECT_FALSE(f.selector->DropDownWindow()->isVisible());
    EXPECT_FALSE(f.selector->Dropped());
    EXPECT_EQ(f.selector->ConfirmedText(), "Olive");
}

TEST(OfficeSelectorList, TheNinthItemIsReachedByScrollingAndOpensAboveNearTheBottom)
{
    Fixture f;
    f.selector->SetItemIndex(8);
    f.selector->DropDown();
    TDropDownList* list = f.selector->List();
    EXPECT_EQ(list->HighlightedRow(), 8);
    EXPECT_TRUE(list->viewport()->rect().contains(list->RowRect(8).center()));
    f.selector->CloseUp();

    // Near the bottom of the work area the list opens above the field.
    const QRect work = f.window.screen()->availableGeometry();
    f.window.move(work.left(), work.bottom() - 60);
    QApplication::processEvents();
    f.selector->DropDown();
    const QPoint below = f.selector->mapToGlobal(QPoint(0, 20));
    EXPECT_EQ(f.selector->DropDownWindow()->geometry().topLeft(), QPoint(below.x() - 1, below.y() - 20 - 124));
}

TEST(OfficeSelectorList, AWideItemWidensThePopupAndAFixedWidthWins)
{
    Fixture f;
    f.selector->SetItems({"Luna", QString(60, QLatin1Char('W'))});
    f.selector->DropDown();
    QFont measuring = f.selector->DropDownWindow()->font();
    measuring.setPointSize(8);
    const int wide = int(std::lround(1.4 * QFontMetrics(measuring).horizontalAdvance(QString(60, QLatin1Char('W')))));
    EXPECT_EQ(f.selector->DropDownWindow()->width(), wide + 48);
    EXPECT_EQ(f.selector->DropDownWindow()->height(), 2 * 15 + 4);
    f.selector->CloseUp();
    f.selector->SetDropDownWidth(90);
    f.selector->DropDown();
    EXPECT_EQ(f.selector->DropDownWindow()->width(), 90);
}

TEST(OfficeSelectorKeys, TypingOAndBCompletesToObsidianAndEnterChoosesIt)
{
    Fixture f;
    f.selector->SetItemIndex(-1);
    f.Focus();
    f.Type("o");
    EXPECT_EQ(f.selector->Text(), "obsidian");
    f.Type("b");
    EXPECT_EQ(f.selector->Text(), "obsidian");
    EXPECT_EQ(f.Edit()->selectedText(), "sidian");
    EXPECT_EQ(f.selects, 0);

    f.changes = 0;
    QTest::keyClick(f.Edit(), Qt::Key_Return);
    EXPECT_EQ(f.selector->Text(), "Obsidian");
    EXPECT_EQ(f.selector->ItemIndex(), 2);
    EXPECT_EQ(f.selects, 1);
    EXPECT_EQ(f.indexAtSelect, 2);
    EXPECT_EQ(f.changes, 2); // once on the key, once on its character
    EXPECT_EQ(f.Edit()->cursorPosition(), 0);
}

TEST(OfficeSelectorKeys, BackspaceDoesNotCompleteAgainAndAnUnknownTextSelectsNothing)
{
    Fixture f;
    f.selector->SetItemIndex(-1);
    f.Focus();
    f.Type("s");
    EXPECT_EQ(f.selector->Text(), "silver");
    QTest::keyClick(f.Edit(), Qt::Key_Backspace); // removes the completed part
    EXPECT_EQ(f.selector->Text(), "s");
    f.Type("q");
    EXPECT_EQ(f.selector->Text(), "sq");
    QTest::keyClick(f.Edit(), Qt::Key_Return);
    EXPECT_EQ(f.selector->Text(), "sq");
    EXPECT_EQ(f.selector->ItemIndex(), -1);
    EXPECT_EQ(f.selects, 0);
}

TEST(OfficeSelectorKeys, LookUpOffKeepsTheTypedText)
{
    Fixture f;
    f.selector->SetLookUp(false);
    f.selector->SetItemIndex(-1);
    f.Focus();
    f.Type("ob");
    EXPECT_EQ(f.selector->Text(), "ob");
}

TEST(OfficeSelectorKeys, DownAndUpMoveTheItemWithoutOnSelectAndStopAtTheEnds)
{
    Fixture f;
    f.Focus();
    QTest::keyClick(f.Edit(), Qt::Key_Down);
    EXPECT_EQ(f.selector->ItemIndex(), 1);
    EXPECT_EQ(f.selector->Text(), "Moonlight");
    QTest::keyClick(f.Edit(), Qt::Key_Up);
    QTest::keyClick(f.Edit(), Qt::Key_Up);
    EXPECT_EQ(f.selector->ItemIndex(), 0);
    EXPECT_EQ(f.selector->Text(), "Luna");
    f.selector->SetItemIndex(8);
    QTest::keyClick(f.Edit(), Qt::Key_Down);
    EXPECT_EQ(f.selector->ItemIndex(), 8);
    EXPECT_EQ(f.selects, 0);
    EXPECT_FALSE(f.selector->Dropped());
}

TEST(OfficeSelectorKeys, PageDownMovesTheTextByAPageButKeepsItemIndex)
{
    Fixture f;
    f.Focus();
    QTest::keyClick(f.Edit(), Qt::Key_PageDown);
    EXPECT_EQ(f.selector->Text(), "Sandy"); // row 0 + 7
    EXPECT_EQ(f.selector->ItemIndex(), 0);
    QTest::keyClick(f.Edit(), Qt::Key_PageDown);
    EXPECT_EQ(f.selector->Text(), "Flat"); // not past the end
    EXPECT_EQ(f.selects, 0);
}

TEST(OfficeSelectorKeys, EscapeRestoresTheConfirmedTextAndClosesTheList)
{
    Fixture f;
    f.selector->SetItemIndex(3);
    f.Focus();
    f.Edit()->selectAll();
    f.Type("xyz");
    EXPECT_EQ(f.selector->Text(), "xyz");
    QTest::keyClick(f.Edit(), Qt::Key_Escape);
    EXPECT_EQ(f.selector->Text(), "Blue");

    QTest::keyClick(f.Edit(), Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(f.selector->Dropped());
    QTest::keyClick(f.selector->List(), Qt::Key_Escape);
    EXPECT_FALSE(f.selector->Dropped());
    EXPECT_FALSE(f.selector->DropDownWindow()->isVisible());
    EXPECT_EQ(f.selector->Text(), "Blue");
    EXPECT_TRUE(f.Edit()->hasFocus());
}

TEST(OfficeSelectorKeys, KeysInTheOpenListActOnTheFieldOnceAndEnterThereChoosesTheItem)
{
    Fixture f;
    f.Focus();
    QTest::keyClick(f.Edit(), Qt::Key_F4);
    ASSERT_TRUE(f.selector->Dropped());
    TDropDownList* list = f.selector->List();
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(f.selector->ItemIndex(), 1);
    EXPECT_EQ(f.selector->Text(), "Moonlight");
    EXPECT_EQ(list->HighlightedRow(), 1);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->HighlightedRow(), 2);
    EXPECT_EQ(f.selector->Text(), "Obsidian");

    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_FALSE(f.selector->Dropped());
    EXPECT_EQ(f.selector->ConfirmedText(), "Obsidian");
    EXPECT_EQ(f.selector->ItemIndex(), 2);
    EXPECT_EQ(f.selects, 1) << "Enter in the list chooses as a click does";
}

TEST(OfficeSelectorKeys, AltDownTogglesTheList)
{
    Fixture f;
    f.Focus();
    QTest::keyClick(f.Edit(), Qt::Key_Down, Qt::AltModifier);
    EXPECT_TRUE(f.selector->Dropped());
    QTest::keyClick(f.selector->List(), Qt::Key_Down, Qt::AltModifier);
    EXPECT_FALSE(f.selector->Dropped());
    EXPECT_EQ(f.selector->ItemIndex(), 0);
}

TEST(OfficeSelectorKeys, TheReadOnlyStyleChoosesByFirstLetterAndOpensAnywhere)
{
    Fixture f;
    f.selector->SetStyle(TCustomOfficeComboBox::csDropDownList);
    f.Focus();
    f.Type("s");
    EXPECT_EQ(f.selector->Text(), "Silver");
    EXPECT_EQ(f.selector->ItemIndex(), 6);
    EXPECT_EQ(f.Edit()->selectedText(), "Silver");
    f.Type("x"); // no item starts with it
    EXPECT_EQ(f.selector->Text(), "Silver");
    EXPECT_EQ(f.selects, 0);
    QTest::mousePress(f.Edit(), Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_TRUE(f.selector->Dropped());
    QTest::mouseRelease(f.selector->DropDownWindow(), Qt::LeftButton, {}, QPoint(-10, -10));
}

TEST(OfficeSelectorKeys, KeyEventsReachTheirHandlersAndAClearedKeyIsNotHandled)
{
    Fixture f;
    QList<int> downs, ups;
    QString pressed;
    f.selector->OnKeyDown = [&](QObject*, int& key, TShiftState) {
        downs << key;
        if (key == Qt::Key_Down)
            key = 0;
    };
    f.selector->OnKeyUp = [&](QObject*, int& key, TShiftState) { ups << key; };
    f.selector->OnKeyPress = [&](QObject*, QChar& c) { pressed += c; };
    f.Focus();
    QTest::keyClick(f.Edit(), Qt::Key_Down);
    EXPECT_EQ(f.selector->ItemIndex(), 0); // the handler took the key
    f.Edit()->selectAll();
    f.Type("q");
    EXPECT_EQ(downs, (QList<int>{Qt::Key_Down, Qt::Key_Q}));
    EXPECT_EQ(ups, (QList<int>{Qt::Key_Down, Qt::Key_Q}));
    EXPECT_EQ(pressed, "q");
    EXPECT_EQ(f.selector->Text(), "q");
}

TEST(OfficeSelectorRecent, ChosenItemsStandFirstNewestAtTheTopAtMostCountLessOne)
{
    Fixture f;
    f.selector->SetDisplayRecentSelection(true);
    f.selector->SetDropDownCount(4);
    for (int i : {1, 2, 3, 4, 2})
        f.selector->SetItemIndex(i);
    // Luna (from the fixture) has dropped out: at most three recent entries.
    EXPECT_EQ(f.selector->RecentSelections(), (QStringList{"Blue", "Chrome", "Obsidian"}));
    f.selector->DropDown();
    const QStringList rows = f.selector->List()->Rows();
    ASSERT_EQ(rows.size(), 3 + 9);
    EXPECT_EQ(rows.mid(0, 3), (QStringList{"Obsidian", "Chrome", "Blue"}));
    EXPECT_EQ(rows.mid(3), ThemeNames());
    // The highlight goes to the first row with the text: the recent one.
    EXPECT_EQ(f.selector->List()->HighlightedRow(), 0);

    // The last recent row is underlined by two grey lines.
    const QImage img = f.PopupImage();
    TDropDownList* list = f.selector->List();
    const QPoint origin = list->mapTo(f.selector->DropDownWindow(), QPoint(0, 0));
    const QRect last = list->RowRect(2).translated(origin);
    EXPECT_EQ(img.pixel(last.left() + 40, last.bottom()), qRgb(0x80, 0x80, 0x80));
    EXPECT_EQ(img.pixel(last.left() + 40, last.bottom() - 2), qRgb(0x80, 0x80, 0x80));
    EXPECT_EQ(img.pixel(last.left() + 40, last.bottom() - 1), qRgb(255, 255, 255));
}

TEST(OfficeSelectorFocus, LosingTheFocusClosesTheListAndTheFocusedLookIsHot)
{
    Fixture f;
    f.Focus();
    f.selector->DropDown();
    ASSERT_TRUE(f.selector->Dropped());
    f.selector->CloseUp();
    EXPECT_TRUE(f.Edit()->hasFocus()); // the field has it back
    f.selector->DropDown();
    f.selector->DropDownWindow()->hide(); // as after a click elsewhere
    EXPECT_FALSE(f.selector->Dropped());
    f.selector->DropDown();
    ASSERT_TRUE(f.selector->Dropped());
    f.selector->CloseUp();
    f.other->setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(f.selector->Dropped());
}

TEST(OfficeSelectorFocus, PointerEnterAndLeaveSetHotAndRaiseTheirEvents)
{
    Fixture f;
    int enters = 0, leaves = 0;
    f.selector->OnMouseEnter = [&](QObject*) { ++enters; };
    f.selector->OnMouseLeave = [&](QObject*) { ++leaves; };
    f.selector->SetAutoFocus(true);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(f.selector, &enter);
    EXPECT_TRUE(f.selector->Hot());
    EXPECT_TRUE(f.Edit()->hasFocus()); // AutoFocus
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(f.selector, &leave);
    EXPECT_FALSE(f.selector->Hot());
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(leaves, 1);
}

TEST(OfficeSelectorLifetime, AFocusedSelectorWithItsListOpenCanBeDestroyed)
{
    Fixture f;
    f.Focus();
    f.selector->DropDown();
    ASSERT_TRUE(f.selector->Dropped());
    QPointer<TDropDownWindow> popup = f.selector->DropDownWindow();
    delete f.selector;
    f.selector = nullptr;
    EXPECT_TRUE(popup.isNull());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    f.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.window));
    f.other->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(f.other->hasFocus());
}
