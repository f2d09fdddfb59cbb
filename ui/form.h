// A form, the surface of a control or a dialog window, which owns its widgets and menus in
// tab order, moves the focus with the GotFocus and LostFocus events, and closes through the
// QueryUnload and Unload events that may cancel the close.
#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/menu.h"
#include "ui/observable.h"
#include "ui/widget.h"

namespace ui {

class CommandButton;
class Frame;

// Why a form is being closed, as QueryUnload is told.
enum class UnloadMode { FormControlMenu = 0, FormCode = 1 };

// A pop-up menu asked for on the form, at the pointer's position.
struct PopupRequest {
    Menu* menu;
    float x;
    float y;
};

class Form : public Observable {
public:
    explicit Form(std::string name, std::string caption = "");
    ~Form() override;

    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);

    // A form is loaded and visible from its creation, so that a surface can be driven at
    // once; hide() and unload() take it off the screen and show() brings it back.
    bool loaded() const { return loaded_; }
    bool visible() const { return visible_; }
    bool modal() const { return modal_; }
    // A disabled form takes no input and none of its widgets can take the focus.
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    bool acceptsInput() const { return loaded_ && visible_ && enabled_; }

    // Creates a widget of type W, named `name` (unique on the form), held by `container`
    // (a frame of this form, or nullptr for the form itself), last in the tab order.
    // Further arguments go to W's constructor after the name.
    template <class W, class... Args>
    W& add(std::string name, Frame* container = nullptr, Args&&... args) {
        auto widget = std::make_unique<W>(std::move(name), std::forward<Args>(args)...);
        W& ref = *widget;
        attach(std::move(widget), container);
        return ref;
    }
    Widget* find(std::string_view name) const;
    // The widget of that name and type; std::invalid_argument when there is none.
    template <class W>
    W& get(std::string_view name) const {
        W* widget = dynamic_cast<W*>(find(name));
        if (!widget) throw std::invalid_argument("no such widget: " + std::string(name));
        return *widget;
    }
    // Every widget, by TabIndex.
    const std::vector<Widget*>& tabOrder() const { return tabOrder_; }

    // The widget that has the focus, nullptr if none. While a LostFocus handler runs it is
    // already the widget the focus is going to.
    Widget* activeControl() const { return active_; }
    // Gives the focus to `widget`: LostFocus on the widget that had it, then GotFocus on the
    // new one. A LostFocus handler that sets the focus elsewhere re-routes the move: only
    // the final widget gets GotFocus (the widget that was losing the focus gets it again if
    // the handler sends the focus back). Throws FocusError (number 5) when the widget
    // cannot take the focus (Widget::canFocus) or is not on this form.
    void setFocus(Widget& widget);
    // As setFocus, but returns false instead of throwing.
    bool trySetFocus(Widget& widget);
    // The user's Tab (forward) or Shift+Tab: the focus moves to the next widget in tab order
    // that can take it and has TabStop; in a group of option buttons with a selected one,
    // only that one. False when the form takes no input or no widget qualifies.
    bool tab(bool forward = true);

    // The enabled-or-not button marked Default (Cancel), nullptr if none.
    CommandButton* defaultButton() const;
    CommandButton* cancelButton() const;

    // Creates a menu item (names shared with the widgets), under `parent` if given.
    Menu& addMenu(std::string name, std::string caption, Menu* parent = nullptr);
    Menu* findMenu(std::string_view name) const;
    // Asks for `menu`'s items as a pop-up menu at (x, y): recorded, and announced to the
    // observers as Property::PopupMenu so that a view can show it.
    void popupMenu(Menu& menu, float x, float y);
    const std::vector<PopupRequest>& popupRequests() const { return popups_; }

    // Shows the form (loading it again after an unload), raises Activate, and gives the
    // focus to the first tab stop if no widget has it.
    void show(bool modal = false);
    // Takes the form off the screen; it stays loaded and keeps its active control.
    void hide();
    // Closes the form from code: QueryUnload (mode FormCode), then Unload; either handler
    // may set cancel to non-zero to keep it open. Returns whether it closed. The widgets
    // keep their properties: a new form is built for a new use.
    bool unload();
    // The user's close button on the title bar: as unload with mode FormControlMenu;
    // refused (false) when the form takes no input.
    bool requestClose();
    // The user presses a mouse button on the form's background.
    bool mouseDown(int button, int shift, float x, float y);
    // The user presses the help key (F1) anywhere on the form.
    bool helpKey();

    std::function<void()> onActivate;
    std::function<void(int& cancel, UnloadMode mode)> onQueryUnload;
    std::function<void(int& cancel)> onUnload;
    std::function<void(int button, int shift, float x, float y)> onMouseDown;
    std::function<void()> onHelpKey;

private:
    friend class Widget;

    void attach(std::unique_ptr<Widget> widget, Frame* container);
    void checkNameFree(const std::string& name) const;
    void moveInTabOrder(Widget& widget, int index);
    void moveFocus(Widget* target);
    void setActive(Widget* widget);
    bool isTabStop(const Widget& widget) const;
    bool close(UnloadMode mode);

    std::string name_;
    std::string caption_;
    bool loaded_ = true;
    bool visible_ = true;
    bool modal_ = false;
    bool enabled_ = true;
    std::vector<std::unique_ptr<Widget>> widgets_;
    std::vector<Widget*> tabOrder_;
    std::vector<std::unique_ptr<Menu>> menus_;
    std::vector<PopupRequest> popups_;
    Widget* active_ = nullptr;
    bool switching_ = false;
    Widget* pending_ = nullptr;
};

}  // namespace ui
