// The TRANS records of one request.
#include "dba/trans_cache.h"

#include <algorithm>

#include "dba/errors.h"

namespace dba {

namespace {

uint64_t hashKey(std::string_view key) {
    uint64_t h = 1469598103934665603ull;  // FNV-1a: keys are short
    for (char c : key) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ull;
    }
    return h;
}

}  // namespace

void TransCache::Table::add(std::string_view key, std::string_view record) {
    entries.push_back({text.size(), static_cast<uint32_t>(key.size()), static_cast<uint32_t>(record.size())});
    hashes.push_back(hashKey(key));
    text.append(key);
    text.append(record);
}

void TransCache::Table::index() {
    size_t size = 16;
    while (size < entries.size() * 2) size *= 2;
    slots.assign(size, 0);
    for (uint32_t i = 0; i < entries.size(); ++i) {
        size_t s = hashes[i] & (size - 1);
        while (slots[s]) s = (s + 1) & (size - 1);
        slots[s] = (hashes[i] & 0xFFFFFFFF00000000ull) | (i + 1ull);
    }
    hashes = {};
}

bool TransCache::Table::find(std::string_view key, std::string_view& record) const {
    if (slots.empty()) return false;
    const uint64_t h = hashKey(key);
    const uint64_t upper = h & 0xFFFFFFFF00000000ull;
    const size_t mask = slots.size() - 1;
    for (size_t s = h & mask; slots[s]; s = (s + 1) & mask) {
        if ((slots[s] & 0xFFFFFFFF00000000ull) != upper) continue;
        const Entry& e = entries[(slots[s] & 0xFFFFFFFFull) - 1];
        const char* at = text.data() + e.at;
        if (e.keyLength == key.size() && std::string_view(at, e.keyLength) == key) {
            record = std::string_view(at + e.keyLength, e.dataLength);
            return true;
        }
    }
    return false;
}

const std::string_view* TransCache::find(const std::string& file, std::string_view key) {
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
    if (cache.lastValid && cache.lastKey == key) return cache.lastFound;
    const std::string_view* found = lookUp(cache, file, key);
    cache.lastKey.assign(key);
    cache.lastFound = found;
    cache.lastValid = true;
    return found;
}

const std::string_view* TransCache::lookUp(FileCache& cache, const std::string& file, std::string_view key) {
    if (cache.complete) return cache.whole.find(key, cache.current) ? &cache.current : nullptr;
    const std::string k(key);
    if (auto it = cache.views.find(k); it != cache.views.end()) return &it->second;
    if (std::find(cache.missing.begin(), cache.missing.end(), k) != cache.missing.end()) return nullptr;
    if (++cache.reads > kReadsBeforeWholeFile) {
        // Enough single reads: the file is read whole, once.
        storage_.scan(file, [&](std::string_view rk, std::string_view rd) { cache.whole.add(rk, rd); });
        cache.whole.index();
        cache.complete = true;
        cache.read.clear();
        cache.views.clear();
        cache.missing.clear();
        return cache.whole.find(key, cache.current) ? &cache.current : nullptr;
    }
    auto data = storage_.get(file, key);
    if (!data) {
        cache.missing.push_back(k);
        return nullptr;
    }
    const std::string& kept = cache.read.emplace(k, std::move(*data)).first->second;
    return &cache.views.emplace(k, std::string_view(kept)).first->second;
}

}  // namespace dba
