// Focus, keys, Enabled and pop-up menus of a bound form.
#include "desktop/form_binding.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

#include "ui/driver.h"
#include "ui/keys.h"
#include "desktop/guarded.h"
#include "desktop/popup_menu.h"
#include "desktop/widget_binding.h"

namespace desktop {

int toolkitButton(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton: return ui::kLeftButton;
    case Qt::RightButton: return ui::kRightButton;
    case Qt::MiddleButton: return ui::kMiddleButton;
    default: return 0;
    }
}

int toolkitShift(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

FormBinding::FormBinding(ui::Form& form, QWidget& view) : QObject(&view), form_(form), view_(view) {
    token_ = form_.subscribe([this](ui::Property property) { show(property); });
}

FormBinding::~FormBinding() { form_.unsubscribe(token_); }

void FormBinding::add(WidgetBinding& binding) { bindings_[&binding.model()] = &binding; }

WidgetBinding* FormBinding::find(const ui::Widget* model) const {
    auto it = bindings_.find(model);
    return it == bindings_.end() ? nullptr : it->second;
}

QWidget* FormBinding::viewOf(const ui::Widget* model) const {
    WidgetBinding* b = find(model);
    return b ? &b->view() : nullptr;
}

void FormBinding::show(ui::Property property) {
    if (property == ui::Property::Enabled) {
        view_.setEnabled(form_.enabled());
        if (form_.enabled()) syncFocus();
    } else if (property == ui::Property::ActiveControl) {
        syncFocus();
    } else if (property == ui::Property::PopupMenu) {
        showPopup();
    }
    if (onFormProperty) onFormProperty(property);
}

void FormBinding::syncFocus() {
    if (syncing_) return;
    if (inFocusIn_) {
        // Qt is still delivering a focus change: move the focus once it is done.
        QTimer::singleShot(0, this, [this] { syncFocus(); });
        return;
    }
    ui::Widget* active = form_.activeControl();
    QWidget* target = active ? viewOf(active) : nullptr;
    QWidget* focused = view_.window() ? view_.window()->focusWidget() : nullptr;
    ++syncing_;
    if (target) {
        if (focused != target && !(focused && target->isAncestorOf(focused)) && target->isEnabled())
            target->setFocus(Qt::OtherFocusReason);
    } else if (focused && view_.isAncestorOf(focused)) {
        // The model's focus is on nothing: no widget of the form keeps Qt's.
        focused->clearFocus();
    }
    --syncing_;
}

void FormBinding::qtFocusIn(ui::Widget& model, Qt::FocusReason reason) {
    if (syncing_) return;
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
        // The window comes back: the focus must be where the model left it.
        if (form_.activeControl() != &model) QTimer::singleShot(0, this, [this] { syncFocus(); });
        return;
    }
    ++inFocusIn_;
    guarded([&] { form_.trySetFocus(model); });
    --inFocusIn_;
    if (form_.activeControl() != &model) QTimer::singleShot(0, this, [this] { syncFocus(); });
}

bool FormBinding::ensureActive(ui::Widget& model) {
    if (form_.activeControl() == &model) return true;
    guarded([&] { form_.trySetFocus(model); });
    return form_.activeControl() == &model;
}

bool FormBinding::focusForClick(ui::Widget& model) {
    if (!model.acceptsInput()) return false;
    if (!ensureActive(model)) return false;
    return model.acceptsInput();
}

void FormBinding::driverKey(ui::Widget& model, int keyAscii) {
    if (keyAscii != ui::kKeyTab && !ensureActive(model)) return;
    guarded([&] { ui::Driver(form_).key(keyAscii); });
}

bool FormBinding::navigationKey(ui::Widget& model, QKeyEvent* e) {
    const Qt::KeyboardModifiers mods = e->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (mods != Qt::NoModifier) return false;
    switch (e->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        bool forward = e->key() == Qt::Key_Tab && !(e->modifiers() & Qt::ShiftModifier);
        guarded([&] { form_.tab(forward); });
        syncFocus();
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        driverKey(model, ui::kKeyReturn);
        return true;
    case Qt::Key_Escape:
        driverKey(model, ui::kKeyEscape);
        return true;
    default:
        return false;
    }
}

void FormBinding::mouseDown(int button, int shift, float x, float y) {
    guarded([&] { form_.mouseDown(button, shift, x, y); });
}

void FormBinding::showPopup() {
    if (form_.popupRequests().empty()) return;
    ui::Menu* menu = form_.popupRequests().back().menu;
    if (menu) runPopupMenu(*menu, QCursor::pos(), &view_);
}

}  // namespace desktop
