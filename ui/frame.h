// A frame: a captioned container whose Enabled and Visible govern the input of the
// widgets it holds, and which reports mouse presses on its background.
#pragma once

#include <functional>
#include <string>

#include "ui/widget.h"

namespace ui {

class Frame : public Widget {
public:
    explicit Frame(std::string name, std::string caption = "");

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);

    // The user presses a mouse button on the frame's background (button: 1 left,
    // 2 right, 4 middle). False, with no event, when the frame accepts no input.
    bool mouseDown(int button, int shift, float x, float y);

    std::function<void(int button, int shift, float x, float y)> onMouseDown;

private:
    std::string caption_;
};

}  // namespace ui
