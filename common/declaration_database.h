// The database as the declarations use it: opened with the files a run writes named to the
// store, so that a run, an undo or an index is checked against the program's own list.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "dba/database.h"

namespace dnt {

// The files a run writes: each aidé's regularisation (REGULDNT) and its employer
// contributions' details (DETAILCHGPARTEMP), in the order the print loop writes them.
const std::vector<std::string>& declarationRunFiles();

// Opens a database (a file path or a "postgresql:" URI) and tells its store the files
// above.
std::shared_ptr<dba::Database> openDeclarationDatabase(const std::string& target,
                                                       dba::OpenMode mode = dba::OpenMode::ReadWrite);

}  // namespace dnt
