// What the control asks of its host's window system beyond its own widgets: the mouse
// pointer, its own Enabled, letting pending events run, message boxes, modal dialogs,
// unloading the host form and pop-up menus.
#pragma once

#include <string>

namespace ui {

class Form;
class Menu;

enum class MousePointer { Default = 0, Hourglass = 11 };

// The icon of a message box; every box has a single OK button.
enum class MsgIcon { None = 0, Critical = 16, Warning = 48, Information = 64 };

class Services {
public:
    virtual ~Services() = default;

    virtual void setMousePointer(MousePointer pointer) = 0;
    // Enables or disables the control as a whole, as seen by its host.
    virtual void setControlEnabled(bool enabled) = 0;
    // Lets the window events already waiting run, then returns.
    virtual void doEvents() = 0;
    // Shows a modal message box and returns once the user has dismissed it.
    virtual void msgBox(const std::string& text, MsgIcon icon, const std::string& title) = 0;
    // Shows `form` modally and returns once it is hidden or unloaded.
    virtual void showModal(Form& form) = 0;
    // Unloads the host form that contains the control.
    virtual void unloadHost() = 0;
    // Pops up the items of `menu` at (x, y) of the surface and returns once the user has
    // chosen one (whose Click has then run) or dismissed the menu.
    virtual void popupMenu(Menu& menu, float x, float y) = 0;
};

}  // namespace ui
