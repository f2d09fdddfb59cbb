// The records a request's TRANS terms look up, read once each for the length of the
// request. When a request has looked many keys up in one file, the rest of that file is
// read whole into one block of memory with a flat index, which costs far less than one
// read per key and is cheap to search and to drop.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "dba/expression.h"
#include "dba/storage.h"

namespace dba {

class TransCache : public RecordLookup {
public:
    // `reads`: every (file, field) the request's TRANS terms read. A file read whole keeps
    // only those fields of each record, in their places, which makes the table several
    // times smaller than the file and its look-ups that much likelier to hit the cache.
    // `scansItsFile`: the request reads its own file whole, so that it will test every record
    // of it; the files it looks up are then read whole after a few single reads (see below).
    TransCache(Storage& storage, const std::vector<std::pair<std::string, long>>& reads, bool scansItsFile);

    const std::string_view* find(const std::string& file, std::string_view key) override;

private:
    // A request that reads some records by their keys may look up few records: a file it
    // looks up is read whole only after many single reads. One that reads its own file whole
    // will look up about as many records as it tests, and reading a looked-up file whole costs
    // about what its own scan costs, where hundreds of single reads cost a round trip each on
    // a server.
    static constexpr int kReadsBeforeWholeFile = 200;
    static constexpr int kReadsBeforeWholeFileInAScan = 25;

    // A whole file: each record as its key's length, its text's length, its key and its
    // text, one after the other in `text`; and an open-addressing index of eight-byte slots,
    // each the upper half of a key's hash beside where its record starts, so that a probe
    // touches a record only when its hash matches and a look-up costs two reads from
    // memory, the slot and the record.
    struct Table {
        struct Slot {
            uint32_t hash = 0;
            uint32_t at = 0;  // where the record starts in `text`, plus one; 0 empty
        };
        static constexpr size_t kHeader = 6;  // the key's length (2 bytes), the text's (4)
        static constexpr size_t kMaxKey = 0xFFFF, kMaxText = 0xFFFFFFFE;
        bool fits = true;  // false once the file is beyond what the slots can address
        std::string text;
        std::vector<Slot> slots;
        std::vector<Slot> pending;  // while filling
        void add(std::string_view key, std::string_view record);
        void index();
        bool find(std::string_view key, std::string_view& record) const;
    };

    struct FileCache {
        std::string name;
        std::vector<long> kept;  // the fields kept when read whole, ascending
        bool projected = false;  // false: whole records kept
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

    static constexpr long kMaxProjectedField = 512;

    Storage& storage_;
    const std::vector<std::pair<std::string, long>>& reads_;
    const int readsBeforeWholeFile_;
    std::string projection_;
    std::vector<std::unique_ptr<FileCache>> files_;
    FileCache* last_ = nullptr;
};

}  // namespace dba
