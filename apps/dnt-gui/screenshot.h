// Pictures of the screens for the documentation: the host window after Init (with a
// centre entered if asked), or the individual selection window with a search and a few
// aidés selected, rendered with QWidget::grab to a PNG file.
#pragma once

#include <string>

#include "apps/dnt-gui/host_window.h"

namespace gui {

// Whether the picture was written; `error` says why not.
bool screenshotMain(HostWindow& host, const std::string& path, std::string& error);
bool screenshotDialog(HostWindow& host, const std::string& search, const std::string& path, std::string& error);

}  // namespace gui
