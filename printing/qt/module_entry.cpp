// The entry of libdnt_qt_printers.so, the Qt printers loaded on demand (printing/qt_module.h).
#include "printing/qt_module.h"
#include "printing/qt/printers.h"

extern "C" __attribute__((visibility("default"))) const printing::QtModule* dnt_qt_printers_module() {
    static const printing::QtModule module{&printing::qt::printerNames, &printing::qt::openPrinter,
                                             &printing::qt::openPdfSink};
    return &module;
}
