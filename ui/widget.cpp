// Common properties of the widgets and the input and focus conditions they share.
#include "ui/widget.h"

#include <stdexcept>

#include "ui/errors.h"
#include "ui/form.h"
#include "ui/frame.h"

namespace ui {

Widget::Widget(std::string name) : name_(std::move(name)) {}

void Widget::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    notify(Property::Enabled);
}

void Widget::setVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    notify(Property::Visible);
}

void Widget::setContainer(Frame* frame) {
    if (frame == container_) return;
    if (frame && frame->form() != form_) {
        throw std::invalid_argument(name_ + ": frame " + frame->name() + " is on another form");
    }
    for (const Widget* w = frame; w; w = w->container()) {
        if (w == this) throw std::invalid_argument(name_ + ": a frame cannot hold itself");
    }
    container_ = frame;
    notify(Property::Container);
}

void Widget::setTabIndex(int index) {
    if (form_) {
        form_->moveInTabOrder(*this, index);
    } else if (index != tabIndex_) {
        if (index < 0) throw PropertyError(kErrInvalidPropertyValue, name_ + ": TabIndex < 0");
        tabIndex_ = index;
        notify(Property::TabIndex);
    }
}

void Widget::setTabStop(bool tabStop) {
    if (tabStop == tabStop_) return;
    tabStop_ = tabStop;
    notify(Property::TabStop);
}

bool Widget::acceptsInput() const {
    for (const Widget* w = this; w; w = w->container()) {
        if (!w->enabled() || !w->visible()) return false;
    }
    return !form_ || form_->acceptsInput();
}

bool Widget::canFocus() const { return form_ && takesFocus() && acceptsInput(); }

bool Widget::hasFocus() const { return form_ && form_->activeControl() == this; }

void Widget::setFocus() {
    if (!form_) throw FocusError(name_);
    form_->setFocus(*this);
}

bool Widget::trySetFocus() { return form_ && form_->trySetFocus(*this); }

}  // namespace ui
