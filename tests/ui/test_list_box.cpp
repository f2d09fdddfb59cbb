// Checks the marks, current row, scrolling and events of the list boxes, including three
// multiple-selection lists that copy their marks to one another in a ring.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/errors.h"
#include "ui/list_box.h"

namespace ui {
namespace {

void fill(ListBox& list, int count) {
    for (int i = 0; i < count; ++i) list.addItem("row " + std::to_string(i));
}

TEST(ListBoxSimple, ClickTogglesTheMarkMakesTheRowCurrentAndRaisesOneClick) {
    ListBox list("Lst_CodPos", MultiSelect::Simple);
    fill(list, 4);
    int clicks = 0;
    list.onClick = [&] { ++clicks; };
    EXPECT_TRUE(list.clickRow(2));
    EXPECT_TRUE(list.clickRow(0));
    EXPECT_TRUE(list.selected(2));
    EXPECT_TRUE(list.selected(0));
    EXPECT_EQ(list.listIndex(), 0);
    EXPECT_EQ(list.selCount(), 2);
    list.clickRow(2);
    EXPECT_FALSE(list.selected(2));
    EXPECT_EQ(clicks, 3);
}

TEST(ListBoxSimple, AssignedMarkOrIndexRaisesClickOnlyWhenItChanges) {
    ListBox list("Lst_CodSel", MultiSelect::Simple);
    fill(list, 3);
    int clicks = 0;
    list.onClick = [&] { ++clicks; };
    list.setSelected(1, true);
    list.setSelected(1, true);
    list.setListIndex(2);
    list.setListIndex(2);
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(list.selected(2));  // the current row is not marked by being current
    EXPECT_THROW(list.setSelected(3, true), PropertyError);
}

TEST(ListBoxSimple, RingOfListsCopyingMarksSettlesWithAllInStep) {
    ListBox code("Lst_CodPos", MultiSelect::Simple);
    ListBox name("Lst_NomPrenomPos", MultiSelect::Simple);
    ListBox address("Lst_AdressePos", MultiSelect::Simple);
    int clicks = 0;
    auto forward = [&clicks](ListBox& from, ListBox& to) {
        from.onClick = [&clicks, &from, &to] {
            if (++clicks > 50) FAIL() << "Click keeps firing";
            for (int i = 0; i < from.listCount(); ++i) to.setSelected(i, from.selected(i));
            to.setListIndex(from.listIndex());
        };
    };
    for (ListBox* list : {&code, &name, &address}) fill(*list, 5);
    forward(code, name);
    forward(name, address);
    forward(address, code);

    name.clickRow(3);
    name.clickRow(1);
    name.clickRow(3);
    EXPECT_LT(clicks, 50);
    // Marks end in step. The current rows end equal too, though not on the clicked row:
    // the nested Clicks copy a current row before the outer handler has set it.
    for (ListBox* list : {&code, &name, &address}) {
        EXPECT_FALSE(list->selected(3)) << list->name();
        EXPECT_TRUE(list->selected(1)) << list->name();
        EXPECT_EQ(list->listIndex(), code.listIndex()) << list->name();
    }
}

TEST(ListBoxSimple, MarksAndCurrentRowFollowTheirEntries) {
    ListBox list("Lst_CodSel", MultiSelect::Simple);
    fill(list, 3);
    list.clickRow(1);
    list.addItem("first", 0);
    EXPECT_TRUE(list.selected(2));
    EXPECT_FALSE(list.selected(1));
    EXPECT_EQ(list.listIndex(), 2);
    list.removeItem(0);
    EXPECT_EQ(list.listIndex(), 1);
    list.removeItem(1);
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(list.selCount(), 0);
    EXPECT_EQ(list.list(1), "row 2");
}

TEST(ListBoxSimple, DoubleClickTogglesOnceThenRaisesClickAndDblClick) {
    ListBox list("Lst_NomPrenomPos", MultiSelect::Simple);
    fill(list, 2);
    std::vector<std::string> log;
    list.onClick = [&] { log.push_back("click"); };
    list.onDblClick = [&] { log.push_back("dblclick"); };
    list.doubleClickRow(1);
    EXPECT_TRUE(list.selected(1));
    EXPECT_EQ(log, (std::vector<std::string>{"click", "dblclick"}));
}

TEST(ListBoxSingle, ClickMarksOnlyThatRow) {
    ListBox list("Lst");
    fill(list, 3);
    list.clickRow(0);
    list.clickRow(2);
    EXPECT_FALSE(list.selected(0));
    EXPECT_TRUE(list.selected(2));
    EXPECT_EQ(list.listIndex(), 2);
    list.setSelected(2, false);
    EXPECT_EQ(list.listIndex(), -1);
    list.setListIndex(1);
    EXPECT_TRUE(list.selected(1));
    EXPECT_EQ(list.text(), "row 1");
}

TEST(ListBoxScrolling, TopIndexStaysInTheListRaisesScrollOnChangeAndShowsTheCurrentRow) {
    ListBox list("Lst_CodPos", MultiSelect::Simple);
    fill(list, 10);
    list.setVisibleRows(4);
    int scrolls = 0;
    list.onScroll = [&] { ++scrolls; };
    list.setTopIndex(50);
    EXPECT_EQ(list.topIndex(), 6);
    list.setTopIndex(6);
    list.setTopIndex(-3);
    EXPECT_EQ(list.topIndex(), 0);
    EXPECT_EQ(scrolls, 2);
    // The current row is scrolled into view.
    list.setListIndex(8);
    EXPECT_EQ(list.topIndex(), 5);
    list.setListIndex(2);
    EXPECT_EQ(list.topIndex(), 2);
    list.clear();
    EXPECT_EQ(list.topIndex(), 0);
    EXPECT_EQ(list.listIndex(), -1);
}

}  // namespace
}  // namespace ui
