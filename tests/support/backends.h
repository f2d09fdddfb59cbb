// The back-ends the database tests run on: each gives a fresh, empty database target for
// one test (a file in a temporary folder, or a database of the test server).
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dba/database.h"
#include "support/server.h"
#include "support/database.h"

namespace testsupport {

struct Backend {
    std::string name;
    // A target (path or URI) of a new empty database, gone when the holder goes.
    std::function<std::shared_ptr<std::string>()> fresh;
};

inline std::vector<Backend> backends() {
    std::vector<Backend> all;
    all.push_back({"file", [] {
                       auto tmp = std::make_shared<TempDb>();
                       return std::shared_ptr<std::string>(tmp, const_cast<std::string*>(&tmp->path()));
                   }});
    all.push_back({"server", [] {
                       auto db = std::make_shared<ServerDb>();
                       return std::shared_ptr<std::string>(db, const_cast<std::string*>(&db->uri()));
                   }});
    return all;
}

inline void PrintTo(const Backend& b, std::ostream* os) { *os << b.name; }

inline std::string backendName(const ::testing::TestParamInfo<Backend>& info) { return info.param.name; }

// A fixture over every back-end: `target` is a fresh database, loaded with the small
// sample when asked.
class OnEachBackend : public ::testing::TestWithParam<Backend> {
protected:
    std::shared_ptr<std::string> holder = GetParam().fresh();
    const std::string& target = *holder;

    std::shared_ptr<dba::Database> open(dba::OpenMode mode = dba::OpenMode::ReadWrite) {
        return dba::Database::Open(target, mode);
    }
    std::shared_ptr<dba::Database> loaded(const std::string& sampleName = "small.jsonl") {
        return createWithSample(target, sampleName);
    }
};

}  // namespace testsupport
