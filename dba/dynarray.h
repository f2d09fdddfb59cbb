// Dynamic arrays: the multivalue text of a record, fields of values of sub-values,
// all numbered from 1, separated by the mark bytes 0xFE, 0xFD and 0xFC.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dba {

// The marks are single bytes that never occur inside valid UTF-8 text.
inline constexpr char FM = '\xFE';  // between fields
inline constexpr char VM = '\xFD';  // between values
inline constexpr char SM = '\xFC';  // between sub-values

// The n-th (1-based) segment of `text` cut at `mark`; empty when past the end.
std::string_view segment(std::string_view text, char mark, int n);
// Number of segments cut at `mark`: 0 for an empty text.
int countSegments(std::string_view text, char mark);

// Field f of a record text (f = 0 is not a field: use the key).
inline std::string_view fieldView(std::string_view text, int f) { return segment(text, FM, f); }

class DynArray {
public:
    DynArray() = default;
    explicit DynArray(std::string text) : text_(std::move(text)) {}

    const std::string& text() const { return text_; }
    void setText(std::string text) {
        text_ = std::move(text);
        starts_.clear();
    }
    void clear() {
        text_.clear();
        starts_.clear();
    }
    bool empty() const { return text_.empty(); }

    // element(f) and element(f, v): a whole field, or one value of it.
    std::string element(int f) const { return Extract(f, -1, -1); }
    std::string element(int f, int v) const { return Extract(f, v, -1); }
    void setElement(int f, std::string_view value) { Replace(f, 0, 0, value); }
    void setElement(int f, int v, std::string_view value) { Replace(f, v, 0, value); }

    // Extract(f, v, s): -1 (or 0) for v or s stands for the whole level.
    std::string Extract(int f, int v = -1, int s = -1) const;

    // Replace(f, v, s, text): v = 0 replaces the whole field, v = -1 appends a value;
    // s = 0 replaces the whole value, s = -1 appends a sub-value; f = -1 appends a field.
    // Missing levels are created with empty elements.
    void Replace(int f, int v, int s, std::string_view value);

    // Number of values of field f (0 for an empty field).
    int CountValues(int f) const;
    // Number of fields (0 for an empty array), and of values of field f.
    int DCount() const;
    int DCount(int f) const { return CountValues(f); }

    bool operator==(const DynArray& other) const { return text_ == other.text_; }

    // Field f as a view into the text (valid until the array changes).
    std::string_view fieldAt(int f) const;

private:
    void indexFields() const;

    std::string text_;
    // Where each field starts, built on the first read of a large array, so that a
    // selection of thousands of rows is read row by row in constant time.
    mutable std::vector<size_t> starts_;
};

// Replaces segment n of `text` cut at `mark` (padding with marks); n = -1 appends.
void replaceSegment(std::string& text, char mark, int n, std::string_view value);

}  // namespace dba
