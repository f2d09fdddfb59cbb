// The host window around the control.
#include "apps/dnt-gui/host_window.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>

#include "rights/droits.h"
#include "desktop/guarded.h"
#include "desktop/history_window.h"
#include "desktop/presenter.h"
#include "desktop/text.h"

namespace gui {

namespace {
// What the host hands the control as its client: who runs it.
struct Client {
    std::string program = "dnt-gui";
    std::string user;
};
}  // namespace

HostWindow::HostWindow(std::shared_ptr<dba::Database> db, const std::string& user, long today,
                       const std::string& journal, const std::string& helpFolder) {
    setObjectName(QStringLiteral("HostWindow"));
    desktop::DesktopSetup setup;
    setup.appPath = helpFolder;
    setup.today = [today] { return today; };
    setup.journal = journal;
    desktop_ = std::make_unique<desktop::DesktopControl>(setup);
    desktop_->services().onUnloadHost = [this] {
        // A preview shows its pages, then the screen is there again, with the same
        // choices, for a real run.
        if (desktop_->showPreview(this)) return;
        const QString summary = desktop_->runSummary();
        if (!summary.isEmpty())
            desktop::presenter().message(this, summary, QMessageBox::Information, windowTitle());
        close();
    };
    desktop_->chooser().setParent(this);

    control::Ctr_ControleEditVardec& ctl = desktop_->control();
    ctl.setTheDatabase(db);
    ctl.setTheClient(std::make_shared<Client>(Client{"dnt-gui", user}));
    ctl.setDroitsUtilisateur(std::make_shared<rights::DroitsUtilisateur>(db, user));

    setCentralWidget(&desktop_->view());
    auto* progress = new desktop::ProgressLabel(this);
    statusBar()->addWidget(progress, 1);
    desktop_->setProgressLabel(progress);
    // A file by its name; a server as it names itself, without a password.
    const std::string where = db->storage().where();
    const QString base = dba::isServerTarget(where) ? desktop::toQ(where) : QFileInfo(desktop::toQ(where)).fileName();
    statusBar()->addPermanentWidget(new QLabel(QStringLiteral("%1 — %2").arg(base, desktop::toQ(user)), this));
    setWindowTitle(QStringLiteral("Edition des Déclarations Nominatives Trimestrielles"));

    // The history of runs and their undo, for a user with full access only.
    if (rights::ModuleRights(db, user, control::Ctr_ControleEditVardec::kModule).NiveauAcces() == 2) {
        QAction* history = menuBar()->addMenu(QStringLiteral("Outils"))->addAction(QStringLiteral("Historique…"));
        history->setObjectName(QStringLiteral("history"));
        connect(history, &QAction::triggered, this, [this, db, user] {
            desktop::HistoryWindow window(db, user, this);
            desktop::presenter().exec(window);
        });
    }
}

HostWindow::~HostWindow() {
    takeCentralWidget();  // the control's view goes with the control
    desktop_.reset();
}

bool HostWindow::init() {
    std::string failure;
    bool ok = desktop::guarded([&] {
        try {
            desktop_->control().Init();
        } catch (const std::exception& e) {
            failure = desktop::errorText(e);
        }
    });
    if (ok && failure.empty()) return true;
    desktop_->services().recover();
    desktop::presenter().message(this,
                                QStringLiteral("L'écran des déclarations ne peut pas être préparé.\n\n%1")
                                    .arg(desktop::toQ(failure)),
                                QMessageBox::Critical, QStringLiteral("Message TALMIRAN"));
    return false;
}

void HostWindow::closeEvent(QCloseEvent* event) {
    // While a run prints, the control holds the screen: the window stays.
    if (!desktop_->control().surface().enabled()) {
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace gui
