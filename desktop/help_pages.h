// The help of each field: F1 opens the help page of the field that has the focus (of the
// window when the field has none), Shift+F1 (what's this) says in a sentence what the
// field is for.
#pragma once

#include <functional>
#include <string>

namespace desktop {

// The page ("trimestre.html#date-retour") of a widget of a form, empty when it has none.
std::string helpPageFor(const std::string& form, const std::string& widget);
// The sentence of a widget, empty when it has none.
std::string whatsThisFor(const std::string& form, const std::string& widget);

// Who opens a page of the help (the control's desktop, which knows where the help lies).
std::function<void(const std::string& page)>& helpPageOpener();

}  // namespace desktop
