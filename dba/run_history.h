// The history of the runs that wrote records: for each, who ran it, when, on what quarter
// and centre, with which options and to which output, and the before and after images of
// every record it wrote, kept in tables of the store (not in a multivalue file) and
// committed with those records. The images are taken by the store itself as the records
// are written, so that they are exactly what the run changed.
//
// Undo is a stack per record: a run can be taken back only while no later run that still
// stands wrote any of its records, and only when each of its records is still exactly as
// it left it; the undo is a run of its own, which can be taken back in turn.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace dba {

class Database;

struct RunInfo {
    std::string time;     // "2026-12-06 03:15:42", local time
    std::string login;
    std::string quarter;  // the quarter key, "20251"
    std::string centre;
    std::string options;  // the choices of the run, as the command line writes them
    std::string output;   // the output file, or the printer's name
    std::string kind = "print";  // "print" or "undo"
    long long undoes = 0;        // for an undo, the run it took back
};

// One record a run wrote: the unit of work it belongs to (the aidé), and the record as it
// was before the run (none: it did not exist) and as the run left it (none: removed).
struct RecordImage {
    std::string unit, file, key;
    std::optional<std::string> before, after;
};

struct RunRow {
    long long number = 0;
    RunInfo info;
    long units = 0;           // aidés written, each once whatever the copies
    long long undoneBy = 0;   // the run that undid it, 0 when none
    std::string note;         // how it ended when not in full ("stopped after 12 of 40 aidés")
};

struct RunDetail {
    RunRow row;
    std::vector<RecordImage> images;
};

// Whether the records of each run stand: a run stands unless it was undone by a run that
// stands itself (an undo taken back puts the run's records back).
class RunStanding {
public:
    explicit RunStanding(const std::vector<RunRow>& runs);
    bool stands(long long number) const;
    // The run whose undo stands against `number`: 0 when `number` stands.
    long long undoneBy(long long number) const;

private:
    std::vector<RunRow> runs_;
    const RunRow* find(long long number) const;
};

// Why an undo was refused, and what stands in the way.
struct UndoRefusal {
    enum Kind { UnknownRun, AlreadyUndone, LaterRuns, Changed, ForeignFile, Rights };
    struct Change {
        std::string file, key;
    };
    Kind kind = UnknownRun;
    std::string reason;               // said in a sentence
    long long undoneBy = 0;           // AlreadyUndone: by which run
    std::vector<long long> laterRuns; // LaterRuns: the standing runs to undo first, latest first
    std::vector<Change> changes;      // Changed: the records no longer as the run left them
};

struct UndoOutcome {
    long long undoRun = 0;  // the run that records the undo
    long units = 0;
    std::optional<UndoRefusal> refused;
};

// Who may take a run back: asked once the run is known, before anything is written; gives
// the reason of a refusal, or nothing.
using UndoPermission = std::function<std::optional<std::string>(const RunDetail&)>;

// Takes run `number` back in one transaction, or refuses and changes nothing: an unknown
// run, a run already undone, a later standing run that wrote one of its records, a record
// no longer as the run left it, an image of a file no run writes, or the permission's
// refusal. Each record is written back only if it is still what the run left (the version
// read is checked by the write), so that a change made meanwhile by another desk refuses
// the undo instead of being lost. `waitForRun` is how the undo waits for a print of the
// same quarter and centre (see Database::beginRun).
struct RunWait;
UndoOutcome undoRun(Database& db, long long number, RunInfo undo, const UndoPermission& permission,
                    const RunWait& waitForRun);

// The refusal an undo of run `number` meets now, read on one snapshot and writing nothing:
// an unknown run, a run already undone or put back, a file no run writes, the permission's
// refusal, or later standing runs that wrote its records (the records changed since the
// run are known only to the undo itself). Nothing when the undo may be tried. With
// `detail`, the later runs are not looked at and the run is left there (the undo checks
// them inside its own transaction).
std::optional<UndoRefusal> undoCheck(Database& db, long long number, const UndoPermission& permission,
                                     std::optional<RunDetail>* detail = nullptr);

// The local time as the history writes it.
std::string historyTime();

}  // namespace dba
