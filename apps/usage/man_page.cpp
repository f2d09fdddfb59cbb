// The manual pages, in roff, from the programs' description.
#include <cstdint>
#include <cstdio>

#include "apps/usage/build_info.h"
#include "apps/usage/usage.h"

namespace usage {

namespace {

// Text made safe for roff: backslashes and minus signs escaped, a leading period or
// quote neutralised, and every character outside ASCII written as its code point, so
// that the page reads the same whatever the reader's locale.
std::string roff(const std::string& text) {
    std::string out;
    bool lineStart = true;
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (lineStart && (c == '.' || c == '\'')) out += "\\&";
        lineStart = c == '\n';
        if (c == '\\') {
            out += "\\e";
        } else if (c == '-') {
            out += "\\-";
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : 1;
            uint32_t code = c & (0x3F >> extra);
            for (int k = 0; k < extra && i + 1 < text.size(); ++k) code = (code << 6) | (text[++i] & 0x3F);
            char hex[16];
            std::snprintf(hex, sizeof hex, "\\[u%04X]", static_cast<unsigned>(code));
            out += hex;
        }
    }
    return out;
}

std::string manParagraphs(const std::string& text) {
    std::string out;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\n\n", start);
        if (end == std::string::npos) end = text.size();
        std::string para = text.substr(start, end - start);
        for (char& c : para)
            if (c == '\n') c = ' ';
        out += ".PP\n" + roff(para) + "\n";
        start = end + 2;
    }
    return out;
}

std::string manOption(const Option& o) {
    std::string out = ".TP\n\\fB" + roff("--" + o.name) + "\\fR";
    if (!o.value.empty()) out += " \\fI" + roff(o.value) + "\\fR";
    std::string text = o.text;
    for (char& c : text)
        if (c == '\n') c = ' ';
    return out + "\n" + roff(text) + "\n";
}

std::string manInvocation(const Program& p, const Verb& v) {
    std::string name = p.name + (v.name.empty() ? "" : " " + v.name);
    return "\\fB" + roff(name) + "\\fR" + (v.synopsis.empty() ? "" : " " + roff(v.synopsis));
}

std::string verbSection(const Program& p, const Verb& v) {
    std::string out;
    for (const Group& g : v.groups) {
        if (!g.title.empty()) out += ".PP\n\\fI" + roff(g.title) + "\\fR\n";
        for (const Option& o : g.options) out += manOption(o);
    }
    if (!v.notes.empty()) out += manParagraphs(v.notes);
    return out;
}

std::string manEntries(const std::string& title, const std::vector<Entry>& list) {
    if (list.empty()) return "";
    std::string out = ".SH " + title + "\n";
    for (const Entry& e : list) out += ".TP\n\\fB" + roff(e.term) + "\\fR\n" + roff(e.text) + "\n";
    return out;
}

std::string upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

}  // namespace

std::string manPage(const Program& p) {
    std::string out = ".TH " + roff(upper(p.name)) + " 1 \"" + roff(kBuild.date) + "\" \"" + roff(versionLine(p)) +
                      "\" \"User Commands\"\n";
    out += ".SH NAME\n" + roff(p.name) + " \\- " + roff(p.summary) + "\n";
    out += ".SH SYNOPSIS\n.nf\n";
    for (const Verb& v : p.verbs) out += manInvocation(p, v) + "\n";
    out += "\\fB" + roff(p.name) + "\\fR \\-\\-version\n.fi\n";
    out += ".SH DESCRIPTION\n" + manParagraphs(p.description);
    const bool single = p.verbs.size() == 1 && p.verbs.front().name.empty();
    if (single) {
        out += ".SH OPTIONS\n" + verbSection(p, p.verbs.front());
        for (const Option& o : p.common) out += manOption(o);
    } else {
        out += ".SH VERBS\n";
        for (const Verb& v : p.verbs)
            out += ".SS " + roff(p.name + " " + v.name) + "\n" + manInvocation(p, v) + "\n.br\n" + roff(v.summary) +
                   "\n" + verbSection(p, v);
        out += ".SH OPTIONS\n";
        for (const Option& o : p.common) out += manOption(o);
    }
    out += manEntries("EXIT STATUS", p.exitStatus) + manEntries("ENVIRONMENT", p.environment) + manEntries("FILES", p.files);
    out += ".SH SEE ALSO\n" + roff(p.seeAlso) + "\n";
    return out;
}

std::string versionLine(const Program& p) {
    std::string line = p.name + " " + kBuild.version;
    if (*kBuild.description) line += std::string(" (git ") + kBuild.description + ")";
    return line;
}

}  // namespace usage
