// Locale-free ASCII classification: the grammars and codes of the database are ASCII,
// and <cctype> would depend on the process's locale and is undefined for bytes above 0x7F.
#pragma once

namespace dnt {

constexpr bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }
constexpr bool isAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
constexpr bool isAsciiAlnum(char c) { return isAsciiDigit(c) || isAsciiLetter(c); }

}  // namespace dnt
