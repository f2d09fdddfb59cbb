// The matrix printer: a page model whose pages are written as fixed-pitch text.
#pragma once

#include "printing/matrix_rule.h"
#include "printing/page_model.h"

#include <filesystem>
#include <ostream>
#include <string>

namespace printing {

// The device name contains "MATRIC", so the control leaves the font alone and prints
// without the detailed end of the declaration, as it does on matrix printers.
class TextPrinter : public PageModel {
public:
    static constexpr const char* kDefaultDeviceName = "MATRICIELLE";

    explicit TextPrinter(std::ostream& out, std::string deviceName = kDefaultDeviceName);
    // Creates the file (see the sink for how); throws OutputError when it cannot.
    explicit TextPrinter(const std::filesystem::path& file,
                         std::string deviceName = kDefaultDeviceName);
};

}  // namespace printing
