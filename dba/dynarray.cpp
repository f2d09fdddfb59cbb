// Dynamic array reads and writes: locating and replacing segments between marks.
#include "dba/dynarray.h"

namespace dba {

std::string_view segment(std::string_view text, char mark, int n) {
    if (n < 1) return {};
    size_t start = 0;
    for (int i = 1; i < n; ++i) {
        size_t next = text.find(mark, start);
        if (next == std::string_view::npos) return {};
        start = next + 1;
    }
    size_t end = text.find(mark, start);
    if (end == std::string_view::npos) end = text.size();
    return text.substr(start, end - start);
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

std::string DynArray::Extract(int f, int v, int s) const {
    if (f < 1) return text_;
    std::string_view field = segment(text_, FM, f);
    if (v < 1) return std::string(field);
    std::string_view value = segment(field, VM, v);
    if (s < 1) return std::string(value);
    return std::string(segment(value, SM, s));
}

void DynArray::Replace(int f, int v, int s, std::string_view value) {
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

int DynArray::CountValues(int f) const { return countSegments(segment(text_, FM, f), VM); }

}  // namespace dba
