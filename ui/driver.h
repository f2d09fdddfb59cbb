// Acts on a form as a person at the keyboard and mouse would: keys go to the widget that
// has the focus, a click first moves the focus, and nothing reaches a widget that is
// disabled or hidden, inside a disabled or hidden frame, or on a disabled form.
#pragma once

#include <string_view>
#include <vector>

namespace ui {

class ComboBox;
class Form;
class Frame;
class ListBox;
class Menu;
class VScrollBar;
class Widget;

// Every action returns false when it could not reach its target (and then did nothing).
class Driver {
public:
    explicit Driver(Form& form) : form_(form) {}

    Form& form() const { return form_; }
    // The widget of that name; std::invalid_argument when there is none.
    Widget& widget(std::string_view name) const;

    // One key: Tab and Shift+Tab (tab/backTab) move the focus; Enter clicks the focused
    // button, else the Default button if it takes input (the focus stays and the box gets
    // no KeyPress), else goes to the focused box as a key press; Escape likewise with the
    // Cancel button; Space clicks a focused
    // button, check box or option button. Other keys go to the focused text or combo box.
    bool key(int keyAscii);
    // Keys of a UTF-8 text, one by one as key(): '\t' is Tab, '\n' Enter, '\b' backspace,
    // '\x1b' Escape, any other character its code point. False if any key was lost.
    bool type(std::string_view keys);
    bool tab();
    bool backTab();

    // A mouse click into `widget`: it takes the focus (LostFocus runs on the widget that
    // had it). False if it cannot take it.
    bool focus(Widget& widget);
    // Clicks into the box and types.
    bool typeInto(Widget& box, std::string_view keys);
    // Selects the whole text of the focused text or combo box with the mouse.
    bool selectAll();
    // Clicks into the box, selects its text and types `keys` over it.
    bool replaceText(Widget& box, std::string_view keys);

    // Clicks a command button, check box or option button: the focus moves to it first,
    // and the click is lost if a LostFocus handler keeps the focus elsewhere or disables it.
    bool click(Widget& widget);
    // Opens the drop-down of the combo and picks an item, by index or by its exact text.
    bool choose(ComboBox& combo, int index);
    bool choose(ComboBox& combo, std::string_view text);
    // Clicks a row of the list (toggling its mark in multiple selection).
    bool clickRow(ListBox& list, int row);
    bool doubleClickRow(ListBox& list, int row);
    // Clicks the rows whose mark differs, so that exactly `rows` are marked.
    bool markRows(ListBox& list, const std::vector<int>& rows);
    // Drags the scroll bar's thumb to `value`.
    bool scroll(VScrollBar& bar, int value);
    // Chooses a menu item (of a menu bar or of a pop-up menu being shown).
    bool chooseMenu(Menu& item);
    // A mouse press on the form's background or on a frame (button 2: right).
    bool mouseDown(int button, float x, float y);
    bool mouseDown(Frame& frame, int button, float x, float y);
    // The close button of the window's title bar.
    bool closeWindow();

private:
    bool focusForClick(Widget& widget);

    Form& form_;
};

}  // namespace ui
