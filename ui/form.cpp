// Widgets, tab order, focus moves, menus and closing of a form.
#include "ui/form.h"

#include <algorithm>

#include "ui/command_button.h"
#include "ui/errors.h"
#include "ui/frame.h"
#include "ui/option_button.h"

namespace ui {

Form::Form(std::string name, std::string caption)
    : name_(std::move(name)), caption_(std::move(caption)) {}

Form::~Form() = default;

void Form::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    notify(Property::Caption);
}

void Form::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    notify(Property::Enabled);
}

void Form::checkNameFree(const std::string& name) const {
    if (find(name) || findMenu(name)) {
        throw std::invalid_argument(name_ + ": a control named " + name + " already exists");
    }
}

void Form::attach(std::unique_ptr<Widget> widget, Frame* container) {
    checkNameFree(widget->name());
    if (container && container->form() != this) {
        throw std::invalid_argument(widget->name() + ": frame " + container->name() +
                                    " is not on form " + name_);
    }
    widget->form_ = this;
    widget->container_ = container;
    widget->tabIndex_ = static_cast<int>(tabOrder_.size());
    tabOrder_.push_back(widget.get());
    widgets_.push_back(std::move(widget));
}

Widget* Form::find(std::string_view name) const {
    for (const auto& widget : widgets_) {
        if (widget->name() == name) return widget.get();
    }
    return nullptr;
}

void Form::moveInTabOrder(Widget& widget, int index) {
    if (index < 0) throw PropertyError(kErrInvalidPropertyValue, widget.name() + ": TabIndex < 0");
    index = std::min(index, static_cast<int>(tabOrder_.size()) - 1);
    std::erase(tabOrder_, &widget);
    tabOrder_.insert(tabOrder_.begin() + index, &widget);
    for (int i = 0; i < static_cast<int>(tabOrder_.size()); ++i) {
        Widget* w = tabOrder_[i];
        if (w->tabIndex_ != i) {
            w->tabIndex_ = i;
            w->notify(Property::TabIndex);
        }
    }
}

void Form::setActive(Widget* widget) {
    if (widget == active_) return;
    active_ = widget;
    notify(Property::ActiveControl);
}

void Form::moveFocus(Widget* target) {
    if (switching_) {
        pending_ = target;
        return;
    }
    if (target == active_) return;
    Widget* old = active_;
    pending_ = target;
    setActive(target);
    if (old) {
        switching_ = true;
        try {
            raise(old->onLostFocus);
        } catch (...) {
            switching_ = false;
            throw;
        }
        switching_ = false;
    }
    // The LostFocus handler may have re-routed the move, or made its target unfit.
    Widget* destination = pending_ && pending_->canFocus() ? pending_ : nullptr;
    pending_ = nullptr;
    setActive(destination);
    if (destination) raise(destination->onGotFocus);
}

void Form::setFocus(Widget& widget) {
    if (widget.form() != this || !widget.canFocus()) throw FocusError(widget.name());
    moveFocus(&widget);
}

bool Form::trySetFocus(Widget& widget) {
    if (widget.form() != this || !widget.canFocus()) return false;
    moveFocus(&widget);
    return true;
}

bool Form::isTabStop(const Widget& widget) const {
    if (!widget.tabStop() || !widget.canFocus()) return false;
    const auto* option = dynamic_cast<const OptionButton*>(&widget);
    if (!option || option->value()) return true;
    for (const OptionButton* other : option->group()) {
        if (other->value()) return false;
    }
    return true;
}

bool Form::tab(bool forward) {
    if (!acceptsInput() || tabOrder_.empty()) return false;
    int count = static_cast<int>(tabOrder_.size());
    int start = forward ? -1 : count;
    if (active_) start = static_cast<int>(std::find(tabOrder_.begin(), tabOrder_.end(), active_) -
                                          tabOrder_.begin());
    for (int step = 1; step <= count; ++step) {
        int i = ((start + (forward ? step : -step)) % count + count) % count;
        if (isTabStop(*tabOrder_[i])) {
            moveFocus(tabOrder_[i]);
            return true;
        }
    }
    return false;
}

CommandButton* Form::defaultButton() const {
    for (Widget* w : tabOrder_) {
        auto* button = dynamic_cast<CommandButton*>(w);
        if (button && button->isDefault()) return button;
    }
    return nullptr;
}

CommandButton* Form::cancelButton() const {
    for (Widget* w : tabOrder_) {
        auto* button = dynamic_cast<CommandButton*>(w);
        if (button && button->isCancel()) return button;
    }
    return nullptr;
}

Menu& Form::addMenu(std::string name, std::string caption, Menu* parent) {
    checkNameFree(name);
    if (parent && parent->form() != this) {
        throw std::invalid_argument(name + ": menu " + parent->name() + " is not on form " + name_);
    }
    auto menu = std::make_unique<Menu>(std::move(name), std::move(caption));
    menu->form_ = this;
    menu->parent_ = parent;
    if (parent) parent->items_.push_back(menu.get());
    menus_.push_back(std::move(menu));
    return *menus_.back();
}

Menu* Form::findMenu(std::string_view name) const {
    for (const auto& menu : menus_) {
        if (menu->name() == name) return menu.get();
    }
    return nullptr;
}

void Form::popupMenu(Menu& menu, float x, float y) {
    popups_.push_back(PopupRequest{&menu, x, y});
    notify(Property::PopupMenu);
}

void Form::show(bool modal) {
    if (!loaded_) {
        loaded_ = true;
        notify(Property::Loaded);
    }
    if (!visible_) {
        visible_ = true;
        notify(Property::Visible);
    }
    if (modal != modal_) {
        modal_ = modal;
        notify(Property::Modal);
    }
    raise(onActivate);
    if (active_ || !acceptsInput()) return;
    for (Widget* w : tabOrder_) {
        if (isTabStop(*w)) {
            moveFocus(w);
            return;
        }
    }
}

void Form::hide() {
    if (modal_) {
        modal_ = false;
        notify(Property::Modal);
    }
    if (visible_) {
        visible_ = false;
        notify(Property::Visible);
    }
}

bool Form::close(UnloadMode mode) {
    if (!loaded_) return true;
    int cancel = 0;
    raise(onQueryUnload, cancel, mode);
    if (cancel != 0) return false;
    raise(onUnload, cancel);
    if (cancel != 0) return false;
    setActive(nullptr);
    hide();
    loaded_ = false;
    notify(Property::Loaded);
    return true;
}

bool Form::unload() { return close(UnloadMode::FormCode); }

bool Form::requestClose() {
    if (!acceptsInput()) return false;
    return close(UnloadMode::FormControlMenu);
}

bool Form::mouseDown(int button, int shift, float x, float y) {
    if (!acceptsInput()) return false;
    raise(onMouseDown, button, shift, x, y);
    return true;
}

bool Form::helpKey() {
    if (!acceptsInput()) return false;
    raise(onHelpKey);
    return true;
}

}  // namespace ui
