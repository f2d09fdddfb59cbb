// Whether two paths a command names are one file, whatever their spelling: a file that
// exists is known by its device and inode (so a symbolic or a hard link is the file it
// leads to); one that does not yet exist by the real path of its folder and its name (so
// "./x", "dir/../x" and "/abs/x" are one file, and a dangling link is the file it would
// create). Both front ends use it to keep a run's outputs off the database's files and
// off one another, before anything is opened.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace dba {

// A file as a command line or a screen names it: the option that names it ("--output",
// "--db"), the path, and for a database's companion file its suffix ("-wal").
struct NamedFile {
    std::string option;
    std::string path;
    std::string companion;
};

// The files of a database file target: the file, its -wal, -shm, -journal and -locks
// companions, under the name given and under the real path SQLite opens through links.
// None for a server.
std::vector<NamedFile> databaseFiles(const std::string& target, const std::string& option = "--db");

// The first output that is the same file as one of `kept` or as an output before it, with
// that other file; nothing when every output is a file of its own. Empty paths are skipped.
std::optional<std::pair<NamedFile, NamedFile>> sameFile(const std::vector<NamedFile>& kept,
                                                        const std::vector<NamedFile>& outputs);

}  // namespace dba
