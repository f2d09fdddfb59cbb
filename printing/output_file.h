// A file a run writes: created with mode 0600 (it holds names, wages and bank accounts),
// every write checked. A delivered output (the PDF, the text of matrix printers) is
// written to a temporary file beside its place, synced to disk, and renamed into place
// only by deliver(); one never delivered leaves nothing behind. An in-place output (the
// print journal) is written where it belongs from the first byte.
#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>

namespace printing {

class OutputFile {
public:
    enum class Mode { Delivered, InPlace };

    // Creates the file (the temporary one when delivered); OutputError when it cannot.
    OutputFile(std::filesystem::path path, Mode mode);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Writes bytes (buffered); OutputError on the first failure, and on every later call.
    void write(const char* data, std::size_t size);
    // Writes the buffer out and syncs the file to disk.
    void sync();
    // Syncs, then renames a delivered file into place and syncs its folder.
    void deliver();
    bool delivered() const { return delivered_; }
    // Leaves a delivered output's temporary file where it is when this object goes: a
    // finished file that could not be put in place is still worth having.
    void keep() { kept_ = true; }

    // A stream over the file for writers that speak std::ostream: a failed write sets
    // its badbit; error() then says why.
    std::ostream& stream() { return *stream_; }
    const std::string& error() const { return error_; }
    const std::filesystem::path& path() const { return path_; }
    const std::filesystem::path& writtenPath() const { return written_; }

private:
    class Buf;
    void flushBuffer();
    [[noreturn]] void fail(const std::string& what, int err);

    std::filesystem::path path_;
    std::filesystem::path written_;
    Mode mode_;
    int fd_ = -1;
    bool delivered_ = false;
    bool kept_ = false;
    std::string buffer_;
    std::string error_;
    std::unique_ptr<Buf> buf_;
    std::unique_ptr<std::ostream> stream_;
};

}  // namespace printing
