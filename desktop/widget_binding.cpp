// Enabled, Visible, focus and the keys common to every bound widget.
#include "desktop/widget_binding.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QWidget>

#include "desktop/form_binding.h"

namespace desktop {

WidgetBinding::WidgetBinding(ui::Widget& model, QWidget& view, FormBinding& form)
    : QObject(&view), form_(form), model_(model), view_(view) {
    view_.setObjectName(QString::fromStdString(model.name()));
    token_ = model_.subscribe([this](ui::Property property) { show(property); });
    view_.installEventFilter(this);
}

WidgetBinding::~WidgetBinding() { model_.unsubscribe(token_); }

void WidgetBinding::refresh() {
    show(ui::Property::Enabled);
    show(ui::Property::Visible);
}

void WidgetBinding::show(ui::Property property) {
    Updating u(updating_);
    if (property == ui::Property::Enabled) {
        view_.setEnabled(model_.enabled());
    } else if (property == ui::Property::Visible) {
        view_.setHidden(!model_.visible());
    }
}

bool WidgetBinding::key(QKeyEvent*) { return false; }

bool WidgetBinding::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &view_) return false;
    switch (event->type()) {
    case QEvent::FocusIn:
        form_.qtFocusIn(model_, static_cast<QFocusEvent*>(event)->reason());
        return false;
    case QEvent::KeyPress: {
        auto* k = static_cast<QKeyEvent*>(event);
        if (key(k)) return true;
        return form_.navigationKey(model_, k);
    }
    default:
        return false;
    }
}

}  // namespace desktop
