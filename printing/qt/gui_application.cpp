// Makes sure a Qt GUI application exists, which fonts and paint devices need.
#include "printing/qt/gui_application.h"

#include "printing/printer_error.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdlib>

namespace printing::qt {

void ensureGuiApplication() {
    if (QCoreApplication* app = QCoreApplication::instance()) {
        if (!qobject_cast<QGuiApplication*>(app))
            throw PrinterError("printing needs a QGuiApplication, not a QCoreApplication");
        return;
    }
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "dnt";
    static char* argv[] = {name, nullptr};
    // Never destroyed: Qt objects made later may outlive any scope we could give it.
    new QGuiApplication(argc, argv);
}

}  // namespace printing::qt
