// What the control asks of its host, on the desktop: the hourglass as Qt's override
// cursor, its Enabled as the surface's, pending events run by Qt, message boxes, modal
// windows for its dialogs, the host window's closing and pop-up menus.
#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

#include "ui/form.h"
#include "ui/services.h"

namespace desktop {

class QtServices : public ui::Services {
public:
    // `surface` is the control's form: disabling the control disables it (and its view).
    explicit QtServices(ui::Form* surface = nullptr);
    ~QtServices() override;

    void setMousePointer(ui::MousePointer pointer) override;
    void setControlEnabled(bool enabled) override;
    void doEvents() override;
    void msgBox(const std::string& text, ui::MsgIcon icon, const std::string& title) override;
    void showModal(ui::Form& form) override;
    void unloadHost() override;
    void popupMenu(ui::Menu& menu, float x, float y) override;

    void setSurface(ui::Form* surface) { surface_ = surface; }
    // The window the message boxes and dialogs belong to, when none of them is active.
    void setHostWindow(QWidget* window) { host_ = window; }
    QWidget* dialogParent() const;

    bool hourglass() const { return hourglass_; }
    // Puts the pointer and the enabled states back after an unexpected error.
    void recover();

    // Closes the host form; called after the control's handler has returned.
    std::function<void()> onUnloadHost;

private:
    ui::Form* surface_;
    QPointer<QWidget> host_;
    bool hourglass_ = false;
    std::vector<ui::Form*> modal_;
};

// The icon of a message box of the toolkit, as Qt draws it.
QMessageBox::Icon qtIcon(ui::MsgIcon icon);

}  // namespace desktop
