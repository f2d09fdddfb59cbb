// Choosing the records a request reads through the indexes.
#include "dba/index_lookup.h"

#include <algorithm>
#include <iterator>
#include <optional>

namespace dba {

namespace {

// Beyond this many records found, reading the file in order and passing over the others
// costs less than reading each one by its key.
constexpr size_t kMostReadByKey = 5000;

using Keys = std::vector<std::string>;

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
std::optional<Keys> conditionKeys(Storage& storage, const std::vector<IndexDef>& indexes, const std::string& file,
                                  const Condition& c) {
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
    for (const IndexProbe& probe : probes) keys = unite(keys, storage.indexedKeys(index, probe));
    return keys;
}

// The keys of the records that may meet the sentence, or none when a chain has no
// condition an index answers.
std::optional<Keys> sentenceKeys(Storage& storage, const Sentence& sentence) {
    if (sentence.chains.empty()) return std::nullopt;
    const std::vector<IndexDef> indexes = storage.indexes(sentence.file);
    if (indexes.empty()) return std::nullopt;
    Keys all;
    for (const Chain& chain : sentence.chains) {
        std::optional<Keys> chainKeys;
        for (const Condition& c : chain) {
            std::optional<Keys> keys = conditionKeys(storage, indexes, sentence.file, c);
            if (!keys) continue;
            chainKeys = chainKeys ? intersect(*chainKeys, *keys) : std::move(*keys);
        }
        if (!chainKeys) return std::nullopt;
        all = unite(all, *chainKeys);
    }
    return all;
}

}  // namespace

void readSelectable(Storage& storage, const Sentence& sentence, const ScanVisitor& visit) {
    std::optional<Keys> keys = sentenceKeys(storage, sentence);
    if (!keys) {
        storage.scan(sentence.file, visit);
    } else if (keys->size() <= kMostReadByKey) {
        storage.getMany(sentence.file, *keys, visit);
    } else {
        storage.scan(sentence.file, [&](std::string_view key, std::string_view data) {
            if (std::binary_search(keys->begin(), keys->end(), key)) visit(key, data);
        });
    }
}

}  // namespace dba
