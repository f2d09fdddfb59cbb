// Where the desktop finds its help pages: beside the program in a build folder, or where
// the package installs them, found from the program's own folder so that an installation
// under any prefix finds its own.
#pragma once

#include <string>

namespace desktop {

// `programDir` when the control's help file is there, else `programDir`/`installedFromBin`
// ("../share/dnt/help"), made plain.
std::string helpFolder(const std::string& programDir, const std::string& installedFromBin);

}  // namespace desktop
