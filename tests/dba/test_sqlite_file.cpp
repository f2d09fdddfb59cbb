// The database file and its companions: opened without side effects, refused untouched
// when foreign, created private, read where it may not be written, upgraded only when
// opened for writing.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "dba/errors.h"
#include "dba/sqlite_storage.h"
#include "support/database.h"

namespace fs = std::filesystem;

namespace {

using testsupport::errorOf;
using testsupport::slurp;

// Runs `check` as a user without root's bypass of file modes, in a child; its result is
// the child's exit status (0 when every expectation held).
int asPlainUser(const std::function<bool()>& check) {
    pid_t pid = fork();
    if (pid == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(2);
        _exit(check() ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 3;
}

void makeSqliteFile(const std::string& path, const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

}  // namespace

TEST(DatabaseFile, AForeignFileIsRefusedUntouched) {
    testsupport::TempDb tmp;
    const std::string path = tmp.path();
    EXPECT_EQ(errorOf([&] { testsupport::openDatabase(path); }), dba::kErrStorage);  // absent
    for (const char* sql : {"CREATE TABLE t(x); INSERT INTO t VALUES(1);", "PRAGMA user_version=3;"}) {
        fs::remove(path);
        makeSqliteFile(path, sql);
        const std::string before = slurp(path);
        ASSERT_EQ(before[18], 1) << "a rollback-journal file to begin with";
        for (auto mode : {dba::OpenMode::ReadOnly, dba::OpenMode::ReadWrite, dba::OpenMode::Create})
            EXPECT_EQ(errorOf([&] { testsupport::openDatabase(path, mode); }), dba::kErrStorage) << sql;
        EXPECT_EQ(slurp(path), before) << "not switched to WAL, not written";
        EXPECT_FALSE(fs::exists(path + "-wal"));
        EXPECT_FALSE(fs::exists(path + "-locks"));
    }
    std::ofstream(path, std::ios::trunc) << "this is not a database";
    EXPECT_EQ(errorOf([&] { testsupport::openDatabase(path, dba::OpenMode::Create); }), dba::kErrStorage);
}

TEST(DatabaseFile, CreatedPrivate) {
    testsupport::TempDb tmp;
    {
        auto db = testsupport::loadSample(tmp);
        db->DBOpenFile("REGULDNT")->DBReadLock("04581");
        for (const std::string& f : dba::SqliteStorage::companions(tmp.path())) {
            if (f.ends_with("-journal")) continue;  // there only while the file is created
            struct stat st {};
            ASSERT_EQ(stat(f.c_str(), &st), 0) << f;
            EXPECT_EQ(st.st_mode & 0777, 0600u) << f;
        }
    }
}

TEST(DatabaseFile, ReadOnlyOpensWriteNothing) {
    testsupport::TempDb tmp;
    testsupport::loadSample(tmp);
    const std::string before = slurp(tmp.path());
    struct stat st0 {};
    stat(tmp.path().c_str(), &st0);
    {
        auto db = testsupport::openDatabase(tmp.path(), dba::OpenMode::ReadOnly);
        testsupport::exported(*db);
        EXPECT_EQ(errorOf([&] { db->DBOpenFile("REGULDNT")->write("04581", "1"); }), dba::kErrStorage);
        EXPECT_EQ(errorOf([&] { db->DBOpenFile("REGULDNT")->DBReadLock("04581"); }), dba::kErrStorage);
    }
    struct stat st1 {};
    stat(tmp.path().c_str(), &st1);
    EXPECT_EQ(slurp(tmp.path()), before);
    EXPECT_EQ(st1.st_mtim.tv_sec, st0.st_mtim.tv_sec);
    EXPECT_EQ(st1.st_mtim.tv_nsec, st0.st_mtim.tv_nsec);
}

// A database this user may not write: read as it stands (no shared-memory file left with
// its mode), refused for writing before anything is created, usable once its mode is fixed.
TEST(DatabaseFile, ADatabaseThisUserMayNotWrite) {
    testsupport::TempDb tmp;
    testsupport::loadSample(tmp);
    for (const char* c : {"-wal", "-shm", "-locks"}) fs::remove(tmp.path() + c);
    chmod(tmp.dir().c_str(), 0777);
    chmod(tmp.path().c_str(), 0444);
    EXPECT_EQ(asPlainUser([&] {
                  auto db = testsupport::openDatabase(tmp.path(), dba::OpenMode::ReadOnly);
                  bool refused = errorOf([&] { testsupport::openDatabase(tmp.path()); }) == dba::kErrStorage;
                  return refused && testsupport::has(testsupport::exported(*db), "REGULDNT");
              }),
              0);
    for (const char* c : {"-wal", "-shm", "-locks"}) EXPECT_FALSE(fs::exists(tmp.path() + c)) << c;
    chmod(tmp.path().c_str(), 0666);
    EXPECT_EQ(asPlainUser([&] {
                  auto db = testsupport::openDatabase(tmp.path());
                  db->DBOpenFile("REGULDNT")->write("04581", "1");
                  return true;
              }),
              0);
}

// A database of the earlier layout (a lock table, no schema version) is read as it is and
// brought up to date only by an open for writing.
TEST(DatabaseFile, AnEarlierLayoutIsUpgradedOnlyForWriting) {
    testsupport::TempDb tmp;
    { testsupport::loadSample(tmp); }
    makeSqliteFile(tmp.path(),
                   "CREATE TABLE locks(file TEXT, key TEXT, owner TEXT); DELETE FROM meta WHERE name='schema_version';");
    auto tables = [&] {
        sqlite3* db = nullptr;
        sqlite3_open(tmp.path().c_str(), &db);
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, "SELECT count(*) FROM sqlite_master WHERE name='locks'", -1, &st, nullptr);
        sqlite3_step(st);
        int n = sqlite3_column_int(st, 0);
        sqlite3_finalize(st);
        sqlite3_close(db);
        return n;
    };
    testsupport::openDatabase(tmp.path(), dba::OpenMode::ReadOnly);
    EXPECT_EQ(tables(), 1);
    testsupport::openDatabase(tmp.path());
    EXPECT_EQ(tables(), 0);
}
