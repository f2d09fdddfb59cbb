// Building the control and its environment for `dnt print`.
#include "apps/dnt/print_setup.h"
#include "printing/printer_chooser.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <system_error>

#include "apps/dnt/cli.h"
#include "common/quarter.h"
#include "apps/dnt/db_target.h"
#include "apps/dnt/run_wait.h"
#include "printing/output_file.h"
#include "printing/matrix_rule.h"
#include "printing/loaded_printer_system.h"
#include "printing/qt/printers.h"
#include "printing/qt_module.h"
#include "printing/tee_sink.h"
#include "dialogs/selection_individuelle.h"
#include "rights/droits.h"

namespace cli {

std::string quarterKeyOf(const std::string& q) {
    if (std::optional<dnt::Quarter> quarter = dnt::Quarter::fromKey(q)) return quarter->key();
    if (std::optional<dnt::Quarter> quarter = dnt::Quarter::fromLabel(q)) return quarter->key();
    return q;
}

bool writesFile(const PrintOptions& o) {
    return o.printer.empty() || o.printer == printing::qt::kPdfPrinterName || printing::isMatrixPrinterName(o.printer);
}

std::string outputFile(const PrintOptions& o) {
    if (!o.output.empty()) return o.output;
    const bool text = printing::isMatrixPrinterName(o.printer);
    return "DNT-" + quarterKeyOf(o.quarter) + "-" + o.centre + (text ? ".txt" : ".pdf");
}

void refuseOutputs(const PrintOptions& o) {
    const std::vector<dba::NamedFile> outputs = {
        {"--output", writesFile(o) ? outputFile(o) : std::string(), {}},
        {"--journal", o.journal, {}},
        {"--export", o.exportPath, {}},
        {"--split", o.split, {}},
    };
    std::error_code ec;
    // An archive is never merged into, nor written over: it goes to a new folder.
    if (!o.split.empty() && std::filesystem::exists(std::filesystem::symlink_status(o.split, ec)))
        throw UsageError("--split " + o.split + " already exists: name a new folder");
    if (!o.split.empty() && printing::isMatrixPrinterName(o.printer))
        throw UsageError("--split archives the pages of the PDF and the system printers, not of " + o.printer);
    // A folder in an output's place would refuse the file only when it is put in place,
    // after the records are committed.
    for (const dba::NamedFile& f : outputs) {
        if (!f.path.empty() && f.option != "--split" && std::filesystem::is_directory(f.path, ec))
            throw UsageError(f.option + " " + f.path + " is a folder: name a file");
    }
    refuseSameFiles(o.db, outputs);
}

PrintSetup::PrintSetup(const PrintOptions& o, std::shared_ptr<dba::Database> db) : o_(o), services_(nullptr) {
    // The print system is asked for its printers only when one of them is named; Qt is
    // loaded only for the PDF and system printers.
    std::vector<std::string> names = printing::LoadedPrinterSystem::builtInPrinters();
    if (!o.printer.empty() && std::find(names.begin(), names.end(), o.printer) == names.end())
        names = printing::qtModule().printerNames();
    if (!o.printer.empty()) {
        auto it = std::find(names.begin(), names.end(), o.printer);
        if (it == names.end()) {
            std::string list;
            for (const auto& n : names) list += " \"" + n + "\"";
            throw UsageError("no printer \"" + o.printer + "\"; the printers are:" + list);
        }
        printerIndex_ = it - names.begin();
    }
    printerName_ = names[printerIndex_];
    writesFile_ = writesFile(o);
    output_ = outputFile(o);
    // The folders of the outputs are tried before anything runs: a file is created there
    // and removed. (That they are files of their own was checked before the database opened.)
    if (writesFile_) printing::OutputFile probe(output_, printing::OutputFile::Mode::Delivered);
    if (!o.journal.empty() && !printing::OutputFile::isDevice(o.journal))
        printing::OutputFile probe(o.journal + ".probe", printing::OutputFile::Mode::Delivered);
    // One aidé's declaration has nothing to paint while the next is computed.
    const bool spool = o.threads > 1 && !(o.omr && !o.aide.empty());
    auto printers = std::make_unique<printing::LoadedPrinterSystem>(output_, o.journal, spool);
    // The export and the archive are ended with the document, before the records are
    // committed, and put in place after it.
    if (!o.exportPath.empty()) export_ = std::make_unique<declaration::DeclarationExport>(o.exportPath);
    if (!o.split.empty())
        archive_ = std::make_unique<declaration::SplitArchive>(
            o.split, [](const std::filesystem::path& file) { return printing::qtModule().openPdfSink(file); });
    if (export_ || archive_) {
        printers->follow([this]() -> std::unique_ptr<printing::PageSink> {
            if (!archive_) return export_->followingSink();
            if (!export_) return archive_->followingSink();
            return std::make_unique<printing::TeeSink>(export_->followingSink(), archive_->followingSink());
        });
    }
    printers_ = std::move(printers);
    printing::useChooser(utilitaire_, *this);

    services_.onMessage = [](const ui::HeadlessServices::Message& m) { std::cerr << m.text << "\n"; };

    control::Environment env;
    env.services = &services_;
    env.help = &help_;
    env.utilitaire = &utilitaire_;
    env.printers = printers_.get();
    long today = o.today;
    env.today = [today] { return today; };
    env.appPath = std::filesystem::current_path().string();
    // The aidés chosen one by one are typed into the individual selection dialog.
    std::vector<std::string> codes = o.select;
    env.selectionIndividuelle = [this, codes](dnt::SharedState& s, const std::string& centre) {
        dialogs::selectionParCodes(s, services_, centre, codes);
    };
    env.enregistrer = !o.dryRun;
    env.attenteRun = runWait(o.waitSeconds, quarterKeyOf(o.quarter), o.centre);
    env.descriptionRun = [this] {
        dba::RunInfo run;
        run.login = o_.user;
        run.options = o_.options;
        run.output = destination();
        return run;
    };
    control_ = std::make_unique<control::Ctr_ControleEditVardec>(env);
    if (export_ || archive_)
        control_->state().onDeclared = [this](const dnt::AideDeclaration& d) {
            if (export_) export_->add(d);
            if (archive_) archive_->add(d);
        };
    if (o.progress) {
        // One line on the terminal, rewritten after each aidé.
        dnt::SharedState& s = control_->state();
        s.Progression = [&s](long fait, long total) {
            int pages = s.Imprimante ? s.Imprimante->page() : 0;
            std::cerr << "\raidés " << fait << "/" << total << ", pages " << pages << std::flush;
            if (fait == total) std::cerr << "\n";
        };
    }
    control_->setTheDatabase(db);
    control_->setTheClient(std::make_shared<std::string>("dnt print"));
    control_->setDroitsUtilisateur(std::make_shared<rights::DroitsUtilisateur>(db, o.user));
}

PrintSetup::~PrintSetup() { control_.reset(); }

long PrintSetup::choose(long& copies) {
    copies = o_.copies;
    return printerIndex_;
}

}  // namespace cli
