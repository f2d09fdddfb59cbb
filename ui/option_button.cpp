// Group exclusivity and clicks of the option buttons.
#include "ui/option_button.h"

#include "ui/form.h"

namespace ui {

OptionButton::OptionButton(std::string name, std::string caption)
    : Widget(std::move(name)), caption_(std::move(caption)) {}

void OptionButton::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    notify(Property::Caption);
}

std::vector<OptionButton*> OptionButton::group() const {
    std::vector<OptionButton*> members;
    if (!form()) {
        members.push_back(const_cast<OptionButton*>(this));
        return members;
    }
    for (Widget* w : form()->tabOrder()) {
        auto* option = dynamic_cast<OptionButton*>(w);
        if (option && option->container() == container()) members.push_back(option);
    }
    return members;
}

void OptionButton::setValue(bool value) {
    if (value == value_) return;
    if (value) {
        for (OptionButton* other : group()) {
            if (other != this && other->value_) {
                other->value_ = false;
                other->notify(Property::Value);
            }
        }
    }
    value_ = value;
    notify(Property::Value);
    if (value) raise(onClick);
}

bool OptionButton::click() {
    if (!acceptsInput()) return false;
    setValue(true);
    return true;
}

}  // namespace ui
