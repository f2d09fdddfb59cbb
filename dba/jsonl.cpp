// JSON Lines import and export of the database dump.
#include "dba/jsonl.h"

#include <algorithm>
#include <istream>
#include <nlohmann/json.hpp>
#include <ostream>

#include "dba/errors.h"

namespace dba {

namespace {

using json = nlohmann::json;

[[noreturn]] void bad(long line, const std::string& what) {
    throw DbError(kErrBadDump, "line " + std::to_string(line) + ": " + what);
}

// A text of the dump: marks are what separate levels, so none may stand inside one.
const std::string& checkedText(const json& j, long line, const char* what) {
    if (!j.is_string()) bad(line, std::string(what) + " must be a string");
    const std::string& s = j.get_ref<const std::string&>();
    if (s.find_first_of("\xFE\xFD\xFC") != std::string::npos) bad(line, std::string(what) + " holds a mark character");
    return s;
}

std::string fieldsToText(const json& fields, long line) {
    if (!fields.is_array()) bad(line, "\"fields\" must be an array");
    std::string text;
    bool firstField = true;
    for (const json& f : fields) {
        if (!firstField) text.push_back(FM);
        firstField = false;
        if (f.is_string()) {
            text += checkedText(f, line, "a field");
            continue;
        }
        if (!f.is_array()) bad(line, "a field must be a string or an array of values");
        bool firstValue = true;
        for (const json& v : f) {
            if (!firstValue) text.push_back(VM);
            firstValue = false;
            if (v.is_string()) {
                text += checkedText(v, line, "a value");
                continue;
            }
            if (!v.is_array()) bad(line, "a value must be a string or an array of sub-values");
            bool firstSub = true;
            for (const json& s : v) {
                if (!firstSub) text.push_back(SM);
                firstSub = false;
                text += checkedText(s, line, "a sub-value");
            }
        }
    }
    return trimTrailingFields(text);
}

// Reads one line, without its newline, into `line`; false at the end of the input. A
// line longer than the limit is refused as soon as the limit is passed.
bool readLine(std::streambuf& in, std::string& line, long number) {
    line.clear();
    int c = in.sbumpc();
    if (c == std::char_traits<char>::eof()) return false;
    for (; c != std::char_traits<char>::eof() && c != '\n'; c = in.sbumpc()) {
        if (line.size() == kMaxDumpLineBytes)
            bad(number, "longer than the limit of " + std::to_string(kMaxDumpLineBytes) + " bytes");
        line.push_back(static_cast<char>(c));
    }
    return true;
}

// Parses a line, refusing a key given twice in one object: the JSON parser alone
// would keep the last value silently.
json parseLine(const std::string& line, long number) {
    std::vector<std::vector<std::string>> keys;  // the keys of each object being read
    auto check = [&](int, json::parse_event_t event, json& parsed) {
        if (event == json::parse_event_t::object_start) {
            keys.emplace_back();
        } else if (event == json::parse_event_t::object_end) {
            keys.pop_back();
        } else if (event == json::parse_event_t::key) {
            const std::string& key = parsed.get_ref<const std::string&>();
            if (std::find(keys.back().begin(), keys.back().end(), key) != keys.back().end())
                bad(number, "key \"" + key + "\" given twice");
            keys.back().push_back(key);
        }
        return true;
    };
    try {
        return json::parse(line, check);
    } catch (const json::exception& e) {
        bad(number, std::string("not valid JSON (") + e.what() + ")");
    }
}

// JSON string as the dump writes it: UTF-8 kept, only the escapes JSON requires.
void writeString(std::string& out, std::string_view s) {
    static const char* hex = "0123456789abcdef";
    out.push_back('"');
    for (char c : s) {
        unsigned char u = static_cast<unsigned char>(c);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        default:
            if (u < 0x20) {
                out += "\\u00";
                out.push_back(hex[u >> 4]);
                out.push_back(hex[u & 15]);
            } else {
                out.push_back(c);
            }
        }
    }
    out.push_back('"');
}

void writeList(std::string& out, std::string_view text, char mark, bool nested) {
    out.push_back('[');
    size_t start = 0;
    bool first = true;
    while (true) {
        size_t end = text.find(mark, start);
        std::string_view part = text.substr(start, end == std::string_view::npos ? end : end - start);
        if (!first) out += ", ";
        first = false;
        if (nested && part.find(SM) != std::string_view::npos) writeList(out, part, SM, false);
        else writeString(out, part);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    out.push_back(']');
}

}  // namespace

std::string recordLine(std::string_view file, std::string_view key, std::string_view data) {
    std::string out = "{\"file\": ";
    writeString(out, file);
    out += ", \"key\": ";
    writeString(out, key);
    out += ", \"fields\": [";
    const std::string trimmed = trimTrailingFields(data);
    std::string_view text = trimmed;
    size_t start = 0;
    bool first = true;
    while (!text.empty()) {
        size_t end = text.find(FM, start);
        std::string_view field = text.substr(start, end == std::string_view::npos ? end : end - start);
        if (!first) out += ", ";
        first = false;
        if (field.find_first_of("\xFD\xFC") != std::string_view::npos) writeList(out, field, VM, true);
        else writeString(out, field);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    out += "]}";
    return out;
}

Dump readDump(std::istream& in) {
    Dump dump;
    std::vector<DictItem>& dicts = dump.dictItems;
    using Rec = Dump::Record;
    std::vector<Rec>& records = dump.records;
    std::vector<std::string>& declared = dump.files;
    std::string line;
    long number = 0;
    std::streambuf* buffer = in.rdbuf();
    while (buffer && readLine(*buffer, line, number + 1)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos) continue;
        json j = parseLine(line, number);
        if (!j.is_object()) bad(number, "a line must be a JSON object");
        if (j.contains("dict")) {
            for (auto it = j.begin(); it != j.end(); ++it)
                if (it.key() != "dict" && it.key() != "name" && it.key() != "expr") bad(number, "unknown key \"" + it.key() + "\"");
            if (!j.contains("name") || !j.contains("expr")) bad(number, "a dictionary item needs \"name\" and \"expr\"");
            DictItem item{checkedText(j["dict"], number, "\"dict\""), checkedText(j["name"], number, "\"name\""),
                          checkedText(j["expr"], number, "\"expr\"")};
            if (item.file.empty() || item.name.empty()) bad(number, "empty file or item name");
            try {
                Expression::parse(item.expr);
            } catch (const DbError& e) {
                bad(number, e.what());
            }
            dicts.push_back(std::move(item));
        } else if (j.contains("file")) {
            for (auto it = j.begin(); it != j.end(); ++it)
                if (it.key() != "file" && it.key() != "key" && it.key() != "fields") bad(number, "unknown key \"" + it.key() + "\"");
            if (j.size() == 1) {  // a file line: the file exists, with or without records
                std::string file = checkedText(j["file"], number, "\"file\"");
                if (file.empty()) bad(number, "empty file name");
                declared.push_back(std::move(file));
                continue;
            }
            if (!j.contains("key") || !j.contains("fields")) bad(number, "a record needs \"key\" and \"fields\"");
            Rec r{checkedText(j["file"], number, "\"file\""), checkedText(j["key"], number, "\"key\""),
                  fieldsToText(j["fields"], number)};
            if (r.file.empty() || r.key.empty()) bad(number, "empty file name or key");
            records.push_back(std::move(r));
        } else {
            bad(number, "a line must be a record (\"file\") or a dictionary item (\"dict\")");
        }
    }
    if (in.bad()) throw DbError(kErrBadDump, "the dump could not be read");
    return dump;
}

ImportCounts loadDump(Database& db, const Dump& dump) {
    Storage& st = db.storage();
    st.transaction([&] {
        for (const std::string& f : dump.files) st.createFile(f);
        for (const DictItem& d : dump.dictItems) {
            st.createFile(d.file);
            st.putDict(d);
        }
        for (const Dump::Record& r : dump.records) {
            st.createFile(r.file);
            st.put(r.file, r.key, r.text);
        }
    });
    ImportCounts counts;
    counts.records = static_cast<long>(dump.records.size());
    counts.dictItems = static_cast<long>(dump.dictItems.size());
    return counts;
}

ImportCounts importJsonl(Database& db, std::istream& in) { return loadDump(db, readDump(in)); }

namespace {

void exportSnapshot(Storage& st, std::ostream& out, const std::vector<std::string>& only) {
    std::vector<std::string> files = only.empty() ? st.fileNames() : only;
    for (const std::string& f : files)
        if (!st.fileExists(f)) throw DbError(kErrUnknownFile, "file " + f + " does not exist");
    std::sort(files.begin(), files.end());
    std::string line;
    for (const std::string& f : files) {
        for (const DictItem& d : st.dictItems(f)) {
            line = "{\"dict\": ";
            writeString(line, d.file);
            line += ", \"name\": ";
            writeString(line, d.name);
            line += ", \"expr\": ";
            writeString(line, d.expr);
            line += "}\n";
            out << line;
        }
    }
    for (const std::string& f : files) {
        bool any = false;
        st.scan(f, [&](std::string_view key, std::string_view data) {
            out << recordLine(f, key, data) << '\n';
            any = true;
        });
        // A file with neither a record nor a dictionary item survives as a file line.
        if (!any && st.dictItems(f).empty()) {
            line = "{\"file\": ";
            writeString(line, f);
            line += "}\n";
            out << line;
        }
    }
    if (!out) throw DbError(kErrStorage, "the dump could not be written");
}

}  // namespace

void exportJsonl(Database& db, std::ostream& out, const std::vector<std::string>& only) {
    // One snapshot: a run committing meanwhile is in the dump whole or not at all.
    db.storage().snapshot([&] { exportSnapshot(db.storage(), out, only); });
}

}  // namespace dba
