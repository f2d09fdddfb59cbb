// The bindings on a small form of their own: the person's keys and clicks reach the
// models in the toolkit's order, and every property a model changes shows at once.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include "qt_test_support.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/frame.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "desktop/generic_view.h"
#include "ui/scroll_bar.h"
#include "ui/text_box.h"

namespace uiqttest {
namespace {

class Bindings : public ::testing::Test {
protected:
    Bindings() {
        app();
        frame = &form.add<ui::Frame>("Fra", nullptr, "Cadre");
        label = &form.add<ui::Label>("Etq", frame, "Nom");
        text = &form.add<ui::TextBox>("Txt", frame);
        other = &form.add<ui::TextBox>("Txt2");
        combo = &form.add<ui::ComboBox>("Cbo", nullptr, ui::ComboStyle::DropDownList);
        list = &form.add<ui::ListBox>("Lst", nullptr, ui::MultiSelect::Simple);
        bar = &form.add<ui::VScrollBar>("Bdv");
        check = &form.add<ui::CheckBox>("Cac", nullptr, "Case");
        button = &form.add<ui::CommandButton>("Cmd", nullptr, "Bouton");
        text->onKeyPress = [this](int& k) {
            events.push_back("KeyPress " + std::to_string(k) + " on '" + text->text() + "'");
            if (k == 'x') k = 0;
            if (k == 'a') k = 'A';
        };
        text->onChange = [this] { events.push_back("Change '" + text->text() + "'"); };
        text->onGotFocus = [this] { events.push_back("GotFocus Txt"); };
        text->onLostFocus = [this] { events.push_back("LostFocus Txt"); };
        button->onClick = [this] { events.push_back("Click Cmd"); };
        view = std::make_unique<desktop::GenericView>(form);
        view->show();
        view->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        settle();
    }
    template <class Q>
    Q* w(const char* name) {
        return view->widget<Q>(name);
    }

