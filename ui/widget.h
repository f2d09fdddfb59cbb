// The base of every control of a form: name, Enabled, Visible, its frame, its place in
// the tab order, and whether it can take the focus and the user's input.
#pragma once

#include <functional>
#include <string>

#include "ui/observable.h"

namespace ui {

class Form;
class Frame;

class Widget : public Observable {
public:
    explicit Widget(std::string name);
    ~Widget() override = default;

    const std::string& name() const { return name_; }

    // A widget's own Enabled and Visible: a disabled or hidden frame does not change
    // them, it only keeps the user's input and the focus away from its widgets.
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    bool visible() const { return visible_; }
    void setVisible(bool visible);

    // The frame that holds the widget; nullptr when it sits on the form itself.
    Frame* container() const { return container_; }
    // Must be a frame of the same form (std::invalid_argument otherwise).
    void setContainer(Frame* frame);
    // nullptr for a widget that no form owns.
    Form* form() const { return form_; }

    // Position in the form's tab order, from 0. Setting it moves the widget there and
    // renumbers the others, as the toolkit does.
    int tabIndex() const { return tabIndex_; }
    void setTabIndex(int index);
    // Whether Tab stops on the widget; SetFocus and the mouse ignore it.
    bool tabStop() const { return tabStop_; }
    void setTabStop(bool tabStop);

    // True for the kinds of widget that can hold the focus (not labels, frames).
    virtual bool takesFocus() const { return false; }
    // Enabled and visible, and so are all its frames and its form: the user can act on it.
    bool acceptsInput() const;
    // takesFocus() and acceptsInput(), on a form.
    bool canFocus() const;
    bool hasFocus() const;
    // Shortcuts for Form::setFocus and Form::trySetFocus.
    void setFocus();
    bool trySetFocus();

    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;

protected:
    // Notifies the observers of the widget (derived widgets announce their properties).
    using Observable::notify;

private:
    friend class Form;

    std::string name_;
    bool enabled_ = true;
    bool visible_ = true;
    bool tabStop_ = true;
    int tabIndex_ = 0;
    Frame* container_ = nullptr;
    Form* form_ = nullptr;
};

}  // namespace ui
