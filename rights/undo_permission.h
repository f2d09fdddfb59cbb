// Who may take a run back: whoever may print it. Full access to the declarations' module,
// and sectors that cover every aidé of the run; otherwise the undo is refused whole.
#pragma once

#include <memory>
#include <string>

#include "dba/database.h"
#include "dba/run_history.h"

namespace rights {

// The module whose rights print, and undo, the declarations.
inline constexpr const char* kDeclarationsModule = "EDITIONDNTVARDEC";

// The permission of `login` on `db`, asked when the run is known.
dba::UndoPermission undoPermission(std::shared_ptr<dba::Database> db, const std::string& login);

}  // namespace rights
