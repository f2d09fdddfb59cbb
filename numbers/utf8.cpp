// Decoding, counting and cutting UTF-8 texts by character.
#include "numbers/utf8.h"

namespace dnt::utf8 {

namespace {

// Length of the valid sequence starting at `i`, 0 when the byte there starts none.
std::size_t sequenceLength(std::string_view text, std::size_t i, char32_t& codePoint) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length;
    char32_t value;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        value = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        value = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        value = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > text.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        value = (value << 6) | (byte(i + k) & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < kSmallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
    codePoint = value;
    return length;
}

}  // namespace

std::size_t charLength(std::string_view text, std::size_t offset) {
    // Plain ASCII, most of what is printed, takes the short way.
    if (static_cast<unsigned char>(text[offset]) < 0x80) return 1;
    char32_t cp = 0;
    const std::size_t n = sequenceLength(text, offset, cp);
    return n == 0 ? 1 : n;
}

std::size_t countChars(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++count) i += charLength(text, i);
    return count;
}

std::size_t offset(std::string_view text, std::size_t index) {
    std::size_t i = 0;
    for (std::size_t count = 0; count < index && i < text.size(); ++count) i += charLength(text, i);
    return i;
}

std::string_view substring(std::string_view text, long start, long length) {
    if (length <= 0) return {};
    if (start < 1) {
        length += start - 1;
        start = 1;
        if (length <= 0) return {};
    }
    const std::size_t from = offset(text, static_cast<std::size_t>(start - 1));
    std::size_t to = from;
    for (long taken = 0; taken < length && to < text.size(); ++taken) to += charLength(text, to);
    return text.substr(from, to - from);
}

std::vector<std::string> splitChars(std::string_view text) {
    std::vector<std::string> chars;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = charLength(text, i);
        chars.emplace_back(text.substr(i, n));
        i += n;
    }
    return chars;
}

std::vector<char32_t> decode(std::string_view text) {
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < text.size();) {
        char32_t cp = 0;
        const std::size_t n = sequenceLength(text, i, cp);
        out.push_back(n == 0 ? static_cast<unsigned char>(text[i]) : cp);
        i += n == 0 ? 1 : n;
    }
    return out;
}

std::string encode(char32_t cp) {
    std::string out;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

std::optional<std::size_t> invalidAt(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        char32_t cp = 0;
        const std::size_t n = sequenceLength(text, i, cp);
        if (n == 0) return i;
        i += n;
    }
    return std::nullopt;
}

}  // namespace dnt::utf8
