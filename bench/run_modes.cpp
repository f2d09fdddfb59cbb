// The runs of the whole-run benchmark, each building the control and its environment the
// way the command line does, with the printer of the measurement.
#include "bench/run_modes.h"
#include "common/quarter.h"
#include "printing/printer_chooser.h"

#include <sqlite3.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <stdexcept>

#include "control/help.h"
#include "control/ctr_controle.h"
#include "dba/dates.h"
#include "dba/database.h"
#include "dba/dynarray.h"
#include "dba/storage.h"
#include "demo/demo_file.h"
#include "printing/journal_printer.h"
#include "printing/journal_reader.h"
#include "printing/page_model.h"
#include "printing/page_sink.h"
#include "printing/qt/gui_application.h"
#include "printing/qt/printers.h"
#include "printing/qt/qt_printer_system.h"
#include "rights/droits.h"
#include "ui/headless_services.h"
#include "common/declaration_database.h"

namespace benchrun {

namespace {

using Clock = std::chrono::steady_clock;

// The day the runs take as today, so that every run prints the same thing.
constexpr const char* kToday = "15/01/2026";

// A sink that draws nothing: the page model's work is done, the pages go nowhere.
class DiscardingSink : public printing::PageSink {
public:
    void beginPage(int) override {}
    void font(const std::string&, double, bool) override {}
    void width(int) override {}
    void text(double, double, const std::string&) override {}
    void line(double, double, double, double) override {}
    void endDocument() override {}
};

// A printer system of one printer, made on the first selection.
class SinglePrinterSystem : public printing::PrinterSystem {
public:
    SinglePrinterSystem(std::string name, std::function<std::unique_ptr<printing::Printer>()> make)
        : name_(std::move(name)), make_(std::move(make)) {}

