// The structured export of what a run declared: one row per printed aidant line (CSV,
// semicolon-separated, UTF-8, for a French spreadsheet) or one object per aidé (JSON), with
// every figure as the declaration prints it. Written to a temporary file and put in place
// with the run's other outputs, only when the run succeeds.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "common/state_printing.h"
#include "printing/output_file.h"

namespace printing {

class DeclarationExport {
public:
    enum class Format { Csv, Json };

    // The format comes from the extension (.csv or .json, any case); another one is a
    // std::invalid_argument. Creates the temporary file (OutputError when it cannot).
    explicit DeclarationExport(const std::filesystem::path& path);
    ~DeclarationExport();

    static bool knownExtension(const std::filesystem::path& path);

    void add(const dnt::DeclarationAide& d);
    // Ends the file and puts it in place.
    void deliver();
    long declarations() const { return count_; }

private:
    void check();

    Format format_;
    std::unique_ptr<OutputFile> file_;
    long count_ = 0;
};

}  // namespace printing
