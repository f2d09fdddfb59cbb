// Programmatic and typed edits of a text box, with their notifications and events.
#include "ui/text_box.h"

#include "ui/keys.h"
#include "numbers/utf8.h"

namespace ui {

TextBox::TextBox(std::string name, std::string text) : Widget(std::move(name)) {
    edit_.setText(std::move(text));
}

void TextBox::publish(const EditBuffer::Changes& changes) {
    if (changes.text) notify(Property::Text);
    if (changes.selStart) notify(Property::SelStart);
    if (changes.selLength) notify(Property::SelLength);
    if (changes.text) raise(onChange);
}

void TextBox::setText(std::string text) { publish(edit_.setText(std::move(text))); }

void TextBox::setSelStart(int start) { publish(edit_.setSelStart(start)); }

void TextBox::setSelLength(int length) { publish(edit_.setSelLength(length)); }

void TextBox::setSelText(const std::string& text) { publish(edit_.replaceSelection(text)); }

void TextBox::setMaxLength(int maxLength) {
    int before = edit_.maxLength();
    edit_.setMaxLength(maxLength);
    if (edit_.maxLength() != before) notify(Property::MaxLength);
}

bool TextBox::keyPress(int key) {
    if (!acceptsInput()) return false;
    raise(onKeyPress, key);
    // The key already reached the box: it is applied even if the handler disabled it.
    if (key == 0) return true;
    publish(edit_.applyKey(key));
    return true;
}

bool TextBox::type(std::string_view keys) {
    bool delivered = true;
    for (char32_t cp : dnt::utf8::decode(keys)) {
        int key = cp == U'\n' ? kKeyReturn : static_cast<int>(cp);
        delivered = keyPress(key) && delivered;
    }
    return delivered;
}

}  // namespace ui
