// The records a request's TRANS terms look up, read once each for the length of the
// request. When a request has looked many keys up in one file, the rest of that file is
// read whole into one block of memory with a flat index, which costs far less than one
// read per key and is cheap to search and to drop.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "dba/expression.h"
#include "dba/storage.h"

namespace dba {

class TransCache : public RecordLookup {
public:
    explicit TransCache(Storage& storage) : storage_(storage) {}

    const std::string_view* find(const std::string& file, std::string_view key) override;

private:
    static constexpr int kReadsBeforeWholeFile = 200;

    // A whole file: each record's key then its text, one after the other in `text`, and an
    // open-addressing index whose slots hold the upper half of the key's hash beside the
    // record's number, so that a probe touches a record only when its hash matches.
    struct Table {
        struct Entry {
            uint64_t at;           // where the key starts in `text`
            uint32_t keyLength, dataLength;
        };
        std::string text;
        std::vector<Entry> entries;
        std::vector<uint64_t> slots;  // (hash >> 32) << 32 | (entry number + 1); 0 empty
        std::vector<uint64_t> hashes;  // while filling
        void add(std::string_view key, std::string_view record);
        void index();
        bool find(std::string_view key, std::string_view& record) const;
    };

    struct FileCache {
        bool checked = false;
        bool complete = false;
        int reads = 0;
        Table whole;
        // Before the file is read whole: the records read one by one, and keys found absent.
        std::unordered_map<std::string, std::string> read;
        std::unordered_map<std::string, std::string_view> views;
        std::vector<std::string> missing;
        // The last key looked up and what it gave (`current`), for the several terms of one
        // record that look the same record up.
        std::string lastKey;
        std::string_view current;
        const std::string_view* lastFound = nullptr;
        bool lastValid = false;
    };

    const std::string_view* lookUp(FileCache& cache, const std::string& file, std::string_view key);

    Storage& storage_;
    std::unordered_map<std::string, FileCache> files_;
    FileCache* last_ = nullptr;
    std::string lastName_;
};

}  // namespace dba
