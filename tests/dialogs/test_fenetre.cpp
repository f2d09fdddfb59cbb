// The selection window's refused title-bar close and its help pop-up menu.
#include "fixture.h"
#include "ui/keys.h"

namespace dialogstest {
namespace {

using FenetreSelection = Fenetre;

TEST_F(FenetreSelection, TitleBarCloseDoesNothing) {
    ajouterCode("04449");
    EXPECT_FALSE(d.closeWindow());
    EXPECT_TRUE(f.form().loaded());
    EXPECT_TRUE(f.form().visible());
    EXPECT_FALSE(f.W_SortirSelindDnt);
    EXPECT_FALSE(f.form().unload());  // nor does an unload from code before a button
    EXPECT_TRUE(f.form().loaded());
}

TEST_F(FenetreSelection, RightButtonOnWindowOrFrameOpensHelpMenu) {
    ui::Menu& helpMenu = *f.Mnu_Aide;
    helpMenu.setEnabled(false);
    f.Mnu_Sommaire->setEnabled(false);
    EXPECT_TRUE(d.mouseDown(ui::kLeftButton, 1, 2));
    EXPECT_TRUE(f.form().popupRequests().empty());
    EXPECT_TRUE(d.mouseDown(ui::kRightButton, 10, 20));
    ASSERT_EQ(f.form().popupRequests().size(), 1u);
    EXPECT_EQ(f.form().popupRequests()[0].menu, &helpMenu);
    EXPECT_TRUE(helpMenu.enabled());
    EXPECT_TRUE(f.Mnu_Sommaire->enabled());
    EXPECT_TRUE(d.mouseDown(*f.Fra_Selec, ui::kRightButton, 3, 4));
    EXPECT_EQ(f.form().popupRequests().size(), 2u);
    // The possible frame takes no input until it lists candidates.
    EXPECT_FALSE(d.mouseDown(*f.Fra_Pos, ui::kRightButton, 3, 4));
    taperCode("04449");
    EXPECT_TRUE(d.mouseDown(*f.Fra_Pos, ui::kRightButton, 3, 4));
    EXPECT_EQ(f.form().popupRequests().size(), 3u);
    EXPECT_TRUE(d.chooseMenu(*f.Mnu_Sommaire));
    EXPECT_EQ(helpOpened, 1);
}

}  // namespace
}  // namespace dialogstest
