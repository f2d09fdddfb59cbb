// The font the desktop's windows are drawn in: DejaVu Sans, registered from its installed
// file, so that the screens are laid out the same on every machine whatever fonts it has.
#pragma once

#include <filesystem>

namespace desktop {

inline const std::filesystem::path kDejaVuFontDir = "/usr/share/fonts/truetype/dejavu";

// Registers DejaVu Sans (regular and bold) and makes it the application's font, 9 points;
// registers the printers' fonts too, so that the quarter list's "Courier New" is the
// printed page's Liberation Mono. Gives false, and leaves the system's font, when the
// files are missing (Debian package fonts-dejavu-core). Needs a QApplication.
bool useDesktopFont(const std::filesystem::path& dir = kDejaVuFontDir);

}  // namespace desktop
