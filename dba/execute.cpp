// Running a request in three steps: compile (resolve the sentence's fields and
// conditions), run (scan the file, keep the records that meet a chain) and lay out (sort
// them on their keys, one field each).
#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "numbers/ascii.h"
#include "dba/compare.h"
#include "dba/database.h"
#include "dba/errors.h"
#include "dba/index_lookup.h"
#include "dba/sentence.h"
#include "dba/trans_cache.h"

namespace dba {

namespace {

// A sentence field made ready to evaluate: a field number or a compiled expression.
struct BoundField {
    int number = 0;
    std::shared_ptr<const Expression> expr;

    std::string first(const EvalContext& ctx) const {
        if (expr) return expr->first(ctx);
        std::string_view field = number == 0 ? ctx.key : fieldView(ctx.data, number);
        return std::string(field.substr(0, field.find(VM)));
    }
    // For the result: the whole field, its values turned into sub-values so that the
    // result keeps one value per listed field.
    std::string whole(const EvalContext& ctx) const {
        if (expr) return expr->first(ctx);
        std::string text(number == 0 ? ctx.key : fieldView(ctx.data, number));
        std::replace(text.begin(), text.end(), VM, SM);
        return text;
    }
};

// What a record gives for each distinct field the request reads, read at most once per
// record: a sentence tests one looked-up field against several bounds, repeats its base
// conditions in every alternative and sorts on fields it has already tested.
class RecordFields {
public:
    explicit RecordFields(const std::vector<BoundField>& fields) : fields_(fields), state_(fields.size()) {
        views_.resize(fields.size());
    }
    void next(const EvalContext& ctx) {
        ctx_ = &ctx;
        std::fill(state_.begin(), state_.end(), kUnread);
    }
    // The whole field as a view into its record, or false when the field is an expression
    // that has no such view (a concatenation, a sub-string).
    bool view(size_t i, std::string_view& out) {
        if (state_[i] == kUnread) {
            const BoundField& f = fields_[i];
            if (!f.expr) {
                views_[i] = f.number == 0 ? ctx_->key : fieldView(ctx_->data, f.number);
                state_[i] = kView;
            } else {
                state_[i] = f.expr->fieldView(*ctx_, views_[i]) ? kView : kNoView;
            }
        }
        out = views_[i];
        return state_[i] == kView;
    }
    std::string first(size_t i) {
        std::string_view v;
        if (view(i, v)) return std::string(v.substr(0, v.find(VM)));
        return fields_[i].first(*ctx_);
    }
    const EvalContext& context() const { return *ctx_; }

private:
    enum : signed char { kUnread, kView, kNoView };
    const std::vector<BoundField>& fields_;
    std::vector<signed char> state_;
    std::vector<std::string_view> views_;
    const EvalContext* ctx_ = nullptr;
};

struct BoundCondition {
    size_t field;  // into the request's distinct fields
    const std::vector<Comparison>* accepted;
    int cost = 0;

    // Whether some value of the field meets one of the comparisons. A field with a view is
    // read in place; any other expression is evaluated into `scratch`.
    bool holds(RecordFields& record, const std::vector<BoundField>& fields, std::vector<std::string>& scratch) const {
        auto accepts = [&](std::string_view v) {
            for (const Comparison& c : *accepted)
                if (meets(v, c)) return true;
            return false;
        };
        std::string_view f;
        if (record.view(field, f)) {
            size_t start = 0;
            while (true) {
                size_t end = f.find(VM, start);
                if (accepts(f.substr(start, end == std::string_view::npos ? end : end - start))) return true;
                if (end == std::string_view::npos) return false;
                start = end + 1;
            }
        }
        scratch.clear();
        fields[field].expr->values(record.context(), scratch);
        for (const std::string& v : scratch)
            if (accepts(v)) return true;
        return false;
    }
    bool sameAs(const Condition& c, size_t f) const {
        if (f != field || c.accepted.size() != accepted->size()) return false;
        for (size_t i = 0; i < accepted->size(); ++i) {
            const Comparison& a = c.accepted[i];
            const Comparison& b = (*accepted)[i];
            if (a.op != b.op || a.value != b.value || a.prefix != b.prefix) return false;
        }
        return true;
    }
};

struct Row {
    std::string key;
    std::vector<std::string> sortTexts;
    std::vector<SortValue> sortValues;
    std::string out;
};

// A request made ready to run: its sentence, every field it reads (each once), its
// conditions (each once) and their chains, its sort keys and the fields it lays out. The
// conditions point into the sentence, so a compiled request stays where it was made.
struct CompiledRequest {
    Sentence sentence;
    std::vector<BoundField> fields;
    std::vector<BoundCondition> conditions;
    std::vector<std::vector<size_t>> chains;
    std::vector<size_t> sortKeys;
    std::vector<BoundField> outputs;

