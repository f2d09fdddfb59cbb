// Items, marks, current row, scrolling and user clicks of a list box.
#include "ui/list_box.h"

#include <algorithm>

#include "ui/errors.h"

namespace ui {

ListBox::ListBox(std::string name, MultiSelect multiSelect)
    : Widget(std::move(name)), multiSelect_(multiSelect) {}

bool ListBox::mark(int index, bool selected) {
    ItemList::Item& item = items_.at(index);
    if (item.selected == selected) return false;
    item.selected = selected;
    notify(Property::Selected);
    return true;
}

bool ListBox::setCurrent(int index) {
    if (index == listIndex_) return false;
    listIndex_ = index;
    notify(Property::ListIndex);
    return true;
}

int ListBox::maxTopIndex() const {
    int rows = visibleRows_ > 0 ? visibleRows_ : 1;
    return std::max(0, listCount() - rows);
}

void ListBox::keepTopInRange() {
    int top = std::clamp(topIndex_, 0, maxTopIndex());
    if (top == topIndex_) return;
    topIndex_ = top;
    notify(Property::TopIndex);
}

void ListBox::scrollIntoView(int index) {
    if (index < 0 || visibleRows_ <= 0) return;
    if (index < topIndex_) {
        setTopIndex(index);
    } else if (index >= topIndex_ + visibleRows_) {
        setTopIndex(index - visibleRows_ + 1);
    }
}

void ListBox::addItem(std::string text, int index) {
    int at = items_.insert(std::move(text), index);
    newIndex_ = at;
    notify(Property::List);
    if (listIndex_ >= 0) setCurrent(ItemList::afterInsert(listIndex_, at));
}

void ListBox::removeItem(int index) {
    items_.remove(index);
    notify(Property::List);
    setCurrent(ItemList::afterRemove(listIndex_, index));
    keepTopInRange();
}

void ListBox::clear() {
    items_.clear();
    newIndex_ = -1;
    notify(Property::List);
    setCurrent(-1);
    keepTopInRange();
}

void ListBox::setList(int index, std::string text) {
    items_.at(index).text = std::move(text);
    notify(Property::List);
}

void ListBox::setItemData(int index, int32_t data) {
    items_.at(index).data = data;
    notify(Property::ItemData);
}

int ListBox::selCount() const {
    int n = 0;
    for (int i = 0; i < listCount(); ++i) n += items_.at(i).selected ? 1 : 0;
    return n;
}

void ListBox::setSelected(int index, bool selected) {
    items_.at(index);  // error 381 before anything changes
    bool changed = false;
    if (multiSelect_ == MultiSelect::Simple) {
        changed = mark(index, selected);
    } else if (selected) {
        for (int i = 0; i < listCount(); ++i) changed = mark(i, i == index) || changed;
        changed = setCurrent(index) || changed;
        scrollIntoView(index);
    } else if (items_.at(index).selected) {
        changed = mark(index, false);
        changed = setCurrent(-1) || changed;
    }
    if (changed) raise(onClick);
}

void ListBox::setListIndex(int index) {
    if (index < -1 || index >= listCount()) {
        throw PropertyError(kErrInvalidPropertyValue,
                            name() + ": invalid ListIndex " + std::to_string(index));
    }
    bool changed = setCurrent(index);
    if (multiSelect_ == MultiSelect::None) {
        for (int i = 0; i < listCount(); ++i) changed = mark(i, i == index) || changed;
    }
    scrollIntoView(index);
    if (changed) raise(onClick);
}

void ListBox::setTopIndex(int index) {
    index = std::clamp(index, 0, maxTopIndex());
    if (index == topIndex_) return;
    topIndex_ = index;
    notify(Property::TopIndex);
    raise(onScroll);
}

void ListBox::setVisibleRows(int rows) {
    rows = std::max(0, rows);
    if (rows == visibleRows_) return;
    visibleRows_ = rows;
    notify(Property::VisibleRows);
    keepTopInRange();
}

bool ListBox::clickRow(int row) {
    if (!acceptsInput() || row < 0 || row >= listCount()) return false;
    if (multiSelect_ == MultiSelect::Simple) {
        mark(row, !items_.at(row).selected);
    } else {
        for (int i = 0; i < listCount(); ++i) mark(i, i == row);
    }
    setCurrent(row);
    scrollIntoView(row);
    raise(onClick);
    return true;
}

bool ListBox::doubleClickRow(int row) {
    if (!clickRow(row)) return false;
    raise(onDblClick);
    return true;
}

bool ListBox::scroll(int topIndex) {
    if (!acceptsInput()) return false;
    setTopIndex(topIndex);
    return true;
}

}  // namespace ui
