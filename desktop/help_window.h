// The control's help on the desktop: its HTML contents page shown in a help window of the
// application (not modal, usable beside the screen and its dialogs), closed when the
// control goes away.
#pragma once

#include <QPointer>
#include <QTextBrowser>
#include <QWidget>

#include <string>

#include "control/help.h"


namespace desktop {

class HelpWindow : public control::HelpService {
public:
    HelpWindow();
    ~HelpWindow() override;

    // Shows the contents page (the help file itself), opening the window if needed. A
    // missing file is reported in a message box.
    void openContents(const std::string& helpFile) override;
    // Closes the window if it shows that file.
    void quit(const std::string& helpFile) override;

    // The window while it is open, nullptr otherwise.
    QWidget* window() const { return window_.data(); }
    QTextBrowser* browser() const { return browser_.data(); }

private:
    QPointer<QWidget> window_;
    QPointer<QTextBrowser> browser_;
    std::string file_;
};

}  // namespace desktop
