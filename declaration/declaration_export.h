// The structured export of what a run declared: one row per printed aidant line (CSV,
// semicolon-separated, UTF-8, for a French spreadsheet) or one object per aidé (JSON), with
// every figure as the declaration prints it. Written to a temporary file beside its place,
// ended and on disk before the run's records are committed, and put in place with the
// printed document, only when the run succeeds.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "common/state_printing.h"
#include "printing/output_error.h"
#include "printing/output_file.h"
#include "printing/page_sink.h"

namespace declaration {

// The finished export could not be put in place (after the records were committed): the
// file is kept under its temporary name, `kept` (empty if it is gone too).
class ExportNotDelivered : public printing::OutputError {
public:
    ExportNotDelivered(const std::string& what, std::filesystem::path kept) : printing::OutputError(what), kept(std::move(kept)) {}
    std::filesystem::path kept;
};

class DeclarationExport {
public:
    enum class Format { Csv, Json };

    // The format comes from the extension (.csv or .json, any case); another one is a
    // std::invalid_argument. Creates the temporary file (printing::OutputError when it cannot).
    explicit DeclarationExport(const std::filesystem::path& path);
    ~DeclarationExport();

    static bool knownExtension(const std::filesystem::path& path);

    void add(const dnt::AideDeclaration& d);
    // Ends the file and syncs it to disk; nothing can be added afterwards.
    void finish();
    // Finishes the file if need be and puts it in place; ExportNotDelivered when the
    // rename fails.
    void deliver();
    long declarations() const { return count_; }

    // A sink that follows the printed document without drawing: the export is finished when
    // the document is, before the records are committed, and put in place right after the
    // document. The export must outlive it.
    std::unique_ptr<printing::PageSink> followingSink();

private:
    void check();

    Format format_;
    std::unique_ptr<printing::OutputFile> file_;
    long count_ = 0;
    bool finished_ = false;
};

}  // namespace declaration
