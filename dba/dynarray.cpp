// Dynamic array reads and writes: locating and replacing segments between marks.
#include "dba/dynarray.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace dba {

namespace {

// Where the n-th mark (n >= 1) of [p, end) is, or end. Eight bytes at a time: records hold
// many short or empty fields, and a call to memchr per field costs more than the bytes it
// skips.
const char* findMark(const char* p, const char* end, char mark, int n) {
    constexpr uint64_t kLows = 0x7F7F7F7F7F7F7F7Full, kHighs = 0x8080808080808080ull;
    const uint64_t pattern = 0x0101010101010101ull * static_cast<unsigned char>(mark);
    while (end - p >= 8) {
        uint64_t word;
        std::memcpy(&word, p, 8);
        const uint64_t x = word ^ pattern;
        uint64_t marks = ~(((x & kLows) + kLows) | x) & kHighs;  // the high bit of each mark byte
        const int count = static_cast<int>(((marks >> 7) * 0x0101010101010101ull) >> 56);
        if (count < n) {
            n -= count;
            p += 8;
            continue;
        }
        while (--n > 0) marks &= marks - 1;
        return p + std::countr_zero(marks) / 8;
    }
    for (; p != end; ++p)
        if (*p == mark && --n == 0) return p;
    return end;
}

}  // namespace

std::string_view segment(std::string_view text, char mark, int n) {
    if (n < 1) return {};
    const char* const end = text.data() + text.size();
    const char* p = text.data();
    if (n > 1) {
        p = findMark(p, end, mark, n - 1);
        if (p == end) return {};
        ++p;
    }
    const char* stop = findMark(p, end, mark, 1);
    return {p, static_cast<size_t>(stop - p)};
}

int countSegments(std::string_view text, char mark) {
    if (text.empty()) return 0;
    int n = 1;
    for (char c : text)
        if (c == mark) ++n;
    return n;
}

void replaceSegment(std::string& text, char mark, int n, std::string_view value) {
    if (n < 0) {  // append
        if (!text.empty()) text.push_back(mark);
        text.append(value);
        return;
    }
    if (n == 0) n = 1;
    int count = text.empty() ? 1 : countSegments(text, mark);
    if (n > count) {
        text.append(static_cast<size_t>(n - count), mark);
        text.append(value);
        return;
    }
    size_t start = 0;
    for (int i = 1; i < n; ++i) start = text.find(mark, start) + 1;
    size_t end = text.find(mark, start);
    if (end == std::string::npos) end = text.size();
    text.replace(start, end - start, value);
}

namespace {
constexpr size_t kIndexFrom = 4096;  // smaller arrays are cheaper to scan
}  // namespace

void DynArray::indexFields() const {
    if (!starts_.empty()) return;
    starts_.push_back(0);
    for (size_t i = 0; i < text_.size(); ++i)
        if (text_[i] == FM) starts_.push_back(i + 1);
}

int DynArray::DCount() const {
    if (text_.size() < kIndexFrom) return countSegments(text_, FM);
    indexFields();
    return static_cast<int>(starts_.size());
}

std::string_view DynArray::fieldAt(int f) const {
    if (f < 1) return {};
    if (text_.size() < kIndexFrom) return segment(text_, FM, f);
    indexFields();
    if (static_cast<size_t>(f) > starts_.size()) return {};
    size_t from = starts_[f - 1];
    size_t to = static_cast<size_t>(f) < starts_.size() ? starts_[f] - 1 : text_.size();
    return std::string_view(text_).substr(from, to - from);
}

std::string DynArray::Extract(int f, int v, int s) const {
    if (f < 1) return text_;
    std::string_view field = fieldAt(f);
    if (v < 1) return std::string(field);
    std::string_view value = segment(field, VM, v);
    if (s < 1) return std::string(value);
    return std::string(segment(value, SM, s));
}

void DynArray::Replace(int f, int v, int s, std::string_view value) {
    starts_.clear();
    if (f == 0) {
        text_ = std::string(value);
        return;
    }
    if (v == 0) {
        replaceSegment(text_, FM, f, value);
        return;
    }
    std::string field(f < 0 ? std::string_view{} : segment(text_, FM, f));
    if (s == 0) {
        replaceSegment(field, VM, v, value);
    } else {
        // A sub-value inside an appended value starts a new value.
        int vn = v;
        if (v < 0) {
            vn = field.empty() ? 1 : countSegments(field, VM) + 1;
        }
        std::string sub(segment(field, VM, vn));
        replaceSegment(sub, SM, s, value);
        replaceSegment(field, VM, vn, sub);
    }
    replaceSegment(text_, FM, f, field);
}

int DynArray::CountValues(int f) const { return countSegments(fieldAt(f), VM); }

}  // namespace dba
