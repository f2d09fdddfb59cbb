// Database, file and record objects over the store, and units of work kept whole.
#include "dba/database.h"

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
        storage_->write(file, key, trimTrailingFields(text), read);
    } catch (const dnt::Error& e) {
        if (unitDepth_ > 0) failures_.push_back({file, std::string(key), e.number(), e.what()});
        throw;
    }
}

std::optional<WriteFailure> Database::unit(const std::function<void()>& work) {
    storage_->begin();
    ++unitDepth_;
    const size_t before = failures_.size();
    try {
        work();
    } catch (...) {
        --unitDepth_;
        failures_.resize(before);
        try {
            storage_->rollback();
        } catch (...) {
        }
        throw;
    }
    --unitDepth_;
    if (failures_.size() > before) {
        WriteFailure first = failures_[before];
        failures_.resize(before);
        storage_->rollback();
        return first;
    }
    storage_->commit();
    return std::nullopt;
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
