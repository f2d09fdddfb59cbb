// Keys of a line edit given to a text model.
#include "desktop/edit_keys.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "ui/keys.h"
#include "desktop/form_binding.h"
#include "desktop/guarded.h"
#include "desktop/text.h"
#include "ui/widget.h"

namespace desktop {

namespace {

constexpr int kCtrlC = 3;
constexpr int kCtrlV = 22;
constexpr int kCtrlX = 24;

// Keys that move the caret or the selection, or copy: Qt's own handling changes no text.
bool caretKey(QKeyEvent* e) {
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    switch (e->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    case Qt::Key_A:
    case Qt::Key_C:
        return ctrl;
    case Qt::Key_Insert:
        return ctrl;
    default:
        return false;
    }
}

void typeKeys(const QString& text, EditTarget& target, FormBinding& form) {
    for (char32_t cp : text.toUcs4()) {
        if (cp < 32 || cp == 127) continue;
        form.driverKey(target.widget(), static_cast<int>(cp));
    }
}

// Cut (24) or paste (22), announced by KeyPress, which may discard it.
void clipboardEdit(int keyAscii, QLineEdit& edit, EditTarget& target) {
    if (!target.widget().acceptsInput()) return;
    pushSelection(edit, target);
    int k = keyAscii;
    guarded([&] { target.raiseKeyPress(k); });
    if (k != keyAscii) return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (keyAscii == kCtrlX) {
        if (target.selLength() == 0) return;
        if (clipboard) clipboard->setText(edit.selectedText());
        guarded([&] { target.replaceSelection(""); });
        return;
    }
    QString pasted = clipboard ? clipboard->text() : QString();
    pasted = pasted.section(QLatin1Char('\n'), 0, 0);
    pasted.remove(QLatin1Char('\r'));
    if (pasted.isEmpty()) return;
    guarded([&] { target.replaceSelection(fromQ(pasted)); });
}

}  // namespace

void pushSelection(QLineEdit& edit, EditTarget& target) {
    const QString text = edit.text();
    int start = edit.hasSelectedText() ? edit.selectionStart() : edit.cursorPosition();
    int length = edit.hasSelectedText() ? edit.selectionLength() : 0;
    int from = charsBefore(text, start);
    int to = charsBefore(text, start + length);
    if (from != target.selStart() || to - from != target.selLength()) target.select(from, to - from);
}

void showSelection(QLineEdit& edit, const EditTarget& target) {
    const QString text = edit.text();
    int from = utf16Index(text, target.selStart());
    int to = utf16Index(text, target.selStart() + target.selLength());
    if (to > from) {
        if (!(edit.hasSelectedText() && edit.selectionStart() == from && edit.selectionLength() == to - from))
            edit.setSelection(from, to - from);
    } else if (edit.hasSelectedText() || edit.cursorPosition() != from) {
        edit.setCursorPosition(from);
    }
}

bool editKey(QKeyEvent* e, QLineEdit& edit, EditTarget& target, FormBinding& form) {
    const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
    const bool ctrl = mods & Qt::ControlModifier;
    const bool shift = mods & Qt::ShiftModifier;
    switch (e->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        if (ctrl || (mods & Qt::AltModifier)) return true;
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) pushSelection(edit, target);
        return false;  // the form's keys
    case Qt::Key_Backspace:
        pushSelection(edit, target);
        if (!ctrl) form.driverKey(target.widget(), ui::kKeyBack);
        return true;
    case Qt::Key_Delete:
        if (shift) {
            clipboardEdit(kCtrlX, edit, target);
            return true;
        }
        pushSelection(edit, target);
        if (ctrl || !target.widget().acceptsInput()) return true;
        if (target.selLength() == 0) {
            if (target.selStart() >= charsBefore(edit.text(), edit.text().size())) return true;
            target.select(target.selStart(), 1);
        }
        guarded([&] { target.replaceSelection(""); });
        return true;
    case Qt::Key_Insert:
        if (shift) {
            clipboardEdit(kCtrlV, edit, target);
            return true;
        }
        return !ctrl;
    default:
        break;
    }
    if (ctrl && e->key() == Qt::Key_V) {
        clipboardEdit(kCtrlV, edit, target);
        return true;
    }
    if (ctrl && e->key() == Qt::Key_X) {
        clipboardEdit(kCtrlX, edit, target);
        return true;
    }
    if (ctrl && e->key() == Qt::Key_C) {
        int k = kCtrlC;
        if (target.widget().acceptsInput()) guarded([&] { target.raiseKeyPress(k); });
        return k == 0;
    }
    if (caretKey(e)) return false;
    if (ctrl || (mods & Qt::MetaModifier)) return true;  // undo, word deletion...: not offered
    const QString text = e->text();
    if (text.isEmpty()) return false;  // modifiers alone, function keys
    pushSelection(edit, target);
    typeKeys(text, target, form);
    return true;
}

bool editInput(QInputMethodEvent* e, QLineEdit& edit, EditTarget& target, FormBinding& form) {
    // A composition in progress is not shown: the model receives the composed characters.
    if (e->commitString().isEmpty()) return true;
    pushSelection(edit, target);
    typeKeys(e->commitString(), target, form);
    return true;
}

}  // namespace desktop
