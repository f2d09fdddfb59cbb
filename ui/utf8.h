// UTF-8 helpers for the text widgets, which count positions in characters, not bytes, and
// for the texts the programs take from outside (their options).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ui::utf8 {

// The code points of a text. A byte that does not start a valid sequence stands for
// itself (as a Latin-1 character), so no input is lost.
std::vector<char32_t> decode(std::string_view text);
std::string encode(char32_t codePoint);
// Number of characters of a text.
int length(std::string_view text);
// Byte offset of character `index` (clamped to the end of the text).
std::size_t offset(std::string_view text, int index);
// The offset of the first byte that does not begin a valid UTF-8 sequence (an overlong
// form, a surrogate or a cut sequence is not valid); nothing for a valid text.
std::optional<std::size_t> invalidAt(std::string_view text);

}  // namespace ui::utf8
