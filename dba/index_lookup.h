// The records a request reads: those its indexes point to, when every alternative of its
// sentence has a condition that an index answers (an equality, or a "]" prefix, on an
// indexed item), else the whole file. The request still tests every condition on each
// record read, so that its result is the same with or without the indexes.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "dba/sentence.h"
#include "dba/storage.h"

namespace dba {

// The records of the sentence's file that may meet it: the keys its indexes give, or the
// whole file.
class SelectableRecords {
public:
    SelectableRecords(Storage& storage, const Sentence& sentence);
    // Whether read() reads the whole file (and passes over the records no index gave).
    bool wholeFile() const { return !keys_ || keys_->size() > kMostReadByKey; }
    // Visits them in key byte order.
    void read(const ScanVisitor& visit) const;

private:
    // Beyond this many records found, reading the file in order and passing over the others
    // costs less than reading each one by its key.
    static constexpr size_t kMostReadByKey = 5000;

    Storage& storage_;
    const Sentence& sentence_;
    std::optional<std::vector<std::string>> keys_;
};

}  // namespace dba
