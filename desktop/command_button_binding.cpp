// A command button shown in a QPushButton.
#include "desktop/command_button_binding.h"

#include <QKeyEvent>
#include <QPushButton>

#include "ui/keys.h"
#include "desktop/form_binding.h"
#include "desktop/guarded.h"
#include "desktop/text.h"

namespace desktop {

CommandButtonBinding::CommandButtonBinding(ui::CommandButton& model, QPushButton& view, FormBinding& form)
    : WidgetBinding(model, view, form), command_(model), button_(view) {
    button_.setAutoDefault(false);
    button_.setFocusPolicy(Qt::StrongFocus);
    connect(&button_, &QPushButton::clicked, this, [this] {
        if (updating_) return;
        if (form_.focusForClick(command_)) guarded([this] { command_.click(); });
    });
}

void CommandButtonBinding::refresh() {
    WidgetBinding::refresh();
    show(ui::Property::Caption);
}

void CommandButtonBinding::show(ui::Property property) {
    if (property == ui::Property::Caption) {
        Updating u(updating_);
        if (!command_.caption().empty() || button_.icon().isNull()) button_.setText(toQ(command_.caption()));
    } else {
        WidgetBinding::show(property);
    }
}

bool CommandButtonBinding::key(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space || event->modifiers() != Qt::NoModifier) return false;
    form_.driverKey(command_, ui::kKeySpace);
    return true;
}

}  // namespace desktop
