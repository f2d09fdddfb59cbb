// dnt-gui: the desktop program that prints the quarterly nominative declarations. It opens
// the database (asking for it without --db), then the application window, from which the
// clerk opens the declaration control's screen as often as needed, until Quitter.
#include <QApplication>
#include <QMessageBox>

#include <iostream>
#include <memory>

#include "apps/dnt-gui/options.h"
#include "apps/dnt-gui/screenshot.h"
#include "dba/database.h"
#include "dba/file_identity.h"
#include "dba/pg_connection.h"
#include "printing/qt/printer_fonts.h"
#include "ui/driver.h"
#include "desktop/application_window.h"
#include "desktop/desktop_font.h"
#include "desktop/french.h"
#include "desktop/guarded.h"
#include "desktop/presenter.h"
#include "desktop/text.h"

namespace {

const QString kTitle = QStringLiteral("Message TALMIRAN");

void fail(const QString& text) {
    desktop::presenter().message(nullptr, text, QMessageBox::Critical, kTitle);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("dnt-gui"));
    desktop::useDesktopFont();
    desktop::useFrench(app);

    std::string error;
    std::optional<gui::Options> parsed = gui::parseOptions(argc, argv, error);
    if (!parsed) {
        std::cerr << error;
        return error == gui::kUsage ? 0 : 2;
    }
    gui::Options o = *parsed;
    const bool picture = !o.screenshot.empty();
    if (picture) {
        // Nobody is at the screen: the messages go to standard error.
        desktop::presenter().message = [](QWidget*, const QString& text, QMessageBox::Icon, const QString&) {
            std::cerr << "dnt-gui: " << desktop::fromQ(text) << "\n";
        };
    }

    if (o.db.empty()) {
        if (picture) {
            std::cerr << "dnt-gui: --screenshot needs --db\n";
            return 2;
        }
        QString chosen = desktop::presenter().openFile(nullptr, QStringLiteral("Base des déclarations"), QString(),
                                                      QStringLiteral("Bases (*.db *.sqlite);;Tous les fichiers (*)"));
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

    std::shared_ptr<dba::Database> db;
    try {
        db = dba::Database::Open(o.db);
    } catch (const std::exception& e) {
        if (picture) std::cerr << "dnt-gui: " << e.what() << "\n";
        else fail(QStringLiteral("La base « %1 » ne peut pas être ouverte.\n\n%2")
                      .arg(desktop::toQ(dba::pg::describeTarget(o.db)), desktop::toQ(desktop::errorText(e))));
        return 1;
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

    desktop::ApplicationWindow window(db, o.user, o.today, o.journal);
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
