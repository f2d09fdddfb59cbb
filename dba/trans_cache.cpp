// The TRANS records of one request.
#include "dba/trans_cache.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "dba/dynarray.h"
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

// The record with only the fields `kept` (ascending, from 1), each in its place.
void project(std::string_view record, const std::vector<long>& kept, std::string& out) {
    out.clear();
    const char* p = record.data();
    const char* const end = p + record.size();
    long field = 1;
    for (long want : kept) {
        for (; field < want; ++field) {
            while (p != end && *p != FM) ++p;
            if (p == end) return;
            ++p;
            out.push_back(FM);
        }
        const char* stop = p;
        while (stop != end && *stop != FM) ++stop;
        out.append(p, stop);
        p = stop;
    }
}

}  // namespace

TransCache::TransCache(Storage& storage, const std::vector<std::pair<std::string, long>>& reads, bool scansItsFile)
    : storage_(storage), reads_(reads),
      readsBeforeWholeFile_(scansItsFile ? kReadsBeforeWholeFileInAScan : kReadsBeforeWholeFile) {}

void TransCache::Table::add(std::string_view key, std::string_view record) {
    if (!fits) return;
    if (key.size() > kMaxKey || text.size() + kHeader + key.size() + record.size() > kMaxText) {
        fits = false;
        text = {};
        pending = {};
        return;
    }
    pending.push_back({static_cast<uint32_t>(hashKey(key) >> 32), static_cast<uint32_t>(text.size() + 1)});
    const uint16_t keyLength = static_cast<uint16_t>(key.size());
    const uint32_t dataLength = static_cast<uint32_t>(record.size());
    text.append(reinterpret_cast<const char*>(&keyLength), 2);
    text.append(reinterpret_cast<const char*>(&dataLength), 4);
    text.append(key);
    text.append(record);
}

void TransCache::Table::index() {
    size_t size = 16;
    while (size < pending.size() * 2) size *= 2;
    slots.assign(size, Slot{});
    for (const Slot& p : pending) {
        uint16_t keyLength;
        std::memcpy(&keyLength, text.data() + p.at - 1, 2);
        size_t s = hashKey(std::string_view(text.data() + p.at - 1 + kHeader, keyLength)) & (size - 1);
        while (slots[s].at) s = (s + 1) & (size - 1);
        slots[s] = p;
    }
    pending = {};
}

bool TransCache::Table::find(std::string_view key, std::string_view& record) const {
    if (slots.empty()) return false;
    const uint64_t h = hashKey(key);
    const uint32_t upper = static_cast<uint32_t>(h >> 32);
    const size_t mask = slots.size() - 1;
    for (size_t s = h & mask; slots[s].at; s = (s + 1) & mask) {
        if (slots[s].hash != upper) continue;
        const char* at = text.data() + slots[s].at - 1;
        uint16_t keyLength;
        uint32_t dataLength;
        std::memcpy(&keyLength, at, 2);
        std::memcpy(&dataLength, at + 2, 4);
        if (std::string_view(at + kHeader, keyLength) == key) {
            record = std::string_view(at + kHeader + keyLength, dataLength);
            return true;
        }
    }
    return false;
}

const std::string_view* TransCache::find(const std::string& file, std::string_view key) {
    // A request looks up a handful of files, in turn: a short list searched by name costs
    // less than hashing the name each time.
    if (!last_ || last_->name != file) {
        auto it = std::find_if(files_.begin(), files_.end(), [&](const auto& f) { return f->name == file; });
        if (it == files_.end()) {
            if (!storage_.fileExists(file))
                throw DbError(kErrUnknownFile, "file " + file + " named in a dictionary does not exist");
            auto cache = std::make_unique<FileCache>();
            cache->name = file;
            cache->projected = true;
            for (const auto& [f, field] : reads_) {
                if (f != file || field == 0) continue;
                if (field < 0 || field > kMaxProjectedField) cache->projected = false;
                cache->kept.push_back(field);
            }
            std::sort(cache->kept.begin(), cache->kept.end());
            cache->kept.erase(std::unique(cache->kept.begin(), cache->kept.end()), cache->kept.end());
            files_.push_back(std::move(cache));
            it = files_.end() - 1;
        }
        last_ = it->get();
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
    if (++cache.reads > readsBeforeWholeFile_) {
        // Enough single reads: the file is read whole, once.
        storage_.scan(file, [&](std::string_view rk, std::string_view rd) {
            if (!cache.projected) return cache.whole.add(rk, rd);
            project(rd, cache.kept, projection_);
            cache.whole.add(rk, projection_);
        });
        if (cache.whole.fits) {
            cache.whole.index();
            cache.complete = true;
            // The records read one by one stay: a caller may still hold views into them.
            cache.views.clear();
            cache.missing.clear();
            return cache.whole.find(key, cache.current) ? &cache.current : nullptr;
        }
        // A key or record too long for the table: this file stays read one record at a time.
        cache.whole = {};
        cache.reads = std::numeric_limits<int>::min();
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
