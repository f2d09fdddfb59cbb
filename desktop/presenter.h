// The moments where the desktop waits for the person (message boxes, pop-up menus, modal
// windows, the printer and file dialogs), each replaceable so that tests can answer them
// without blocking.
#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QAction;
class QDialog;
class QMenu;
class QPoint;
class QWidget;

namespace desktop {

struct Presenter {
    // A message box with one OK button; returns once it is dismissed.
    std::function<void(QWidget* parent, const QString& text, QMessageBox::Icon icon, const QString& title)> message;
    // Pops up a menu at a screen position; the chosen action, nullptr when dismissed.
    std::function<QAction*(QMenu& menu, const QPoint& globalPos)> popup;
    // Runs a modal window (a model's dialog, the printer dialog); returns its result code.
    std::function<int(QDialog& dialog)> exec;
    // Asks for the name of a file to write; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& caption, const QString& proposed, const QString& filter)>
        saveFile;
    // Asks a yes-or-no question; true for yes.
    std::function<bool(QWidget* parent, const QString& text, const QString& title)> confirm;
    // Asks for a file to open; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& caption, const QString& dir, const QString& filter)> openFile;
};

// The presenter of the program, holding the interactive defaults until replaced.
Presenter& presenter();
// Puts the interactive defaults back.
void resetPresenter();

}  // namespace desktop
