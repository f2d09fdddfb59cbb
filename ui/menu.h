// A menu item of a form (a top menu or one of its items): caption, Enabled, Visible,
// Checked, and the Click raised when the user chooses it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/observable.h"

namespace ui {

class Form;

class Menu : public Observable {
public:
    Menu(std::string name, std::string caption);

    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    bool visible() const { return visible_; }
    void setVisible(bool visible);
    bool checked() const { return checked_; }
    void setChecked(bool checked);

    // The menu this item belongs to (nullptr for a top menu), and its own items in order.
    Menu* parent() const { return parent_; }
    const std::vector<Menu*>& items() const { return items_; }
    Form* form() const { return form_; }

    // The item and every menu above it are enabled and visible, and so is its form.
    bool acceptsInput() const;
    // The user chooses the item: Click. False, with no event, when it accepts no input.
    bool choose();

    std::function<void()> onClick;

private:
    friend class Form;

    std::string name_;
    std::string caption_;
    bool enabled_ = true;
    bool visible_ = true;
    bool checked_ = false;
    Menu* parent_ = nullptr;
    std::vector<Menu*> items_;
    Form* form_ = nullptr;
};

}  // namespace ui
