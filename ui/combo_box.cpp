// Items, current item, text and user actions of a combo box.
#include "ui/combo_box.h"

#include "ui/errors.h"
#include "ui/keys.h"
#include "numbers/utf8.h"

namespace ui {

ComboBox::ComboBox(std::string name, ComboStyle style) : Widget(std::move(name)), style_(style) {}

void ComboBox::publish(const EditBuffer::Changes& changes, bool raiseChange) {
    if (changes.text) notify(Property::Text);
    if (changes.selStart) notify(Property::SelStart);
    if (changes.selLength) notify(Property::SelLength);
    if (changes.text && raiseChange) raise(onChange);
}

void ComboBox::setCurrent(int index) {
    if (index == listIndex_) return;
    listIndex_ = index;
    notify(Property::ListIndex);
}

void ComboBox::addItem(std::string text, int index) {
    int at = items_.insert(std::move(text), index);
    newIndex_ = at;
    notify(Property::List);
    if (listIndex_ >= 0) setCurrent(ItemList::afterInsert(listIndex_, at));
}

void ComboBox::removeItem(int index) {
    items_.remove(index);
    notify(Property::List);
    int current = ItemList::afterRemove(listIndex_, index);
    bool removedCurrent = listIndex_ == index;
    setCurrent(current);
    if (removedCurrent && !editable()) publish(edit_.setText(""), false);
}

void ComboBox::clear() {
    items_.clear();
    newIndex_ = -1;
    notify(Property::List);
    setCurrent(-1);
    publish(edit_.setText(""), false);
}

void ComboBox::setList(int index, std::string text) {
    items_.at(index).text = std::move(text);
    notify(Property::List);
    if (index == listIndex_ && !editable()) publish(edit_.setText(items_.textAt(index)), false);
}

void ComboBox::setItemData(int index, int32_t data) {
    items_.at(index).data = data;
    notify(Property::ItemData);
}

void ComboBox::setListIndex(int index) {
    if (index < -1 || index >= listCount()) {
        throw PropertyError(kErrInvalidPropertyValue,
                            name() + ": invalid ListIndex " + std::to_string(index));
    }
    setCurrent(index);
    publish(edit_.setText(items_.textAt(index)), false);
    raise(onClick);
}

void ComboBox::setText(std::string text) {
    if (!editable()) {
        int index = items_.find(text);
        if (index < 0) throw PropertyError(kErrTextReadOnly, name() + ": 'Text' property is read-only");
        setListIndex(index);
        return;
    }
    if (text == edit_.text()) return;
    setCurrent(items_.find(text));
    publish(edit_.setText(std::move(text)), true);
}

void ComboBox::setSelStart(int start) { publish(edit_.setSelStart(start), false); }

void ComboBox::setSelLength(int length) { publish(edit_.setSelLength(length), false); }

bool ComboBox::choose(int index) {
    if (!acceptsInput() || index < 0 || index >= listCount()) return false;
    setListIndex(index);
    return true;
}

bool ComboBox::keyPress(int key) {
    if (!acceptsInput()) return false;
    raise(onKeyPress, key);
    if (key == 0 || !editable()) return true;
    EditBuffer::Changes changes = edit_.applyKey(key);
    if (changes.text) setCurrent(items_.find(edit_.text()));
    publish(changes, true);
    return true;
}

bool ComboBox::type(std::string_view keys) {
    bool delivered = true;
    for (char32_t cp : dnt::utf8::decode(keys)) {
        int key = cp == U'\n' ? kKeyReturn : static_cast<int>(cp);
        delivered = keyPress(key) && delivered;
    }
    return delivered;
}

}  // namespace ui
