// The fonts the Qt printers draw with: Liberation Mono, standing for Courier New.
#pragma once

#include <QRawFont>

#include <filesystem>
#include <string>

namespace printing::qt {

inline const std::filesystem::path kLiberationFontDir = "/usr/share/fonts/truetype/liberation";

// Checks that LiberationMono-Regular.ttf and LiberationMono-Bold.ttf are in dir and
// registers them with the application (the first time only) and makes "Courier New" resolve to Liberation Mono when
// the system has no Courier New. Throws OutputError naming a missing or unreadable
// file and the package that holds it. Needs a QGuiApplication.
void registerPrinterFonts(const std::filesystem::path& dir = kLiberationFontDir);
// Only checks that the two files are there: what a printer needs before it prints.
void checkPrinterFontFiles(const std::filesystem::path& dir = kLiberationFontDir);

// The font that draws text of that name, size and weight at 1440 dots to the inch:
// pixel size = points * 20, no hinting (the fonts registered at the first need).
QRawFont printerFont(const std::string& name, double points, bool bold);

}  // namespace printing::qt
