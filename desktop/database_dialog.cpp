// The database chooser of dnt-gui and the memory of the last database.
#include "desktop/database_dialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QVBoxLayout>

#include "dba/storage.h"
#include "desktop/presenter.h"
#include "desktop/text.h"

namespace desktop {

namespace {

const QString kLastKey = QStringLiteral("database/last");

QSettings settings() { return QSettings(QStringLiteral("dnt"), QStringLiteral("dnt-gui")); }

bool isServer(const QString& target) { return dba::isServerTarget(fromQ(target)); }

// A URI without the password its user part or its parameters may carry: the settings
// file is no place for one (~/.pgpass is).
QString withoutPassword(QString uri) {
    uri.replace(QRegularExpression(QStringLiteral("^([a-z]+://[^:@/?]*):[^@/?]*@")), QStringLiteral("\\1@"));
    uri.replace(QRegularExpression(QStringLiteral("([?&])password=[^&]*(&|$)")), QStringLiteral("\\1"));
    if (uri.endsWith(QLatin1Char('&')) || uri.endsWith(QLatin1Char('?'))) uri.chop(1);
    return uri;
}

}  // namespace

DatabaseDialog::DatabaseDialog(const QString& proposed, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("DatabaseDialog"));
    setWindowTitle(QStringLiteral("Base des déclarations"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Quelle base des déclarations ouvrir ?"), this));
    auto* grid = new QGridLayout;
    file_ = new QRadioButton(QStringLiteral("Un fichier"), this);
    path_ = new QLineEdit(this);
    browse_ = new QPushButton(QStringLiteral("Parcourir…"), this);
    server_ = new QRadioButton(QStringLiteral("Un serveur PostgreSQL"), this);
    uri_ = new QLineEdit(this);
    uri_->setPlaceholderText(QStringLiteral("postgresql://rôle@serveur/base"));
    grid->addWidget(file_, 0, 0);
    grid->addWidget(path_, 0, 1);
    grid->addWidget(browse_, 0, 2);
    grid->addWidget(server_, 1, 0);
    grid->addWidget(uri_, 1, 1, 1, 2);
    grid->setColumnMinimumWidth(1, 320);
    layout->addLayout(grid);
    auto* buttons = new QDialogButtonBox(this);
    open_ = buttons->addButton(QStringLiteral("Ouvrir"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole);
    open_->setDefault(true);
    layout->addWidget(buttons);

    (isServer(proposed) ? uri_ : path_)->setText(proposed);
    (isServer(proposed) ? server_ : file_)->setChecked(true);
    connect(file_, &QRadioButton::toggled, this, [this] { update(); });
    connect(path_, &QLineEdit::textChanged, this, [this] { update(); });
    connect(uri_, &QLineEdit::textChanged, this, [this] { update(); });
    connect(browse_, &QPushButton::clicked, this, [this] {
        const QString chosen = presenter().openFile(this, QStringLiteral("Base des déclarations"), path_->text(),
                                                    QStringLiteral("Bases (*.db *.sqlite);;Tous les fichiers (*)"));
        if (chosen.isEmpty()) return;
        path_->setText(chosen);
        file_->setChecked(true);
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    update();
}

QString DatabaseDialog::target() const { return (file_->isChecked() ? path_ : uri_)->text().trimmed(); }

void DatabaseDialog::update() {
    path_->setEnabled(file_->isChecked());
    browse_->setEnabled(file_->isChecked());
    uri_->setEnabled(server_->isChecked());
    // A URI that is not one would be taken for a file's name.
    open_->setEnabled(!target().isEmpty() && (file_->isChecked() || isServer(target())));
}

QString chooseDatabase(const QString& proposed, QWidget* parent) {
    DatabaseDialog dialog(proposed, parent);
    if (presenter().exec(dialog) != QDialog::Accepted) return {};
    return dialog.target();
}

QString lastDatabase() { return settings().value(kLastKey).toString(); }

void rememberDatabase(const QString& target) {
    QSettings s = settings();
    // A file by its whole path, so that it is found again from any folder.
    s.setValue(kLastKey, isServer(target) ? withoutPassword(target) : QFileInfo(target).absoluteFilePath());
}

}  // namespace desktop
