// Record locks of the file back-end on open-file-description locks.
#include "dba/record_locks.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "dba/errors.h"
#include "dba/run_lock.h"

namespace dba {

long long recordLockOffset(std::string_view file, std::string_view key) {
    // FNV-1a over file, a separator that no name holds, and key.
    unsigned long long h = 1469598103934665603ull;
    auto mix = [&h](unsigned char c) {
        h ^= c;
        h *= 1099511628211ull;
    };
    for (char c : file) mix(static_cast<unsigned char>(c));
    mix(0xFF);
    for (char c : key) mix(static_cast<unsigned char>(c));
    return static_cast<long long>(h >> 2);  // a positive offset below 2^62
}

long long runLockOffset(std::string_view quarter, std::string_view centre) {
    // The same hash over a name that no record's file can hold (a file name has no blank).
    return (1ll << 62) | (recordLockOffset(std::string("run ") + std::string(quarter), centre) >> 1);
}

namespace {

bool setLock(int fd, short type, long long offset, const std::string& path) {
    struct flock fl {};
    fl.l_type = type;
    fl.l_whence = SEEK_SET;
    fl.l_start = static_cast<off_t>(offset);
    fl.l_len = 1;
    if (fcntl(fd, F_OFD_SETLK, &fl) == 0) return true;
    if (errno == EAGAIN || errno == EACCES) return false;
    throw DbError(kErrStorage, "cannot lock a record in " + path + ": " + std::strerror(errno));
}

}  // namespace

RecordLocks::RecordLocks(const std::string& path) : path_(path) {
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0) throw DbError(kErrStorage, "cannot open the lock file " + path + ": " + std::strerror(errno));
}

RecordLocks::~RecordLocks() {
    if (fd_ >= 0) ::close(fd_);  // frees every lock of this holder
}

bool RecordLocks::acquire(std::string_view file, std::string_view key) { return acquireAt(recordLockOffset(file, key)); }

void RecordLocks::release(std::string_view file, std::string_view key) { releaseAt(recordLockOffset(file, key)); }

bool RecordLocks::acquireAt(long long offset) { return setLock(fd_, F_WRLCK, offset, path_); }

void RecordLocks::releaseAt(long long offset) { setLock(fd_, F_UNLCK, offset, path_); }

bool RecordLocks::heldElsewhere(std::string_view file, std::string_view key) {
    struct flock fl {};
    fl.l_type = F_WRLCK;
    fl.l_whence = SEEK_SET;
    fl.l_start = static_cast<off_t>(recordLockOffset(file, key));
    fl.l_len = 1;
    if (fcntl(fd_, F_OFD_GETLK, &fl) != 0)
        throw DbError(kErrStorage, "cannot test a record lock in " + path_ + ": " + std::strerror(errno));
    return fl.l_type != F_UNLCK;  // F_OFD_GETLK ignores this holder's own locks
}

}  // namespace dba
