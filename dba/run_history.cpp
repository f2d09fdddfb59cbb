// Undoing a run: the before images put back in one transaction, when every record is still
// as the run left it, the undo recorded as a run of its own.
#include "dba/run_history.h"

#include <ctime>

#include "dba/database.h"
#include "dba/errors.h"

namespace dba {

std::string historyTime() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

UndoOutcome undoRun(Database& db, long long number, RunInfo undo) {
    Storage& st = db.storage();
    UndoOutcome outcome;
    std::optional<RunDetail> run;
    st.snapshot([&] { run = st.run(number); });
    if (!run) {
        outcome.refused = UndoRefusal{UndoRefusal::UnknownRun, "there is no run " + std::to_string(number), 0, {}};
        return outcome;
    }
    if (run->row.undoneBy) {
        outcome.refused = UndoRefusal{UndoRefusal::AlreadyUndone,
                                      "run " + std::to_string(number) + " was already undone by run " +
                                          std::to_string(run->row.undoneBy),
                                      run->row.undoneBy, {}};
        return outcome;
    }

    undo.kind = "undo";
    undo.undoes = number;
    if (undo.quarter.empty()) undo.quarter = run->row.info.quarter;
    if (undo.centre.empty()) undo.centre = run->row.info.centre;
    db.beginRun(undo);
    try {
        // Checked inside the transaction, so that nothing changes between the check and
        // the undo.
        UndoRefusal changed{UndoRefusal::Changed, "records changed since run " + std::to_string(number), 0, {}};
        for (const RecordImage& im : run->images) {
            if (st.get(im.file, im.key) == im.after) continue;
            changed.changes.push_back({im.file, im.key, st.laterRuns(number, im.file, im.key)});
        }
        if (!changed.changes.empty()) {
            db.rollbackRun();
            outcome.refused = std::move(changed);
            return outcome;
        }
        // One unit per aidé, its records together (the images come sorted by unit).
        for (size_t i = 0; i < run->images.size();) {
            size_t end = i;
            while (end < run->images.size() && run->images[end].unit == run->images[i].unit) ++end;
            auto failure = db.unit(run->images[i].unit, [&] {
                for (size_t j = i; j < end; ++j) {
                    const RecordImage& im = run->images[j];
                    if (im.before) db.write(im.file, im.key, *im.before, {});
                    else db.removeRecord(im.file, im.key);
                }
            });
            if (failure) throw DbError(failure->number, failure->message);
            ++outcome.units;
            i = end;
        }
        outcome.undoRun = db.commitRun([&](long long undoNumber) { st.setUndoneBy(number, undoNumber); });
    } catch (...) {
        db.rollbackRun();
        throw;
    }
    return outcome;
}

}  // namespace dba
