// `dnt print`: prints the declarations of a quarter without a screen. Outside the
// unattended mode it acts as a person at the selection screen would; with --omr it
// sets the unattended members and calls Init, as a host does.
#include <unistd.h>

#include <ctime>
#include <iostream>
#include <sstream>

#include "apps/dnt/cli.h"
#include "apps/dnt/db_target.h"
#include "apps/dnt/print_setup.h"
#include "apps/dnt/run_wait.h"
#include "control/ctr_controle.h"
#include "control/libelles_trimestre.h"
#include "dba/dates.h"
#include "dba/errors.h"
#include "declaration/declaration_export.h"
#include "rights/droits.h"
#include "ui/driver.h"
#include "ui/headless_services.h"

namespace cli {

namespace {

const char* kPrintUsage =
    "usage: dnt print --db PATH|URI --quarter LABEL|KEY --centre CODE [options]\n"
    "\n"
    "Always:\n"
    "  --db PATH|URI          the declaration database: a file, or a postgresql:// server\n"
    "  --quarter LABEL|KEY    a quarter of the list (\"1er  TRIMESTRE 2025\") or its key (20251)\n"
    "  --centre CODE          the URSSAF centre code, as typed in the centre entry\n"
    "  --printer NAME         a printer of the list: PDF (default), MATRICIELLE or a system printer\n"
    "  --output PATH          the file of the PDF and matrix printers (default DNT-<key>-<centre>.pdf or .txt)\n"
    "  --journal PATH         also write the print journal of everything sent to the printer\n"
    "  --today DD/MM/YYYY     the date taken as today (default: the system date)\n"
    "  --user LOGIN           whose rights apply (default: the login of the environment; on a\n"
    "                         server, the role it authenticated, which --user may only repeat)\n"
    "  --dry-run              print to the chosen output and write nothing to the database\n"
    "  --export FILE          also write what was declared, FILE.csv (semicolons, UTF-8) or FILE.json\n"
    "  --wait SECONDS         how long to wait for another desk printing the same quarter and centre\n"
    "                         (default 300; 0 does not wait)\n"
    "  --help                 this text\n"
    "\n"
    "At the selection screen (without --omr):\n"
    "  --from TEXT            first name of the range\n"
    "  --to TEXT              last name of the range\n"
    "  --select CODE,...      the aidés chosen one by one, in this order\n"
    "  --modes LIST           payment modes kept: entite,prelevement,aide (default: all three)\n"
    "  --sort KEY             print order: alpha (default), commune, secteur or responsable\n"
    "  --copies N             number of copies, 1 to 99 (default 1)\n"
    "\n"
    "Unattended, with optical marks (--omr):\n"
    "  --omr                  print at once, as a host sets the unattended members\n"
    "  --aide CODE            the one aidé to print, 1 to 5 digits\n"
    "  --pages-before N       pages printed before this document, for the marks (default 0)\n"
    "  --pages-after N        pages printed after it (default 0)\n"
    "  --pages-max N          the page limit of the marks (default 0)\n"
    "\n"
    "Exit status: 0 printed (with --omr an empty selection prints nothing and is 0);\n"
    "1 stopped by a message of the screen, a message shown and nothing printed, or a user\n"
    "without full access; 2 bad command line; 3 database or file error.\n";

// The choices of the selection screen, which the unattended mode does not offer.
const char* const kScreenChoices[] = {"from", "to", "select", "modes", "sort", "copies"};
const char* const kOmrOptions[] = {"aide", "pages-before", "pages-after", "pages-max"};

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

bool digitsOnly(const std::string& t) {
    return !t.empty() && t.find_first_not_of("0123456789") == std::string::npos;
}

// The label of the quarter list named by a label or by its key; a bad command line when
// the list does not offer it.
std::string offeredQuarter(const std::vector<std::string>& offered, const std::string& wanted) {
    for (const std::string& label : offered)
        if (label == wanted || quarterKeyOf(label) == wanted) return label;
    std::string list;
    for (const std::string& label : offered) list += "\n  " + quarterKeyOf(label) + "  \"" + label + "\"";
    throw UsageError("the quarter list does not offer \"" + wanted + "\"; it offers:" + list);
}

}  // namespace

int runPrint(int argc, char** argv) {
    Args a = parseArgs(argc, argv, 2,
                       {"db", "quarter", "centre", "omr", "aide", "pages-before", "pages-after", "pages-max", "from",
                        "to", "select", "modes", "sort", "copies", "printer", "output", "journal", "today", "user",
                        "help", "dry-run", "export", "wait"},
                       {"omr", "help", "dry-run"});
    if (a.has("help")) {
        std::cout << kPrintUsage;
        return kOk;
    }
    if (!a.positional.empty()) throw UsageError("unexpected argument " + a.positional[0] + "\n" + kPrintUsage);
    PrintOptions o;
    o.db = a.require("db");
    o.quarter = a.require("quarter");
    o.centre = a.require("centre");
    // What the centre entry accepts: digits, and leaving it pads one digit to two.
    if (!digitsOnly(o.centre) || o.centre.size() > 2)
        throw UsageError("--centre takes a centre code of 1 or 2 digits, not \"" + o.centre + "\"");
    if (o.centre.size() == 1) o.centre = "0" + o.centre;
    o.omr = a.has("omr");
    for (const char* omrOnly : kOmrOptions)
        if (a.has(omrOnly) && !o.omr) throw UsageError(std::string("--") + omrOnly + " goes with --omr");
    if (o.omr)
        for (const char* choice : kScreenChoices)
            if (a.has(choice))
                throw UsageError(std::string("--") + choice +
                                 " is a choice of the selection screen; the unattended mode (--omr) does not take it");
    o.aide = a.get("aide");
    if (a.has("aide") && (!digitsOnly(o.aide) || o.aide.size() > 5))
        throw UsageError("--aide takes an aidé code of 1 to 5 digits, not \"" + o.aide + "\"");
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
    o.copies = a.number("copies", 1, 1, 99);
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
    o.dryRun = a.has("dry-run");
    o.waitSeconds = waitSeconds(a);
    o.exportPath = a.get("export");
    if (a.has("export") && !declaration::DeclarationExport::knownExtension(o.exportPath))
        throw UsageError("--export takes a .csv or a .json file, not \"" + o.exportPath + "\"");
    // The run's choices, for the history of runs.
    for (const char* name : {"omr", "aide", "pages-before", "pages-after", "pages-max", "from", "to", "select", "modes",
                             "sort", "copies", "printer", "dry-run"}) {
        if (!a.has(name)) continue;
        if (!o.options.empty()) o.options += " ";
        o.options += std::string("--") + name;
        if (!a.get(name).empty()) o.options += " " + a.get(name);
    }
    o.user = a.get("user", currentLogin());
    o.userGiven = a.has("user");
    o.progress = isatty(STDERR_FILENO);
    return printDeclarations(o);
}

namespace {

// Drives the control: as a host in unattended mode, or as a person at the screen. Gives
// the exit status of a run that ended without an exception.
int driveControl(const PrintOptions& o, PrintSetup& setup) {
    control::Ctr_ControleEditVardec& ctl = setup.control();
    if (o.omr) {
        ctl.ModeOmr = true;
        ctl.W_IndImpr = setup.printerIndex();
        ctl.W_Trimestre = o.quarter;
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
    for (int i = 0; i < ctl.Cbo_Trimestre->listCount(); ++i)
        if (ctl.Cbo_Trimestre->list(i) == o.quarter) person.choose(*ctl.Cbo_Trimestre, i);
    if (ctl.Txt_CtrUrssaf->enabled()) {
        person.replaceText(*ctl.Txt_CtrUrssaf, o.centre);
        person.tab();  // leaving the entry pads a single digit
    } else if (ctl.Txt_CtrUrssaf->text() != o.centre) {
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

    if (!ctl.Cmd_OK->enabled()) {
        std::cerr << "dnt: OK stays disabled: \"" << o.centre << "\" is not a centre of this database\n";
        return kStopped;
    }
    person.click(*ctl.Cmd_OK);
    // Left with "Retour" in the individual selection: the screen closed, nothing printed.
    if (ctl.state().SelectionAnnulee) return kStopped;
    if (!ctl.W_Sortir) return kStopped;  // stopped by a message, the screen still open
    return kOk;
}

std::string declarations(long n) { return std::to_string(n) + (n == 1 ? " declaration" : " declarations"); }

// What a run that went wrong after its commit has kept: "its records were written (run 12)".
std::string recordsOf(const dnt::RunOutcome& bilan) {
    return "its records were written" + (bilan.run ? " (run " + std::to_string(bilan.run) + ")" : std::string());
}

}  // namespace

int printDeclarations(const PrintOptions& given) {
    PrintOptions o = given;
    // Nothing is opened before the outputs are known to be files of their own.
    refuseOutputs(o);
    auto db = dba::Database::Open(o.db);
    // On a server the rights are those of the role it authenticated: a user cannot say
    // they are someone else.
    if (std::optional<std::string> role = db->storage().authenticatedUser()) {
        if (o.userGiven && o.user != *role)
            throw UsageError("--user " + o.user + ": the server " + db->storage().where() + " authenticated the role " +
                             *role + ", whose rights apply; connect as " + o.user + " to print as that user");
        o.user = *role;
    }
    // Checked before anything runs, in both modes: the quarter must be one the list
    // offers, and only a user with full access prints.
    o.quarter = offeredQuarter(control::LibellesTrimestres(*db), o.quarter);
    {
        rights::ModuleRights droits(db, o.user, control::Ctr_ControleEditVardec::kModule);
        if (droits.NiveauAcces() != 2) {
            std::cerr << "dnt: user \"" << o.user << "\" has no full access to " << control::Ctr_ControleEditVardec::kModule
                      << " (level " << droits.NiveauAcces() << "): nothing printed\n";
            return kStopped;
        }
    }

    PrintSetup setup(o, db);
    const dnt::RunOutcome& bilan = setup.control().state().outcome;
    int status = kOk;
    try {
        status = driveControl(o, setup);
    } catch (const dba::RunBusy& busy) {
        std::cerr << "dnt: " << describeHolder(quarterKeyOf(o.quarter), o.centre, busy.holder()) << ", still after "
                  << busy.waited() << " s: nothing printed\n";
        return kStopped;
    } catch (const declaration::ExportNotDelivered& e) {
        // Everything else is done: the records are committed and the document delivered.
        std::cerr << "dnt: " << e.what() << "\ndnt: " << declarations(static_cast<long>(bilan.printedAides.size()))
                  << " printed to " << setup.destination() << "; "
                  << (bilan.written ? recordsOf(bilan) + " but" : std::string("nothing was written to the database and"))
                  << " the export " << o.exportPath << " was not put in place";
        if (!e.kept.empty()) std::cerr << ": it is kept as " << e.kept.string();
        std::cerr << "\n";
        return kDataError;
    } catch (const std::exception& e) {
        const dnt::Error* numbered = dynamic_cast<const dnt::Error*>(&e);
        std::cerr << "dnt: " << e.what();
        if (numbered) std::cerr << " (error " << numbered->number() << ")";
        std::cerr << "\ndnt: the run stopped after " << declarations(static_cast<long>(bilan.printedAides.size()))
                  << (bilan.written ? "; " + recordsOf(bilan) + " but " : "; nothing was written to the database and ")
                  << setup.destination() << " was not delivered\n";
        return kDataError;
    }
    const long printed = static_cast<long>(bilan.printedAides.size());
    std::cerr << "dnt: " << (o.dryRun ? "dry run: " : "") << declarations(printed) << " printed to "
              << setup.destination();
    if (o.dryRun) {
        std::cerr << ", nothing written to the database";
    } else if (printed > 0) {
        std::cerr << (bilan.written ? ", records of " + std::to_string(printed) + " written" : ", no record written");
        if (bilan.run) std::cerr << " (run " << bilan.run << ")";
    }
    if (!o.exportPath.empty() && setup.control().state().Imprimante) std::cerr << "; exported to " << o.exportPath;
    std::cerr << "\n";
    for (const dnt::RunOutcome::Failure& e : bilan.failures)
        std::cerr << "dnt: aidé " << e.aide << " left out of " << setup.destination()
                  << ": its records could not be written: " << e.reason << " (error " << e.number << ")\n";
    if (!bilan.failures.empty()) return kDataError;
    if (status != kOk) return status;
    // A message shown and nothing printed: the run stopped on it.
    if (printed == 0 && !setup.services().messages().empty()) return kStopped;
    return kOk;
}

}  // namespace cli
