// Secondary indexes kept by the store: made from the records, kept by every write, and
// looked up by requests (storage.h, index_values.h).
#include <algorithm>
#include <deque>

#include "dba/errors.h"
#include "dba/storage.h"

namespace dba {

namespace {

// The records an evaluation looks up, read through the store and noted, so that a change
// of any of them makes the entries anew.
class NotingLookup : public RecordLookup {
public:
    NotingLookup(Storage& storage, std::string_view file, std::string_view key)
        : storage_(storage), file_(file), key_(key) {}
    const std::string_view* find(const std::string& file, std::string_view key) override {
        if (file != file_ || key != key_) lookedUp.emplace_back(file, std::string(key));
        std::optional<std::string> data = storage_.get(file, key);
        if (!data) return nullptr;
        texts_.push_back(std::move(*data));
        views_.push_back(texts_.back());
        return &views_.back();
    }
    std::vector<std::pair<std::string, std::string>> lookedUp;

private:
    Storage& storage_;
    std::string_view file_, key_;
    std::deque<std::string> texts_;
    std::deque<std::string_view> views_;
};

std::vector<std::string> lookedUpFiles(const IndexedItem& item) {
    std::vector<std::pair<std::string, long>> reads;
    if (item.expr) item.expr->transReads(reads);
    std::vector<std::string> files;
    for (const auto& r : reads) files.push_back(r.first);
    return files;
}

}  // namespace

std::vector<IndexDef> Storage::indexes(std::string_view file) {
    std::vector<IndexDef> all = indexDefs();
    if (!file.empty()) all.erase(std::remove_if(all.begin(), all.end(), [&](const IndexDef& d) { return d.file != file; }),
                                 all.end());
    std::sort(all.begin(), all.end(), [](const IndexDef& a, const IndexDef& b) {
        return a.file != b.file ? a.file < b.file : a.item < b.item;
    });
    return all;
}

IndexedItem Storage::indexedItem(const IndexDef& index) {
    auto known = compiled_.find({index.file, index.item});
    if (known != compiled_.end()) return known->second;
    IndexedItem item;
    if (isFieldNumber(index.item)) {
        item.number = std::stoi(index.item);
        return item;
    }
    for (const DictItem& d : dictItems(index.file))
        if (d.name == index.item) item.expr = std::make_shared<const Expression>(Expression::parse(d.expr));
    if (!item.expr)
        throw DbError(kErrStorage, "file " + index.file + " has no field number or dictionary item " + index.item);
    // Kept for the transaction only: another connection may change the item after it.
    if (depth() > 0) compiled_[{index.file, index.item}] = item;
    return item;
}

void Storage::fillIndex(const IndexDef& index) {
    const IndexedItem compiled = indexedItem(index);
    // Read first, written after: a back-end may not write while it scans.
    std::vector<std::pair<std::string, std::string>> records;
    scan(index.file, [&](std::string_view key, std::string_view data) { records.emplace_back(key, data); });
    std::vector<std::string> entries;
    for (const auto& [key, data] : records) {
        NotingLookup lookup(*this, index.file, key);
        indexEntries(compiled, EvalContext{key, data, &lookup}, entries);
        replaceIndexEntries(index, key, entries, lookup.lookedUp);
    }
}

void Storage::dictItemChanged(std::string_view file, std::string_view name) {
    compiled_.clear();
    for (const IndexDef& index : indexDefs())
        if (index.file == file && index.item == name) {
            deleteIndex(index);
            insertIndexDef(index);
            fillIndex(index);
        }
}

namespace {
// A field number as requests name it ("3", not "03").
IndexDef indexOf(std::string_view file, std::string_view item) {
    return {std::string(file), isFieldNumber(item) ? std::to_string(std::stoi(std::string(item))) : std::string(item)};
}
}  // namespace

void Storage::createIndex(std::string_view file, std::string_view item) {
    if (readOnly()) throw DbError(kErrStorage, "database " + where() + " is open for reading only");
    const IndexDef index = indexOf(file, item);
    transaction([&] {
        if (!fileExists(file)) throw DbError(kErrUnknownFile, "file " + index.file + " does not exist in " + where());
        if (isRunFile(file))
            throw DbError(kErrStorage, "the records of " + index.file + " are written by runs: they are not indexed");
        const IndexedItem compiled = indexedItem(index);
        for (const std::string& read : lookedUpFiles(compiled))
            if (isRunFile(read))
                throw DbError(kErrStorage, "item " + index.item + " of " + index.file + " looks up " + read +
                                               ", whose records runs write: it is not indexed");
        for (const IndexDef& d : indexDefs())
            if (d == index) throw DbError(kErrStorage, "item " + index.item + " of " + index.file + " is indexed already");
        insertIndexDef(index);
        fillIndex(index);
    });
}

void Storage::dropIndex(std::string_view file, std::string_view item) {
    if (readOnly()) throw DbError(kErrStorage, "database " + where() + " is open for reading only");
    const IndexDef index = indexOf(file, item);
    transaction([&] {
        const std::vector<IndexDef> all = indexDefs();
        if (std::find(all.begin(), all.end(), index) == all.end())
            throw DbError(kErrStorage, "item " + index.item + " of " + index.file + " is not indexed");
        deleteIndex(index);
    });
}

std::vector<std::string> Storage::indexedKeys(const IndexDef& index, const IndexProbe& probe) {
    return lookUpIndex(index, probe);
}

void Storage::getMany(std::string_view file, const std::vector<std::string>& keys, const ScanVisitor& visit) {
    for (const std::string& key : keys)
        if (std::optional<std::string> data = get(file, key)) visit(key, *data);
}

void Storage::refreshIndexEntries(const IndexDef& index, std::string_view key, std::optional<std::string_view> data) {
    std::vector<std::string> entries;
    NotingLookup lookup(*this, index.file, key);
    if (data) indexEntries(indexedItem(index), EvalContext{key, *data, &lookup}, entries);
    replaceIndexEntries(index, key, entries, lookup.lookedUp);
}

void Storage::keepIndexes(std::string_view file, std::string_view key, std::optional<std::string_view> data) {
    if (isRunFile(file)) return;
    const std::vector<IndexDef> all = indexDefs();
    if (all.empty()) return;
    bool lookedUp = false;
    for (const IndexDef& index : all) {
        if (index.file == file) refreshIndexEntries(index, key, data);
        for (const std::string& read : lookedUpFiles(indexedItem(index))) lookedUp = lookedUp || read == file;
    }
    if (!lookedUp) return;
    // The records whose entries looked this one up.
    for (const auto& [index, dependent] : indexDependents(file, key)) {
        std::optional<std::string> record = get(index.file, dependent);
        refreshIndexEntries(index, dependent, record ? std::optional<std::string_view>(*record) : std::nullopt);
    }
}

}  // namespace dba
