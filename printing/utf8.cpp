// Counting and cutting UTF-8 texts by character (code point).
#include "printing/utf8.h"

namespace printing {

namespace {
bool continues(unsigned char byte) { return (byte & 0xC0) == 0x80; }
}  // namespace

std::size_t countChars(std::string_view text) {
    std::size_t n = 0;
    for (unsigned char c : text)
        if (!continues(c)) ++n;
    // Continuation bytes at the very start have no character to join: they make one.
    if (!text.empty() && continues(static_cast<unsigned char>(text.front()))) ++n;
    return n;
}

std::vector<std::string> splitChars(std::string_view text) {
    std::vector<std::string> chars;
    for (unsigned char c : text) {
        if (continues(c) && !chars.empty())
            chars.back().push_back(static_cast<char>(c));
        else
            chars.emplace_back(1, static_cast<char>(c));
    }
    return chars;
}

}  // namespace printing
