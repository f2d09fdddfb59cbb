// A control on a real database, with headless services, recorded help, a scripted printer dialog and journal printers.
#pragma once

#include <gtest/gtest.h>

#include <sstream>

#include "support/database.h"
#include "printing/printer_chooser.h"
#include "control/ctr_controle.h"
#include "dba/dates.h"
#include "printing/journal_printer.h"
#include "printing/text_printer.h"
#include "rights/droits.h"
#include "ui/driver.h"
#include "ui/headless_services.h"

namespace testsupport {

struct PreviewJournal : printing::JournalPrinter {
    using JournalPrinter::JournalPrinter;
    bool preview() const override { return true; }
};
// Printers whose pages go to journals kept in memory; the second is a matrix printer,
// named in mixed case as a system's queue may be.
class JournalPrinters : public printing::PrinterSystem {
public:
    std::vector<std::string> printerNames() override { return {"JOURNAL", "Epson_Matricielle"}; }
    printing::Printer& select(long index) override {
        if (index < 0 || index > 1) throw std::out_of_range("no printer " + std::to_string(index));
        selected = index;
        return printer(index);
    }
    printing::Printer& current() override { return printer(selected); }
    std::string journal(long index = 0) { return out[index].str(); }
    // Starts again with empty journals.
    void reset() {
        for (int i : {0, 1}) printers[i].reset(), out[i].str("");
    }

    long selected = 0;
    bool previewFirst = false;  // the first printer is a preview: its runs keep no record

private:
    printing::Printer& printer(long index) {
        auto& p = printers[index];
        if (!p && index == 1) p = std::make_unique<printing::TextPrinter>(out[1], "Epson_Matricielle");
        if (!p) p = previewFirst ? std::make_unique<PreviewJournal>(out[0]) : std::make_unique<printing::JournalPrinter>(out[0]);
        return *p;
    }
    std::ostringstream out[2];
    std::unique_ptr<printing::Printer> printers[2];
};

struct ScriptedChooser : printing::PrinterChooser {
    long index = 0, copies = 1;
    int calls = 0;
    long choose(long& c) override { return ++calls, c = copies, index; }
};

class ControlFixture : public ::testing::Test {
protected:
    TempDb tmp;
    std::shared_ptr<dba::Database> db;
    ui::HeadlessServices services;
    control::RecordingHelpService help;
    dba::Utilitaire utilitaire;
    ScriptedChooser chooser;
    JournalPrinters printers;
    std::unique_ptr<control::Ctr_ControleEditVardec> ctl;
    std::unique_ptr<ui::Driver> person;

    void SetUp() override { db = loadSample(tmp); }

    // Creates the control as a host does, and calls Init unless asked not to.
    void create(const std::string& user = "quelquun", bool init = true) {
        printing::useChooser(utilitaire, chooser);
        control::Environment env;
        env.services = &services, env.help = &help, env.utilitaire = &utilitaire, env.printers = &printers;
        env.today = [] { return dba::DateInterne("15/07/2013"); }, env.appPath = "/opt/dnt";
        ctl = std::make_unique<control::Ctr_ControleEditVardec>(env);
        ctl->setTheDatabase(db);
        ctl->setTheClient(std::make_shared<int>(1));
        ctl->setDroitsUtilisateur(std::make_shared<rights::DroitsUtilisateur>(db, user));
        person = std::make_unique<ui::Driver>(ctl->surface());
        if (init) ctl->Init();
    }

    void enterCentre(const std::string& code) {
        person->replaceText(*ctl->Txt_CtrUrssaf, code);
        person->tab();
    }

    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const auto& m : services.messages()) texts.push_back(m.text);
        return texts;
    }
};

}  // namespace testsupport
