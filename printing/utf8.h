// Counting and cutting UTF-8 texts by character (code point), as the page model measures them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace printing {

// Number of characters: every byte that does not continue a multi-byte sequence starts
// one (continuation bytes at the very start of the text together make one more).
std::size_t countChars(std::string_view text);

// The characters of text, each as its own UTF-8 bytes (same counting as countChars).
std::vector<std::string> splitChars(std::string_view text);

}  // namespace printing
