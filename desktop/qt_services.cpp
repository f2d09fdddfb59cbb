// The control's host services on the desktop.
#include "desktop/qt_services.h"

#include <QApplication>
#include <QCursor>
#include <QTimer>

#include "desktop/guarded.h"
#include "desktop/modal_window.h"
#include "desktop/popup_menu.h"
#include "desktop/presenter.h"
#include "desktop/text.h"

namespace desktop {

QMessageBox::Icon qtIcon(ui::MsgIcon icon) {
    switch (icon) {
    case ui::MsgIcon::Critical: return QMessageBox::Critical;
    case ui::MsgIcon::Warning: return QMessageBox::Warning;
    case ui::MsgIcon::Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

QtServices::QtServices(ui::Form* surface) : surface_(surface) {
    setErrorRecovery([this] { recover(); });
}

QtServices::~QtServices() {
    setErrorRecovery(nullptr);
    if (hourglass_) QApplication::restoreOverrideCursor();
}

void QtServices::setMousePointer(ui::MousePointer pointer) {
    bool wait = pointer == ui::MousePointer::Hourglass;
    if (wait == hourglass_) return;
    hourglass_ = wait;
    if (wait) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void QtServices::setControlEnabled(bool enabled) {
    if (surface_) surface_->setEnabled(enabled);
}

void QtServices::doEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

QWidget* QtServices::dialogParent() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (QWidget* active = QApplication::activeWindow()) return active;
    return host_ ? host_->window() : nullptr;
}

void QtServices::msgBox(const std::string& text, ui::MsgIcon icon, const std::string& title) {
    presenter().message(dialogParent(), toQ(text), qtIcon(icon), toQ(title));
}

void QtServices::showModal(ui::Form& form) {
    ModalWindow window(form, dialogParent());
    modal_.push_back(&form);
    form.show(true);
    if (window.formShown()) presenter().exec(window);
    modal_.pop_back();
    if (form.loaded() && form.visible()) form.hide();  // the window is gone whatever happened
}

void QtServices::unloadHost() {
    // The control's handler is still running: the host closes once it has returned.
    QTimer::singleShot(0, [cb = onUnloadHost] {
        if (cb) cb();
    });
}

void QtServices::popupMenu(ui::Menu& menu, float, float) { runPopupMenu(menu, QCursor::pos(), dialogParent()); }

void QtServices::recover() {
    setMousePointer(ui::MousePointer::Default);
    if (surface_) surface_->setEnabled(true);
    for (ui::Form* form : modal_) form->setEnabled(true);
}

}  // namespace desktop
