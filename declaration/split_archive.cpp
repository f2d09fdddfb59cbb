// Writing the archive of a run, one PDF per declaration, and putting it in place.
#include "declaration/split_archive.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <system_error>

#include "declaration/declaration_export.h"
#include "printing/output_error.h"

namespace declaration {

namespace fs = std::filesystem;
using Op = printing::RecordedPages::Op;

namespace {

void syncFolder(const fs::path& folder) {
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

class SplitArchive::Following : public printing::PageSink {
public:
    explicit Following(SplitArchive& a) : a_(a) {}
    void beginPage(int) override {
        a_.closePage();
        a_.pages_.push_back({a_.font_, a_.width_});
    }
    void font(const std::string& name, double points, bool bold) override {
        a_.font_ = {Op::Font, name, points, bold ? 1.0 : 0.0};
        draw(a_.font_);
    }
    void width(int drawWidth) override {
        a_.width_ = {Op::Width, {}, static_cast<double>(drawWidth)};
        draw(a_.width_);
    }
    void text(double x, double y, const std::string& text) override { draw({Op::Text, text, x, y}); }
    void line(double x1, double y1, double x2, double y2) override { draw({Op::Line, {}, x1, y1, x2, y2}); }
    void endDocument() override { a_.finish(); }
    void deliver() override { a_.deliver(); }

private:
    void draw(Op op) {
        if (!a_.pages_.empty()) a_.pages_.back().push_back(std::move(op));
    }
    SplitArchive& a_;
};

SplitArchive::SplitArchive(fs::path folder, PdfOpener openPdf) : folder_(std::move(folder)), openPdf_(std::move(openPdf)) {
    std::error_code ec;
    if (fs::exists(fs::symlink_status(folder_, ec)))
        throw printing::OutputError(folder_.string() + " already exists: the archive goes to a new folder");
    const fs::path parent = folder_.parent_path();
    std::string pattern = (parent.empty() ? std::string() : parent.string() + "/") + "." +
                          folder_.filename().string() + ".dnt-XXXXXX";
    if (!::mkdtemp(pattern.data()))  // mode 0700: the files hold names and wages
        throw printing::OutputError("cannot create a folder beside " + folder_.string() + ": " + std::strerror(errno));
    temporary_ = pattern;
    index_ = std::make_unique<printing::OutputFile>(temporary_ / "index.csv", printing::OutputFile::Mode::InPlace);
    // The byte order mark tells a spreadsheet that the file is UTF-8.
    index_->stream() << "\xEF\xBB\xBF" "code_aide;nom_aide;net_a_payer;fichier\r\n";
}

SplitArchive::~SplitArchive() {
    index_.reset();
    if (delivered_) return;
    std::error_code ec;
    fs::remove_all(temporary_, ec);
}

void SplitArchive::add(const dnt::AideDeclaration& d) {
    writePending();
    pending_ = std::make_unique<dnt::AideDeclaration>(d);
    claimed_ = pages_.size();
}

void SplitArchive::closePage() {
    // The last page of a declaration is complete once the next page begins.
    if (pending_) writePending();
}

void SplitArchive::writePending() {
    if (!pending_) return;
    const dnt::AideDeclaration& d = *pending_;
    const std::string name = d.quarterKey + "-" + d.centre + "-" + d.aide + ".pdf";
    std::unique_ptr<printing::PageSink> pdf = openPdf_(temporary_ / name);
    for (std::size_t p = 0; p < claimed_; ++p) {
        pdf->beginPage(static_cast<int>(p + 1));
        for (const Op& op : pages_[p]) {
            switch (op.kind) {
            case Op::Font: pdf->font(op.text, op.a, op.b != 0); break;
            case Op::Width: pdf->width(static_cast<int>(op.a)); break;
            case Op::Text: pdf->text(op.a, op.b, op.text); break;
            case Op::Line: pdf->line(op.a, op.b, op.c, op.d); break;
            }
        }
    }
    pdf->endDocument();
    pdf->deliver();
    index_->stream() << champCsv(d.aide) << ';' << champCsv(d.aideName) << ';' << d.netToPay << ';' << champCsv(name)
                     << "\r\n";
    if (!index_->stream()) throw printing::OutputError(index_->error());
    pages_.erase(pages_.begin(), pages_.begin() + static_cast<std::ptrdiff_t>(claimed_));
    claimed_ = 0;
    pending_.reset();
    ++files_;
}

void SplitArchive::finish() {
    if (finished_) return;
    writePending();
    // Pages no declaration claimed (the further copies of the document) are not archived.
    pages_.clear();
    index_->sync();
    syncFolder(temporary_);
    finished_ = true;
}

void SplitArchive::deliver() {
    finish();
    const int renamed = ::rename(temporary_.c_str(), folder_.c_str());
    // Past this point the records are committed: a finished archive is kept either way.
    delivered_ = true;
    if (renamed != 0)
        throw printing::OutputError("cannot put " + folder_.string() + " in place: " + std::strerror(errno) +
                                    "; the archive is kept as " + temporary_.string());
    syncFolder(folder_.parent_path());
}

std::unique_ptr<printing::PageSink> SplitArchive::followingSink() { return std::make_unique<Following>(*this); }

}  // namespace declaration
