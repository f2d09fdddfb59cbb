// Checks acting on a form as a person: keys reach only the focused widget, Tab and clicks
// run LostFocus first, Enter and Escape find the Default and Cancel buttons, and nothing
// reaches a widget the person could not use.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/command_button.h"
#include "ui/driver.h"
#include "ui/form.h"
#include "ui/frame.h"
#include "ui/keys.h"
#include "ui/list_box.h"
#include "ui/menu.h"
#include "ui/option_button.h"
#include "ui/text_box.h"

namespace ui {
namespace {

// A small selection screen: a two-digit centre code padded when left, an OK button that
// the code's validity enables, a name range in a frame, and a help pop-up menu.
class ScreenTest : public ::testing::Test {
protected:
    ScreenTest() {
        centre.onKeyPress = [this](int& key) {
            if (key == kKeyBack) return;
            if (key == kKeyReturn && centre.text().size() < 2) {
                centre.setText(std::string(2 - centre.text().size(), '0') + centre.text());
            }
            if (key < '0' || key > '9') key = 0;
        };
        centre.onLostFocus = [this] {
            log.push_back("lost centre");
            if (!centre.text().empty() && centre.text().size() < 2) centre.setText("0" + centre.text());
        };
        centre.onChange = [this] {
            log.push_back("change " + centre.text());
            ok.setEnabled(centre.text() == "07");
        };
        ok.onClick = [this] { log.push_back("click ok"); };
        ok.setEnabled(false);
        from.onGotFocus = [this] { log.push_back("got from"); };
        individual.onClick = [this] { range.setEnabled(!individual.checked()); };
        form.onMouseDown = [this](int button, int, float x, float y) {
            if (button == kRightButton) form.popupMenu(help, x, y);
        };
    }

