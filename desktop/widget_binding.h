// The base of every binding between a widget model and its Qt widget: follows the
// model's properties (Enabled, Visible here, the rest in each kind's binding) and hands
// the person's focus moves and keys to the form's binding.
#pragma once

#include <QObject>

#include "ui/widget.h"

class QEvent;
class QKeyEvent;
class QWidget;

namespace desktop {

class FormBinding;

class WidgetBinding : public QObject {
public:
    WidgetBinding(ui::Widget& model, QWidget& view, FormBinding& form);
    ~WidgetBinding() override;

    ui::Widget& model() const { return model_; }
    QWidget& view() const { return view_; }

    // Shows every property of the model at once (after construction, or to resynchronise).
    virtual void refresh();

protected:
    // One property of the model has changed; the kinds show theirs and pass the others on.
    virtual void show(ui::Property property);
    // A key pressed in the widget, before Qt sees it: true when the binding dealt with it.
    virtual bool key(QKeyEvent* event);
    bool eventFilter(QObject* watched, QEvent* event) override;

    FormBinding& form_;
    // Above zero while the view is being set from the model, so that the signals this
    // raises in Qt are not taken for the person's actions.
    int updating_ = 0;

private:
    ui::Widget& model_;
    QWidget& view_;
    int token_;
};

// Scope during which a binding sets its view from the model.
class Updating {
public:
    explicit Updating(int& counter) : counter_(counter) { ++counter_; }
    ~Updating() { --counter_; }
    Updating(const Updating&) = delete;
    Updating& operator=(const Updating&) = delete;

private:
    int& counter_;
};

}  // namespace desktop
