// What `dnt-gui` accepts: its options, exit statuses, environment and files.
#include "apps/usage/build_info.h"
#include "apps/usage/usage.h"

namespace usage {

namespace {

Program makeGui() {
    Program p;
    p.name = "dnt-gui";
    p.summary = "the desktop program of the quarterly nominative declarations";
    p.description =
        "dnt-gui shows the selection screen of the declarations: the quarter, the URSSAF centre, the payment "
        "modes, the print order, a range of names or aidés chosen one by one; OK prints them to PDF, to a matrix "
        "printer, to a printer of the system or to a preview that writes nothing. The menu Outils > Historique "
        "lists the runs and takes one back."
        "\n\n"
        "Without --db it asks for the database, a file or a server's postgresql:// URI, and proposes the one "
        "chosen last time. dnt(1) prints the same declarations from the command line.";
    p.verbs = {
        {"", "[--db PATH|URI] [--user LOGIN] [--today DD/MM/YYYY] [--journal PATH] [--centre CODE]",
         "",
         {{"",
           {{"db", "PATH|URI", "the declaration database: a file, or a postgresql:// server (default: asked)"},
            {"user", "LOGIN",
             "whose rights apply (default: the login of the environment; on a\nserver, the role it "
             "authenticated, which --user may only repeat)"},
            {"today", "DD/MM/YYYY", "the date taken as today (default: the system date)"},
            {"journal", "PATH", "also write the print journal of every run"},
            {"centre", "CODE", "typed into the centre entry first"}}},
          {"Pictures of the documentation (tools/screenshots.sh):",
           {{"screenshot", "FILE.png", "write a picture of the desktop to FILE.png, and leave"},
            {"picture", "WHAT", "with --screenshot: application, screen (default), selection, preview or history"},
            {"search", "TEXT", "with --picture selection, searched in that window first"}}}},
         ""},
    };
    p.common = {{"help", "", "this text, on standard output; no display needed"},
                {"version", "", "the version of dnt-gui; no display needed"}};
    p.exitStatus = {
        {"0", "the window was closed, or no database was chosen"},
        {"1", "the database could not be opened, the screen could not be prepared, or a picture not written"},
        {"2", "bad command line"},
    };
    p.environment = {
        {"LOGNAME, USER", "the login whose rights apply when --user is not given"},
        {"PGHOST, PGPORT, PGDATABASE, PGUSER, PGPASSWORD, PGPASSFILE",
         "libpq's, for a bare postgresql: URI and for the passwords of a server's roles"},
        {"XDG_CONFIG_HOME", "the folder of the settings (default ~/.config)"},
        {"QT_QPA_PLATFORM", "Qt's platform: xcb, wayland, or offscreen for pictures without a display"},
    };
    p.files = {
        {"$XDG_CONFIG_HOME/dnt/dnt-gui.conf", "the settings: the database chosen last"},
        {"/usr/share/dnt/help/",
         "the help pages: found from the program's folder, as " + std::string(kBuild.helpFromBin) +
             ", under any prefix, or beside the program in a build folder"},
        {"/usr/share/fonts/truetype/dejavu/", "DejaVu Sans, the screens' font (package fonts-dejavu-core)"},
        {"/usr/share/fonts/truetype/liberation/", "Liberation Mono, the printed font (package fonts-liberation)"},
    };
    p.seeAlso = "dnt(1)";
    return p;
}

}  // namespace

const Program& dntGui() {
    static const Program p = makeGui();
    return p;
}

}  // namespace usage
