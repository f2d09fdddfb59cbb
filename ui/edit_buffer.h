// The text, caret and selection of a single-line edit field, and how one typed key
// changes them; shared by the text box and the editable combo box.
#pragma once

#include <string>

namespace ui {

class EditBuffer {
public:
    // Which properties an operation changed.
    struct Changes {
        bool text = false;
        bool selStart = false;
        bool selLength = false;
        bool any() const { return text || selStart || selLength; }
    };

    const std::string& text() const { return text_; }
    int length() const { return length_; }
    int selStart() const { return selStart_; }
    int selLength() const { return selLength_; }
    std::string selText() const;
    int maxLength() const { return maxLength_; }

    // A new text puts the caret at the start with nothing selected. Assigning the text
    // already held changes nothing at all, caret included.
    Changes setText(std::string text);
    // Clamped to the text; also empties the selection.
    Changes setSelStart(int start);
    // Clamped to what follows the caret.
    Changes setSelLength(int length);
    // Replaces the selection (or inserts at the caret); the caret ends after the insertion.
    Changes replaceSelection(const std::string& text);
    // 0 means no limit. Only typing is limited; an assigned text is kept whole.
    void setMaxLength(int maxLength) { maxLength_ = maxLength < 0 ? 0 : maxLength; }

    // Applies one key after its KeyPress: backspace deletes the selection or the character
    // before the caret; a printable character replaces the selection unless the text is
    // full; Enter, Escape and other control keys change nothing.
    Changes applyKey(int key);

private:
    Changes assign(std::string text, int selStart);

    std::string text_;
    int length_ = 0;
    int selStart_ = 0;
    int selLength_ = 0;
    int maxLength_ = 0;
};

}  // namespace ui
