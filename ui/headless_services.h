// The services of a control that runs without a screen, for the tests and the command
// line: every request is recorded, message boxes are dismissed at once, and a modal dialog
// is played by a callback acting as the user.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/services.h"

namespace ui {

class HeadlessServices : public Services {
public:
    struct Message {
        std::string text;
        MsgIcon icon;
        std::string title;
        // The pointer and the control's Enabled at the moment the box was shown.
        MousePointer pointer;
        bool controlEnabled;
    };
    struct Popup {
        std::string menu;
        float x;
        float y;
    };

    // When `surface` is given, setControlEnabled also sets that form's Enabled, so that
    // the control's widgets refuse input and focus while it is disabled.
    explicit HeadlessServices(Form* surface = nullptr) : surface_(surface) {}

    void setMousePointer(MousePointer pointer) override;
    void setControlEnabled(bool enabled) override;
    void doEvents() override;
    void msgBox(const std::string& text, MsgIcon icon, const std::string& title) override;
    // Shows the form (Form::show with modal), calls modalPlayer with it, and checks that
    // the player closed it: std::logic_error when there is no player or the form is
    // still shown afterwards (a real modal call would never return).
    void showModal(Form& form) override;
    void unloadHost() override;
    // Records the request; the player of the menu, if any, may then choose an item.
    void popupMenu(Menu& menu, float x, float y) override;

    MousePointer mousePointer() const { return pointer_; }
    bool controlEnabled() const { return controlEnabled_; }
    int doEventsCount() const { return doEvents_; }
    const std::vector<Message>& messages() const { return messages_; }
    // Names of the forms shown modally, in order.
    const std::vector<std::string>& modalForms() const { return modalForms_; }
    int hostUnloadCount() const { return hostUnloads_; }
    const std::vector<Popup>& popups() const { return popups_; }

    // Told each message box as it is shown (the command line prints it).
    std::function<void(const Message&)> onMessage;
    // Plays the user inside a modal form until the user closes it.
    std::function<void(Form&)> modalPlayer;
    // Plays the user in a pop-up menu: may call choose() on one of its items.
    std::function<void(Menu&)> popupPlayer;

private:
    Form* surface_;
    MousePointer pointer_ = MousePointer::Default;
    bool controlEnabled_ = true;
    int doEvents_ = 0;
    std::vector<Message> messages_;
    std::vector<std::string> modalForms_;
    int hostUnloads_ = 0;
    std::vector<Popup> popups_;
};

}  // namespace ui
