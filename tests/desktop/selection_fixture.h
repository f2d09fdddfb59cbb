// The individual selection window for centre 75 of the small sample database, shown in
// its desktop window and driven through its Qt widgets.
#pragma once

#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>

#include <memory>

#include "support/state.h"
#include "dialogs/frm_selind_dnt.h"
#include "qt_test_support.h"
#include "rights/droits.h"
#include "desktop/modal_window.h"
#include "desktop/qt_services.h"

namespace uiqttest {

class SelectionFixture : public ::testing::Test, protected testsupport::SampleState {
protected:
    SelectionFixture() {
        app();
        fenetre = std::make_unique<dialogs::Frm_SelindDnt>(s, services, [this] { ++helpCalls; });
        fenetre->W_CentreUrssaf = "75";
        fenetre->Init();
    }
    ~SelectionFixture() override {
        shown.reset();
        fenetre.reset();
    }

    // Shows the window without waiting in it.
    void open() {
        fenetre->form().show(true);
        shown = std::make_unique<desktop::ModalWindow>(fenetre->form());
        shown->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(shown.get()));
        settle();
    }

    template <class Q>
    Q* w(const char* name) {
        Q* widget = shown->view().widget<Q>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    std::vector<std::string> rows(const char* list) {
        std::vector<std::string> t;
        auto* l = w<QListWidget>(list);
        for (int i = 0; i < l->count(); ++i) t.push_back(desktop::fromQ(l->item(i)->text()));
        return t;
    }
    void clickRow(const char* list, int row, bool twice = false) {
        auto* l = w<QListWidget>(list);
        QPoint at = l->visualItemRect(l->item(row)).center();
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, at);
        if (!twice) return;
        // The second press of a double click reaches a widget as the double click itself.
        const QPointF global = l->viewport()->mapToGlobal(QPointF(at));
        QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(at), global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(l->viewport(), &dbl);
        QMouseEvent up(QEvent::MouseButtonRelease, QPointF(at), global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(l->viewport(), &up);
    }
    void search(const char* name) {
        auto* box = w<QLineEdit>("Txt_NomPrenomAide");
        QTest::mouseClick(box, Qt::LeftButton);
        box->selectAll();
        QTest::keyClicks(box, name);
        QTest::mouseClick(w<QPushButton>("Cmd_Recherche"), Qt::LeftButton);
        settle();
    }

    ScriptedPresenter person;
    desktop::QtServices services;
    std::unique_ptr<dialogs::Frm_SelindDnt> fenetre;
    std::unique_ptr<desktop::ModalWindow> shown;
    int helpCalls = 0;
};

}  // namespace uiqttest
