// Fuzz target: dynamic arrays driven by a byte-coded program of writes and reads. Each
// write must keep its promise, and each read must agree with a plain cut at the marks.
#include <algorithm>
#include <vector>

#include "dba/dynarray.h"
#include "fuzz/fuzz_support.h"

namespace {

using dba::FM;
using dba::SM;
using dba::VM;

class Program {
public:
    explicit Program(std::string_view code) : code_(code) {}
    bool done() const { return pos_ >= code_.size(); }
    unsigned char byte() { return done() ? 0 : static_cast<unsigned char>(code_[pos_++]); }
    // -1 to 10 mostly, so that appends, whole levels and padding all come up; now and
    // then a large index, for the field index of large arrays.
    int index() {
        unsigned char b = byte();
        return b < 0xF0 ? b % 12 - 1 : (b - 0xF0) * 500;
    }
    std::string_view text() {
        size_t n = std::min<size_t>(byte() % 32, code_.size() - std::min(pos_, code_.size()));
        std::string_view t = code_.substr(pos_, n);
        pos_ += n;
        return t;
    }

private:
    std::string_view code_;
    size_t pos_ = 0;
};

// What Extract must give, from nothing but the marks.
std::string_view reference(std::string_view text, int f, int v, int s) {
    if (f < 1) return text;
    std::string_view field = dba::segment(text, FM, f);
    if (v < 1) return field;
    std::string_view value = dba::segment(field, VM, v);
    return s < 1 ? value : dba::segment(value, SM, s);
}

std::vector<std::string_view> fields(std::string_view text) {
    std::vector<std::string_view> out;
    for (size_t start = 0; !text.empty();) {
        size_t end = text.find(FM, start);
        out.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return out;
}

void replace(dba::DynArray& a, Program& p) {
    int f = p.index(), v = p.index(), s = p.index();
    std::string_view text = p.text();
    const std::string before = a.text();
    a.Replace(f, v, s, text);
    if (f < 1 || text.find(FM) != std::string_view::npos) return;  // a field mark makes more fields
    if (v >= 0 && s >= 0 && text.find_first_of("\xFD\xFC") == std::string_view::npos)
        fuzz::require(a.Extract(f, v, s) == text, "Extract after Replace gives the text back");
    std::vector<std::string_view> old = fields(before), now = fields(a.text());
    // A field past the end reads as empty: compare as many as either has.
    size_t n = std::max({old.size(), now.size(), static_cast<size_t>(f)});
    old.resize(n);
    now.resize(n);
    for (size_t i = 0; i < now.size(); ++i)
        if (i + 1 != static_cast<size_t>(f)) fuzz::require(now[i] == old[i], "other fields kept");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Program p(std::string_view(reinterpret_cast<const char*>(data), size));
    dba::DynArray a;
    for (int steps = 0; !p.done() && steps < 64; ++steps) {
        switch (p.byte() % 5) {
        case 0:
            replace(a, p);
            break;
        case 1: {
            int f = p.index(), v = p.index(), s = p.index();
            fuzz::require(a.Extract(f, v, s) == reference(a.text(), f, v, s), "Extract cuts at the marks");
            break;
        }
        case 2: {
            int f = p.index();
            fuzz::require(a.CountValues(f) == dba::countSegments(dba::segment(a.text(), FM, f), VM), "CountValues");
            fuzz::require(a.DCount() == dba::countSegments(a.text(), FM), "DCount");
            break;
        }
        case 3: {  // a large array, read through its field index
            std::string_view piece = p.text();
            std::string text;
            for (int n = p.byte() + 1; n > 0; --n) text += piece;
            a.setText(text);
            break;
        }
        default: {
            int f = p.index();
            fuzz::require(a.element(f) == reference(a.text(), f, -1, -1), "element");
            break;
        }
        }
    }
    return 0;
}
