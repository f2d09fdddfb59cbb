// The application window: its home page, the selection screen's page, the menus, and what
// happens when the control closes its form.
#include "desktop/application_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include "desktop/guarded.h"
#include "desktop/history_window.h"
#include "desktop/presenter.h"
#include "desktop/preview_window.h"
#include "desktop/text.h"
#include "rights/droits.h"
#include "ui/driver.h"

namespace desktop {

namespace {

const QString kTitle = QStringLiteral("Message TALMIRAN");

// What the host hands the control as its client: who runs it.
struct Client {
    std::string program = "dnt-gui";
    std::string user;
};

QPushButton* bigButton(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setMinimumSize(260, 44);
    QFont f = button->font();
    f.setPointSizeF(f.pointSizeF() * 1.2);
    button->setFont(f);
    return button;
}

}  // namespace

ApplicationWindow::ApplicationWindow(std::shared_ptr<dba::Database> db, std::string user, long today,
                                     std::string journal, std::string appPath)
    : db_(std::move(db)), user_(std::move(user)), journal_(std::move(journal)),
      appPath_(appPath.empty() ? QCoreApplication::applicationDirPath().toStdString() : std::move(appPath)),
      today_(today) {
    setObjectName(QStringLiteral("ApplicationWindow"));
    setWindowTitle(QStringLiteral("Edition des Déclarations Nominatives Trimestrielles"));
    fullAccess_ = rights::ModuleRights(db_, user_, control::Ctr_ControleEditVardec::kModule).NiveauAcces() == 2;
    pages_ = new QStackedWidget(this);
    home_ = buildHome();
    screenPage_ = buildScreenPage();
    pages_->addWidget(home_);
    pages_->addWidget(screenPage_);
    setCentralWidget(pages_);
    buildMenus();
    // A file by its name; a server as it names itself, without a password.
    const std::string where = db_->storage().where();
    const QString base = dba::isServerTarget(where) ? toQ(where) : QFileInfo(toQ(where)).fileName();
    statusBar()->addPermanentWidget(new QLabel(QStringLiteral("%1 — %2").arg(base, toQ(user_)), this));
    resize(820, 620);
    showHome();
}

ApplicationWindow::~ApplicationWindow() { screen_.reset(); }

QString ApplicationWindow::associations() const {
    QStringList names;
    try {
        dba::DynArray request, result;
        request.Replace(1, 0, 0, "SSELECT ASSOCIATION PAR 1");
        request.Replace(2, 0, 0, "ASSOCIATION");
        request.Replace(3, 0, 0, "0 1");
        result.setText(db_->DBExecute(request.Extract(-1, -1, -1), ""));
        for (int i = 1; i <= result.DCount(); ++i)
            if (!result.element(i, 2).empty() && !names.contains(toQ(result.element(i, 2)))) names << toQ(result.element(i, 2));
    } catch (const std::exception&) {
        // The window is still of use without the names.
    }
    return names.isEmpty() ? QStringLiteral("Association") : names.join(QStringLiteral("\n"));
}

QWidget* ApplicationWindow::buildHome() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("home"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(24, 20, 24, 20);
    auto* name = new QLabel(associations(), page);
    name->setObjectName(QStringLiteral("association"));
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    name->setFont(big);
    layout->addWidget(name);
    const std::string where = db_->storage().where();
    auto* who = new QLabel(QStringLiteral("Base : %1\nUtilisateur : %2").arg(toQ(where), toQ(user_)), page);
    who->setObjectName(QStringLiteral("who"));
    layout->addWidget(who);
    layout->addSpacing(12);

    auto* declarations = bigButton(QStringLiteral("&Déclarations trimestrielles"), "declarations", page);
    auto* history = bigButton(QStringLiteral("&Historique"), "history", page);
    auto* help = bigButton(QStringLiteral("&Aide"), "help", page);
    auto* quit = bigButton(QStringLiteral("&Quitter"), "quit", page);
    for (QPushButton* b : {declarations, history, help, quit}) layout->addWidget(b, 0, Qt::AlignLeft);
    if (!fullAccess_) {
        history->setEnabled(false);
        auto* why = new QLabel(QStringLiteral("L'historique et l'impression sont réservés aux utilisateurs qui ont "
                                              "l'accès complet aux déclarations."),
                               page);
        why->setObjectName(QStringLiteral("rights"));
        why->setWordWrap(true);
        layout->addWidget(why);
    }
    connect(declarations, &QPushButton::clicked, this, [this] { openScreen(); });
    connect(history, &QPushButton::clicked, this, [this] { openHistory(); });
    connect(help, &QPushButton::clicked, this, [this] { openHelp(); });
    connect(quit, &QPushButton::clicked, this, &QWidget::close);

    auto* last = new QGroupBox(QStringLiteral("Dernière impression"), page);
    auto* inner = new QVBoxLayout(last);
    resultText_ = new QLabel(QStringLiteral("Aucune impression depuis l'ouverture."), last);
    resultText_->setObjectName(QStringLiteral("result"));
    resultText_->setWordWrap(true);
    resultText_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    inner->addWidget(resultText_);
    auto* buttons = new QHBoxLayout;
    openDocument_ = new QPushButton(QStringLiteral("Ouvrir le d&ocument"), last);
    openDocument_->setObjectName(QStringLiteral("openDocument"));
    openFolder_ = new QPushButton(QStringLiteral("Ouvrir le dossie&r"), last);
    openFolder_->setObjectName(QStringLiteral("openFolder"));
    buttons->addWidget(openDocument_);
    buttons->addWidget(openFolder_);
    buttons->addStretch();
    inner->addLayout(buttons);
    connect(openDocument_, &QPushButton::clicked, this,
            [this] { QDesktopServices::openUrl(QUrl::fromLocalFile(toQ(result_.destination))); });
    connect(openFolder_, &QPushButton::clicked, this, [this] {
        QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(toQ(result_.destination)).absolutePath()));
    });
    layout->addWidget(last);
    layout->addStretch();
    return page;
}

