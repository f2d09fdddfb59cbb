// The copy of a database between stores.
#include "dba/copy.h"

#include "dba/errors.h"

namespace dba {

CopyCounts copyDatabase(Storage& from, Storage& to, bool replace) {
    CopyCounts n;
    to.transaction([&] {
        if (!to.fileNames().empty() || !to.dictItems().empty()) {
            if (!replace)
                throw DbError(kErrStorage, to.where() + " already holds a declaration database: it is replaced only "
                                                        "when asked (--replace)");
            to.clear();
        }
        from.snapshot([&] {
            const std::vector<std::string> files = from.fileNames();
            for (const std::string& file : files) {
                to.createFile(file);
                ++n.files;
            }
            for (const DictItem& item : from.dictItems()) {
                to.putDict(item);
                ++n.dictItems;
            }
            for (const std::string& file : files) {
                from.scan(file, [&](std::string_view key, std::string_view data) {
                    to.put(file, key, data);
                    ++n.records;
                });
            }
            // The indexes too, made from the records copied: the copy answers requests as
            // the original does.
            for (const IndexDef& index : from.indexes()) to.createIndex(index.file, index.item);
        });
    });
    return n;
}

}  // namespace dba
