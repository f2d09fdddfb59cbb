// The folder of the help pages, found from the program's folder.
#include "desktop/help_folder.h"

#include <filesystem>

#include "control/help.h"

namespace desktop {

std::string helpFolder(const std::string& programDir, const std::string& installedFromBin) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::exists(control::HelpFilePath(programDir), ec)) return programDir;
    return (fs::path(programDir) / installedFromBin).lexically_normal().string();
}

}  // namespace desktop