QWidget* ApplicationWindow::buildScreenPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("screenPage"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(12, 0, 12, 8);
    progress_ = new ProgressLabel(page);
    stop_ = new QPushButton(QStringLiteral("&Arrêter"), page);
    stop_->setObjectName(QStringLiteral("stop"));
    stop_->setToolTip(QStringLiteral("Arrête l'impression après l'aidé en cours : les aidés faits restent "
                                     "imprimés et enregistrés."));
    stop_->setVisible(false);
    bar->addWidget(progress_, 1);
    bar->addWidget(stop_);
    layout->addLayout(bar);
    connect(stop_, &QPushButton::clicked, this, [this] {
        if (!screen_) return;
        screen_->requestStop();
        stop_->setEnabled(false);
        progress_->setText(QStringLiteral("Arrêt demandé : l'impression s'arrête après l'aidé en cours…"));
    });
    return page;
}

void ApplicationWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Fichier"));
    QAction* declarations = file->addAction(QStringLiteral("&Déclarations trimestrielles…"));
    declarations->setObjectName(QStringLiteral("declarationsAction"));
    declarations->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(declarations, &QAction::triggered, this, [this] { openScreen(); });
    file->addSeparator();
    QAction* quit = file->addAction(QStringLiteral("&Quitter"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(quit, &QAction::triggered, this, &QWidget::close);
    if (fullAccess_) {
        QAction* history = menuBar()->addMenu(QStringLiteral("&Outils"))->addAction(QStringLiteral("&Historique…"));
        history->setObjectName(QStringLiteral("history"));
        connect(history, &QAction::triggered, this, [this] { openHistory(); });
    }
    QAction* help = menuBar()->addMenu(QStringLiteral("&Aide"))->addAction(QStringLiteral("&Sommaire"));
    connect(help, &QAction::triggered, this, [this] { openHelp(); });
}

bool ApplicationWindow::openScreen(bool runAtOnce) {
    if (screen_) return true;
    DesktopSetup setup;
    setup.appPath = appPath_;
    setup.today = [today = today_] { return today; };
    setup.journal = journal_;
    screen_ = std::make_unique<DesktopControl>(setup);
    DesktopControl& screen = *screen_;
    screen.chooser().setParent(this);
    screen.chooser().setLastIndex(printerIndex_);
    if (!folder_.isEmpty()) screen.chooser().setFolder(folder_);
    screen.services().onUnloadHost = [this] { screenClosed(); };
    screen.setProgressLabel(progress_);
    screen.onRunning = [this](bool running) {
        menuBar()->setEnabled(!running);
        stop_->setVisible(running);
        stop_->setEnabled(running);
    };
    control::Ctr_ControleEditVardec& ctl = screen.control();
    ctl.setTheDatabase(db_);
    ctl.setTheClient(std::make_shared<Client>(Client{"dnt-gui", user_}));
    ctl.setDroitsUtilisateur(std::make_shared<rights::DroitsUtilisateur>(db_, user_));
    static_cast<QVBoxLayout*>(screenPage_->layout())->insertWidget(0, &screen.view(), 1);
    progress_->clear();
    std::string failure;
    const bool ok = guarded([&] {
        try {
            ctl.Init();
        } catch (const std::exception& e) {
            failure = errorText(e);
        }
    });
    if (!ok || !failure.empty()) {
        screen.services().recover();
        screen_.reset();
        if (!failure.empty())
            presenter().message(this, QStringLiteral("L'écran des déclarations ne peut pas être préparé.\n\n%1").arg(toQ(failure)),
                                QMessageBox::Critical, kTitle);
        showHome();
        return false;
    }
    if (!ctl.Cmd_OK->visible())
        screen.view().showNotice(QStringLiteral("Vous n'avez pas l'accès complet aux déclarations : l'impression vous "
                                                "est fermée (bouton OK absent). Demandez-le à l'administrateur."));
    if (choices_.individual) screen.proposedCodes = choices_.codes;
    guarded([&] { choices_.apply(ctl); });
    pages_->setCurrentWidget(screenPage_);
    if (runAtOnce) {
        screen.replay = true;
        QTimer::singleShot(0, this, [this] {
            if (screen_ && screen_->control().Cmd_OK->enabled())
                guarded([this] { ui::Driver(screen_->control().surface()).click(*screen_->control().Cmd_OK); });
        });
    }
    return true;
}

void ApplicationWindow::screenClosed() {
    if (!screen_) return;
    DesktopControl& screen = *screen_;
    control::Ctr_ControleEditVardec& ctl = screen.control();
    const std::vector<std::string> previous = choices_.codes;
    choices_ = ScreenChoices::read(ctl);
    choices_.codes = screen.selectionRan() ? screen.pickedCodes() : previous;
    printerIndex_ = screen.chooser().lastIndex();
    folder_ = screen.chooser().folder();
    result_ = RunResult::of(ctl.state(), screen.printers().output().string(), screen.printers().splitFolder().string());
    bool printFromPreview = false;
    if (const printing::RecordedPages* pages = screen.previewPages()) {
        PreviewWindow preview(*pages, this);
        preview.setWindowTitle(QStringLiteral("Aperçu — %1, centre %2").arg(toQ(choices_.quarter), toQ(choices_.centre)));
        printFromPreview = presenter().exec(preview) == PreviewWindow::kPrint;
    }
    screen_.reset();
    showHome();
    if (printFromPreview) openScreen(true);
}

void ApplicationWindow::showHome() {
    resultText_->setText(result_.printed || result_.preview || choices_.made ? toQ(result_.text())
                                                                              : QStringLiteral("Aucune impression depuis l'ouverture."));
    const bool file = result_.printed && !result_.preview && result_.toFile && QFileInfo::exists(toQ(result_.destination));
    openDocument_->setEnabled(file);
    openFolder_->setEnabled(file);
    stop_->setVisible(false);
    menuBar()->setEnabled(true);
    pages_->setCurrentWidget(home_);
}

void ApplicationWindow::openHistory() {
    if (!fullAccess_) return;
    HistoryWindow window(db_, user_, this);
    presenter().exec(window);
}

void ApplicationWindow::openHelp() { help_.openContents(control::HelpFilePath(appPath_, "application.html")); }

void ApplicationWindow::closeEvent(QCloseEvent* event) {
    // While a run prints, the control holds the screen: the window stays.
    if (screen_ && (screen_->running() || !screen_->control().surface().enabled())) {
        event->ignore();
        return;
    }
    screen_.reset();
    event->accept();
}

}  // namespace desktop
