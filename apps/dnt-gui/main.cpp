// dnt-gui: the desktop program that prints the quarterly nominative declarations. It opens
// the database (asking for it without --db), then the application window, from which the
// clerk opens the declaration control's screen as often as needed, until Quitter.
#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <QMessageBox>

#include <iostream>
#include <memory>

#include "apps/dnt-gui/options.h"
#include "apps/dnt-gui/screenshot.h"
#include "apps/usage/build_info.h"
#include "apps/usage/usage.h"
#include "dba/database.h"
#include "dba/file_identity.h"
#include "dba/pg_connection.h"
#include "printing/qt/printer_fonts.h"
#include "ui/driver.h"
#include "desktop/application_window.h"
#include "desktop/database_dialog.h"
#include "desktop/desktop_font.h"
#include "desktop/french.h"
#include "desktop/guarded.h"
#include "desktop/help_folder.h"
#include "desktop/presenter.h"
#include "desktop/text.h"
#include "common/declaration_database.h"

namespace {

const QString kTitle = QStringLiteral("Message TALMIRAN");

void fail(const QString& text) {
    desktop::presenter().message(nullptr, text, QMessageBox::Critical, kTitle);
}

// --help and --version, answered before Qt starts: they need no display. Gives the exit
// status when one of them was asked for.
std::optional<int> answeredWithoutDisplay(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << usage::programHelp(usage::dntGui());
            return 0;
        }
        if (arg == "--version") {
            std::cout << usage::versionLine(usage::dntGui()) << "\n";
            return 0;
        }
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    if (std::optional<int> status = answeredWithoutDisplay(argc, argv)) return *status;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("dnt-gui"));
    QApplication::setOrganizationName(QStringLiteral("dnt"));
    // The menu entry's name, so that the desktop shows the entry's icon for the window.
    QGuiApplication::setDesktopFileName(QStringLiteral("dnt-gui"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("dnt-gui")));
    desktop::useDesktopFont();
    desktop::useFrench(app);

    std::string error;
    std::optional<gui::Options> parsed = gui::parseOptions(argc, argv, error);
    if (!parsed) {
        std::cerr << "dnt-gui: " << error;
        return 2;
    }
    gui::Options o = *parsed;
    const bool picture = !o.screenshot.empty();
    if (picture) {
        // Nobody is at the screen: the messages go to standard error.
        desktop::presenter().message = [](QWidget*, const QString& text, QMessageBox::Icon, const QString&) {
            std::cerr << "dnt-gui: " << desktop::fromQ(text) << "\n";
        };
    }

    if (o.db.empty() && picture) {
        std::cerr << "dnt-gui: --screenshot needs --db\n";
        return 2;
    }
    // Named on the command line, the database is opened or the program ends; asked for,
    // it is asked again until one opens or the person gives up.
    const bool ask = o.db.empty();
    QString proposed = desktop::lastDatabase();
    std::shared_ptr<dba::Database> db;
    while (!db) {
        if (ask) {
            const QString chosen = desktop::chooseDatabase(proposed);
            if (chosen.isEmpty()) return 0;
            o.db = desktop::fromQ(chosen);
        }
        // The print journal is written over whatever is there: never over the database.
        if (auto same = dba::sameFile(dba::databaseFiles(o.db), {{"--journal", o.journal, {}}})) {
            std::cerr << "dnt-gui: --journal " << o.journal << " is "
                      << (same->second.companion.empty() ? "" : "the " + same->second.companion + " file of ")
                      << "the database --db " << o.db << ": choose another file\n";
            return 2;
        }
        try {
            db = dnt::openDeclarationDatabase(o.db);
        } catch (const std::exception& e) {
            if (picture) std::cerr << "dnt-gui: " << e.what() << "\n";
            else fail(QStringLiteral("La base « %1 » ne peut pas être ouverte.\n\n%2")
                          .arg(desktop::toQ(dba::pg::describeTarget(o.db)), desktop::toQ(desktop::errorText(e))));
            if (!ask) return 1;
            proposed = desktop::toQ(o.db);  // to be corrected
            continue;
        }
        if (ask) desktop::rememberDatabase(desktop::toQ(o.db));
    }
    // On a server the rights are those of the role it authenticated.
    if (std::optional<std::string> role = db->storage().authenticatedUser()) {
        if (o.userGiven && o.user != *role) {
            const std::string text = "--user " + o.user + ": the server " + db->storage().where() +
                                     " authenticated the role " + *role + ", whose rights apply";
            if (picture) std::cerr << "dnt-gui: " << text << "\n";
            else fail(desktop::toQ(text));
            return 2;
        }
        o.user = *role;
    }
    try {
        printing::qt::registerPrinterFonts();  // the screen's "Courier New" too
    } catch (const std::exception&) {
        // Printing will say what is missing; the screen falls back to a fixed-pitch font.
    }

    const std::string help =
        desktop::helpFolder(QCoreApplication::applicationDirPath().toStdString(), usage::kBuild.helpFromBin);
    desktop::ApplicationWindow window(db, o.user, o.today, o.journal, help);
    if (picture) {
        bool ok = gui::screenshot(window, o, error);
        if (!ok) std::cerr << "dnt-gui: " << error << "\n";
        return ok ? 0 : 1;
    }
    window.show();
    // With --centre the screen opens at once, that centre entered.
    if (!o.centre.empty()) gui::openWithCentre(window, o.centre);
    return app.exec();
}
