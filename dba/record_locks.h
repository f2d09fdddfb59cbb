// Update locks of the file back-end: one byte of a lock file beside the database per
// record, locked with the kernel's open-file-description locks. The kernel frees them when
// their holder closes the file or dies, so a crashed run never leaves a lock behind and a
// reused process number means nothing.
#pragma once

#include <string>
#include <string_view>

namespace dba {

class RecordLocks {
public:
    // Opens (creating it, mode 0600) the lock file; DbError(kErrStorage) when it cannot.
    explicit RecordLocks(const std::string& path);
    ~RecordLocks();
    RecordLocks(const RecordLocks&) = delete;
    RecordLocks& operator=(const RecordLocks&) = delete;

    // Takes the record's lock for this object; false when another holder has it.
    bool acquire(std::string_view file, std::string_view key);
    void release(std::string_view file, std::string_view key);
    // Whether another holder has the record's lock (this object does not).
    bool heldElsewhere(std::string_view file, std::string_view key);
    // The same for a lock placed by its offset (a run's, run_lock.h).
    bool acquireAt(long long offset);
    void releaseAt(long long offset);

private:
    int fd_ = -1;
    std::string path_;
};

// The byte of a record in the lock file: a 62-bit hash of its file and key, so that two
// records share a byte only with a negligible chance.
long long recordLockOffset(std::string_view file, std::string_view key);

}  // namespace dba
