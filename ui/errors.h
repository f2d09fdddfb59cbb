// Run-time errors raised by the widget models, numbered as the classic Basic toolkit
// numbers them so that the control's error traps can test them.
#pragma once

#include <cstdint>
#include <string>

#include "numbers/error.h"

namespace ui {

inline constexpr int32_t kErrInvalidCall = 5;             // Invalid procedure call or argument
inline constexpr int32_t kErrInvalidPropertyValue = 380;  // Invalid property value
inline constexpr int32_t kErrInvalidArrayIndex = 381;     // Invalid property array index
inline constexpr int32_t kErrTextReadOnly = 383;          // 'Text' property is read-only

// SetFocus on a widget that cannot take the focus (disabled, invisible, inside a disabled
// or invisible frame or form, or of a kind that never takes it). Callers that ignore the
// failure use Form::trySetFocus instead.
class FocusError : public dnt::Error {
public:
    explicit FocusError(const std::string& widget)
        : dnt::Error(kErrInvalidCall,
                     "Invalid procedure call or argument: " + widget + " cannot take the focus") {}
};

// A property given a value or an index it does not accept.
class PropertyError : public dnt::Error {
public:
    PropertyError(int32_t number, const std::string& what) : dnt::Error(number, what) {}
};

}  // namespace ui
