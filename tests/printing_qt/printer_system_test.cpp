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

TEST_F(PrinterSystemTest, TheCurrentPrinterIsTheFirstOfTheListUntilOneIsSelected) {
    QtPrinterSystem system(dir / "out.pdf");
    EXPECT_EQ(system.current().deviceName(), "PDF");
}

TEST_F(PrinterSystemTest, SelectingAnotherPrinterEndsTheDocumentOfThePreviousOne) {
    QtPrinterSystem system(dir / "out", dir / "out.journal");
    system.select(1).print("matrix");
    EXPECT_EQ(&system.select(1), &system.current());
    system.current().print("still the same document");
    EXPECT_EQ(system.current().deviceName(), "MATRICIELLE");
    system.select(0);
    // The matrix document was ended and written; the PDF printer only writes at its first page.
    EXPECT_EQ(read(dir / "out"), "matrix\nstill the same document\n");
    system.current().print("pdf");
    system.current().endDoc();
    EXPECT_EQ(read(dir / "out.journal"), "FONT \"Courier New\" 10 0\nTEXT 0 0 \"pdf\"\nEND\n");
}

TEST_F(PrinterSystemTest, AnIndexOutsideTheListIsAnError) {
    QtPrinterSystem system(dir / "out.pdf");
    EXPECT_THROW(system.select(static_cast<long>(system.printerNames().size())), PrinterError);
    EXPECT_THROW(system.select(-1), PrinterError);
}

}  // namespace
}  // namespace printing::qt
