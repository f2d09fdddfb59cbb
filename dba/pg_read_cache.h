// Records read in the transaction open on the server. A run reads the same reference
// records (rates, the association) for every aidé, and the records of its aidés one by
// one; on a server each read is a round trip, which would cost more than the rest of the
// run. Within one transaction a record read again is given as it was first read, as the
// file gives it to a run that no one else may write meanwhile, and a file read record by
// record for long enough is read whole; a write still checks the version read against
// the server's.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "dba/storage.h"

namespace dba::pg {

class ReadCache {
public:
    struct Entry {
        std::optional<std::string> data;  // none: the record does not exist
        Version version;
    };

    // The record as read before, or nullptr when it must be asked for.
    const Entry* find(std::string_view file, std::string_view key);
    void remember(std::string_view file, std::string_view key, Entry entry);
    // A record this session wrote: asked for again when read.
    void forget(std::string_view file, std::string_view key);
    // Counts a record that had to be asked for; gives the count so far for its file.
    long missed(std::string_view file);
    // The file's records from now on are those remembered: a key not among them is absent.
    void markComplete(std::string_view file);
    bool complete(std::string_view file) const;
    void clear();

private:
    struct FileRecords {
        bool complete = false;
        long misses = 0;
        std::unordered_map<std::string, Entry> records;
        std::unordered_set<std::string> unknown;  // written since the file was read whole
    };
    // Records of files not read whole, beyond which those are forgotten.
    static constexpr size_t kMostPartialRecords = 50000;
    FileRecords& of(std::string_view file);
    std::unordered_map<std::string, FileRecords> files_;
    size_t partialRecords_ = 0;
};

}  // namespace dba::pg
