// The matrix printer rule.
#include "printing/matrix_rule.h"

namespace printing {

bool isMatrixPrinterName(const std::string& deviceName) {
    std::string upper = deviceName;
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper.find("MATRIC") != std::string::npos;
}

}  // namespace printing
