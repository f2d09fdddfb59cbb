// A store that fails on purpose: the Nth write, commit or savepoint raises the error a
// full disk or a lost server would, beneath the real code, so that a test can show every
// aidé whole or untouched whatever fails where.
#pragma once

#include <string>

#include "dba/errors.h"
#include "dba/storage_decorator.h"

namespace testsupport {

class FailingStorage : public dba::StorageDecorator {
public:
    enum class Fails { Write, Commit, Savepoint };

    FailingStorage(std::unique_ptr<dba::Storage> inner, Fails what, int nth)
        : StorageDecorator(std::move(inner)), what_(what), nth_(nth) {}
    // Whether the failure happened; how many operations of its kind came so far.
    bool failed() const { return count_ >= nth_; }
    int count() const { return count_; }

protected:
    void writeRecord(std::string_view file, std::string_view key, std::string_view data,
                     const dba::Version& read) override {
        trip(Fails::Write);
        StorageDecorator::writeRecord(file, key, data, read);
    }
    void removeRecord(std::string_view file, std::string_view key, const dba::Version& read) override {
        trip(Fails::Write);
        StorageDecorator::removeRecord(file, key, read);
    }
    void commitTransaction() override {
        trip(Fails::Commit);
        StorageDecorator::commitTransaction();
    }
    void releaseSavepoint(int level) override {
        // A release that fails leaves no savepoint behind, as the server's would.
        if (what_ == Fails::Commit && count_ + 1 == nth_) inner().rollback();
        trip(Fails::Commit);
        StorageDecorator::releaseSavepoint(level);
    }
    void savepoint(int level) override {
        trip(Fails::Savepoint);
        StorageDecorator::savepoint(level);
    }

private:
    void trip(Fails what) {
        if (what == what_ && ++count_ == nth_)
            throw dba::DbError(dba::kErrStorage, "the store failed on purpose (" + std::to_string(nth_) + ")");
    }
    Fails what_;
    int nth_;
    int count_ = 0;
};

}  // namespace testsupport
