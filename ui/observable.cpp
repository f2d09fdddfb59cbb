// Subscription and notification of the property-change observers, and the names of the properties.
#include "ui/observable.h"

#include <algorithm>

namespace ui {

std::string_view name(Property property) {
    switch (property) {
    case Property::ActiveControl: return "ActiveControl";
    case Property::Cancel: return "Cancel";
    case Property::Caption: return "Caption";
    case Property::Checked: return "Checked";
    case Property::Container: return "Container";
    case Property::Default: return "Default";
    case Property::Enabled: return "Enabled";
    case Property::ItemData: return "ItemData";
    case Property::LargeChange: return "LargeChange";
    case Property::List: return "List";
    case Property::ListIndex: return "ListIndex";
    case Property::Loaded: return "Loaded";
    case Property::Max: return "Max";
    case Property::MaxLength: return "MaxLength";
    case Property::Min: return "Min";
    case Property::Modal: return "Modal";
    case Property::PopupMenu: return "PopupMenu";
    case Property::Selected: return "Selected";
    case Property::SelLength: return "SelLength";
    case Property::SelStart: return "SelStart";
    case Property::SmallChange: return "SmallChange";
    case Property::TabIndex: return "TabIndex";
    case Property::TabStop: return "TabStop";
    case Property::Text: return "Text";
    case Property::TopIndex: return "TopIndex";
    case Property::Value: return "Value";
    case Property::Visible: return "Visible";
    case Property::VisibleRows: return "VisibleRows";
    }
    return "";
}

int Observable::subscribe(Observer observer) {
    int token = nextToken_++;
    observers_.emplace_back(token, std::move(observer));
    return token;
}

void Observable::unsubscribe(int token) {
    std::erase_if(observers_, [token](const auto& entry) { return entry.first == token; });
}

void Observable::notify(Property property) const {
    // A copy, because an observer may subscribe or unsubscribe while it is told.
    auto observers = observers_;
    for (const auto& [token, observer] : observers) {
        if (observer) observer(property);
    }
}

}  // namespace ui
