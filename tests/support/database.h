// The tests' one way to make databases and records, and their helpers (refusals, exports, lock holders).
#pragma once

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "dba/database.h"
#include "dba/dates.h"
#include "dba/dynarray.h"
#include "dba/errors.h"
#include "dba/jsonl.h"
#include "dba/sentence.h"
#include <nlohmann/json.hpp>

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

// The files the program's runs write, named to the store as the program names them.
inline const std::vector<std::string> kRunFiles{"REGULDNT", "DETAILCHGPARTEMP"};

// A database opened as the program opens it, its store told the files a run writes.
inline std::shared_ptr<dba::Database> openDatabase(const std::string& target,
                                                   dba::OpenMode mode = dba::OpenMode::ReadWrite) {
    auto db = dba::Database::Open(target, mode);
    db->storage().setRunFiles(kRunFiles);
    return db;
}

// A database created at `target` (a path or a URI) and loaded with a sample dump.
inline std::shared_ptr<dba::Database> createWithSample(const std::string& target,
                                                       const std::string& name = "small.jsonl") {
    auto db = openDatabase(target, dba::OpenMode::Create);
    std::ifstream in(sample(name), std::ios::binary);
    dba::importJsonl(*db, in);
    return db;
}

inline std::shared_ptr<dba::Database> loadSample(const TempDb& tmp, const std::string& name = "small.jsonl") {
    return createWithSample(tmp.path(), name);
}

// A record as a line of the dump, its fields given as JSON texts ("\"A\"" or "[\"1\",\"2\"]").
inline std::string Rec(const std::string& file, const std::string& key, const std::vector<std::string>& fields) {
    std::string line = "{\"file\": " + nlohmann::json(file).dump() + ", \"key\": " + nlohmann::json(key).dump() +
                       ", \"fields\": [";
    for (size_t i = 0; i < fields.size(); ++i) line += (i ? ", " : "") + fields[i];
    return line + "]}\n";
}

// The same with fields given as texts, from field 1 on; a value mark inside a field
// (see mv) makes it multi-valued.
inline std::string RecTexte(const std::string& file, const std::string& key, const std::vector<std::string>& fields) {
    std::vector<std::string> json;
    for (const std::string& f : fields) {
        nlohmann::json values = nlohmann::json::array();
        for (size_t from = 0, at = 0; at != std::string::npos; from = at + 1)
            values.push_back(f.substr(from, (at = f.find(dba::VM, from)) - from));
        json.push_back((values.size() == 1 ? values[0] : values).dump());
    }
    return Rec(file, key, json);
}

// The same with fields given by number; the fields between are empty.
inline std::string RecChamps(const std::string& file, const std::string& key, const std::map<int, std::string>& fields) {
    std::vector<std::string> f(fields.empty() ? 0 : fields.rbegin()->first);
    for (const auto& [n, v] : fields) f[n - 1] = v;
    return RecTexte(file, key, f);
}

// Writes records given as dump lines (replacing those of the same keys).
inline void put(dba::Database& db, const std::string& lines) {
    std::istringstream in(lines);
    dba::importJsonl(db, in);
}

// Values of a multi-valued field.
inline std::string mv(std::initializer_list<std::string> values) {
    std::string text;
    for (const auto& v : values) text += (&v == values.begin() ? "" : std::string(1, dba::VM)) + v;
    return text;
}

// The day number of "dd/mm/yyyy", as records hold it.
inline std::string day(const char* ddmmyyyy) { return dba::DateInterneText(ddmmyyyy); }

// Every record of a file: key -> text.
inline std::map<std::string, std::string> records(dba::Database& db, const std::string& file) {
    std::map<std::string, std::string> out;
    db.storage().scan(file, [&](std::string_view k, std::string_view d) { out.emplace(k, d); });
    return out;
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
        rows.push_back(result.element(i));
        std::replace(rows.back().begin(), rows.back().end(), dba::VM, '|');
    }
    return rows;
}

// The bytes of a file, empty when it cannot be read.
inline std::string slurp(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

// The dump of a database, or of the files named.
inline std::string exported(dba::Database& db, const std::vector<std::string>& files = {}) {
    std::ostringstream out;
    dba::exportJsonl(db, out, files);
    return out.str();
}

inline bool has(const std::string& text, const std::string& words) { return text.find(words) != std::string::npos; }

// What the DbError thrown by `f` says: its number (0 when nothing is thrown) and its message.
struct Failure { int number = 0; std::string message; };
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
        ready_ = read(fds[0], &ok_, 1) == 1;
        close(fds[0]);
    }
    ~Holder() { kill(); }
    Holder(const Holder&) = delete;
    bool ready() const { return ready_; }
    void kill() {
        if (pid_ > 0 && ::kill(pid_, SIGKILL) == 0) waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
    bool ready_ = false;
    char ok_ = 0;
};

}  // namespace testsupport
