// Shared test fixtures: temporary database files, optionally loaded with a sample dump.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "dba/database.h"
#include "dba/jsonl.h"
#include "dba/sentence.h"

namespace testsupport {

// A fresh database path in a temporary folder, removed with the object.
class TempDb {
public:
    TempDb() {
        static int serial = 0;
        dir_ = std::filesystem::temp_directory_path() /
               ("dnt-test-" + std::to_string(getpid()) + "-" + std::to_string(++serial));
        std::filesystem::remove_all(dir_);  // left by a killed run whose pid came back
        std::filesystem::create_directories(dir_);
        path_ = (dir_ / "test.db").string();
    }
    ~TempDb() { std::filesystem::remove_all(dir_); }
    const std::string& path() const { return path_; }
    std::string dir() const { return dir_.string(); }

private:
    std::filesystem::path dir_;
    std::string path_;
};

inline std::string sample(const std::string& name) { return std::string(DNT_TEST_DATA) + "/" + name; }

inline std::shared_ptr<dba::Database> loadSample(const TempDb& tmp, const std::string& name = "small.jsonl") {
    auto db = dba::Database::Open(tmp.path(), dba::OpenMode::Create);
    std::ifstream in(sample(name), std::ios::binary);
    dba::importJsonl(*db, in);
    return db;
}

// Runs a request and gives the result's rows, values separated by '|'.
inline std::vector<std::string> query(dba::Database& db, const std::string& sentence, const std::string& fields = "0") {
    dba::DynArray request;
    request.Replace(1, 0, 0, sentence);
    request.Replace(2, 0, 0, dba::parseSentence(sentence).file);
    request.Replace(3, 0, 0, fields);
    dba::DynArray result(db.DBExecute(request.text()));
    std::vector<std::string> rows;
    for (int i = 1; i <= result.DCount(); ++i) {
        std::string row = result.element(i);
        for (char& c : row)
            if (c == dba::VM) c = '|';
        rows.push_back(row);
    }
    return rows;
}

}  // namespace testsupport
