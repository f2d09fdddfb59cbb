// Runs the models' code from Qt's event handlers: an error that escapes it is reported
// to the person instead of crossing Qt's event loop, and the screen is given back.
#pragma once

#include <functional>
#include <string>

namespace desktop {

// Runs `action`; an exception it lets out is reported. Returns false when one did.
bool guarded(const std::function<void()>& action) noexcept;

// Called after an unexpected error, before it is shown: puts the pointer and the
// enabled state back so that the person can go on (the desktop services install it).
void setErrorRecovery(std::function<void()> recovery);

// The text shown for an unexpected error: its number when it has one, and its message.
std::string errorText(const std::exception& e);

}  // namespace desktop
