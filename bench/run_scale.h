// The scale runs of the whole-run benchmark: generated databases of growing size, each
// printed whole (one centre's quarter) to the journal printer and to PDF, and to the
// journal on a server when one is given, in child processes.
#pragma once

#include <string>
#include <vector>

namespace benchrun {

struct ScaleRow {
    int aides = 0;              // aidés generated
    std::string output;         // "journal", "pdf" or "journal server"
    long declarations = 0;      // aidés printed
    double seconds = 0;         // database open to document closed
    long peakRssKb = 0;
    double perDeclarationMs() const { return declarations ? seconds * 1000 / declarations : 0; }
};

std::vector<ScaleRow> runScale(const std::vector<int>& sizes, unsigned seed, const std::string& centre,
                               const std::string& work, const std::string& server);
void printScale(const std::vector<ScaleRow>& rows);
// Per output: the time per declaration of the largest size over that of the smallest
// (goal <= 1.2, reported on the server) and the largest size's peak memory (< 200 MB).
void printScaleGoals(const std::vector<ScaleRow>& rows);

}  // namespace benchrun
