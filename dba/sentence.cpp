// Tokenizer and parser of query sentences, and the test of one comparison.
#include "dba/sentence.h"
#include "numbers/utf8.h"

#include "numbers/ascii.h"
#include "dba/compare.h"
#include "dba/errors.h"
#include "dba/expression.h"

namespace dba {

namespace {

struct Token {
    std::string text;
    bool quoted = false;
    size_t column = 0;  // 1-based
};

class SentenceParser {
public:
    explicit SentenceParser(std::string_view s) : s_(s) {
        if (s_.size() > kMaxSentenceBytes) {
            throw DbError(kErrBadSentence, "sentence of " + std::to_string(s_.size()) +
                                               " bytes: longer than the limit of " +
                                               std::to_string(kMaxSentenceBytes) + " bytes at column " +
                                               std::to_string(kMaxSentenceBytes + 1));
        }
        tokenize();
    }

    Sentence parse() {
        Sentence q;
        expectWord("SSELECT");
        const Token& file = next("a file name");
        if (file.quoted) error(file, "a file name expected");
        q.file = file.text;
        q.fileColumn = file.column;
        if (isWord("AVEC")) {
            q.chains.push_back(parseChain());
            while (isWord("OR")) {
                ++pos_;
                if (isWord("AVEC")) {
                    q.chains.push_back(parseChain());
                } else {
                    error(peek(), "\"AVEC\" expected after \"OR\"");
                }
            }
        }
        while (isWord("PAR")) {
            ++pos_;
            q.sortKeys.push_back(parseField());
        }
        if (pos_ < tokens_.size()) error(peek(), isWord("AVEC") ? "\"AND\" or \"OR\" expected before \"AVEC\""
                                                                 : "unexpected \"" + peek().text + "\"");
        return q;
    }

private:
    [[noreturn]] void error(const Token& at, const std::string& what) { errorAt(at.column, what); }
    [[noreturn]] void errorAt(size_t column, const std::string& what) {
        throw DbError(kErrBadSentence, "sentence \"" + std::string(s_) + "\": " + what + " at column " +
                                           std::to_string(column));
    }

    void tokenize() {
        size_t i = 0;
        while (i < s_.size()) {
            char c = s_[i];
            if (isBlank(c)) { ++i; continue; }
            Token t;
            t.column = i + 1;
            if (c == '"') {
                size_t end = s_.find('"', i + 1);
                if (end == std::string_view::npos) errorAt(i + 1, "unterminated quoted value");
                t.text = std::string(s_.substr(i + 1, end - i - 1));
                t.quoted = true;
                i = end + 1;
                // A quote ends a value: anything glued to it is a value holding a quote.
                if (i < s_.size() && !isBlank(s_[i]))
                    errorAt(i + 1, "a value cannot contain a double quote");
            } else {
                size_t end = i;
                while (end < s_.size() && !isBlank(s_[end]) && s_[end] != '"') ++end;
                if (end < s_.size() && s_[end] == '"') errorAt(end + 1, "blank expected before a quoted value");
                t.text = std::string(s_.substr(i, end - i));
                i = end;
            }
            tokens_.push_back(std::move(t));
        }
    }

    Token peek() const {
        if (pos_ < tokens_.size()) return tokens_[pos_];
        return Token{"end of sentence", false, s_.size() + 1};
    }
    const Token& next(const char* what) {
        if (pos_ >= tokens_.size()) errorAt(s_.size() + 1, std::string(what) + " expected");
        return tokens_[pos_++];
    }
    bool isWord(const char* w) { return pos_ < tokens_.size() && !tokens_[pos_].quoted && tokens_[pos_].text == w; }
    void expectWord(const char* w) {
        if (!isWord(w)) error(peek(), std::string("\"") + w + "\" expected");
        ++pos_;
    }

