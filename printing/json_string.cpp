// The JSON string form of the texts of a print journal.
#include "printing/json_string.h"

#include <cstdio>

namespace printing {

std::string jsonQuote(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out.push_back('"');
    for (char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
                out += buf;
            } else {
                out.push_back(c);
            }
        }
    }
    out.push_back('"');
    return out;
}

namespace {

std::optional<unsigned> readHex4(std::string_view in, std::size_t pos) {
    if (pos + 4 > in.size()) return std::nullopt;
    unsigned v = 0;
    for (std::size_t i = pos; i < pos + 4; ++i) {
        char c = in[i];
        v <<= 4;
        if (c >= '0' && c <= '9') v |= static_cast<unsigned>(c - '0');
        else if (c >= 'a' && c <= 'f') v |= static_cast<unsigned>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F') v |= static_cast<unsigned>(c - 'A' + 10);
        else return std::nullopt;
    }
    return v;
}

void appendUtf8(std::string& out, unsigned cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

}  // namespace

std::optional<std::string> jsonUnquote(std::string_view in, std::size_t& pos) {
    std::size_t i = pos;
    if (i >= in.size() || in[i] != '"') return std::nullopt;
    ++i;
    std::string out;
    while (i < in.size()) {
        char c = in[i++];
        if (c == '"') {
            pos = i;
            return out;
        }
        if (static_cast<unsigned char>(c) < 0x20) return std::nullopt;
        if (c != '\\') {
            out.push_back(c);
            continue;
        }
        if (i >= in.size()) return std::nullopt;
        char e = in[i++];
        switch (e) {
        case '"': out.push_back('"'); break;
        case '\\': out.push_back('\\'); break;
        case '/': out.push_back('/'); break;
        case 'b': out.push_back('\b'); break;
        case 'f': out.push_back('\f'); break;
        case 'n': out.push_back('\n'); break;
        case 'r': out.push_back('\r'); break;
        case 't': out.push_back('\t'); break;
        case 'u': {
            auto cp = readHex4(in, i);
            if (!cp) return std::nullopt;
            i += 4;
            if (*cp >= 0xD800 && *cp <= 0xDBFF) {
                if (i + 2 > in.size() || in[i] != '\\' || in[i + 1] != 'u') return std::nullopt;
                auto low = readHex4(in, i + 2);
                if (!low || *low < 0xDC00 || *low > 0xDFFF) return std::nullopt;
                i += 6;
                cp = 0x10000 + ((*cp - 0xD800) << 10) + (*low - 0xDC00);
            } else if (*cp >= 0xDC00 && *cp <= 0xDFFF) {
                return std::nullopt;
            }
            appendUtf8(out, *cp);
            break;
        }
        default: return std::nullopt;
        }
    }
    return std::nullopt;
}

}  // namespace printing
