// `dnt db quarters` and `dnt printers`: the choices `dnt print` accepts for --quarter and
// --printer, one a line, for a person and for the shell's completion.
#include <iostream>

#include "apps/dnt/cli.h"
#include "apps/dnt/print_setup.h"
#include "control/libelles_trimestre.h"
#include "dba/database.h"
#include "printing/qt/gui_application.h"
#include "printing/qt/printers.h"

namespace cli {

int listQuarters(const Args& a) {
    if (!a.positional.empty()) throw UsageError("dnt db quarters takes no argument \"" + a.positional[0] + "\"");
    auto db = dba::Database::Open(a.require("db"), dba::OpenMode::ReadOnly);
    for (const std::string& label : control::LibellesTrimestres(*db)) std::cout << quarterKeyOf(label) << "\t" << label << "\n";
    return flushed();
}

int listPrinters(const Args& a) {
    if (!a.positional.empty()) throw UsageError("dnt printers takes no argument \"" + a.positional[0] + "\"");
    printing::qt::ensureGuiApplication();
    for (const std::string& name : printing::qt::printerNames()) std::cout << name << "\n";
    return flushed();
}

}  // namespace cli
