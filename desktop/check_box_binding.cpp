// A check box shown in a QCheckBox.
#include "desktop/check_box_binding.h"

#include <QCheckBox>
#include <QKeyEvent>

#include "ui/keys.h"
#include "desktop/form_binding.h"
#include "desktop/guarded.h"
#include "desktop/text.h"

namespace desktop {

CheckBoxBinding::CheckBoxBinding(ui::CheckBox& model, QCheckBox& view, FormBinding& form)
    : WidgetBinding(model, view, form), check_(model), box_(view) {
    box_.setFocusPolicy(Qt::StrongFocus);
    connect(&box_, &QCheckBox::clicked, this, [this] {
        if (updating_) return;
        if (form_.focusForClick(check_)) guarded([this] { check_.click(); });
        showValue();  // Qt toggled its own box: the model's value stands
    });
}

void CheckBoxBinding::refresh() {
    WidgetBinding::refresh();
    show(ui::Property::Caption);
    showValue();
}

void CheckBoxBinding::showValue() {
    Updating u(updating_);
    Qt::CheckState state = check_.value() == ui::CheckValue::Checked   ? Qt::Checked
                           : check_.value() == ui::CheckValue::Grayed ? Qt::PartiallyChecked
                                                                      : Qt::Unchecked;
    box_.setTristate(state == Qt::PartiallyChecked);
    if (box_.checkState() != state) box_.setCheckState(state);
}

void CheckBoxBinding::show(ui::Property property) {
    if (property == ui::Property::Value) {
        showValue();
    } else if (property == ui::Property::Caption) {
        Updating u(updating_);
        box_.setText(toQ(check_.caption()));
    } else {
        WidgetBinding::show(property);
    }
}

bool CheckBoxBinding::key(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space || event->modifiers() != Qt::NoModifier) return false;
    form_.driverKey(check_, ui::kKeySpace);
    return true;
}

}  // namespace desktop
