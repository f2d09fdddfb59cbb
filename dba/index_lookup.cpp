// Choosing the records a request reads through the indexes.
#include "dba/index_lookup.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <optional>
#include <tuple>

namespace dba {

namespace {

using Keys = std::vector<std::string>;

// The keys each probe found, asked once per request: the alternatives of a sentence often
// repeat the same conditions, and on a server each probe is a round trip with its keys.
class ProbeAnswers {
public:
    explicit ProbeAnswers(Storage& storage) : storage_(storage) {}

    const Keys& keys(const IndexDef& index, const IndexProbe& probe) {
        auto at = std::make_tuple(index.item, probe.entry, probe.prefix);
        auto found = answers_.find(at);
        if (found == answers_.end()) found = answers_.emplace(std::move(at), storage_.indexedKeys(index, probe)).first;
        return found->second;
    }

private:
    Storage& storage_;
    std::map<std::tuple<std::string, std::string, bool>, Keys> answers_;
};

Keys unite(const Keys& a, const Keys& b) {
    Keys out;
    std::set_union(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(out));
    return out;
}

Keys intersect(const Keys& a, const Keys& b) {
    Keys out;
    std::set_intersection(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(out));
    return out;
}

// The keys of the records that may meet one condition, or none when no index answers it.
std::optional<Keys> conditionKeys(ProbeAnswers& answers, const std::vector<IndexDef>& indexes,
                                  const std::string& file, const Condition& c) {
    const std::string item = c.field.isNumber ? std::to_string(c.field.number) : c.field.name;
    const IndexDef index{file, item};
    if (std::find(indexes.begin(), indexes.end(), index) == indexes.end()) return std::nullopt;
    std::vector<IndexProbe> probes;
    for (const Comparison& comparison : c.accepted) {
        std::optional<IndexProbe> probe = probeFor(comparison);
        if (!probe) return std::nullopt;
        probes.push_back(std::move(*probe));
    }
    Keys keys;
    for (const IndexProbe& probe : probes) keys = unite(keys, answers.keys(index, probe));
    return keys;
}

// The keys of the records that may meet the sentence, or none when a chain has no
// condition an index answers.
std::optional<Keys> sentenceKeys(Storage& storage, const Sentence& sentence) {
    if (sentence.chains.empty()) return std::nullopt;
    const std::vector<IndexDef> indexes = storage.indexes(sentence.file);
    if (indexes.empty()) return std::nullopt;
    ProbeAnswers answers(storage);
    Keys all;
    for (const Chain& chain : sentence.chains) {
        std::optional<Keys> chainKeys;
        for (const Condition& c : chain) {
            std::optional<Keys> keys = conditionKeys(answers, indexes, sentence.file, c);
            if (!keys) continue;
            chainKeys = chainKeys ? intersect(*chainKeys, *keys) : std::move(*keys);
        }
        if (!chainKeys) return std::nullopt;
        all = unite(all, *chainKeys);
    }
    return all;
}

}  // namespace

SelectableRecords::SelectableRecords(Storage& storage, const Sentence& sentence)
    : storage_(storage), sentence_(sentence), keys_(sentenceKeys(storage, sentence)) {}

void SelectableRecords::read(const ScanVisitor& visit) const {
    if (!keys_) {
        storage_.scan(sentence_.file, visit);
    } else if (!wholeFile()) {
        storage_.getMany(sentence_.file, *keys_, visit);
    } else {
        storage_.scan(sentence_.file, [&](std::string_view key, std::string_view data) {
            if (std::binary_search(keys_->begin(), keys_->end(), key)) visit(key, data);
        });
    }
}

}  // namespace dba
