// Subscription and notification of the property-change observers.
#include "ui/observable.h"

#include <algorithm>

namespace ui {

int Observable::subscribe(Observer observer) {
    int token = nextToken_++;
    observers_.emplace_back(token, std::move(observer));
    return token;
}

void Observable::unsubscribe(int token) {
    std::erase_if(observers_, [token](const auto& entry) { return entry.first == token; });
}

void Observable::notify(std::string_view property) const {
    // A copy, because an observer may subscribe or unsubscribe while it is told.
    auto observers = observers_;
    for (const auto& [token, observer] : observers) {
        if (observer) observer(property);
    }
}

}  // namespace ui
