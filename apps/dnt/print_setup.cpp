// Building the control and its environment for `dnt print`.
#include "apps/dnt/print_setup.h"

#include <algorithm>
#include <filesystem>
#include <iostream>

#include "apps/dnt/cli.h"
#include "apps/dnt/db_target.h"
#include "apps/dnt/run_wait.h"
#include "numbers/ascii.h"
#include "printing/output_file.h"
#include "printing/matrix_rule.h"
#include "printing/qt/gui_application.h"
#include "printing/qt/printers.h"
#include "printing/qt/qt_printer_system.h"
#include "dialogs/selection_individuelle.h"
#include "rights/droits.h"

namespace cli {

namespace {
bool isKey(const std::string& t) {
    return t.size() == 5 && std::all_of(t.begin(), t.end(), dnt::isAsciiDigit) && t[4] >= '1' && t[4] <= '4';
}
}  // namespace

std::string quarterKeyOf(const std::string& q) {
    if (isKey(q) || q.size() < 4) return q;
    return q.substr(q.size() - 4) + q.substr(0, 1);
}

PrintSetup::PrintSetup(const PrintOptions& o, std::shared_ptr<dba::Database> db) : o_(o), services_(nullptr) {
    printing::qt::ensureGuiApplication();
    // The print system is asked for its printers only when one of them is named.
    std::vector<std::string> names = printing::qt::builtInPrinterNames();
    if (!o.printer.empty() && std::find(names.begin(), names.end(), o.printer) == names.end())
        names = printing::qt::printerNames();
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
    const bool text = printing::isMatrixPrinterName(printerName_);
    writesFile_ = text || printerName_ == printing::qt::kPdfPrinterName;
    output_ = o.output;
    if (output_.empty()) output_ = "DNT-" + quarterKeyOf(o.quarter) + "-" + o.centre + (text ? ".txt" : ".pdf");
    refuseDatabaseFile(o.db, output_, "output");
    if (!o.journal.empty() && writesFile_ && std::filesystem::weakly_canonical(o.journal) == std::filesystem::weakly_canonical(output_))
        throw UsageError("--journal and the output are the same file " + output_);
    // The folders of the outputs are tried before anything runs: a file is created there
    // and removed.
    if (writesFile_) printing::OutputFile probe(output_, printing::OutputFile::Mode::Delivered);
    if (!o.journal.empty()) printing::OutputFile probe(o.journal + ".probe", printing::OutputFile::Mode::Delivered);
    if (!o.exportPath.empty()) {
        refuseDatabaseFile(o.db, o.exportPath, "export");
        for (const std::string& other : {writesFile_ ? output_ : std::string(), o.journal})
            if (!other.empty() && std::filesystem::weakly_canonical(other) == std::filesystem::weakly_canonical(o.exportPath))
                throw UsageError("--export " + o.exportPath + " is also an output of the run: choose another file");
        export_ = std::make_unique<printing::DeclarationExport>(o.exportPath);
    }
    printers_ = std::make_unique<printing::qt::QtPrinterSystem>(output_, o.journal);
    utilitaire_.setChooser(this);

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
    if (export_) control_->state().Declaree = [this](const dnt::DeclarationAide& d) { export_->add(d); };
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

void PrintSetup::deliverExport() {
    if (export_) export_->deliver();
}

long PrintSetup::choose(long& copies) {
    copies = o_.copies;
    return printerIndex_;
}

}  // namespace cli