    FieldRef parseField() {
        const Token& t = next("a field");
        FieldRef f;
        f.column = t.column;
        if (t.quoted) error(t, "a field number or name expected");
        bool digits = !t.text.empty() && t.text.size() <= 6;
        for (char c : t.text) digits = digits && dnt::isAsciiDigit(c);
        if (digits) {
            f.isNumber = true;
            f.number = std::stoi(t.text);
        } else {
            for (char c : t.text)
                if (!(dnt::isAsciiAlnum(c) || c == '_' || c == '.'))
                    error(t, "a field number or name expected, not \"" + t.text + "\"");
            if (t.text == "AVEC" || t.text == "AND" || t.text == "OR" || t.text == "PAR")
                error(t, "a field expected, not \"" + t.text + "\"");
            f.name = t.text;
        }
        return f;
    }

    Comparison parseComparison() {
        const Token& op = next("an operator");
        Comparison c;
        if (op.quoted) error(op, "an operator expected");
        if (op.text == "=") c.op = Comparison::Eq;
        else if (op.text == "#") c.op = Comparison::Ne;
        else if (op.text == "<=") c.op = Comparison::Le;
        else if (op.text == ">=") c.op = Comparison::Ge;
        else error(op, "operator =, #, <= or >= expected, not \"" + op.text + "\"");
        const Token& v = next("a quoted value");
        if (!v.quoted) error(v, "a quoted value expected");
        c.value = v.text;
        if (!c.value.empty() && c.value.back() == ']') {
            c.prefix = true;
            c.value.pop_back();
            for (unsigned char ch : c.value)
                if ((ch & 0xC0) != 0x80) ++c.prefixChars;
        } else {
            c.valueIsNumber = isQueryNumber(c.value);
        }
        return c;
    }

    Chain parseChain() {
        Chain chain;
        expectWord("AVEC");
        while (true) {
            Condition cond;
            cond.field = parseField();
            cond.accepted.push_back(parseComparison());
            // " OR op value" adds a comparison; " OR AVEC" starts a new chain.
            while (isWord("OR") && pos_ + 1 < tokens_.size() && !tokens_[pos_ + 1].quoted &&
                   tokens_[pos_ + 1].text != "AVEC") {
                ++pos_;
                cond.accepted.push_back(parseComparison());
            }
            chain.push_back(std::move(cond));
            if (!isWord("AND")) break;
            ++pos_;
            expectWord("AVEC");
        }
        return chain;
    }

    std::string_view s_;
    std::vector<Token> tokens_;
    size_t pos_ = 0;
};

}  // namespace

Sentence parseSentence(std::string_view text) { return SentenceParser(text).parse(); }

std::string quoted(std::string_view value) {
    if (value.find('"') != std::string_view::npos)
        throw DbError(kErrBadSentence, "a value cannot contain a double quote: " + std::string(value));
    return "\"" + std::string(value) + "\"";
}

bool meets(std::string_view value, const Comparison& c) {
    if (c.prefix) {
        const std::string& p = c.value;
        switch (c.op) {
        case Comparison::Eq: return value.substr(0, p.size()) == p;
        case Comparison::Ne: return value.substr(0, p.size()) != p;
        case Comparison::Ge: return value.compare(p) >= 0;
        case Comparison::Le: return dnt::utf8::substring(value, 1, static_cast<long>(c.prefixChars)).compare(p) <= 0;
        }
        return false;
    }
    int cmp;
    if (c.valueIsNumber && isQueryNumber(value)) {
        cmp = compareNumbers(value, c.value);
    } else {
        int r = value.compare(c.value);
        cmp = r < 0 ? -1 : (r > 0 ? 1 : 0);
    }
    switch (c.op) {
    case Comparison::Eq: return cmp == 0;
    case Comparison::Ne: return cmp != 0;
    case Comparison::Le: return cmp <= 0;
    case Comparison::Ge: return cmp >= 0;
    }
    return false;
}

}  // namespace dba
