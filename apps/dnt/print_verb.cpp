// `dnt print`: prints the declarations of a quarter without a screen. Outside the
// unattended mode it acts as a person at the selection screen would; with --omr it
// sets the unattended members and calls Init, as a host does.
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <iostream>
#include <sstream>

#include "apps/dnt/cli.h"
#include "apps/dnt/print_setup.h"
#include "control/ctr_controle.h"
#include "dba/dates.h"
#include "dba/errors.h"
#include "ui/driver.h"
#include "ui/headless_services.h"

namespace cli {

namespace {

const char* kPrintUsage =
    "usage: dnt print --db PATH --quarter LABEL|KEY --centre CODE [--from TEXT] [--to TEXT]\n"
    "                 [--select CODE,...] [--modes entite,prelevement,aide] [--sort alpha|commune|secteur|responsable]\n"
    "                 [--copies N] [--printer NAME] [--output PATH] [--journal PATH]\n"
    "                 [--today DD/MM/YYYY] [--user LOGIN]\n"
    "                 [--omr [--aide CODE] [--pages-before N] [--pages-after N] [--pages-max N]]\n";

std::vector<std::string> splitList(const std::string& text) {
    std::vector<std::string> items;
    std::stringstream in(text);
    std::string item;
    while (std::getline(in, item, ','))
        if (!item.empty()) items.push_back(item);
    return items;
}

long todayDayNumber() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return dba::FromYmd(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

// The quarter list's item named by a label or by its key ("20251").
int findQuarter(ui::ComboBox& combo, const std::string& wanted) {
    for (int i = 0; i < combo.listCount(); ++i) {
        std::string label = combo.list(i);
        if (label == wanted || quarterKeyOf(label) == wanted) return i;
    }
    return -1;
}

}  // namespace

int runPrint(int argc, char** argv) {
    Args a = parseArgs(argc, argv, 2,
                       {"db", "quarter", "centre", "omr", "aide", "pages-before", "pages-after", "pages-max", "from",
                        "to", "select", "modes", "sort", "copies", "printer", "output", "journal", "today", "user"},
                       {"omr"});
    if (!a.positional.empty()) throw UsageError("unexpected argument " + a.positional[0] + "\n" + kPrintUsage);
    PrintOptions o;
    o.db = a.require("db");
    o.quarter = a.require("quarter");
    o.centre = a.require("centre");
    o.omr = a.has("omr");
    for (const char* omrOnly : {"aide", "pages-before", "pages-after", "pages-max"})
        if (a.has(omrOnly) && !o.omr) throw UsageError(std::string("--") + omrOnly + " goes with --omr");
    if (o.omr && (a.has("from") || a.has("to") || a.has("select")))
        throw UsageError("--from, --to and --select are choices of the screen, not of the unattended mode");
    o.aide = a.get("aide");
    o.pagesBefore = static_cast<int16_t>(a.number("pages-before", 0, 0, 32767));
    o.pagesAfter = static_cast<int16_t>(a.number("pages-after", 0, 0, 32767));
    o.pagesMax = static_cast<int16_t>(a.number("pages-max", 0, 0, 32767));
    o.from = a.get("from");
    o.to = a.get("to");
    o.select = splitList(a.get("select"));
    if (a.has("select") && o.select.empty()) throw UsageError("--select needs at least one aidé code");
    if (a.has("modes")) {
        o.entite = o.prelevement = o.aide_ = false;
        for (const std::string& m : splitList(a.get("modes"))) {
            if (m == "entite") o.entite = true;
            else if (m == "prelevement") o.prelevement = true;
            else if (m == "aide") o.aide_ = true;
            else throw UsageError("unknown payment mode \"" + m + "\" (entite, prelevement, aide)");
        }
    }
    o.sort = a.get("sort", "alpha");
    if (o.sort != "alpha" && o.sort != "commune" && o.sort != "secteur" && o.sort != "responsable")
        throw UsageError("unknown sort \"" + o.sort + "\" (alpha, commune, secteur, responsable)");
    o.copies = a.number("copies", 1, 1, 999);
    o.printer = a.get("printer");
    o.output = a.get("output");
    o.journal = a.get("journal");
    if (a.has("today")) {
        try {
            o.today = dba::DateInterne(a.get("today"));
        } catch (const dba::DbError&) {
            throw UsageError("--today takes a date DD/MM/YYYY, not \"" + a.get("today") + "\"");
        }
    } else {
        o.today = todayDayNumber();
    }
    const char* login = std::getenv("LOGNAME");
    if (!login) login = std::getenv("USER");
    o.user = a.get("user", login ? login : "");
    o.progress = isatty(STDERR_FILENO);
    return printDeclarations(o);
}

int printDeclarations(const PrintOptions& o) {
    auto db = dba::Database::Open(o.db);
    PrintSetup setup(o, db);
    control::Ctr_ControleEditVardec& ctl = setup.control();
    ui::HeadlessServices& services = setup.services();

    if (o.omr) {
        ctl.ModeOmr = true;
        ctl.W_IndImpr = setup.printerIndex();
        ctl.W_Trimestre = setup.quarterLabel(o.quarter);
        ctl.W_CodeCentreUrssaf = o.centre;
        ctl.W_CodeAideOmr = o.aide;
        ctl.W_NbPagesAvant = dnt::Int16(o.pagesBefore);
        ctl.W_NbPagesApres = dnt::Int16(o.pagesAfter);
        ctl.W_NbPagesMax = dnt::Int16(o.pagesMax);
        ctl.Init();
        return kOk;
    }

    ctl.Init();
    ui::Driver person(ctl.surface());
    int q = findQuarter(*ctl.Cbo_Trimestre, o.quarter);
    if (q < 0) {
        std::cerr << "dnt: no quarter \"" << o.quarter << "\" in the list:";
        for (int i = 0; i < ctl.Cbo_Trimestre->listCount(); ++i) std::cerr << " \"" << ctl.Cbo_Trimestre->list(i) << "\"";
        std::cerr << "\n";
        return kUsage;
    }
    person.choose(*ctl.Cbo_Trimestre, q);
    if (ctl.Txt_CtrUrssaf->enabled()) {
        person.replaceText(*ctl.Txt_CtrUrssaf, o.centre);
        person.tab();  // leaving the entry pads a single digit
    } else if (ctl.Txt_CtrUrssaf->text() != o.centre && ctl.Txt_CtrUrssaf->text() != "0" + o.centre) {
        std::cerr << "dnt: the centre is fixed to " << ctl.Txt_CtrUrssaf->text() << " in this database\n";
        return kStopped;
    }
    if (!o.select.empty()) {
        person.click(*ctl.Cac_SelecInd);
    } else {
        if (!o.from.empty()) person.replaceText(*ctl.Txt_De, o.from);
        if (!o.to.empty()) person.replaceText(*ctl.Txt_A, o.to);
    }
    auto setCheck = [&](ui::CheckBox* box, bool wanted) {
        if (box->checked() != wanted) person.click(*box);
    };
    setCheck(ctl.Cac_RegltParEntite, o.entite);
    setCheck(ctl.Cac_PrelevCpteAide, o.prelevement);
    setCheck(ctl.Cac_RegltParAide, o.aide_);
    if (o.sort == "commune") person.click(*ctl.Opt_Commune);
    else if (o.sort == "secteur") person.click(*ctl.Opt_Sect);
    else if (o.sort == "responsable") person.click(*ctl.Opt_Resp);
    else person.click(*ctl.Opt_Alpha);

    if (!ctl.Cmd_OK->visible()) {
        std::cerr << "dnt: user \"" << o.user << "\" has no right to print the declarations (OK is not shown)\n";
        return kStopped;
    }
    if (!ctl.Cmd_OK->enabled()) {
        std::cerr << "dnt: OK stays disabled: \"" << o.centre << "\" is not a centre of this database\n";
        return kStopped;
    }
    person.click(*ctl.Cmd_OK);
    (void)services;
    // Left with "Retour" in the individual selection: the screen closed, nothing printed.
    if (ctl.state().SelectionAnnulee) return kStopped;
    return ctl.W_Sortir ? kOk : kStopped;
}

}  // namespace cli
