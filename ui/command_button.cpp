// Caption, Default and Cancel roles and clicks of a command button.
#include "ui/command_button.h"

#include "ui/form.h"

namespace ui {

CommandButton::CommandButton(std::string name, std::string caption)
    : Widget(std::move(name)), caption_(std::move(caption)) {}

void CommandButton::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    notify(Property::Caption);
}

void CommandButton::setDefault(bool isDefault) {
    if (isDefault == default_) return;
    if (isDefault && form()) {
        if (CommandButton* other = form()->defaultButton()) other->setDefault(false);
    }
    default_ = isDefault;
    notify(Property::Default);
}

void CommandButton::setCancel(bool isCancel) {
    if (isCancel == cancel_) return;
    if (isCancel && form()) {
        if (CommandButton* other = form()->cancelButton()) other->setCancel(false);
    }
    cancel_ = isCancel;
    notify(Property::Cancel);
}

bool CommandButton::click() {
    if (!acceptsInput()) return false;
    raise(onClick);
    return true;
}

}  // namespace ui
