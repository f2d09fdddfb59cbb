// Output files created private, written with checks, delivered by rename.
#include "printing/output_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <streambuf>

#include "printing/output_error.h"

namespace printing {

namespace {
constexpr std::size_t kBufferSize = 1 << 16;
}  // namespace

// The stream buffer: hands every character to the file; a failure reaches the stream
// as an end of file, which sets its badbit.
class OutputFile::Buf : public std::streambuf {
public:
    explicit Buf(OutputFile& file) : file_(file) {}

protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        char ch = traits_type::to_char_type(c);
        return xsputn(&ch, 1) == 1 ? c : traits_type::eof();
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        try {
            file_.write(s, static_cast<std::size_t>(n));
            return n;
        } catch (const OutputError&) {
            return 0;
        }
    }
    int sync() override {
        try {
            file_.flushBuffer();
            return 0;
        } catch (const OutputError&) {
            return -1;
        }
    }

private:
    OutputFile& file_;
};

OutputFile::OutputFile(std::filesystem::path path, Mode mode) : path_(std::move(path)), mode_(mode) {
    if (mode_ == Mode::InPlace) {
        written_ = path_;
        fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    } else {
        std::filesystem::path folder = path_.parent_path();
        std::string pattern = (folder.empty() ? std::string() : folder.string() + "/") + "." +
                              path_.filename().string() + ".dnt-XXXXXX";
        fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);  // mode 0600
        written_ = pattern;
    }
    if (fd_ < 0) {
        error_ = "cannot create " + path_.string() + ": " + std::strerror(errno);
        throw OutputError(error_);
    }
    buffer_.reserve(kBufferSize);
    buf_ = std::make_unique<Buf>(*this);
    stream_ = std::make_unique<std::ostream>(buf_.get());
}

OutputFile::~OutputFile() {
    if (fd_ >= 0) ::close(fd_);
    if (mode_ == Mode::Delivered && !delivered_ && !kept_) ::unlink(written_.c_str());
}

void OutputFile::fail(const std::string& what, int err) {
    error_ = "cannot " + what + " " + path_.string() + ": " + std::strerror(err);
    throw OutputError(error_);
}

void OutputFile::write(const char* data, std::size_t size) {
    if (!error_.empty()) throw OutputError(error_);
    if (buffer_.size() + size > kBufferSize) flushBuffer();
    if (size >= kBufferSize) {
        while (size > 0) {
            ssize_t n = ::write(fd_, data, size);
            if (n < 0) {
                if (errno == EINTR) continue;
                fail("write", errno);
            }
            data += n;
            size -= static_cast<std::size_t>(n);
        }
        return;
    }
    buffer_.append(data, size);
}

void OutputFile::flushBuffer() {
    if (!error_.empty()) throw OutputError(error_);
    const char* p = buffer_.data();
    std::size_t left = buffer_.size();
    while (left > 0) {
        ssize_t n = ::write(fd_, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            fail("write", errno);
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    buffer_.clear();
}

void OutputFile::sync() {
    stream_->flush();
    flushBuffer();
    if (::fsync(fd_) != 0) fail("write", errno);
}

void OutputFile::deliver() {
    sync();
    if (mode_ == Mode::Delivered) {
        if (::rename(written_.c_str(), path_.c_str()) != 0) fail("put in place", errno);
        std::filesystem::path folder = path_.parent_path();
        int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir >= 0) {
            ::fsync(dir);
            ::close(dir);
        }
    }
    delivered_ = true;
}

}  // namespace printing
