// A text box shown in a QLineEdit.
#include "desktop/text_box_binding.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "desktop/text.h"

namespace desktop {

TextBoxBinding::TextBoxBinding(ui::TextBox& model, QLineEdit& view, FormBinding& form)
    : WidgetBinding(model, view, form), box_(model), edit_(view) {
    edit_.setContextMenuPolicy(Qt::NoContextMenu);  // its edits would bypass the model
    auto caretMoved = [this] {
        if (!updating_) pushSelection(edit_, *this);
    };
    connect(&edit_, &QLineEdit::selectionChanged, this, caretMoved);
    connect(&edit_, &QLineEdit::cursorPositionChanged, this, caretMoved);
}

void TextBoxBinding::refresh() {
    WidgetBinding::refresh();
    showText();
}

void TextBoxBinding::select(int start, int length) {
    Updating p(pushing_);
    box_.setSelStart(start);
    box_.setSelLength(length);
}

void TextBoxBinding::showText() {
    Updating u(updating_);
    const QString text = toQ(box_.text());
    if (edit_.text() != text) edit_.setText(text);
    showSelection(edit_, *this);
}

void TextBoxBinding::show(ui::Property property) {
    if (property == ui::Property::Text) {
        showText();
    } else if (property == ui::Property::SelStart || property == ui::Property::SelLength) {
        if (pushing_) return;
        Updating u(updating_);
        showSelection(edit_, *this);
    } else {
        WidgetBinding::show(property);
    }
}

bool TextBoxBinding::key(QKeyEvent* event) { return editKey(event, edit_, *this, form_); }

bool TextBoxBinding::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &edit_ && event->type() == QEvent::InputMethod)
        return editInput(static_cast<QInputMethodEvent*>(event), edit_, *this, form_);
    return WidgetBinding::eventFilter(watched, event);
}

}  // namespace desktop
