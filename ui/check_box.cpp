// Value changes and user clicks of a check box.
#include "ui/check_box.h"

namespace ui {

CheckBox::CheckBox(std::string name, std::string caption, CheckValue value)
    : Widget(std::move(name)), caption_(std::move(caption)), value_(value) {}

void CheckBox::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    notify(Property::Caption);
}

void CheckBox::setValue(CheckValue value) {
    if (value == value_) return;
    value_ = value;
    notify(Property::Value);
    raise(onClick);
}

bool CheckBox::click() {
    if (!acceptsInput()) return false;
    setValue(value_ == CheckValue::Checked ? CheckValue::Unchecked : CheckValue::Checked);
    return true;
}

}  // namespace ui
