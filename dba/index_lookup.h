// The records a request reads: those its indexes point to, when every alternative of its
// sentence has a condition that an index answers (an equality, or a "]" prefix, on an
// indexed item), else the whole file. The request still tests every condition on each
// record read, so that its result is the same with or without the indexes.
#pragma once

#include "dba/sentence.h"
#include "dba/storage.h"

namespace dba {

// Visits, in key byte order, every record of the sentence's file that may meet it.
void readSelectable(Storage& storage, const Sentence& sentence, const ScanVisitor& visit);

}  // namespace dba
