// File identity by device and inode, or by real folder and name.
#include "dba/file_identity.h"

#include <sys/stat.h>

#include <filesystem>
#include <system_error>

#include "dba/sqlite_storage.h"
#include "dba/storage.h"

namespace dba {

namespace fs = std::filesystem;

namespace {

struct Identity {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    std::string where;  // real folder and name, for a file not there yet

    bool operator==(const Identity& o) const {
        if (exists != o.exists) return false;
        return exists ? device == o.device && inode == o.inode : where == o.where;
    }
};

Identity identityOf(const std::string& text) {
    fs::path path = text;
    struct stat st {};
    // Creating the file through a dangling link creates the link's target: the links are
    // followed by hand, as far as the kernel would (40 of them).
    for (int links = 0; links <= 40; ++links) {
        if (::stat(path.c_str(), &st) == 0) return {true, st.st_dev, st.st_ino, {}};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
        std::error_code ec;
        fs::path target = fs::read_symlink(path, ec);
        if (ec) break;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    std::error_code ec;
    fs::path absolute = fs::absolute(path, ec);
    if (ec) absolute = path;
    fs::path folder = fs::weakly_canonical(absolute.parent_path(), ec);
    if (ec) folder = absolute.parent_path().lexically_normal();
    return {false, 0, 0, (folder / absolute.filename()).string()};
}

}  // namespace

std::vector<NamedFile> databaseFiles(const std::string& target, const std::string& option) {
    std::vector<NamedFile> files;
    if (target.empty() || isServerTarget(target) || target == ":memory:") return files;
    std::vector<std::string> bases = {target};
    std::error_code ec;
    fs::path real = fs::canonical(target, ec);
    if (!ec && real.string() != target) bases.push_back(real.string());
    for (const std::string& base : bases)
        for (const std::string& file : SqliteStorage::companions(base))
            files.push_back({option, file, file.substr(base.size())});
    return files;
}

std::optional<std::pair<NamedFile, NamedFile>> sameFile(const std::vector<NamedFile>& kept,
                                                        const std::vector<NamedFile>& outputs) {
    std::vector<std::pair<const NamedFile*, Identity>> seen;
    for (const NamedFile& f : kept)
        if (!f.path.empty()) seen.emplace_back(&f, identityOf(f.path));
    for (const NamedFile& out : outputs) {
        if (out.path.empty()) continue;
        const Identity id = identityOf(out.path);
        for (const auto& [other, otherId] : seen)
            if (id == otherId) return std::make_pair(out, *other);
        seen.emplace_back(&out, id);
    }
    return std::nullopt;
}

}  // namespace dba
