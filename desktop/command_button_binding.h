// QPushButton <-> ui::CommandButton: caption and enabling shown at once; a click, Space
// or Enter given to the model (Qt's own default-button handling is not used).
#pragma once

#include "ui/command_button.h"
#include "desktop/widget_binding.h"

class QPushButton;

namespace desktop {

class CommandButtonBinding : public WidgetBinding {
public:
    CommandButtonBinding(ui::CommandButton& model, QPushButton& view, FormBinding& form);
    void refresh() override;

protected:
    void show(ui::Property property) override;
    bool key(QKeyEvent* event) override;

private:
    ui::CommandButton& command_;
    QPushButton& button_;
};

}  // namespace desktop
