// Checks closing a form through QueryUnload and Unload, showing and hiding it, and its
// menus.
#include <gtest/gtest.h>

#include <vector>

#include "ui/form.h"
#include "ui/menu.h"
#include "ui/text_box.h"

namespace ui {
namespace {

class ClosingTest : public ::testing::Test {
protected:
    ClosingTest() {
        // The dialog refuses every close until one of its buttons allowed it.
        dialog.onQueryUnload = [this](int& cancel, UnloadMode mode) {
            modes.push_back(mode);
            if (!mayClose) cancel = 1;
        };
    }

    Form dialog{"Frm_SelindDnt"};
    TextBox& code = dialog.add<TextBox>("Txt_CodAide");
    bool mayClose = false;
    std::vector<UnloadMode> modes;
};

TEST_F(ClosingTest, QueryUnloadOrUnloadCanRefuseTheCloseAndADisabledFormIgnoresTheTitleBar) {
    dialog.setEnabled(false);
    EXPECT_FALSE(dialog.requestClose());
    EXPECT_TRUE(modes.empty());  // not even asked
    dialog.setEnabled(true);
    EXPECT_FALSE(dialog.requestClose());
    EXPECT_TRUE(dialog.loaded());
    EXPECT_TRUE(dialog.visible());
    mayClose = true;
    dialog.onUnload = [](int& cancel) { cancel = 1; };  // Unload can cancel too
    EXPECT_FALSE(dialog.unload());
    EXPECT_TRUE(dialog.loaded());
    dialog.onUnload = nullptr;
    EXPECT_TRUE(dialog.unload());
    EXPECT_FALSE(dialog.loaded());
    EXPECT_FALSE(dialog.visible());
    EXPECT_EQ(modes, (std::vector<UnloadMode>{UnloadMode::FormControlMenu, UnloadMode::FormCode,
                                              UnloadMode::FormCode}));
}

TEST_F(ClosingTest, UnloadedFormLosesItsFocusWithoutEventsAndTakesNoInput) {
    mayClose = true;
    int lost = 0;
    code.onLostFocus = [&] { ++lost; };
    dialog.setFocus(code);
    dialog.unload();
    EXPECT_EQ(dialog.activeControl(), nullptr);
    EXPECT_EQ(lost, 0);
    EXPECT_FALSE(code.acceptsInput());
    EXPECT_FALSE(dialog.requestClose());
    dialog.show();
    EXPECT_TRUE(dialog.loaded());
    EXPECT_EQ(dialog.activeControl(), &code);
}

TEST(FormMenus, ItemOfADisabledOrHiddenMenuCannotBeChosen) {
    Form form("Ctr");
    Menu& help = form.addMenu("Mnu_Aide", "Aide");
    Menu& contents = form.addMenu("Mnu_Sommaire", "Aide_TALMIRAN", &help);
    int clicks = 0;
    contents.onClick = [&] { ++clicks; };
    help.setEnabled(false);
    EXPECT_FALSE(contents.choose());
    help.setEnabled(true);
    help.setVisible(false);
    EXPECT_FALSE(contents.choose());
    help.setVisible(true);
    EXPECT_TRUE(contents.choose());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(help.items(), (std::vector<Menu*>{&contents}));
    EXPECT_EQ(form.findMenu("Mnu_Sommaire"), &contents);
    EXPECT_THROW(form.addMenu("Mnu_Aide", "x"), std::invalid_argument);
}

}  // namespace
}  // namespace ui
