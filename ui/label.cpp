// Caption of a label.
#include "ui/label.h"

namespace ui {

Label::Label(std::string name, std::string caption)
    : Widget(std::move(name)), caption_(std::move(caption)) {}

void Label::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    notify(Property::Caption);
}

}  // namespace ui
