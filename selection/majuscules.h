// Upper-casing of French text typed by a person (names of the range).
#pragma once

#include <string>

namespace selection {

// ASCII letters and the Latin-1 accented letters, in UTF-8; everything else unchanged.
std::string upperCaseFrench(const std::string& text);

}  // namespace selection
