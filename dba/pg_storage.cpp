// The server back-end of the store.
#include "dba/pg_storage.h"

#include "dba/errors.h"

namespace dba {

std::unique_ptr<Storage> openServerStorage(const std::string& uri, OpenMode) {
    throw DbError(kErrStorage, "cannot open " + uri + ": this build has no PostgreSQL back-end yet");
}

}  // namespace dba
