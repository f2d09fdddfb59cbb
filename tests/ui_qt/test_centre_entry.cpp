// The centre entry of the screen, typed into the real widgets: the padding shown, the
// focus moved on, a paste refused, and the unknown-centre message box.
#include <QClipboard>
#include <QComboBox>
#include <QPushButton>

#include "screen_fixture.h"

namespace uiqttest {
namespace {

using CentreEntry = ScreenFixture;

TEST_F(CentreEntry, SingleDigitAndTabGivesTwoDigitsAndTheCentreName) {
    open();
    auto* code = w<QLineEdit>("Txt_CtrUrssaf");
    auto* name = w<QComboBox>("Cbo_CtrUrssaf");
    EXPECT_FALSE(w<QPushButton>("Cmd_OK")->isEnabled());
    QTest::keyClicks(code, "7");
    QTest::keyClick(code, Qt::Key_Tab);
    settle();
    EXPECT_EQ(code->text(), "07");
    EXPECT_EQ(name->currentText(), "URSSAF DE L'ARDECHE");
    EXPECT_TRUE(w<QPushButton>("Cmd_OK")->isEnabled());
    // Tab moved the focus on, in the model's order.
    EXPECT_EQ(ctl().surface().activeControl(), ctl().Cbo_CtrUrssaf);
    EXPECT_TRUE(name->hasFocus() || name->isAncestorOf(QApplication::focusWidget()));
    EXPECT_TRUE(person.messages.empty());
}

TEST_F(CentreEntry, UnknownCentreIsReportedWithTheControlsTitleAndTheWarningIcon) {
    open();
    auto* code = w<QLineEdit>("Txt_CtrUrssaf");
    QTest::keyClicks(code, "99");
    settle();
    ASSERT_EQ(person.messages.size(), 1u);
    EXPECT_EQ(person.messages[0].text, "Ce centre Urssaf n'existe pas.");
    EXPECT_EQ(person.messages[0].icon, QMessageBox::Warning);
    EXPECT_EQ(person.messages[0].title, "Message TALMIRAN");
    EXPECT_EQ(code->text(), "");
    EXPECT_TRUE(code->hasFocus());
    EXPECT_FALSE(w<QPushButton>("Cmd_OK")->isEnabled());
}

TEST_F(CentreEntry, PastingIsRefusedLikeAnyKeyThatIsNotADigit) {
    open();
    auto* code = w<QLineEdit>("Txt_CtrUrssaf");
    QApplication::clipboard()->setText("75");
    QTest::keyClick(code, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(code->text(), "");
}

}  // namespace
}  // namespace uiqttest
