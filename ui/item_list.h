// The items of a combo box or list box: text, ItemData and mark, with the index checks
// and error numbers of the toolkit, and how a current index follows an insertion or removal.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ui {

class ItemList {
public:
    struct Item {
        std::string text;
        int32_t data = 0;
        bool selected = false;
    };

    int count() const { return static_cast<int>(items_.size()); }
    // Text of an item; "" for an index outside the list, as List(i) reads.
    std::string textAt(int index) const;
    // The item itself; error 381 outside the list.
    const Item& at(int index) const;
    Item& at(int index);
    // Inserts at `index` (-1: at the end) and returns where; error 5 past the end.
    int insert(std::string text, int index);
    // Error 5 outside the list.
    void remove(int index);
    void clear() { items_.clear(); }
    // Index of the first item whose text equals `text` exactly, -1 if none.
    int find(const std::string& text) const;

    // Where a current index ends up after an insertion at `at`.
    static int afterInsert(int current, int at) { return current >= at ? current + 1 : current; }
    // Where a current index ends up after the removal of `at` (-1 when it was removed).
    static int afterRemove(int current, int at) {
        return current == at ? -1 : (current > at ? current - 1 : current);
    }

private:
    std::vector<Item> items_;
};

}  // namespace ui
