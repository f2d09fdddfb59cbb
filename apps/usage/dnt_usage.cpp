// What `dnt` accepts: its verbs, their options, exit statuses, environment and files.
#include "apps/usage/usage.h"

namespace usage {

namespace {

const Option kDb{"db", "PATH|URI", "the declaration database: a file, or a postgresql:// server"};

const std::vector<Entry> kPgEnvironment = {
    {"PGHOST, PGPORT, PGDATABASE, PGUSER, PGPASSWORD, PGPASSFILE",
     "libpq's, for a bare postgresql: URI and for the passwords of a server's roles"},
};

Program makeDnt() {
    Program p;
    p.name = "dnt";
    p.summary = "print the quarterly nominative declarations of home-help employers";
    p.description =
        "dnt prints the \"DECLARATION NOMINATIVE TRIMESTRIELLE\" that an association prints for the home-help "
        "employers (aidés) it manages: one declaration per aidé and quarter, computed from a multivalue database "
        "kept in an SQLite file or on a PostgreSQL server, to PDF, to the system's printers or to a matrix "
        "printer. A run writes back, for each aidé, its REGULDNT and DETAILCHGPARTEMP records, both or neither."
        "\n\n"
        "--db names a database file, or a PostgreSQL server by a postgresql:// (or postgres://) URI; a bare "
        "postgresql: takes the server, database, role and password from libpq's environment. Every verb works "
        "on both. dnt-gui(1) is the desktop program.";
    p.verbs = {
        {"print", "--db PATH|URI --quarter LABEL|KEY --centre CODE [options]",
         "print the declarations of a quarter for a URSSAF centre",
         {{"Always:",
           {kDb,
            {"quarter", "LABEL|KEY", "a quarter of the list (\"1er  TRIMESTRE 2025\") or its key (20251)"},
            {"centre", "CODE", "the URSSAF centre code, as typed in the centre entry"},
            {"printer", "NAME", "a printer of the list: PDF (default), MATRICIELLE or a system printer"},
            {"output", "PATH",
             "the file of the PDF and matrix printers (default DNT-<key>-<centre>.pdf or .txt)"},
            {"journal", "PATH", "also write the print journal of everything sent to the printer"},
            {"today", "DD/MM/YYYY", "the date taken as today (default: the system date)"},
            {"user", "LOGIN",
             "whose rights apply (default: the login of the environment; on a\nserver, the role it "
             "authenticated, which --user may only repeat)"},
            {"dry-run", "", "print to the chosen output and write nothing to the database"},
            {"export", "FILE", "also write what was declared, FILE.csv (semicolons, UTF-8) or FILE.json"},
            {"split", "FOLDER", "also write one PDF per declaration and index.csv to the new FOLDER"},
            {"wait", "SECONDS",
             "how long to wait for another desk printing the same quarter and centre\n(default 300; 0 does not wait)"},
            {"threads", "N",
             "2 (default): the PDF and system printers paint the pages on a thread of their\nown while the next "
             "declarations are computed; 1: on the run's thread"}}},
          {"At the selection screen (without --omr):",
           {{"from", "TEXT", "first name of the range"},
            {"to", "TEXT", "last name of the range"},
            {"select", "CODE,...", "the aidés chosen one by one, codes of 1 to 5 digits of aidés of the centre; printed in the order of --sort, as the individual selection hands them to the contract query"},
            {"modes", "LIST", "payment modes kept: entite,prelevement,aide (default: all three)"},
            {"sort", "KEY", "print order: alpha (default), commune, secteur or responsable"},
            {"copies", "N", "number of copies, 1 to 99 (default 1)"}},
           usage::Group::ScreenMode},
          {"Unattended, with optical marks (--omr):",
           {{"omr", "", "print at once, as a host sets the unattended members"},
            {"aide", "CODE", "the one aidé to print, 1 to 5 digits"},
            {"pages-before", "N", "pages printed before this document, for the marks (default 0)"},
            {"pages-after", "N", "pages printed after it (default 0)"},
            {"pages-max", "N", "the page limit of the marks (default 0)"}},
           usage::Group::UnattendedMode}},
         "Outside --omr the command acts as a person at the selection screen and writes every message box on "
         "standard error; with --omr it sets the unattended members and calls Init, and the screen's choices "
         "are a bad command line. The quarter must be one the list offers, and the user must have full access "
         "to EDITIONDNTVARDEC, in both modes. Exit status 0 also when, with --omr, the selection is empty and "
         "nothing is printed. Ctrl-C stops the run between two aidés: the aidés done are printed and written, "
         "the document is delivered with them (a second Ctrl-C kills the program), and the exit status is 1, "
         "as on a centre the database does not have."},
        {"demo", "--db PATH|URI [--aides N] [--seed S] [--quarter KEY|LABEL] [--replace]",
         "make a demo database, the same for the same seed",
         {{"",
           {kDb,
            {"aides", "N", "number of aidés, 1 to 90000 (default 30; the first 24 are fixed cases)"},
            {"seed", "S", "seed of the random draws, 0 to 4294967295 (default 1)"},
            {"quarter", "Q",
             "latest quarter, \"20254\" or \"4ème TRIMESTRE 2025\" (default), 2010 to 2099;\nthe current pay "
             "period is its last month"},
            {"replace", "", "also replace a declaration database that dnt demo did not make"}}}},
         "A database that dnt demo made is replaced; any other file is refused and left as it is."},
        {"db import", "--db PATH|URI FILE.jsonl", "load a dump into a new database", {{"", {kDb}}},
         "The whole dump is read and checked first: a bad dump creates nothing."},
        {"db export", "--db PATH|URI [FILE ...]", "write the dump of the database, or of the files named",
         {{"", {kDb}}},
         ""},
        {"db query", "--db PATH|URI \"SSELECT ...\" [--fields \"0 3\"]",
         "run a query sentence: one record a line",
         {{"", {kDb, {"fields", "LIST", "the fields written, separated by blanks (default 0, the key)"}}}},
         "Values are separated by tabs, sub-values by \" | \"."},
        {"db show", "--db PATH|URI FILE KEY", "write one record as a dump line", {{"", {kDb}}}, ""},
        {"db quarters", "--db PATH|URI", "the quarters the quarter list offers: key, tab, label",
         {{"", {kDb}}},
         "The quarters dnt print --quarter accepts, latest first; the shell's completion asks for them."},
        {"db index", "create|drop --db PATH|URI FILE ITEM, or list --db PATH|URI [FILE]",
         "an index of a field or dictionary item, kept exact by every write", {{"", {kDb}}}, ""},
        {"db runs", "--db PATH|URI", "the runs that wrote records", {{"", {kDb}}}, ""},
        {"db run", "--db PATH|URI N", "one run and the records of its aidés", {{"", {kDb}}}, ""},
        {"db undo", "--db PATH|URI N [--user LOGIN] [--wait SECONDS]", "take run N back",
         {{"",
           {kDb, {"user", "LOGIN", "who undoes it (default: the login; on a server, the role)"},
            {"wait", "SECONDS", "how long to wait for a run of the same quarter and centre (default 300)"}}}},
         "Refused, exit 1 and nothing changed, for an unknown run, a run already undone, or a run one of whose "
         "records changed since."},
        {"db copy", "--from PATH|URI --to PATH|URI [--replace]", "copy a whole database, in one transaction",
         {{"",
           {{"from", "PATH|URI", "the database copied"},
            {"to", "PATH|URI", "the database written"},
            {"replace", "", "empty a destination that already holds files first"}}}},
         ""},
        {"db init-server", "--db URI [--owner ROLE] [--printers ROLE,...]",
         "prepare a server's database for the desks",
         {{"",
           {{"db", "URI", "the server's database, a postgresql:// URI"},
            {"owner", "ROLE", "the owner of the schema (default: the role connected)"},
            {"printers", "ROLE,...", "the roles that print: they read everything, write the run's records"}}}},
         ""},
        {"printers", "", "the printers of the printer list, one a line", {},
         "PDF and MATRICIELLE, then the system's printers, as --printer names them."},
        {"help", "[VERB]", "this text, or the text of one verb", {}, ""},
    };
    p.common = {{"help", "", "the verb's text, on standard output"},
                {"version", "", "the version of dnt (alone, without a verb)"}};
    p.exitStatus = {
        {"0", "done"},
        {"1",
         "stopped by a message of the screen, a message shown and nothing printed, a user without full access, "
         "a run that does not exist or cannot be undone"},
        {"2", "bad command line"},
        {"3",
         "database or file error, also when a message came before it; every record a run writes is written "
         "whole or not at all"},
    };
    p.environment = {
        {"LOGNAME, USER", "the login whose rights apply when --user is not given"},
        kPgEnvironment[0],
        {"DNT_WAIT_SECONDS", "how long a run on a file waits for another run to commit (default 300)"},
        {"QT_QPA_PLATFORM", "Qt's platform for printing (default offscreen: no display needed)"},
    };
    p.files = {
        {"PATH, PATH-wal, PATH-shm, PATH-locks", "a database file and the files SQLite and the locks keep beside it"},
        {"DNT-<key>-<centre>.pdf, DNT-<key>-<centre>.txt", "the default output, in the current folder"},
        {"/usr/share/fonts/truetype/liberation/", "Liberation Mono, the printed font (package fonts-liberation)"},
        {"~/.pgpass", "the passwords of the server's roles (libpq)"},
        {"libpq.so.5", "PostgreSQL's client library, loaded only when a server is named (package libpq5)"},
    };
    p.seeAlso = "dnt-gui(1)";
    return p;
}

}  // namespace

const Program& dnt() {
    static const Program p = makeDnt();
    return p;
}

}  // namespace usage
