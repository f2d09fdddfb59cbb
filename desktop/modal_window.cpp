// A form shown in a modal QDialog.
#include "desktop/modal_window.h"

#include <QCloseEvent>
#include <QVBoxLayout>

#include "desktop/guarded.h"
#include "desktop/text.h"
#include "desktop/view_factory.h"

namespace desktop {

ModalWindow::ModalWindow(ui::Form& form, QWidget* parent) : QDialog(parent), form_(form) {
    setObjectName(QString::fromStdString(form.name()) + QStringLiteral("Window"));
    setWindowTitle(toQ(form.caption()));
    setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    view_ = makeView(form, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_.get());
    view_->binding().onFormProperty = [this](ui::Property p) { follow(p); };
}

ModalWindow::~ModalWindow() {
    view_->binding().onFormProperty = nullptr;
    view_.reset();
}

bool ModalWindow::formShown() const { return form_.loaded() && form_.visible(); }

void ModalWindow::follow(ui::Property property) {
    if (property == ui::Property::Caption) {
        setWindowTitle(toQ(form_.caption()));
    } else if ((property == ui::Property::Visible || property == ui::Property::Loaded) && !formShown()) {
        done(QDialog::Accepted);
    }
}

void ModalWindow::closeEvent(QCloseEvent* event) {
    if (!formShown()) {
        event->accept();
        return;
    }
    event->ignore();
    guarded([this] { form_.requestClose(); });  // closes the window through follow() if accepted
}

void ModalWindow::reject() {}

}  // namespace desktop
