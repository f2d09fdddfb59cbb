// The host window of dnt-gui: it embeds the declaration control's screen, hands the
// control the database, a client object and the user's rights, calls Init, shows the
// progress of a run in its status bar, and closes when the control unloads it, saying
// where the declarations went.
#pragma once

#include <QMainWindow>

#include <memory>
#include <string>

#include "dba/database.h"
#include "desktop/desktop_control.h"

namespace gui {

class HostWindow : public QMainWindow {
public:
    // `helpFolder` holds the control's help pages.
    HostWindow(std::shared_ptr<dba::Database> db, const std::string& user, long today, const std::string& journal,
               const std::string& helpFolder);
    ~HostWindow() override;

    desktop::DesktopControl& desktop() { return *desktop_; }
    // Init of the control; false (the error shown) when it failed.
    bool init();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<desktop::DesktopControl> desktop_;
};

}  // namespace gui
