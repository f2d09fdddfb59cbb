// Dictionary expressions: field references, TRANS look-ups into other files,
// literals, sub-strings and concatenation, parsed once and evaluated per record.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace dba {

// Limits on a dictionary expression, so that a hostile item cannot exhaust the stack
// or the memory: the standard items hold under a hundred bytes and nest two levels.
inline constexpr size_t kMaxExpressionBytes = 4096;
inline constexpr int kMaxExpressionDepth = 64;  // TRANS terms inside one another

// Where an expression finds the records its TRANS terms name.
class RecordLookup {
public:
    virtual ~RecordLookup() = default;
    // The record's text, or nullptr when the file has no such key; what it points to lives
    // as long as the lookup.
    virtual const std::string_view* find(const std::string& file, std::string_view key) = 0;
};

struct EvalContext {
    std::string_view key;
    std::string_view data;
    RecordLookup* lookup = nullptr;
};

class Expression {
public:
    // Parses `text`; a text that does not parse, or goes beyond the limits above,
    // raises DbError(kErrBadExpression) naming the column (1-based) where it went wrong.
    static Expression parse(std::string_view text);

    // Every value the expression gives: a bare field or TRANS term gives each value
    // of its field; anything else gives one value.
    void values(const EvalContext& ctx, std::vector<std::string>& out) const;
    // The first value: what sorting, concatenation and sub-strings use.
    std::string first(const EvalContext& ctx) const;
    // The same, as a view into the record when the expression is one field of it (a TRANS
    // key, mostly), else into `scratch`.
    std::string_view firstView(const EvalContext& ctx, std::string& scratch) const;
    // For an expression that is one bare field or TRANS term: the whole field it reads, as a
    // view into its record (its values are those of values()); false for any other.
    bool fieldView(const EvalContext& ctx, std::string_view& field) const;
    // What TRANS terms read, at any depth: each file with the field read from it (0 when a
    // term only asks whether the record exists).
    void transReads(std::vector<std::pair<std::string, long>>& out) const;

    struct Term;

private:
    std::vector<std::shared_ptr<const Term>> terms_;
    friend class ExpressionParser;
};

}  // namespace dba
