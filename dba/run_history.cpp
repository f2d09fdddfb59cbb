// Undoing a run: refused while a later standing run wrote one of its records, or when a
// record is no longer as the run left it; otherwise each before image written back in one
// transaction, each write checked against the version read, the undo recorded as a run.
#include "dba/run_history.h"

#include <algorithm>
#include <ctime>
#include <map>
#include <set>

#include "dba/database.h"
#include "dba/errors.h"
#include "dba/test_steps.h"

namespace dba {

std::string historyTime() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

RunStanding::RunStanding(const std::vector<RunRow>& runs) : runs_(runs) {}

const RunRow* RunStanding::find(long long number) const {
    auto it = std::lower_bound(runs_.begin(), runs_.end(), number,
                               [](const RunRow& r, long long n) { return r.number < n; });
    return it != runs_.end() && it->number == number ? &*it : nullptr;
}

bool RunStanding::stands(long long number) const {
    // An undo is always later than the run it took back: the chain ends.
    const RunRow* r = find(number);
    return !r || r->undoneBy == 0 || !stands(r->undoneBy);
}

long long RunStanding::undoneBy(long long number) const { return stands(number) ? 0 : find(number)->undoneBy; }

namespace {

UndoRefusal refusal(UndoRefusal::Kind kind, std::string reason) {
    UndoRefusal r;
    r.kind = kind;
    r.reason = std::move(reason);
    return r;
}

// The later runs that still stand and wrote one of the run's records, latest first. The
// undo of a later run is not one of them: with the run it took back, it left the records
// as they were.
std::vector<long long> laterStandingRuns(Storage& st, const RunDetail& run, const std::vector<RunRow>& all) {
    const RunStanding standing(all);
    std::set<std::pair<std::string, std::string>> records;
    for (const RecordImage& im : run.images) records.insert({im.file, im.key});
    std::vector<long long> later;
    for (auto it = all.rbegin(); it != all.rend() && it->number > run.row.number; ++it) {
        if (!standing.stands(it->number)) continue;
        if (it->info.kind == "undo" && it->info.undoes > run.row.number) continue;
        std::optional<RunDetail> other = st.run(it->number);
        if (!other) continue;
        for (const RecordImage& im : other->images) {
            if (records.count({im.file, im.key})) {
                later.push_back(it->number);
                break;
            }
        }
    }
    return later;
}

}  // namespace

std::optional<UndoRefusal> undoCheck(Database& db, long long number, const UndoPermission& permission,
                                     std::optional<RunDetail>* detail) {
    Storage& st = db.storage();
    std::optional<RunDetail> run;
    std::vector<RunRow> all;
    std::vector<long long> later;
    st.snapshot([&] {
        run = st.run(number);
        all = st.runs();
        if (run && !detail) later = laterStandingRuns(st, *run, all);
    });
    if (!run) return refusal(UndoRefusal::UnknownRun, "there is no run " + std::to_string(number));
    if (const long long by = RunStanding(all).undoneBy(number)) {
        UndoRefusal r = refusal(UndoRefusal::AlreadyUndone,
                                "run " + std::to_string(number) + " was already undone by run " + std::to_string(by));
        r.undoneBy = by;
        return r;
    }
    if (run->row.undoneBy) {
        // Undone, then put back by an undo of the undo: that last undo is what to take back.
        long long putBack = run->row.undoneBy;
        for (const RunRow& r : all)
            if (r.number == putBack && r.undoneBy) putBack = r.undoneBy;
        UndoRefusal r = refusal(UndoRefusal::LaterRuns, "run " + std::to_string(putBack) + " put its records back");
        r.laterRuns = {putBack};
        return r;
    }
    for (const RecordImage& im : run->images)
        if (!st.isRunFile(im.file))
            return refusal(UndoRefusal::ForeignFile, "it holds an image of " + im.file + " " + im.key +
                                                         ", a file no run writes");
    if (permission)
        if (std::optional<std::string> why = permission(*run)) return refusal(UndoRefusal::Rights, *why);
    if (!later.empty()) {
        UndoRefusal r = refusal(UndoRefusal::LaterRuns, "later runs wrote its records and stand");
        r.laterRuns = std::move(later);
        return r;
    }
    if (detail) *detail = std::move(run);
    return std::nullopt;
}

UndoOutcome undoRun(Database& db, long long number, RunInfo undo, const UndoPermission& permission,
                    const RunWait& waitForRun) {
    Storage& st = db.storage();
    UndoOutcome outcome;
    std::optional<RunDetail> run;
    // The later runs are checked below, inside the undo's transaction.
    outcome.refused = undoCheck(db, number, permission, &run);
    if (outcome.refused) return outcome;

    undo.kind = "undo";
    undo.undoes = number;
    if (undo.quarter.empty()) undo.quarter = run->row.info.quarter;
    if (undo.centre.empty()) undo.centre = run->row.info.centre;
    // The undo takes the lock of the run's quarter and centre: no print of the pair runs
    // meanwhile.
    db.beginRun(undo, waitForRun);
    try {
        // Checked inside the transaction, with the lock of the pair held: the later runs
        // as they stand now.
        std::vector<RunRow> now = st.runs();
        std::vector<long long> later = laterStandingRuns(st, *run, now);
        if (!later.empty()) {
            db.rollbackRun();
            outcome.refused = refusal(UndoRefusal::LaterRuns, "later runs wrote its records and stand");
            outcome.refused->laterRuns = std::move(later);
            return outcome;
        }
        UndoRefusal changed = refusal(UndoRefusal::Changed, "records changed since run " + std::to_string(number));
        // Each record read with its version, and written back checked against it: a
        // change committed meanwhile by another desk refuses the write, and the undo.
        std::map<std::pair<std::string, std::string>, Version> versions;
        for (const RecordImage& im : run->images) {
            Version v;
            if (st.get(im.file, im.key, &v) != im.after) changed.changes.push_back({im.file, im.key});
            versions[{im.file, im.key}] = v;
        }
        if (!changed.changes.empty()) {
            db.rollbackRun();
            outcome.refused = std::move(changed);
            return outcome;
        }
        testStep("undo-checked");
        // One unit per aidé, its records together (the images come sorted by unit).
        for (size_t i = 0; i < run->images.size();) {
            size_t end = i;
            while (end < run->images.size() && run->images[end].unit == run->images[i].unit) ++end;
            auto failure = db.unit(run->images[i].unit, [&] {
                for (size_t j = i; j < end; ++j) {
                    const RecordImage& im = run->images[j];
                    const Version& v = versions[{im.file, im.key}];
                    try {
                        if (im.before) db.write(im.file, im.key, *im.before, v);
                        else if (im.after) db.removeRecord(im.file, im.key, v);
                    } catch (const dnt::Error&) {
                        return;  // the unit gives the failure back, and the undo is refused
                    }
                }
            });
            if (failure) {
                db.rollbackRun();
                UndoRefusal r = refusal(UndoRefusal::Changed, "a record changed while it was being put back: " +
                                                                  failure->message);
                r.changes.push_back({failure->file, failure->key});
                outcome.refused = std::move(r);
                return outcome;
            }
            if (!run->images[i].unit.empty()) ++outcome.units;
            i = end;
        }
        outcome.undoRun = db.commitRun({}, [&](long long undoNumber) { st.markUndone(number, undoNumber); });
    } catch (...) {
        db.rollbackRun();
        throw;
    }
    return outcome;
}

}  // namespace dba
