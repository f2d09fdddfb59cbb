// Database, file and record objects over the store, and units of work kept whole.
#include "dba/database.h"

#include <chrono>
#include <stdexcept>
#include <thread>

#include "dba/errors.h"
#include "dba/test_steps.h"

namespace dba {

std::string trimTrailingFields(std::string_view text) {
    size_t end = text.size();
    while (end > 0 && text[end - 1] == FM) --end;
    return std::string(text.substr(0, end));
}

void Record::DBWrite() {
    if (!file_) throw DbError(kErrStorage, "a record that belongs to no file cannot be written");
    file_->write(key_, text(), version_);
}

void Record::Release() {
    if (file_) file_->release(key_);
}

Record File::DBRead(std::string_view key) {
    Version version;
    auto data = db_->read(name_, key, &version);
    if (!data) throw DbError(kErrKeyAbsent, "record " + std::string(key) + " of " + name_ + " does not exist");
    return Record(shared_from_this(), std::string(key), std::move(*data), version);
}

Record File::DBReadLock(std::string_view key) {
    if (!db_->lock(name_, key))
        throw DbError(kErrLockRefused, "record " + std::string(key) + " of " + name_ + " is locked by another user");
    return DBRead(key);
}

Record File::NewRecord(std::string_view key) { return Record(shared_from_this(), std::string(key)); }

void File::write(std::string_view key, std::string_view text, const Version& read) {
    db_->write(name_, key, text, read);
}

void File::release(std::string_view key) { db_->storage().unlock(name_, key); }

// The writes of a dry run: each record as the run left it (none: removed), and a log of
// what each write replaced, so that a unit that fails forgets its own.
struct Database::DryWrites {
    using Key = std::pair<std::string, std::string>;
    std::map<Key, std::optional<std::string>> records;
    struct Undo {
        Key key;
        std::optional<std::optional<std::string>> previous;  // none: the record was not in `records`
    };
    std::vector<Undo> log;

