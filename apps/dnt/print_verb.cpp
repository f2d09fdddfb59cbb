// `dnt print`: prints the declarations of a quarter without a screen. Outside the
// unattended mode it acts as a person at the selection screen would; with --omr it
// sets the unattended members and calls Init, as a host does.
#include <unistd.h>

#include <ctime>
#include <iostream>
#include <sstream>

#include "apps/dnt/cli.h"
#include "apps/dnt/db_target.h"
#include "apps/dnt/interrupt.h"
#include "apps/dnt/output_stamp.h"
#include "apps/dnt/print_setup.h"
#include "apps/dnt/run_wait.h"
#include "apps/usage/usage.h"
#include "control/ctr_controle.h"
#include "control/libelles_trimestre.h"
#include "dba/dates.h"
#include "dba/errors.h"
#include "declaration/declaration_export.h"
#include "rights/droits.h"
#include "ui/driver.h"
#include "ui/headless_services.h"
#include "common/declaration_database.h"

namespace cli {

namespace {

// The options of the print verb's description that belong to one mode: the screen's
// choices and the unattended mode's options.
std::vector<std::string> groupOptions(usage::Group::Mode mode) {
    std::vector<std::string> names;
    for (const usage::Group& g : usage::findVerb(usage::dnt(), "print")->groups)
        if (g.mode == mode)
            for (const usage::Option& option : g.options) names.push_back(option.name);
    return names;
}

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

// A label with every run of blanks made one, so that "1er TRIMESTRE 2025" typed with one
// blank names the list's "1er  TRIMESTRE 2025".
std::string collapseBlanks(const std::string& text) {
    std::string out;
    for (char c : text)
        if (c != ' ' || out.empty() || out.back() != ' ') out += c;
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out.size() && out.front() == ' ' ? out.substr(1) : out;
}

// The label of the quarter list named by a label or by its key; a bad command line when
// the list does not offer it.
std::string offeredQuarter(const std::vector<std::string>& offered, const std::string& wanted) {
    for (const std::string& label : offered)
        if (collapseBlanks(label) == collapseBlanks(wanted) || quarterKeyOf(label) == wanted) return label;
    std::string list;
    for (const std::string& label : offered) list += "\n  " + quarterKeyOf(label) + "  \"" + label + "\"";
    throw UsageError("the quarter list does not offer \"" + wanted + "\"; it offers:" + list);
}

}  // namespace

int runPrint(int argc, char** argv) {
    Args a = parseArgs(argc, argv, 2, "print");
    if (!a.positional.empty())
        throw UsageError("unexpected argument " + a.positional[0] + " (dnt print --help lists the options)");
    PrintOptions o;
    o.db = a.require("db");
    o.quarter = a.require("quarter");
    o.centre = a.require("centre");
    // What the centre entry accepts: digits, and leaving it pads one digit to two.
    if (!digitsOnly(o.centre) || o.centre.size() > 2)
        throw UsageError("--centre takes a centre code of 1 or 2 digits, not \"" + o.centre + "\"");
    if (o.centre.size() == 1) o.centre = "0" + o.centre;
    o.omr = a.has("omr");
    const std::vector<std::string> unattended = groupOptions(usage::Group::UnattendedMode),
                                   screen = groupOptions(usage::Group::ScreenMode);
    for (const std::string& omrOnly : unattended)
        if (omrOnly != "omr" && a.has(omrOnly) && !o.omr) throw UsageError("--" + omrOnly + " goes with --omr");
    if (o.omr)
        for (const std::string& choice : screen)
            if (a.has(choice))
                throw UsageError("--" + choice +
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
    // A code as the dialog's code box completes it: 1 to 5 digits, padded to five.
    for (std::string& code : o.select) {
        if (!digitsOnly(code) || code.size() > 5)
            throw UsageError("--select: \"" + code + "\" is not an aidé code (1 to 5 digits)");
        code = std::string(5 - code.size(), '0') + code;
    }
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
    o.threads = static_cast<int>(a.number("threads", 2, 1, 2));
    o.exportPath = a.get("export");
    o.split = a.get("split");
    if (a.has("split") && o.split.empty()) throw UsageError("--split needs a folder");
    if (a.has("export") && !declaration::DeclarationExport::knownExtension(o.exportPath))
        throw UsageError("--export takes a .csv or a .json file, not \"" + o.exportPath + "\"");
    // The run's choices, for the history of runs: the unattended mode's and the screen's,
    // then the printer's.
    std::vector<std::string> recorded = unattended;
    recorded.insert(recorded.end(), screen.begin(), screen.end());
    recorded.insert(recorded.end(), {"printer", "dry-run", "split"});
    for (const std::string& name : recorded) {
        if (!a.has(name)) continue;
        if (!o.options.empty()) o.options += " ";
        o.options += "--" + name;
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

// Whether FILE holds a record of that key.
bool hasRecord(dba::Database& db, const char* file, const std::string& key) {
    try {
        db.DBOpenFile(file)->DBRead(key);
        return true;
    } catch (const dba::DbError& e) {
        if (e.number() == dba::kErrKeyAbsent) return false;
        throw;
    }
}

// The aidés of --select must be aidés of the centre, as the individual selection accepts
// them; refused before the run rather than told one by one in the middle of it.
void refuseForeignAides(dba::Database& db, const PrintOptions& o) {
    for (const std::string& code : o.select) {
        bool ours = hasRecord(db, "CIVILAIDE", code) && hasRecord(db, "ELTSPARTEMP", code) &&
                    db.DBOpenFile("ELTSPARTEMP")->DBRead(code).element(1) == o.centre;
        if (!ours) throw UsageError("--select: " + code + " is not an aidé of centre " + o.centre);
    }
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
    auto db = dnt::openDeclarationDatabase(o.db);
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

    // Unattended, nobody sees the screen refuse a centre the database does not have.
    if (!hasRecord(*db, "CENTREURSSAF", o.centre)) {
        std::cerr << "dnt: there is no URSSAF centre " << o.centre << " in this database: nothing printed\n";
        return kStopped;
    }
    refuseForeignAides(*db, o);

    PrintSetup setup(o, db);
    const dnt::RunOutcome& bilan = setup.control().state().outcome;
    const std::string output = writesFile(o) ? setup.outputPath() : std::string();
    const OutputStamp before = OutputStamp::of(output);
    catchInterrupt();
    setup.control().state().StopRequested = stopRequested;
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
        if (numbered) std::cerr << " (error " << dnt::errorNumberText(numbered->number()) << ")";
        std::cerr << "\ndnt: the run stopped after " << declarations(static_cast<long>(bilan.printedAides.size()))
                  << (bilan.written ? "; " + recordsOf(bilan) + " but " : "; nothing was written to the database and ")
                  << setup.destination() << " was not delivered\n";
        return kDataError;
    }
    const long printed = static_cast<long>(bilan.printedAides.size());
    // A file printer's output is named only when the run wrote it; a system printer only
    // when a printer was chosen.
    const bool delivered = writesFile(o) ? before.replacedBy(OutputStamp::of(output))
                                         : setup.control().state().Imprimante != nullptr;
    std::cerr << "dnt: " << (o.dryRun ? "dry run: " : "");
    if (bilan.stopped)
        std::cerr << "stopped after " << bilan.stopped->done << " of " << bilan.stopped->total << " aidés: ";
    if (!delivered) {
        std::cerr << "nothing printed";
    } else {
        std::cerr << declarations(printed) << " printed to " << setup.destination();
        if (writesFile(o) && before.exists) std::cerr << " (the file that was there is replaced)";
    }
    if (o.dryRun) {
        std::cerr << ", nothing written to the database";
    } else if (printed > 0) {
        std::cerr << (bilan.written ? ", records of " + std::to_string(printed) + " written" : ", no record written");
        if (bilan.run) std::cerr << " (run " << bilan.run << ")";
    }
    if (!o.exportPath.empty() && delivered) std::cerr << "; exported to " << o.exportPath;
    if (!o.split.empty() && delivered) std::cerr << "; archived in " << o.split;
    std::cerr << "\n";
    for (const dnt::RunOutcome::Failure& e : bilan.failures)
        std::cerr << "dnt: aidé " << e.aide << " left out of " << setup.destination()
                  << ": its records could not be written: " << e.reason << " (error " << dnt::errorNumberText(e.number)
                  << ")\n";
    if (!bilan.failures.empty()) return kDataError;
    if (status != kOk) return status;
    if (bilan.stopped) return kStopped;
    // A message shown and nothing printed: the run stopped on it.
    if (printed == 0 && !setup.services().messages().empty()) return kStopped;
    return kOk;
}

}  // namespace cli
