// What a run of the selection screen came to, as the application tells it once the
// control has closed its form: the declarations printed, the records written and the run's
// number, where the document went, whether it was stopped, the aidés left out; nothing
// for a screen left before a printer was chosen.
#pragma once

#include <string>
#include <vector>

#include "common/state.h"

namespace desktop {

struct RunResult {
    bool printed = false;  // a printer was chosen and the document ended
    bool preview = false;
    long declarations = 0;
    bool written = false;  // the records were committed
    long long run = 0;
    bool toFile = false;
    bool toFolder = false;    // one PDF per aidé, in a new folder
    std::string destination;  // the file or folder written, or the printer's name
    long stoppedDone = -1, stoppedOf = 0;  // the aidés done when the person stopped the run
    std::vector<std::string> leftOut;       // "aidé 01010 : raison"

    // From the control's state once its form closed; `file` is the file of the PDF and
    // matrix printers, `folder` the folder of the one-PDF-per-aidé printer.
    static RunResult of(const dnt::SharedState& s, const std::string& file, const std::string& folder = {});
    bool stopped() const { return stoppedDone >= 0; }
    // The result in French, one sentence a line.
    std::string text() const;
};

}  // namespace desktop
