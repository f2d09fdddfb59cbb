// A label shown in a QLabel.
#include "ui/qt/label_binding.h"

#include <QEvent>
#include <QLabel>

#include "ui/qt/text.h"

namespace ui::qt {

LabelBinding::LabelBinding(ui::Label& model, QLabel& view, FormBinding& form)
    : WidgetBinding(model, view, form), label_(model), text_(view) {
    text_.setTextFormat(Qt::PlainText);
}

void LabelBinding::refresh() {
    WidgetBinding::refresh();
    show(Property::Caption);
}

void LabelBinding::show(Property property) {
    if (property == Property::Caption) {
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

}  // namespace ui::qt
