// The history of the runs that wrote records: for each, who ran it, when, on what quarter
// and centre, with which options and to which output, and the before and after images of
// every record it wrote, kept in tables of the store (not in a multivalue file) and
// committed with those records. A run can be undone: its before images put back, when no
// later change stands in the way; the undo is itself a run.
#pragma once

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
    long units = 0;           // aidés written
    long long undoneBy = 0;   // the run that undid it, 0 when none
};

struct RunDetail {
    RunRow row;
    std::vector<RecordImage> images;
};

// Why an undo was refused: each record that changed since the run, and the later runs
// that wrote it.
struct UndoRefusal {
    enum Kind { UnknownRun, AlreadyUndone, Changed };
    struct Change {
        std::string file, key;
        std::vector<long long> laterRuns;  // none: changed outside the runs
    };
    Kind kind = UnknownRun;
    std::string reason;        // said in a sentence
    long long undoneBy = 0;    // AlreadyUndone: by which run
    std::vector<Change> changes;  // Changed: which records
};

struct UndoOutcome {
    long long undoRun = 0;  // the run that records the undo
    long units = 0;
    std::optional<UndoRefusal> refused;
};

// Takes run `number` back in one transaction, or refuses (unknown run, a run already
// undone, a record changed since) and changes nothing.
UndoOutcome undoRun(Database& db, long long number, RunInfo undo);

// The local time as the history writes it.
std::string historyTime();

}  // namespace dba
