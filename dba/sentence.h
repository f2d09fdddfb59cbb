// Query sentences: "SSELECT file" with AVEC conditions, OR alternatives and PAR
// sort keys, parsed into a plan before anything is read.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dba {

// A sentence is at most 64 KiB: the longest the control builds holds a few hundred bytes.
inline constexpr size_t kMaxSentenceBytes = 64 * 1024;

// The blanks of the grammars (sentences, field lists, dictionary expressions).
inline bool isBlank(char c) { return c == ' ' || c == '\t'; }

// A field of a sentence: a number (0 = key) or a dictionary name of the file.
struct FieldRef {
    bool isNumber = false;
    int number = 0;
    std::string name;
    size_t column = 0;  // 1-based position in the sentence, for messages
};

struct Comparison {
    enum Op { Eq, Ne, Le, Ge } op = Eq;
    std::string value;   // without the trailing "]" when prefix is set
    bool prefix = false; // the value ended with "]": a starts-with comparison
    // Precomputed for the numeric rule.
    bool valueIsNumber = false;
    size_t prefixChars = 0;  // length of the prefix in UTF-8 characters
};

// A field and the comparisons it may meet (the first, then each " OR op value").
struct Condition {
    FieldRef field;
    std::vector<Comparison> accepted;
};

// Conditions that must all hold.
using Chain = std::vector<Condition>;

struct Sentence {
    std::string file;
    size_t fileColumn = 0;
    std::vector<Chain> chains;  // none: every record; else any chain that holds
    std::vector<FieldRef> sortKeys;
};

// Parses a sentence; a sentence that does not follow the grammar, or is longer than
// the limit, raises DbError(kErrBadSentence) saying what was expected and at which column.
Sentence parseSentence(std::string_view text);

// A value between double quotes, for a sentence built from a person's text. The
// grammar has no escape, so a value holding a double quote is refused
// (DbError kErrBadSentence) rather than allowed to change the sentence.
std::string quoted(std::string_view value);

// Does one value meet one comparison?
bool meets(std::string_view value, const Comparison& c);

}  // namespace dba
