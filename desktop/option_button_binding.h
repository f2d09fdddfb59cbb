// QRadioButton <-> ui::OptionButton: caption and value shown at once (the model keeps
// its group exclusive); a click, Space or an arrow key given to the model.
#pragma once

#include "ui/option_button.h"
#include "desktop/widget_binding.h"

class QRadioButton;

namespace desktop {

class OptionButtonBinding : public WidgetBinding {
public:
    OptionButtonBinding(ui::OptionButton& model, QRadioButton& view, FormBinding& form);
    void refresh() override;

protected:
    void show(ui::Property property) override;
    bool key(QKeyEvent* event) override;

private:
    void showValue();
    // The arrows move to the next (or previous) button of the group and select it.
    void arrow(int step);

    ui::OptionButton& option_;
    QRadioButton& button_;
};

}  // namespace desktop
