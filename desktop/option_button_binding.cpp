// An option button shown in a QRadioButton.
#include "desktop/option_button_binding.h"

#include <QKeyEvent>
#include <QRadioButton>

#include <algorithm>

#include "ui/keys.h"
#include "desktop/form_binding.h"
#include "desktop/guarded.h"
#include "desktop/text.h"

namespace desktop {

OptionButtonBinding::OptionButtonBinding(ui::OptionButton& model, QRadioButton& view, FormBinding& form)
    : WidgetBinding(model, view, form), option_(model), button_(view) {
    button_.setAutoExclusive(false);  // the model's group decides
    button_.setFocusPolicy(Qt::StrongFocus);
    connect(&button_, &QRadioButton::clicked, this, [this] {
        if (updating_) return;
        if (form_.focusForClick(option_)) guarded([this] { option_.click(); });
        showValue();
    });
}

void OptionButtonBinding::refresh() {
    WidgetBinding::refresh();
    show(ui::Property::Caption);
    showValue();
}

void OptionButtonBinding::showValue() {
    Updating u(updating_);
    if (button_.isChecked() != option_.value()) button_.setChecked(option_.value());
}

void OptionButtonBinding::show(ui::Property property) {
    if (property == ui::Property::Value) {
        showValue();
    } else if (property == ui::Property::Caption) {
        Updating u(updating_);
        button_.setText(toQ(option_.caption()));
    } else {
        WidgetBinding::show(property);
    }
}

void OptionButtonBinding::arrow(int step) {
    std::vector<ui::OptionButton*> group = option_.group();
    auto it = std::find(group.begin(), group.end(), &option_);
    if (it == group.end()) return;
    int n = static_cast<int>(group.size());
    int at = static_cast<int>(it - group.begin());
    for (int i = 1; i < n; ++i) {
        ui::OptionButton* next = group[static_cast<size_t>(((at + step * i) % n + n) % n)];
        if (!next->canFocus()) continue;
        if (form_.focusForClick(*next)) guarded([next] { next->click(); });
        return;
    }
}

bool OptionButtonBinding::key(QKeyEvent* event) {
    if (event->modifiers() & ~(Qt::KeypadModifier)) return false;
    switch (event->key()) {
    case Qt::Key_Space: form_.driverKey(option_, ui::kKeySpace); return true;
    case Qt::Key_Up:
    case Qt::Key_Left: arrow(-1); return true;
    case Qt::Key_Down:
    case Qt::Key_Right: arrow(1); return true;
    default: return false;
    }
}

}  // namespace desktop
