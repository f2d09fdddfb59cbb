// Range, value and user actions of a vertical scroll bar.
#include "ui/scroll_bar.h"

#include <algorithm>

namespace ui {

VScrollBar::VScrollBar(std::string name) : Widget(std::move(name)) {}

int VScrollBar::clamp(int value) const {
    return std::clamp(value, std::min(min_, max_), std::max(min_, max_));
}

void VScrollBar::reclamp() { setValue(value_); }

void VScrollBar::setMin(int min) {
    if (min == min_) return;
    min_ = min;
    notify(Property::Min);
    reclamp();
}

void VScrollBar::setMax(int max) {
    if (max == max_) return;
    max_ = max;
    notify(Property::Max);
    reclamp();
}

void VScrollBar::setValue(int value) {
    value = clamp(value);
    if (value == value_) return;
    value_ = value;
    notify(Property::Value);
    raise(onChange);
}

void VScrollBar::setSmallChange(int step) {
    if (step == smallChange_) return;
    smallChange_ = step;
    notify(Property::SmallChange);
}

void VScrollBar::setLargeChange(int step) {
    if (step == largeChange_) return;
    largeChange_ = step;
    notify(Property::LargeChange);
}

bool VScrollBar::arrow(int direction) {
    if (!acceptsInput()) return false;
    int towardsMax = max_ >= min_ ? 1 : -1;
    setValue(value_ + (direction > 0 ? 1 : -1) * towardsMax * smallChange_);
    return true;
}

bool VScrollBar::page(int direction) {
    if (!acceptsInput()) return false;
    int towardsMax = max_ >= min_ ? 1 : -1;
    setValue(value_ + (direction > 0 ? 1 : -1) * towardsMax * largeChange_);
    return true;
}

bool VScrollBar::drag(int value) {
    if (!acceptsInput()) return false;
    value = clamp(value);
    if (value == value_) return true;
    value_ = value;
    notify(Property::Value);
    raise(onScroll);
    raise(onChange);
    return true;
}

}  // namespace ui
