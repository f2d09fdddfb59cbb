// A combo box shown in a QComboBox.
#include "desktop/combo_box_binding.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "desktop/form_binding.h"
#include "desktop/guarded.h"
#include "desktop/text.h"
#include "numbers/utf8.h"

namespace desktop {

ComboBoxBinding::ComboBoxBinding(ui::ComboBox& model, QComboBox& view, FormBinding& form)
    : WidgetBinding(model, view, form), combo_(model), box_(view) {
    box_.setEditable(model.editable());
    box_.setInsertPolicy(QComboBox::NoInsert);
    box_.setMaxVisibleItems(12);
    if (model.editable()) {
        edit_ = box_.lineEdit();
        box_.setCompleter(nullptr);
        edit_->setContextMenuPolicy(Qt::NoContextMenu);
        edit_->installEventFilter(this);
        auto caretMoved = [this] {
            if (!updating_) pushSelection(*edit_, *this);
        };
        connect(edit_, &QLineEdit::selectionChanged, this, caretMoved);
        connect(edit_, &QLineEdit::cursorPositionChanged, this, caretMoved);
    }
    connect(&box_, &QComboBox::activated, this, [this](int index) { picked(index); });
}

void ComboBoxBinding::refresh() {
    WidgetBinding::refresh();
    showItems();
}

void ComboBoxBinding::picked(int index) {
    if (updating_) return;
    if (form_.focusForClick(combo_)) guarded([&] { combo_.choose(index); });
    showCurrent();
}

void ComboBoxBinding::select(int start, int length) {
    Updating p(pushing_);
    combo_.setSelStart(start);
    combo_.setSelLength(length);
}

void ComboBoxBinding::replaceSelection(const std::string& text) {
    const std::string& old = combo_.text();
    size_t from = dnt::utf8::offset(old, static_cast<std::size_t>(combo_.selStart()));
    size_t to = dnt::utf8::offset(old, static_cast<std::size_t>(combo_.selStart() + combo_.selLength()));
    std::string updated = old.substr(0, from) + text + old.substr(to);
    int caret = combo_.selStart() + static_cast<int>(dnt::utf8::countChars(text));
    combo_.setText(updated);
    combo_.setSelStart(caret);
}

void ComboBoxBinding::showItems() {
    {
        Updating u(updating_);
        box_.clear();
        for (int i = 0; i < combo_.listCount(); ++i) box_.addItem(toQ(combo_.list(i)));
    }
    showCurrent();
}

void ComboBoxBinding::showCurrent() {
    Updating u(updating_);
    if (box_.currentIndex() != combo_.listIndex()) box_.setCurrentIndex(combo_.listIndex());
    if (edit_) {
        const QString text = toQ(combo_.text());
        if (edit_->text() != text) edit_->setText(text);
        showSelection(*edit_, *this);
    }
}

void ComboBoxBinding::show(ui::Property property) {
    if (property == ui::Property::List) {
        showItems();
    } else if (property == ui::Property::ListIndex || property == ui::Property::Text) {
        showCurrent();
    } else if (property == ui::Property::SelStart || property == ui::Property::SelLength) {
        if (pushing_ || !edit_) return;
        Updating u(updating_);
        showSelection(*edit_, *this);
    } else {
        WidgetBinding::show(property);
    }
}

bool ComboBoxBinding::key(QKeyEvent* event) {
    if (!edit_) return false;  // a drop-down list: Qt picks the items, `activated` tells the model
    return editKey(event, *edit_, *this, form_);
}

bool ComboBoxBinding::eventFilter(QObject* watched, QEvent* event) {
    if (edit_ && (watched == edit_ || watched == &box_)) {
        if (event->type() == QEvent::InputMethod)
            return editInput(static_cast<QInputMethodEvent*>(event), *edit_, *this, form_);
        if (watched == edit_) {
            if (event->type() == QEvent::FocusIn) {
                form_.qtFocusIn(combo_, static_cast<QFocusEvent*>(event)->reason());
                return false;
            }
            if (event->type() == QEvent::KeyPress) {
                auto* k = static_cast<QKeyEvent*>(event);
                return key(k) || form_.navigationKey(combo_, k);
            }
            return false;
        }
    }
    return WidgetBinding::eventFilter(watched, event);
}

}  // namespace desktop
