// Binds a form model to the Qt widget that shows it: its Enabled, the focus kept where
// the model has it, the person's focus moves, Tab and the command keys given to the model
// in the toolkit's order, and the pop-up menus the form asks for.
#pragma once

#include <QObject>

#include <functional>
#include <map>

#include "ui/form.h"

class QKeyEvent;
class QWidget;

namespace desktop {

class WidgetBinding;

class FormBinding : public QObject {
public:
    FormBinding(ui::Form& form, QWidget& view);
    ~FormBinding() override;

    ui::Form& form() const { return form_; }
    QWidget& view() const { return view_; }

    // Records the binding of a widget of the form (owned by its Qt widget).
    void add(WidgetBinding& binding);
    WidgetBinding* find(const ui::Widget* model) const;
    QWidget* viewOf(const ui::Widget* model) const;

    // Gives Qt's focus to the widget the model's focus is on.
    void syncFocus();

    // Qt gave the focus to the widget of `model`: the model moves its focus there
    // (LostFocus, GotFocus), or the focus goes back where the model keeps it.
    void qtFocusIn(ui::Widget& model, Qt::FocusReason reason);
    // Makes `model` the model's active control if it is not; whether it is now.
    bool ensureActive(ui::Widget& model);
    // As a mouse press does before a click: the focus moves to `model`; false when the
    // click is lost (the widget takes no input, or a LostFocus kept the focus elsewhere).
    bool focusForClick(ui::Widget& model);
    // One key of the toolkit's keyboard (Tab, Enter, Escape, Space, a character) given to
    // the form as its focused widget receives it.
    void driverKey(ui::Widget& model, int keyAscii);
    // Tab, Shift+Tab, Enter and Escape pressed in the widget of `model`: given to the
    // model; true when the key was one of them.
    bool navigationKey(ui::Widget& model, QKeyEvent* event);
    // A mouse press on the form's background (pixels of the form's view).
    void mouseDown(int button, int shift, float x, float y);

    // Told the form's properties after the binding has shown them (a window follows
    // Caption, Visible and Loaded).
    std::function<void(ui::Property property)> onFormProperty;

private:
    void show(ui::Property property);
    void showPopup();

    ui::Form& form_;
    QWidget& view_;
    int token_;
    std::map<const ui::Widget*, WidgetBinding*> bindings_;
    int syncing_ = 0;
    int inFocusIn_ = 0;
};

// Qt's mouse buttons and keyboard modifiers as the toolkit's events number them.
int toolkitButton(Qt::MouseButton button);
int toolkitShift(Qt::KeyboardModifiers modifiers);

}  // namespace desktop
