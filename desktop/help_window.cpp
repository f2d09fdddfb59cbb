// The help window: a text browser on the HTML help, with contents, back and forward.
#include "desktop/help_window.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "desktop/presenter.h"
#include "desktop/text.h"

namespace desktop {

HelpWindow::HelpWindow() = default;

HelpWindow::~HelpWindow() { delete window_.data(); }

void HelpWindow::openContents(const std::string& helpFile) {
    const QString path = toQ(helpFile);
    if (!QFileInfo(path).isFile()) {
        presenter().message(QApplication::activeWindow(),
                            QStringLiteral("Le fichier d'aide « %1 » est introuvable.").arg(path),
                            QMessageBox::Warning, QStringLiteral("Aide"));
        return;
    }
    if (!window_) {
        auto* w = new QWidget(nullptr, Qt::Window);
        w->setObjectName(QStringLiteral("HelpWindow"));
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->setAttribute(Qt::WA_QuitOnClose, false);  // the program ends with its main window
        w->setWindowTitle(QStringLiteral("Aide — Edition des déclarations nominatives trimestrielles"));
        auto* browser = new QTextBrowser(w);
        browser->setObjectName(QStringLiteral("HelpBrowser"));
        browser->setOpenExternalLinks(true);
        auto* contents = new QPushButton(QStringLiteral("Sommaire"), w);
        auto* back = new QPushButton(QStringLiteral("Précédent"), w);
        auto* forward = new QPushButton(QStringLiteral("Suivant"), w);
        back->setEnabled(false);
        forward->setEnabled(false);
        QObject::connect(contents, &QPushButton::clicked, browser, &QTextBrowser::home);
        QObject::connect(back, &QPushButton::clicked, browser, &QTextBrowser::backward);
        QObject::connect(forward, &QPushButton::clicked, browser, &QTextBrowser::forward);
        QObject::connect(browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
        QObject::connect(browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
        auto* buttons = new QHBoxLayout;
        buttons->addWidget(contents);
        buttons->addWidget(back);
        buttons->addWidget(forward);
        buttons->addStretch(1);
        auto* layout = new QVBoxLayout(w);
        layout->addLayout(buttons);
        layout->addWidget(browser);
        w->resize(760, 620);
        window_ = w;
        browser_ = browser;
    }
    file_ = helpFile;
    browser_->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    browser_->clearHistory();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void HelpWindow::quit(const std::string& helpFile) {
    if (!window_ || helpFile != file_) return;
    window_->close();
    delete window_.data();
}

}  // namespace desktop
