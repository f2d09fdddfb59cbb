// UTF-8 texts counted and cut by character (code point), the one way every part of the
// program does: the page model measuring a run, a text box placing its caret, a dictionary
// expression taking characters start..start+length-1. A byte that does not begin a valid
// sequence (an overlong form, a surrogate, a cut sequence, a stray continuation byte) is a
// character of its own, so that no input is lost and every count agrees.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dnt::utf8 {

// Number of characters of a text.
std::size_t countChars(std::string_view text);
// Byte length of the character that starts at `offset` (1 for a byte that begins none).
std::size_t charLength(std::string_view text, std::size_t offset);
// Byte offset of character `index`, from 0 (clamped to the end of the text).
std::size_t offset(std::string_view text, std::size_t index);
// Characters start..start+length-1, counted from 1, of a text; what lies outside it is
// dropped.
std::string_view substring(std::string_view text, long start, long length);
// The characters of a text, each as its own bytes.
std::vector<std::string> splitChars(std::string_view text);
// The code points of a text (a byte that begins no valid sequence stands for itself, as a
// Latin-1 character), and back.
std::vector<char32_t> decode(std::string_view text);
std::string encode(char32_t codePoint);
// The offset of the first byte that does not begin a valid sequence; nothing for a valid text.
std::optional<std::size_t> invalidAt(std::string_view text);

}  // namespace dnt::utf8
