// Parser and evaluator of dictionary expressions.
#include "dba/expression.h"
#include "numbers/utf8.h"

#include "numbers/ascii.h"
#include "dba/dynarray.h"
#include "dba/errors.h"
#include "dba/sentence.h"

namespace dba {

struct Expression::Term {
    enum Kind { Field, Trans, Literal } kind;
    long field = 0;          // Field and Trans: the field number (0 = key)
    std::string file;        // Trans
    Expression keyExpr;      // Trans
    std::string literal;     // Literal
    bool sub = false;        // [start, length] given
    long start = 0, length = 0;
};

class ExpressionParser {
public:
    explicit ExpressionParser(std::string_view text) : s_(text) {}

    Expression parseAll() {
        if (s_.size() > kMaxExpressionBytes) {
            throw DbError(kErrBadExpression, "expression of " + std::to_string(s_.size()) +
                                                 " bytes: longer than the limit of " +
                                                 std::to_string(kMaxExpressionBytes) + " bytes at column " +
                                                 std::to_string(kMaxExpressionBytes + 1));
        }
        Expression e = parseExpr();
        skip();
        if (pos_ < s_.size()) error("unexpected '" + std::string(1, s_[pos_]) + "'");
        return e;
    }

private:
    [[noreturn]] void error(const std::string& what) {
        throw DbError(kErrBadExpression, "expression \"" + std::string(s_) + "\": " + what + " at column " +
                                             std::to_string(pos_ + 1));
    }
    void skip() {
        while (pos_ < s_.size() && isBlank(s_[pos_])) ++pos_;
    }
    bool accept(char c) {
        skip();
        if (pos_ < s_.size() && s_[pos_] == c) { ++pos_; return true; }
        return false;
    }
    void expect(char c) {
        if (!accept(c)) error(std::string("'") + c + "' expected");
    }
    long number() {
        skip();
        size_t from = pos_;
        while (pos_ < s_.size() && dnt::isAsciiDigit(s_[pos_])) ++pos_;
        if (from == pos_) error("number expected");
        if (pos_ - from > 6) error("number too large");
        return std::stol(std::string(s_.substr(from, pos_ - from)));
    }
    std::string name() {
        skip();
        size_t from = pos_;
        while (pos_ < s_.size() && (dnt::isAsciiAlnum(s_[pos_]) || s_[pos_] == '_' ||
                                    s_[pos_] == '.'))
            ++pos_;
        if (from == pos_) error("file name expected");
        return std::string(s_.substr(from, pos_ - from));
    }
    void substring(Expression::Term& t) {
        if (!accept('[')) return;
        t.sub = true;
        t.start = number();
        expect(',');
        t.length = number();
        expect(']');
    }
    Expression parseExpr() {
        Expression e;
        e.terms_.push_back(parseTerm());
        while (accept(':')) e.terms_.push_back(parseTerm());
        return e;
    }
    std::shared_ptr<const Expression::Term> parseTerm() {
        skip();
        auto t = std::make_shared<Expression::Term>();
        if (pos_ >= s_.size()) error("term expected");
        char c = s_[pos_];
        if (c == '"') {
            ++pos_;
            size_t end = s_.find('"', pos_);
            if (end == std::string_view::npos) error("unterminated literal");
            t->kind = Expression::Term::Literal;
            t->literal = std::string(s_.substr(pos_, end - pos_));
            pos_ = end + 1;
        } else if (s_.substr(pos_, 5) == "TRANS") {
            // The parser and the evaluator recurse once per level: bound it.
            if (++depth_ > kMaxExpressionDepth)
                error("TRANS nested deeper than " + std::to_string(kMaxExpressionDepth) + " levels");
            pos_ += 5;
            t->kind = Expression::Term::Trans;
            expect('(');
            t->file = name();
            expect(',');
            t->keyExpr = parseExpr();
            --depth_;
            expect(',');
            t->field = number();
            expect(')');
            substring(*t);
        } else if (c == 'F') {
            ++pos_;
            t->kind = Expression::Term::Field;
            if (pos_ >= s_.size() || !dnt::isAsciiDigit(s_[pos_]))
                error("field number expected after F");
            t->field = number();
            substring(*t);
        } else {
            error("term expected");
        }
        return t;
    }

