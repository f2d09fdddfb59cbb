// The keyboard letters of the screens' labelled controls (Alt+letter, underlined): the
// models keep their captions as the screens define them, and the views underline one
// letter of each. A label's letter gives the focus to the field it names.
#pragma once

#include <QString>

#include <string>

namespace desktop {

// The caption as Qt shows it: the widget's letter marked with '&' (and any '&' of the
// caption doubled), or the caption alone when the widget has none.
QString withMnemonic(const std::string& form, const std::string& widget, const std::string& caption);
// The field a label names (its buddy), empty when none.
std::string buddyOf(const std::string& form, const std::string& label);

}  // namespace desktop
