// Whether a run wrote its output file, and whether it replaced one that was there: the
// file's identity and time of change, taken before the run and compared after it. A
// delivered output is renamed into place, so a file written by the run is a new one.
#pragma once

#include <string>

namespace cli {

struct OutputStamp {
    bool exists = false;
    unsigned long long device = 0, inode = 0;
    long long changedNs = 0;

    static OutputStamp of(const std::string& path);
    // Whether `after` is another file than this one, or the same changed.
    bool replacedBy(const OutputStamp& after) const {
        return after.exists && (!exists || after.device != device || after.inode != inode ||
                                after.changedNs != changedNs);
    }
};

}  // namespace cli
