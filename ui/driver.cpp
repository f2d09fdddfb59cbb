// The person's keyboard and mouse actions on a form.
#include "ui/driver.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/frame.h"
#include "ui/keys.h"
#include "ui/list_box.h"
#include "ui/menu.h"
#include "ui/option_button.h"
#include "ui/scroll_bar.h"
#include "ui/text_box.h"
#include "numbers/utf8.h"

namespace ui {

Widget& Driver::widget(std::string_view name) const {
    Widget* w = form_.find(name);
    if (!w) throw std::invalid_argument("no such widget: " + std::string(name));
    return *w;
}

bool Driver::tab() { return form_.tab(true); }

bool Driver::backTab() { return form_.tab(false); }

bool Driver::key(int keyAscii) {
    if (keyAscii == kKeyTab) return tab();
    if (!form_.acceptsInput()) return false;
    Widget* focused = form_.activeControl();
    auto* button = dynamic_cast<CommandButton*>(focused);
    if (button && (keyAscii == kKeyReturn || keyAscii == kKeySpace)) return button->click();
    if (keyAscii == kKeyReturn) {
        CommandButton* byDefault = form_.defaultButton();
        if (byDefault && byDefault->acceptsInput()) return byDefault->click();
    }
    if (keyAscii == kKeyEscape) {
        CommandButton* cancel = form_.cancelButton();
        if (cancel && cancel->acceptsInput()) return cancel->click();
    }
    if (keyAscii == kKeySpace) {
        if (auto* check = dynamic_cast<CheckBox*>(focused)) return check->click();
        if (auto* option = dynamic_cast<OptionButton*>(focused)) return option->click();
    }
    if (auto* text = dynamic_cast<TextBox*>(focused)) return text->keyPress(keyAscii);
    if (auto* combo = dynamic_cast<ComboBox*>(focused)) return combo->keyPress(keyAscii);
    return false;
}

bool Driver::type(std::string_view keys) {
    bool delivered = true;
    for (char32_t cp : dnt::utf8::decode(keys)) {
        int k = cp == U'\n' ? kKeyReturn : static_cast<int>(cp);
        delivered = key(k) && delivered;
    }
    return delivered;
}

bool Driver::focus(Widget& widget) {
    if (widget.form() != &form_) return false;
    return form_.trySetFocus(widget) && form_.activeControl() == &widget;
}

bool Driver::typeInto(Widget& box, std::string_view keys) { return focus(box) && type(keys); }

bool Driver::selectAll() {
    Widget* focused = form_.activeControl();
    if (!focused || !focused->acceptsInput()) return false;
    if (auto* text = dynamic_cast<TextBox*>(focused)) {
        text->setSelStart(0);
        text->setSelLength(static_cast<int>(dnt::utf8::countChars(text->text())));
        return true;
    }
    auto* combo = dynamic_cast<ComboBox*>(focused);
    if (!combo || !combo->editable()) return false;
    combo->setSelStart(0);
    combo->setSelLength(static_cast<int>(dnt::utf8::countChars(combo->text())));
    return true;
}

bool Driver::replaceText(Widget& box, std::string_view keys) {
    return focus(box) && selectAll() && type(keys);
}

bool Driver::focusForClick(Widget& widget) {
    if (widget.form() != &form_ || !widget.acceptsInput()) return false;
    // The press moves the focus first; its LostFocus handlers may then change everything.
    if (!focus(widget)) return false;
    return widget.acceptsInput();
}

bool Driver::click(Widget& widget) {
    auto* button = dynamic_cast<CommandButton*>(&widget);
    auto* check = dynamic_cast<CheckBox*>(&widget);
    auto* option = dynamic_cast<OptionButton*>(&widget);
    if (!button && !check && !option) return false;
    if (!focusForClick(widget)) return false;
    if (button) return button->click();
    if (check) return check->click();
    return option->click();
}

bool Driver::choose(ComboBox& combo, int index) {
    return focusForClick(combo) && combo.choose(index);
}

bool Driver::choose(ComboBox& combo, std::string_view text) {
    for (int i = 0; i < combo.listCount(); ++i) {
        if (combo.list(i) == text) return choose(combo, i);
    }
    return false;
}

bool Driver::clickRow(ListBox& list, int row) {
    if (row < 0 || row >= list.listCount()) return false;
    return focusForClick(list) && list.clickRow(row);
}

bool Driver::doubleClickRow(ListBox& list, int row) {
    if (row < 0 || row >= list.listCount()) return false;
    return focusForClick(list) && list.doubleClickRow(row);
}

bool Driver::markRows(ListBox& list, const std::vector<int>& rows) {
    for (int row : rows) {
        if (row < 0 || row >= list.listCount()) return false;
    }
    if (!focusForClick(list)) return false;
    for (int i = 0; i < list.listCount(); ++i) {
        bool wanted = std::find(rows.begin(), rows.end(), i) != rows.end();
        if (list.selected(i) != wanted && !list.clickRow(i)) return false;
    }
    return true;
}

bool Driver::scroll(VScrollBar& bar, int value) { return focusForClick(bar) && bar.drag(value); }

bool Driver::chooseMenu(Menu& item) { return item.choose(); }

bool Driver::mouseDown(int button, float x, float y) { return form_.mouseDown(button, 0, x, y); }

bool Driver::mouseDown(Frame& frame, int button, float x, float y) {
    if (frame.form() != &form_) return false;
    return frame.mouseDown(button, 0, x, y);
}

bool Driver::closeWindow() { return form_.requestClose(); }

}  // namespace ui
