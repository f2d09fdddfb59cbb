// Checks the current item, text, Click and Change of the two kinds of combo box.
#include <gtest/gtest.h>

#include "ui/combo_box.h"
#include "ui/errors.h"
#include "ui/keys.h"

namespace ui {
namespace {

class ComboTest : public ::testing::Test {
protected:
    ComboTest() {
        for (ComboBox* c : {&list, &combo}) {
            c->addItem("ANNECY");
            c->addItem("LYON");
            c->addItem("PARIS");
            c->onClick = [this] { ++clicks; };
            c->onChange = [this] { ++changes; };
        }
    }

    ComboBox list{"Cbo_Trimestre", ComboStyle::DropDownList};
    ComboBox combo{"Cbo_CtrUrssaf", ComboStyle::DropDownCombo};
    int clicks = 0;
    int changes = 0;
};

TEST_F(ComboTest, SettingListIndexOrAUserPickShowsTheItemAndRaisesClickNotChange) {
    combo.setListIndex(1);
    EXPECT_EQ(combo.text(), "LYON");
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(changes, 0);

    combo.setListIndex(1);
    EXPECT_EQ(clicks, 2);

    combo.setListIndex(-1);
    EXPECT_EQ(combo.text(), "");
    EXPECT_EQ(clicks, 3);

    EXPECT_TRUE(combo.choose(2));
    EXPECT_EQ(combo.text(), "PARIS");
    EXPECT_FALSE(combo.choose(5));  // a row outside the list is refused
    EXPECT_EQ(clicks, 4);
}

TEST_F(ComboTest, ListIndexOutsideTheListIsError380AndReadsEmpty) {
    try {
        list.setListIndex(3);
        FAIL() << "no error";
    } catch (const PropertyError& e) {
        EXPECT_EQ(e.number(), kErrInvalidPropertyValue);
    }
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(clicks, 0);
    // Reading outside the list gives an empty text, but no item data.
    EXPECT_EQ(list.list(3), "");
    EXPECT_EQ(list.list(-1), "");
    EXPECT_THROW(list.itemData(3), PropertyError);
}

TEST_F(ComboTest, EditableTextRaisesChangeAndFollowsAMatchingItemWithoutClick) {
    combo.setText("PARIS");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(combo.listIndex(), 2);
    combo.setText("PARIS");
    EXPECT_EQ(changes, 1);
    combo.setText("PAR");
    EXPECT_EQ(combo.listIndex(), -1);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(clicks, 0);
    // Erasing the text by keys raises Change with an empty text.
    combo.choose(1);
    std::string seen = "unset";
    combo.onChange = [&] { seen = combo.text(); };
    combo.setSelStart(0);
    combo.setSelLength(4);
    combo.keyPress(kKeyBack);
    EXPECT_EQ(seen, "");
    EXPECT_EQ(combo.listIndex(), -1);
}

TEST_F(ComboTest, DropDownListTextMustBeAnItemAndKeysDoNotEditIt) {
    list.setText("LYON");
    EXPECT_EQ(list.listIndex(), 1);
    EXPECT_EQ(clicks, 1);
    try {
        list.setText("NICE");
        FAIL() << "no error";
    } catch (const PropertyError& e) {
        EXPECT_EQ(e.number(), kErrTextReadOnly);
    }
    EXPECT_EQ(list.text(), "LYON");
    // Keys reach KeyPress but do not edit it.
    int keys = 0;
    list.onKeyPress = [&](int&) { ++keys; };
    list.type("x");
    EXPECT_EQ(keys, 1);
    EXPECT_EQ(list.text(), "LYON");
    EXPECT_EQ(changes, 0);
}

TEST_F(ComboTest, CurrentItemFollowsInsertionsAndIsLostWithItsRemoval) {
    list.setListIndex(1);
    list.addItem("AMIENS", 0);
    EXPECT_EQ(list.listIndex(), 2);
    EXPECT_EQ(list.text(), "LYON");
    list.removeItem(0);
    EXPECT_EQ(list.listIndex(), 1);
    list.removeItem(1);
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(list.text(), "");
    EXPECT_EQ(list.listCount(), 2);
    EXPECT_THROW(list.removeItem(2), PropertyError);
    EXPECT_THROW(list.addItem("X", 3), PropertyError);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ComboTest, ClearEmptiesListAndTextWithoutEvents) {
    combo.choose(0);
    clicks = 0;
    combo.clear();
    EXPECT_EQ(combo.listCount(), 0);
    EXPECT_EQ(combo.text(), "");
    EXPECT_EQ(combo.listIndex(), -1);
    EXPECT_EQ(clicks + changes, 0);
}

}  // namespace
}  // namespace ui
