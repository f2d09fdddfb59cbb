// Makes sure a Qt GUI application exists, which fonts and paint devices need.
#pragma once

namespace printing::qt {

// Creates a QGuiApplication when none exists, on the "offscreen" platform unless
// QT_QPA_PLATFORM already names one; it lives until the program ends. Throws
// PrinterError when a plain QCoreApplication is already running.
void ensureGuiApplication();

}  // namespace printing::qt
