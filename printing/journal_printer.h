// A printer whose paper is the print journal: a page model feeding a JournalWriter.
#pragma once

#include "printing/page_model.h"

#include <filesystem>
#include <ostream>
#include <string>

namespace printing {

class JournalPrinter : public PageModel {
public:
    static constexpr const char* kDefaultDeviceName = "JOURNAL";

    explicit JournalPrinter(std::ostream& out, std::string deviceName = kDefaultDeviceName);
    // Creates the file (see the sink for how); throws OutputError when it cannot.
    explicit JournalPrinter(const std::filesystem::path& file,
                            std::string deviceName = kDefaultDeviceName);
};

}  // namespace printing