    std::vector<std::string> printerNames() override { return {name_}; }
    printing::Printer& select(long index) override {
        if (index != 0) throw std::out_of_range("no printer " + std::to_string(index));
        return current();
    }
    printing::Printer& current() override {
        if (!printer_) printer_ = make_();
        return *printer_;
    }

private:
    std::string name_;
    std::function<std::unique_ptr<printing::Printer>()> make_;
    std::unique_ptr<printing::Printer> printer_;
};

// Answers the printer dialog, which an unattended run never shows.
class FirstPrinter : public printing::PrinterChooser {
public:
    long choose(long& copies) override {
        copies = 1;
        return 0;
    }
};

std::unique_ptr<printing::PrinterSystem> makePrinters(const RunOptions& o) {
    switch (o.output) {
    case Output::Null:
        return std::make_unique<SinglePrinterSystem>("NULL", [] {
            return std::make_unique<printing::PageModel>(std::make_unique<DiscardingSink>(), "NULL");
        });
    case Output::Journal: {
        std::filesystem::path file = o.file;
        return std::make_unique<SinglePrinterSystem>(
            "JOURNAL", [file] { return std::make_unique<printing::JournalPrinter>(file); });
    }
    case Output::Pdf:
        printing::qt::ensureGuiApplication();
        return std::make_unique<printing::qt::QtPrinterSystem>(o.file);
    }
    throw std::logic_error("unknown output");
}

}  // namespace

std::string quarterKey(const std::string& label) {
    const std::optional<dnt::Quarter> quarter = dnt::Quarter::fromLabel(label);
    return quarter ? quarter->key() : label;
}

RunFigures runUnattended(const RunOptions& o) {
    ui::HeadlessServices services;
    control::RecordingHelpService help;
    dba::Utilitaire utilitaire;
    FirstPrinter chooser;
    printing::useChooser(utilitaire, chooser);
    // Made before the clock starts: the PDF printer needs the GUI application, which a
    // host has running long before it prints.
    std::unique_ptr<printing::PrinterSystem> printers = makePrinters(o);

    RunFigures f;
    Clock::time_point start = Clock::now();
    {
        auto db = dnt::openDeclarationDatabase(o.db);
        control::Environment env;
        env.services = &services;
        env.help = &help;
        env.utilitaire = &utilitaire;
        env.printers = printers.get();
        long today = dba::DateInterne(kToday);
        env.today = [today] { return today; };
        env.appPath = std::filesystem::current_path().string();
        control::Ctr_ControleEditVardec ctl(env);
        dnt::SharedState& s = ctl.state();
        // The page count is read at each aidé: the end of the document sets it back to 1.
        s.Progression = [&s, &f](long fait, long) {
            f.aides = fait;
            if (s.Imprimante) f.pages = s.Imprimante->page();
        };
        ctl.setTheDatabase(db);
        ctl.setTheClient(std::make_shared<std::string>("dnt_bench_run"));
        ctl.setDroitsUtilisateur(std::make_shared<rights::DroitsUtilisateur>(db, "bench"));
        ctl.ModeOmr = true;
        ctl.W_IndImpr = 0;
        ctl.W_Trimestre = o.quarterLabel;
        ctl.W_CodeCentreUrssaf = o.centre;
        ctl.W_CodeAideOmr = o.aide;
        ctl.Init();
        f.roundTrips = db->storage().roundTrips();
    }
    printers.reset();  // closes the journal or the PDF file
    f.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return f;
}

double renderJournal(const std::string& journal, const std::string& pdf) {
    printing::qt::ensureGuiApplication();
    Clock::time_point start = Clock::now();
    {
        std::unique_ptr<printing::PageSink> sink = printing::qt::openPdfSink(pdf);
        printing::replayJournalFile(journal, *sink);
    }
    return std::chrono::duration<double>(Clock::now() - start).count();
}

DatabaseFacts readFacts(const std::string& path) {
    DatabaseFacts facts;
    ui::HeadlessServices services;
    control::RecordingHelpService help;
    dba::Utilitaire utilitaire;
    auto db = dnt::openDeclarationDatabase(path);
    control::Environment env;
    env.services = &services;
    env.help = &help;
    env.utilitaire = &utilitaire;
    long today = dba::DateInterne(kToday);
    env.today = [today] { return today; };
    control::Ctr_ControleEditVardec ctl(env);
    ctl.setTheDatabase(db);
    ctl.setDroitsUtilisateur(std::make_shared<rights::DroitsUtilisateur>(db, "bench"));
    ctl.Init();
    for (int i = 0; i < ctl.Cbo_Trimestre->listCount(); ++i) facts.quarters.push_back(ctl.Cbo_Trimestre->list(i));
    for (int i = 1; i <= ctl.ResultatCentres.DCount(); ++i) {
        std::string code = ctl.ResultatCentres.element(i, 1);
        if (!code.empty()) facts.centres.push_back(code);
    }
    dba::DynArray request;
    request.Replace(1, 0, 0, "SSELECT CIVILAIDE");
    request.Replace(2, 0, 0, "CIVILAIDE");
    request.Replace(3, 0, 0, "0");
    dba::DynArray aides;
    aides.setText(db->DBExecute(request.Extract(-1, -1, -1), ""));
    facts.aides = aides.element(1).empty() ? 0 : aides.DCount();
    return facts;
}

std::string generateDatabase(const std::string& path, int aides, unsigned seed) {
    demo::DemoOptions o;
    o.aides = aides;
    o.seed = seed;
    demo::DemoSummary summary = demo::writeDemoDatabase(path, o);
    // Every copy taken later starts from the main file alone.
    sqlite3* sql = nullptr;
    if (sqlite3_open_v2(path.c_str(), &sql, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        std::string message = sql ? sqlite3_errmsg(sql) : "out of memory";
        sqlite3_close(sql);
        throw std::runtime_error("cannot open " + path + ": " + message);
    }
    sqlite3_exec(sql, "PRAGMA wal_checkpoint(TRUNCATE)", nullptr, nullptr, nullptr);
    sqlite3_close(sql);
    return demo::summaryLine(summary);
}

}  // namespace benchrun
