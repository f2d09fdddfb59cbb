// The application around the declaration control, as a clerk spends the day in it: a main
// window with the association, the database and the user, a menu and large buttons
// (Déclarations trimestrielles, Historique, Aide, Quitter). The selection screen is a page
// of it; when the control closes its form (end of a run, Sortir, Annuler, Retour) the
// application stays, tells the result of the run, and opens the screen again on demand
// with the last quarter, centre, printer and individual selection proposed. A preview is
// shown in the preview window, whose "Imprimer…" runs the same choices for real.
#pragma once

#include <QMainWindow>
#include <QPointer>

#include <memory>
#include <string>

#include "dba/database.h"
#include "desktop/desktop_control.h"
#include "desktop/help_window.h"
#include "desktop/run_result.h"
#include "desktop/screen_choices.h"

class QLabel;
class QPushButton;
class QStackedWidget;

namespace desktop {

class ApplicationWindow : public QMainWindow {
public:
    ApplicationWindow(std::shared_ptr<dba::Database> db, std::string user, long today, std::string journal = {},
                      std::string appPath = {});
    ~ApplicationWindow() override;

    // Opens the selection screen with the last choices proposed; with `runAtOnce`, presses
    // its OK at once (the individual selection typed in again without showing its window).
    // False when the screen could not be prepared (the reason shown).
    bool openScreen(bool runAtOnce = false);
    // The screen while it is open, nullptr on the home page.
    DesktopControl* screen() const { return screen_.get(); }
    const RunResult& result() const { return result_; }
    const ScreenChoices& choices() const { return choices_; }
    void openHistory();
    // The help page of the application window.
    void openHelp();

    QStackedWidget& pages() const { return *pages_; }
    QLabel& resultLabel() const { return *resultText_; }
    QPushButton& stopButton() const { return *stop_; }
    ProgressLabel& progress() const { return *progress_; }
    bool fullAccess() const { return fullAccess_; }
    const std::shared_ptr<dba::Database>& database() const { return db_; }
    const std::string& user() const { return user_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildHome();
    QWidget* buildScreenPage();
    void buildMenus();
    void screenClosed();
    void showHome();
    QString associations() const;

    std::shared_ptr<dba::Database> db_;
    std::string user_, journal_, appPath_;
    long today_;
    bool fullAccess_ = false;
    std::unique_ptr<DesktopControl> screen_;
    ScreenChoices choices_;
    RunResult result_;
    int printerIndex_ = 0;
    QString folder_;
    HelpWindow help_;
    QStackedWidget* pages_;
    QWidget *home_, *screenPage_;
    QLabel* resultText_;
    QPushButton *openDocument_, *openFolder_, *stop_;
    ProgressLabel* progress_;
};

}  // namespace desktop
