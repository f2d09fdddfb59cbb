// A check box: Value unchecked, checked or greyed, and the Click raised by every change.
#pragma once

#include <functional>
#include <string>

#include "ui/widget.h"

namespace ui {

enum class CheckValue { Unchecked = 0, Checked = 1, Grayed = 2 };

class CheckBox : public Widget {
public:
    explicit CheckBox(std::string name, std::string caption = "",
                      CheckValue value = CheckValue::Unchecked);

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);

    // Assigning a different value raises Click, as a user's click does; assigning the
    // current value raises nothing.
    CheckValue value() const { return value_; }
    void setValue(CheckValue value);
    bool checked() const { return value_ == CheckValue::Checked; }

    bool takesFocus() const override { return true; }

    // The user clicks the box: checked becomes unchecked, unchecked or greyed becomes
    // checked; Click is raised. False, with no event, when the box accepts no input.
    bool click();

    std::function<void()> onClick;

private:
    std::string caption_;
    CheckValue value_;
};

}  // namespace ui
