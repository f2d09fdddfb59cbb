// Choosing the current printer from the system's list.
#include "printing/printer_error.h"
#include "printing/qt/qt_printer_system.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace printing::qt {
namespace {

namespace fs = std::filesystem;

class PrinterSystemTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "dnt-printers-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string read(const fs::path& f) {
        std::ifstream in(f, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    fs::path dir;
};

// A file is put in place only when its document is ended; a printer selected again starts
// anew, and a document left open on it is abandoned without a trace.
TEST_F(PrinterSystemTest, OnlyAnEndedDocumentIsDeliveredAndIndexesAreChecked) {
    auto owned = std::make_unique<QtPrinterSystem>(dir / "out", dir / "out.journal");
    QtPrinterSystem& system = *owned;
    system.select(1).print("left open");
    EXPECT_EQ(system.current().deviceName(), "MATRICIELLE");
    system.select(1).print("matrix");
    EXPECT_FALSE(std::filesystem::exists(dir / "out"));
    system.current().endDoc();
    EXPECT_EQ(read(dir / "out"), "matrix\n");
    EXPECT_EQ(read(dir / "out.journal"), "FONT \"Courier New\" 10 0\nTEXT 0 0 \"matrix\"\nEND\n");
    system.select(0).print("pdf");
    owned.reset();
    EXPECT_EQ(read(dir / "out"), "matrix\n") << "the abandoned PDF left nothing";
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir)) names.push_back(e.path().filename().string());
    EXPECT_EQ(names.size(), 2u) << "no temporary file left";
    // An index outside the list is an error.
    QtPrinterSystem other(dir / "out.pdf");
    EXPECT_THROW(other.select(static_cast<long>(other.printerNames().size())), PrinterError);
    EXPECT_THROW(other.select(-1), PrinterError);
}

}  // namespace
}  // namespace printing::qt