    void set(const std::string& file, std::string_view key, std::optional<std::string> text) {
        Key k{file, std::string(key)};
        auto it = records.find(k);
        // Built in two steps: a conditional would give a bare optional, which the log would
        // take as "removed" rather than "not written yet".
        std::optional<std::optional<std::string>> previous;
        if (it != records.end()) previous.emplace(it->second);
        log.push_back({k, std::move(previous)});
        records[k] = std::move(text);
    }
    void rollBackTo(size_t mark) {
        while (log.size() > mark) {
            Undo u = std::move(log.back());
            log.pop_back();
            if (u.previous) records[u.key] = std::move(*u.previous);
            else records.erase(u.key);
        }
    }
};

Database::Database(std::unique_ptr<Storage> storage) : storage_(std::move(storage)) {}

Database::~Database() {
    try {
        if (dry_) endDryRun();
    } catch (...) {
    }
}

std::shared_ptr<Database> Database::Open(const std::string& target, OpenMode mode) {
    return std::shared_ptr<Database>(new Database(openStorage(target, mode)));
}

std::shared_ptr<Database> Database::Over(std::unique_ptr<Storage> storage) {
    return std::shared_ptr<Database>(new Database(std::move(storage)));
}

std::optional<std::string> Database::read(const std::string& file, std::string_view key, Version* version) {
    if (dry_) {
        auto it = dry_->records.find({file, std::string(key)});
        if (it != dry_->records.end()) {
            if (version) *version = {};
            return it->second;
        }
    }
    return storage_->get(file, key, version);
}

bool Database::lock(const std::string& file, std::string_view key) {
    return dry_ != nullptr || storage_->tryLock(file, key);
}

void Database::write(const std::string& file, std::string_view key, std::string_view text, const Version& read) {
    try {
        if (key.empty()) throw DbError(kErrStorage, "a record of " + file + " needs a key");
        if (key.find_first_of("\xFE\xFD\xFC") != std::string_view::npos)
            throw DbError(kErrStorage, "a key cannot hold a mark character");
        std::string stored = trimTrailingFields(text);
        if (dry_) dry_->set(file, key, std::move(stored));
        else storage_->write(file, key, stored, read);
    } catch (const dnt::Error& e) {
        if (unitDepth_ > 0) failures_.push_back({file, std::string(key), e.number(), e.what()});
        throw;
    }
}

void Database::removeRecord(const std::string& file, std::string_view key, const Version& read) {
    try {
        if (dry_) dry_->set(file, key, std::nullopt);
        else storage_->remove(file, key, read);
    } catch (const dnt::Error& e) {
        if (unitDepth_ > 0) failures_.push_back({file, std::string(key), e.number(), e.what()});
        throw;
    }
}

std::optional<WriteFailure> Database::unit(const std::function<void()>& work) { return unit({}, work); }

std::optional<WriteFailure> Database::unit(std::string_view label, const std::function<void()>& work) {
    // A dry run's unit is a mark in its log; a real one a transaction, or a savepoint in
    // the run's.
    const size_t dryMark = dry_ ? dry_->log.size() : 0;
    if (!dry_) storage_->begin();
    if (!dry_ && unitDepth_ == 0) storage_->deferWrites(true);
    ++unitDepth_;
    const size_t before = failures_.size();
    const std::string outerLabel = storage_->runUnit();
    if (!label.empty()) storage_->setRunUnit(std::string(label));
    auto leave = [&] {
        readAlong_.clear();
        if (--unitDepth_ == 0 && !dry_) storage_->deferWrites(false);
        storage_->setRunUnit(outerLabel);
    };
    auto rollBack = [&] {
        if (dry_) dry_->rollBackTo(dryMark);
        else storage_->rollback();
    };
    try {
        work();
        // The writes sent without waiting are answered now, before the unit is kept.
        if (!dry_)
            if (std::optional<Storage::RefusedWrite> refused = storage_->settleWrites(readAlong_))
                failures_.push_back({refused->file, refused->key, refused->number, refused->message});
    } catch (...) {
        leave();
        failures_.resize(before);
        try {
            rollBack();
        } catch (...) {
        }
        throw;
    }
    leave();
    if (failures_.size() > before) {
        WriteFailure first = failures_[before];
        failures_.resize(before);
        rollBack();
        return first;
    }
    if (!dry_) storage_->commit();
    return std::nullopt;
}

void Database::beginRun(RunInfo info, const RunWait& wait) {
    if (inRun_ || dry_) throw std::logic_error("a run is already under way");
    if (storage_->readOnly()) throw DbError(kErrStorage, "database " + storage_->where() + " is open for reading only");
    // One run of a quarter and centre at a time: the desk that must wait is told by whom.
    if (!storage_->tryLockRun(info.quarter, info.centre)) {
        // Who holds it says so right after taking it: given a moment to.
        const auto start = std::chrono::steady_clock::now();
        std::optional<RunHolder> holder = storage_->runHolder(info.quarter, info.centre);
        bool free = false;
        while (!holder && !free && std::chrono::steady_clock::now() - start < std::chrono::seconds(1)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            free = storage_->tryLockRun(info.quarter, info.centre);
            if (!free) holder = storage_->runHolder(info.quarter, info.centre);
        }
        if (!free) {
            if (wait.waiting) wait.waiting(holder.value_or(RunHolder{}));
            testStep("run-waiting");
            const auto until = start + std::chrono::seconds(wait.seconds);
            do {
                if (std::chrono::steady_clock::now() >= until) throw RunBusy(holder.value_or(RunHolder{}), wait.seconds);
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            } while (!storage_->tryLockRun(info.quarter, info.centre));
        }
    }
    runQuarter_ = info.quarter;
    runCentre_ = info.centre;
    try {
        storage_->announceRun(info.quarter, info.centre, {info.login, info.time, 0});
        storage_->begin();
        try {
            storage_->openRun(info);
        } catch (...) {
            storage_->rollback();
            throw;
        }
    } catch (...) {
        releaseRunLock();
        throw;
    }
    inRun_ = true;
    testStep("run-locked");
}

void Database::releaseRunLock() {
    try {
        storage_->unlockRun(runQuarter_, runCentre_);
    } catch (...) {
        // The lock goes with the connection anyway.
    }
    runQuarter_.clear();
    runCentre_.clear();
}

long long Database::commitRun(const std::string& note, const std::function<void(long long)>& beforeCommit) {
    if (!inRun_) throw std::logic_error("no run under way");
    inRun_ = false;
    long long number = 0;
    try {
        const long long open = storage_->openRunNumber();
        number = storage_->closeRun(note);
        if (number && beforeCommit) beforeCommit(open);
        testStep("run-commit");
        storage_->commit();
    } catch (...) {
        try {
            if (storage_->depth() > 0) storage_->rollback();
        } catch (...) {
        }
        releaseRunLock();
        throw;
    }
    releaseRunLock();
    return number;
}

void Database::rollbackRun() {
    if (!inRun_) return;
    inRun_ = false;
    try {
        storage_->rollback();
    } catch (...) {
        releaseRunLock();
        throw;
    }
    releaseRunLock();
}

void Database::beginDryRun() {
    if (inRun_ || dry_) throw std::logic_error("a run is already under way");
    storage_->beginSnapshot();
    dry_ = std::make_unique<DryWrites>();
    testStep("dry-run");
}

void Database::endDryRun() {
    if (!dry_) return;
    dry_.reset();
    storage_->endSnapshot();
}

std::shared_ptr<File> Database::DBOpenFile(std::string_view name) {
    if (!storage_->fileExists(name))
        throw DbError(kErrUnknownFile, "file " + std::string(name) + " does not exist in " + storage_->where());
    return std::make_shared<File>(shared_from_this(), std::string(name));
}

std::shared_ptr<const Expression> Database::dictionary(const std::string& file, const std::string& name) {
    long long version = storage_->dictVersion();
    if (version != dictVersion_) {
        dict_.clear();
        for (const DictItem& item : storage_->dictItems())
            dict_[{item.file, item.name}] = std::make_shared<const Expression>(Expression::parse(item.expr));
        dictVersion_ = version;
    }
    auto it = dict_.find({file, name});
    return it == dict_.end() ? nullptr : it->second;
}

}  // namespace dba
