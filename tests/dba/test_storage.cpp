// Records on a real SQLite file: reads, writes, absent keys, unknown files, and the
// update locks between connections and between processes.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "dba/errors.h"
#include "test_support.h"

namespace {

int errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const dba::DbError& e) {
        return e.number();
    }
    return 0;
}

class TwoConnections : public ::testing::Test {
protected:
    testsupport::TempDb tmp;
    std::shared_ptr<dba::Database> a = testsupport::loadSample(tmp);
    std::shared_ptr<dba::Database> b = dba::Database::Open(tmp.path());
};

}  // namespace

TEST_F(TwoConnections, ReadWriteAndAbsentKeys) {
    auto f = a->DBOpenFile("REGULDNT");
    EXPECT_EQ(errorOf([&] { f->DBRead("NOPE"); }), dba::kErrKeyAbsent);
    EXPECT_EQ(dba::kErrKeyAbsent, -2147221493);
    EXPECT_EQ(dba::kErrLockRefused, -2147221485);
    EXPECT_EQ(errorOf([&] { a->DBOpenFile("NOFILE"); }), dba::kErrUnknownFile);
    dba::Record r = f->NewRecord("99999");
    r.setElement(1, 1, "60");
    r.setElement(3, "");  // trailing empty fields are not kept
    r.DBWrite();
    dba::Record back = b->DBOpenFile("REGULDNT")->DBRead("99999");
    EXPECT_EQ(back.text(), "60");
    EXPECT_EQ(back.key(), "99999");
}

TEST_F(TwoConnections, LockHeldUntilWrittenOrReleased) {
    auto fa = a->DBOpenFile("REGULDNT");
    auto fb = b->DBOpenFile("REGULDNT");
    dba::Record r = fa->DBReadLock("04581");
    EXPECT_EQ(errorOf([&] { fb->DBReadLock("04581"); }), dba::kErrLockRefused);
    // A plain read is still allowed, as the control does after a refused lock.
    EXPECT_EQ(fb->DBRead("04581").text(), r.text());
    // Locking again from the holder is fine; writing from the other one is refused.
    EXPECT_NO_THROW(fa->DBReadLock("04581"));
    EXPECT_EQ(errorOf([&] { fb->write("04581", "x"); }), dba::kErrLockRefused);
    r.setElement(1, 1, "61");
    r.DBWrite();
    dba::Record rb = fb->DBReadLock("04581");
    EXPECT_EQ(rb.element(1, 1), "61");
    rb.Release();
    EXPECT_NO_THROW(fa->DBReadLock("04581").Release());
}

TEST_F(TwoConnections, LockOnAnAbsentKeyIsKeptForTheCreation) {
    auto fa = a->DBOpenFile("DETAILCHGPARTEMP");
    auto fb = b->DBOpenFile("DETAILCHGPARTEMP");
    EXPECT_EQ(errorOf([&] { fa->DBReadLock("1234520111"); }), dba::kErrKeyAbsent);
    EXPECT_EQ(errorOf([&] { fb->DBReadLock("1234520111"); }), dba::kErrLockRefused);
    fa->NewRecord("1234520111").DBWrite();
    EXPECT_NO_THROW(fb->DBReadLock("1234520111"));
}

TEST_F(TwoConnections, ClosingAConnectionFreesItsLocks) {
    a->DBOpenFile("REGULDNT")->DBReadLock("04581");
    auto fb = b->DBOpenFile("REGULDNT");
    EXPECT_EQ(errorOf([&] { fb->DBReadLock("04581"); }), dba::kErrLockRefused);
    a.reset();
    EXPECT_NO_THROW(fb->DBReadLock("04581"));
}

// A child process takes a lock and reports it through a pipe.
static pid_t lockInChild(const std::string& path, bool thenExitCleanly, int& readFd) {
    int fds[2];
    if (pipe(fds) != 0) return -1;
    pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        {
            auto db = dba::Database::Open(path);
            db->DBOpenFile("REGULDNT")->DBReadLock("04581");
            char ok = 'L';
            (void)!write(fds[1], &ok, 1);
            if (!thenExitCleanly) {
                pause();  // killed by the parent while holding the lock
            }
            sleep(1);
        }
        _exit(0);
    }
    close(fds[1]);
    readFd = fds[0];
    return pid;
}

TEST(Locks, HoldAcrossProcessesAndAreFreedWhenTheProcessDies) {
    testsupport::TempDb tmp;
    auto db = testsupport::loadSample(tmp);
    int fd = -1;
    pid_t child = lockInChild(tmp.path(), false, fd);
    ASSERT_GT(child, 0);
    char c = 0;
    ASSERT_EQ(read(fd, &c, 1), 1);
    close(fd);
    auto f = db->DBOpenFile("REGULDNT");
    EXPECT_EQ(errorOf([&] { f->DBReadLock("04581"); }), dba::kErrLockRefused);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_NO_THROW(f->DBReadLock("04581"));
}

TEST(Storage, RefusesAFileThatIsNotADeclarationDatabase) {
    testsupport::TempDb tmp;
    EXPECT_EQ(errorOf([&] { dba::Database::Open(tmp.path(), false); }), dba::kErrStorage);
    {
        std::ofstream junk(tmp.path());
        junk << "this is not a database";
    }
    EXPECT_EQ(errorOf([&] { dba::Database::Open(tmp.path(), true); }), dba::kErrStorage);
}
