// The help texts written on a terminal, from the programs' description.
#include <sstream>

#include "apps/usage/usage.h"

namespace usage {

namespace {

constexpr size_t kTextColumn = 25;  // where an option's text begins
constexpr size_t kWidth = 79;

// The paragraphs of `text` ("\n\n" between them), each wrapped at kWidth after `indent`.
std::string wrap(const std::string& text, size_t indent) {
    std::string out, margin(indent, ' ');
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find("\n\n", start);
        if (end == std::string::npos) end = text.size();
        std::istringstream words(text.substr(start, end - start));
        std::string line, word;
        while (words >> word) {
            if (!line.empty() && indent + line.size() + 1 + word.size() > kWidth) {
                out += margin + line + "\n";
                line.clear();
            }
            line += (line.empty() ? "" : " ") + word;
        }
        if (!line.empty()) out += margin + line + "\n";
        start = end + 2;
        if (start <= text.size()) out += "\n";
    }
    return out;
}

std::string optionLine(const Option& o, size_t indent) {
    std::string head = std::string(indent, ' ') + "--" + o.name + (o.value.empty() ? "" : " " + o.value);
    std::string out = head;
    if (head.size() + 1 >= kTextColumn) {
        out += "\n";
        head.clear();
    }
    out += std::string(kTextColumn - head.size(), ' ');
    for (char c : o.text) out += c == '\n' ? "\n" + std::string(kTextColumn, ' ') : std::string(1, c);
    return out + "\n";
}

std::string invocation(const Program& p, const Verb& v) {
    std::string s = p.name;
    if (!v.name.empty()) s += " " + v.name;
    if (!v.synopsis.empty()) s += " " + v.synopsis;
    return s;
}

// One verb: its synopsis, what it does, its options by group, its notes.
std::string verbBlock(const Program& p, const Verb& v, bool withHelpOption) {
    std::string out = invocation(p, v) + "\n";
    if (!v.summary.empty()) out += "  " + v.summary + "\n";
    for (const Group& g : v.groups) {
        out += "\n";
        if (!g.title.empty()) out += g.title + "\n";
        for (const Option& o : g.options) out += optionLine(o, 2);
    }
    if (withHelpOption) out += optionLine(p.common.front(), 2);
    if (!v.notes.empty()) out += "\n" + wrap(v.notes, 0);
    return out;
}

std::string entries(const std::string& title, const std::vector<Entry>& list) {
    if (list.empty()) return "";
    std::string out = "\n" + title + "\n";
    for (const Entry& e : list) {
        std::string text = wrap(e.text, 6);
        // A short term (an exit status) on the first line of its text, a long one above it.
        if (e.term.size() <= 2) out += "  " + e.term + std::string(4 - e.term.size(), ' ') + text.substr(6);
        else out += "  " + e.term + "\n" + text;
    }
    return out;
}

std::string tail(const Program& p) {
    return entries("Exit status:", p.exitStatus) + entries("Environment:", p.environment) +
           entries("Files:", p.files);
}

}  // namespace

const Verb* findVerb(const Program& program, std::string_view name) {
    for (const Verb& v : program.verbs)
        if (v.name == name) return &v;
    return nullptr;
}

std::vector<std::string> optionNames(const Verb& verb) {
    std::vector<std::string> names = {"help"};
    for (const Group& g : verb.groups)
        for (const Option& o : g.options) names.push_back(o.name);
    return names;
}

std::vector<std::string> flagNames(const Verb& verb) {
    std::vector<std::string> names = {"help"};
    for (const Group& g : verb.groups)
        for (const Option& o : g.options)
            if (o.value.empty()) names.push_back(o.name);
    return names;
}

std::string programHelp(const Program& p) {
    if (p.verbs.size() == 1 && p.verbs.front().name.empty()) {
        std::string out = "usage: " + verbBlock(p, p.verbs.front(), false) + "\n";
        for (const Option& o : p.common) out += optionLine(o, 2);
        return out + "\n" + wrap(p.description, 0) + tail(p);
    }
    std::string out = "usage: " + p.name + " VERB [options]\n       " + p.name + " --version\n\n" +
                      wrap(p.description, 0) + "\nVerbs:\n";
    for (const Verb& v : p.verbs) {
        // Two blanks at least between the name and its summary, which the shell's
        // completion reads.
        const std::string name = "  " + v.name;
        out += name + std::string(name.size() + 2 < 20 ? 20 - name.size() : 2, ' ') + v.summary + "\n";
    }
    for (const Verb& v : p.verbs) out += "\n" + verbBlock(p, v, false);
    out += "\nEvery verb:\n";
    for (const Option& o : p.common) out += optionLine(o, 2);
    return out + tail(p);
}

std::string verbHelp(const Program& p, const Verb& v) {
    return "usage: " + verbBlock(p, v, true) + entries("Exit status:", p.exitStatus);
}

std::string familyHelp(const Program& p, std::string_view family) {
    std::string out, prefix = std::string(family) + " ";
    for (const Verb& v : p.verbs) {
        if (v.name.rfind(prefix, 0) != 0) continue;
        out += (out.empty() ? "usage: " : "\n") + verbBlock(p, v, false);
    }
    return out + "\nEvery verb:\n" + optionLine(p.common.front(), 2) + entries("Exit status:", p.exitStatus);
}

}  // namespace usage
