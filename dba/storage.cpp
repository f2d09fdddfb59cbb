// What every back-end of the store shares: nested transactions as savepoints, the
// bookkeeping of this connection's record locks, the checks of a write, and the choice of
// back-end from a --db target.
#include "dba/storage.h"

#include <algorithm>
#include <stdexcept>

#include "dba/errors.h"
#include "dba/pg_storage.h"
#include "dba/sqlite_storage.h"

namespace dba {

Storage::~Storage() = default;

bool Storage::holds(std::string_view file, std::string_view key) const {
    return std::any_of(held_.begin(), held_.end(), [&](const Held& h) { return h.file == file && h.key == key; });
}

bool Storage::tryLock(std::string_view file, std::string_view key) {
    if (holds(file, key)) return true;
    if (!acquireLock(file, key)) return false;
    held_.push_back({std::string(file), std::string(key), depth_});
    return true;
}

void Storage::unlock(std::string_view file, std::string_view key) {
    auto it = std::find_if(held_.begin(), held_.end(), [&](const Held& h) { return h.file == file && h.key == key; });
    if (it == held_.end()) return;
    releaseLock(file, key);
    held_.erase(it);
}

void Storage::unlockAll() {
    while (!held_.empty()) {
        const Held h = held_.back();
        held_.pop_back();
        releaseLock(h.file, h.key);
    }
}

std::string Storage::lockedMessage(std::string_view file, std::string_view key) {
    return "record " + std::string(key) + " of " + std::string(file) + " is locked by another user";
}

bool Storage::isRunFile(std::string_view file) const {
    return std::find(runFiles_.begin(), runFiles_.end(), file) != runFiles_.end();
}

void Storage::refuseOutsideRunFiles(std::string_view file) const {
    if (!run_ || isRunFile(file)) return;
    std::string named;
    for (const std::string& f : runFiles_) named += (named.empty() ? "" : " and ") + f;
    throw DbError(kErrStorage, (named.empty() ? std::string("this run was told of no file it writes")
                                              : "a run writes only " + named + " records") +
                                   ", not those of " + std::string(file));
}

void Storage::write(std::string_view file, std::string_view key, std::string_view data, const Version& read) {
    if (readOnly()) throw DbError(kErrStorage, "database " + where() + " is open for reading only");
    refuseOutsideRunFiles(file);
    const bool mine = holds(file, key);
    if (depth_ == 0) transaction([&] { writeRecord(file, key, data, read); });
    else writeRecord(file, key, data, read);
    if (mine) unlock(file, key);
}

void Storage::remove(std::string_view file, std::string_view key, const Version& read) {
    if (readOnly()) throw DbError(kErrStorage, "database " + where() + " is open for reading only");
    refuseOutsideRunFiles(file);
    const bool mine = holds(file, key);
    auto removeKept = [&] {
        removeRecord(file, key, read);
        keepIndexes(file, key, std::nullopt);
    };
    if (depth_ == 0) transaction(removeKept);
    else removeKept();
    if (mine) unlock(file, key);
}

long long Storage::openRun(const RunInfo& info) {
    if (run_) throw std::logic_error("a run is already open");
    if (depth_ == 0) throw std::logic_error("a run is recorded inside a transaction");
    run_ = insertRun(info, reservedRun_);
    reservedRun_ = 0;
    runUnit_.clear();
    return run_;
}

long long Storage::closeRun(const std::string& note) {
    const long long run = run_;
    if (!run) throw std::logic_error("no run is open");
    run_ = 0;
    runUnit_.clear();
    return finishRun(run, note);
}

void Storage::begin() {
    if (depth_ == 0) {
        compiled_.clear();
        if (readDepth_ > 0) throw std::logic_error("a transaction cannot begin inside a read snapshot");
        beginTransaction();
    } else {
        savepoint(depth_);
    }
    ++depth_;
}

void Storage::commit() {
    if (depth_ == 0) throw std::logic_error("commit without a transaction");
    --depth_;
    if (depth_ > 0) {
        releaseSavepoint(depth_);
        return;
    }
    try {
        commitTransaction();
    } catch (...) {
        rollbackTransaction();
        throw;
    }
}

void Storage::rollback() {
    if (depth_ == 0) throw std::logic_error("rollback without a transaction");
    --depth_;
    if (depth_ > 0) {
        rollbackToSavepoint(depth_);
    } else {
        // The run's record goes with the transaction.
        run_ = 0;
        runUnit_.clear();
        rollbackTransaction();
    }
    // The locks taken inside the part rolled back go with it.
    for (size_t i = held_.size(); i-- > 0;) {
        if (held_[i].level > depth_) {
            releaseLock(held_[i].file, held_[i].key);
            held_.erase(held_.begin() + static_cast<long>(i));
        }
    }
}

void Storage::transaction(const std::function<void()>& work) {
    begin();
    try {
        work();
    } catch (...) {
        try {
            rollback();
        } catch (...) {
            // The first failure is the one worth telling.
        }
        throw;
    }
    commit();
}

void Storage::beginSnapshot() {
    if (depth_ > 0) throw std::logic_error("a read snapshot cannot begin inside a transaction");
    if (readDepth_++ == 0) beginRead();
}

void Storage::endSnapshot() {
    if (readDepth_ == 0) throw std::logic_error("no read snapshot is open");
    if (--readDepth_ == 0) endRead();
}

void Storage::snapshot(const std::function<void()>& work) {
    if (depth_ > 0 || readDepth_ > 0) {
        work();
        return;
    }
    beginSnapshot();
    try {
        work();
    } catch (...) {
        endSnapshot();
        throw;
    }
    endSnapshot();
}

bool isServerTarget(const std::string& target) { return target.rfind("postgresql:", 0) == 0 || target.rfind("postgres:", 0) == 0; }

std::unique_ptr<Storage> openStorage(const std::string& target, OpenMode mode) {
    if (target.empty()) throw DbError(kErrStorage, "no database given");
    if (isServerTarget(target)) return openServerStorage(target, mode);
    return std::make_unique<SqliteStorage>(target, mode);
}

}  // namespace dba
