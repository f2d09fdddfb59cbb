// Whatever write, commit or savepoint of the store fails under a run or an undo, on each
// back-end: every aidé is whole or untouched, and the delivered document holds exactly the
// aidés whose records were written.
#include <map>
#include <set>

#include "support/backends.h"
#include "printing/printer_chooser.h"
#include "support/control.h"
#include "support/failing_storage.h"
#include "dba/copy.h"
#include "rights/undo_permission.h"
#include "support/database.h"

namespace {

using testsupport::FailingStorage;

// An aidé's two records of the quarter, by aidé code.
using Declared = std::map<std::string, std::pair<std::optional<std::string>, std::optional<std::string>>>;

Declared declared(dba::Storage& st) {
    Declared d;
    st.snapshot([&] {
        st.scan("REGULDNT", [&](std::string_view key, std::string_view data) { d[std::string(key)].first = std::string(data); });
        st.scan("DETAILCHGPARTEMP", [&](std::string_view key, std::string_view data) {
            if (key.size() == 10 && key.substr(5) == "20132") d[std::string(key.substr(0, 5))].second = std::string(data);
        });
    });
    return d;
}

// The aidés whose pages a journal holds: each page header gives the aidé's code.
std::set<std::string> aidesIn(const std::string& journal) {
    std::set<std::string> codes;
    for (size_t at = journal.find("Code : "); at != std::string::npos; at = journal.find("Code : ", at + 1))
        codes.insert(journal.substr(at + 7, 5));
    return codes;
}

struct Fault {
    FailingStorage::Fails what;
    int nth;
};

class FailingStore : public testsupport::OnEachBackend {
protected:
    // A run of the sample's quarter and centre 75 on a store that fails as `fault` says;
    // gives its journal.
    std::string print(const std::shared_ptr<dba::Database>& db) {
        ui::HeadlessServices services;
        control::RecordingHelpService help;
        dba::Utilitaire utilitaire;
        testsupport::ScriptedChooser chooser;
        testsupport::JournalPrinters printers;
        printing::useChooser(utilitaire, chooser);
        control::Environment env;
        env.services = &services, env.help = &help, env.utilitaire = &utilitaire, env.printers = &printers;
        env.today = [] { return dba::DateInterne("15/07/2013"); };
        control::Ctr_ControleEditVardec ctl(env);
        ctl.setTheDatabase(db);
        ctl.setDroitsUtilisateur(std::make_shared<rights::DroitsUtilisateur>(db, "paie"));
        ctl.Init();
        ui::Driver person(ctl.surface());
        person.replaceText(*ctl.Txt_CtrUrssaf, "75");
        person.tab();
        try {
            person.click(*ctl.Cmd_OK);
        } catch (const dnt::Error&) {
            // A commit that failed: the run is rolled back and its document abandoned.
        }
        return printers.journal();
    }
};

}  // namespace

TEST_P(FailingStore, EveryAideWholeOrUntouched) {
    std::shared_ptr<std::string> pristine = GetParam().fresh();
    testsupport::createWithSample(*pristine);
    auto reference = testsupport::openDatabase(*pristine);
    const Declared before = declared(reference->storage());
    std::shared_ptr<std::string> clean = GetParam().fresh();
    dba::copyDatabase(reference->storage(), *dba::openStorage(*clean, dba::OpenMode::Create), false);
    // The clean run, counting its writes.
    auto counting = std::make_unique<FailingStorage>(dba::openStorage(*clean, dba::OpenMode::ReadWrite),
                                                     FailingStorage::Fails::Write, 1 << 30);
    FailingStorage* counted = counting.get();
    counting->setRunFiles(testsupport::kRunFiles);
    auto cleanDb = dba::Database::Over(std::move(counting));
    const std::string cleanJournal = print(cleanDb);
    const int writes = counted->count();
    cleanDb.reset();
    const Declared after = declared(testsupport::openDatabase(*clean)->storage());
    ASSERT_EQ(aidesIn(cleanJournal).size(), 21u);

    const std::vector<Fault> faults = {
        {FailingStorage::Fails::Write, 1},     {FailingStorage::Fails::Write, 2},
        {FailingStorage::Fails::Write, 9},     {FailingStorage::Fails::Write, writes},
        {FailingStorage::Fails::Savepoint, 1}, {FailingStorage::Fails::Savepoint, 11},
        {FailingStorage::Fails::Commit, 1},    {FailingStorage::Fails::Commit, 21},
        {FailingStorage::Fails::Commit, 22},
    };
    for (const Fault& fault : faults) {
        SCOPED_TRACE("failing " + std::to_string(static_cast<int>(fault.what)) + " #" + std::to_string(fault.nth));
        std::shared_ptr<std::string> target = GetParam().fresh();
        dba::copyDatabase(reference->storage(), *dba::openStorage(*target, dba::OpenMode::Create), false);
        auto failing = std::make_unique<FailingStorage>(dba::openStorage(*target, dba::OpenMode::ReadWrite), fault.what,
                                                        fault.nth);
        FailingStorage* store = failing.get();
        failing->setRunFiles(testsupport::kRunFiles);
    auto db = dba::Database::Over(std::move(failing));
        const std::string journal = print(db);
        EXPECT_TRUE(store->failed());
        const bool delivered = journal.find("\nEND") != std::string::npos;
        const std::set<std::string> printed = delivered ? aidesIn(journal) : std::set<std::string>{};
        const Declared now = declared(testsupport::openDatabase(*target)->storage());
        for (const auto& [aide, records] : after) {
            const auto was = before.count(aide) ? before.at(aide) : Declared::mapped_type{};
            const auto is = now.count(aide) ? now.at(aide) : Declared::mapped_type{};
            EXPECT_TRUE(is == records || is == was) << "aidé " << aide << " is half written";
            EXPECT_EQ(printed.count(aide) == 1, is == records && records != was)
                << "aidé " << aide << (printed.count(aide) ? " delivered without its records" : " written, not delivered");
        }

        // An undo of the clean run that fails the same way: whole or not at all.
        std::shared_ptr<std::string> undone = GetParam().fresh();
        dba::copyDatabase(testsupport::openDatabase(*clean)->storage(), *dba::openStorage(*undone, dba::OpenMode::Create),
                          false);
        // The copy carries no history: the run is printed again on it, cleanly.
        print(testsupport::openDatabase(*undone));
        const Declared printedTwice = declared(testsupport::openDatabase(*undone)->storage());
        auto undoStore = std::make_unique<FailingStorage>(dba::openStorage(*undone, dba::OpenMode::ReadWrite),
                                                          fault.what, fault.nth);
        undoStore->setRunFiles(testsupport::kRunFiles);
    auto undoDb = dba::Database::Over(std::move(undoStore));
        dba::RunInfo info;
        info.login = "paie";
        bool tookBack = false;
        try {
            tookBack = !dba::undoRun(*undoDb, 1, info, rights::undoPermission(undoDb, "paie"), {}).refused;
        } catch (const dnt::Error&) {
        }
        const Declared afterUndo = declared(testsupport::openDatabase(*undone)->storage());
        EXPECT_EQ(afterUndo, tookBack ? after : printedTwice);
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, FailingStore, ::testing::ValuesIn(testsupport::backends()),
                         testsupport::backendName);
