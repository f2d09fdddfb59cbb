// Running a request: resolve the sentence's fields, scan the file, keep the records
// that meet a chain, sort them on their keys and lay out the result.
#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "common/ascii.h"
#include "dba/compare.h"
#include "dba/database.h"
#include "dba/errors.h"
#include "dba/sentence.h"

namespace dba {

namespace {

struct StringHash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};
using RecordMap = std::unordered_map<std::string, std::string, StringHash, std::equal_to<>>;

// TRANS look-ups for the length of one request. Each record is read once; when a
// request has looked many keys up in one file, the rest of that file is read whole,
// which costs far less than one read per key.
class TransCache : public RecordLookup {
public:
    explicit TransCache(Storage& storage) : storage_(storage) {}

    const std::string* find(const std::string& file, std::string_view key) override {
        if (!last_ || lastName_ != file) {
            FileCache& cache = files_[file];
            if (!cache.checked) {
                if (!storage_.fileExists(file))
                    throw DbError(kErrUnknownFile, "file " + file + " named in a dictionary does not exist");
                cache.checked = true;
            }
            last_ = &cache;
            lastName_ = file;
        }
        FileCache& cache = *last_;
        auto it = cache.records.find(key);
        if (it != cache.records.end()) return &it->second;
        if (cache.complete || cache.missing.count(key)) return nullptr;
        if (++cache.reads > kReadsBeforeWholeFile) {
            storage_.scan(file, [&](std::string_view k, std::string_view d) { cache.records.emplace(k, d); });
            cache.complete = true;
            cache.missing.clear();
            it = cache.records.find(key);
            return it == cache.records.end() ? nullptr : &it->second;
        }
        auto data = storage_.get(file, key);
        if (!data) {
            cache.missing.emplace(key);
            return nullptr;
        }
        return &cache.records.emplace(std::string(key), std::move(*data)).first->second;
    }

private:
    static constexpr int kReadsBeforeWholeFile = 200;
    struct FileCache {
        bool checked = false;
        bool complete = false;
        int reads = 0;
        RecordMap records;
        std::unordered_set<std::string, StringHash, std::equal_to<>> missing;
    };
    Storage& storage_;
    std::unordered_map<std::string, FileCache> files_;
    FileCache* last_ = nullptr;
    std::string lastName_;
};

// A sentence field made ready to evaluate: a field number or a compiled expression.
struct BoundField {
    int number = 0;
    std::shared_ptr<const Expression> expr;

    void values(const EvalContext& ctx, std::vector<std::string>& out) const {
        if (expr) {
            expr->values(ctx, out);
            return;
        }
        std::string_view field = number == 0 ? ctx.key : fieldView(ctx.data, number);
        size_t start = 0;
        while (true) {
            size_t end = field.find(VM, start);
            out.emplace_back(field.substr(start, end == std::string_view::npos ? end : end - start));
            if (end == std::string_view::npos) return;
            start = end + 1;
        }
    }
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

struct BoundCondition {
    BoundField field;
    const std::vector<Comparison>* accepted;
};

struct Row {
    std::string key;
    std::vector<std::string> sortTexts;
    std::vector<SortValue> sortValues;
    std::string out;
};

}  // namespace

std::string Database::DBExecute(std::string_view requestText, std::string_view) {
    DynArray request{std::string(requestText)};
    std::string text = request.element(1);
    std::string fileName = request.element(2);
    std::string fieldList = request.element(3);

    Sentence sentence = parseSentence(text);
    if (!fileName.empty() && fileName != sentence.file)
        throw DbError(kErrBadSentence, "the request names file " + fileName + " but its sentence selects from " +
                                           sentence.file);
    if (!storage_.fileExists(sentence.file))
        throw DbError(kErrBadSentence, "sentence \"" + text + "\": unknown file " + sentence.file + " at column " +
                                           std::to_string(sentence.fileColumn));

    auto bind = [&](const FieldRef& ref) {
        BoundField b;
        if (ref.isNumber) {
            b.number = ref.number;
        } else {
            b.expr = dictionary(sentence.file, ref.name);
            if (!b.expr)
                throw DbError(kErrBadSentence, "sentence \"" + text + "\": unknown name " + ref.name + " of " +
                                                   sentence.file + " at column " + std::to_string(ref.column));
        }
        return b;
    };

    std::vector<std::vector<BoundCondition>> chains;
    for (const Chain& chain : sentence.chains) {
        std::vector<BoundCondition> bound;
        for (const Condition& c : chain) bound.push_back({bind(c.field), &c.accepted});
        chains.push_back(std::move(bound));
    }
    std::vector<BoundField> sortKeys;
    for (const FieldRef& k : sentence.sortKeys) sortKeys.push_back(bind(k));

    std::vector<BoundField> outputs;
    {
        size_t i = 0;
        while (i < fieldList.size()) {
            while (i < fieldList.size() && isBlank(fieldList[i])) ++i;
            size_t end = i;
            while (end < fieldList.size() && !isBlank(fieldList[end])) ++end;
            if (end > i) {
                FieldRef ref;
                std::string item = fieldList.substr(i, end - i);
                ref.column = i + 1;
                if (std::all_of(item.begin(), item.end(), dnt::isAsciiDigit) &&
                    item.size() <= 6) {
                    ref.isNumber = true;
                    ref.number = std::stoi(item);
                } else {
                    ref.name = item;
                }
                outputs.push_back(bind(ref));
            }
            i = end;
        }
        if (outputs.empty()) outputs.push_back(BoundField{});  // the keys
    }

    TransCache cache(storage_);
    std::vector<Row> rows;
    std::vector<std::string> values;
    storage_.scan(sentence.file, [&](std::string_view key, std::string_view data) {
        EvalContext ctx{key, data, &cache};
        bool selected = chains.empty();
        for (const auto& chain : chains) {
            bool all = true;
            for (const BoundCondition& cond : chain) {
                values.clear();
                cond.field.values(ctx, values);
                bool any = false;
                for (const std::string& v : values) {
                    for (const Comparison& c : *cond.accepted)
                        if (meets(v, c)) { any = true; break; }
                    if (any) break;
                }
                if (!any) { all = false; break; }
            }
            if (all) { selected = true; break; }
        }
        if (!selected) return;
        Row row;
        row.key = std::string(key);
        row.sortTexts.reserve(sortKeys.size());
        for (const BoundField& k : sortKeys) row.sortTexts.push_back(k.first(ctx));
        for (size_t j = 0; j < outputs.size(); ++j) {
            if (j) row.out.push_back(VM);
            row.out += outputs[j].whole(ctx);
        }
        rows.push_back(std::move(row));
    });

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

}  // namespace dba
