// A single-line text box: Text, caret and selection, an optional length limit, and the
// KeyPress and Change events the control's code filters and reacts to.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "ui/edit_buffer.h"
#include "ui/widget.h"

namespace ui {

class TextBox : public Widget {
public:
    explicit TextBox(std::string name, std::string text = "");

    // Assigning a different text raises Change and puts the caret at the start;
    // assigning the text already held does nothing and raises no Change.
    const std::string& text() const { return edit_.text(); }
    void setText(std::string text);

    // Positions and lengths count characters, not bytes.
    int selStart() const { return edit_.selStart(); }
    void setSelStart(int start);
    int selLength() const { return edit_.selLength(); }
    void setSelLength(int length);
    std::string selText() const { return edit_.selText(); }
    // Replaces the selection; raises Change when that changes the text.
    void setSelText(const std::string& text);
    // 0: no limit. Limits typing only.
    int maxLength() const { return edit_.maxLength(); }
    void setMaxLength(int maxLength);

    bool takesFocus() const override { return true; }

    // The user presses one key while the box has the focus: KeyPress is raised first and
    // its handler may change the key or set it to 0 to discard it; then the key is applied
    // at the caret (see EditBuffer::applyKey) and Change is raised if the text changed.
    // False, with no event, when the box accepts no input. The focus is not checked here.
    bool keyPress(int key);
    // Types a UTF-8 text as one key press per character (the key is the code point;
    // '\n' is Enter and '\b' backspace). False if the box accepted no input.
    bool type(std::string_view keys);

    std::function<void(int& keyAscii)> onKeyPress;
    std::function<void()> onChange;

private:
    void publish(const EditBuffer::Changes& changes);

    EditBuffer edit_;
};

}  // namespace ui
