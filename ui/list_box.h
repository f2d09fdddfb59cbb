// A list box, single or simple multiple selection, with marks, current row, first visible
// row, and the Click, DblClick and Scroll events.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "ui/item_list.h"
#include "ui/widget.h"

namespace ui {

enum class MultiSelect { None = 0, Simple = 1 };

class ListBox : public Widget {
public:
    explicit ListBox(std::string name, MultiSelect multiSelect = MultiSelect::None);

    MultiSelect multiSelect() const { return multiSelect_; }

    // Items. AddItem with index -1 appends; error 5 past the end, as for RemoveItem outside
    // the list. A mark and the current row follow their entry; the current row becomes -1
    // when its entry is removed. No event.
    void addItem(std::string text, int index = -1);
    void removeItem(int index);
    void clear();
    // "" outside the list.
    std::string list(int index) const { return items_.textAt(index); }
    void setList(int index, std::string text);
    int listCount() const { return items_.count(); }
    int32_t itemData(int index) const { return items_.at(index).data; }
    void setItemData(int index, int32_t data);
    int newIndex() const { return newIndex_; }

    // Marks; error 381 outside the list. Raises Click only when the mark changes. In single
    // selection, marking a row makes it the current one and unmarks the others, and
    // unmarking the current row leaves no current row.
    bool selected(int index) const { return items_.at(index).selected; }
    void setSelected(int index, bool selected);
    int selCount() const;

    // Current row (the focus rectangle), -1 for none; error 380 outside -1..ListCount-1.
    // In single selection it is also the marked row; in multiple selection it marks
    // nothing. Raises Click only when something changes. The row is scrolled into view.
    int listIndex() const { return listIndex_; }
    void setListIndex(int index);
    // Text of the current row, "" when none.
    std::string text() const { return items_.textAt(listIndex_); }

    // First visible row, kept within the list; a change raises Scroll.
    int topIndex() const { return topIndex_; }
    void setTopIndex(int index);
    // Rows the view shows at once, 0 while unknown; used to keep the current row visible.
    int visibleRows() const { return visibleRows_; }
    void setVisibleRows(int rows);

    bool takesFocus() const override { return true; }

    // The user clicks a row: in single selection it becomes the marked current row; in
    // multiple selection its mark toggles and it becomes the current row. One Click.
    // False, with no event, when the box accepts no input or the row is outside the list.
    bool clickRow(int row);
    // A click on the row, then DblClick (the second press does not toggle again).
    bool doubleClickRow(int row);
    // The user drags the list's own scroll bar.
    bool scroll(int topIndex);

    std::function<void()> onClick;
    std::function<void()> onDblClick;
    std::function<void()> onScroll;

private:
    bool mark(int index, bool selected);
    bool setCurrent(int index);
    int maxTopIndex() const;
    void keepTopInRange();
    void scrollIntoView(int index);

    MultiSelect multiSelect_;
    ItemList items_;
    int listIndex_ = -1;
    int topIndex_ = 0;
    int visibleRows_ = 0;
    int newIndex_ = -1;
};

}  // namespace ui