    ScriptedPresenter person;
    ui::Form form{"Frm_Essai", "Essai"};
    ui::Frame* frame;
    ui::Label* label;
    ui::TextBox *text, *other;
    ui::ComboBox* combo;
    ui::ListBox* list;
    ui::VScrollBar* bar;
    ui::CheckBox* check;
    ui::CommandButton* button;
    std::vector<std::string> events;
    std::unique_ptr<desktop::GenericView> view;
};

TEST_F(Bindings, KeysReachTheModelKeyPressBeforeChangeAndDeleteAndSelectionGoThroughIt) {
    auto* edit = w<QLineEdit>("Txt");
    QTest::mouseClick(edit, Qt::LeftButton);
    events.clear();
    QTest::keyClicks(edit, "bxa");  // KeyPress may change or discard the key
    EXPECT_EQ(text->text(), "bA");
    EXPECT_EQ(edit->text(), "bA");
    EXPECT_EQ(events, (std::vector<std::string>{"KeyPress 98 on ''", "Change 'b'", "KeyPress 120 on 'b'",
                                                "KeyPress 97 on 'b'", "Change 'bA'"}));
    text->setText("abcd");
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(edit, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(text->selStart(), 0);
    EXPECT_EQ(text->selLength(), 2);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(text->text(), "cd");
    EXPECT_EQ(edit->text(), "cd");
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(text->text(), "d");
}

TEST_F(Bindings, ClicksAndTabMoveTheFocusInTheModelsOrderWithLostFocusBeforeTheClick) {
    QTest::mouseClick(w<QLineEdit>("Txt"), Qt::LeftButton);
    EXPECT_EQ(form.activeControl(), text);
    QTest::mouseClick(w<QPushButton>("Cmd"), Qt::LeftButton);
    EXPECT_EQ(events, (std::vector<std::string>{"GotFocus Txt", "LostFocus Txt", "Click Cmd"}));
    EXPECT_EQ(form.activeControl(), button);

    QTest::mouseClick(w<QLineEdit>("Txt"), Qt::LeftButton);
    QTest::keyClick(w<QLineEdit>("Txt"), Qt::Key_Tab);
    EXPECT_EQ(form.activeControl(), other);
    EXPECT_TRUE(w<QLineEdit>("Txt2")->hasFocus());
    QTest::keyClick(w<QLineEdit>("Txt2"), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(form.activeControl(), text);
    text->setTabStop(false);
    other->setFocus();
    settle();
    EXPECT_TRUE(w<QLineEdit>("Txt2")->hasFocus());

    // A LostFocus that keeps the focus loses the click.
    text->setTabStop(true);
    text->onLostFocus = [this] { text->setFocus(); };
    QTest::mouseClick(w<QLineEdit>("Txt"), Qt::LeftButton);
    events.clear();
    QTest::mouseClick(w<QPushButton>("Cmd"), Qt::LeftButton);
    settle();
    EXPECT_EQ(std::count(events.begin(), events.end(), "Click Cmd"), 0);
    EXPECT_EQ(form.activeControl(), text);
    EXPECT_TRUE(w<QLineEdit>("Txt")->hasFocus());
}

TEST_F(Bindings, EveryPropertyTheModelChangesShowsAtOnce) {
    text->setText("Dupont");
    EXPECT_EQ(w<QLineEdit>("Txt")->text(), "Dupont");
    text->setEnabled(false);
    EXPECT_FALSE(w<QLineEdit>("Txt")->isEnabled());
    other->setVisible(false);
    EXPECT_TRUE(w<QLineEdit>("Txt2")->isHidden());
    frame->setCaption("Autre cadre");
    EXPECT_EQ(w<QGroupBox>("Fra")->title(), "Autre cadre");
    frame->setEnabled(false);
    EXPECT_FALSE(w<QGroupBox>("Fra")->isEnabled());
    label->setCaption("Prénom");
    EXPECT_EQ(w<QLabel>("Etq")->text(), "Prénom");
    combo->addItem("un");
    combo->addItem("deux");
    combo->setListIndex(1);
    EXPECT_EQ(w<QComboBox>("Cbo")->count(), 2);
    EXPECT_EQ(w<QComboBox>("Cbo")->currentText(), "deux");
    list->addItem("a");
    list->addItem("b");
    list->setSelected(1, true);
    EXPECT_EQ(w<QListWidget>("Lst")->count(), 2);
    EXPECT_TRUE(w<QListWidget>("Lst")->item(1)->isSelected());
    EXPECT_FALSE(w<QListWidget>("Lst")->item(0)->isSelected());
    check->setValue(ui::CheckValue::Checked);
    EXPECT_TRUE(w<QCheckBox>("Cac")->isChecked());
    check->setValue(ui::CheckValue::Grayed);
    EXPECT_EQ(w<QCheckBox>("Cac")->checkState(), Qt::PartiallyChecked);
    bar->setMax(20);
    bar->setValue(5);
    EXPECT_EQ(w<QScrollBar>("Bdv")->maximum(), 20);
    EXPECT_EQ(w<QScrollBar>("Bdv")->value(), 5);
    button->setCaption("Autre");
    EXPECT_EQ(w<QPushButton>("Cmd")->text(), "Autre");
    form.setEnabled(false);
    EXPECT_FALSE(view->isEnabled());
}

TEST_F(Bindings, AnErrorInAHandlerIsReportedNotThrownThroughQt) {
    button->onClick = [] { throw std::runtime_error("plus de papier"); };
    QTest::mouseClick(w<QPushButton>("Cmd"), Qt::LeftButton);
    ASSERT_EQ(person.messages.size(), 1u);
    EXPECT_NE(person.messages[0].text.find("plus de papier"), std::string::npos);
    EXPECT_EQ(person.messages[0].icon, QMessageBox::Critical);
}

TEST_F(Bindings, TheListsMarksAreTheModels) {
    for (const char* t : {"a", "b", "c"}) list->addItem(t);
    auto* l = w<QListWidget>("Lst");
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(2)).center());
    EXPECT_TRUE(list->selected(2));
    EXPECT_EQ(list->listIndex(), 2);
    QTest::keyClick(l, Qt::Key_Up);
    EXPECT_EQ(list->listIndex(), 1);
    QTest::keyClick(l, Qt::Key_Space);
    EXPECT_TRUE(list->selected(1));
    EXPECT_TRUE(l->item(1)->isSelected());
    EXPECT_TRUE(l->item(2)->isSelected());
}

}  // namespace
}  // namespace uiqttest
