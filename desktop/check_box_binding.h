// QCheckBox <-> ui::CheckBox: caption and value shown at once; a click (mouse or Space)
// given to the model, which alone changes the value.
#pragma once

#include "ui/check_box.h"
#include "desktop/widget_binding.h"

class QCheckBox;

namespace desktop {

class CheckBoxBinding : public WidgetBinding {
public:
    CheckBoxBinding(ui::CheckBox& model, QCheckBox& view, FormBinding& form);
    void refresh() override;

protected:
    void show(ui::Property property) override;
    bool key(QKeyEvent* event) override;

private:
    void showValue();

    ui::CheckBox& check_;
    QCheckBox& box_;
};

}  // namespace desktop
