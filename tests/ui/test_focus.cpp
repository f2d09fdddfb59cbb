// Checks how the focus moves on a form: event order, Tab order and its stops, SetFocus
// failures, and a LostFocus handler that keeps the focus.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/command_button.h"
#include "ui/errors.h"
#include "ui/form.h"
#include "ui/frame.h"
#include "ui/label.h"
#include "ui/option_button.h"
#include "ui/text_box.h"

namespace ui {
namespace {

class FocusTest : public ::testing::Test {
protected:
    FocusTest() {
        for (Widget* w : std::initializer_list<Widget*>{&first, &second, &frameBox, &ok}) {
            w->onGotFocus = [this, w] { log.push_back("got " + w->name()); };
            w->onLostFocus = [this, w] { log.push_back("lost " + w->name()); };
        }
    }

    Form form{"Ctr"};
    Label& label = form.add<Label>("Etq_De", nullptr, "de");
    TextBox& first = form.add<TextBox>("Txt_De");
    TextBox& second = form.add<TextBox>("Txt_A");
    Frame& frame = form.add<Frame>("Cdr_Selection", nullptr, "Sélection");
    TextBox& frameBox = form.add<TextBox>("Txt_InFrame", &frame);
    CommandButton& ok = form.add<CommandButton>("Cmd_OK", nullptr, "OK");
    std::vector<std::string> log;
};

TEST_F(FocusTest, TabRaisesLostFocusOnTheOldWidgetBeforeGotFocusOnTheNew) {
    form.setFocus(first);
    log.clear();
    EXPECT_TRUE(form.tab());
    EXPECT_EQ(form.activeControl(), &second);
    EXPECT_EQ(log, (std::vector<std::string>{"lost Txt_De", "got Txt_A"}));
}

TEST_F(FocusTest, TabSkipsWidgetsThatCannotTakeTheFocusAndWrapsAroundWhileSetFocusIgnoresTabStop) {
    frame.setEnabled(false);
    second.setTabStop(false);
    form.setFocus(first);
    form.tab();
    EXPECT_EQ(form.activeControl(), &ok);
    form.tab();
    EXPECT_EQ(form.activeControl(), &first);
    form.tab(false);
    EXPECT_EQ(form.activeControl(), &ok);
    form.setFocus(second);  // SetFocus ignores TabStop
    EXPECT_EQ(form.activeControl(), &second);
}

TEST_F(FocusTest, SetFocusOnADisabledOrHiddenWidgetOrFormFailsWithError5AndChangesNothing) {
    form.setFocus(first);
    log.clear();
    second.setEnabled(false);
    try {
        form.setFocus(second);
        FAIL() << "no focus error";
    } catch (const FocusError& e) {
        EXPECT_EQ(e.number(), kErrInvalidCall);
    }
    second.setEnabled(true);
    second.setVisible(false);
    EXPECT_THROW(second.setFocus(), FocusError);
    EXPECT_FALSE(second.trySetFocus());
    EXPECT_FALSE(form.trySetFocus(label));
    Form other("Frm_SelindDnt");  // a widget of another form
    EXPECT_THROW(form.setFocus(other.add<TextBox>("Txt_CodAide")), FocusError);
    EXPECT_EQ(form.activeControl(), &first);
    EXPECT_TRUE(log.empty());
    form.setEnabled(false);  // a disabled form refuses SetFocus and Tab
    EXPECT_THROW(form.setFocus(frameBox), FocusError);
    EXPECT_FALSE(form.tab());
}

TEST_F(FocusTest, LostFocusHandlerThatKeepsTheFocusWins) {
    first.onLostFocus = [this] {
        log.push_back("lost Txt_De");
        first.setFocus();
    };
    form.setFocus(first);
    log.clear();
    form.tab();
    EXPECT_EQ(form.activeControl(), &first);
    EXPECT_EQ(log, (std::vector<std::string>{"lost Txt_De", "got Txt_De"}));
}

TEST_F(FocusTest, DuringLostFocusTheActiveControlIsAlreadyTheNewOne) {
    Widget* seen = nullptr;
    first.onLostFocus = [&] { seen = form.activeControl(); };
    form.setFocus(first);
    form.setFocus(ok);
    EXPECT_EQ(seen, &ok);
}

TEST_F(FocusTest, SettingTabIndexMovesTheWidgetAndRenumbersTheOthers) {
    ok.setTabIndex(0);
    EXPECT_EQ(form.tabOrder().front(), &ok);
    EXPECT_EQ(label.tabIndex(), 1);
    EXPECT_EQ(first.tabIndex(), 2);
    form.setFocus(frameBox);
    form.tab();
    EXPECT_EQ(form.activeControl(), &ok);
}

TEST(FocusOptionGroup, TabStopsOnlyOnTheSelectedOptionOfAGroup) {
    Form form("Ctr");
    TextBox& before = form.add<TextBox>("Txt_De");
    Frame& sort = form.add<Frame>("Cdr_Tri", nullptr, "Tri");
    form.add<OptionButton>("Opt_Alpha", &sort, "Ordre alphabétique");
    OptionButton& town = form.add<OptionButton>("Opt_Commune", &sort, "Commune");
    TextBox& after = form.add<TextBox>("Txt_DateRetour");
    town.setValue(true);
    form.setFocus(before);
    form.tab();
    EXPECT_EQ(form.activeControl(), &town);
    form.tab();
    EXPECT_EQ(form.activeControl(), &after);
}

TEST(FocusShow, ShowingAFormFocusesItsFirstTabStop) {
    Form form("Frm_SelindDnt");
    form.add<Label>("Etq_Aide", nullptr, "Aidé");
    TextBox& code = form.add<TextBox>("Txt_CodAide");
    bool got = false;
    code.onGotFocus = [&] { got = true; };
    form.hide();
    form.show(true);
    EXPECT_EQ(form.activeControl(), &code);
    EXPECT_TRUE(got);
}

}  // namespace
}  // namespace ui
