// The server back-end of the store: the same files, records, dictionary items, locks and
// transactions on a PostgreSQL server shared by several desks.
#pragma once

#include <memory>
#include <string>

#include "dba/storage.h"

namespace dba {

// Connects to the server named by a "postgresql:" URI (see openStorage).
std::unique_ptr<Storage> openServerStorage(const std::string& uri, OpenMode mode);

}  // namespace dba
