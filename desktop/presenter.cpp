// The interactive defaults of the presenter: Qt's own message box, menu, dialogs.
#include "desktop/presenter.h"

#include <QDialog>
#include <QFileDialog>
#include <QMenu>
#include <QPushButton>

namespace desktop {

namespace {

Presenter interactive() {
    Presenter p;
    p.message = [](QWidget* parent, const QString& text, QMessageBox::Icon icon, const QString& title) {
        QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
        box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
        box.exec();
    };
    p.popup = [](QMenu& menu, const QPoint& pos) { return menu.exec(pos); };
    p.exec = [](QDialog& dialog) { return dialog.exec(); };
    p.saveFile = [](QWidget* parent, const QString& caption, const QString& proposed, const QString& filter) {
        return QFileDialog::getSaveFileName(parent, caption, proposed, filter);
    };
    p.confirm = [](QWidget* parent, const QString& text, const QString& title) {
        QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("Oui"));
        box.button(QMessageBox::No)->setText(QStringLiteral("Non"));
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    };
    p.openFile = [](QWidget* parent, const QString& caption, const QString& dir, const QString& filter) {
        return QFileDialog::getOpenFileName(parent, caption, dir, filter);
    };
    return p;
}

}  // namespace

Presenter& presenter() {
    static Presenter p = interactive();
    return p;
}

void resetPresenter() { presenter() = interactive(); }

}  // namespace desktop
