// A combo box, as a drop-down list (the text is always the chosen item's) or as a
// drop-down combo (an editable text with a list of suggestions), with Click and Change.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "ui/edit_buffer.h"
#include "ui/item_list.h"
#include "ui/widget.h"

namespace ui {

enum class ComboStyle { DropDownCombo = 0, DropDownList = 2 };

class ComboBox : public Widget {
public:
    explicit ComboBox(std::string name, ComboStyle style = ComboStyle::DropDownCombo);

    ComboStyle style() const { return style_; }
    bool editable() const { return style_ == ComboStyle::DropDownCombo; }

    // Items. AddItem with index -1 appends; error 5 for an index past the end, as for
    // RemoveItem outside the list. Neither raises an event; the current item follows its
    // entry, and becomes -1 when that entry is removed.
    void addItem(std::string text, int index = -1);
    void removeItem(int index);
    // Empties the list and the text; no event.
    void clear();
    // "" outside the list.
    std::string list(int index) const { return items_.textAt(index); }
    void setList(int index, std::string text);
    int listCount() const { return items_.count(); }
    int32_t itemData(int index) const { return items_.at(index).data; }
    void setItemData(int index, int32_t data);
    // Index of the item added last.
    int newIndex() const { return newIndex_; }

    // -1 for no item. Every assignment, even of the current index, shows that item's text
    // (empty for -1) and raises Click, never Change. Error 380 outside -1..ListCount-1.
    int listIndex() const { return listIndex_; }
    void setListIndex(int index);

    // Drop-down combo: a different text raises Change; the item of exactly that text, if
    // any, becomes the current one (ListIndex) without Click, otherwise ListIndex is -1.
    // Drop-down list: the text must be an item's, which is then chosen as by setListIndex;
    // any other text is refused with error 383.
    const std::string& text() const { return edit_.text(); }
    void setText(std::string text);
    int selStart() const { return edit_.selStart(); }
    void setSelStart(int start);
    int selLength() const { return edit_.selLength(); }
    void setSelLength(int length);

    bool takesFocus() const override { return true; }

    // The user picks item `index` from the drop-down: as setListIndex. False, with no
    // event, when the box accepts no input or the index is outside the list.
    bool choose(int index);
    // The user presses a key in the box: KeyPress first (the handler may change or discard
    // the key), then, in a drop-down combo only, the key edits the text as in a text box.
    bool keyPress(int key);
    bool type(std::string_view keys);

    std::function<void()> onClick;
    std::function<void()> onChange;
    std::function<void(int& keyAscii)> onKeyPress;

private:
    void publish(const EditBuffer::Changes& changes, bool raiseChange);
    void setCurrent(int index);

    ComboStyle style_;
    ItemList items_;
    EditBuffer edit_;
    int listIndex_ = -1;
    int newIndex_ = -1;
};

}  // namespace ui
