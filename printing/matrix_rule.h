// The one rule that tells a matrix printer from the others: its device name holds
// "MATRIC", compared in upper case. The print loop prints matrix printers without the
// detailed end of the declaration; the printer dialog, the printer chooser and the
// command line give them a text file (".txt") instead of a PDF.
#pragma once

#include <string>

namespace printing {

bool isMatrixPrinterName(const std::string& deviceName);

}  // namespace printing
