// The window that shows a form modally: titled with the form's caption, closed when the
// form is unloaded or hidden; its title-bar close asks the form (whose QueryUnload and
// Unload may refuse), and Escape reaches the form's keys, not Qt's reject.
#pragma once

#include <QDialog>

#include <memory>

#include "ui/form.h"
#include "desktop/form_view.h"

namespace desktop {

class ModalWindow : public QDialog {
public:
    explicit ModalWindow(ui::Form& form, QWidget* parent = nullptr);
    ~ModalWindow() override;

    FormView& view() const { return *view_; }
    // Whether the form is still shown (loaded and visible).
    bool formShown() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void follow(ui::Property property);

    ui::Form& form_;
    std::unique_ptr<FormView> view_;
};

}  // namespace desktop
