// An option button: at most one of the option buttons directly in the same frame (or
// directly on the form) is selected, and the one that becomes selected raises Click.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/widget.h"

namespace ui {

class OptionButton : public Widget {
public:
    explicit OptionButton(std::string name, std::string caption = "");

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);

    // Setting True clears the others of the group (without events on them) and raises
    // Click on this one; setting True again, or setting False, raises nothing.
    bool value() const { return value_; }
    void setValue(bool value);

    // The option buttons of the same group, this one included, in tab order.
    std::vector<OptionButton*> group() const;

    bool takesFocus() const override { return true; }

    // The user clicks the button: it becomes the selected one of its group. False, with
    // no event, when it accepts no input; true (and no event) when it was selected already.
    bool click();

    std::function<void()> onClick;

private:
    std::string caption_;
    bool value_ = false;
};

}  // namespace ui
