// Property-change observers shared by every widget, form and menu, so that a view can
// follow the models both ways, and the safe raising of the toolkit's events.
#pragma once

#include <functional>
#include <string_view>
#include <utility>
#include <vector>

namespace ui {

// The properties of widgets, forms and menus whose changes the observers are told.
enum class Property {
    ActiveControl,
    Cancel,
    Caption,
    Checked,
    Container,
    Default,
    Enabled,
    ItemData,
    LargeChange,
    List,
    ListIndex,
    Loaded,
    Max,
    MaxLength,
    Min,
    Modal,
    PopupMenu,
    Selected,
    SelLength,
    SelStart,
    SmallChange,
    TabIndex,
    TabStop,
    Text,
    TopIndex,
    Value,
    Visible,
    VisibleRows,
};

// The property's name as the toolkit spells it ("Text", "ListIndex", ...).
std::string_view name(Property property);

// Raises one event: calls a copy of the handler, so that a handler which replaces
// itself (or another handler of the same event) while it runs stays valid.
template <class Handler, class... Args>
void raise(const Handler& handler, Args&&... args) {
    if (handler) {
        Handler copy = handler;
        copy(std::forward<Args>(args)...);
    }
}

class Observable {
public:
    // Told which property has just changed.
    using Observer = std::function<void(Property property)>;

    Observable() = default;
    Observable(const Observable&) = delete;
    Observable& operator=(const Observable&) = delete;
    virtual ~Observable() = default;

    // Returns a token for unsubscribe. Observers are called in subscription order,
    // after the new value is in place and before the toolkit event it causes.
    int subscribe(Observer observer);
    void unsubscribe(int token);

protected:
    void notify(Property property) const;

private:
    std::vector<std::pair<int, Observer>> observers_;
    int nextToken_ = 1;
};

}  // namespace ui
