// `dnt db quarters` and `dnt printers`: the choices `dnt print` accepts for --quarter and
// --printer, one a line, for a person and for the shell's completion.
#include <iostream>

#include "apps/dnt/cli.h"
#include "apps/dnt/print_setup.h"
#include "control/libelles_trimestre.h"
#include "dba/database.h"
#include "printing/qt_module.h"
#include "common/declaration_database.h"

namespace cli {

int listQuarters(const Args& a) {
    if (!a.positional.empty()) throw UsageError("dnt db quarters takes no argument \"" + a.positional[0] + "\"");
    auto db = dnt::openDeclarationDatabase(a.require("db"), dba::OpenMode::ReadOnly);
    for (const std::string& label : control::LibellesTrimestres(*db)) std::cout << quarterKeyOf(label) << "\t" << label << "\n";
    return flushed();
}

int listPrinters(const Args& a) {
    if (!a.positional.empty()) throw UsageError("dnt printers takes no argument \"" + a.positional[0] + "\"");
    // The list comes from the Qt printers' module, loaded for it.
    for (const std::string& name : printing::qtModule().printerNames()) std::cout << name << "\n";
    return flushed();
}

}  // namespace cli
