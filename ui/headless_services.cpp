// Recording implementation of the host services for runs without a screen.
#include "ui/headless_services.h"

#include <stdexcept>

#include "ui/form.h"
#include "ui/menu.h"

namespace ui {

void HeadlessServices::setMousePointer(MousePointer pointer) { pointer_ = pointer; }

void HeadlessServices::setControlEnabled(bool enabled) {
    controlEnabled_ = enabled;
    if (surface_) surface_->setEnabled(enabled);
}

void HeadlessServices::doEvents() { ++doEvents_; }

void HeadlessServices::msgBox(const std::string& text, MsgIcon icon, const std::string& title) {
    Message message{text, icon, title, pointer_, controlEnabled_};
    messages_.push_back(message);
    raise(onMessage, message);
}

void HeadlessServices::showModal(Form& form) {
    modalForms_.push_back(form.name());
    if (!modalPlayer) {
        throw std::logic_error("no player for the modal window " + form.name());
    }
    form.show(true);
    raise(modalPlayer, form);
    if (form.loaded() && form.visible()) {
        throw std::logic_error("the modal window " + form.name() + " was left open");
    }
}

void HeadlessServices::unloadHost() { ++hostUnloads_; }

void HeadlessServices::popupMenu(Menu& menu, float x, float y) {
    popups_.push_back(Popup{menu.name(), x, y});
    raise(popupPlayer, menu);
}

}  // namespace ui
