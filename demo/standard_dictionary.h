// The twelve dictionary items that every declaration database carries: the names the
// contract sentence and the aidé search use for fields of linked records.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "dba/storage.h"

namespace demo {

const std::vector<dba::DictItem>& standardDictionary();

// Creates the files of the items and writes the items.
void writeStandardDictionary(dba::Storage& storage);

// The secondary indexes a demo database carries (file, item), and their making, once the
// records are written.
const std::vector<std::pair<std::string, std::string>>& standardIndexes();
void writeStandardIndexes(dba::Storage& storage);

}  // namespace demo
