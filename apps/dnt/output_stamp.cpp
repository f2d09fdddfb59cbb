// The stamp of an output file, by stat(2).
#include "apps/dnt/output_stamp.h"

#include <sys/stat.h>

namespace cli {

OutputStamp OutputStamp::of(const std::string& path) {
    struct stat st {};
    OutputStamp stamp;
    if (path.empty() || ::stat(path.c_str(), &st) != 0) return stamp;
    stamp.exists = true;
    stamp.device = st.st_dev;
    stamp.inode = st.st_ino;
    stamp.changedNs = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    return stamp;
}

}  // namespace cli