    CompiledRequest() = default;
    CompiledRequest(const CompiledRequest&) = delete;
    CompiledRequest& operator=(const CompiledRequest&) = delete;
};

// The listed fields of a request: numbers or dictionary names separated by blanks, each
// with its column for the messages.
std::vector<FieldRef> listedFields(const std::string& fieldList) {
    std::vector<FieldRef> refs;
    size_t i = 0;
    while (i < fieldList.size()) {
        while (i < fieldList.size() && isBlank(fieldList[i])) ++i;
        size_t end = i;
        while (end < fieldList.size() && !isBlank(fieldList[end])) ++end;
        if (end > i) {
            FieldRef ref;
            std::string item = fieldList.substr(i, end - i);
            ref.column = i + 1;
            if (std::all_of(item.begin(), item.end(), dnt::isAsciiDigit) && item.size() <= 6) {
                ref.isNumber = true;
                ref.number = std::stoi(item);
            } else {
                ref.name = item;
            }
            refs.push_back(ref);
        }
        i = end;
    }
    return refs;
}

// Keeps the records that meet a chain of the request, each with its sort values and laid
// out fields; the look-ups of TRANS into other files are read ahead in one cache.
std::vector<Row> runRequest(const CompiledRequest& q, Storage& storage) {
    std::vector<std::pair<std::string, long>> transReads;
    for (const BoundField& f : q.fields)
        if (f.expr) f.expr->transReads(transReads);
    for (const BoundField& f : q.outputs)
        if (f.expr) f.expr->transReads(transReads);
    const SelectableRecords selectable(storage, q.sentence);
    TransCache cache(storage, transReads, selectable.wholeFile());
    RecordFields record(q.fields);
    std::vector<Row> rows;
    std::vector<std::string> values;
    // Per record: each condition's result once known (-1 unknown, 0 false, 1 true).
    std::vector<signed char> known(q.conditions.size());
    selectable.read([&](std::string_view key, std::string_view data) {
        EvalContext ctx{key, data, &cache};
        record.next(ctx);
        std::fill(known.begin(), known.end(), static_cast<signed char>(-1));
        bool selected = q.chains.empty();
        for (const auto& chain : q.chains) {
            bool all = true;
            for (size_t i : chain) {
                if (known[i] < 0) known[i] = q.conditions[i].holds(record, q.fields, values) ? 1 : 0;
                if (!known[i]) {
                    all = false;
                    break;
                }
            }
            if (all) {
                selected = true;
                break;
            }
        }
        if (!selected) return;
        Row row;
        row.key = std::string(key);
        row.sortTexts.reserve(q.sortKeys.size());
        for (size_t k : q.sortKeys) row.sortTexts.push_back(record.first(k));
        for (size_t j = 0; j < q.outputs.size(); ++j) {
            if (j) row.out.push_back(VM);
            row.out += q.outputs[j].whole(ctx);
        }
        rows.push_back(std::move(row));
    });
    return rows;
}

// The rows sorted on their sort keys, then their record keys, one field each.
std::string layOutRows(std::vector<Row>& rows) {
    // Classified once; the views point into each row's own strings, which no longer move.
    for (Row& r : rows) {
        r.sortValues.reserve(r.sortTexts.size() + 1);
        for (const std::string& t : r.sortTexts) r.sortValues.push_back(SortValue::of(t));
        r.sortValues.push_back(SortValue::of(r.key));
    }
    std::vector<Row*> order(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) order[i] = &rows[i];
    std::stable_sort(order.begin(), order.end(), [](const Row* a, const Row* b) {
        for (size_t k = 0; k < a->sortValues.size(); ++k) {
            int c = sortCompare(a->sortValues[k], b->sortValues[k]);
            if (c) return c < 0;
        }
        return false;
    });
    std::string result;
    for (size_t i = 0; i < order.size(); ++i) {
        if (i) result.push_back(FM);
        result += order[i]->out;
    }
    return result;
}

// Resolves the request's sentence against the file's dictionary into `q`: the file
// named, every field bound, the conditions shared and ordered, the sort keys and the
// listed fields.
void compileRequest(Database& db, std::string_view requestText, CompiledRequest& q) {
    DynArray request{std::string(requestText)};
    const std::string text = request.element(1);
    const std::string fileName = request.element(2);
    const std::string fieldList = request.element(3);

    q.sentence = parseSentence(text);
    const Sentence& sentence = q.sentence;
    if (!fileName.empty() && fileName != sentence.file)
        throw DbError(kErrBadSentence, "the request names file " + fileName + " but its sentence selects from " +
                                           sentence.file);
    if (!db.storage().fileExists(sentence.file))
        throw DbError(kErrBadSentence, "sentence \"" + text + "\": unknown file " + sentence.file + " at column " +
                                           std::to_string(sentence.fileColumn));

    auto bind = [&](const FieldRef& ref) {
        BoundField b;
        if (ref.isNumber) {
            b.number = ref.number;
        } else {
            b.expr = db.dictionary(sentence.file, ref.name);
            if (!b.expr)
                throw DbError(kErrBadSentence, "sentence \"" + text + "\": unknown name " + ref.name + " of " +
                                                   sentence.file + " at column " + std::to_string(ref.column));
        }
        return b;
    };

    // Every field the request reads, each once.
    std::vector<BoundField>& fields = q.fields;
    auto slot = [&](const BoundField& f) {
        size_t i = 0;
        while (i < fields.size() && (fields[i].number != f.number || fields[i].expr != f.expr)) ++i;
        if (i == fields.size()) fields.push_back(f);
        return i;
    };
    // Conditions on the record's own fields cost nothing next to those that look another
    // record up.
    auto cost = [&](size_t f) {
        if (!fields[f].expr) return 0;
        std::vector<std::pair<std::string, long>> reads;
        fields[f].expr->transReads(reads);
        return reads.empty() ? 1 : 2;
    };

    // The conditions, each once however many chains repeat it (the alternatives of a
    // sentence repeat their base conditions), and each chain as the indices of its
    // conditions, the cheap ones first: a record is tested against a look-up into another
    // file only when its own fields have not already ruled it out, and a condition shared
    // by several chains is tested once per record.
    for (const Chain& chain : sentence.chains) {
        std::vector<size_t> indices;
        for (const Condition& c : chain) {
            size_t f = slot(bind(c.field));
            size_t i = 0;
            while (i < q.conditions.size() && !q.conditions[i].sameAs(c, f)) ++i;
            if (i == q.conditions.size()) q.conditions.push_back({f, &c.accepted, cost(f)});
            indices.push_back(i);
        }
        std::stable_sort(indices.begin(), indices.end(),
                         [&](size_t a, size_t b) { return q.conditions[a].cost < q.conditions[b].cost; });
        q.chains.push_back(std::move(indices));
    }
    for (const FieldRef& k : sentence.sortKeys) q.sortKeys.push_back(slot(bind(k)));

    for (const FieldRef& ref : listedFields(fieldList)) q.outputs.push_back(bind(ref));
    if (q.outputs.empty()) q.outputs.push_back(BoundField{});  // the keys
}

}  // namespace

std::string Database::DBExecute(std::string_view requestText, std::string_view) {
    // One snapshot for the whole request: the records scanned and those TRANS looks up
    // are of the same moment.
    std::string result;
    storage_->snapshot([&] { result = execute(requestText); });
    return result;
}

std::string Database::execute(std::string_view requestText) {
    CompiledRequest q;
    compileRequest(*this, requestText, q);
    std::vector<Row> rows = runRequest(q, *storage_);
    return layOutRows(rows);
}

}  // namespace dba
