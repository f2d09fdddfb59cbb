// Copying a whole declaration database from one store to another, file or server, so that
// both then export the same bytes.
#pragma once

#include "dba/storage.h"

namespace dba {

struct CopyCounts {
    long files = 0;
    long records = 0;
    long dictItems = 0;
};

// Copies every file, dictionary item and record of `from`, read on one snapshot, into `to`
// in one transaction. A destination that holds data is refused with DbError(kErrStorage),
// unless `replace`: it is then emptied first, in the same transaction.
CopyCounts copyDatabase(Storage& from, Storage& to, bool replace);

}  // namespace dba
