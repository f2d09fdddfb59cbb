// Database, file and record objects over the store, and units of work kept whole.
#include "dba/database.h"

#include <stdexcept>

#include "dba/errors.h"

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
    auto data = db_->storage().get(name_, key, &version);
    if (!data) throw DbError(kErrKeyAbsent, "record " + std::string(key) + " of " + name_ + " does not exist");
    return Record(shared_from_this(), std::string(key), std::move(*data), version);
}

Record File::DBReadLock(std::string_view key) {
    if (!db_->storage().tryLock(name_, key))
        throw DbError(kErrLockRefused, "record " + std::string(key) + " of " + name_ + " is locked by another user");
    return DBRead(key);
}

Record File::NewRecord(std::string_view key) { return Record(shared_from_this(), std::string(key)); }

void File::write(std::string_view key, std::string_view text, const Version& read) {
    db_->write(name_, key, text, read);
}

void File::release(std::string_view key) { db_->storage().unlock(name_, key); }

std::shared_ptr<Database> Database::Open(const std::string& target, OpenMode mode) {
    return std::shared_ptr<Database>(new Database(openStorage(target, mode)));
}

void Database::write(const std::string& file, std::string_view key, std::string_view text, const Version& read) {
    try {
        if (key.empty()) throw DbError(kErrStorage, "a record of " + file + " needs a key");
        if (key.find_first_of("\xFE\xFD\xFC") != std::string_view::npos)
            throw DbError(kErrStorage, "a key cannot hold a mark character");
        const std::string stored = trimTrailingFields(text);
        if (run_) capture(file, key, stored);
        storage_->write(file, key, stored, read);
    } catch (const dnt::Error& e) {
        if (unitDepth_ > 0) failures_.push_back({file, std::string(key), e.number(), e.what()});
        throw;
    }
}

void Database::removeRecord(const std::string& file, std::string_view key) {
    try {
        if (storage_->readOnly()) throw DbError(kErrStorage, "database " + storage_->where() + " is open for reading only");
        if (run_) capture(file, key, std::nullopt);
        storage_->remove(file, key);
    } catch (const dnt::Error& e) {
        if (unitDepth_ > 0) failures_.push_back({file, std::string(key), e.number(), e.what()});
        throw;
    }
}

// Notes a record the run writes (or removes, with no text): its before image the first
// time the run writes it, its after image every time.
void Database::capture(const std::string& file, std::string_view key, std::optional<std::string_view> text) {
    RecordImage image{unitLabel_, file, std::string(key), std::nullopt,
                      text ? std::optional<std::string>(std::string(*text)) : std::nullopt};
    if (!captured_.count({file, std::string(key)})) image.before = storage_->get(file, key);
    if (unitDepth_ > 0) {
        pending_.push_back(std::move(image));
    } else {
        captured_.insert({file, std::string(key)});
        storage_->addImages(run_, {image});
    }
}

std::optional<WriteFailure> Database::unit(const std::function<void()>& work) { return unit({}, work); }

std::optional<WriteFailure> Database::unit(std::string_view label, const std::function<void()>& work) {
    storage_->begin();
    ++unitDepth_;
    const size_t before = failures_.size();
    const size_t imagesBefore = pending_.size();
    const std::string outerLabel = unitLabel_;
    if (!label.empty()) unitLabel_ = std::string(label);
    auto leave = [&] {
        --unitDepth_;
        unitLabel_ = outerLabel;
    };
    try {
        work();
    } catch (...) {
        leave();
        failures_.resize(before);
        pending_.resize(imagesBefore);
        try {
            storage_->rollback();
        } catch (...) {
        }
        throw;
    }
    leave();
    if (failures_.size() > before) {
        WriteFailure first = failures_[before];
        failures_.resize(before);
        pending_.resize(imagesBefore);
        storage_->rollback();
        return first;
    }
    if (run_ && unitDepth_ == 0 && pending_.size() > imagesBefore) {
        // The unit is kept: its images join the run's history, in the same transaction.
        for (size_t i = imagesBefore; i < pending_.size(); ++i) captured_.insert({pending_[i].file, pending_[i].key});
        storage_->addImages(run_, std::vector<RecordImage>(pending_.begin() + static_cast<long>(imagesBefore),
                                                          pending_.end()));
        pending_.resize(imagesBefore);
        ++runUnits_;
    }
    storage_->commit();
    return std::nullopt;
}

void Database::beginRun(RunInfo info) {
    if (run_) throw std::logic_error("a run is already under way");
    storage_->begin();
    try {
        run_ = storage_->addRun(info);
    } catch (...) {
        storage_->rollback();
        throw;
    }
    runUnits_ = 0;
    pending_.clear();
    captured_.clear();
}

long long Database::commitRun(const std::function<void(long long)>& beforeCommit) {
    if (!run_) throw std::logic_error("no run under way");
    const long long number = run_;
    run_ = 0;
    try {
        if (captured_.empty()) {
            storage_->removeRun(number);
        } else {
            storage_->setRunUnits(number, runUnits_);
            if (beforeCommit) beforeCommit(number);
        }
    } catch (...) {
        captured_.clear();
        storage_->rollback();
        throw;
    }
    const bool wrote = !captured_.empty();
    captured_.clear();
    storage_->commit();
    return wrote ? number : 0;
}

void Database::rollbackRun() {
    if (!run_) return;
    run_ = 0;
    captured_.clear();
    pending_.clear();
    storage_->rollback();
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
