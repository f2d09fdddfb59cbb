// The records a server transaction has read.
#include "dba/pg_read_cache.h"

namespace dba::pg {

ReadCache::FileRecords& ReadCache::of(std::string_view file) {
    auto it = files_.find(std::string(file));
    if (it == files_.end()) it = files_.emplace(std::string(file), FileRecords{}).first;
    return it->second;
}

const ReadCache::Entry* ReadCache::find(std::string_view file, std::string_view key) {
    static const Entry absent{std::nullopt, {true, 0}};
    auto f = files_.find(std::string(file));
    if (f == files_.end()) return nullptr;
    FileRecords& fr = f->second;
    const std::string k(key);
    auto it = fr.records.find(k);
    if (it != fr.records.end()) return &it->second;
    if (fr.complete && !fr.unknown.count(k)) return &absent;
    return nullptr;
}

void ReadCache::remember(std::string_view file, std::string_view key, Entry entry) {
    FileRecords& fr = of(file);
    if (!fr.complete) {
        if (partialRecords_ >= kMostPartialRecords) {
            for (auto& [name, other] : files_)
                if (!other.complete) other.records.clear();
            partialRecords_ = 0;
        }
        ++partialRecords_;
    }
    const std::string k(key);
    fr.unknown.erase(k);
    fr.records[k] = std::move(entry);
}

void ReadCache::forget(std::string_view file, std::string_view key) {
    auto f = files_.find(std::string(file));
    if (f == files_.end()) return;
    const std::string k(key);
    f->second.records.erase(k);
    if (f->second.complete) f->second.unknown.insert(k);
}

long ReadCache::missed(std::string_view file) { return ++of(file).misses; }

void ReadCache::markComplete(std::string_view file) { of(file).complete = true; }

bool ReadCache::complete(std::string_view file) const {
    auto f = files_.find(std::string(file));
    return f != files_.end() && f->second.complete;
}

void ReadCache::clear() {
    files_.clear();
    partialRecords_ = 0;
}

}  // namespace dba::pg
