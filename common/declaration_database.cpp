// The files a declaration run writes, and the database opened with them.
#include "common/declaration_database.h"

namespace dnt {

const std::vector<std::string>& declarationRunFiles() {
    static const std::vector<std::string> files{"REGULDNT", "DETAILCHGPARTEMP"};
    return files;
}

std::shared_ptr<dba::Database> openDeclarationDatabase(const std::string& target, dba::OpenMode mode) {
    std::shared_ptr<dba::Database> db = dba::Database::Open(target, mode);
    db->storage().setRunFiles(declarationRunFiles());
    return db;
}

}  // namespace dnt
