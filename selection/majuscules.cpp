// Upper case of UTF-8 text over ASCII and Latin-1 letters, as the classic UCase did
// for the Western code page the names were typed in.
#include "selection/majuscules.h"

namespace selection {

std::string upperCaseFrench(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 'a' && c <= 'z') {
            out.push_back(static_cast<char>(c - 32));
        } else if (c == 0xC3 && i + 1 < text.size()) {
            // U+00E0..U+00FE (à..þ, except ÷ U+00F7) map to U+00C0..U+00DE.
            unsigned char d = static_cast<unsigned char>(text[i + 1]);
            if (d >= 0xA0 && d <= 0xBE && d != 0xB7) d = static_cast<unsigned char>(d - 0x20);
            out.push_back(static_cast<char>(c));
            out.push_back(static_cast<char>(d));
            ++i;
        } else {
            out.push_back(static_cast<char>(c));
        }
    }
    return out;
}

}  // namespace selection
