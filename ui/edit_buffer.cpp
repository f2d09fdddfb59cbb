// Caret, selection and key editing of a single-line edit field.
#include "ui/edit_buffer.h"

#include <algorithm>

#include "ui/keys.h"
#include "numbers/utf8.h"

namespace ui {

std::string EditBuffer::selText() const {
    std::size_t from = dnt::utf8::offset(text_, static_cast<std::size_t>(selStart_));
    std::size_t to = dnt::utf8::offset(text_, static_cast<std::size_t>(selStart_ + selLength_));
    return text_.substr(from, to - from);
}

EditBuffer::Changes EditBuffer::assign(std::string text, int selStart) {
    Changes changes;
    changes.text = text != text_;
    text_ = std::move(text);
    length_ = static_cast<int>(dnt::utf8::countChars(text_));
    changes.selStart = selStart != selStart_;
    changes.selLength = selLength_ != 0;
    selStart_ = selStart;
    selLength_ = 0;
    return changes;
}

EditBuffer::Changes EditBuffer::setText(std::string text) {
    if (text == text_) return {};
    return assign(std::move(text), 0);
}

EditBuffer::Changes EditBuffer::setSelStart(int start) {
    start = std::clamp(start, 0, length_);
    Changes changes;
    changes.selStart = start != selStart_;
    changes.selLength = selLength_ != 0;
    selStart_ = start;
    selLength_ = 0;
    return changes;
}

EditBuffer::Changes EditBuffer::setSelLength(int length) {
    length = std::clamp(length, 0, length_ - selStart_);
    Changes changes;
    changes.selLength = length != selLength_;
    selLength_ = length;
    return changes;
}

EditBuffer::Changes EditBuffer::replaceSelection(const std::string& inserted) {
    std::size_t from = dnt::utf8::offset(text_, static_cast<std::size_t>(selStart_));
    std::size_t to = dnt::utf8::offset(text_, static_cast<std::size_t>(selStart_ + selLength_));
    std::string text = text_.substr(0, from) + inserted + text_.substr(to);
    int caret = selStart_ + static_cast<int>(dnt::utf8::countChars(inserted));
    return assign(std::move(text), caret);
}

EditBuffer::Changes EditBuffer::applyKey(int key) {
    if (key == kKeyBack) {
        if (selLength_ > 0) return replaceSelection("");
        if (selStart_ == 0) return {};
        std::size_t from = dnt::utf8::offset(text_, static_cast<std::size_t>(selStart_ - 1));
        std::size_t to = dnt::utf8::offset(text_, static_cast<std::size_t>(selStart_));
        return assign(text_.substr(0, from) + text_.substr(to), selStart_ - 1);
    }
    if (key < kKeySpace || key == 127 || key > 0x10FFFF) return {};
    if (maxLength_ > 0 && length_ - selLength_ >= maxLength_) return {};
    return replaceSelection(dnt::utf8::encode(static_cast<char32_t>(key)));
}

}  // namespace ui