    std::string_view s_;
    size_t pos_ = 0;
    int depth_ = 0;
};

Expression Expression::parse(std::string_view text) { return ExpressionParser(text).parseAll(); }

namespace {

// The text of field n of a record (n = 0: its key).
std::string_view fieldOf(std::string_view key, std::string_view data, long n) {
    return n == 0 ? key : fieldView(data, static_cast<int>(n));
}

void splitValues(std::string_view field, std::vector<std::string>& out) {
    size_t start = 0;
    while (true) {
        size_t end = field.find(VM, start);
        if (end == std::string_view::npos) {
            out.emplace_back(field.substr(start));
            return;
        }
        out.emplace_back(field.substr(start, end - start));
        start = end + 1;
    }
}

// The field a Field or Trans term reads, as a view into the record it comes from.
std::string_view termField(const Expression::Term& t, const EvalContext& ctx) {
    if (t.kind == Expression::Term::Field) return fieldOf(ctx.key, ctx.data, t.field);
    std::string scratch;
    const std::string_view key = t.keyExpr.firstView(ctx, scratch);
    if (!ctx.lookup) return {};
    const std::string_view* rec = ctx.lookup->find(t.file, key);
    if (!rec) return {};
    if (t.field == 0) return {};  // the key of a record found by key: not a stored field
    return fieldView(*rec, static_cast<int>(t.field));
}

std::string termFirst(const Expression::Term& t, const EvalContext& ctx) {
    if (t.kind == Expression::Term::Literal) {
        return t.sub ? std::string(dnt::utf8::substring(t.literal, t.start, t.length)) : t.literal;
    }
    std::string_view field = termField(t, ctx);
    if (t.kind == Expression::Term::Trans && t.field == 0) {
        // TRANS(..., 0) gives the key looked up when the record exists.
        std::string key = t.keyExpr.first(ctx);
        bool found = ctx.lookup && ctx.lookup->find(t.file, key);
        std::string v = found ? key : std::string();
        return t.sub ? std::string(dnt::utf8::substring(v, t.start, t.length)) : v;
    }
    std::string_view first = field.substr(0, field.find(VM));
    if (t.sub) first = dnt::utf8::substring(first, t.start, t.length);
    return std::string(first);
}

}  // namespace

bool Expression::fieldView(const EvalContext& ctx, std::string_view& field) const {
    if (terms_.size() != 1 || terms_[0]->sub || terms_[0]->kind == Term::Literal ||
        (terms_[0]->kind == Term::Trans && terms_[0]->field == 0))
        return false;
    field = termField(*terms_[0], ctx);
    return true;
}

void Expression::values(const EvalContext& ctx, std::vector<std::string>& out) const {
    std::string_view field;
    if (fieldView(ctx, field)) {
        splitValues(field, out);
        return;
    }
    out.push_back(first(ctx));
}

std::string_view Expression::firstView(const EvalContext& ctx, std::string& scratch) const {
    if (terms_.size() == 1 && terms_[0]->kind == Term::Field) {
        const Term& t = *terms_[0];
        std::string_view field = fieldOf(ctx.key, ctx.data, t.field);
        field = field.substr(0, field.find(VM));
        return t.sub ? dnt::utf8::substring(field, t.start, t.length) : field;
    }
    scratch = first(ctx);
    return scratch;
}

std::string Expression::first(const EvalContext& ctx) const {
    if (terms_.size() == 1) return termFirst(*terms_[0], ctx);
    std::string text;
    for (const auto& t : terms_) text += termFirst(*t, ctx);
    return text;
}

void Expression::transReads(std::vector<std::pair<std::string, long>>& out) const {
    for (const auto& t : terms_) {
        if (t->kind != Term::Trans) continue;
        out.emplace_back(t->file, t->field);
        t->keyExpr.transReads(out);
    }
}

}  // namespace dba
