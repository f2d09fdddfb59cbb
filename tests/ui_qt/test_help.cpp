// The help on the desktop: the right-button menu "Aide_TALMIRAN" of the screen opens the
// HTML contents in a help window, which closes with the control.
#include <QGroupBox>
#include <QPointer>
#include <QTextBrowser>

#include "screen_fixture.h"

namespace uiqttest {
namespace {

using Help = ScreenFixture;

TEST_F(Help, RightButtonOnTheBackgroundOffersTheHelpContents) {
    open();
    person.menuAnswer = "Aide_TALMIRAN";
    QTest::mouseClick(&view(), Qt::RightButton, {}, QPoint(3, 3));
    ASSERT_EQ(person.popups.size(), 1u);
    EXPECT_EQ(person.popups[0], std::vector<std::string>{"Aide_TALMIRAN"});
    ASSERT_NE(desktop->help().window(), nullptr);
    EXPECT_TRUE(desktop->help().window()->isVisible());
    EXPECT_TRUE(desktop->help().browser()->source().toLocalFile().endsWith("ControleEditDntVardec.html"));
    EXPECT_FALSE(desktop->help().browser()->toPlainText().isEmpty());
    QPointer<QWidget> helpWindow = desktop->help().window();
    window.reset();
    desktop.reset();  // the control goes: its help closes
    EXPECT_TRUE(helpWindow.isNull());
}

TEST_F(Help, F1OpensTheSameContents) {
    open();
    QTest::keyClick(w<QGroupBox>("Cdr_Tri"), Qt::Key_F1);
    EXPECT_TRUE(person.popups.empty());
    ASSERT_NE(desktop->help().window(), nullptr);
    EXPECT_TRUE(desktop->help().browser()->source().toLocalFile().endsWith("ControleEditDntVardec.html"));
}

TEST_F(Help, TheNameRangeFrameOffersItTooButNotTheOtherFrames) {
    open();
    QTest::mouseClick(w<QGroupBox>("Cdr_Selection"), Qt::RightButton, {}, QPoint(4, 4));
    EXPECT_EQ(person.popups.size(), 1u);
    QTest::mouseClick(w<QGroupBox>("Cdr_Tri"), Qt::RightButton, {}, QPoint(4, 4));
    QTest::mouseClick(&view(), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(person.popups.size(), 1u);
    EXPECT_EQ(desktop->help().window(), nullptr);  // dismissed: nothing chosen
}

TEST_F(Help, TheContentsLinkToTheOtherPages) {
    open();
    person.menuAnswer = "Aide_TALMIRAN";
    QTest::mouseClick(&view(), Qt::RightButton, {}, QPoint(3, 3));
    ASSERT_NE(desktop->help().browser(), nullptr);
    const QString html = desktop->help().browser()->toHtml();
    for (const char* page : {"trimestre.html", "selection-individuelle.html", "impression.html", "ligne-de-commande.html"})
        EXPECT_TRUE(html.contains(page)) << page;
}

}  // namespace
}  // namespace uiqttest
