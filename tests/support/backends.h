// The back-ends the database tests run on, each giving a fresh empty database (a temporary file, a server database).
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

// The target of a holder `T` that lives as long as the target.
template <class T, const std::string& (T::*Target)() const>
std::shared_ptr<std::string> held() {
    auto h = std::make_shared<T>();
    return std::shared_ptr<std::string>(h, const_cast<std::string*>(&((*h).*Target)()));
}

inline std::vector<Backend> backends() { return {{"file", held<TempDb, &TempDb::path>}, {"server", held<ServerDb, &ServerDb::uri>}}; }

inline void PrintTo(const Backend& b, std::ostream* os) { *os << b.name; }

inline std::string backendName(const ::testing::TestParamInfo<Backend>& info) { return info.param.name; }

// A fixture over every back-end: `target` is a fresh database, loaded with the small
// sample when asked.
class OnEachBackend : public ::testing::TestWithParam<Backend> {
protected:
    std::shared_ptr<std::string> holder = GetParam().fresh();
    const std::string& target = *holder;

    std::shared_ptr<dba::Database> open(dba::OpenMode mode = dba::OpenMode::ReadWrite) {
        return testsupport::openDatabase(target, mode);
    }
    std::shared_ptr<dba::Database> loaded(const std::string& sampleName = "small.jsonl") {
        return createWithSample(target, sampleName);
    }
};

}  // namespace testsupport
