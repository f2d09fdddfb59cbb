// The whole runs a benchmark child performs: the unattended print of a quarter on a null,
// journal or PDF printer, the rendering of a journal to PDF, and the facts of a database.
#pragma once

#include <string>
#include <vector>

namespace benchrun {

enum class Output {
    Null,     // a page model over a sink that discards everything: computation only
    Journal,  // the journal printer writing a file
    Pdf,      // the PDF printer of the Qt printer system (index 0)
};

struct RunOptions {
    std::string db;
    std::string quarterLabel;  // as the quarter list shows it, "4ème TRIMESTRE 2025"
    std::string centre;
    std::string aide;          // empty: every aidé of the centre
    Output output = Output::Null;
    std::string file;          // the journal or the PDF written
};

struct RunFigures {
    double seconds = 0;  // database open to control gone (the document closed)
    long aides = 0;      // aidés printed
    long pages = 0;      // pages of the document
    unsigned long roundTrips = 0;  // to the server, counted by the client (0 on a file)
};

// Builds the control as the command line does and runs it unattended (ModeOmr).
RunFigures runUnattended(const RunOptions& o);

// Replays a journal into a new PDF file; the seconds it took, GUI set-up excluded.
double renderJournal(const std::string& journal, const std::string& pdf);

struct DatabaseFacts {
    std::vector<std::string> quarters;  // newest first, as the quarter list shows them
    std::vector<std::string> centres;   // codes of CENTREURSSAF
    long aides = 0;                     // CIVILAIDE records
};

// Reads the quarter list and the centres the selection screen would show.
DatabaseFacts readFacts(const std::string& db);

// "20254" from "4ème TRIMESTRE 2025".
std::string quarterKey(const std::string& label);

// Creates a demo database of that size and seed at `path` and folds its write-ahead
// log into the main file; the summary line.
std::string generateDatabase(const std::string& path, int aides, unsigned seed);

}  // namespace benchrun
