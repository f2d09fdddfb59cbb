// The declaration control on the small sample database, shown on the desktop as dnt-gui
// shows it, with the person's answers scripted.
#pragma once

#include <QLineEdit>
#include <QVBoxLayout>

#include <memory>

#include "support/database.h"
#include "dba/dates.h"
#include "qt_test_support.h"
#include "rights/droits.h"
#include "desktop/desktop_control.h"

namespace uiqttest {

class ScreenFixture : public ::testing::Test {
protected:
    void SetUp() override {
        app();
        db = testsupport::loadSample(tmp);
        // A fourth centre, reachable by a single digit.
        testsupport::put(*db, testsupport::RecChamps("CENTREURSSAF", "07", {{1, "URSSAF DE L'ARDECHE"}, {25, "E0701"}}));
    }
    void TearDown() override {
        window.reset();
        desktop.reset();
    }

    // Creates the control as dnt-gui does, calls Init and shows its screen.
    void open(const std::string& user = "*") {
        desktop::DesktopSetup setup;
        setup.appPath = DNT_HELP_DIR;
        setup.today = [] { return dba::DateInterne("15/07/2013"); };
        desktop = std::make_unique<desktop::DesktopControl>(setup);
        desktop->services().onUnloadHost = [this] { ++hostUnloads; };
        auto& ctl = desktop->control();
        ctl.setTheDatabase(db);
        ctl.setTheClient(std::make_shared<int>(1));
        ctl.setDroitsUtilisateur(std::make_shared<rights::DroitsUtilisateur>(db, user));
        window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(window.get());
        layout->addWidget(&desktop->view());
        ctl.Init();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        settle();
    }

    desktop::ControlView& view() { return desktop->view(); }
    control::Ctr_ControleEditVardec& ctl() { return desktop->control(); }
    template <class Q>
    Q* w(const char* name) {
        Q* widget = view().widget<Q>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // Types a centre code as the person does and leaves the box with Tab.
    void typeCentre(const char* keys) {
        auto* code = w<QLineEdit>("Txt_CtrUrssaf");
        QTest::mouseClick(code, Qt::LeftButton);
        QTest::keyClicks(code, keys);
        QTest::keyClick(code, Qt::Key_Tab);
        settle();
    }

    ScriptedPresenter person;
    testsupport::TempDb tmp;
    std::shared_ptr<dba::Database> db;
    std::unique_ptr<desktop::DesktopControl> desktop;
    std::unique_ptr<QWidget> window;
    int hostUnloads = 0;
};

}  // namespace uiqttest
