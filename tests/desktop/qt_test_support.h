// What the desktop's tests share: a QApplication on the offscreen platform, and a
// presenter that records message boxes and answers menus and modal windows at once.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QTest>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "desktop/desktop_font.h"
#include "desktop/presenter.h"
#include "desktop/text.h"

namespace uiqttest {

inline QApplication& app() {
    static int argc = 1;
    static char name[] = "test_desktop";
    static char* argv[] = {name, nullptr};
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QApplication* instance = [] {
        auto* a = new QApplication(argc, argv);
        // The screens laid out as on every machine, whatever fonts this one has.
        if (!desktop::useDesktopFont()) ADD_FAILURE() << "DejaVu Sans is missing (fonts-dejavu-core)";
        return a;
    }();
    return *instance;
}

// Lets the queued work (focus moves, the host's closing) run.
inline void settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

// A message box as the person saw it.
struct Shown {
    std::string text;
    QMessageBox::Icon icon;
    std::string title;
};

// Replaces the presenter for the time of a test.
class ScriptedPresenter {
public:
    ScriptedPresenter() {
        app();
        auto& p = desktop::presenter();
        p.message = [this](QWidget*, const QString& text, QMessageBox::Icon icon, const QString& title) {
            messages.push_back({desktop::fromQ(text), icon, desktop::fromQ(title)});
        };
        p.popup = [this](QMenu& menu, const QPoint&) -> QAction* {
            std::vector<std::string> captions;
            QAction* chosen = nullptr;
            for (QAction* a : menu.actions()) {
                captions.push_back(desktop::fromQ(a->text()));
                if (desktop::fromQ(a->text()) == menuAnswer && a->isEnabled()) chosen = a;
            }
            popups.push_back(captions);
            return chosen;
        };
        p.exec = [this](QDialog& dialog) {
            ++modalCount;
            if (!modal) throw std::logic_error("no answer for the modal window " + dialog.objectName().toStdString());
            // Shown as exec() shows it, then played.
            dialog.show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
            settle();
            int result = modal(dialog);
            dialog.hide();
            return result;
        };
        p.saveFile = [this](QWidget*, const QString&, const QString& proposed, const QString&) {
            proposedFiles.push_back(desktop::fromQ(proposed));
            if (saveAnswers.empty()) return desktop::toQ(saveAnswer);
            std::string answer = saveAnswers.front();
            saveAnswers.erase(saveAnswers.begin());
            return desktop::toQ(answer);
        };
        p.openFile = [](QWidget*, const QString&, const QString&, const QString&) { return QString(); };
        p.confirm = [this](QWidget*, const QString&, const QString&) { return confirmAnswer; };
    }
    ~ScriptedPresenter() { desktop::resetPresenter(); }

    std::vector<Shown> messages;
    std::vector<std::vector<std::string>> popups;
    std::string menuAnswer;             // caption of the menu item to choose
    std::function<int(QDialog&)> modal;  // plays a modal window
    int modalCount = 0;
    std::string saveAnswer;  // the file chosen in the save dialog ("" cancels)
    std::vector<std::string> saveAnswers;  // the files chosen first, one per time it is shown
    std::vector<std::string> proposedFiles;
    bool confirmAnswer = true;  // the answer to yes-or-no questions
};

}  // namespace uiqttest
