// Reporting of the errors that escape the models' event handlers.
#include "desktop/guarded.h"

#include <QApplication>
#include <QGuiApplication>

#include "numbers/error.h"
#include "desktop/presenter.h"
#include "desktop/text.h"

namespace desktop {

namespace {

std::function<void()>& recovery() {
    static std::function<void()> r;
    return r;
}

void report(const std::string& text) {
    if (recovery()) recovery()();
    while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
    presenter().message(QApplication::activeWindow(), toQ(text), QMessageBox::Critical,
                        QStringLiteral("Erreur d'exécution"));
}

}  // namespace

void setErrorRecovery(std::function<void()> r) { recovery() = std::move(r); }

std::string errorText(const std::exception& e) {
    if (const auto* numbered = dynamic_cast<const dnt::Error*>(&e)) {
        return "Erreur " + dnt::errorNumberText(numbered->number()) + " :\n" + numbered->what();
    }
    return std::string("Erreur :\n") + e.what();
}

bool guarded(const std::function<void()>& action) noexcept {
    try {
        action();
        return true;
    } catch (const std::exception& e) {
        try {
            report(errorText(e));
        } catch (...) {
        }
    } catch (...) {
        try {
            report("Erreur inconnue.");
        } catch (...) {
        }
    }
    return false;
}

}  // namespace desktop
