// The PDF writer's checked device.
#include "printing/qt/output_device.h"

#include "printing/output_error.h"

namespace printing::qt {

OutputDevice::OutputDevice(const std::filesystem::path& path)
    : file_(std::make_unique<OutputFile>(path, OutputFile::Mode::Delivered)) {
    QIODevice::open(QIODevice::WriteOnly);
}

OutputDevice::~OutputDevice() = default;

qint64 OutputDevice::writeData(const char* data, qint64 size) {
    if (failed_) return -1;
    try {
        file_->write(data, static_cast<std::size_t>(size));
        return size;
    } catch (const OutputError& e) {
        failed_ = true;
        setErrorString(QString::fromStdString(e.what()));
        return -1;
    }
}

void OutputDevice::check() const {
    if (failed_ || !file_->error().empty()) throw OutputError(file_->error());
}

}  // namespace printing::qt
