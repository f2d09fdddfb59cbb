// Replays a print journal into any sink.
#include "printing/journal_reader.h"

#include "printing/json_string.h"

#include <charconv>
#include <fstream>
#include <optional>
#include <string_view>

namespace printing {

JournalError::JournalError(std::size_t lineNumber, const std::string& what)
    : std::runtime_error("print journal, line " + std::to_string(lineNumber) + ": " + what),
      lineNumber_(lineNumber) {}

namespace {

// Reads the blank-separated fields of one journal line.
class Fields {
public:
    explicit Fields(std::string_view line) : line_(line) {}

    std::optional<long long> integer() {
        if (!separator()) return std::nullopt;
        long long v = 0;
        const char* begin = line_.data() + pos_;
        const char* end = line_.data() + line_.size();
        auto [ptr, ec] = std::from_chars(begin, end, v);
        if (ec != std::errc() || ptr == begin) return std::nullopt;
        pos_ += static_cast<std::size_t>(ptr - begin);
        return v;
    }

    std::optional<double> number() {
        if (!separator()) return std::nullopt;
        double v = 0;
        const char* begin = line_.data() + pos_;
        const char* end = line_.data() + line_.size();
        auto [ptr, ec] = std::from_chars(begin, end, v);
        if (ec != std::errc() || ptr == begin) return std::nullopt;
        pos_ += static_cast<std::size_t>(ptr - begin);
        return v;
    }

    std::optional<std::string> text() {
        if (!separator()) return std::nullopt;
        return jsonUnquote(line_, pos_);
    }

    bool atEnd() const { return pos_ == line_.size(); }

private:
    bool separator() {
        if (pos_ >= line_.size() || line_[pos_] != ' ') return false;
        ++pos_;
        return true;
    }

    std::string_view line_;
    std::size_t pos_ = 0;
};

// The journal keyword of a line: everything before its first blank.
std::string_view keyword(std::string_view line) { return line.substr(0, line.find(' ')); }

}  // namespace

void replayJournal(std::istream& in, PageSink& sink) {
    std::string raw;
    std::size_t number = 0;
    bool documentOpen = false;
    while (std::getline(in, raw)) {
        ++number;
        std::string_view line = raw;
        if (line.empty()) continue;
        std::string_view key = keyword(line);
        Fields f(line.substr(key.size()));
        auto bad = [&](const char* why) { return JournalError(number, why); };

        if (key == "END") {
            if (!f.atEnd()) throw bad("END takes nothing");
            sink.endDocument();
            sink.deliver();
            documentOpen = false;
            continue;
        }
        auto openDocument = [&] {
            if (!documentOpen) sink.beginPage(1);
            documentOpen = true;
        };
        if (key == "PAGE") {
            auto n = f.integer();
            if (!n || !f.atEnd() || *n < 2 || *n > 2147483647) throw bad("PAGE takes a page number from 2");
            openDocument();
            sink.beginPage(static_cast<int>(*n));
        } else if (key == "FONT") {
            auto name = f.text();
            auto size = f.number();
            auto bold = f.integer();
            if (!name || !size || !bold || !f.atEnd() || !(*size > 0) || (*bold != 0 && *bold != 1))
                throw bad("FONT takes a quoted name, a size in points and 0 or 1");
            openDocument();
            sink.font(*name, *size, *bold == 1);
        } else if (key == "WIDTH") {
            auto w = f.integer();
            if (!w || !f.atEnd() || *w < 1 || *w > 2147483647) throw bad("WIDTH takes a whole number from 1");
            openDocument();
            sink.width(static_cast<int>(*w));
        } else if (key == "TEXT") {
            auto x = f.integer();
            auto y = f.integer();
            auto text = f.text();
            if (!x || !y || !text || !f.atEnd()) throw bad("TEXT takes x, y and a quoted text");
            openDocument();
            sink.text(static_cast<double>(*x), static_cast<double>(*y), *text);
        } else if (key == "LINE") {
            auto x1 = f.integer();
            auto y1 = f.integer();
            auto x2 = f.integer();
            auto y2 = f.integer();
            if (!x1 || !y1 || !x2 || !y2 || !f.atEnd()) throw bad("LINE takes x1, y1, x2 and y2");
            openDocument();
            sink.line(static_cast<double>(*x1), static_cast<double>(*y1), static_cast<double>(*x2),
                      static_cast<double>(*y2));
        } else {
            throw bad("unknown operation");
        }
    }
    if (in.bad()) throw JournalError(number, "read error");
    if (documentOpen) throw JournalError(number, "the journal ends without END");
}

void replayJournalFile(const std::filesystem::path& file, PageSink& sink) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw JournalError(0, "cannot open " + file.string());
    replayJournal(in, sink);
}

}  // namespace printing
