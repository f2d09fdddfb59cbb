// Checks that command buttons and frames accept the user's input only while they, their
// frames and their form are enabled and visible, and the Default and Cancel roles.
#include <gtest/gtest.h>

#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/frame.h"
#include "ui/keys.h"
#include "ui/text_box.h"

namespace ui {
namespace {

class ButtonTest : public ::testing::Test {
protected:
    ButtonTest() {
        ok.onClick = [this] { ++okClicks; };
        inner.onClick = [this] { ++innerClicks; };
    }

    Form form{"Frm_SelindDnt"};
    CommandButton& ok = form.add<CommandButton>("Cmd_Imprimer", nullptr, "Imprimer");
    Frame& outer = form.add<Frame>("Fra_Pos", nullptr, "Possibles ");
    Frame& nested = form.add<Frame>("Fra_Nested", &outer);
    CommandButton& inner = form.add<CommandButton>("Cmd_SelectAides", &nested);
    int okClicks = 0;
    int innerClicks = 0;
};

TEST_F(ButtonTest, FrameReportsMouseDownOnlyWhileItTakesInput) {
    int button = 0;
    outer.onMouseDown = [&](int b, int, float, float) { button = b; };
    EXPECT_TRUE(outer.mouseDown(kRightButton, 0, 10, 20));
    EXPECT_EQ(button, kRightButton);
    button = 0;
    outer.setEnabled(false);
    EXPECT_FALSE(outer.mouseDown(kRightButton, 0, 10, 20));
    EXPECT_EQ(button, 0);
    form.setEnabled(false);
    EXPECT_FALSE(form.mouseDown(kRightButton, 0, 1, 1));
}

TEST_F(ButtonTest, OnlyOneDefaultAndOneCancelButton) {
    ok.setDefault(true);
    inner.setDefault(true);
    EXPECT_FALSE(ok.isDefault());
    EXPECT_EQ(form.defaultButton(), &inner);
    ok.setCancel(true);
    inner.setCancel(true);
    EXPECT_EQ(form.cancelButton(), &inner);
}

TEST_F(ButtonTest, FrameOfAnotherFormIsRefused) {
    Form other("Ctr");
    Frame& foreign = other.add<Frame>("Cdr_Tri");
    EXPECT_THROW(form.add<TextBox>("Txt_X", &foreign), std::invalid_argument);
    EXPECT_THROW(ok.setContainer(&foreign), std::invalid_argument);
    EXPECT_THROW(outer.setContainer(&nested), std::invalid_argument);
    EXPECT_THROW(form.add<TextBox>("Cmd_Imprimer"), std::invalid_argument);
}

}  // namespace
}  // namespace ui
