// The keys typed into a line edit, given to a text model (a text box or the text of an
// editable combo box) as the toolkit delivers them: characters, backspace and Enter as
// key presses whose KeyPress may discard them; Delete, cut and paste as edits of the
// selection (cut and paste announced by their KeyPress 24 and 22 first); the caret and
// selection keys left to Qt, whose caret and selection are then told to the model.
#pragma once

#include <string>

class QInputMethodEvent;
class QKeyEvent;
class QLineEdit;

namespace ui {
class Widget;
}

namespace desktop {

class FormBinding;

// What the keys need of a text model.
class EditTarget {
public:
    virtual ~EditTarget() = default;
    virtual ui::Widget& widget() = 0;
    virtual std::string text() const = 0;
    virtual int selStart() const = 0;
    virtual int selLength() const = 0;
    // Sets the model's caret and selection (in characters) without showing them back.
    virtual void select(int start, int length) = 0;
    // Replaces the selection: Change, no KeyPress.
    virtual void replaceSelection(const std::string& text) = 0;
    // Raises KeyPress alone; its handler may set the key to 0.
    virtual void raiseKeyPress(int& keyAscii) = 0;
};

// Tells the model where Qt's caret and selection are.
void pushSelection(QLineEdit& edit, EditTarget& target);
// Shows the model's caret and selection in Qt (the text must already be shown).
void showSelection(QLineEdit& edit, const EditTarget& target);

// A key pressed in the line edit: true when it was given to the model (or refused) and
// Qt must not see it; false for the keys Qt handles (caret moves, copy, Tab, Enter...).
bool editKey(QKeyEvent* event, QLineEdit& edit, EditTarget& target, FormBinding& form);
// Text composed by an input method: typed as keys. True when consumed.
bool editInput(QInputMethodEvent* event, QLineEdit& edit, EditTarget& target, FormBinding& form);

}  // namespace desktop
