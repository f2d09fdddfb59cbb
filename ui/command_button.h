// A command button: caption, the Default (Enter) and Cancel (Escape) roles, and Click.
#pragma once

#include <functional>
#include <string>

#include "ui/widget.h"

namespace ui {

class CommandButton : public Widget {
public:
    explicit CommandButton(std::string name, std::string caption = "");

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);

    // At most one Default and one Cancel button per form: setting one clears the other.
    bool isDefault() const { return default_; }
    void setDefault(bool isDefault);
    bool isCancel() const { return cancel_; }
    void setCancel(bool isCancel);

    bool takesFocus() const override { return true; }

    // The user clicks (or presses Enter, Escape or Space for) the button: Click is raised
    // only if the button is enabled and visible and so are its frames and form.
    bool click();

    std::function<void()> onClick;

private:
    std::string caption_;
    bool default_ = false;
    bool cancel_ = false;
};

}  // namespace ui
