// A frame shown in a QGroupBox.
#include "desktop/frame_binding.h"

#include <QGroupBox>
#include <QMouseEvent>

#include "desktop/form_binding.h"
#include "desktop/guarded.h"
#include "desktop/text.h"

namespace desktop {

FrameBinding::FrameBinding(ui::Frame& model, QGroupBox& view, FormBinding& form)
    : WidgetBinding(model, view, form), frame_(model), box_(view) {
    box_.setFocusPolicy(Qt::NoFocus);
}

void FrameBinding::refresh() {
    WidgetBinding::refresh();
    show(ui::Property::Caption);
}

void FrameBinding::show(ui::Property property) {
    if (property == ui::Property::Caption) {
        Updating u(updating_);
        box_.setTitle(toQ(frame_.caption()));
    } else {
        WidgetBinding::show(property);
    }
}

bool FrameBinding::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &box_ && event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPointF at = mouse->position();
        const int button = toolkitButton(mouse->button());
        const int shift = toolkitShift(mouse->modifiers());
        guarded([&] { frame_.mouseDown(button, shift, static_cast<float>(at.x()), static_cast<float>(at.y())); });
        return true;
    }
    return WidgetBinding::eventFilter(watched, event);
}

}  // namespace desktop
