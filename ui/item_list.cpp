// Storage and index checks of the items of a combo box or list box.
#include "ui/item_list.h"

#include "ui/errors.h"

namespace ui {

std::string ItemList::textAt(int index) const {
    return index >= 0 && index < count() ? items_[index].text : std::string();
}

const ItemList::Item& ItemList::at(int index) const {
    if (index < 0 || index >= count()) {
        throw PropertyError(kErrInvalidArrayIndex,
                            "Invalid property array index: " + std::to_string(index));
    }
    return items_[index];
}

ItemList::Item& ItemList::at(int index) {
    return const_cast<Item&>(static_cast<const ItemList&>(*this).at(index));
}

int ItemList::insert(std::string text, int index) {
    if (index == -1) index = count();
    if (index < 0 || index > count()) {
        throw PropertyError(kErrInvalidCall, "AddItem: invalid index " + std::to_string(index));
    }
    items_.insert(items_.begin() + index, Item{std::move(text)});
    return index;
}

void ItemList::remove(int index) {
    if (index < 0 || index >= count()) {
        throw PropertyError(kErrInvalidCall, "RemoveItem: invalid index " + std::to_string(index));
    }
    items_.erase(items_.begin() + index);
}

int ItemList::find(const std::string& text) const {
    for (int i = 0; i < count(); ++i) {
        if (items_[i].text == text) return i;
    }
    return -1;
}

}  // namespace ui
