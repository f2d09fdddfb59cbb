// Makes sure a Qt GUI application exists, which fonts and paint devices need.
#include "printing/qt/gui_application.h"

#include "printing/printer_error.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace printing::qt {

void ensureGuiApplication() {
    if (QCoreApplication* app = QCoreApplication::instance()) {
        if (!qobject_cast<QGuiApplication*>(app))
            throw PrinterError("printing needs a QGuiApplication, not a QCoreApplication");
        return;
    }
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Without a session (cron, CI) Qt warns on every run that it has no runtime folder:
    // give it a private one, as a login session would.
    if (std::getenv("XDG_RUNTIME_DIR") == nullptr) {
        std::string dir = "/tmp/runtime-" + std::to_string(getuid());
        mkdir(dir.c_str(), 0700);
        struct stat st {};
        if (stat(dir.c_str(), &st) == 0 && st.st_uid == getuid()) {
            chmod(dir.c_str(), 0700);
            setenv("XDG_RUNTIME_DIR", dir.c_str(), 0);
        }
    }
    static int argc = 1;
    static char name[] = "dnt";
    static char* argv[] = {name, nullptr};
    // Never destroyed: Qt objects made later may outlive any scope we could give it.
    new QGuiApplication(argc, argv);
}

}  // namespace printing::qt