    Form form{"Ctr"};
    TextBox& centre = form.add<TextBox>("Txt_CtrUrssaf");
    Frame& range = form.add<Frame>("Cdr_Selection", nullptr, "Sélection de l'aidé");
    TextBox& from = form.add<TextBox>("Txt_De", &range);
    TextBox& to = form.add<TextBox>("Txt_A", &range);
    CheckBox& individual = form.add<CheckBox>("Cac_SelecInd", nullptr, "Sélection individuelle");
    CommandButton& ok = form.add<CommandButton>("Cmd_OK", nullptr, "OK");
    Menu& help = form.addMenu("Mnu_Aide", "Aide");
    Driver person{form};
    std::vector<std::string> log;
};

TEST_F(ScreenTest, TypingThenTabPadsTheCodeInLostFocusBeforeTheNextWidgetGetsTheFocus) {
    ASSERT_TRUE(person.focus(centre));
    EXPECT_FALSE(person.click(ok));  // disabled: nothing happens, the focus stays
    EXPECT_EQ(form.activeControl(), &centre);
    EXPECT_TRUE(person.type("x7\t"));
    EXPECT_EQ(centre.text(), "07");
    EXPECT_EQ(form.activeControl(), &from);
    EXPECT_EQ(log, (std::vector<std::string>{"change 7", "lost centre", "change 07", "got from"}));
    EXPECT_TRUE(ok.enabled());
}

TEST_F(ScreenTest, ClickingAButtonRunsTheLostFocusOfTheBoxFirstAndIsLostIfItDisablesTheButton) {
    person.focus(centre);
    person.type("7");
    ok.setEnabled(true);
    log.clear();
    EXPECT_TRUE(person.click(ok));
    EXPECT_EQ(log, (std::vector<std::string>{"lost centre", "change 07", "click ok"}));
    // The click is lost when LostFocus disables the button.
    person.focus(centre);
    EXPECT_TRUE(ok.enabled());
    centre.onLostFocus = [this] { ok.setEnabled(false); };
    log.clear();
    EXPECT_FALSE(person.click(ok));
    EXPECT_TRUE(log.empty());
}

TEST_F(ScreenTest, KeysGoToTheFocusedWidgetOnly) {
    EXPECT_FALSE(person.type("1"));
    person.focus(to);
    person.type("MARTIN");
    EXPECT_EQ(to.text(), "MARTIN");
    EXPECT_EQ(from.text(), "");
    EXPECT_EQ(centre.text(), "");
}

TEST_F(ScreenTest, EnterGoesToTheBoxWithoutADefaultButtonAndToTheButtonWithOneEscapeToCancel) {
    person.focus(centre);
    person.type("7\n");
    EXPECT_EQ(centre.text(), "07");
    ok.setDefault(true);
    log.clear();
    person.type("\n");
    EXPECT_EQ(log, (std::vector<std::string>{"click ok"}));
    EXPECT_EQ(form.activeControl(), &centre);
    // Escape clicks the Cancel button.
    CommandButton& quit = form.add<CommandButton>("Cmd_Sortir", nullptr, "Sortir");
    int quits = 0;
    quit.onClick = [&] { ++quits; };
    quit.setCancel(true);
    person.key(kKeyEscape);
    EXPECT_EQ(quits, 1);
}

TEST_F(ScreenTest, CheckingIndividualSelectionBlocksTheRangeFrame) {
    EXPECT_TRUE(person.click(individual));
    EXPECT_FALSE(range.enabled());
    EXPECT_FALSE(person.typeInto(to, "A"));
    person.tab();
    EXPECT_EQ(form.activeControl(), &centre);  // Tab from the check box skips the frame
}

TEST_F(ScreenTest, RightClickOnTheBackgroundRequestsThePopupMenu) {
    EXPECT_TRUE(person.mouseDown(kRightButton, 30, 40));
    EXPECT_TRUE(person.mouseDown(kLeftButton, 30, 40));
    ASSERT_EQ(form.popupRequests().size(), 1u);
    EXPECT_EQ(form.popupRequests()[0].menu, &help);
}

TEST(DriverLists, MarkRowsClicksOnlyTheRowsThatDiffer) {
    Form form("Frm_SelindDnt");
    ListBox& list = form.add<ListBox>("Lst_CodPos", nullptr, MultiSelect::Simple);
    for (const char* code : {"00001", "00002", "00003", "00004"}) list.addItem(code);
    int clicks = 0;
    list.onClick = [&] { ++clicks; };
    Driver person(form);
    EXPECT_TRUE(person.clickRow(list, 0));
    EXPECT_TRUE(person.markRows(list, {1, 3}));
    EXPECT_FALSE(list.selected(0));
    EXPECT_TRUE(list.selected(1));
    EXPECT_TRUE(list.selected(3));
    EXPECT_EQ(clicks, 4);
    EXPECT_EQ(form.activeControl(), &list);
    EXPECT_FALSE(person.clickRow(list, 4));
}

TEST(DriverComboAndOptions, ChoosesByTextClickSelectsTheOptionAndSpaceClicksTheFocusedOne) {
    Form form("Ctr");
    ComboBox& centres = form.add<ComboBox>("Cbo_CtrUrssaf");
    centres.addItem("ANNECY");
    centres.addItem("LYON");
    int clicks = 0;
    centres.onClick = [&] { ++clicks; };
    Frame& sort = form.add<Frame>("Cdr_Tri");
    OptionButton& alpha = form.add<OptionButton>("Opt_Alpha", &sort);
    OptionButton& town = form.add<OptionButton>("Opt_Commune", &sort);
    alpha.setValue(true);
    Driver person(form);
    EXPECT_TRUE(person.choose(centres, "LYON"));
    EXPECT_EQ(centres.listIndex(), 1);
    EXPECT_FALSE(person.choose(centres, "NICE"));
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(person.click(town));
    EXPECT_FALSE(alpha.value());
    person.focus(alpha);
    person.key(kKeySpace);
    EXPECT_TRUE(alpha.value());
    EXPECT_FALSE(town.value());
}

}  // namespace
}  // namespace ui
