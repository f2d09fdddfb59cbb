// A label shown in a QLabel.
#include "desktop/label_binding.h"

#include <QEvent>
#include <QLabel>

#include "desktop/text.h"

namespace desktop {

LabelBinding::LabelBinding(ui::Label& model, QLabel& view, FormBinding& form)
    : WidgetBinding(model, view, form), label_(model), text_(view) {
    text_.setTextFormat(Qt::PlainText);
}

void LabelBinding::refresh() {
    WidgetBinding::refresh();
    show(ui::Property::Caption);
}

void LabelBinding::show(ui::Property property) {
    if (property == ui::Property::Caption) {
        Updating u(updating_);
        text_.setText(toQ(label_.caption()));
    } else {
        WidgetBinding::show(property);
    }
}

bool LabelBinding::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &text_ && event->type() == QEvent::MouseButtonPress) return true;
    return WidgetBinding::eventFilter(watched, event);
}

}  // namespace desktop
