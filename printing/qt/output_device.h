// The PDF writer's device: a QIODevice that writes through an OutputFile, so that the
// PDF lands in a private temporary file, every write is checked (Qt's PDF writer does
// not report failed writes itself), and the file is put in place only on delivery.
#pragma once

#include <QIODevice>

#include <filesystem>
#include <memory>

#include "printing/output_file.h"

namespace printing::qt {

class OutputDevice : public QIODevice {
public:
    // Creates the temporary file and opens the device for writing; OutputError when the
    // file cannot be created.
    explicit OutputDevice(const std::filesystem::path& path);
    ~OutputDevice() override;

    bool isSequential() const override { return true; }
    OutputFile& file() { return *file_; }
    // Raises OutputError when a write has failed.
    void check() const;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override;

private:
    std::unique_ptr<OutputFile> file_;
    bool failed_ = false;
};

}  // namespace printing::qt
