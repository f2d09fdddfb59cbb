// The selection screen on the desktop: the individual selection box, the exit after its
// handler, and the hourglass with the disabled screen.
#include <QCheckBox>
#include <QCursor>
#include <QGroupBox>
#include <QPushButton>

#include "screen_fixture.h"

namespace uiqttest {
namespace {

// A click on the box itself (a wide button takes clicks on its box and caption only).
void clickBox(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2)); }

using Screen = ScreenFixture;

TEST_F(Screen, ClickOrSpaceOnTheIndividualBoxReachesTheControlAndShowsTheRangeDisabled) {
    open();
    auto* individual = w<QCheckBox>("Cac_SelecInd");
    clickBox(individual);
    EXPECT_TRUE(individual->isChecked());
    EXPECT_TRUE(ctl().Cac_SelecInd->checked());
    EXPECT_FALSE(w<QGroupBox>("Cdr_Selection")->isEnabled());
    EXPECT_FALSE(w<QLineEdit>("Txt_De")->isEnabled());
    QTest::keyClick(individual, Qt::Key_Space);  // the focused box is clicked
    EXPECT_FALSE(individual->isChecked());
    EXPECT_FALSE(ctl().Cac_SelecInd->checked());
    EXPECT_TRUE(w<QLineEdit>("Txt_De")->isEnabled());
}

TEST_F(Screen, SortirClosesTheHostOnceItsHandlerHasReturned) {
    open();
    QTest::mouseClick(w<QPushButton>("Cmd_Sortir"), Qt::LeftButton);
    EXPECT_TRUE(ctl().W_Sortir);
    EXPECT_EQ(hostUnloads, 0);
    settle();
    EXPECT_EQ(hostUnloads, 1);
}

TEST_F(Screen, TheHourglassAndTheDisabledScreenFollowTheControl) {
    open();
    desktop->services().setMousePointer(ui::MousePointer::Hourglass);
    desktop->services().setControlEnabled(false);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    EXPECT_FALSE(view().isEnabled());
    desktop->services().setMousePointer(ui::MousePointer::Default);
    desktop->services().setControlEnabled(true);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(view().isEnabled());
    settle();
    EXPECT_TRUE(w<QLineEdit>("Txt_CtrUrssaf")->hasFocus());  // the focus is given back
}

}  // namespace
}  // namespace uiqttest
