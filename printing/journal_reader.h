// Replays a print journal into any sink, so that a journal can be printed again.
#pragma once

#include "printing/page_sink.h"

#include <cstddef>
#include <filesystem>
#include <istream>
#include <stdexcept>
#include <string>

namespace printing {

class JournalError : public std::runtime_error {
public:
    JournalError(std::size_t lineNumber, const std::string& what);
    std::size_t lineNumber() const noexcept { return lineNumber_; }

private:
    std::size_t lineNumber_;
};

// Each document of the journal becomes beginPage(1) (sent before its first line), its
// operations in order, and endDocument() at END. Empty lines are passed over; any other
// line that does not follow the journal format, and a journal whose last document has
// no END, throw JournalError with the line number. Operations already sent stay sent.
void replayJournal(std::istream& in, PageSink& sink);
void replayJournalFile(const std::filesystem::path& file, PageSink& sink);

}  // namespace printing
