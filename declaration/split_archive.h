// The archive of a run, one PDF per declaration: the pages of each aidé whose declaration
// is complete go to <quarter key>-<centre>-<aidé code>.pdf, listed in index.csv (aidé
// code, name, net to pay, file name; the conventions of the CSV export). Everything is
// written in a temporary folder beside the archive's place and renamed into place with
// the printed document, after the run's records are committed; a document abandoned
// leaves nothing behind. Each file holds one copy of its declaration, whatever the number
// of copies of the printed document.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/state_printing.h"
#include "printing/output_file.h"
#include "printing/page_sink.h"
#include "printing/recorded_pages.h"

namespace declaration {

class SplitArchive {
public:
    // Opens a PDF document written to a file (put in place by its deliver()).
    using PdfOpener = std::function<std::unique_ptr<printing::PageSink>(const std::filesystem::path&)>;

    // Creates the temporary folder beside `folder` (printing::OutputError when it cannot);
    // `folder` itself must not exist yet.
    SplitArchive(std::filesystem::path folder, PdfOpener openPdf);
    ~SplitArchive();
    SplitArchive(const SplitArchive&) = delete;
    SplitArchive& operator=(const SplitArchive&) = delete;

    // The pages drawn since the previous declaration are those of `d`; its file is written
    // when its last page is closed (by the next page or the end of the document).
    void add(const dnt::AideDeclaration& d);
    // A sink that follows the printed document: it gathers the pages, ends the archive
    // with the document and renames the folder into place right after it. The archive
    // must outlive it.
    std::unique_ptr<printing::PageSink> followingSink();

    const std::filesystem::path& folder() const { return folder_; }
    long files() const { return files_; }

private:
    class Following;
    void closePage();
    void writePending();
    void finish();
    void deliver();

    std::filesystem::path folder_;
    std::filesystem::path temporary_;
    PdfOpener openPdf_;
    std::unique_ptr<printing::OutputFile> index_;
    // The pages drawn and not yet written, one list of operations each; the first
    // `claimed_` of them belong to `pending_`.
    std::vector<std::vector<printing::RecordedPages::Op>> pages_;
    printing::RecordedPages::Op font_{printing::RecordedPages::Op::Font, "Courier New", 10, 0};
    printing::RecordedPages::Op width_{printing::RecordedPages::Op::Width, {}, 1};
    std::size_t claimed_ = 0;
    std::unique_ptr<dnt::AideDeclaration> pending_;
    long files_ = 0;
    bool finished_ = false;
    bool delivered_ = false;  // put in place, or kept where it was written
};

}  // namespace declaration
