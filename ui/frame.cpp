// Caption and mouse presses of a frame.
#include "ui/frame.h"

namespace ui {

Frame::Frame(std::string name, std::string caption)
    : Widget(std::move(name)), caption_(std::move(caption)) {}

void Frame::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    notify(Property::Caption);
}

bool Frame::mouseDown(int button, int shift, float x, float y) {
    if (!acceptsInput()) return false;
    raise(onMouseDown, button, shift, x, y);
    return true;
}

}  // namespace ui
