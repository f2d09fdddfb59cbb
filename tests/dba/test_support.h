// Shared test fixtures and helpers: temporary databases, sample dumps, refusals, child processes.
#pragma once

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "dba/database.h"
#include "dba/errors.h"
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

// A database created at `target` (a path or a URI) and loaded with a sample dump.
inline std::shared_ptr<dba::Database> createWithSample(const std::string& target,
                                                       const std::string& name = "small.jsonl") {
    auto db = dba::Database::Open(target, dba::OpenMode::Create);
    std::ifstream in(sample(name), std::ios::binary);
    dba::importJsonl(*db, in);
    return db;
}

inline std::shared_ptr<dba::Database> loadSample(const TempDb& tmp, const std::string& name = "small.jsonl") {
    return createWithSample(tmp.path(), name);
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

// The bytes of a file, empty when it cannot be read.
inline std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The dump of a database, or of the files named.
inline std::string exported(dba::Database& db, const std::vector<std::string>& files = {}) {
    std::ostringstream out;
    dba::exportJsonl(db, out, files);
    return out.str();
}

inline bool has(const std::string& text, const std::string& words) { return text.find(words) != std::string::npos; }

// What the DbError thrown by `f` says: its number (0 when nothing is thrown) and its message.
struct Failure {
    int number = 0;
    std::string message;
};
inline Failure failureOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const dba::DbError& e) {
        return {e.number(), e.what()};
    }
    return {};
}
inline int errorOf(const std::function<void()>& f) { return failureOf(f).number; }

// A child process that does `take` (takes a lock, opens a transaction), says so, and holds
// what it took until it is killed, at the latest with the object.
class Holder {
public:
    explicit Holder(const std::function<void()>& take) {
        int fds[2];
        if (pipe(fds) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            close(fds[0]);
            take();
            char ok = 'H';
            (void)!write(fds[1], &ok, 1);
            pause();
            _exit(0);
        }
        close(fds[1]);
        char c = 0;
        ready_ = read(fds[0], &c, 1) == 1;
        close(fds[0]);
    }
    ~Holder() { kill(); }
    Holder(const Holder&) = delete;
    Holder& operator=(const Holder&) = delete;
    bool ready() const { return ready_; }
    void kill() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
    bool ready_ = false;
};

}  // namespace testsupport
