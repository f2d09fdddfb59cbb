// What `dnt print` builds around the control: options, headless services that write
// message boxes on standard error, the printers, and the answers to the printer dialog.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "control/ctr_controle.h"
#include "printing/printer_chooser.h"
#include "declaration/declaration_export.h"
#include "declaration/split_archive.h"
#include "printing/printer_system.h"
#include "ui/headless_services.h"

namespace cli {

struct PrintOptions {
    std::string db, quarter, centre;
    bool omr = false;
    std::string aide;
    int16_t pagesBefore = 0, pagesAfter = 0, pagesMax = 0;
    std::string from, to;
    std::vector<std::string> select;
    bool entite = true, prelevement = true, aide_ = true;
    std::string sort = "alpha";
    long copies = 1;
    std::string printer, output, journal;
    long today = 0;
    std::string user;
    bool userGiven = false;  // by --user, rather than taken from the environment
    bool progress = false;
    bool dryRun = false;        // print, write nothing
    std::string exportPath;     // the structured export, .csv or .json
    std::string split;          // the archive's folder, one PDF per declaration
    std::string options;        // the run's choices as given, for the history of runs
    long waitSeconds = 300;     // the longest wait for another desk's run of the pair
    int threads = 2;            // 2: pages painted on a thread of their own; 1: on the run's
};

int printDeclarations(const PrintOptions& o);

// "20251" from a label or a key.
std::string quarterKeyOf(const std::string& labelOrKey);

// Whether the printer of --printer writes a file (the PDF and matrix printers).
bool writesFile(const PrintOptions& o);
// The file the PDF and matrix printers write: --output, else DNT-<key>-<centre>.pdf (.txt
// for a matrix printer).
std::string outputFile(const PrintOptions& o);
// Refuses (UsageError) outputs that are folders, the database's files or one another.
// Called before anything is opened.
void refuseOutputs(const PrintOptions& o);

class PrintSetup : private printing::PrinterChooser {
public:
    PrintSetup(const PrintOptions& o, std::shared_ptr<dba::Database> db);
    ~PrintSetup() override;

    control::Ctr_ControleEditVardec& control() { return *control_; }
    ui::HeadlessServices& services() { return services_; }
    long printerIndex() const { return printerIndex_; }
    const std::string& outputPath() const { return output_; }
    // Where the declarations went: the output file of the PDF and matrix printers, else
    // the printer's name.
    std::string destination() const { return writesFile_ ? output_ : printerName_; }

private:
    long choose(long& copies) override;

    const PrintOptions& o_;
    ui::HeadlessServices services_;
    control::RecordingHelpService help_;
    dba::Utilitaire utilitaire_;
    std::unique_ptr<declaration::DeclarationExport> export_;  // followed by the printers' documents
    std::unique_ptr<declaration::SplitArchive> archive_;       // the same
    std::unique_ptr<printing::PrinterSystem> printers_;
    long printerIndex_ = 0;
    std::string printerName_;
    bool writesFile_ = true;
    std::string output_;
    std::unique_ptr<control::Ctr_ControleEditVardec> control_;
};

}  // namespace cli
