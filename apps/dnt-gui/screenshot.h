// Pictures of the windows for the documentation, rendered with QWidget::grab to a PNG file:
// the application window, the selection screen (with a centre entered), the individual
// selection window with a search and a few aidés selected, the preview of the centre, and
// the history of runs. Also the opening of the screen with a centre entered (--centre).
#pragma once

#include <string>

#include "apps/dnt-gui/options.h"
#include "desktop/application_window.h"

namespace gui {

// Whether the picture `o.picture` was written to `o.screenshot`; `error` says why not.
bool screenshot(desktop::ApplicationWindow& window, const Options& o, std::string& error);
// Opens the selection screen and enters `centre`, as a person would.
void openWithCentre(desktop::ApplicationWindow& window, const std::string& centre);

}  // namespace gui
