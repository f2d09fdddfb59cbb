// The store's contract, the same on every back-end: records and absent keys, update locks
// between connections and processes, units of work nested as savepoints, locks freed with
// what is rolled back, no change of another connection overwritten unseen, reads after
// writes, snapshots, dry runs that reach nothing, and the history the store takes of a run.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <stdexcept>

#include "support/backends.h"
#include "dba/errors.h"
#include "support/database.h"

namespace {

using testsupport::errorOf;
using testsupport::failureOf;

class Store : public testsupport::OnEachBackend {
protected:
    std::shared_ptr<dba::Database> a = loaded();
    std::shared_ptr<dba::Database> b = open();
    bool server() const { return GetParam().name == "server"; }

    // A record as `db` reads it (a dry run's writes included), "-" when absent.
    static std::string text(dba::Database& db, const std::string& file, const std::string& key) {
        auto t = db.read(file, key, nullptr);
        return t ? *t : "-";
    }
    // A record as the last commit left it.
    std::string committed(const std::string& file, const std::string& key) {
        return text(*open(dba::OpenMode::ReadOnly), file, key);
    }
};

}  // namespace

TEST_P(Store, ReadWriteAndAbsentKeys) {
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

TEST_P(Store, LockHeldUntilWrittenOrReleased) {
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

TEST_P(Store, LockOnAnAbsentKeyIsKeptForTheCreation) {
    auto fa = a->DBOpenFile("DETAILCHGPARTEMP");
    auto fb = b->DBOpenFile("DETAILCHGPARTEMP");
    EXPECT_EQ(errorOf([&] { fa->DBReadLock("1234520111"); }), dba::kErrKeyAbsent);
    EXPECT_EQ(errorOf([&] { fb->DBReadLock("1234520111"); }), dba::kErrLockRefused);
    fa->NewRecord("1234520111").DBWrite();
    EXPECT_NO_THROW(fb->DBReadLock("1234520111"));
}

TEST_P(Store, ClosingAConnectionFreesItsLocks) {
    a->DBOpenFile("REGULDNT")->DBReadLock("04581");
    auto fb = b->DBOpenFile("REGULDNT");
    EXPECT_EQ(errorOf([&] { fb->DBReadLock("04581"); }), dba::kErrLockRefused);
    a.reset();
    EXPECT_NO_THROW(fb->DBReadLock("04581"));
}

TEST_P(Store, LocksHoldAcrossProcessesAndAreFreedWhenTheProcessDies) {
    auto f = a->DBOpenFile("REGULDNT");
    testsupport::Holder child([&] {
        static auto db = testsupport::openDatabase(target);
        db->DBOpenFile("REGULDNT")->DBReadLock("04581");
    });
    ASSERT_TRUE(child.ready());
    EXPECT_EQ(errorOf([&] { f->DBReadLock("04581"); }), dba::kErrLockRefused);
    child.kill();  // while holding the lock
    // The server notices a lost session a moment later.
    int refused = 0;
    while (errorOf([&] { f->DBReadLock("04581"); }) == dba::kErrLockRefused && ++refused < 100) usleep(20000);
    EXPECT_LT(refused, 100);
}

// Units nest as savepoints in the run's transaction: an inner unit whose write is refused
// (and passed over, as the print loop's trap does) is rolled back alone, with what it read
// and the lock it took, while the unit around it and the run keep their writes and go on.
// A unit that ended well goes with the unit around it when that one is rolled back.
TEST_P(Store, NestedUnitsAreSavepoints) {
    auto regul = a->DBOpenFile("REGULDNT");
    const std::string before = text(*a, "REGULDNT", "11344");
    b->DBOpenFile("REGULDNT")->DBReadLock("11945");
    a->storage().begin();  // the run
    regul->write("04581", "run");
    auto outer = a->unit([&] {
        regul->write("07022", "outer");
        auto inner = a->unit([&] {
            regul->DBReadLock("16697");
            regul->write("11344", "inner");
            EXPECT_EQ(text(*a, "REGULDNT", "11344"), "inner");
            failureOf([&] { regul->write("11945", "inner"); });
            regul->DBRead("04581");  // the unit reads on
        });
        ASSERT_TRUE(inner);
        EXPECT_EQ(inner->number, dba::kErrLockRefused);
        EXPECT_EQ(inner->file + " " + inner->key, "REGULDNT 11945");
        EXPECT_EQ(text(*a, "REGULDNT", "11344"), before);
        EXPECT_NO_THROW(b->DBOpenFile("REGULDNT")->DBReadLock("16697").Release());
        regul->write("16903", "outer again");
    });
    EXPECT_FALSE(outer);
    EXPECT_THROW(a->unit([&] {
        a->unit([&] { regul->write("32869", "inner, kept a moment"); });
        throw std::runtime_error("the outer unit fails");
    }),
                 std::runtime_error);
    a->storage().commit();
    for (const auto& [key, expected] : std::vector<std::pair<std::string, std::string>>{
             {"04581", "run"}, {"07022", "outer"}, {"16903", "outer again"}, {"11344", before}})
        EXPECT_EQ(committed("REGULDNT", key), expected) << key;
    EXPECT_NE(committed("REGULDNT", "32869"), "inner, kept a moment");
    EXPECT_NE(committed("REGULDNT", "11945"), "inner");
}

// A lock taken inside a part that is rolled back goes with it; one of the part around it
// stays; one of an inner part that ended well goes with the part around it.
TEST_P(Store, ARollbackFreesTheLocksTakenInsideIt) {
    auto fa = a->DBOpenFile("REGULDNT");
    auto refusedToB = [&](const char* key) {
        return errorOf([&] { b->DBOpenFile("REGULDNT")->DBReadLock(key).Release(); }) == dba::kErrLockRefused;
    };
    dba::Storage& st = a->storage();
    st.begin();
    fa->DBReadLock("04581");
    st.begin();
    fa->DBReadLock("07022");
    st.begin();
    fa->DBReadLock("11344");
    st.commit();
    EXPECT_TRUE(refusedToB("04581") && refusedToB("07022") && refusedToB("11344"));
    st.rollback();
    EXPECT_TRUE(refusedToB("04581"));
    EXPECT_FALSE(refusedToB("07022"));
    EXPECT_FALSE(refusedToB("11344"));
    st.rollback();
    EXPECT_FALSE(refusedToB("04581"));
}

// A record another connection changes between this transaction's read and its write is
// never overwritten unseen. On the file writers take turns: the other waits for this
// transaction (here not at all, and gives up). On the server the other commits, and this
// transaction's write is refused as a lock refusal, the transaction going on.
TEST_P(Store, AChangeOfAnotherConnectionIsNeverOverwrittenUnseen) {
    auto fa = a->DBOpenFile("REGULDNT");
    a->storage().begin();
    dba::Record r = fa->DBRead("04581");
    r.setElement(1, "mine");
    setenv("DNT_WAIT_SECONDS", "0", 1);
    auto other = open();
    unsetenv("DNT_WAIT_SECONDS");
    auto f = failureOf([&] { other->DBOpenFile("REGULDNT")->write("04581", "theirs"); });
    EXPECT_EQ(f.number, server() ? 0 : dba::kErrStorage) << f.message;
    f = failureOf([&] { r.DBWrite(); });
    EXPECT_EQ(f.number, server() ? dba::kErrLockRefused : 0) << f.message;
    EXPECT_TRUE(!server() || testsupport::has(f.message, "was changed by another user since it was read")) << f.message;
    fa->write("07022", "after");
    EXPECT_EQ(fa->DBRead("07022").text(), "after");
    a->storage().commit();
    EXPECT_EQ(committed("REGULDNT", "04581"), server() ? "theirs" : r.text());
    EXPECT_EQ(committed("REGULDNT", "07022"), "after");
}

// Inside a transaction a record reads as last written, whatever was read of it or of its
// neighbours before; another connection's commit is seen from the next transaction.
TEST_P(Store, ReadsAfterWrites) {
    auto fa = a->DBOpenFile("REGULDNT");
    a->storage().begin();
    const std::string first = text(*a, "REGULDNT", "04581");
    EXPECT_EQ(text(*a, "REGULDNT", "99999"), "-");
    // A request scans the file as it is now, each time.
    auto scanned = [&](const char* key) {
        std::string found = "-";
        a->storage().scan("REGULDNT", [&](std::string_view k, std::string_view d) {
            if (k == key) found = d;
        });
        return found;
    };
    for (const char* key : {"04581", "07022", "99999"}) {
        for (const char* value : {"one", "two"}) {
            fa->write(key, value);
            EXPECT_EQ(text(*a, "REGULDNT", key), value) << key;
            EXPECT_EQ(scanned(key), value) << key;
        }
    }
    // A record written by a scan's visitor is read as written by the next scan.
    fa->write("07022", "before");
    a->storage().scan("REGULDNT", [&](std::string_view k, std::string_view) {
        if (k == "07022") fa->write("07022", "during");
    });
    EXPECT_EQ(scanned("07022"), "during");
    a->storage().rollback();
    EXPECT_EQ(text(*a, "REGULDNT", "04581"), first);
    b->DBOpenFile("REGULDNT")->write("04581", "theirs");
    a->storage().begin();
    EXPECT_EQ(text(*a, "REGULDNT", "04581"), "theirs");
    a->storage().rollback();
}

// A scan of several thousand records gives each once, in key order, while its visitor
// reads other records and scans another file; a visitor's failure stops it and leaves the
// store able to scan again.
TEST_P(Store, ALongScanLetsItsVisitorReadAndScanMeanwhile) {
    a->storage().begin();
    // Written keys, in order, of each file: more than a server sends at once, and too many
    // for a scan to be kept.
    auto writeMany = [&](const char* file, int n) {
        auto f = a->DBOpenFile(file);
        std::vector<std::string> keys;
        for (int i = 0; i < n; ++i) {
            keys.push_back("K" + std::to_string(100000 + i));
            f->write(keys.back(), "v" + keys.back());
        }
        return keys;
    };
    const std::vector<std::string> written = writeMany("REGULDNT", 9001), others = writeMany("DETAILCHGPARTEMP", 2500);
    const std::string rights = text(*a, "DROITS", "*");
    auto keysOf = [&](const char* file, const std::function<void()>& meanwhile) {
        std::vector<std::string> seen;
        a->storage().scan(file, [&](std::string_view k, std::string_view d) {
            if (k[0] != 'K') return;
            EXPECT_EQ(d, "v" + std::string(k));
            seen.emplace_back(k);
            if (seen.size() % 3000 == 0) meanwhile();
        });
        return seen;
    };
    EXPECT_EQ(keysOf("REGULDNT",
                     [&] {
                         EXPECT_EQ(text(*a, "DROITS", "*"), rights);
                         EXPECT_EQ(keysOf("DETAILCHGPARTEMP", [] {}), others);
                     }),
              written);
    size_t before = 0;
    EXPECT_THROW(a->storage().scan("REGULDNT",
                                   [&](std::string_view, std::string_view) {
                                       if (++before == 5000) throw std::runtime_error("stopped");
                                   }),
                 std::runtime_error);
    EXPECT_EQ(keysOf("REGULDNT", [] {}), written);
    a->storage().rollback();
}

// An export sees the database as the last commit left it, whatever another connection's
// transaction has written meanwhile.
TEST_P(Store, AnExportIsOneSnapshot) {
    const std::string before = testsupport::exported(*b);
    a->storage().begin();
    a->DBOpenFile("REGULDNT")->write("04581", "1");
    a->DBOpenFile("DETAILCHGPARTEMP")->write("0458120132", "75");
    EXPECT_EQ(testsupport::exported(*open(dba::OpenMode::ReadOnly)), before);
    a->storage().rollback();
}

// A dry run reads one snapshot and its own writes, takes no lock, forgets a failed unit's
// writes only, and leaves the store as it found it.
TEST_P(Store, ADryRunReachesNothing) {
    const std::string r04581 = text(*a, "REGULDNT", "04581"), r07022 = text(*a, "REGULDNT", "07022");
    const std::string r11344 = text(*a, "REGULDNT", "11344"), r16697 = text(*a, "REGULDNT", "16697");
    b->DBOpenFile("REGULDNT")->DBReadLock("11945");
    a->beginDryRun();
    auto fa = a->DBOpenFile("REGULDNT");
    dba::Record r = fa->DBReadLock("04581");
    EXPECT_NO_THROW(fa->DBReadLock("11945"));
    EXPECT_NO_THROW(b->DBOpenFile("REGULDNT")->DBReadLock("04581").Release());
    r.setElement(1, "dry");
    r.DBWrite();
    EXPECT_EQ(fa->DBRead("04581").text(), r.text());
    b->DBOpenFile("REGULDNT")->write("11344", "theirs");
    EXPECT_EQ(text(*a, "REGULDNT", "11344"), r11344);
    EXPECT_FALSE(a->unit([&] { fa->write("07022", "unit 1"); }));
    EXPECT_TRUE(a->unit([&] {
        fa->write("99999", "unit 2");
        fa->write("04581", "unit 2");
        fa->write("16697", "unit 2");
        a->removeRecord("REGULDNT", "07022", {});
        failureOf([&] { fa->write("", "no key"); });
    }));
    EXPECT_EQ(text(*a, "REGULDNT", "07022"), "unit 1");
    EXPECT_EQ(text(*a, "REGULDNT", "04581"), r.text());
    EXPECT_EQ(text(*a, "REGULDNT", "99999"), "-");
    EXPECT_EQ(text(*a, "REGULDNT", "16697"), r16697);
    a->endDryRun();
    for (const auto& [key, expected] : std::vector<std::pair<std::string, std::string>>{
             {"04581", r04581}, {"07022", r07022}, {"99999", "-"}, {"11344", "theirs"}})
        EXPECT_EQ(committed("REGULDNT", key), expected) << key;
    EXPECT_TRUE(b->storage().runs().empty());
}

// The store takes the images of a run itself: each record as it was before the run first
// wrote it and as the run left it, none of a unit rolled back; a run that wrote nothing,
// or was rolled back, is not kept.
TEST_P(Store, TheHistoryKeepsWhatARunChanged) {
    auto regul = a->DBOpenFile("REGULDNT");
    auto detail = a->DBOpenFile("DETAILCHGPARTEMP");
    const dba::RunInfo info{"2013-07-15 10:00:00", "paie", "20132", "75", "--centre 75", "o.pdf"};
    const std::string before = text(*a, "REGULDNT", "04581");
    const std::string removed = text(*a, "DETAILCHGPARTEMP", "0598520132");
    b->DBOpenFile("REGULDNT")->DBReadLock("11945");
    a->beginRun(info, {});
    regul->DBRead("04581");
    EXPECT_EQ(a->commitRun(), 0);
    a->beginRun(info, {});
    regul->write("04581", "rolled back");
    a->rollbackRun();
    EXPECT_TRUE(b->storage().runs().empty());
    // A run writes only the files the program named to the store.
    a->beginRun(info, {});
    EXPECT_NE(failureOf([&] { a->DBOpenFile("CONTRAT")->write("A0048002", "x"); }).message.find(
                  "a run writes only REGULDNT and DETAILCHGPARTEMP records, not those of CONTRAT"),
              std::string::npos);
    a->rollbackRun();

    a->beginRun(info, {});
    EXPECT_FALSE(a->unit("04581", [&] {
        regul->write("04581", "one");
        regul->write("04581", "two");
        detail->write("0458120132", "new");
        a->removeRecord("DETAILCHGPARTEMP", "0598520132", {});
    }));
    EXPECT_TRUE(a->unit("11945", [&] {
        detail->write("1194520132", "rolled back");
        failureOf([&] { regul->write("11945", "refused"); });
    }));
    const long long n = a->commitRun("stopped after 2 of 2 aidés");
    ASSERT_NE(n, 0);
    auto runs = b->storage().runs();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].number, n);
    EXPECT_EQ(runs[0].units, 1);
    EXPECT_EQ(runs[0].note, "stopped after 2 of 2 aidés");
    EXPECT_EQ(runs[0].info.quarter + " " + runs[0].info.centre + " " + runs[0].info.output, "20132 75 o.pdf");
    auto run = b->storage().run(n);
    ASSERT_TRUE(run);
    auto shown = [](const std::optional<std::string>& t) { return t ? *t : "-"; };
    std::vector<std::string> images;
    for (const dba::RecordImage& im : run->images)
        images.push_back(im.unit + " " + im.file + " " + im.key + ": " + shown(im.before) + " -> " + shown(im.after));
    EXPECT_EQ(images, (std::vector<std::string>{"04581 DETAILCHGPARTEMP 0458120132: - -> new",
                                                "04581 DETAILCHGPARTEMP 0598520132: " + removed + " -> -",
                                                "04581 REGULDNT 04581: " + before + " -> two"}));
}

INSTANTIATE_TEST_SUITE_P(Backends, Store, ::testing::ValuesIn(testsupport::backends()), testsupport::backendName);
