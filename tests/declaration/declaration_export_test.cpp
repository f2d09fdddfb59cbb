// The structured export: text cells a spreadsheet would run stay texts, figures stay
// figures, and the file is on disk before the commit and in place only once delivered.
#include "declaration/declaration_export.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/database.h"

namespace declaration {
namespace {

namespace fs = std::filesystem;
using testsupport::slurp;

dnt::AideDeclaration declaration(const std::string& nomAide) {
    dnt::AideDeclaration d;
    d.quarterKey = "20251";
    d.centre = "75";
    d.aide = "01010";
    d.aideName = nomAide;
    dnt::DeclaredLine l;
    l.aidant = "A0001";
    l.aidantName = "MEYER";
    l.hours = "130.00";
    l.netHourly = "-7.38";
    l.amounts = {"-37", "273", "", "", "", "", "", ""};
    d.lines = {l};
    d.adjustment = -4952;
    d.netToPay = -3586;
    d.payment = "aide";
    return d;
}

// The temporary files of a folder (the export before it is put in place).
std::vector<fs::path> temporaries(const std::string& dir) {
    std::vector<fs::path> found;
    for (const auto& e : fs::directory_iterator(dir))
        if (e.path().filename().string().rfind(".", 0) == 0) found.push_back(e.path());
    return found;
}

TEST(DeclarationExport, TextCellsThatASpreadsheetWouldRunStayTexts) {
    const std::vector<std::pair<std::string, std::string>> cells = {
        {"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""}, {"+33 1", "'+33 1"}, {"-DUPONT", "'-DUPONT"},
        {"@SUM(A1)", "'@SUM(A1)"}, {"\tTAB", "'\tTAB"}, {"\rCR", "\"'\rCR\""}, {"ANDRÉ-MARTIN", "ANDRÉ-MARTIN"},
    };
    testsupport::TempDb tmp;
    for (const auto& [name, cell] : cells) {
        const std::string csv = tmp.dir() + "/e.csv", json = tmp.dir() + "/e.json";
        for (const std::string& path : {csv, json}) {
            DeclarationExport e(path);
            e.add(declaration(name));
            e.deliver();
        }
        const std::string row = slurp(csv).substr(slurp(csv).find("\r\n") + 2);
        // The figures, negative ones too, are numbers as printed.
        EXPECT_EQ(row, "20251;75;01010;" + cell + ";A0001;MEYER;130,00;-7,38;-37;273;;;;;;;0;0;0;0;0;0;0;0;-4952;0;0;-3586;aide\r\n")
            << name;
        EXPECT_NE(slurp(json).find("\"nom\": " + nlohmann::json(name).dump()), std::string::npos) << name;
        EXPECT_NE(slurp(json).find("\"ajouter_deduire\": -4952"), std::string::npos);
    }
}

// The export follows the printed document: ended and on disk when the document is (before
// the records are committed), put in place when it is delivered; a place it cannot take
// then keeps the finished file under its temporary name.
TEST(DeclarationExport, FinishedBeforeTheCommitAndPutInPlaceAtDelivery) {
    testsupport::TempDb tmp;
    for (const bool placeTaken : {false, true}) {
        const std::string json = tmp.dir() + "/e" + std::to_string(placeTaken) + ".json";
        DeclarationExport e(json);
        std::unique_ptr<printing::PageSink> sink = e.followingSink();
        e.add(declaration("DUPONT"));
        sink->text(0, 0, "drawn elsewhere");
        sink->endDocument();
        ASSERT_EQ(temporaries(tmp.dir()).size(), 1u);
        const fs::path temporary = temporaries(tmp.dir()).front();
        const std::string finished = slurp(temporary.string());
        EXPECT_EQ(finished.substr(finished.size() - 3), "\n]\n");
        EXPECT_FALSE(fs::exists(json));
        EXPECT_THROW(e.add(declaration("LATE")), printing::OutputError);
        if (!placeTaken) {
            sink->deliver();
            EXPECT_EQ(slurp(json), finished);
            EXPECT_TRUE(temporaries(tmp.dir()).empty());
            continue;
        }
        fs::create_directories(json + "/inside");
        try {
            sink->deliver();
            ADD_FAILURE() << "put in place over a folder";
        } catch (const ExportNotDelivered& failed) {
            EXPECT_EQ(failed.kept, temporary);
            EXPECT_EQ(slurp(temporary.string()), finished);
        }
    }
}

}  // namespace
}  // namespace declaration
