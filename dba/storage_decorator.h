// A store that passes everything on to another one: the base of stores that add to a
// back-end without being one (a store that fails on purpose, in the tests).
#pragma once

#include <memory>

#include "dba/storage.h"

namespace dba {

class StorageDecorator : public Storage {
public:
    explicit StorageDecorator(std::unique_ptr<Storage> inner) : inner_(std::move(inner)) {}
    Storage& inner() { return *inner_; }

    std::string where() const override { return inner_->where(); }
    bool readOnly() const override { return inner_->readOnly(); }
    bool fileExists(std::string_view file) override { return inner_->fileExists(file); }
    void createFile(std::string_view file) override { inner_->createFile(file); }
    std::vector<std::string> fileNames() override { return inner_->fileNames(); }
    std::optional<std::string> get(std::string_view file, std::string_view key, Version* version) override {
        return inner_->get(file, key, version);
    }
    void put(std::string_view file, std::string_view key, std::string_view data) override { inner_->put(file, key, data); }
    void scan(std::string_view file, const ScanVisitor& visit) override { inner_->scan(file, visit); }
    long long count(std::string_view file) override { return inner_->count(file); }
    std::vector<DictItem> dictItems(std::string_view file) override { return inner_->dictItems(file); }
    void putDict(const DictItem& item) override { inner_->putDict(item); }
    long long dictVersion() override { return inner_->dictVersion(); }
    std::optional<std::string> meta(std::string_view name) override { return inner_->meta(name); }
    void setMeta(std::string_view name, std::string_view value) override { inner_->setMeta(name, value); }
    void setRunFiles(std::vector<std::string> files) override {
        inner_->setRunFiles(files);
        Storage::setRunFiles(std::move(files));
    }
    void setRunUnit(std::string unit) override {
        inner_->setRunUnit(unit);
        Storage::setRunUnit(std::move(unit));
    }
    void markUndone(long long run, long long by) override { inner_->markUndone(run, by); }
    std::vector<RunRow> runs() override { return inner_->runs(); }
    std::optional<RunDetail> run(long long number) override { return inner_->run(number); }
    bool tryLockRun(std::string_view quarter, std::string_view centre) override {
        return inner_->tryLockRun(quarter, centre);
    }
    void unlockRun(std::string_view quarter, std::string_view centre) override { inner_->unlockRun(quarter, centre); }
    void announceRun(std::string_view quarter, std::string_view centre, const RunHolder& holder) override {
        inner_->announceRun(quarter, centre, holder);
    }
    std::optional<RunHolder> runHolder(std::string_view quarter, std::string_view centre) override {
        return inner_->runHolder(quarter, centre);
    }
    void clear() override { inner_->clear(); }
    std::optional<std::string> authenticatedUser() override { return inner_->authenticatedUser(); }
    unsigned long roundTrips() const override { return inner_->roundTrips(); }
    void deferWrites(bool on) override { inner_->deferWrites(on); }
    void readAhead(const Wanted& wanted) override {
        inner_->readAhead(wanted);
    }
    std::optional<RefusedWrite> settleWrites(const Wanted& along) override { return inner_->settleWrites(along); }
    std::vector<IndexDef> indexes(std::string_view file) override { return inner_->indexes(file); }
    void createIndex(std::string_view file, std::string_view item) override { inner_->createIndex(file, item); }
    void dropIndex(std::string_view file, std::string_view item) override { inner_->dropIndex(file, item); }
    std::vector<std::string> indexedKeys(const IndexDef& index, const IndexProbe& probe) override {
        return inner_->indexedKeys(index, probe);
    }
    void getMany(std::string_view file, const std::vector<std::string>& keys, const ScanVisitor& visit) override {
        inner_->getMany(file, keys, visit);
    }

protected:
    // Transactions, locks and writes go through the inner store's own bookkeeping.
    void beginTransaction() override { inner_->begin(); }
    void commitTransaction() override { inner_->commit(); }
    void rollbackTransaction() override { inner_->rollback(); }
    void savepoint(int) override { inner_->begin(); }
    void releaseSavepoint(int) override { inner_->commit(); }
    void rollbackToSavepoint(int) override { inner_->rollback(); }
    void beginRead() override { inner_->beginSnapshot(); }
    void endRead() override { inner_->endSnapshot(); }
    bool acquireLock(std::string_view file, std::string_view key) override { return inner_->tryLock(file, key); }
    void releaseLock(std::string_view file, std::string_view key) override { inner_->unlock(file, key); }
    void writeRecord(std::string_view file, std::string_view key, std::string_view data, const Version& read) override {
        inner_->write(file, key, data, read);
    }
    void removeRecord(std::string_view file, std::string_view key, const Version& read) override {
        inner_->remove(file, key, read);
    }
    long long insertRun(const RunInfo& info, long long) override { return inner_->openRun(info); }
    long long finishRun(long long, const std::string& note) override { return inner_->closeRun(note); }

private:
    std::unique_ptr<Storage> inner_;
};

}  // namespace dba
