// Properties and choice of a menu item.
#include "ui/menu.h"

#include "ui/form.h"

namespace ui {

Menu::Menu(std::string name, std::string caption)
    : name_(std::move(name)), caption_(std::move(caption)) {}

void Menu::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    notify(Property::Caption);
}

void Menu::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    notify(Property::Enabled);
}

void Menu::setVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    notify(Property::Visible);
}

void Menu::setChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    notify(Property::Checked);
}

bool Menu::acceptsInput() const {
    for (const Menu* m = this; m; m = m->parent_) {
        if (!m->enabled_ || !m->visible_) return false;
    }
    return !form_ || form_->acceptsInput();
}

bool Menu::choose() {
    if (!acceptsInput()) return false;
    raise(onClick);
    return true;
}

}  // namespace ui
